#pragma once

#include <QColor>
#include <QList>
#include <QtGlobal>

// One entry of an LED colour map: an LED octet value (its lowest 8 bits
// count) and the colour the LED shows for it. A colour is
// red + 256 * green + 65536 * blue.
struct LedColorEntry
{
    qint32 Value;
    qint32 Color;
};

// Which colour an LED shows for its LED-status octet, and whether it blinks.
// Built from static entry arrays that end with an entry whose colour is
// KtSNMPLedColorMapList::EndOfEntries:
//
//   constexpr LedColorEntry FaultColors[] = {{5, KtSNMPLedColorMapList::Rgb(255, 0, 0)},
//                                            {0, KtSNMPLedColorMapList::EndOfEntries}};
//   const KtSNMPLedColorMapList Faults(FaultColors, 7, 0x80, 0, KtSNMPLedColorMapList::Rgb(255, 255, 255));
class KtSNMPLedColorMapList
{
public:
    static constexpr qint32 EndOfEntries = -1;
    // MissingColor that makes an LED octet past the end of the value an error.
    static constexpr qint32 MissingIsError = -1;
    static constexpr qint32 Black = 0;

    static constexpr qint32 Rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }
    static QColor ToQColor(qint32 color)
    {
        return QColor(color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff);
    }

    KtSNMPLedColorMapList(const LedColorEntry *entries, quint8 valueMask, quint8 blinkMask, qint32 offColor,
                          qint32 missingColor);

    // Adds the entries of another terminated array after the present ones.
    void Append(const LedColorEntry *entries);

    // The colour of the first entry whose value matches the lowest 8 bits of
    // value; black when none does.
    qint32 ColorOf(qint32 value) const;

    quint8 ValueMask;
    quint8 BlinkMask;
    qint32 OffColor;
    qint32 MissingColor;
    QList<LedColorEntry> Entries;
};

// The two maps of the front panels. Most LEDs: 0 and 1 white, 2 and 3
// green, 4 blue, 5 red. The speed LEDs of gigabit copper module ports stay
// white for 2 as well and turn green only for 3 (a gigabit link). Both take
// the colour from the lowest three bits, blink on bit 7, are black before
// the first value and white for an octet the value lacks.
const KtSNMPLedColorMapList &PanelLedColors();
const KtSNMPLedColorMapList &GigabitCopperLedColors();
