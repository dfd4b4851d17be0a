// qgview as a program: started through a tool link with the module's
// command line, the per-device configuration file from the registry
// stand-in, screenshots, and its exit codes.
#include "KtStartup.h"
#include "KtViewerLauncher.h"
#include "QgFiles.h"
#include "QgInstallation.h"
#include "QgProgramRun.h"
#include "QgSimProcess.h"
#include "SnmpdProcess.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// An installation for the agent's port, and programs run in it.
class Installation
{
public:
    explicit Installation(quint16 agentPort) { files_.Write(agentPort); }

    QString Path(const QString &name) const { return files_.Path(name); }
    QString Directory() const { return files_.Dir() + "/"; }
    // Replaces the device configuration file; PORT stands for the agent's port.
    void UseConfig(const QByteArray &content, quint16 agentPort) const
    {
        ASSERT_TRUE(WriteFile(Path("127.0.0.1.cfg"),
                              QByteArray(content).replace("PORT", QByteArray::number(agentPort))));
    }

    QgProgramRun Start(const QString &program, const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KELTRA_REGISTRY", files_.RegistryPath());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", files_.Dir()); // the views' settings
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(files_.Dir());
        return RunProgram(process, program, arguments, 120000);
    }

private:
    QgInstallation files_;
};

const QString Qgview = QStringLiteral(QG_BIN_DIR "/qgview");

// The start of a device configuration file for SNMPv3 at the agent's port.
const QByteArray kSnmpV3Config = "[Program Information]\nAgentPort=PORT\nVersion=3\nSecurityModel=3\n";

TEST(QgviewProgramTest, TheComposedCommandLineOpensItsViewThroughTheToolLink)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    const Installation installation(sim.Port());
    // What LaunchViewer starts for "History" after an SNMPv1 start-up.
    KtSNMPSettings settings;
    KtLaunchTexts texts;
    KtLaunchFlags flags;
    KtStartup::ApplyParameters({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, {}, settings, texts, flags);
    QStringList words =
        KtViewerLauncher::Arguments("/TRmon_History", texts, flags, settings.Security.Version);
    const QString program = KtViewerLauncher::ProgramPath(words.takeFirst(), QG_VIEWER_DIR);
    const QgProgramRun run = installation.Start(program, QStringList{"--exit-after-first-read"} + words);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
}

// A pass phrase with blanks reaches the viewer whole: it reads through a
// user whose keys come from exactly that phrase.
TEST(QgviewProgramTest, APassPhraseWithBlanksArrivesWhole)
{
    QgSimProcess sim({"--static-leds", "--user", "blankuser:MD5:my md5 pass phrase"});
    ASSERT_TRUE(sim.Start());
    const Installation installation(sim.Port());
    installation.UseConfig(kSnmpV3Config + "SecurityLevel=1\nSecurityName=blankuser\nAuthProtocol=1\n"
                                           "PrivProtocol=0\n",
                           sim.Port());
    KtSNMPSettings settings;
    KtLaunchTexts texts;
    KtLaunchFlags flags;
    KtStartup::ApplyParameters({"/I127.0.0.1", "/Amy md5 pass phrase"}, installation.Directory(), settings,
                               texts, flags);
    QStringList words = KtViewerLauncher::Arguments("/TMIB_Info", texts, flags, settings.Security.Version);
    EXPECT_TRUE(words.contains("/Amy md5 pass phrase")) << words.join('|').toStdString();
    const QString program = KtViewerLauncher::ProgramPath(words.takeFirst(), QG_VIEWER_DIR);
    const QgProgramRun run = installation.Start(program, QStringList{"--exit-after-first-read"} + words);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
}

// SNMPv3 settings the engine refuses before sending: the read fails with
// the reason in the status line, and the program does not abort.
TEST(QgviewProgramTest, RefusedSnmpV3SettingsEndTheReadWithTheirReason)
{
    const SilentAgent silent;
    const Installation dead(silent.Port());
    const std::pair<QByteArray, const char *> cases[] = {
        {"SecurityLevel=1\nSecurityName=md5user\nAuthProtocol=1\nPrivProtocol=0\nAuthPassword=short\n",
         "Pass phrase too short"},
        {"SecurityLevel=1\nSecurityName=md5user\nAuthProtocol=8\nPrivProtocol=0\nAuthPassword=md5password\n",
         "Unsupported AuthProtocol"},
        {"SecurityLevel=2\nSecurityName=desuser\nAuthProtocol=1\nPrivProtocol=8\nAuthPassword=md5password\n"
         "PrivPassword=despassword\n",
         "Unsupported PrivProtocol"},
    };
    for (const auto &[config, reason] : cases) {
        dead.UseConfig(kSnmpV3Config + config, silent.Port());
        const QgProgramRun run = dead.Start(Qgview, {"--screenshot", dead.Path("v3.png"), "/I127.0.0.1",
                                                     "/Rpublic", "/Wprivate", "/TMIB_Info"});
        EXPECT_EQ(run.exitCode, 1) << reason;
        EXPECT_TRUE(run.err.contains(reason)) << run.err.toStdString();
    }
}

TEST(QgviewProgramTest, ScreenshotOfTheFirstRead)
{
    QgSimProcess sim({"--static-leds", "--fdb-rows", "200"});
    ASSERT_TRUE(sim.Start());
    const Installation installation(sim.Port());
    const QString picture = installation.Path("fdb.png");
    const QgProgramRun run = installation.Start(
        Qgview, {"--screenshot", picture, "/I127.0.0.1", "/Rpublic", "/Wprivate", "/TBridge_Forwarding"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(picture);
    EXPECT_GT(image.width(), 400);
    EXPECT_GT(image.height(), 300);
}

TEST(QgviewProgramTest, ExitCodes)
{
    const SilentAgent silent;
    const Installation dead(silent.Port());
    struct Case
    {
        QStringList Arguments;
        int ExitCode;
        const char *Message;
    };
    const Case cases[] = {
        {{"/I127.0.0.1", "/Rpublic", "/Wprivate", "/TMIB_Nothing"}, 2, "unknown view \"MIB_Nothing\""},
        {{"/I127.0.0.1", "/Rpublic", "/Wprivate"}, 2, "no view given"},
        {{}, 2, "No parameter input"},
        {{"--frobnicate", "/TMIB_Info"}, 2, "unknown option --frobnicate"},
        // The agent never answers: the first read fails.
        {{"--exit-after-first-read", "/I127.0.0.1", "/Rpublic", "/Wprivate", "/TMIB_Info"}, 1, ""},
        {{"--screenshot", dead.Path("x.png"), "/I127.0.0.1", "/Rpublic", "/Wprivate", "/TMIB_Info"}, 1, ""},
        // A malformed number on the command line.
        {{"/I127.0.0.1", "/vX", "/TMIB_Info"}, 1, ""},
    };
    for (const Case &c : cases) {
        const QgProgramRun run = dead.Start(Qgview, c.Arguments);
        EXPECT_EQ(run.exitCode, c.ExitCode) << c.Arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.Message)) << run.err.toStdString();
    }
}

} // namespace
