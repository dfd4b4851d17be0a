#include "KtViewerLauncher.h"

#include "KtRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QString KtViewerLauncher::ToolOf(const QString &argument)
{
    const qsizetype underscore = argument.indexOf(QLatin1Char('_'));
    return argument.mid(2, underscore < 0 ? -1 : underscore - 2);
}

QStringList KtViewerLauncher::Arguments(const QString &argument, const KtLaunchTexts &texts,
                                        const KtLaunchFlags &flags, int securityVersion)
{
    QStringList words{ToolOf(argument)};
    words << QStringLiteral("/I") + texts.IpAddress;
    words << QStringLiteral("/R") + texts.ReadCommunity;
    words << QStringLiteral("/W") + texts.WriteCommunity;
    words << argument;

    const bool version3 =
        (flags.ConfigFileFound && texts.Version == QLatin1String("3")) || securityVersion == 3;
    if (!version3)
        return words;
    words << QStringLiteral("/t") + texts.AgentPort;
    words << QStringLiteral("/v") + texts.Version;
    words << QStringLiteral("/d") + texts.ContextEngineID;
    words << QStringLiteral("/m") + texts.SecurityModel;
    words << QStringLiteral("/n") + texts.SecurityName;
    if (flags.ContextNameGiven && !texts.ContextName.isEmpty())
        words << QStringLiteral("/c") + texts.ContextName;
    if (flags.SecurityLevelGiven && !texts.SecurityLevel.isEmpty())
        words << QStringLiteral("/l") + texts.SecurityLevel;
    if (flags.AuthProtocolGiven && !texts.AuthProtocol.isEmpty())
        words << QStringLiteral("/a") + texts.AuthProtocol;
    if (flags.AuthPasswordGiven)
        words << QStringLiteral("/A") + texts.AuthPassword;
    if (flags.PrivProtocolGiven && !texts.PrivProtocol.isEmpty())
        words << QStringLiteral("/p") + texts.PrivProtocol;
    if (flags.PrivPasswordGiven)
        words << QStringLiteral("/P") + texts.PrivPassword;
    return words;
}

QString KtViewerLauncher::CommandLine(const QString &argument, const KtLaunchTexts &texts,
                                      const KtLaunchFlags &flags, int securityVersion)
{
    return Arguments(argument, texts, flags, securityVersion).join(QLatin1Char(' '));
}

QString KtViewerLauncher::PlatformStatus(KtRegistry &registry)
{
    const QString appPaths = QStringLiteral("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\");
    if (registry.OpenKey(appPaths + QStringLiteral("ovix51.exe")) ||
        registry.OpenKey(appPaths + QStringLiteral("ovix5.exe")))
        return {};
    if (registry.OpenKey(QStringLiteral("\\SOFTWARE\\Hewlett-Packard\\OpenView")))
        return registry.ReadString(QStringLiteral("OV_PATH")).isEmpty()
                   ? QStringLiteral("OpenView : File Path Error!")
                   : QString();
    return QStringLiteral("No Path!");
}

QString KtViewerLauncher::ViewerDirectory()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" QG_VIEWER_DIR_FROM_BIN));
}

QString KtViewerLauncher::ProgramPath(const QString &tool, const QString &viewerDirectory)
{
    if (!viewerDirectory.isEmpty()) {
        const QFileInfo own(QDir(viewerDirectory).filePath(tool));
        if (own.isFile() && own.isExecutable())
            return own.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(tool);
}

bool KtViewerLauncher::Start(const QStringList &arguments, const QString &viewerDirectory,
                             const QRect &mainWindowFrame)
{
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return false;
    QStringList parameters = arguments;
    const QString tool = parameters.takeFirst();
    const QString program = ProgramPath(tool, viewerDirectory);
    QProcess process;
    process.setProgram(program.isEmpty() ? tool : program);
    process.setArguments(parameters);
    if (mainWindowFrame.isValid()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(MainWindowVariable), QStringLiteral("%1,%2,%3,%4")
                                                                        .arg(mainWindowFrame.x())
                                                                        .arg(mainWindowFrame.y())
                                                                        .arg(mainWindowFrame.width())
                                                                        .arg(mainWindowFrame.height()));
        process.setProcessEnvironment(environment);
    }
    return process.startDetached();
}
