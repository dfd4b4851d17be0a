#include "KtMenuCatalogue.h"
#include "KtCatalogueListing.h"
#include "KtCatalogueOptions.h"
#include "KtMainWindowTables.h"
#include "KtOid.h"
#include "KtOptionList.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

struct Entry
{
    QString Path;
    const KtMenuItem *Item;
};

void Collect(const KtMenuItem *items, const QString &parent, std::vector<Entry> &out)
{
    for (const KtMenuItem *item = items; item->Caption; ++item) {
        const QString path = parent.isEmpty() ? QString(item->Caption) : parent + " > " + item->Caption;
        out.push_back({path, item});
        if (item->Children)
            Collect(item->Children, path, out);
    }
}

std::vector<Entry> AllItems()
{
    std::vector<Entry> all;
    Collect(MainMenu1, QString(), all);
    Collect(PortInfoPopupMenu, "PortInfoPopupMenu", all);
    return all;
}

// Every descriptor table of the program with the list it is loaded into.
struct Table
{
    QString Where;
    const KtSNMPVarDef *Vars;
    KtListKind Kind;
    int IndexCount;
};

std::vector<Table> AllTables()
{
    std::vector<Table> tables;
    for (const Entry &entry : AllItems())
        if (entry.Item->OpensGenericWindow())
            tables.push_back({entry.Path, entry.Item->Vars, entry.Item->Kind, entry.Item->IndexCount});
    for (const KtBindingTable *table = MainWindowTables; table->Binding; ++table)
        tables.push_back({table->Binding, table->Vars, table->Kind, table->IndexCount});
    return tables;
}

} // namespace

TEST(MenuCatalogue, TopLevelMenusInOrder)
{
    const std::pair<const char *, const char *> expected[] = {
        {"Basic Configuration", "Configuration1"},
        {"RMON", "Menu_RMON"},
        {"Bridge", "Bridge1"},
        {"VLAN", "VLAN1"},
        {"SNMP V3", "VACM1"},
        {"Security Management", "SecurityManagement1"},
        {"Layer 2 Management", "Layer2Management2"},
        {"Layer 3 Management", "Layer3Management1"},
        {"Single IP", "SingleIP1"},
        {"Help", "Help1"},
    };
    ASSERT_EQ(KtMenuCount(MainMenu1), int(std::size(expected)));
    for (int i = 0; i < KtMenuCount(MainMenu1); ++i) {
        EXPECT_STREQ(MainMenu1[i].Caption, expected[i].first);
        EXPECT_STREQ(MainMenu1[i].Name, expected[i].second);
        EXPECT_EQ(MainMenu1[i].Action, KtMenuAction::Submenu);
        EXPECT_FALSE(MainMenu1[i].Hidden);
    }
}

TEST(MenuCatalogue, EveryItemIsCompleteForItsAction)
{
    for (const Entry &entry : AllItems()) {
        SCOPED_TRACE(entry.Path.toStdString());
        const KtMenuItem &item = *entry.Item;
        ASSERT_NE(item.Name, nullptr);
        EXPECT_EQ(item.Action == KtMenuAction::Submenu, item.Children != nullptr);
        EXPECT_EQ(item.OpensGenericWindow(), item.Vars != nullptr);
        EXPECT_EQ(item.Action == KtMenuAction::Dedicated, item.ClassName != nullptr);
        EXPECT_EQ(item.Action == KtMenuAction::Viewer || item.Action == KtMenuAction::Builtin,
                  item.Argument != nullptr);
        EXPECT_EQ(item.Action == KtMenuAction::Separator, QString(item.Caption) == "-");
        switch (item.Action) {
        case KtMenuAction::Submenu:
            EXPECT_GT(KtMenuCount(item.Children), 0);
            break;
        case KtMenuAction::Editor:
            EXPECT_TRUE(item.Kind == ListScalars || item.Kind == ListRow);
            EXPECT_EQ(item.IndexCount, 0);
            EXPECT_EQ(item.AddIndex, -1);
            break;
        case KtMenuAction::List:
            EXPECT_TRUE(item.Kind == ListTable || item.Kind == ListTableEx);
            EXPECT_GE(item.IndexCount, 1);
            break;
        case KtMenuAction::Dedicated:
            EXPECT_TRUE(QRegularExpression("^T\\w+$").match(item.ClassName).hasMatch());
            break;
        case KtMenuAction::Viewer:
            // "/T" + tool + "_" + view
            EXPECT_TRUE(QRegularExpression("^/T[A-Za-z0-9]+_\\w+$").match(item.Argument).hasMatch());
            break;
        case KtMenuAction::Builtin:
            EXPECT_TRUE(QString(item.Argument) == BuiltinRefreshPanel ||
                        QString(item.Argument) == BuiltinHelp);
            break;
        case KtMenuAction::None:
        case KtMenuAction::Separator:
            break;
        }
        if (item.OpensGenericWindow())
            EXPECT_FALSE(QString(item.Window).isEmpty());
        else
            EXPECT_TRUE(item.Action == KtMenuAction::Dedicated || item.Window == nullptr);
    }
}

TEST(MenuCatalogue, ComponentNamesAreUnique)
{
    QSet<QString> seen;
    for (const Entry &entry : AllItems()) {
        const QString name = entry.Item->Name;
        if (name.isEmpty())
            continue;
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        seen.insert(name);
    }
}

TEST(MenuCatalogue, DescriptorRowsAreWellFormed)
{
    const QSet<int> syntaxes = {SyntaxInteger,   SyntaxBits,       SyntaxOctets,       SyntaxOid,
                                SyntaxIpAddress, SyntaxCounter32,  SyntaxGauge32,      SyntaxTimeTicks,
                                SyntaxCounter64, SyntaxMacAddress, SyntaxDisplayString};
    const QSet<int> accesses = {AccessIndex, AccessRead, AccessReadWrite, AccessImpliedIndex};
    for (const Table &table : AllTables()) {
        SCOPED_TRACE(table.Where.toStdString());
        const int rows = KtRowCount(table.Vars);
        ASSERT_GT(rows, 0);
        EXPECT_LE(table.IndexCount, rows);
        EXPECT_EQ(table.Vars[rows].Name, nullptr); // the terminator is all zero
        EXPECT_EQ(table.Vars[rows].Options, nullptr);
        QSet<QString> oids;
        for (int i = 0; i < rows; ++i) {
            const KtSNMPVarDef &row = table.Vars[i];
            SCOPED_TRACE(row.Oid);
            bool ok = false;
            const KtOid oid = KtOid::FromText(QString(row.Oid), &ok);
            EXPECT_TRUE(ok);
            EXPECT_EQ(oid.ToText(), QString(row.Oid)); // no blanks, no leading "."
            EXPECT_GE(oid.Size(), 7);
            EXPECT_TRUE(row.Oid[0] == '1');
            EXPECT_FALSE(oids.contains(row.Oid));
            oids.insert(row.Oid);
            ASSERT_NE(row.Name, nullptr);
            EXPECT_FALSE(QString(row.Name).trimmed().isEmpty());
            EXPECT_TRUE(syntaxes.contains(row.Syntax));
            EXPECT_TRUE(accesses.contains(row.Access));
            // Only table lists have index variables; an IMPLIED one is the last, of a string type.
            if (table.Kind == ListScalars || table.Kind == ListRow) {
                EXPECT_EQ(row.Access & AccessIndex, 0);
            }
            if (row.Access & AccessImplied) {
                EXPECT_EQ(i, table.IndexCount - 1);
                EXPECT_TRUE(row.Syntax == SyntaxOctets || row.Syntax == SyntaxOid ||
                            row.Syntax == SyntaxDisplayString);
            }
            if (row.Options) {
                EXPECT_GT(row.Options->Count(), 0);
                // The text lists hold the SNMPv3 protocol OIDs.
                EXPECT_EQ(row.Options->Kind() == OptionText, row.Syntax == SyntaxOid);
            }
            EXPECT_EQ(row.ReadFormula, nullptr);
            EXPECT_EQ(row.WriteFormula, nullptr);
        }
    }
}

TEST(MenuCatalogue, RowCreationValuesAreNamesOfTheirColumn)
{
    int windows = 0;
    for (const Entry &entry : AllItems()) {
        const KtMenuItem &item = *entry.Item;
        SCOPED_TRACE(entry.Path.toStdString());
        EXPECT_EQ(item.AddIndex == -1, item.AddValue == nullptr);
        EXPECT_EQ(item.DeleteIndex == -1, item.DeleteValue == nullptr);
        if (item.AddIndex == -1)
            continue;
        ++windows;
        ASSERT_EQ(item.Action, KtMenuAction::List);
        ASSERT_LT(item.AddIndex, KtRowCount(item.Vars));
        ASSERT_LT(item.DeleteIndex, KtRowCount(item.Vars));
        const KtSNMPVarDef &add = item.Vars[item.AddIndex];
        const KtSNMPVarDef &del = item.Vars[item.DeleteIndex];
        EXPECT_EQ(add.Access, AccessReadWrite);
        ASSERT_NE(add.Options, nullptr);
        ASSERT_NE(del.Options, nullptr);
        EXPECT_GE(add.Options->IndexOfName(item.AddValue), 0);
        EXPECT_GE(del.Options->IndexOfName(item.DeleteValue), 0);
    }
    EXPECT_GT(windows, 0);
}

TEST(MenuCatalogue, HooksSitOnTheirItems)
{
    const std::map<QString, unsigned> expected = {
        {"Basic Configuration > IF-MIB > IfX Table", HookSnmpV2cWhileOpen},
        {"RMON > RMON Control", HookRefreshRmonOnClose},
        {"RMON > Statistics", HookEnabledByRmonState},
        {"RMON > History", HookEnabledByRmonState},
        {"RMON > Alarm/Event", HookEnabledByRmonState},
        {"Bridge", HookReadStpVersionOnOpen},
        {"Bridge > Spanning Tree > STP Control ", HookReadStpVersionFirst},
        {"Bridge > Spanning Tree > Configuration Identification", HookShownWhenMstp},
        {"Bridge > Spanning Tree > Instance Information", HookShownWhenMstp},
        {"Bridge > Spanning Tree > Port State Information", HookShownWhenMstp},
        {"Bridge > Spanning Tree > Port MSTP Information", HookShownWhenMstp},
        {"Bridge > Spanning Tree > STP Port Table", HookReadStpVersionFirst | HookShownUnlessMstp},
        {"SNMP V3", HookEnabledWhenSnmpV3},
        {"Layer 2 Management > Layer2 Control", HookRefreshRmonOnClose},
        {"PortInfoPopupMenu > Port Information", HookPortInstance},
        {"PortInfoPopupMenu > Port Configuration", HookPortInstance},
    };
    std::map<QString, unsigned> actual;
    for (const Entry &entry : AllItems())
        if (entry.Item->Hooks)
            actual[entry.Path] = entry.Item->Hooks;
    EXPECT_EQ(actual, expected);
}

TEST(MenuCatalogue, RmonStateEntriesReadTheSameObjectAsTheMainWindow)
{
    // Closing "RMON Control" or "Layer2 Control" refreshes the RMON entries
    // from the main window's RMON-state variable: both windows must hold it.
    for (const Entry &entry : AllItems()) {
        if (!entry.Item->Has(HookRefreshRmonOnClose))
            continue;
        SCOPED_TRACE(entry.Path.toStdString());
        bool found = false;
        for (const KtSNMPVarDef *row = entry.Item->Vars; row->Oid; ++row)
            found = found || (QString(row->Oid) == RmonStateVars[0].Oid && row->Options == &EnableDisable);
        EXPECT_TRUE(found);
    }
}

namespace {

const KtMenuItem *ItemAt(const QString &path)
{
    for (const Entry &entry : AllItems())
        if (entry.Path == path)
            return entry.Item;
    return nullptr;
}

} // namespace

TEST(MenuCatalogue, PortWindowsAndPortManagementShowTheSameObjects)
{
    // The port buttons' windows and the "Port Management" lists are written
    // separately; they must not drift apart.
    const std::pair<const char *, const char *> pairs[] = {
        {"PortInfoPopupMenu > Port Information",
         "Layer 2 Management > Port Management > Port Information Table"},
        {"PortInfoPopupMenu > Port Configuration",
         "Layer 2 Management > Port Management > Port Control Table"},
    };
    for (const auto &[popup, menu] : pairs) {
        SCOPED_TRACE(menu);
        const KtMenuItem *a = ItemAt(popup);
        const KtMenuItem *b = ItemAt(menu);
        ASSERT_TRUE(a && b);
        EXPECT_EQ(KtVarListing(a->Vars), KtVarListing(b->Vars));
    }
    EXPECT_EQ(ItemAt("PortInfoPopupMenu > Port Information")->Vars, PortInfoVars);
}

TEST(MenuCatalogue, SharedEnumerations)
{
    struct Case
    {
        const KtOptionList *list;
        const char *listing;
    };
    const Case cases[] = {
        {&EnableDisable, "{2 \"disabled\", 3 \"enabled\"}"},
        {&EnableDisableFromOne, "{1 \"enabled\", 2 \"disabled\"}"},
        {&EnableDisableVerbs, "{2 \"disable\", 3 \"enable\"}"},
        {&OtherDisabledEnabled, "{1 \"other\", 2 \"disabled\", 3 \"enabled\"}"},
        {&RowStatus, "{1 \"active\", 2 \"notInService\", 3 \"notReady\", 4 \"createAndGo\", "
                     "5 \"createAndWait\", 6 \"destroy\"}"},
        {&StorageType, "{1 \"other\", 2 \"volatile\", 3 \"nonVolatile\", 4 \"permanent\", 5 \"readOnly\"}"},
        {&TruthValue, "{1 \"true\", 2 \"false\"}"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(KtOptionListing(c.list), c.listing);
}

TEST(MenuCatalogue, ListingMatchesTheReviewedReference)
{
    QFile file(QStringLiteral(QG_SOURCE_DIR "/tests/catalogue/qgcat.golden"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList expected = QString::fromUtf8(file.readAll()).split('\n');
    const QStringList actual = KtCatalogueListing().split('\n');
    // Line by line, so that a failure names the first line that differs.
    for (int i = 0; i < std::min(expected.size(), actual.size()); ++i)
        ASSERT_EQ(actual[i].toStdString(), expected[i].toStdString()) << "line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());
}

namespace {

TEST(MenuCatalogue, PowerStatusShowsItsLabelsOrTheNumber)
{
    const KtMenuItem *power = nullptr;
    for (const Entry &entry : AllItems())
        if (qstrcmp(entry.Item->Name, "PowerTable1") == 0)
            power = entry.Item;
    ASSERT_NE(power, nullptr);
    const KtOptionList *status = power->Vars[2].Options;
    ASSERT_NE(status, nullptr);
    EXPECT_STREQ(power->Vars[2].Name, "Power Status");
    const std::pair<const char *, const char *> cases[] = {{"0", "other"}, {"3", "working"}, {"9", "9"}};
    for (auto [value, shown] : cases)
        EXPECT_EQ(status->ValueToName(value), shown) << value;
}

} // namespace
