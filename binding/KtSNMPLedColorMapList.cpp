#include "KtSNMPLedColorMapList.h"

namespace {

using Map = KtSNMPLedColorMapList;

constexpr qint32 White = Map::Rgb(255, 255, 255);
constexpr qint32 Green = Map::Rgb(0, 255, 0);
constexpr qint32 Blue = Map::Rgb(0, 0, 255);
constexpr qint32 Red = Map::Rgb(255, 0, 0);

constexpr LedColorEntry PanelLedEntries[] = {
    {0, White}, {1, White}, {2, Green}, {3, Green}, {4, Blue}, {5, Red}, {0, Map::EndOfEntries},
};

constexpr LedColorEntry GigabitCopperLedEntries[] = {
    {0, White}, {1, White}, {2, White}, {3, Green}, {4, Blue}, {5, Red}, {0, Map::EndOfEntries},
};

constexpr quint8 PanelValueMask = 0x07;
constexpr quint8 PanelBlinkMask = 0x80;

} // namespace

KtSNMPLedColorMapList::KtSNMPLedColorMapList(const LedColorEntry *entries, quint8 valueMask, quint8 blinkMask,
                                             qint32 offColor, qint32 missingColor)
    : ValueMask(valueMask), BlinkMask(blinkMask), OffColor(offColor), MissingColor(missingColor)
{
    Append(entries);
}

void KtSNMPLedColorMapList::Append(const LedColorEntry *entries)
{
    for (const LedColorEntry *entry = entries; entry && entry->Color != EndOfEntries; ++entry)
        Entries.append(*entry);
}

qint32 KtSNMPLedColorMapList::ColorOf(qint32 value) const
{
    for (const LedColorEntry &entry : Entries)
        if ((entry.Value & 0xff) == (value & 0xff))
            return entry.Color;
    return Black;
}

const KtSNMPLedColorMapList &PanelLedColors()
{
    static const KtSNMPLedColorMapList map(PanelLedEntries, PanelValueMask, PanelBlinkMask, Map::Black,
                                           White);
    return map;
}

const KtSNMPLedColorMapList &GigabitCopperLedColors()
{
    static const KtSNMPLedColorMapList map(GigabitCopperLedEntries, PanelValueMask, PanelBlinkMask,
                                           Map::Black, White);
    return map;
}
