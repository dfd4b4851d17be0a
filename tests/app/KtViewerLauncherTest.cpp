#include "KtViewerLauncher.h"
#include "KtRegistry.h"
#include "KtStartup.h"
#include "QgFiles.h"
#include "QgLaunch.h"
#include "QgWait.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(KtViewerLauncherTest, CommandLines)
{
    EXPECT_EQ(KtViewerLauncher::ToolOf("/TRmon_History"), "Rmon");
    EXPECT_EQ(KtViewerLauncher::ToolOf("/TEthernetLike_dot3StatsTable"), "EthernetLike");

    EXPECT_EQ(StartedWith({"/I10.1.1.1", "/Rpublic", "/Wprivate"}).Line("/TRmon_History"),
              "Rmon /I10.1.1.1 /Rpublic /Wprivate /TRmon_History");
    EXPECT_EQ(StartedWith({"/I10.1.1.1", "/v3", "/nuser"}).Line("/TMIB_Info"),
              "MIB /I10.1.1.1 /R /W /TMIB_Info /t /v /d /m /nuser");
    EXPECT_EQ(
        StartedWith({"/I10.1.1.1", "/v3", "/nuser", "/l3", "/a2", "/Asecret word", "/p2", "/Ppriv", "/cctx"})
            .Line("/TMIB_Info"),
        "MIB /I10.1.1.1 /R /W /TMIB_Info /t /v /d /m /nuser /cctx /l3 /a2 /Asecret word /p2 /Ppriv");
    EXPECT_EQ(
        StartedWith({"/I10.1.1.1", "/v3", "/nuser", "/Asecret word"}).Arguments("/TMIB_Info").filter("/A"),
        QStringList{"/Asecret word"});

    QTemporaryDir dir;
    ASSERT_TRUE(
        WriteFile(dir.filePath("10.1.1.1.cfg"),
                  "[Program Information]\nAgentPort=1161\nVersion=3\nSecurityModel=3\nSecurityLevel=0\n"
                  "AuthProtocol=0\nPrivProtocol=0\nSecurityName=admin\n"));
    const QgLaunch fromFile = StartedWith({"/I10.1.1.1", "/v1"}, dir.path() + "/");
    EXPECT_EQ(fromFile.settings.Security.Version, 1);
    EXPECT_EQ(fromFile.Line("/TMIB_Info"), "MIB /I10.1.1.1 /R /W /TMIB_Info /t1161 /v3 /d /m3 /nadmin");
}

// The viewer gets the protocol codes of the module's own command line,
// also when they came from the file (counted from 0 there).
TEST(KtViewerLauncherTest, ProtocolCodesAreHandedOnUnchanged)
{
    EXPECT_EQ(
        StartedWith({"/I10.1.1.1", "/v3", "/m3", "/nuser", "/l3", "/a7", "/Aauthpass", "/p21", "/Pprivpass"})
            .Line("/TMIB_Info"),
        "MIB /I10.1.1.1 /R /W /TMIB_Info /t /v /d /m3 /nuser /l3 /a7 /Aauthpass /p21 /Pprivpass");

    QTemporaryDir dir;
    ASSERT_TRUE(
        WriteFile(dir.filePath("10.1.1.1.cfg"),
                  "[Program Information]\nAgentPort=161\nVersion=3\nSecurityModel=3\nSecurityLevel=2\n"
                  "AuthProtocol=4\nPrivProtocol=18\nSecurityName=admin\n"));
    EXPECT_EQ(StartedWith({"/I10.1.1.1", "/Rpublic"}, dir.path() + "/").Line("/TMIB_Info"),
              "MIB /I10.1.1.1 /Rpublic /W /TMIB_Info /t161 /v3 /d /m3 /nadmin /l3 /a5 /p19");
}

TEST(KtViewerLauncherTest, PlatformStatusMessages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("registry.ini");
    const std::pair<QByteArray, QString> cases[] = {
        {"", "No Path!"},
        {"[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\ovix5.exe]\n", ""},
        {"[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=\n", "OpenView : File Path Error!"},
        {"[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=/opt/ov\n", ""},
    };
    for (const auto &[content, status] : cases) {
        ASSERT_TRUE(WriteFile(path, content));
        KtRegistry registry(path);
        EXPECT_EQ(KtViewerLauncher::PlatformStatus(registry), status) << content.constData();
    }
}

// Each parameter reaches the viewer whole, blanks and all.
TEST(KtViewerLauncherTest, StartsTheToolFoundOnThePathWithItsParametersWhole)
{
    QTemporaryDir dir;
    const QString record = dir.filePath("arguments");
    ASSERT_TRUE(WriteScript(
        dir.filePath("Rmon"),
        QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > %1.tmp && mv %1.tmp %1\n")
            .arg(record)
            .toUtf8()));
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ":" + oldPath);
    const bool started = KtViewerLauncher::Start(
        {"Rmon", "/I10.1.1.1", "/Rpublic", "/Wpriv ate", "/TRmon_History", "/Aa b  c "});
    qputenv("PATH", oldPath);
    ASSERT_TRUE(started);
    WaitUntil([&] { return QFile::exists(record); }, 10000);
    EXPECT_EQ(ReadFile(record), "/I10.1.1.1\n/Rpublic\n/Wpriv ate\n/TRmon_History\n/Aa b  c \n");
}

} // namespace
