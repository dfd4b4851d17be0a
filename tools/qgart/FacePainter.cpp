#include "FacePainter.h"

#include "ArtPalette.h"

#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace {

QColor Mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

int Clamp(int value)
{
    return qBound(0, value, 255);
}

} // namespace

void FacePainter::BrushedMetal(const QRect &rect, Metal metal)
{
    const QColor top = metal == Metal::Face    ? Art::FaceTop
                       : metal == Metal::Plate ? Art::PlateTop
                                               : Art::CoverTop;
    const QColor bottom = metal == Metal::Face    ? Art::FaceBottom
                          : metal == Metal::Plate ? Art::PlateBottom
                                                  : Art::CoverBottom;

    // Horizontal brushing: every row has its own slight brightness, every
    // pixel a little grain.
    QRandomGenerator random(seed_ ^ quint32(rect.x() * 7919 + rect.y() * 104729 + int(metal)));
    QImage metalImage(rect.size(), QImage::Format_RGB32);
    double streak = 0;
    for (int y = 0; y < rect.height(); ++y) {
        const double t = rect.height() > 1 ? double(y) / (rect.height() - 1) : 0;
        const QColor base = Mix(top, bottom, t);
        streak = 0.6 * streak + 0.4 * (random.bounded(7) - 3);
        auto *line = reinterpret_cast<QRgb *>(metalImage.scanLine(y));
        for (int x = 0; x < rect.width(); ++x) {
            const int grain = int(streak) + random.bounded(3) - 1;
            line[x] =
                qRgb(Clamp(base.red() + grain), Clamp(base.green() + grain), Clamp(base.blue() + grain + 1));
        }
    }
    painter_.drawImage(rect.topLeft(), metalImage);

    const QColor highlight = metal == Metal::Face ? Art::FaceHighlight : Mix(top, Qt::white, 0.35);
    painter_.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), highlight);
    painter_.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), Mix(highlight, top, 0.5));
    painter_.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), Art::FaceShadow);
    painter_.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), Art::FaceShadow);
}

void FacePainter::Well(const QRect &rect)
{
    painter_.fillRect(rect, Art::Well);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(QPen(Art::WellFrame, 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect.adjusted(-1, -1, 0, 0));
}

void FacePainter::Recess(const QRect &rect)
{
    painter_.fillRect(rect.adjusted(-1, -1, 1, 1), Art::LedRecess);
}

// An unlit LED behind a small dark bezel; the live LED shape covers the lens.
void FacePainter::LedWindow(const QRect &visible)
{
    painter_.fillRect(visible.adjusted(-1, -1, 1, 1), Art::LedRecess);
    QLinearGradient lens(visible.topLeft(), visible.bottomLeft());
    lens.setColorAt(0, Art::LedLensTop);
    lens.setColorAt(1, Art::LedLensBottom);
    painter_.fillRect(visible, lens);
}

void FacePainter::Screw(const QPointF &centre, qreal radius)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient head(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    head.setColorAt(0, QColor(0xd5, 0xda, 0xdf));
    head.setColorAt(1, QColor(0x59, 0x5f, 0x66));
    painter_.setPen(QPen(QColor(0x15, 0x17, 0x1a), 0.8));
    painter_.setBrush(head);
    painter_.drawEllipse(centre, radius, radius);
    painter_.setPen(QPen(QColor(0x2b, 0x2f, 0x33), 1.0));
    painter_.drawLine(centre + QPointF(-radius * 0.6, radius * 0.3),
                      centre + QPointF(radius * 0.6, -radius * 0.3));
    painter_.restore();
}

// The sunken window in which the stack-number picture sits.
void FacePainter::StackWindow(const QRect &panel)
{
    painter_.fillRect(panel, QColor(0x0a, 0x0b, 0x0c));
    painter_.fillRect(QRect(panel.left(), panel.top(), panel.width(), 1), QColor(0x03, 0x03, 0x04));
    painter_.fillRect(QRect(panel.left(), panel.top(), 1, panel.height()), QColor(0x03, 0x03, 0x04));
    painter_.fillRect(QRect(panel.left(), panel.bottom(), panel.width(), 1), Art::FaceHighlight);
    painter_.fillRect(QRect(panel.right(), panel.top(), 1, panel.height()), Art::FaceHighlight);
}

// A DB-9 console connector with its two locking posts.
void FacePainter::ConsolePort(const QRect &rect)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    const QRectF shell = QRectF(rect).adjusted(rect.height() * 0.9, 0.5, -rect.height() * 0.9, -0.5);
    auto trapezoid = [](const QRectF &r) {
        const qreal slant = r.height() * 0.18;
        QPainterPath path;
        path.moveTo(r.left(), r.top());
        path.lineTo(r.right(), r.top());
        path.lineTo(r.right() - slant, r.bottom());
        path.lineTo(r.left() + slant, r.bottom());
        path.closeSubpath();
        return path;
    };
    QLinearGradient metal(shell.topLeft(), shell.bottomLeft());
    metal.setColorAt(0, Art::ShieldTop);
    metal.setColorAt(1, Art::ShieldBottom);
    painter_.setPen(QPen(Art::ShieldOutline, 1));
    painter_.setBrush(metal);
    painter_.drawPath(trapezoid(shell));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(0x1a, 0x1c, 0x1f));
    painter_.drawPath(trapezoid(shell.adjusted(2, 2, -2, -2)));
    painter_.setBrush(QColor(0xb9, 0x9a, 0x45));
    const QRectF inner = shell.adjusted(4, 4, -4, -4);
    for (int pin = 0; pin < 5; ++pin)
        painter_.drawEllipse(QPointF(inner.left() + pin * inner.width() / 4, inner.top() + 0.5), 0.9, 0.9);
    for (int pin = 0; pin < 4; ++pin)
        painter_.drawEllipse(QPointF(inner.left() + (pin + 0.5) * inner.width() / 4, inner.bottom() - 0.5),
                             0.9, 0.9);
    painter_.restore();
    const qreal post = rect.height() * 0.45;
    Screw(QPointF(rect.left() + post, rect.center().y() + 0.5), rect.height() * 0.22);
    Screw(QPointF(rect.right() - post + 1, rect.center().y() + 0.5), rect.height() * 0.22);
}

// The maker's badge: a small brushed-aluminium plate with the name.
void FacePainter::Badge(const QRect &rect)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient metal(rect.topLeft(), rect.bottomLeft());
    metal.setColorAt(0, Art::BadgeTop);
    metal.setColorAt(1, Art::BadgeBottom);
    painter_.setPen(QPen(QColor(0x10, 0x12, 0x14), 1));
    painter_.setBrush(metal);
    painter_.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    const QRectF mark(rect.left() + 3, rect.top() + 3, rect.height() - 6, rect.height() - 6);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Art::Accent);
    QPainterPath chevron;
    chevron.moveTo(mark.left(), mark.top());
    chevron.lineTo(mark.right(), mark.center().y());
    chevron.lineTo(mark.left(), mark.bottom());
    chevron.lineTo(mark.left() + mark.width() * 0.35, mark.center().y());
    chevron.closeSubpath();
    painter_.drawPath(chevron);
    painter_.restore();
    const QRect name = rect.adjusted(int(mark.width()) + 5, 0, -3, 0);
    const QString maker = QStringLiteral("Keltra");
    QFont font = Font(FittingPixelSize(name, maker, rect.height() - 4, true, false, true), true);
    font.setItalic(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.3);
    painter_.setFont(font);
    painter_.setPen(Art::BadgeInk);
    painter_.drawText(name, Qt::AlignCenter, maker);
}

// Ventilation slots punched into the face.
void FacePainter::Vents(const QRect &rect)
{
    for (int x = rect.left(); x + 3 <= rect.right() + 1; x += 6) {
        painter_.fillRect(QRect(x, rect.top(), 3, rect.height()), QColor(0x07, 0x08, 0x09));
        painter_.fillRect(QRect(x, rect.bottom() + 1, 3, 1), Art::FaceHighlight);
    }
}

QFont FacePainter::Font(int pixelSize, bool bold, bool condensed)
{
    QFont font(QString::fromLatin1(condensed ? Art::CondensedFamily : Art::SansFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void FacePainter::Text(const QRect &rect, int flags, const QString &text, int pixelSize, bool bold,
                       bool condensed, const QColor &colour)
{
    painter_.setFont(Font(pixelSize, bold, condensed));
    painter_.setPen(colour.isValid() ? colour : Art::Label);
    painter_.drawText(rect, flags, text);
}

int FacePainter::FittingPixelSize(const QRect &rect, const QString &text, int maxPixelSize, bool bold,
                                  bool condensed, bool italic)
{
    int size = maxPixelSize;
    for (; size > 5; --size) {
        QFont font = Font(size, bold, condensed);
        font.setItalic(italic);
        const QRect needed = QFontMetrics(font).boundingRect(rect, 0, text);
        if (needed.width() <= rect.width() && needed.height() <= rect.height() + 2)
            break;
    }
    return size;
}

void FacePainter::FittedText(const QRect &rect, int flags, const QString &text, int maxPixelSize, bool bold,
                             bool condensed, const QColor &colour)
{
    Text(rect, flags, text, FittingPixelSize(rect, text, maxPixelSize, bold, condensed), bold, condensed,
         colour);
}
