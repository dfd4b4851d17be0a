// Colour maps of LED octets and the two maps of the front panels.
#include "KtSNMPLedColorMapList.h"

#include <gtest/gtest.h>

namespace {

using Map = KtSNMPLedColorMapList;

constexpr qint32 White = Map::Rgb(255, 255, 255);
constexpr qint32 Green = Map::Rgb(0, 255, 0);
constexpr qint32 Blue = Map::Rgb(0, 0, 255);
constexpr qint32 Red = Map::Rgb(255, 0, 0);

TEST(LedColorMapTest, ColoursAreRedInTheLowestByte)
{
    EXPECT_EQ(Map::Rgb(255, 0, 0), 0x0000ff);
    EXPECT_EQ(Map::Rgb(0, 255, 0), 0x00ff00);
    EXPECT_EQ(Map::Rgb(0, 0, 255), 0xff0000);
    EXPECT_EQ(Map::ToQColor(Map::Rgb(1, 2, 3)), QColor(1, 2, 3));
}

TEST(LedColorMapTest, BuiltFromATerminatedArrayWithoutTheTerminator)
{
    constexpr LedColorEntry entries[] = {{1, Red}, {2, Green}, {0, Map::EndOfEntries}, {3, Blue}};
    const Map map(entries, 0x07, 0x80, 0, White);
    ASSERT_EQ(map.Entries.size(), 2);
    EXPECT_EQ(map.Entries.at(1).Color, Green);
    EXPECT_EQ(map.ValueMask, 0x07);
    EXPECT_EQ(map.BlinkMask, 0x80);
    EXPECT_EQ(map.OffColor, 0);
    EXPECT_EQ(map.MissingColor, White);
}

TEST(LedColorMapTest, ColorOfTakesTheFirstEntryOfTheLowestEightBits)
{
    constexpr LedColorEntry entries[] = {{0x102, Red}, {2, Green}, {-1, Blue}, {0, Map::EndOfEntries}};
    const Map map(entries, 0x07, 0x80, 0, White);
    const struct
    {
        qint32 value;
        qint32 color;
    } cases[] = {
        {2, Red},        // 0x102 matches first, before the exact 2
        {0x302, Red},    // the value's higher bits do not count either
        {0xff, Blue},    // -1 compares as 0xff
        {7, Map::Black}, // no entry
    };
    for (const auto &c : cases)
        EXPECT_EQ(map.ColorOf(c.value), c.color) << "value " << c.value;
}

TEST(LedColorMapTest, AppendAddsAfterThePresentEntries)
{
    constexpr LedColorEntry first[] = {{1, Red}, {0, Map::EndOfEntries}};
    constexpr LedColorEntry second[] = {{1, Green}, {4, Blue}, {0, Map::EndOfEntries}};
    Map map(first, 0x07, 0x80, 0, White);
    map.Append(second);
    ASSERT_EQ(map.Entries.size(), 3);
    EXPECT_EQ(map.ColorOf(1), Red);
    EXPECT_EQ(map.ColorOf(4), Blue);
}

TEST(LedColorMapTest, FrontPanelMaps)
{
    const struct
    {
        qint32 value;
        qint32 most;
        qint32 gigabitCopper;
    } cases[] = {
        {0, White, White}, {1, White, White}, {2, Green, White},           {3, Green, Green},
        {4, Blue, Blue},   {5, Red, Red},     {6, Map::Black, Map::Black}, {7, Map::Black, Map::Black},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(PanelLedColors().ColorOf(c.value), c.most) << "value " << c.value;
        EXPECT_EQ(GigabitCopperLedColors().ColorOf(c.value), c.gigabitCopper) << "value " << c.value;
    }
    for (const Map *map : {&PanelLedColors(), &GigabitCopperLedColors()}) {
        EXPECT_EQ(map->ValueMask, 7);
        EXPECT_EQ(map->BlinkMask, 0x80);
        EXPECT_EQ(map->OffColor, Map::Black);
        EXPECT_EQ(map->MissingColor, White);
    }
}

} // namespace
