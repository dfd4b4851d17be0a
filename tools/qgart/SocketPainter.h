#pragma once

#include "PanelLayout.h"

#include <QPainter>

// Draws port sockets. A socket fills its rectangle, port well included, so
// the same drawing serves the panel pictures and the button glyphs.
class SocketPainter
{
public:
    static void Draw(QPainter &painter, SocketKind kind, const QRect &rect, bool pressed);

private:
    static void Rj45(QPainter &painter, const QRect &rect, bool latchUp);
    static void Sfp(QPainter &painter, const QRect &rect);
    static void Combo(QPainter &painter, const QRect &rect);
    static void Gbic(QPainter &painter, const QRect &rect);
    static void ScDuplex(QPainter &painter, const QRect &rect);
    static void Stacking(QPainter &painter, const QRect &rect);
    static void Shield(QPainter &painter, const QRect &rect, qreal radius);
    static void PressedMark(QPainter &painter, const QRect &rect);
};
