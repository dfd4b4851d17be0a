#include "KtOptionList.h"
#include "FdbTable.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(KtOptionList, NumericLookupsBothWays)
{
    struct Case
    {
        const char *text;
        const char *name;  // ValueToName
        const char *value; // NameToValue
    };
    const Case cases[] = {
        {"3", "learned", "3"},       // a value maps to its name; a number is no name
        {"7", "7", "7"},             // not in the list: unchanged
        {"LEARNED", "LEARNED", "3"}, // names compare without letter case
        {"learned", "learned", "3"},
        {"bogus", "bogus", "bogus"},
        {"(NULL)", "(NULL)", "(NULL)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FdbStatus.ValueToName(c.text), c.name);
        EXPECT_EQ(FdbStatus.NameToValue(c.text), c.value);
    }
}

TEST(KtOptionList, IndexOfValueMatchesIntegersOnly)
{
    EXPECT_EQ(FdbStatus.IndexOfValue("2"), 1);
    EXPECT_EQ(FdbStatus.IndexOfValue("(NULL)"), -1);
    EXPECT_EQ(FdbStatus.IndexOfValue("2x"), -1);
    EXPECT_EQ(FdbStatus.IndexOfValue(""), -1);
    EXPECT_EQ(FdbStatus.IndexOfName("2"), -1);
}

TEST(KtOptionList, OnlyANullNameEndsTheTable)
{
    constexpr KtOptionDef pairs[] = {{0, "disabled"}, {1, "enabled"}, {0, nullptr}};
    KtOptionList list(pairs);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ValueToName("0"), "disabled");

    constexpr KtOptionDef empty[] = {{}};
    list.Append(empty);
    EXPECT_EQ(list.Count(), 2);
    list.Append(FdbStatusPairs);
    EXPECT_EQ(list.Count(), 7);
    EXPECT_EQ(list.Get(6).Name, "mgmt");
}

TEST(KtOptionList, TextListMapsProtocolOids)
{
    constexpr KtOptionTextDef pairs[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                         {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                         {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                                         {}};
    const KtOptionList list(pairs, OptionText);
    EXPECT_EQ(list.ValueToName("1.3.6.1.6.3.10.1.1.3"), "SHA");
    EXPECT_EQ(list.ValueToName("1.3.6.1.6.3.10.1.1.3.1"), "1.3.6.1.6.3.10.1.1.3.1"); // whole text only
    EXPECT_EQ(list.NameToValue("md5"), "1.3.6.1.6.3.10.1.1.2");
}

TEST(KtOptionList, PrefixListReplacesTheBeginning)
{
    constexpr KtOptionTextDef pairs[] = {{"1.3.6.1.4.1.47893", "vendor"}, {}};
    const KtOptionList list(pairs, OptionPrefix);
    EXPECT_EQ(list.ValueToName("1.3.6.1.4.1.47893.12.1"), "vendor.12.1");
    EXPECT_EQ(list.NameToValue("vendor.12.1"), "1.3.6.1.4.1.47893.12.1");
    EXPECT_EQ(list.NameToValue("VENDOR.12.1"), "1.3.6.1.4.1.47893.12.1"); // case folded
    EXPECT_EQ(list.NameToValue("vend"), "vend");                          // shorter than the name

    const KtOptionList strict(pairs, OptionPrefix, true);
    EXPECT_EQ(strict.NameToValue("VENDOR.12.1"), "VENDOR.12.1");
}
