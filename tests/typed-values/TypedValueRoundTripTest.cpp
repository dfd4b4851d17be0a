// The round trip of typed values, for every type code a value or an index
// can have: a text typed into an edit box with no input check of its own
// (as the generic windows' rows without a format) is either refused, with a
// message that names the field, and nothing reaches the agent, or exactly
// one SET reaches it (the simulator's set log), and the value read back and
// shown has the display form of the text typed.
#include "KtException.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "QgDisplayForm.h"
#include "QgSetSteps.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"

#include <QLineEdit>
#include <QTreeWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QString Root = QStringLiteral("1.3.6.1.4.1.47893.99");

struct SyntaxCase
{
    KtSyntax Syntax;
    const char *SimType; // the type the value travels as
    QStringList Accepted;
    QStringList Refused;
};

// Valid values and their edges, other ways of writing them, and the texts
// that once sent a leading part, dropped parts or replaced characters.
const std::vector<SyntaxCase> &ValueCases()
{
    static const QStringList wholeNumberTraps = {"12abc", "1 2", "0x1F", "3.9", "5e3",
                                                 "7E",    "",    "-",    "++1", QString::fromUtf8("١٢")};
    static const std::vector<SyntaxCase> cases = {
        {SyntaxBoolean, "integer", {"true", "false", " true "}, {"yes", "1", "", "truex"}},
        {SyntaxInteger,
         "integer",
         {"12", "-5", "+7", " 42 ", "007", "-0", "2147483647", "-2147483648"},
         wholeNumberTraps + QStringList{"2147483648", "-2147483649", "99999999999999999999"}},
        {SyntaxCounter32, "gauge32", {"0", "514", "4294967295"}, {"-1", "4294967296", "514abc"}},
        {SyntaxGauge32, "gauge32", {"0", "00012", "4294967295"}, wholeNumberTraps + QStringList{"-1"}},
        {SyntaxUnsigned32, "gauge32", {"1", "4294967295"}, {"4294967296", "1e3"}},
        {SyntaxCounter64,
         "counter64",
         {"0", "00012", "18446744073709551615"},
         {"18446744073709551616", "1.5", "1e3", "-1", "12abc", ""}},
        {SyntaxTimeTicks,
         "timeticks",
         {"0:00:00.00", "1:02:03.04", "1 day 0:00:00.00", "2 days, 0:00:00.01", "3 days 1:2:3.00",
          "25:00:00.00", "497 days, 2:27:52.95"},
         {"12", "1:02:03.4", "1:60:00.00", "1:02:60.00", "1 day 24:00:00.00", "497 days, 2:27:52.96",
          "1:02:03.04x", "x1:02:03.04", ""}},
        {SyntaxOctets, "octets", {"001A2B", "1a2b3", "00 1a 2b", ""}, {"0x1F", "12G4", "zz", "0A-0B"}},
        {SyntaxBits, "octets", {"80000001", "FF"}, {"80:00", "8g"}},
        {SyntaxOpaque, "octets", {"0102"}, {"01.02"}},
        {SyntaxMacAddress,
         "octets",
         {"001A2B3C4D5E", "00 1a 2b 3c 4d 5e"},
         {"001A2B3C4D", "001A2B3C4D5E6F", "00:1A:2B:3C:4D:5E", ""}},
        {SyntaxIpAddress,
         "ipaddress",
         {"10.9.9.0", "255.255.255.0", "010.001.000.007", " 1.2.3.4 "},
         {"10.9.9.0.7", "255.255.255.0.99", "1.2.3.4.6", "1.2.3", "1.2.3.256", "1.2.3.4.", "a.b.c.d",
          "1..2.3", ""}},
        {SyntaxNsapAddress, "ipaddress", {"1.2.3.4"}, {"1.2.3.4.5", "1.2.3"}},
        {SyntaxOid,
         "oid",
         {"1.3.6.1.4.1", ".1.3.6", "1.3.4294967295"},
         {"1.3.x", "1..3", "", "1.3.6.4294967296", "1.3."}},
        {SyntaxDouble,
         "octets",
         {"1.5", "-0.25", "1e3", "3", ".5"},
         {"0x1F", "1,5", "inf", "nan", "1e400", "1.5abc"}},
        {SyntaxDateAndTime,
         "octets",
         {"2005-3-7,14:5:9.0", "2005-03-07,14:05:09.0,+8:0", "2005-3-7,14:5:9.0,-5:30",
          "2005-3-7,14:5:9.0,+0:0"},
         {"2005-3-7", "2005-13-7,14:5:9.0", "2005-3-7,14:5:9.0,+8", "2005-3-7,24:0:0.0", "2005-3-7,14:5:9.10",
          "70000-1-1,0:0:0.0"}},
        {SyntaxDateTimeValue,
         "octets",
         {"2005/03/07 02:05:09 pm", "2005/03/07 12:00:00 am", "2005-3-7 14:05:09"},
         {"2005/13/07 01:00:00 am", "45000", "yesterday", "2005/03/07 13:00:00 pm"}},
        {SyntaxDisplayString,
         "octets",
         {QString::fromUtf8("Büro"), "VLAN 10", " padded ", "", QString::fromUtf8("ÿ")},
         {QString::fromUtf8("Büro€"), QString::fromUtf8("日本"), QString::fromUtf8("a😀"),
          QStringLiteral("a") + QChar(0) + QStringLiteral("b")}},
    };
    return cases;
}

const char *const IndexKinds[] = {"integer", "ipaddress", "mac", "octets"};

QString TableEntry(const QString &indexKind)
{
    int n = 1;
    for (const char *kind : IndexKinds) {
        if (indexKind == kind)
            break;
        ++n;
    }
    return QStringLiteral("%1.2.%2.1").arg(Root).arg(n);
}

QByteArray Scenario()
{
    QByteArray text = "include single\n";
    for (const SyntaxCase &c : ValueCases())
        text += QStringLiteral("scalar %1.1.%2 tv%2 %3 rw %4\n")
                    .arg(Root)
                    .arg(int(c.Syntax))
                    .arg(c.SimType)
                    .arg(QString(c.SimType) == "octets"      ? "\"\""
                         : QString(c.SimType) == "oid"       ? "1.3"
                         : QString(c.SimType) == "ipaddress" ? "0.0.0.0"
                                                             : "0")
                    .toLatin1();
    // One table per index syntax the simulator knows, rows made by createAndGo.
    for (const char *index : IndexKinds)
        text += QStringLiteral("table %1 tv%2Entry index(%2) rowstatus(2)\n"
                               "  column 1 tv%2Index octets na\n"
                               "  column 2 tv%2Status integer rc 1\n")
                    .arg(TableEntry(index), index)
                    .toLatin1();
    return text;
}

class TypedValueRoundTrip : public QgSimSuite
{
protected:
    void SetUp() override
    {
        QgSimSuite::SetUp();
        own_ = std::make_unique<QgSimProcess>(QStringList{"--static-leds"}, Scenario());
        ASSERT_TRUE(own_->Start()) << own_->StandardError().toStdString();
        PointEngineAt(own_->Port());
    }

    // Writes `typed` through an edit box bound as the generic rows bind;
    // the message of a refusal, or an empty text when it was written.
    QString Write(KtSNMPRequest2Edits &binding, QLineEdit &box, const QString &typed)
    {
        box.setText(typed);
        try {
            binding.Set(false, true);
        } catch (const KtValueError &refused) {
            return refused.Message;
        } catch (const KtException &failed) {
            ADD_FAILURE() << "the agent refused: " << failed.Message.toStdString();
        }
        return {};
    }

    std::vector<QgSetPdu> LoggedSets() { return TakeSets(*own_); }
};

// Every case of every type code: refused with a message naming the field
// and nothing sent, or one binding sent and the value read back shown in
// the text's display form.
TEST_F(TypedValueRoundTrip, EveryTypedValueIsRefusedOrReadsBackAsTyped)
{
    int syntaxes = 0;
    int texts = 0;
    for (const SyntaxCase &c : ValueCases()) {
        const QString name = QStringLiteral("tv%1").arg(int(c.Syntax));
        const QByteArray oid = (Root + QStringLiteral(".1.%1").arg(int(c.Syntax))).toLatin1();
        const KtSNMPVarDef vars[] = {{oid.constData(), "", c.Syntax, AccessReadWrite}, {}};
        QWidget window;
        QLineEdit box(&window);
        KtSNMPRequest2Edits binding(&window);
        binding.Asynchronous = false;
        binding.Request.Vars = KtSNMPVarList(vars, ListScalars);
        binding.Request.Vars.Get(0).Name = name;
        binding.BindEdit(0, QStringLiteral("%s"), {&box});
        ++syntaxes;
        for (const QString &typed : c.Accepted) {
            SCOPED_TRACE(QStringLiteral("%1 accepts '%2'").arg(name, typed).toStdString());
            ++texts;
            EXPECT_EQ(Write(binding, box, typed), QString());
            const std::vector<QgSetPdu> pdus = LoggedSets();
            ASSERT_EQ(pdus.size(), 1u);
            ASSERT_EQ(pdus[0].Bindings.size(), 1u);
            EXPECT_EQ(pdus[0].Bindings[0].Oid, oid + ".0");
            EXPECT_EQ(pdus[0].Bindings[0].Type, c.SimType);
            EXPECT_EQ(pdus[0].Error, "noError");
            box.clear();
            binding.Get();
            EXPECT_EQ(QgDisplayForm::Of(c.Syntax, box.text()), QgDisplayForm::Of(c.Syntax, typed))
                << "shown: " << box.text().toStdString();
            EXPECT_FALSE(QgDisplayForm::Of(c.Syntax, typed).isEmpty() && !typed.trimmed().isEmpty());
        }
        for (const QString &typed : c.Refused) {
            SCOPED_TRACE(QStringLiteral("%1 refuses '%2'").arg(name, typed).toStdString());
            ++texts;
            const QString message = Write(binding, box, typed);
            EXPECT_TRUE(message.startsWith(name + ": ")) << message.toStdString();
            EXPECT_TRUE(LoggedSets().empty());
        }
    }
    std::printf("round trip: %d type codes, %d typed texts\n", syntaxes, texts);
}

struct IndexCase
{
    const char *SimIndex;
    KtSyntax Syntax;
    QStringList Accepted;
    QStringList Refused;
};

// The index encoders: the row a SET addresses is the one typed, whole.
TEST_F(TypedValueRoundTrip, EveryTypedIndexAddressesTheRowTypedOrNothing)
{
    const IndexCase cases[] = {
        {"integer", SyntaxInteger, {"7", "+8", "0009"}, {"7abc", "7.5", "0x7", ""}},
        {"integer", SyntaxGauge32, {"10"}, {"-1", "10 0"}},
        {"ipaddress",
         SyntaxIpAddress,
         {"10.9.9.0", "010.001.000.009"},
         {"10.9.9.0.7", "1.2.3.4.6", "1.2.3", "1.2.3.300", ""}},
        {"mac",
         SyntaxMacAddress,
         {"001A2B3C4D5E", "00 1a 2b 3c 4d 5f"},
         {"001A2B3C4D", "001A2B3C4D5E66", "zz"}},
        {"octets", SyntaxDisplayString, {"abc", QString::fromUtf8("Büro")}, {QString::fromUtf8("Büro€")}},
        {"octets", SyntaxOctets, {"0A0B0C"}, {"0A0B0G"}},
    };
    for (const IndexCase &c : cases) {
        const QByteArray entry = TableEntry(c.SimIndex).toLatin1();
        const QByteArray statusOid = entry + ".2";
        const QByteArray indexOid = entry + ".1";
        const KtSNMPVarDef vars[] = {{indexOid.constData(), "Row", c.Syntax, AccessIndex},
                                     {statusOid.constData(), "Status", SyntaxInteger, AccessReadWrite},
                                     {}};
        QWidget window;
        QLineEdit indexBox(&window);
        QLineEdit statusBox(&window);
        QTreeWidget list(&window);
        KtSNMPRequest2Edits binding(&window);
        binding.Asynchronous = false;
        binding.Request.Vars = KtSNMPVarList(vars, ListTable, 1);
        binding.AttachListView(&list, false);
        binding.BindEdit(0, QStringLiteral("%s"), {&indexBox});
        binding.BindEdit(1, QStringLiteral("%s"), {&statusBox});
        for (const QString &typed : c.Accepted) {
            SCOPED_TRACE(QStringLiteral("%1 index accepts '%2'").arg(c.SimIndex, typed).toStdString());
            statusBox.setText("4"); // createAndGo
            EXPECT_EQ(Write(binding, indexBox, typed), QString());
            const std::vector<QgSetPdu> pdus = LoggedSets();
            ASSERT_EQ(pdus.size(), 1u);
            EXPECT_EQ(pdus[0].Error, "noError");
            binding.Get();
            std::set<QString> rows;
            for (int i = 0; i < list.topLevelItemCount(); ++i)
                rows.insert(QgDisplayForm::Of(c.Syntax, list.topLevelItem(i)->text(0)));
            EXPECT_EQ(rows, std::set<QString>{QgDisplayForm::Of(c.Syntax, typed)});
            // The row goes again, addressed by the text read back.
            list.clearSelection();
            statusBox.setText("6");
            EXPECT_EQ(Write(binding, indexBox, list.topLevelItem(0)->text(0)), QString());
            LoggedSets();
        }
        for (const QString &typed : c.Refused) {
            SCOPED_TRACE(QStringLiteral("%1 index refuses '%2'").arg(c.SimIndex, typed).toStdString());
            statusBox.setText("4");
            const QString message = Write(binding, indexBox, typed);
            EXPECT_TRUE(message.startsWith("Row: ")) << message.toStdString();
            EXPECT_TRUE(LoggedSets().empty());
        }
    }
}

} // namespace
