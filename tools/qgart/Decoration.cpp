#include "Decoration.h"

namespace {

const Decoration kBay{
    .Layout = &QF1824BayLayout,
    .Title = "GBIC  \u00b7  STACK",
    .TitleRect = {10, 3, 150, 10},
    .StackLabel = "ID",
    .PortNumbersBelow = true,
};

const Decoration kDecorations[] = {
    {
        .Layout = &QG2312Layout,
        .Title = "QG2312",
        .TitleRect = {56, 4, 70, 17},
        .Subtitle = "GIGABIT SWITCH",
        .SubtitleRect = {56, 22, 62, 9},
        .BadgeRect = {6, 67, 50, 15},
        .StackLabel = "UNIT",
    },
    {
        .Layout = &QG2212Layout,
        .Title = "QG2212",
        .TitleRect = {56, 4, 70, 17},
        .Subtitle = "GIGABIT SWITCH",
        .SubtitleRect = {56, 22, 62, 9},
        .BadgeRect = {6, 67, 50, 15},
        .StackLabel = "UNIT",
    },
    {
        .Layout = &QF1824Layout,
        .Title = "QF1824",
        .TitleRect = {12, 8, 110, 17},
        .Subtitle = "FAST ETHERNET SWITCH",
        .SubtitleRect = {12, 27, 130, 9},
        .BadgeRect = {727, 9, 47, 15},
        .VentRect = {730, 36, 40, 34},
    },
    {
        .Layout = &QF1848Layout,
        .Title = "QF1848",
        .TitleRect = {4, 7, 50, 15},
        .Subtitle = "48 \u00d7 10/100\n2 \u00d7 GIGABIT",
        .SubtitleRect = {726, 30, 50, 20},
        .BadgeRect = {728, 9, 46, 15},
        .StatusLabelsLeft = true,
        .VentRect = {731, 58, 40, 22},
    },
    {
        .Layout = &QL2448Layout,
        .Title = "QL2448",
        .TitleRect = {4, 7, 50, 15},
        .Subtitle = "48 \u00d7 10/100\n2 \u00d7 GIGABIT",
        .SubtitleRect = {726, 30, 50, 20},
        .BadgeRect = {728, 9, 46, 15},
        .StatusLabelsLeft = true,
        .VentRect = {731, 58, 40, 22},
    },
    {
        .Layout = &QL2424Layout,
        .Title = "QL2424",
        .TitleRect = {12, 8, 110, 17},
        .Subtitle = "STACKABLE SWITCH",
        .SubtitleRect = {12, 27, 130, 9},
        .BadgeRect = {727, 9, 47, 15},
        .ConsoleRect = {560, 36, 52, 18},
        .VentRect = {730, 36, 40, 34},
    },
    {
        .Layout = &QL2424RLayout,
        .Title = "QL2424R",
        .TitleRect = {12, 8, 110, 17},
        .Subtitle = "STACKABLE SWITCH  \u00b7  RPS",
        .SubtitleRect = {12, 27, 140, 9},
        .BadgeRect = {727, 9, 47, 15},
        .ConsoleRect = {560, 36, 52, 18},
        .VentRect = {730, 36, 40, 34},
    },
    {
        .Layout = &GenericLayout,
        .BadgeRect = {8, 68, 48, 15},
        .StatusLabelsLeft = true,
        .VentRect = {756, 20, 16, 50},
    },
    kBay,
    {
        .Layout = &Module1000BaseLayout,
        .Title = "1000BASE-T",
        .TitleRect = {8, 4, 56, 10},
        .Subtitle = "4 \u00d7 10/100/1000 COPPER",
        .SubtitleRect = {87, 7, 140, 9},
    },
    {
        .Layout = &ModuleMiniGbicLayout,
        .Title = "1000BASE-X",
        .TitleRect = {8, 4, 56, 10},
        .Subtitle = "4 \u00d7 MINI-GBIC (SFP)",
        .SubtitleRect = {89, 7, 137, 9},
    },
    {
        .Layout = &ModulePortStackingLayout,
        .Title = "STACKING",
        .TitleRect = {8, 4, 56, 10},
        .Subtitle = "4 \u00d7 STACK PORT",
        .SubtitleRect = {88, 7, 138, 9},
    },
    {
        .Layout = &Module2p100Layout,
        .Title = "100BASE-TX",
        .TitleRect = {34, 3, 150, 10},
        .PortNumbersBelow = true,
    },
    {
        .Layout = &Module2p1000Layout,
        .Title = "1000BASE-SX",
        .TitleRect = {34, 3, 150, 10},
        .PortNumbersBelow = true,
    },
    {
        .Layout = &Module2p1000TLayout,
        .Title = "1000BASE-T",
        .TitleRect = {34, 3, 150, 10},
        .PortNumbersBelow = true,
    },
};

} // namespace

std::span<const Decoration> Decorations()
{
    return kDecorations;
}

const Decoration &BayDecoration()
{
    return kBay;
}
