#include "KtSNMPVarList.h"
#include "FdbTable.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

constexpr KtSNMPVarDef EmptyTable[] = {{}};

// One row per access combination the predicates tell apart.
constexpr KtSNMPVarDef AccessTable[] = {
    {"1.1", "index", SyntaxInteger, AccessIndex},
    {"1.2", "read", SyntaxInteger, AccessRead},
    {"1.3", "write only", SyntaxInteger, AccessWrite},
    {"1.4", "read write", SyntaxInteger, AccessReadWrite},
    {"1.5", "implied index", SyntaxDisplayString, AccessImpliedIndex},
    {"1.6", "none", SyntaxInteger, 0},
    {"1.7", "skipped", SyntaxInteger, AccessReadWrite | AccessSkip},
    {"1.8", "hidden", SyntaxInteger, AccessRead | AccessHide},
    {"1.9", "shown", SyntaxInteger, AccessShow},
    {},
};

} // namespace

TEST(KtSNMPVarList, AppendCopiesRowsInOrder)
{
    KtSNMPVarList list(EmptyTable, ListTable, 2);
    EXPECT_EQ(list.Count(), 0);
    list.Append(Dot1qTpFdbTable);
    list.Append(EmptyTable);
    ASSERT_EQ(list.Count(), 4);
    list.Append(Dot1qTpFdbTable);
    ASSERT_EQ(list.Count(), 8);

    const KtSNMPVar &status = list.Get(3);
    EXPECT_EQ(status.Oid, "1.3.6.1.2.1.17.7.1.2.2.1.3");
    EXPECT_EQ(status.Name, "Status");
    EXPECT_EQ(status.Syntax, SyntaxInteger);
    EXPECT_EQ(status.Access, AccessRead);
    EXPECT_EQ(status.Options, &FdbStatus);
    EXPECT_TRUE(status.ReadFormula.isNull());
    EXPECT_TRUE(status.Tag.isNull());
    EXPECT_TRUE(status.Value.isEmpty());
    EXPECT_EQ(list.Get(7).Name, "Status");
}

TEST(KtSNMPVarList, RowsWithInitialTextsAndFormulas)
{
    constexpr KtSNMPVarDef table[] = {
        {"1.2", "Rate", SyntaxInteger, AccessRead, nullptr, "$0/100", "$0*100", "tag", "7", "1.2.5"}, {}};
    const KtSNMPVarList list(table);
    const KtSNMPVar &var = list.Get(0);
    EXPECT_EQ(var.ReadFormula, "$0/100");
    EXPECT_EQ(var.WriteFormula, "$0*100");
    EXPECT_EQ(var.Tag, "tag");
    EXPECT_EQ(var.Value, "7");
    EXPECT_EQ(var.CurrentOid, "1.2.5");
}

TEST(KtSNMPVarList, AssignmentKeepsInstanceAndOwnedOptions)
{
    KtSNMPVarList row(AccessTable, ListRow);
    row.Instance = "3";
    row.AdoptOptions(std::make_unique<KtOptionList>(FdbStatusPairs));

    KtSNMPVarList loaded(Dot1qTpFdbTable, ListTable, 2);
    loaded.Caption = "Fdb";
    loaded.Instance = "9";
    loaded.Get(2).Value = "17";
    row = loaded;

    EXPECT_EQ(row.Instance, "3"); // still addresses row 3
    EXPECT_EQ(row.OwnedOptions.size(), 1u);
    EXPECT_EQ(row.Kind, ListTable);
    EXPECT_EQ(row.IndexCount, 2);
    EXPECT_EQ(row.Caption, "Fdb");
    ASSERT_EQ(row.Count(), 4);
    EXPECT_EQ(row.Get(2).Value, "17");

    row.Get(2).Value = "18"; // a deep copy
    EXPECT_EQ(loaded.Get(2).Value, "17");

    row = row; // self-assignment keeps the items
    EXPECT_EQ(row.Count(), 4);
}

TEST(KtSNMPVarList, CopyStartsWithEmptyInstance)
{
    KtSNMPVarList source(Dot1qTpFdbTable, ListTable, 2);
    source.Instance = "5";
    source.Caption = "Fdb";
    source.AdoptOptions(std::make_unique<KtOptionList>(FdbStatusPairs));
    const KtSNMPVarList copy(source);
    EXPECT_TRUE(copy.Instance.isEmpty());
    EXPECT_TRUE(copy.OwnedOptions.empty());
    EXPECT_EQ(copy.Caption, "Fdb");
    EXPECT_EQ(copy.Count(), 4);
}

TEST(KtSNMPVarList, PredicatesFollowTheAccessBits)
{
    const KtSNMPVarList list(AccessTable, ListTable, 1);
    struct Case
    {
        int i;
        bool readable, writable, visible, hidden, implied;
    };
    const Case cases[] = {
        {0, false, true, true, false, false},   // index of a table list counts as writable
        {1, true, false, true, false, false},   //
        {2, false, true, false, true, false},   // write-only: hidden in a list view, sent by a write
        {3, true, true, true, false, false},    //
        {4, false, false, true, false, true},   // IMPLIED index: not requested
        {5, false, false, false, false, false}, // neither hidden nor visible
        {6, false, false, false, true, false},  //
        {7, true, false, false, true, false},   //
        {8, false, false, true, false, false},  //
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(list.Get(c.i).Name.toStdString());
        EXPECT_EQ(list.IsReadable(c.i), c.readable);
        EXPECT_EQ(list.IsWritable(c.i), c.writable);
        EXPECT_EQ(list.IsVisibleColumn(c.i), c.visible);
        EXPECT_EQ(list.IsHiddenColumn(c.i), c.hidden);
        EXPECT_EQ(list.IsImplied(c.i), c.implied);
    }
    EXPECT_EQ(list.VisibleCount(), 5);
    EXPECT_EQ(list.HiddenCount(), 3);
}

TEST(KtSNMPVarList, IndexWritableOnlyInTableKinds)
{
    constexpr KtSNMPVarDef table[] = {{"1.1", "a", SyntaxInteger, AccessRead}, {}};
    for (KtListKind kind : {ListScalars, ListRow, ListTable, ListTableEx}) {
        const KtSNMPVarList list(table, kind, 1);
        EXPECT_EQ(list.IsWritable(0), kind == ListTable || kind == ListTableEx) << int(kind);
    }
}
