#include "KtBinaryString.h"
#include "KtDateTime.h"
#include "KtNumList.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(KtNumList, ParsesDelimitedNumbers)
{
    struct Case
    {
        char delimiter;
        const char *text;
        QList<int> items;
    };
    const Case cases[] = {
        {',', "1,3,4", {1, 3, 4}},
        {',', "", {}},
        {',', "12", {12}},
        {',', ",,", {0, 0, 0}},
        {',', "3,7,11,15", {3, 7, 11, 15}},
        {',', "2.9,4.01", {2, 4}},              // a fraction leaves the whole number
        {'.', "192.168.0.1", {192, 168, 0, 1}}, // "." as delimiter is no fraction
        {',', "1a", {59}},                      // not validated: 'a' counts 49
        {',', "99999999999", {1215752191}},     // wraps like 32-bit arithmetic
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        KtNumList<int> list;
        list.Delimiter = c.delimiter;
        list.Parse(c.text);
        EXPECT_EQ(list.Items(), c.items);
        EXPECT_EQ(list.CountItems(c.text), c.items.size());
    }
}

TEST(KtNumList, IndexOfAndRange)
{
    KtNumList<int> selection;
    selection.Delimiter = ',';
    selection.Parse("1,3,4");
    EXPECT_EQ(selection.IndexOf(3), 1);
    EXPECT_EQ(selection.IndexOf(2), -1);
    selection.Parse("5"); // a new parse discards the old items
    EXPECT_EQ(selection.Count(), 1);

    KtNumList<unsigned int> address;
    address.Parse("192.168.0.1");
    EXPECT_EQ(address.Count(), 4);
    EXPECT_TRUE(address.AllInRange(0, 255));
    address.Parse("192.168.0.256");
    EXPECT_FALSE(address.AllInRange(0, 255));
    address.Parse("");
    EXPECT_TRUE(address.AllInRange(1, 2));
}

TEST(KtBinaryString, HexToOctetsAndPortBitmap)
{
    const KtBinaryString ports(QStringLiteral("80000001"));
    ASSERT_EQ(ports.Length(), 4);
    EXPECT_EQ(ports.Octets(), QByteArray::fromHex("80000001"));
    EXPECT_TRUE(ports.HasPort(1));
    EXPECT_TRUE(ports.HasPort(32));
    for (int port : {0, 2, 8, 9, 31, 33, 1000})
        EXPECT_FALSE(ports.HasPort(port)) << port;

    EXPECT_EQ(KtBinaryString(QStringLiteral("8")).Length(), 0);
    EXPECT_EQ(KtBinaryString(QStringLiteral("abc")).Octets(), QByteArray::fromHex("ab")); // odd digit dropped
    EXPECT_EQ(KtBinaryString(QStringLiteral("zz")).Octets(), QByteArray(1, '\0'));        // not hex: 0
}

TEST(KtBinaryString, SetPortGrowsTheBitmap)
{
    KtBinaryString ports;
    ports.SetPort(9, true);
    ports.SetPort(24, true);
    ports.SetPort(1, true);
    ports.SetPort(1, false);
    EXPECT_EQ(ports.ToHex(), "008001");
}

TEST(KtDateTime, TextRoundTrips)
{
    struct Case
    {
        const char *text;
        const char *written;
        char direction;
        int hours, minutes;
    };
    const Case cases[] = {
        {"2005-3-7,14:5:9.0,+8:0", "2005-3-7,14:5:9.0,+8:0", '+', 8, 0},
        {"2005-3-7,14:5:9.0,-5:30", "2005-3-7,14:5:9.0,-5:30", '-', 5, 30},
        {"2005-3-7,14:5:9.0", "2005-3-7,14:5:9.0", '+', 0, 0},
        {"2005-03-07,14:05:09.3,+0:0", "2005-3-7,14:5:9.3", '+', 0, 0},
        {"2005-3-7,14:5:9.0,+8", "2005-3-7,14:5:9.0", '+', 0, 0}, // an incomplete zone is none
        {"2005-3", "2005-3-0,0:0:0.0", '+', 0, 0},                // missing numbers are 0
        {"", "0-0-0,0:0:0.0", '+', 0, 0},
        {"70000-300-7,1:1:1.1", "4464-44-7,1:1:1.1", '+', 0, 0}, // stored in each field's width
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const KtDateTime value{QString(c.text)};
        EXPECT_EQ(value.ToText(), c.written);
        EXPECT_EQ(value.Direction, c.direction);
        EXPECT_EQ(value.HoursFromUTC, c.hours);
        EXPECT_EQ(value.MinutesFromUTC, c.minutes);
    }
}

TEST(KtDateTime, WireOrderPutsTheYearHighOctetFirst)
{
    KtDateTime value(QStringLiteral("2005-3-7,14:5:9.0,+8:0"));
    const QByteArray wire = value.ToOctets();
    EXPECT_EQ(wire, QByteArray::fromHex("07d503070e0509002b0800"));
    EXPECT_EQ(KtDateTime::FromOctets(wire), value);
    EXPECT_EQ(KtDateTime::FromOctets(QByteArray::fromHex("07d5")).ToText(), "2005-0-0,0:0:0.0");
    value.SwapYear();
    EXPECT_EQ(value.Year, 0xD507);
}
