#include "KtLedShape.h"

#include <QPainter>

KtLedShape::KtLedShape(QWidget *parent, ShapeKind kind) : QWidget(parent), kind_(kind)
{
    // Nothing under the shape needs to be drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void KtLedShape::SetColors(const QColor &brush, const QColor &pen)
{
    if (brush == brush_ && pen == pen_)
        return;
    brush_ = brush;
    pen_ = pen;
    update();
}

void KtLedShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), brush_);
    painter.setPen(pen_);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
