#include "IconArtist.h"

#include "ArtPalette.h"
#include "FacePainter.h"

#include <QPainter>

namespace {

// Segments a to g of each digit, as bits 0 to 6.
constexpr quint8 kDigitSegments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};

// One seven-segment digit in a cell: lit segments bright, the others dim.
void PaintDigit(QPainter &painter, const QRectF &cell, int digit)
{
    const qreal t = 2.0; // segment thickness
    const qreal w = cell.width();
    const qreal h = cell.height();
    const qreal mid = (h - t) / 2;
    const QRectF segments[7] = {
        {t * 0.5, 0, w - t, t},             // a
        {w - t, t * 0.5, t, mid - t * 0.5}, // b
        {w - t, mid + t, t, mid - t * 0.5}, // c
        {t * 0.5, h - t, w - t, t},         // d
        {0, mid + t, t, mid - t * 0.5},     // e
        {0, t * 0.5, t, mid - t * 0.5},     // f
        {t * 0.5, mid, w - t, t},           // g
    };
    const quint8 lit = digit >= 0 ? kDigitSegments[digit] : 0;
    painter.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
        painter.setBrush((lit >> s) & 1 ? Art::SegmentOn : Art::SegmentOff);
        // A slight slant, as on real displays.
        QTransform slant;
        slant.translate(cell.left(), cell.top());
        slant.shear(-0.08, 0);
        slant.translate(0.8, 0);
        painter.drawPolygon(slant.map(QPolygonF(segments[s])));
    }
}

} // namespace

QImage IconArtist::StackNumber(int number)
{
    QImage image(24, 21, QImage::Format_RGB32);
    image.fill(QColor(0x0b, 0x0c, 0x0d));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int tens = number >= 10 ? (number / 10) % 10 : -1;
    PaintDigit(painter, QRectF(2.5, 3, 8, 15), tens);
    PaintDigit(painter, QRectF(13, 3, 8, 15), number % 10);
    return image;
}

// A small switch front seen straight on, drawn on a 32 x 32 grid: status
// LEDs, two rows of ports and the maker's red chevron.
void IconArtist::PaintSwitchFront(QPainter &painter)
{
    FacePainter face(painter, 32);
    face.BrushedMetal(QRect(0, 7, 32, 19), FacePainter::Metal::Face);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Art::Accent);
    painter.drawPolygon(QPolygonF({QPointF(2, 10), QPointF(8, 13.5), QPointF(2, 17), QPointF(4, 13.5)}));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(3, 20, 2, 2), QColor(0x3c, 0xe0, 0x4a));
    painter.fillRect(QRect(6, 20, 2, 2), QColor(0x3c, 0xe0, 0x4a));
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QRect port(11 + column * 5, 10 + row * 7, 4, 6);
            painter.fillRect(port, Art::ShieldTop);
            painter.fillRect(port.adjusted(1, 1, -1, -1), Art::Opening);
            painter.fillRect(QRect(port.left() + 1, row == 0 ? port.top() + 1 : port.bottom() - 1, 2, 1),
                             Art::Contact);
        }
    }
}

QImage IconArtist::AboutIcon()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(QColor(0xf0, 0xf0, 0xf0));
    QPainter painter(&image);
    PaintSwitchFront(painter);
    return image;
}

QImage IconArtist::ApplicationIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.scale(size / 32.0, size / 32.0);
    PaintSwitchFront(painter);
    return image;
}
