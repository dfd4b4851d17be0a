// Starts the real program in an empty working directory.
#include "KtSNMPEngine.h"
#include "QgFiles.h"
#include "QgProgramRun.h"
#include "QgSimProcess.h"
#include "QgWait.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs qg2312 until it has written the boot counter, then stops it.
void StartAndStop(const QString &workDir, const QByteArray &expectedLine)
{
    QProcess program;
    program.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KELTRA_REGISTRY", workDir + "/no-registry.ini");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QG_BIN_DIR "/qg2312"), {"/I127.0.0.1", "/Rpublic"});
    ASSERT_TRUE(program.waitForStarted());
    const QString counterFile = workDir + "/" + KtBootCounterFileName;
    WaitUntil([&] { return ReadFile(counterFile).contains(expectedLine); }, 20000);
    program.terminate();
    if (!program.waitForFinished(5000))
        program.kill();
    program.waitForFinished();
}

TEST(ProgramTest, TwoStartsCountTwoBoots)
{
    QTemporaryDir dir;
    const QByteArray own = KtLocalEngineID.toHex().toUpper();
    StartAndStop(dir.path(), own + " 1\n");
    StartAndStop(dir.path(), own + " 2\n");
    EXPECT_EQ(ReadFile(dir.filePath(KtBootCounterFileName)), own + " 2\n");
}

} // namespace

namespace {

// Runs a program without any display: the information options need none.
QgProgramRun RunWithoutDisplay(const QString &program, const QStringList &arguments, int timeoutMs = 20000)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    return RunProgram(process, program, arguments, timeoutMs);
}

TEST(QgwindowTest, ListsEveryWindowOfTheMenuAndHelpsWithoutADisplay)
{
    const QgProgramRun run = RunWithoutDisplay(QG_BIN_DIR "/qgwindow", {"--list"}, 30000);
    EXPECT_EQ(run.exitCode, 0);
    const QString &list = run.out;
    const QStringList lines = list.split('\n', Qt::SkipEmptyParts);
    auto line = [&](const QString &name) {
        for (const QString &l : lines)
            if (l.section(' ', 0, 0) == name)
                return l.simplified();
        return QString();
    };
    // Generic windows of both kinds and dedicated windows, with their paths.
    EXPECT_EQ(line("UnitTable1"), "UnitTable1 list Basic Configuration > Equipment Management > Unit Table");
    EXPECT_TRUE(line("PortMirrorTable1").startsWith("PortMirrorTable1 dedicated ")) << list.toStdString();
    EXPECT_TRUE(line("SummerTime1").startsWith("SummerTime1 dedicated ")) << list.toStdString();
    EXPECT_TRUE(line("NetworkTime1").startsWith("NetworkTime1 editor ")) << list.toStdString();
    EXPECT_GT(lines.size(), 100);

    const QgProgramRun help = RunWithoutDisplay(QG_BIN_DIR "/qgwindow", {"--help"}, 30000);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--list")) << help.out.toStdString();
}

} // namespace

namespace {

// qgwindow with the given arguments on the offscreen platform.
QgProgramRun RunQgwindowOffscreen(const QStringList &arguments, int timeoutMs)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    return RunProgram(program, QG_BIN_DIR "/qgwindow", arguments, timeoutMs);
}

TEST(QgwindowTest, OpensGenericAndDedicatedWindowsByNameOrPath)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    QTemporaryDir dir;
    struct Case
    {
        QString Window;
        QString Picture;
    };
    const Case cases[] = {
        {"Basic Configuration > Equipment Management > unit table ", "units.png"},
        {"PortMirrorTable1", "mirror.png"},
    };
    for (const Case &c : cases) {
        const QgProgramRun run = RunQgwindowOffscreen(
            {"--agent", sim.Address(), "--screenshot", dir.filePath(c.Picture), c.Window}, 60000);
        ASSERT_TRUE(run.finished) << c.Window.toStdString();
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_FALSE(QImage(dir.filePath(c.Picture)).isNull()) << c.Window.toStdString();
    }
    // A name that is no window of the menu.
    const QgProgramRun run = RunQgwindowOffscreen({"--agent", sim.Address(), "NoSuchWindow1"}, 30000);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("no window \"NoSuchWindow1\""));
}

} // namespace

namespace {

TEST(ProgramTest, HelpAndVersionOfEveryProgram)
{
    for (const char *name : {"qg2312", "qgview", "qgsim"}) {
        const QString program = QStringLiteral(QG_BIN_DIR "/") + name;
        const QgProgramRun version = RunWithoutDisplay(program, {"--version"});
        EXPECT_EQ(version.exitCode, 0) << name;
        EXPECT_EQ(version.out, QStringLiteral("%1 %2\n").arg(name, QG_VERSION)) << name;
        const QgProgramRun help = RunWithoutDisplay(program, {"--help"});
        EXPECT_EQ(help.exitCode, 0) << name;
        EXPECT_TRUE(help.out.startsWith("Usage: ")) << help.out.toStdString();
        EXPECT_TRUE(help.out.section('\n', 0, 0).contains(name)) << help.out.toStdString();
    }
    // The module's help names the slash grammar and the connect dialog.
    const QString help = RunWithoutDisplay(QG_BIN_DIR "/qg2312", {"--help"}).out;
    for (const char *part : {"/I ", "/v ", "/a ", "--connect"})
        EXPECT_TRUE(help.contains(QLatin1String(part))) << part;
}

TEST(ProgramTest, ConnectTakesNoFurtherParameters)
{
    QProcess program;
    const QgProgramRun run = RunProgram(program, QG_BIN_DIR "/qg2312", {"--connect", "/I127.0.0.1"}, 20000);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("--connect takes no further parameters"));
}

} // namespace
