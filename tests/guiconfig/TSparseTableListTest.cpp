// A list window on tables that lack cells: every value in its own row, the
// missing cells empty, and a write of a row only of the cells it has.
#include "KtSNMPRequest2Edits.h"
#include "ListWindow.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "TConfigForm.h"
#include "TListViewPanel.h"
#include "TSNMPListViewPanel.h"

#include <QTreeWidget>

using namespace guiconfig_test;

namespace {

const KtSNMPVarDef kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.4", "ifMtu", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.2.2.1.5", "ifSpeed", SyntaxGauge32, AccessRead},
    {},
};

// The "STP Port Table" window's table.
const KtSNMPVarDef kStpPorts[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.2.15.1.4", "State", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.5", "Path Cost", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.6", "Designated Root", SyntaxDisplayString, AccessRead},
    {},
};

using Rows = std::vector<QStringList>;

class SparseTableListTest : public QgSimSuite
{
};

TEST_F(SparseTableListTest, MissingCellsAreEmptyAndEveryValueStaysInItsRow)
{
    struct Case
    {
        const char *name;
        const KtSNMPVarDef *vars;
        int column; // the column the agent lacks in the second to fourth row
    };
    const Case cases[] = {{"interfaces", kIfTable, 2}, {"STP ports", kStpPorts, 4}};
    std::vector<Rows> fulls;
    for (const Case &c : cases)
        fulls.push_back(ListWindow(c.vars).Cells());
    for (size_t at = 0; at < std::size(cases); ++at) {
        const Case &c = cases[at];
        const Rows &full = fulls[at];
        ASSERT_GE(full.size(), 3u) << c.name;
        const QString oid = QString::fromLatin1(c.vars[c.column].Oid);
        const QString gap = oid + ":" + full[1][0] + "-" + full[std::min<size_t>(3, full.size() - 1)][0];
        StartOwnSim({"--static-leds", "--sparse", gap});
        ListWindow window(c.vars);
        Rows expected = full;
        for (size_t row = 1; row <= std::min<size_t>(3, full.size() - 1); ++row)
            expected[row][c.column].clear();
        EXPECT_EQ(window.Cells(), expected) << c.name;
    }
}

TEST_F(SparseTableListTest, WritingARowSendsOnlyTheCellsItHas)
{
    const Rows full = ListWindow(kStpPorts).Cells();
    ASSERT_GE(full.size(), 2u);
    const QString port = full[1][0];
    StartOwnSim({"--static-leds", "--sparse", "1.3.6.1.2.1.17.2.15.1.5:" + port});
    ListWindow window(kStpPorts);
    window.List()->setCurrentItem(window.List()->topLevelItem(1));
    ASSERT_TRUE(window.List()->topLevelItem(1)->text(4).isEmpty());
    KtSNMPRequest2Edits *binding = window.Binding();
    binding->Asynchronous = false;
    binding->Set(false, true);
    ASSERT_TRUE(own_->WaitForSets());
    const std::vector<QgSetPdu> sets = own_->Sets().Read();
    ASSERT_EQ(sets.size(), 1u);
    QStringList oids;
    for (const QgSetBinding &written : sets[0].Bindings)
        oids << written.Oid;
    EXPECT_EQ(oids, (QStringList{"1.3.6.1.2.1.17.2.15.1.2." + port, "1.3.6.1.2.1.17.2.15.1.4." + port}));
}

} // namespace
