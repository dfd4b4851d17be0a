// qgsnap itself against qgsim: what it saves, compares and writes back, read
// from the simulator's set log.

#include "QgSimProcess.h"
#include "QtPrinters.h"
#include "SnmpTool.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString SysLogState = "1.3.6.1.4.1.47893.12.12.1.0"; // disabled 2, enabled 3
const QString BaudRate = "1.3.6.1.4.1.47893.12.1.2.7.0";   // baudRate-9600 2 ... 4 baudRate-38400
const QString Alias52 = "1.3.6.1.2.1.31.1.1.1.18.52";      // port 52's ifAlias, empty
const QString PublicName = "1.3.6.1.6.3.18.1.1.1.2.112.117.98.108.105.99"; // the community of row "public"
const QString GvrpStatus = "1.3.6.1.2.1.17.7.1.1.5.0";     // 802.1Q Basic Configure: enabled 1, disabled 2
const QString Pvid51 = "1.3.6.1.2.1.17.7.1.4.5.1.1.51";    // 802.1Q Ports Information: port 51's PVID, 1
const QString ResetState = "1.3.6.1.4.1.47893.12.1.2.3.0"; // System Reset State: cold-start 2, no-reset 4

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

class QgsnapTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(sim_.Start()) << qPrintable(sim_.StandardError()); }

    QStringList Switch(const QgSimProcess *sim = nullptr, const QString &version = "/v1") const
    {
        return {
            "/I127.0.0.1", "/Rpublic", "/Wprivate", "/v3", QString("/t%1").arg((sim ? sim : &sim_)->Port()),
            version};
    }
    QString File(const QString &name) const { return dir_.filePath(name); }

    // qgsnap with standard input closed (no terminal), in a directory of its
    // own (where the SNMP engine keeps its boot counter).
    Outcome Qgsnap(const QStringList &arguments) const
    {
        QProcess program;
        program.setWorkingDirectory(dir_.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KELTRA_REGISTRY", File("no-registry.ini"));
        // qgsnap needs no display, not even an offscreen one.
        for (const char *display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(display);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(QG_BIN_DIR "/qgsnap"), arguments);
        program.closeWriteChannel();
        if (!program.waitForFinished(120000))
            program.kill();
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }
    Outcome Save(const QString &name, const QStringList &options = {}) const
    {
        return Qgsnap(QStringList{"save", "-o", File(name)} + options + Switch());
    }
    Outcome Live(const QString &command, const QString &name, const QStringList &options = {}) const
    {
        return Qgsnap(QStringList{command, File(name), "--live"} + Switch() + options);
    }

    // The lines of a report that start with four blanks and hold pattern.
    static QStringList Lines(const QString &text, const QString &pattern)
    {
        QStringList lines;
        for (const QString &line : text.split('\n'))
            if (line.startsWith("    ") && line.contains(QRegularExpression(pattern)))
                lines << line.trimmed();
        return lines;
    }
    // The bindings the simulator received since the log was last cleared.
    QStringList SetsReceived() const
    {
        EXPECT_TRUE(sim_.WaitForSets());
        QStringList texts;
        for (const QgSetPdu &pdu : sim_.Sets().Read())
            texts << pdu.Texts().join(" ") + (pdu.Error == "noError" ? "" : " " + pdu.Error);
        return texts;
    }

    QgSimProcess sim_{{"--static-leds"}};
    QTemporaryDir dir_;
};

TEST_F(QgsnapTest, SaveChangeThreeDiffRestoreAndDiffAgain)
{
    const Outcome save = Save("a.snap");
    ASSERT_EQ(save.exitCode, 0) << qPrintable(save.err);
    QFile file(File("a.snap"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QString("# address: 127.0.0.1:%1\n# sysDescr: Keltra").arg(sim_.Port())));
    EXPECT_TRUE(text.contains("Basic Configuration > System Log > System Log State\tswSysLogCtrlState\t\t"
                              "disabled\t" +
                              SysLogState + "\tinteger:2\n"));
    EXPECT_FALSE(text.contains("(unreadable)")) << "the simulator serves every window";

    ASSERT_FALSE(
        Set(sim_, {SysLogState, "i", "3", BaudRate, "i", "4", Alias52, "s", "uplink"}).contains("Error"));
    sim_.Sets().Clear();

    const Outcome diff = Live("diff", "a.snap");
    EXPECT_EQ(diff.exitCode, 1) << qPrintable(diff.err);
    EXPECT_EQ(Lines(diff.out, " -> "),
              QStringList({"Console Port Baud Rate Config: baudRate-9600 -> baudRate-38400",
                           "swSysLogCtrlState: disabled -> enabled", "Alias [52]: \"\" -> uplink"}))
        << qPrintable(diff.out);

    const QStringList sets = {BaudRate + " integer 2", SysLogState + " integer 2", Alias52 + " octets"};
    const Outcome dryRun = Live("restore", "a.snap", {"--dry-run"});
    EXPECT_EQ(dryRun.exitCode, 0) << qPrintable(dryRun.err);
    EXPECT_EQ(Lines(dryRun.out, "^    1\\.").replaceInStrings(QRegularExpression(" *#.*"), ""), sets)
        << qPrintable(dryRun.out);
    const Outcome oneWindow =
        Live("restore", "a.snap", {"--dry-run", "--window", "Basic Configuration > System Log"});
    EXPECT_EQ(Lines(oneWindow.out, "^    1\\.").replaceInStrings(QRegularExpression(" *#.*"), ""),
              QStringList{sets[1]});
    EXPECT_EQ(SetsReceived(), QStringList()) << "a dry run sends nothing";

    const Outcome restore = Live("restore", "a.snap", {"--yes"});
    EXPECT_EQ(restore.exitCode, 0) << qPrintable(restore.out + restore.err);
    EXPECT_TRUE(restore.out.endsWith("3 sets written\n")) << qPrintable(restore.out);
    EXPECT_EQ(SetsReceived(),
              QStringList({BaudRate + "=integer:2", SysLogState + "=integer:2", Alias52 + "=octets:"}));

    const Outcome again = Live("diff", "a.snap");
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.out.endsWith("\nno differences\n")) << qPrintable(again.out);
}

// The dedicated windows' settings are saved, compared and restored as the
// generic windows' are; an action such as the reset state is saved but
// neither compared nor sent, however it differs.
TEST_F(QgsnapTest, DedicatedWindowsAreRestoredAndActionsNeverSent)
{
    const Outcome save = Save("a.snap");
    ASSERT_EQ(save.exitCode, 0) << qPrintable(save.err);
    QFile file(File("a.snap"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString &line :
         {"VLAN > 802.1Q > 802.1Q Bridge > Basic Configure\tGVRPStatus\t\tdisabled\t" + GvrpStatus +
              "\tinteger:2\n",
          "VLAN > 802.1Q > 802.1Q Bridge > Ports Information\tPortVLANID\t51\t1\t" + Pvid51 + "\tgauge32:1\n",
          "Basic Configuration > Agent Management > Basic Configuration\tSystem Reset State\t\tcold-start\t" +
              ResetState + "\tinteger:2\n"})
        EXPECT_TRUE(text.contains(line)) << qPrintable(line);

    ASSERT_FALSE(
        Set(sim_, {GvrpStatus, "i", "1", Pvid51, "u", "7", SysLogState, "i", "3", ResetState, "i", "4"})
            .contains("Error"));
    sim_.Sets().Clear();

    const Outcome diff = Live("diff", "a.snap");
    EXPECT_EQ(diff.exitCode, 1) << qPrintable(diff.err);
    EXPECT_EQ(Lines(diff.out, " -> "),
              QStringList({"swSysLogCtrlState: disabled -> enabled", "GVRPStatus: disabled -> enabled",
                           "PortVLANID [51]: 1 -> 7"}))
        << qPrintable(diff.out);

    const QStringList sets = {SysLogState + " integer 2", GvrpStatus + " integer 2", Pvid51 + " gauge32 1"};
    const Outcome dryRun = Live("restore", "a.snap", {"--dry-run"});
    EXPECT_EQ(Lines(dryRun.out, "^    1\\.").replaceInStrings(QRegularExpression(" *#.*"), ""), sets)
        << qPrintable(dryRun.out);
    EXPECT_TRUE(dryRun.out.contains("  skipped: System Reset State: no-reset -> cold-start: an action, never "
                                    "restored\n"))
        << qPrintable(dryRun.out);
    const Outcome oneWindow = Live(
        "restore", "a.snap", {"--dry-run", "--window", "VLAN > 802.1Q > 802.1Q Bridge > Ports Information"});
    EXPECT_EQ(Lines(oneWindow.out, "^    1\\.").replaceInStrings(QRegularExpression(" *#.*"), ""),
              QStringList{sets[2]});

    const Outcome restore = Live("restore", "a.snap", {"--yes"});
    EXPECT_EQ(restore.exitCode, 0) << qPrintable(restore.out + restore.err);
    EXPECT_EQ(SetsReceived(),
              QStringList({SysLogState + "=integer:2", GvrpStatus + "=integer:2", Pvid51 + "=gauge32:1"}))
        << "the reset state is never sent";

    const Outcome again = Live("diff", "a.snap");
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.out.endsWith("\nno differences\n")) << qPrintable(again.out);
}

// A secret masked in the file is never written back, however it changed;
// saved with --with-secrets it is.
TEST_F(QgsnapTest, AMaskedSecretIsNeverRestored)
{
    ASSERT_EQ(Save("masked.snap").exitCode, 0);
    ASSERT_EQ(Save("secrets.snap", {"--with-secrets"}).exitCode, 0);
    ASSERT_FALSE(Set(sim_, {PublicName, "s", "changed"}).contains("Error"));
    sim_.Sets().Clear();

    const Outcome masked = Live("restore", "masked.snap", {"--yes"});
    EXPECT_EQ(masked.exitCode, 0) << qPrintable(masked.err);
    EXPECT_TRUE(masked.out.contains("  skipped: 2 secrets, masked in the snapshot (Name): never restored\n"))
        << qPrintable(masked.out);
    EXPECT_TRUE(masked.out.contains("nothing to restore\n")) << qPrintable(masked.out);
    EXPECT_EQ(SetsReceived(), QStringList());

    const Outcome diff = Live("diff", "secrets.snap");
    EXPECT_EQ(Lines(diff.out, " -> "), QStringList{"Name [public]: public -> changed"})
        << qPrintable(diff.out);
    const Outcome secrets = Live("restore", "secrets.snap", {"--yes"});
    EXPECT_EQ(secrets.exitCode, 0) << qPrintable(secrets.err);
    EXPECT_EQ(SetsReceived(), QStringList{PublicName + "=octets:7075626C6963"});
}

TEST_F(QgsnapTest, WithoutATerminalRestoreAsksForYesAndSendsNothing)
{
    ASSERT_EQ(Save("a.snap").exitCode, 0);
    ASSERT_FALSE(Set(sim_, {SysLogState, "i", "3"}).contains("Error"));
    sim_.Sets().Clear();
    const Outcome refused = Live("restore", "a.snap");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("give --yes")) << qPrintable(refused.err);
    EXPECT_EQ(SetsReceived(), QStringList());
}

// The first set the switch refuses stops the restore: the report names what
// was written, what failed and what was not sent, and nothing after it goes
// out.
TEST_F(QgsnapTest, StopsAtTheFirstRefusedSet)
{
    ASSERT_EQ(Save("a.snap").exitCode, 0);
    QFile file(File("a.snap"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    // An edited file asks for a baud rate the switch does not have.
    text.replace(BaudRate + "\tinteger:2", BaudRate + "\tinteger:99");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    file.close();
    ASSERT_FALSE(Set(sim_, {"1.3.6.1.4.1.47893.11.55.2.2.1.3.1.0", "i", "3", SysLogState, "i", "3"})
                     .contains("Error"));
    sim_.Sets().Clear();

    const Outcome restore = Live("restore", "a.snap", {"--yes"});
    EXPECT_EQ(restore.exitCode, 1);
    const QString report = restore.out.mid(restore.out.indexOf("written: "));
    EXPECT_EQ(report, "written: Basic Configuration > Device Management > Alarm Control (1 value)\n"
                      "FAILED: Basic Configuration > Agent Management > Basic Configuration: "
                      "(SNMP) Cannot create/set variable, Wrong Value!\n"
                      "not sent: Basic Configuration > System Log > System Log State\n"
                      "stopped at the first error: 1 of 3 sets written\n")
        << qPrintable(restore.out);
    EXPECT_EQ(SetsReceived(), QStringList({"1.3.6.1.4.1.47893.11.55.2.2.1.3.1.0=integer:2",
                                           BaudRate + "=integer:99 wrongValue"}));
}

// A scalar the agent lacks and a cell a row lacks are listed as unreadable,
// and the rest is read: with SNMPv1, whose get fails as a whole for one
// missing scalar, each of the window's scalars is asked alone.
TEST_F(QgsnapTest, WhatCannotBeReadIsListedAsSuch)
{
    const QString topologyAlarm = "1.3.6.1.4.1.47893.11.55.2.2.1.3.2";
    QgSimProcess sparse(
        {"--static-leds", "--sparse", topologyAlarm + ":0-0", "--sparse", "1.3.6.1.2.1.31.1.1.1.18:52-52"});
    ASSERT_TRUE(sparse.Start());
    for (const char *version : {"/v1", "/v0"}) {
        const Outcome save = Qgsnap(QStringList{"save"} + Switch(&sparse, version));
        ASSERT_EQ(save.exitCode, 0) << version << qPrintable(save.err);
        QStringList alarms;
        for (const QString &line : save.out.split('\n'))
            if (line.startsWith("Basic Configuration > Device Management > Alarm Control\t") ||
                line.startsWith("Basic Configuration > IF-MIB > IfX Table\tAlias\t52\t"))
                alarms << line.section('\t', 1, 2) + " " + line.section('\t', 5);
        EXPECT_EQ(alarms, QStringList({"New Root Alarm\t integer:2", "Topology Change Alarm\t (unreadable)",
                                       "Link Change Alarm\t integer:2", "Alias\t52 (unreadable)"}))
            << version;
        EXPECT_TRUE(save.out.contains("\tAlias\t52\t(unreadable: no value in this row)\t")) << version;
    }
}

TEST_F(QgsnapTest, ASwitchThatDoesNotAnswerIsNamedAndNoFileIsWritten)
{
    ASSERT_EQ(sim_.Stop(), 0);
    const Outcome save = Qgsnap(QStringList{"save", "-o", File("none.snap")} + Switch());
    EXPECT_EQ(save.exitCode, 2);
    EXPECT_TRUE(save.err.startsWith(QString("qgsnap: no answer from 127.0.0.1:%1: ").arg(sim_.Port())))
        << qPrintable(save.err);
    EXPECT_FALSE(QFile::exists(File("none.snap")));
}

} // namespace
