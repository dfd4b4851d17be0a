#include "KtSnapshot.h"
#include "KtRawValue.h"
#include "KtSnapshotDiff.h"
#include "KtSnapshotReader.h"
#include "KtSnapshotRestore.h"
#include "KtSnapshotWindow.h"

#include "KtMenuCatalogue.h"
#include "QtPrinters.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using State = KtSnapshotEntry::State;

const QString LogState = "Basic Configuration > System Log > System Log State";
const QString LogServers = "Basic Configuration > System Log > System Log Server Table";
const QString LogStateOid = "1.3.6.1.4.1.47893.12.12.1.0";
const QString ServerColumn = "1.3.6.1.4.1.47893.12.12.2.1.";

KtSnapshotEntry Value(const QString &window, const QString &variable, const QString &index,
                      const QString &oid, const QString &raw, const QString &text = "shown")
{
    return {window, variable, index, text, oid, raw};
}

KtSnapshotEntry WithState(KtSnapshotEntry entry, State state)
{
    entry.Status = state;
    if (state != State::Value)
        entry.Raw.clear();
    return entry;
}

TEST(KtRawValueTest, EveryTypeReadsBackAsItWasWritten)
{
    KtVb vb;
    const auto roundTrip = [](const KtVb &value) {
        const auto text = KtRawValue::Text(value);
        EXPECT_TRUE(text);
        const auto back = KtRawValue::Parse(*text);
        EXPECT_TRUE(back) << qPrintable(*text);
        return back ? *back == value : false;
    };
    vb.SetInteger(-2147483647 - 1);
    EXPECT_TRUE(roundTrip(vb));
    EXPECT_EQ(*KtRawValue::Text(vb), "integer:-2147483648");
    vb.SetUnsigned(KtVbType::TimeTicks, 4294967295u);
    EXPECT_TRUE(roundTrip(vb));
    vb.SetUnsigned(KtVbType::Counter32, 7);
    EXPECT_TRUE(roundTrip(vb));
    vb.SetUnsigned(KtVbType::Gauge32, 0);
    EXPECT_TRUE(roundTrip(vb));
    vb.SetCounter64(18446744073709551615ull);
    EXPECT_TRUE(roundTrip(vb));
    vb.SetOctets(QByteArray("\x00\t\n\xff", 4));
    EXPECT_TRUE(roundTrip(vb));
    EXPECT_EQ(*KtRawValue::Text(vb), "octets:00090AFF");
    vb.SetOctets({}, KtVbType::Opaque);
    EXPECT_TRUE(roundTrip(vb));
    vb.SetIpAddress(QByteArray("\x0a\x00\x00\xff", 4));
    EXPECT_TRUE(roundTrip(vb));
    EXPECT_EQ(*KtRawValue::Text(vb), "ipaddress:10.0.0.255");
    vb.SetObjectId(KtOid{1, 3, 6, 1, 4294967295u});
    EXPECT_TRUE(roundTrip(vb));
    vb.SetNull();
    EXPECT_TRUE(roundTrip(vb));
    vb.SetNoValue(KtVbType::NoSuchInstance);
    EXPECT_FALSE(KtRawValue::Text(vb)) << "an exception is no value to write back";
}

TEST(KtRawValueTest, OnlyExactRawFormsAreRead)
{
    for (const char *text : {"",
                             "integer",
                             "integer:",
                             "integer:+1",
                             "integer: 1",
                             "integer:2147483648",
                             "integer:-2147483649",
                             "integer:1x",
                             "gauge32:-1",
                             "gauge32:4294967296",
                             "counter64:18446744073709551616",
                             "octets:0a",
                             "octets:ABC",
                             "octets:0 A",
                             "ipaddress:1.2.3",
                             "ipaddress:256.0.0.1",
                             "ipaddress:1.2.3.4.5",
                             "oid:",
                             "oid:.1.3",
                             "oid:1..3",
                             "null:0",
                             "INTEGER:1",
                             "string:abc"})
        EXPECT_FALSE(KtRawValue::Parse(QString(text))) << qPrintable(text);
}

TEST(KtSnapshotTest, TextReadsBackWithEveryKindOfFieldAndState)
{
    KtSnapshot snapshot;
    snapshot.Address = "127.0.0.1:161";
    snapshot.SysDescr = "line one\nline\ttwo \\ three";
    snapshot.SysObjectId = "1.3.6.1.4.1.47893.11.55";
    snapshot.Time = "2026-12-11T09:00:00Z";
    snapshot.Program = "qgsnap 3.01";
    snapshot.Entries = {
        Value(LogState, "swSysLogCtrlState", "", LogStateOid, "integer:3", "enabled"),
        Value(LogServers, "Name\twith tab", "first, 1", ServerColumn + "2.1", "octets:0A5C", "\n\\"),
        WithState(Value("SNMP V3 > Community > Community String Table", "Name", "public",
                        "1.3.6.1.6.3.18.1.1.1.2.112", ""),
                  State::Masked),
        WithState(Value(LogServers, "swSysLogServerFacility", "", ServerColumn + "2", "", "noSuchObject"),
                  State::Unreadable),
    };
    const QString text = snapshot.ToText();
    EXPECT_EQ(text.count('\n'), 8 + 4) << "eight header lines, then one line per value:\n"
                                       << qPrintable(text);

    KtSnapshot read;
    QString error;
    ASSERT_TRUE(read.FromText(text, &error)) << qPrintable(error);
    EXPECT_EQ(read.ToText(), text);
    EXPECT_EQ(read.SysDescr, snapshot.SysDescr);
    ASSERT_EQ(read.Entries.size(), 4u);
    EXPECT_EQ(read.Entries[1].Variable, "Name\twith tab");
    EXPECT_EQ(read.Entries[1].Text, "\n\\");
    EXPECT_EQ(read.Entries[2].Status, State::Masked);
    EXPECT_TRUE(read.Entries[2].Raw.isEmpty());
    EXPECT_EQ(read.Entries[3].Status, State::Unreadable);
    EXPECT_EQ(read.Entries[3].Text, "noSuchObject");
}

TEST(KtSnapshotTest, AnyOtherTextIsRefusedWithItsLine)
{
    const QString head = KtSnapshot::Magic + "\n";
    const struct
    {
        QString text;
        const char *error;
    } cases[] = {
        {"", "line 1: not a qgsnap snapshot"},
        {"# address: x\n", "line 1: not a qgsnap snapshot"},
        {head + "# colour: blue\n", "line 2: unknown header line"},
        {head + "a\tb\tc\td\te\n", "line 2: 5 fields instead of 6"},
        {head + "a\tb\tc\td\\x\te\tinteger:1\n", "line 2: a backslash"},
        {head + "\tb\tc\td\te\tinteger:1\n", "line 2: no window or no OID"},
        {head + "# time: now\na\tb\tc\td\te\tinteger:1x\n", "line 3: \"integer:1x\" is no raw value"},
    };
    for (const auto &bad : cases) {
        KtSnapshot snapshot;
        QString error;
        EXPECT_FALSE(snapshot.FromText(bad.text, &error)) << qPrintable(bad.text);
        EXPECT_TRUE(error.startsWith(bad.error)) << qPrintable(error);
    }
}

TEST(KtSnapshotDiffTest, GroupsByWindowChangedOnlyInAOnlyInB)
{
    KtSnapshot a;
    KtSnapshot b;
    const QString clock = "Basic Configuration > Time Management > Current Time";
    a.Entries = {
        Value(LogState, "swSysLogCtrlState", "", LogStateOid, "integer:2", "disabled"),
        Value(LogServers, "swSysLogServerUDPPort", "first", ServerColumn + "4.1", "integer:514", "514"),
        Value(LogServers, "swSysLogServerUDPPort", "second", ServerColumn + "4.2", "integer:514", "514"),
        WithState(Value("W", "Key", "", "1.2.0", ""), State::Masked),
        Value(clock, "Current Clock", "", "1.3.6.1.4.1.47893.12.10.2.0", "octets:31"),
        Value("W", "Lost", "", "1.3.0", "integer:1"),
    };
    b.Entries = {
        Value(LogState, "swSysLogCtrlState", "", LogStateOid, "integer:3", "enabled"),
        Value(LogServers, "swSysLogServerUDPPort", "first", ServerColumn + "4.1", "integer:514", "514"),
        Value(LogServers, "swSysLogServerUDPPort", "third", ServerColumn + "4.3", "integer:514", "514"),
        Value("W", "Key", "", "1.2.0", "octets:41"),
        Value(clock, "Current Clock", "", "1.3.6.1.4.1.47893.12.10.2.0", "octets:32"),
        WithState(Value("W", "Lost", "", "1.3.0", "", "noSuchObject"), State::Unreadable),
    };
    const KtSnapshotDiff diff(a, b);
    ASSERT_EQ(diff.Windows().size(), 3u);
    EXPECT_EQ(diff.Windows()[0].Path, LogState);
    EXPECT_EQ(diff.Windows()[0].Changed.size(), 1u);
    EXPECT_EQ(diff.Windows()[1].OnlyInA.size(), 1u);
    EXPECT_EQ(diff.Windows()[1].OnlyInB.size(), 1u);
    EXPECT_EQ(diff.Windows()[2].Path, "W") << "the masked key and the clock are no change";
    EXPECT_EQ(diff.Windows()[2].Changed.size(), 1u);
    EXPECT_EQ(diff.ToText("a", "b"),
              QString("A: a\nB: b\n\n"
                      "== %1\n  changed:\n    swSysLogCtrlState: disabled -> enabled\n\n"
                      "== %2\n  only in A:\n    swSysLogServerUDPPort [second]: 514\n"
                      "  only in B:\n    swSysLogServerUDPPort [third]: 514\n\n"
                      "== W\n  changed:\n    Lost: shown -> (unreadable: noSuchObject)\n")
                  .arg(LogState, LogServers));
    EXPECT_TRUE(KtSnapshotDiff(a, a).IsEmpty());
    EXPECT_EQ(KtSnapshotDiff(a, a).ToText("a", "a"), "A: a\nB: a\nno differences\n");
}

class KtSnapshotRestoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        then_.Entries = {
            Value(LogState, "swSysLogCtrlState", "", LogStateOid, "integer:2", "disabled"),
            Value(LogServers, "swSysLogServerUDPPort", "first", ServerColumn + "4.1", "integer:514"),
            Value(LogServers, "swSysLogServerIPAddress", "first", ServerColumn + "5.1", "ipaddress:10.0.0.1"),
            Value(LogServers, "swSysLogServerRowStatus", "first", ServerColumn + "7.1", "integer:1",
                  "active"),
            Value(LogServers, "swSysLogServerUDPPort", "second", ServerColumn + "4.2", "integer:514"),
            WithState(Value(LogServers, "swSysLogServerFacility", "first", ServerColumn + "2.1", ""),
                      State::Unreadable),
        };
        now_.Entries = {
            Value(LogState, "swSysLogCtrlState", "", LogStateOid, "integer:3", "enabled"),
            Value(LogServers, "swSysLogServerUDPPort", "first", ServerColumn + "4.1", "integer:600"),
            Value(LogServers, "swSysLogServerIPAddress", "first", ServerColumn + "5.1", "ipaddress:10.0.0.1"),
            Value(LogServers, "swSysLogServerRowStatus", "first", ServerColumn + "7.1", "integer:2"),
            Value(LogServers, "swSysLogServerFacility", "first", ServerColumn + "2.1", "integer:1"),
            Value(LogServers, "swSysLogServerUDPPort", "third", ServerColumn + "4.3", "integer:514"),
        };
    }
    static QStringList Oids(const KtSnapshotRestore &restore)
    {
        QStringList oids;
        for (const auto &write : restore.Writes())
            for (const auto &binding : write.Bindings)
                oids << binding.Oid + " " + binding.Raw;
        return oids;
    }
    static QString Skips(const KtSnapshotRestore &restore)
    {
        QString text;
        for (const auto &skip : restore.Skipped())
            text += skip.Text + "\n";
        return text;
    }
    KtSnapshot then_;
    KtSnapshot now_;
};

TEST_F(KtSnapshotRestoreTest, WritesChangedValuesOfRowsOnBothSidesAndListsTheRest)
{
    const KtSnapshotRestore restore(then_, now_);
    EXPECT_EQ(Oids(restore), QStringList({LogStateOid + " integer:2", ServerColumn + "4.1 integer:514"}));
    ASSERT_EQ(restore.Writes().size(), 2u) << "one set per scalar window and per row";
    EXPECT_EQ(restore.Writes()[1].Index, "first");
    const QString skips = Skips(restore);
    EXPECT_TRUE(
        skips.contains("swSysLogServerRowStatus [first]: shown -> active: the row status is left out"))
        << qPrintable(skips);
    EXPECT_TRUE(skips.contains("swSysLogServerFacility [first]: unreadable in the snapshot"))
        << qPrintable(skips);
    EXPECT_TRUE(skips.contains("row [second] is not on the switch: creating rows is left out"))
        << qPrintable(skips);
    EXPECT_TRUE(skips.contains("row [third] is not in the snapshot: deleting rows is left out"))
        << qPrintable(skips);
    EXPECT_EQ(restore.Skipped().size(), 4u) << qPrintable(skips);
    EXPECT_TRUE(restore.PlanText().contains("    " + LogStateOid +
                                            " integer 2  # swSysLogCtrlState: enabled -> "
                                            "disabled\n"))
        << qPrintable(restore.PlanText());
}

TEST_F(KtSnapshotRestoreTest, AMaskedSecretOrAValueNowUnreadableIsNeverWritten)
{
    const QString community = "SNMP V3 > Community > Community String Table";
    const QString name = "1.3.6.1.6.3.18.1.1.1.2.112";
    then_.Entries = {WithState(Value(community, "Name", "p", name, ""), State::Masked),
                     Value(LogState, "swSysLogCtrlState", "", LogStateOid, "integer:2")};
    now_.Entries = {
        Value(community, "Name", "p", name, "octets:41"),
        WithState(Value(LogState, "swSysLogCtrlState", "", LogStateOid, "", "timeout"), State::Unreadable)};
    const KtSnapshotRestore restore(then_, now_);
    EXPECT_TRUE(restore.Writes().empty());
    EXPECT_EQ(Skips(restore), "swSysLogCtrlState: (unreadable: timeout) on the switch\n"
                              "1 secret, masked in the snapshot (Name): never restored\n");
    QString report;
    EXPECT_TRUE(restore.Send(&report));
    EXPECT_EQ(report, "nothing written: nothing to restore\n") << "no \"written\" for nothing sent";
}

TEST_F(KtSnapshotRestoreTest, OnlyTheChosenWindowsAndEachObjectOnce)
{
    EXPECT_EQ(Oids(KtSnapshotRestore(then_, now_, {LogServers})),
              QStringList{ServerColumn + "4.1 integer:514"});
    EXPECT_EQ(Oids(KtSnapshotRestore(then_, now_, {"Basic Configuration > System Log"})).size(), 2);
    EXPECT_TRUE(KtSnapshotRestore(then_, now_, {"Basic Configuration > System"}).Writes().empty())
        << "a path chooses whole menu captions only";
    EXPECT_TRUE(KtSnapshotReader::Selects({"VLAN > 802.1Q > 802.1Q VLAN"},
                                          "VLAN > 802.1Q > 802.1Q VLAN  > Static Table"))
        << "a caption's trailing blank need not be typed";
    EXPECT_TRUE(KtSnapshotReader::Selects({"Layer 2 Management > Traffic Segmentation Table"},
                                          "Layer 2 Management > Traffic Segmentation Table "));

    // Two windows that show the same object write it once.
    const QString rmonState = "1.3.6.1.4.1.47893.11.55.2.2.1.2.3.0";
    for (const char *window : {"RMON > RMON Control", "Layer 2 Management > Layer2 Control"}) {
        then_.Entries.push_back(Value(window, "Rmon State", "", rmonState, "integer:3"));
        now_.Entries.push_back(Value(window, "Rmon State", "", rmonState, "integer:2"));
    }
    const KtSnapshotRestore twice(then_, now_);
    EXPECT_EQ(Oids(twice).count(rmonState + " integer:3"), 1);
    EXPECT_TRUE(Skips(twice).contains("Rmon State: written for \"RMON > RMON Control\" already"))
        << qPrintable(Skips(twice));
}

// An action differs as soon as anyone used it: it is no difference and never
// written, and the restore says why.
TEST_F(KtSnapshotRestoreTest, AnActionIsNeitherComparedNorWritten)
{
    const QString basic = "Basic Configuration > Agent Management > Basic Configuration";
    const QString resetState = "1.3.6.1.4.1.47893.12.1.2.3.0";
    const QString baudRate = "1.3.6.1.4.1.47893.12.1.2.7.0";
    then_.Entries = {Value(basic, "System Reset State", "", resetState, "integer:2", "cold-start"),
                     Value(basic, "Console Port Baud Rate Config", "", baudRate, "integer:2")};
    now_.Entries = {Value(basic, "System Reset State", "", resetState, "integer:4", "no-reset"),
                    Value(basic, "Console Port Baud Rate Config", "", baudRate, "integer:2")};
    EXPECT_TRUE(KtSnapshotDiff(then_, now_).IsEmpty());
    const KtSnapshotRestore restore(then_, now_);
    EXPECT_TRUE(restore.Writes().empty());
    EXPECT_EQ(Skips(restore), "System Reset State: no-reset -> cold-start: an action, never restored\n");
}

// The actions are chosen from the catalogue's and the dedicated windows'
// objects: each is a setting of some window, named for what its write starts.
TEST(KtSnapshotWindowTest, ActionsAreSettingsThatStartSomething)
{
    const QRegularExpression actionName("reset|save|clean|ping|ctrl|status",
                                        QRegularExpression::CaseInsensitiveOption);
    int actions = 0;
    for (const KtSnapshotWindow &window : KtSnapshotWindow::All())
        for (int i = 0; window.Vars[i].Oid; ++i)
            if (window.IsSetting(i) && KtSnapshotWindow::IsAction(QString(window.Vars[i].Oid) + ".0")) {
                ++actions;
                EXPECT_TRUE(actionName.match(window.Vars[i].Name).hasMatch()) << window.Vars[i].Name;
            }
    EXPECT_EQ(actions, 6) << "each object of the list is a setting of one window";
    EXPECT_FALSE(KtSnapshotWindow::IsAction("1.3.6.1.4.1.47893.12.1.2.30.0")) << "a whole arc only";
    EXPECT_FALSE(KtSnapshotWindow::IsAction("1.3.6.1.4.1.47893.12.1.2.7.0"));
}

// The secrets are chosen from the catalogue's objects: every writable
// variable whose name speaks of a key, a password or a community string is
// one, unless it is named here as no secret; and every secret is a setting
// of some window.
TEST(KtSnapshotWindowTest, SecretsCoverTheCataloguesKeysPasswordsAndCommunities)
{
    const QRegularExpression secretName("key|password|passphrase|secret|community",
                                        QRegularExpression::CaseInsensitiveOption);
    const QStringList notSecret = {"KeyTx Enabled",
                                   "SSH Session Key Rekeying",
                                   "Public Key Authentication Administration",
                                   "Host Key Authentication Administration",
                                   "Password Authentication Administration",
                                   "swSSLCertificateKeyFilePath",
                                   "Actor Admin value Key",
                                   "Auth Key ID",
                                   "MD5 Key ID"};
    QStringList secretsSeen;
    for (const KtSnapshotWindow &window : KtSnapshotWindow::All())
        for (int i = 0; window.Vars[i].Oid; ++i) {
            if (!window.IsSetting(i))
                continue;
            const QString name = QString(window.Vars[i].Name).trimmed();
            const QString oid = window.Vars[i].Oid;
            const bool communityName = window.Path.contains("Community String") && name == "Name";
            if ((secretName.match(name).hasMatch() || communityName) && !notSecret.contains(name)) {
                EXPECT_TRUE(KtSnapshotWindow::IsSecret(oid)) << qPrintable(window.Path + " > " + name);
            }
            if (KtSnapshotWindow::IsSecret(oid))
                secretsSeen << oid;
        }
    for (const QString &oid : KtSnapshotWindow::SecretOids())
        EXPECT_TRUE(secretsSeen.contains(oid)) << qPrintable(oid) << " is no setting of any window";
}

TEST(KtSnapshotWindowTest, WindowsHoldSettingsInMenuOrder)
{
    const auto &windows = KtSnapshotWindow::All();
    ASSERT_FALSE(windows.empty());
    EXPECT_EQ(windows.front().Path, "Basic Configuration > Device Management > Alarm Control");
    EXPECT_EQ(windows.back().Path, "Port pop-up > Port Configuration");
    EXPECT_TRUE(windows.back().IsTable()) << "a port window is read over every port";
    EXPECT_FALSE(KtSnapshotWindow::Find("Basic Configuration > Device Management > Device Information"))
        << "a window with nothing to set holds no settings";
    const KtSnapshotWindow *servers = KtSnapshotWindow::Find(LogServers);
    ASSERT_TRUE(servers);
    EXPECT_EQ(servers->StatusOid(), "1.3.6.1.4.1.47893.12.12.2.1.7");
    EXPECT_FALSE(servers->IsSetting(0)) << "an index is no setting";
}

// The dedicated windows' tables with settings come under their menu paths;
// read-only tables and windows add nothing.
TEST(KtSnapshotWindowTest, DedicatedWindowsHoldTheirTablesSettings)
{
    struct Case
    {
        const char *path;
        bool table;
        const char *statusOid;
    };
    const Case cases[] = {
        {"VLAN > 802.1Q > 802.1Q Bridge > Basic Configure", false, ""},
        {"VLAN > 802.1Q > 802.1Q Bridge > Ports Information", true, ""},
        {"VLAN > 802.1Q > 802.1Q VLAN  > Static Table", true, "1.3.6.1.2.1.17.7.1.4.3.1.5"},
        {"VLAN > 802.1P > Basic Configure", false, ""}, // the traffic classes; the capabilities are read-only
        {"Layer 2 Management > Port Management > Port Trunk Table", true,
         "1.3.6.1.4.1.47893.11.55.2.2.9.3.1.7"},
        {"Security Management > TACACS+ > Server Information", true, "1.3.6.1.4.1.47893.12.5.10.1.7"},
    };
    for (const Case &c : cases) {
        const KtSnapshotWindow *window = KtSnapshotWindow::Find(c.path);
        ASSERT_TRUE(window) << c.path;
        EXPECT_EQ(window->IsTable(), c.table) << c.path;
        EXPECT_EQ(window->StatusOid(), c.statusOid) << c.path;
    }
    for (const char *readOnly :
         {"VLAN > 802.1Q > 802.1Q VLAN  > Current Table", "VLAN > 802.1P > Port Capability"})
        EXPECT_FALSE(KtSnapshotWindow::Find(readOnly)) << readOnly;
}

} // namespace
