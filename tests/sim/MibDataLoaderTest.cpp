// The data-file language of the simulator: values in every notation, and
// errors that name the line.

#include "MibDataLoader.h"

#include <gtest/gtest.h>

namespace {

const char *const Table = "table 1.3.6.1.4.1.9.1 demoEntry index(integer 1..4) rowstatus(3)\n"
                          "  column 1 demoName   octets    rc  \"none\"  {size 0..8}\n"
                          "  column 2 demoMode   integer   rc  2       {2 disabled, 3 enabled}\n"
                          "  column 3 demoStatus integer   rc  1\n"
                          "  column 4 demoMac    octets    ro  00:0a:ff:1:2:3\n"
                          "  column 5 demoMask   octets    ro  0x00*3\n"
                          "scalar 1.3.6.1.4.1.9.2 demoAddress ipaddress rw 127.0.0.1\n";

TEST(MibDataLoaderTest, ValuesDefaultsAndLabelsLoad)
{
    MibStore store;
    MibDataLoader loader(store);
    loader.load(Table, "demo");
    loader.load("row demoEntry 2 demoName=\"two words\" demoMode=enabled\n", "rows");
    auto text = [&](const char *oid) { return store.find(*Oid::parse(oid))->value.bytes(); };
    EXPECT_EQ(text("1.3.6.1.4.1.9.1.1.2"), "two words");
    EXPECT_EQ(store.find(*Oid::parse("1.3.6.1.4.1.9.1.2.2"))->value.signedNumber(), 3);
    EXPECT_EQ(text("1.3.6.1.4.1.9.1.4.2"), std::string("\x00\x0a\xff\x01\x02\x03", 6));
    EXPECT_EQ(text("1.3.6.1.4.1.9.1.5.2"), std::string(3, '\0'));
    EXPECT_EQ(text("1.3.6.1.4.1.9.2.0"), std::string("\x7f\0\0\x01", 4));
    EXPECT_EQ(store.rowIndexes(*store.schema().tableByName("demoEntry")), std::vector<Oid>{Oid{2}});
}

TEST(MibDataLoaderTest, IndexColumnsTakeTheirPartOfTheIndex)
{
    MibStore store;
    MibDataLoader loader(store);
    loader.load(
        "table 1.3.6.1.4.1.9.7 routeEntry index(ipaddress column 1, octets column 2, integer column 3) "
        "rowstatus(4)\n"
        "  column 1 routeDest   ipaddress ro\n"
        "  column 2 routeName   octets    ro\n"
        "  column 3 routeMetric integer   rc\n"
        "  column 4 routeStatus integer   rc 1\n"
        "row routeEntry 10.0.0.1.2.97.98.7\n",
        "t");
    const MibTableDef &table = *store.schema().tableByName("routeEntry");
    EXPECT_EQ(table.indexParts(Oid{10, 0, 0, 1, 2, 97, 98, 7}),
              (std::vector<Oid>{Oid{10, 0, 0, 1}, Oid{97, 98}, Oid{7}}));
    EXPECT_TRUE(table.indexParts(Oid{10, 0, 0, 1, 3, 97, 98, 7}).empty());
    auto value = [&](const char *oid) { return store.find(*Oid::parse(oid))->value; };
    EXPECT_EQ(value("1.3.6.1.4.1.9.7.1.10.0.0.1.2.97.98.7").bytes(), std::string("\x0a\0\0\x01", 4));
    EXPECT_EQ(value("1.3.6.1.4.1.9.7.2.10.0.0.1.2.97.98.7").bytes(), "ab");
    EXPECT_EQ(value("1.3.6.1.4.1.9.7.3.10.0.0.1.2.97.98.7").signedNumber(), 7);
    EXPECT_EQ(value("1.3.6.1.4.1.9.7.4.10.0.0.1.2.97.98.7").signedNumber(), 1);
}

// Rows written for any switch name the store's rows by position: the same
// line gives other indexes in another store.
TEST(MibDataLoaderTest, RowIndexesFollowTheRowsOfTheStore)
{
    const char *const Rows = "rowindex demo1 demoEntry 1\n"
                             "rowindex demo2 demoEntry 2\n"
                             "table 1.3.6.1.4.1.9.8 pairEntry index(integer column 1, integer) rowstatus(2)\n"
                             "  column 1 pairPort   integer ro\n"
                             "  column 2 pairStatus integer rc 1\n"
                             "row pairEntry $demo2.$demo1 .1=$demo2\n";
    struct Case
    {
        const char *switchRows;
        Oid index;
        std::int64_t port; // pairPort, the index's first part
    };
    const Case cases[] = {
        {"row demoEntry 3\nrow demoEntry 4\n", Oid{4, 3}, 4},
        {"row demoEntry 1\nrow demoEntry 2\nrow demoEntry 3\n", Oid{2, 1}, 2},
    };
    for (const auto &[switchRows, index, port] : cases) {
        MibStore store;
        MibDataLoader loader(store);
        loader.load(Table, "demo");
        loader.load(switchRows, "switch");
        loader.load(Rows, "rows");
        const MibTableDef &pairs = *store.schema().tableByName("pairEntry");
        EXPECT_EQ(store.rowIndexes(pairs), std::vector<Oid>{index});
        EXPECT_EQ(store.find(Oid{1, 3, 6, 1, 4, 1, 9, 8, 1} + index)->value.signedNumber(), port);
    }
}

// A per-port table follows whatever rows the switch has: one row for each
// row of the table named, its index and values in the statement, a filter
// keeping the rows that hold a value.
TEST(MibDataLoaderTest, ForeachRunsAStatementForEveryRowOfATable)
{
    MibStore store;
    MibDataLoader loader(store);
    loader.load(Table, "demo");
    loader.load("row demoEntry 1 demoMode=enabled\n"
                "row demoEntry 3\n"
                "row demoEntry 4 demoMode=enabled demoName=\"four\"\n"
                "table 1.3.6.1.4.1.9.9 portEntry index(integer, integer)\n"
                "  column 1 portMode integer ro 0\n"
                "  column 2 portName octets  ro \"\"\n"
                "  column 3 portId   octets  ro 0x0000\n"
                "foreach demoEntry row portEntry $index.0 1=$demoMode 2=$demoName 3=0x8$indexhex\n"
                "foreach demoEntry demoMode=disabled set 1.3.6.1.4.1.9.9.1.$index.0 9\n"
                "foreach demoEntry index=4 set 1.3.6.1.4.1.9.9.2.$index.0 \"last\"\n",
                "ports");
    const MibTableDef &ports = *store.schema().tableByName("portEntry");
    EXPECT_EQ(store.rowIndexes(ports), (std::vector<Oid>{Oid{1, 0}, Oid{3, 0}, Oid{4, 0}}));
    auto cell = [&](SubId column, SubId row) { return store.find(ports.entry + Oid{column, row, 0})->value; };
    EXPECT_EQ(cell(1, 1).signedNumber(), 3);
    EXPECT_EQ(cell(1, 3).signedNumber(), 9) << "the filter kept the disabled row";
    EXPECT_EQ(cell(1, 4).signedNumber(), 3);
    EXPECT_EQ(cell(2, 1).bytes(), "none");
    EXPECT_EQ(cell(2, 4).bytes(), "last");
    EXPECT_EQ(cell(3, 3).bytes(), std::string("\x80\x03", 2));

    for (const char *bad : {"foreach nosuchEntry row portEntry $index.1\n", "foreach demoEntry\n",
                            "foreach demoEntry foreach demoEntry set 1.3.6.1.4.1.9.2.0 1.2.3.4\n",
                            "foreach demoEntry demoMode=enabled row portEntry $index.0\n"})
        EXPECT_THROW(loader.load(bad, "t"), std::runtime_error) << bad;
}

TEST(MibDataLoaderTest, ErrorsNameTheSourceLine)
{
    const std::pair<const char *, const char *> cases[] = {
        {"row demoEntry 5\n", "t:1: bad or duplicate row index 5 for demoEntry"},
        {"\nrow demoEntry 1 demoMode=7x\n", "t:2: bad integer value for demoMode: 7x"},
        {"row nosuchEntry 1\n", "t:1: unknown table: nosuchEntry"},
        {"set 1.3.6.1.4.1.9.3.0 1\n", "t:1: no such instance: 1.3.6.1.4.1.9.3.0"},
        {"scalar 1.3.6.1.4.1.9.4 x integer maybe 1\n", "t:1: unknown access: maybe"},
        {"column 9 orphan integer ro\n", "t:1: column outside a table"},
        {"scalar 1.3.6.1.4.1.9.5 y octets ro \"open\n", "t:1: unterminated quote"},
        {"frobnicate\n", "t:1: unknown statement: frobnicate"},
        {"rowindex first demoEntry 1\n", "t:1: demoEntry has no row 1"},
        {"row demoEntry $first\n", "t:1: unknown row index: $first"},
    };
    for (const auto &[text, message] : cases) {
        MibStore store;
        MibDataLoader loader(store);
        loader.load(Table, "demo");
        if (std::string(text).starts_with("column"))
            loader.load("scalar 1.3.6.1.4.1.9.6 z integer ro 0\n", "reset"); // the table above has ended
        try {
            loader.load(text, "t");
            ADD_FAILURE() << "no error for " << text;
        } catch (const std::runtime_error &error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

} // namespace
