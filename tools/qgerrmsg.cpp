// qgerrmsg DIR: writes the seven message catalogues with their built-in
// texts into DIR/errmsg/, one message per line, for an installation to
// reword. A file line cannot hold a line break, so a text of several lines
// is written with its lines joined by a blank.
#include "KtCatalogue.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qgerrmsg DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("errmsg"))) {
        std::fprintf(stderr, "qgerrmsg: cannot create %s/errmsg\n", argv[1]);
        return 1;
    }
    for (const KtCatalogueFile &catalogue : KtCatalogueFiles) {
        const QString path = dir.filePath(QString::fromLatin1(catalogue.FileName));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::fprintf(stderr, "qgerrmsg: cannot write %s\n", qPrintable(path));
            return 1;
        }
        for (int entry = 0; entry < catalogue.Table->BuiltInCount(); ++entry) {
            const QString text = catalogue.Table->Text(entry).replace(QLatin1Char('\n'), QLatin1Char(' '));
            // A blank line is skipped when the file is read: every later
            // message would land on the wrong entry.
            if (text.trimmed().isEmpty()) {
                std::fprintf(stderr, "qgerrmsg: entry %d of %s is blank\n", entry, catalogue.FileName);
                return 1;
            }
            file.write(text.toUtf8() + "\n");
        }
    }
    return 0;
}
