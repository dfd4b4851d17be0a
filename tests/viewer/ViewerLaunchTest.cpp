// The viewer menu entries start qgview under its tool names with the
// module's command line, found first in the module's private viewer
// directory, then on PATH.
#include "KtStartup.h"
#include "KtViewerLauncher.h"
#include "ViewerTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString ViewerDir = QStringLiteral(QG_VIEWER_DIR);

QString WriteTool(const QTemporaryDir &dir, const QString &name)
{
    QFile tool(dir.filePath(name));
    tool.open(QIODevice::WriteOnly);
    tool.write("#!/bin/sh\nexit 0\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return QFileInfo(tool).absoluteFilePath();
}

TEST(ViewerLaunchTest, EveryEntryStartsQgviewWithTheModulesCommandLine)
{
    KtSNMPSettings settings;
    KtLaunchTexts texts;
    KtLaunchFlags flags;
    KtStartup::ApplyParameters({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, {}, settings, texts, flags);
    const QString qgview = QFileInfo(QStringLiteral(QG_BIN_DIR "/qgview")).canonicalFilePath();
    ASSERT_FALSE(qgview.isEmpty());

    const std::vector<const KtMenuItem *> entries = ViewerMenuEntries();
    EXPECT_EQ(entries.size(), 27u);
    for (const KtMenuItem *entry : entries) {
        const QString argument = QString::fromLatin1(entry->Argument);
        const QString tool = KtViewerLauncher::ToolOf(argument);
        EXPECT_EQ(KtViewerLauncher::CommandLine(argument, texts, flags, settings.Security.Version),
                  tool + " /I127.0.0.1 /Rpublic /Wprivate " + argument);
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
    QFile tool(dir.filePath("MIB"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write(QStringLiteral("#!/bin/sh\necho \"$QG_MAIN_WINDOW $*\" > %1.part && mv %1.part %1\n")
                   .arg(seen)
                   .toUtf8());
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(
        KtViewerLauncher::Start({"MIB", "/I127.0.0.1", "/TMIB_Info"}, dir.path(), QRect(10, 20, 800, 600)));
    ASSERT_TRUE(WaitUntil([&] { return QFileInfo::exists(seen); }, 10000));
    QFile result(seen);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll(), "10,20,800,600 /I127.0.0.1 /TMIB_Info\n");
}

} // namespace
