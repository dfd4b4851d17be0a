#include "PanelArtist.h"

#include "ArtPalette.h"
#include "FacePainter.h"
#include "SocketPainter.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

quint32 SeedOf(const PanelLayout &layout)
{
    return qHash(QByteArray(layout.PicturePath));
}

bool IsModule(const PanelLayout &layout)
{
    return layout.Kind != PanelKind::FrontPanel;
}

// The LEDs of the ports on a unit's panel or slot module; bay modules keep
// their LEDs on the plate, beside their own labels.
QList<Led> PortLedsOf(const PanelLayout &layout)
{
    QList<Led> leds;
    if (layout.Kind == PanelKind::BayModule || layout.Kind == PanelKind::BayContent)
        return leds;
    QStringList statusPanels;
    for (const LedPanelLayout &panel : layout.StatusLeds)
        statusPanels.append(QString::fromLatin1(panel.Name));
    for (const Led &led : LedsOf(layout)) {
        if (!statusPanels.contains(led.Holder))
            leds.append(led);
    }
    return leds;
}

// Neighbouring buttons share one well.
QList<QRect> ClustersOf(QList<QRect> rects, int reach)
{
    bool merged = true;
    while (merged) {
        merged = false;
        for (qsizetype i = 0; i < rects.size() && !merged; ++i) {
            for (qsizetype j = i + 1; j < rects.size() && !merged; ++j) {
                if (rects[i].adjusted(-reach, -reach, reach, reach).intersects(rects[j])) {
                    rects[i] |= rects[j];
                    rects.removeAt(j);
                    merged = true;
                }
            }
        }
    }
    return rects;
}

QString StatusLedName(const QString &panel)
{
    if (panel.startsWith(u"Power"))
        return QStringLiteral("POWER");
    if (panel.startsWith(u"Console"))
        return QStringLiteral("CONSOLE");
    return QStringLiteral("RPS");
}

// Where an LED panel's LED shows, bound or not: the first LED of its first
// row, clipped by the panel.
QRect FirstLedOf(const LedPanelLayout &panel)
{
    const QRect led(panel.Rect.topLeft() + QPoint(panel.Rows[0].Start, 1), panel.LedSize);
    return led & panel.Rect;
}

} // namespace

QImage PanelArtist::Draw() const
{
    const QRect picture = Layout().PictureRect;
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(Art::Edge);
    QPainter painter(&image);
    painter.translate(-picture.topLeft());
    Paint(painter);
    return image;
}

void PanelArtist::Paint(QPainter &painter) const
{
    FacePainter face(painter, SeedOf(Layout()));
    const QRect picture = Layout().PictureRect;
    face.BrushedMetal(picture, IsModule(Layout()) ? FacePainter::Metal::Plate : FacePainter::Metal::Face);
    PaintSlots(face);
    PaintBay(painter);
    PaintWells(face);
    if (Layout().PictureShowsSockets)
        PaintSockets(painter);
    PaintLeds(face);
    if (Layout().Stack)
        face.StackWindow(QRect(Layout().Stack->Pos, kStackPanelSize));
    PaintStatusLabels(face);
    PaintBayLedLabels(face);
    PaintPortNumbers(face);
    PaintShapeNumbers(face);
    PaintTexts(face);
    if (IsModule(Layout()))
        PaintModuleScrews(face);
}

// A dark well behind each group of ports, taking in the LED windows right
// beside them, so that ports and their LEDs read as one port area.
void PanelArtist::PaintWells(FacePainter &face) const
{
    const QList<PortButton> buttons = PortButtonsOf(Layout());
    QList<QRect> areas;
    for (const PortBlockLayout &block : Layout().PortBlocks) {
        if (!Layout().PictureShowsSockets)
            continue;
        QRect area;
        for (const PortButton &button : buttons) {
            if (button.Port >= block.FirstPort && button.Port < block.FirstPort + 2 * block.Columns)
                area |= button.Rect;
        }
        areas.append(area);
    }
    for (const PortButtonLayout &button : Layout().Buttons)
        areas.append(button.Rect);
    areas = ClustersOf(areas, 6);

    for (QRect &area : areas) {
        const QRect reach = area.adjusted(-12, -10, 1, 10);
        for (const Led &led : PortLedsOf(Layout())) {
            if (reach.contains(led.VisibleRect))
                area |= led.VisibleRect;
        }
        face.Well(area.adjusted(-2, -2, 2, 2));
    }
}

void PanelArtist::PaintSockets(QPainter &painter) const
{
    for (const PortButton &button : PortButtonsOf(Layout()))
        SocketPainter::Draw(painter, button.Socket, button.Rect, false);
}

void PanelArtist::PaintLeds(FacePainter &face) const
{
    for (const Led &led : LedsOf(Layout()))
        face.LedWindow(led.VisibleRect);
    // Status LEDs that are drawn but never bound (the generic panel).
    for (const LedPanelLayout &panel : Layout().StatusLeds) {
        if (!panel.Rows[0].Bytes)
            face.LedWindow(FirstLedOf(panel));
    }
}

// Bay modules name their port LEDs beside them, in the room before the port.
void PanelArtist::PaintBayLedLabels(FacePainter &face) const
{
    if (Layout().Kind != PanelKind::BayModule && Layout().Kind != PanelKind::BayContent)
        return;
    const QList<PortButton> buttons = PortButtonsOf(Layout());
    for (const LedPanelLayout &panel : Layout().PortLeds) {
        const QString name = QString::fromLatin1(panel.Name);
        const QString label = name.startsWith(u"Port1000") ? QStringLiteral("1000")
                              : name.endsWith(u"Link")     ? QStringLiteral("LINK")
                                                           : QStringLiteral("ACT");
        const QRect led = FirstLedOf(panel);
        int room = 40;
        for (const PortButton &button : buttons) {
            if (button.Rect.left() > led.right())
                room = qMin(room, button.Rect.left() - 3 - (led.right() + 3));
        }
        const QRect text(led.right() + 3, led.center().y() - 4, room, 9);
        const bool fits = QFontMetrics(FacePainter::Font(6, true, true)).horizontalAdvance(label) <= room;
        face.FittedText(text, Qt::AlignLeft | Qt::AlignVCenter, fits ? label : label.left(1), 7, true, true,
                        Art::DimLabel);
    }
}

void PanelArtist::PaintStatusLabels(FacePainter &face) const
{
    for (const LedPanelLayout &panel : Layout().StatusLeds) {
        const QRect led = panel.Rect;
        const int middle = led.top() + led.height() / 2;
        const QString name = StatusLedName(QString::fromLatin1(panel.Name));
        if (decoration_.StatusLabelsLeft)
            face.Text(QRect(led.left() - 44, middle - 5, 41, 10), Qt::AlignRight | Qt::AlignVCenter, name, 7,
                      true, true);
        else
            face.Text(QRect(led.right() + 4, middle - 5, 50, 10), Qt::AlignLeft | Qt::AlignVCenter, name, 7,
                      true, true);
    }
    if (Layout().Stack && decoration_.StackLabel) {
        const QRect stack(Layout().Stack->Pos, kStackPanelSize);
        face.Text(QRect(stack.left() - 6, stack.top() - 10, stack.width() + 12, 9),
                  Qt::AlignHCenter | Qt::AlignBottom, QString::fromLatin1(decoration_.StackLabel), 7, true,
                  true);
    }
}

// Each port's number: odd ports of a block above their port, even ports
// below, other ports above; clear of the LED windows next to the port.
void PanelArtist::PaintPortNumbers(FacePainter &face) const
{
    if (Layout().Kind == PanelKind::SlotModule || !Layout().PictureShowsSockets)
        return;
    const QList<Led> leds = LedsOf(Layout());
    const bool blockPorts = !Layout().PortBlocks.empty();
    for (const PortButton &button : PortButtonsOf(Layout())) {
        const QRect r = button.Rect;
        const bool inBlock = blockPorts && button.Name.startsWith(u"SpeedButton") && button.Port <= 48;
        const bool below = decoration_.PortNumbersBelow || (inBlock && button.Port % 2 == 0);
        int edge = below ? r.bottom() + 1 : r.top() - 1;
        for (const Led &led : leds) {
            const QRect window = led.VisibleRect.adjusted(-1, -1, 1, 1);
            if (window.right() < r.left() || window.left() > r.right())
                continue;
            if (below && window.top() >= r.bottom() - 2 && window.top() <= r.bottom() + 4)
                edge = qMax(edge, window.bottom() + 1);
            if (!below && window.bottom() <= r.top() + 2 && window.bottom() >= r.top() - 4)
                edge = qMin(edge, window.top() - 1);
        }
        const QRect text =
            below ? QRect(r.center().x() - 10, edge + 1, 21, 9) : QRect(r.center().x() - 10, edge - 9, 21, 9);
        face.Text(text, Qt::AlignHCenter | (below ? Qt::AlignTop : Qt::AlignBottom),
                  QString::number(button.Port), kPanelLabelPixelSize - 1, true, true);
    }
}

// The LED shapes of the gigabit panels and slot modules stand in a column
// beside the ports; number them 1 to 4 from the top.
void PanelArtist::PaintShapeNumbers(FacePainter &face) const
{
    int number = 1;
    for (const LedShapeLayout &shape : Layout().Shapes) {
        const QRect r = shape.Rect;
        face.Text(QRect(r.left() - 10, r.top() - 2, 8, r.height() + 4), Qt::AlignRight | Qt::AlignVCenter,
                  QString::number(number++), 7, true, true, Art::DimLabel);
    }
}

void PanelArtist::PaintSlots(FacePainter &face) const
{
    int number = 1;
    for (const SlotLayout &slot : Layout().Slots) {
        const QRect cover = slot.Rect;
        face.Recess(cover);
        face.BrushedMetal(cover, FacePainter::Metal::Cover);
        face.Screw(QPointF(cover.left() + 8.5, cover.top() + cover.height() / 2.0));
        face.Screw(QPointF(cover.right() - 7.5, cover.top() + cover.height() / 2.0));
        face.Text(cover, Qt::AlignCenter, QStringLiteral("MODULE SLOT %1").arg(number), 8, true, true,
                  QColor(0x3b, 0x40, 0x46));
        const QString label = QStringLiteral("SLOT %1  \u00b7  PORTS %2\u2013%3")
                                  .arg(number)
                                  .arg(slot.FirstPort)
                                  .arg(slot.FirstPort + 3);
        face.Text(QRect(cover.left(), cover.top() - 12, cover.width(), 10), Qt::AlignCenter, label, 7, true,
                  true);
        ++number;
    }
}

void PanelArtist::PaintBay(QPainter &painter) const
{
    const BayLayout *bay = Layout().Bay;
    if (!bay)
        return;
    painter.fillRect(bay->Rect.adjusted(-1, -1, 1, 1), Art::LedRecess);
    painter.save();
    painter.translate(bay->Rect.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), bay->Rect.size()));
    PanelArtist(BayDecoration()).Paint(painter);
    painter.restore();
}

void PanelArtist::PaintTexts(FacePainter &face) const
{
    const Decoration &d = decoration_;
    if (d.Title) {
        const bool unit = Layout().Kind == PanelKind::FrontPanel;
        const int size = unit ? d.TitleRect.height() - 2 : 8;
        face.FittedText(d.TitleRect, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(d.Title), size, true,
                        !unit, unit ? QColor(Qt::white) : QColor());
    }
    if (d.Subtitle) {
        const bool multiLine = QByteArray(d.Subtitle).contains('\n');
        face.FittedText(d.SubtitleRect, (multiLine ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter,
                        QString::fromUtf8(d.Subtitle), 7, true, true, Art::DimLabel);
    }
    if (!d.BadgeRect.isEmpty())
        face.Badge(d.BadgeRect);
    if (!d.ConsoleRect.isEmpty()) {
        face.ConsolePort(d.ConsoleRect);
        face.Text(QRect(d.ConsoleRect.left() - 10, d.ConsoleRect.top() - 12, d.ConsoleRect.width() + 20, 10),
                  Qt::AlignCenter, QStringLiteral("CONSOLE"), 7, true, true);
    }
    if (!d.VentRect.isEmpty())
        face.Vents(d.VentRect);
}

void PanelArtist::PaintModuleScrews(FacePainter &face) const
{
    if (Layout().Kind == PanelKind::SlotModule) {
        const QRect window(QPoint(0, 0), Layout().WindowSize);
        face.Screw(QPointF(12.5, window.bottom() - 10.5), 3.5);
        face.Screw(QPointF(50.5, window.bottom() - 10.5), 3.5);
        return;
    }
    const QRect window(QPoint(0, 0), Layout().WindowSize);
    face.Screw(QPointF(6.5, window.top() + 7.5), 3.0);
    face.Screw(QPointF(window.right() - 5.5, window.top() + 7.5), 3.0);
}
