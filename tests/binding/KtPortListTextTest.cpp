#include "KtPortListText.h"

#include <gtest/gtest.h>

namespace {

// A 91-octet port list with the given bits set (bit 0 = the most
// significant bit of octet 0).
QString HexWithBits(std::initializer_list<int> bits, int octets = 91)
{
    QByteArray value(octets, '\0');
    for (int bit : bits)
        value[bit / 8] = char(quint8(value[bit / 8]) | (0x80 >> (bit % 8)));
    return QString::fromLatin1(value.toHex().toUpper());
}

// Bit of port p of the unit on grid page s.
constexpr int Bit(int page, int port)
{
    return page * 56 + port - 1;
}

TEST(KtPortListTextTest, UnitPortRanges)
{
    const struct
    {
        QString hex;
        QString text;
    } cases[] = {
        {HexWithBits({}), ""},
        {"", ""},
        {HexWithBits({Bit(0, 1)}), "15:1"},
        {HexWithBits({Bit(1, 1), Bit(1, 2), Bit(1, 3), Bit(1, 4), Bit(1, 5), Bit(1, 6), Bit(1, 7), Bit(1, 8),
                      Bit(2, 3), Bit(3, 49), Bit(3, 50)}),
         "1:1-8, 2:3, 3:49-50"},
        // The master's page comes first, as in the grid; a run never crosses units.
        {HexWithBits({Bit(0, 55), Bit(0, 56), Bit(1, 1), Bit(1, 2)}), "15:55-56, 1:1-2"},
        {HexWithBits({Bit(12, 56)}), "12:56"},
        // Ports 1, 3 and 5 are three runs, not one.
        {HexWithBits({Bit(2, 1), Bit(2, 3), Bit(2, 5)}), "2:1, 2:3, 2:5"},
        // A short value: only the units it reaches.
        {"FF", "15:1-8"},
        {"8", "15:5"}, // odd digit count: the first digit alone is octet 0
        // Bits beyond the 13 units are named, not dropped.
        {HexWithBits({Bit(0, 2), 728, 729, 735}, 92), "15:2, bits 728-729, bit 735"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(KtPortListText::FromHex(c.hex), c.text) << c.hex.toStdString();
}

TEST(KtPortListTextTest, EveryPortOfEveryUnit)
{
    QString expected;
    for (int page = 0; page < 13; ++page)
        expected += (page ? ", " : "") + QString::number(page == 0 ? 15 : page) + ":1-56";
    EXPECT_EQ(KtPortListText::FromHex(QString(182, 'F')), expected);
}

} // namespace
