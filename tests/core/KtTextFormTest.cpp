#include "KtTextForm.h"
#include "QtPrinters.h"

#include <QDate>
#include <cmath>
#include <gtest/gtest.h>

using namespace KtTextForm;

TEST(KtTextForm, HexTextToOctets)
{
    struct Case
    {
        const char *text;
        const char *octets;
    };
    const Case cases[] = {
        {"001A2B", "001a2b"},
        {"1A2B3", "01a2b3"},    // odd: the first digit alone is the first octet
        {"00 1a 2b", "001a2b"}, // blanks removed
        {"a bc", "0abc"},       //
        {"", ""},               //
        {"g1", "01"},           // not a digit: 0
        {"  ", ""},             //
        {"fFfF", "ffff"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HexToOctets(QString(c.text)), QByteArray::fromHex(c.octets));
    }
    EXPECT_EQ(OctetsToHex(QByteArray::fromHex("001a2b")), "001A2B");
    EXPECT_EQ(OctetsToHex(QByteArray()), "");
}

TEST(KtTextForm, TimeTicksBothWays)
{
    struct Case
    {
        quint32 ticks;
        const char *text;
    };
    const Case cases[] = {
        {0, "0:00:00.00"},
        {372304, "1:02:03.04"},
        {8639999, "23:59:59.99"},
        {8640000, "1 day 0:00:00.00"},
        {17280001, "2 days, 0:00:00.01"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TimeTicksToText(c.ticks), c.text);
        EXPECT_EQ(TextToTimeTicks(QString(c.text)), c.ticks);
    }
}

TEST(KtTextForm, TimeTicksTextsWithMissingParts)
{
    struct Case
    {
        const char *text;
        quint32 ticks;
    };
    const Case cases[] = {
        {"", 0},
        {"12345", 0},              // no ":" and no "."
        {"3 days", 25920000},      //
        {"1 day", 8640000},        //
        {"5:30", 1800000},         // minutes count only before a second ":"
        {"1:2.5", 360205},         // seconds before the ".", hundredths after it
        {"2.5", 205},              //
        {"1:02:03.4", 372304},     // the hundredths are a number, not a fraction
        {"-1:00:00.00", 0},        // held at 0
        {"600 days", 4294967295u}, // held at the largest count
        {"99999999999999999999999:00:00.00", 4294967295u},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToTimeTicks(QString(c.text)), c.ticks);
    }
}

TEST(KtTextForm, DecimalReadersSaturate)
{
    EXPECT_EQ(TextToLong(u"  -42xyz"), -42);
    EXPECT_EQ(TextToLong(u"+7"), 7);
    EXPECT_EQ(TextToLong(u"x7"), 0);
    EXPECT_EQ(TextToLong(u"99999999999999999999"), std::numeric_limits<qint64>::max());
    EXPECT_EQ(TextToLong(u"-9223372036854775808"), std::numeric_limits<qint64>::min());
    EXPECT_EQ(TextToInt32(u"3000000000"), 2147483647);
    EXPECT_EQ(TextToUInt32(u"-1"), 0u);
    EXPECT_EQ(TextToCounter64(u"18446744073709551615"), 18446744073709551615ull);
    EXPECT_EQ(TextToCounter64(u"1e30"), 18446744073709551615ull);
    EXPECT_EQ(TextToCounter64(u"12.9"), 12u);
    EXPECT_EQ(TextToCounter64(u"-5"), 0u);
    EXPECT_EQ(TextToDouble(u" 2.5e2 kg"), 250.0);
    EXPECT_EQ(TextToDouble(u"abc"), 0.0);
}

TEST(KtTextForm, DoubleOctetsLeastSignificantFirst)
{
    EXPECT_EQ(DoubleToOctets(1.0), QByteArray::fromHex("000000000000f03f"));
    EXPECT_EQ(OctetsToDouble(QByteArray::fromHex("000000000000f03f")), 1.0);
    EXPECT_EQ(OctetsToDouble(QByteArray::fromHex("f03f")),
              OctetsToDouble(QByteArray::fromHex("f03f000000000000")));
    EXPECT_EQ(DoubleToText(0.1), "0.1");
    EXPECT_EQ(DoubleToText(25), "25");
}

TEST(KtTextForm, DayCountsAndDateTimeTexts)
{
    struct Case
    {
        double days;
        const char *text;
    };
    const Case cases[] = {
        {0, "1899/12/30 12:00:00 am"},
        {38418.5, "2005/03/07 12:00:00 pm"},
        {38418.75, "2005/03/07 06:00:00 pm"},
        {38418 + (13 * 3600 + 5 * 60 + 9) / 86400.0, "2005/03/07 01:05:09 pm"},
        {-1.25, "1899/12/29 06:00:00 am"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DayCountToText(c.days), c.text);
        const std::optional<double> back = TextToDayCount(QString(c.text));
        ASSERT_TRUE(back);
        EXPECT_NEAR(*back, c.days, 1e-9);
    }
    EXPECT_EQ(DayCountToText(1e300), "1e+300"); // beyond year 9999: the number itself
    EXPECT_EQ(DayCountToText(NAN), "nan");
    const double lowest = std::numeric_limits<double>::lowest(); // the number's text reads back exactly
    EXPECT_EQ(TextToDayCount(DayCountToText(lowest)), lowest);
    EXPECT_NEAR(*TextToDayCount(u"2005-03-07 13:05"), 38418 + 13 / 24.0 + 5 / 1440.0, 1e-9);
    EXPECT_EQ(*TextToDayCount(u"2005/3/7"), 38418);
    EXPECT_EQ(*TextToDayCount(u"38418.5"), 38418.5);
    EXPECT_FALSE(TextToDayCount(u"2005/02/30 10:00:00 am"));
    EXPECT_FALSE(TextToDayCount(u"2005/03/07 13:00:00 pm"));
    EXPECT_FALSE(TextToDayCount(u"tomorrow"));
    EXPECT_FALSE(TextToDayCount(u""));
}

TEST(KtTextForm, DisplayStringStopsAtTheFirstZeroOctet)
{
    EXPECT_EQ(OctetsToDisplayString(QByteArray("up\0junk", 7)), "up");
    EXPECT_EQ(OctetsToDisplayString(QByteArray("\xe9t\xe9")), QString::fromUtf8("été"));
    EXPECT_EQ(DisplayStringToOctets(QString::fromUtf8("été")), QByteArray("\xe9t\xe9"));
    EXPECT_EQ(IpAddressToText(QByteArray::fromHex("c0a8")), "192.168.0.0");
}
