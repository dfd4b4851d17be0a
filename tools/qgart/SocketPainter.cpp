#include "SocketPainter.h"

#include "ArtPalette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

namespace {

int Scaled(int length, double share)
{
    return qMax(1, qRound(length * share));
}

QRect Centred(const QRect &outer, int width, int height)
{
    return {outer.left() + (outer.width() - width) / 2, outer.top() + (outer.height() - height) / 2, width,
            height};
}

} // namespace

void SocketPainter::Draw(QPainter &painter, SocketKind kind, const QRect &rect, bool pressed)
{
    painter.save();
    painter.fillRect(rect, Art::Well);
    switch (kind) {
    case SocketKind::Rj45:
        Rj45(painter, rect, false);
        break;
    case SocketKind::Rj45Inverted:
        Rj45(painter, rect, true);
        break;
    case SocketKind::Sfp:
        Sfp(painter, rect);
        break;
    case SocketKind::Combo:
        Combo(painter, rect);
        break;
    case SocketKind::Gbic:
        Gbic(painter, rect);
        break;
    case SocketKind::ScDuplex:
        ScDuplex(painter, rect);
        break;
    case SocketKind::Stacking:
        Stacking(painter, rect);
        break;
    }
    if (pressed)
        PressedMark(painter, rect);
    painter.restore();
}

// A metal shield with a dark outline, lit from above.
void SocketPainter::Shield(QPainter &painter, const QRect &rect, qreal radius)
{
    QLinearGradient metal(rect.topLeft(), rect.bottomLeft());
    metal.setColorAt(0, Art::ShieldTop);
    metal.setColorAt(1, Art::ShieldBottom);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Art::ShieldOutline, 1));
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// Front view of an RJ-45 jack: shield, opening with the latch notch, and
// the row of gold contacts on the side opposite the latch.
void SocketPainter::Rj45(QPainter &painter, const QRect &rect, bool latchUp)
{
    const QRect body = rect.adjusted(1, 1, -1, -1);
    Shield(painter, body, 1.5);

    const int openingWidth = Scaled(rect.width(), 0.66) | 1;
    const int openingHeight = Scaled(rect.height(), 0.46);
    const int notchWidth = Scaled(openingWidth, 0.46) | 1;
    const int notchHeight = Scaled(rect.height(), 0.17);
    const int left = rect.left() + (rect.width() - openingWidth) / 2;
    const int notchLeft = rect.left() + (rect.width() - notchWidth) / 2;
    const int margin = (body.height() - openingHeight - notchHeight) / 2;

    // Laid out latch-down from the top, then mirrored for a latch at the top.
    const int openingTop = body.top() + margin;
    QRect opening(left, openingTop, openingWidth, openingHeight);
    QRect notch(notchLeft, openingTop + openingHeight, notchWidth, notchHeight);
    QRect contacts(left + 1, openingTop + 1, openingWidth - 2, qMax(2, openingHeight / 4));
    auto mirror = [&](QRect r) {
        return QRect(r.left(), body.top() + body.bottom() - r.bottom(), r.width(), r.height());
    };
    if (latchUp) {
        opening = mirror(opening);
        notch = mirror(notch);
        contacts = mirror(contacts);
    }

    painter.fillRect(opening, Art::Opening);
    painter.fillRect(notch, Art::Opening);
    // A faint inner wall on the far side of the opening gives it depth.
    painter.fillRect(QRect(opening.left(), latchUp ? opening.bottom() : opening.top(), opening.width(), 1),
                     QColor(0x2a, 0x2d, 0x31));
    // Contacts every other pixel, centred; as many as the opening holds.
    const int pins = (contacts.width() + 1) / 2;
    const int first = contacts.left() + (contacts.width() - (2 * pins - 1)) / 2;
    for (int pin = 0; pin < pins; ++pin)
        painter.fillRect(QRect(first + 2 * pin, contacts.top(), 1, contacts.height()), Art::Contact);
}

// A mini-GBIC cage: a bright sheet-metal frame around a dark opening with
// the module guide visible inside.
void SocketPainter::Sfp(QPainter &painter, const QRect &rect)
{
    const int cageHeight = qMin(rect.height() - 2, Scaled(rect.width(), 0.66));
    const QRect cage = Centred(rect, rect.width() - 2, cageHeight);
    Shield(painter, cage, 1.0);
    const QRect opening = cage.adjusted(2, 2, -2, -2);
    painter.fillRect(opening, Art::Opening);
    const int guideHeight = qMax(1, opening.height() / 5);
    painter.fillRect(QRect(opening.left() + 2, opening.center().y(), opening.width() - 4, guideHeight),
                     QColor(0x3a, 0x3f, 0x45));
    // Spring fingers along the cage's top edge.
    for (int x = cage.left() + 2; x < cage.right() - 1; x += 3)
        painter.fillRect(QRect(x, cage.top() + 1, 1, 1), QColor(0xe2, 0xe6, 0xea));
}

// A combo port: an RJ-45 jack above a mini-GBIC cage; either serves the port.
void SocketPainter::Combo(QPainter &painter, const QRect &rect)
{
    const int upper = rect.height() / 2;
    Rj45(painter, QRect(rect.left(), rect.top(), rect.width(), upper), false);
    Sfp(painter, QRect(rect.left(), rect.top() + upper, rect.width(), rect.height() - upper));
}

// A full-size GBIC cage lying on its side, with its spring door closed.
void SocketPainter::Gbic(QPainter &painter, const QRect &rect)
{
    const QRect frame = rect.adjusted(1, 1, -1, -1);
    Shield(painter, frame, 2.0);
    const QRect opening = frame.adjusted(4, 5, -4, -5);
    painter.fillRect(opening, Art::Opening);
    const QRect door = opening.adjusted(1, 1, -1, -1);
    QLinearGradient shade(door.topLeft(), door.bottomLeft());
    shade.setColorAt(0, QColor(0x3c, 0x41, 0x47));
    shade.setColorAt(1, QColor(0x1b, 0x1e, 0x21));
    painter.fillRect(door, shade);
    painter.fillRect(QRect(door.left(), door.top(), door.width(), 1), QColor(0x5b, 0x62, 0x6a));
    // The guide screws either side of the opening.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Art::ShieldOutline, 0.8));
    painter.setBrush(QColor(0x5f, 0x66, 0x6d));
    const qreal y = frame.top() + frame.height() / 2.0;
    painter.drawEllipse(QPointF(frame.left() + 2.5, y), 1.4, 1.4);
    painter.drawEllipse(QPointF(frame.right() - 1.5, y), 1.4, 1.4);
}

// A duplex SC fibre receptacle: two square sockets in a beige housing, each
// with its white ferrule.
void SocketPainter::ScDuplex(QPainter &painter, const QRect &rect)
{
    const int half = (rect.width() - 3) / 2;
    for (int side = 0; side < 2; ++side) {
        const QRect housing(rect.left() + 1 + side * (half + 1), rect.top() + 1, half, rect.height() - 2);
        QLinearGradient plastic(housing.topLeft(), housing.bottomLeft());
        plastic.setColorAt(0, QColor(0xd8, 0xcb, 0xa8));
        plastic.setColorAt(1, QColor(0xa6, 0x98, 0x74));
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(0x4a, 0x43, 0x33), 1));
        painter.setBrush(plastic);
        painter.drawRoundedRect(QRectF(housing).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        const int square = qMin(housing.width(), housing.height()) - 7;
        const QRect socket = Centred(housing, square, square);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(socket, QColor(0x1c, 0x1b, 0x19));
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xf4, 0xf3, 0xee));
        const QPointF centre = QRectF(socket).center();
        painter.drawEllipse(centre, square / 4.0, square / 4.0);
        painter.setBrush(QColor(0x8c, 0x8a, 0x84));
        painter.drawEllipse(centre, 0.7, 0.7);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
}

// A stacking-cable socket: a D-shaped metal shield with a contact tongue.
void SocketPainter::Stacking(QPainter &painter, const QRect &rect)
{
    const int shellHeight = qMin(rect.height() - 4, Scaled(rect.width(), 0.62));
    const QRectF shell = QRectF(Centred(rect, rect.width() - 4, shellHeight)).adjusted(0.5, 0.5, -0.5, -0.5);
    auto dShape = [](const QRectF &r) {
        const qreal round = r.height() / 2;
        QPainterPath path;
        path.moveTo(r.left(), r.top());
        path.lineTo(r.right() - round, r.top());
        path.arcTo(QRectF(r.right() - 2 * round, r.top(), 2 * round, r.height()), 90, -180);
        path.lineTo(r.left(), r.bottom());
        path.closeSubpath();
        return path;
    };
    QLinearGradient metal(shell.topLeft(), shell.bottomLeft());
    metal.setColorAt(0, Art::ShieldTop);
    metal.setColorAt(1, Art::ShieldBottom);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Art::ShieldOutline, 1));
    painter.setBrush(metal);
    painter.drawPath(dShape(shell));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Art::Opening);
    const QRectF opening = shell.adjusted(2, 2, -2, -2);
    painter.drawPath(dShape(opening));
    painter.setBrush(QColor(0x8b, 0x91, 0x98));
    const qreal tongue = qMax(2.0, opening.height() / 3.5);
    painter.drawRect(
        QRectF(opening.left() + 2, opening.center().y() - tongue / 2, opening.width() * 0.62, tongue));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The pressed (selected) state: an amber frame and a warm tint, so the one
// selected port stands out on the dark panel.
void SocketPainter::PressedMark(QPainter &painter, const QRect &rect)
{
    QColor tint = Art::Selection;
    tint.setAlpha(55);
    painter.fillRect(rect, tint);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Art::Selection, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
}
