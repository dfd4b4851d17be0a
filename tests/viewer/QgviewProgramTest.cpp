// qgview as a program: started through a tool link with the module's
// command line, the per-device configuration file from the registry
// stand-in, screenshots, and its exit codes.
#include "KtStartup.h"
#include "KtViewerLauncher.h"
#include "QgInstallation.h"
#include "QgSimProcess.h"
#include "SnmpdProcess.h"

#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct ProgramRun
{
    int ExitCode = -1;
    QString StandardError;
};

// An installation for the agent's port, and programs run in it.
class Installation
{
public:
    explicit Installation(quint16 agentPort) { files_.Write(agentPort); }

    QString Path(const QString &name) const { return files_.Path(name); }

    ProgramRun Start(const QString &program, const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KELTRA_REGISTRY", files_.RegistryPath());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(files_.Dir());
        process.start(program, arguments);
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

private:
    QgInstallation files_;
};

const QString Qgview = QStringLiteral(QG_BIN_DIR "/qgview");

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
    const QString program = KtViewerLauncher::ProgramPath(words.takeFirst(), QG_BIN_DIR "/viewers");
    const ProgramRun run = installation.Start(program, QStringList{"--exit-after-first-read"} + words);
    EXPECT_EQ(run.ExitCode, 0) << run.StandardError.toStdString();
}

// A pass phrase with blanks reaches the viewer whole: it reads through a
// user whose keys come from exactly that phrase.
TEST(QgviewProgramTest, APassPhraseWithBlanksArrivesWhole)
{
    QgSimProcess sim({"--static-leds", "--user", "blankuser:MD5:my md5 pass phrase"});
    ASSERT_TRUE(sim.Start());
    const Installation installation(sim.Port());
    KtSNMPSettings settings;
    KtLaunchTexts texts;
    KtLaunchFlags flags;
    KtStartup::ApplyParameters({"/I127.0.0.1", "/v3", QStringLiteral("/t%1").arg(sim.Port()), "/m3",
                                "/nblankuser", "/l2", "/a2", "/Amy md5 pass phrase"},
                               {}, settings, texts, flags);
    QStringList words = KtViewerLauncher::Arguments("/TMIB_Info", texts, flags, settings.Security.Version);
    EXPECT_TRUE(words.contains("/Amy md5 pass phrase")) << words.join('|').toStdString();
    const QString program = KtViewerLauncher::ProgramPath(words.takeFirst(), QG_BIN_DIR "/viewers");
    const ProgramRun run = installation.Start(program, QStringList{"--exit-after-first-read"} + words);
    EXPECT_EQ(run.ExitCode, 0) << run.StandardError.toStdString();
}

TEST(QgviewProgramTest, ScreenshotOfTheFirstRead)
{
    QgSimProcess sim({"--static-leds", "--fdb-rows", "200"});
    ASSERT_TRUE(sim.Start());
    const Installation installation(sim.Port());
    const QString picture = installation.Path("fdb.png");
    const ProgramRun run = installation.Start(
        Qgview, {"--screenshot", picture, "/I127.0.0.1", "/Rpublic", "/Wprivate", "/TBridge_Forwarding"});
    ASSERT_EQ(run.ExitCode, 0) << run.StandardError.toStdString();
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
        // SNMPv3 settings refused before anything is sent: the read fails
        // with the reason, the program does not abort.
        {{"--screenshot", dead.Path("y.png"), "/I127.0.0.1", "/v3", "/m3", "/nmd5user", "/l2", "/a2",
          "/Ashort", "/TMIB_Info"},
         1,
         "Pass phrase too short"},
        {{"--screenshot", dead.Path("z.png"), "/I127.0.0.1", "/v3", "/m3", "/nmd5user", "/l2", "/a9",
          "/Amd5password", "/TMIB_Info"},
         1,
         "Unsupported AuthProtocol"},
        {{"--exit-after-first-read", "/I127.0.0.1", "/v3", "/m3", "/ndesuser", "/l3", "/a2", "/Amd5password",
          "/p9", "/Pdespassword", "/TMIB_Info"},
         1,
         "Unsupported PrivProtocol"},
    };
    for (const Case &c : cases) {
        const ProgramRun run = dead.Start(Qgview, c.Arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Arguments.join(' ').toStdString();
        EXPECT_TRUE(run.StandardError.contains(c.Message)) << run.StandardError.toStdString();
    }
}

} // namespace
