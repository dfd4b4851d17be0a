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

QString KtViewerLauncher::CommandLine(const QString &argument, const KtLaunchTexts &texts,
                                      const KtLaunchFlags &flags, int securityVersion)
{
    QString line = ToolOf(argument);
    line += QStringLiteral(" /I") + texts.IpAddress;
    line += QStringLiteral(" /R") + texts.ReadCommunity;
    line += QStringLiteral(" /W") + texts.WriteCommunity;
    line += QLatin1Char(' ') + argument;

    const bool version3 =
        (flags.ConfigFileFound && texts.Version == QLatin1String("3")) || securityVersion == 3;
    if (!version3)
        return line;
    line += QStringLiteral(" /t") + texts.AgentPort;
    line += QStringLiteral(" /v") + texts.Version;
    line += QStringLiteral(" /d") + texts.ContextEngineID;
    line += QStringLiteral(" /m") + texts.SecurityModel;
    line += QStringLiteral(" /n") + texts.SecurityName;
    if (flags.ContextNameGiven && !texts.ContextName.isEmpty())
        line += QStringLiteral(" /c") + texts.ContextName;
    if (flags.SecurityLevelGiven && !texts.SecurityLevel.isEmpty())
        line += QStringLiteral(" /l") + texts.SecurityLevel;
    if (flags.AuthProtocolGiven && !texts.AuthProtocol.isEmpty())
        line += QStringLiteral(" /a") + texts.AuthProtocol;
    if (flags.AuthPasswordGiven)
        line += QStringLiteral(" /A") + texts.AuthPassword;
    if (flags.PrivProtocolGiven && !texts.PrivProtocol.isEmpty())
        line += QStringLiteral(" /p") + texts.PrivProtocol;
    if (flags.PrivPasswordGiven)
        line += QStringLiteral(" /P") + texts.PrivPassword;
    return line;
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

bool KtViewerLauncher::Start(const QString &commandLine, const QString &viewerDirectory)
{
    QStringList words = commandLine.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return false;
    const QString tool = words.takeFirst();
    const QString program = ProgramPath(tool, viewerDirectory);
    return QProcess::startDetached(program.isEmpty() ? tool : program, words);
}
