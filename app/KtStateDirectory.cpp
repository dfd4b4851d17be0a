#include "KtStateDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString KtStateDirectory::Path()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base =
        QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/qg2312"));
}

QString KtStateDirectory::Enter()
{
    const QString path = Path();
    if (!QFileInfo(path).isDir()) {
        if (!QDir().mkpath(path))
            return QStringLiteral("Cannot create the state directory %1.").arg(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (!QDir::setCurrent(path))
        return QStringLiteral("Cannot enter the state directory %1.").arg(path);
    return {};
}
