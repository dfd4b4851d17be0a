#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// Where a window opens beside another one: to its right where the screen
// has room, else to its left, else over its right part, always within the
// screen's available area.
class KtWindowPlacement
{
public:
    // The top-left corner of a frame of `size` beside `other`.
    static QPoint Beside(const QRect &other, const QSize &size, const QRect &screen);
    // "x,y,width,height" as a rectangle; none for anything else.
    static std::optional<QRect> FromText(const QString &text);
};
