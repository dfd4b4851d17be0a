// The viewer menu entries start qgview under its tool names with the
// module's command line, found first in the module's private viewer
// directory, then on PATH.
#include "KtViewerLauncher.h"
#include "QgFiles.h"
#include "QgLaunch.h"
#include "ViewerTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString ViewerDir = QStringLiteral(QG_VIEWER_DIR);

QString WriteTool(const QTemporaryDir &dir, const QString &name)
{
    WriteScript(dir.filePath(name), "#!/bin/sh\nexit 0\n");
    return QFileInfo(dir.filePath(name)).absoluteFilePath();
}

TEST(ViewerLaunchTest, EveryEntryStartsQgviewWithTheModulesCommandLine)
{
    const QgLaunch launch = StartedWith({"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    const QString qgview = QFileInfo(QStringLiteral(QG_BIN_DIR "/qgview")).canonicalFilePath();
    ASSERT_FALSE(qgview.isEmpty());

    const std::vector<const KtMenuItem *> entries = ViewerMenuEntries();
    EXPECT_EQ(entries.size(), 27u);
    for (const KtMenuItem *entry : entries) {
        const QString argument = QString::fromLatin1(entry->Argument);
        const QString tool = KtViewerLauncher::ToolOf(argument);
        EXPECT_EQ(launch.Line(argument), tool + " /I127.0.0.1 /Rpublic /Wprivate " + argument);
        const QString program = KtViewerLauncher::ProgramPath(tool, ViewerDir);
        EXPECT_EQ(program, QDir(ViewerDir).filePath(tool)) << entry->Argument;
        EXPECT_EQ(QFileInfo(program).canonicalFilePath(), qgview) << entry->Argument;
        const KtViewDef *view = FindView(argument);
        ASSERT_TRUE(view) << entry->Argument;
        EXPECT_STREQ(view->Caption, entry->Caption);
    }
}

TEST(ViewerLaunchTest, TheModulesOwnViewerComesBeforeThePath)
{
    QTemporaryDir onPath;
    const QString pathMib = WriteTool(onPath, "MIB");
    const QString pathOnly = WriteTool(onPath, "OtherTool");
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", onPath.path().toUtf8() + ":" + oldPath);
    EXPECT_EQ(KtViewerLauncher::ProgramPath("MIB", ViewerDir), QDir(ViewerDir).filePath("MIB"));
    EXPECT_EQ(KtViewerLauncher::ProgramPath("MIB", {}), pathMib);
    EXPECT_EQ(KtViewerLauncher::ProgramPath("OtherTool", ViewerDir), pathOnly);
    EXPECT_EQ(KtViewerLauncher::ProgramPath("NoSuchTool", ViewerDir), QString());
    qputenv("PATH", oldPath);
}

// The module hands its main window's frame to the viewer in the environment,
// its command line unchanged.
TEST(ViewerLaunchTest, TheViewerLearnsWhereTheMainWindowIs)
{
    QTemporaryDir dir;
    const QString seen = dir.filePath("seen");
    ASSERT_TRUE(
        WriteScript(dir.filePath("MIB"),
                    QStringLiteral("#!/bin/sh\necho \"$QG_MAIN_WINDOW $*\" > %1.part && mv %1.part %1\n")
                        .arg(seen)
                        .toUtf8()));
    ASSERT_TRUE(
        KtViewerLauncher::Start({"MIB", "/I127.0.0.1", "/TMIB_Info"}, dir.path(), QRect(10, 20, 800, 600)));
    ASSERT_TRUE(WaitUntil([&] { return QFileInfo::exists(seen); }, 10000));
    EXPECT_EQ(ReadFile(seen), "10,20,800,600 /I127.0.0.1 /TMIB_Info\n");
}

} // namespace
