#pragma once

// What the artwork prints and adds on each picture besides the elements of
// its layout: model name, badge, titles, connectors. Positions are in the
// layout's window coordinates.

#include "PanelLayout.h"

#include <QRect>
#include <span>

struct Decoration
{
    const PanelLayout *Layout;
    const char *Title = nullptr; // model name of a unit, or a module's kind
    QRect TitleRect = {};
    const char *Subtitle = nullptr; // may hold a line break
    QRect SubtitleRect = {};
    QRect BadgeRect = {};          // empty: no badge
    bool StatusLabelsLeft = false; // status-LED names left of the LEDs instead of right
    QRect ConsoleRect = {};        // DB-9 console connector, if any
    QRect VentRect = {};
    const char *StackLabel = "STACK"; // printed next to the stack window
    bool PortNumbersBelow = false;    // every port number below its port (bay modules)
};

// Every front panel, the QF1824's bay and every module.
std::span<const Decoration> Decorations();

// The decoration of the QF1824's bay, drawn into the QF1824 picture too.
const Decoration &BayDecoration();
