#include "KtCsvFile.h"

#include <QFile>

bool KtCsvFile::Save(const QString &path, const QString &text, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0) {
        error = file.errorString();
        return false;
    }
    return true;
}
