#include "QgLaunch.h"

#include "KtViewerLauncher.h"

QgLaunch StartedWith(const QStringList &parameters, const QString &configDir)
{
    QgLaunch launch;
    KtStartup::ApplyParameters(parameters, configDir, launch.settings, launch.texts, launch.flags);
    return launch;
}

QString QgLaunch::Line(const QString &argument) const
{
    return KtViewerLauncher::CommandLine(argument, texts, flags, settings.Security.Version);
}

QStringList QgLaunch::Arguments(const QString &argument) const
{
    return KtViewerLauncher::Arguments(argument, texts, flags, settings.Security.Version);
}
