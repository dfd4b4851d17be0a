#include "KtVb.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(KtOid, TextFormBothWays)
{
    struct Case
    {
        const char *text;
        bool ok;
        const char *written;
    };
    const Case cases[] = {
        {"1.3.6.1.2.1", true, "1.3.6.1.2.1"},
        {" .1.3.6 ", true, "1.3.6"},
        {"0", true, "0"},
        {"4294967295", true, "4294967295"},
        {"4294967296", false, ""},
        {"", false, ""},
        {"1..3", false, ""},
        {"1.3.", false, ""},
        {"1.a", false, ""},
        {"-1", false, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        bool ok = !c.ok;
        const KtOid oid = KtOid::FromText(QString(c.text), &ok);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(oid.ToText(), c.written);
    }
}

TEST(KtOid, OrderAndPrefix)
{
    const KtOid column{1, 3, 6, 1, 2, 1, 17, 7, 1, 2, 2, 1, 2};
    KtOid cell = column;
    cell.Append(KtOid{1, 0, 1, 2, 3, 4, 5});
    EXPECT_TRUE(cell.StartsWith(column));
    EXPECT_FALSE(column.StartsWith(cell));
    EXPECT_LT(column, cell);
    EXPECT_LT((KtOid{1, 3, 6, 1, 2}), (KtOid{1, 3, 6, 1, 10}));
    EXPECT_EQ(KtOid::FromText(u"1.3.6"), (KtOid{1, 3, 6}));
}

TEST(KtVb, SettersReplaceTheValueAndKeepTheOid)
{
    KtVb vb(KtOid{1, 3, 6});
    vb.SetOctets("abc");
    EXPECT_TRUE(vb.IsOctets());
    vb.SetCounter64(1ull << 40);
    EXPECT_EQ(vb.Type(), KtVbType::Counter64);
    EXPECT_TRUE(vb.Octets().isEmpty());
    EXPECT_EQ(vb.UInt64(), 1ull << 40);
    vb.SetInteger(-2);
    EXPECT_EQ(vb.Int32(), -2);
    vb.SetNoValue(KtVbType::NoSuchInstance);
    EXPECT_FALSE(vb.HasValue());
    EXPECT_EQ(vb.UInt64(), 0u);
    EXPECT_EQ(vb.Oid, (KtOid{1, 3, 6}));
}
