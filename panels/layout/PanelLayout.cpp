#include "PanelLayout.h"

#include <QStringList>

constinit const PanelLayout *const kFrontPanelLayouts[8] = {
    &QG2212Layout, &QF1824Layout,  &QF1848Layout, &QG2312Layout,
    &QL2424Layout, &QL2424RLayout, &QL2448Layout, &GenericLayout,
};

constinit const char *const kAboutIconPath = ":/pictures/about.jpg";

const PanelLayout &FrontPanelLayoutFor(const QString &model)
{
    for (const PanelLayout *layout : kFrontPanelLayouts) {
        if (layout->Selector && model == QLatin1String(layout->Selector))
            return *layout;
    }
    return GenericLayout;
}

namespace {

PortButton ButtonOf(const PortButtonLayout &button)
{
    return {QString::fromLatin1(button.Name), button.Port, button.Rect, button.Kind, button.Socket};
}

PortButton BlockButton(const PortBlockLayout &block, int index)
{
    const PortRowLayout &row = index % 2 == 0 ? block.OddRow : block.EvenRow;
    const int port = block.FirstPort + index;
    const int left = block.Left + (index / 2) * block.Pitch;
    return {QStringLiteral("SpeedButton%1").arg(port), port, QRect({left, row.Top}, row.Size), row.Kind,
            row.Socket};
}

void AppendLedRows(QList<Led> &leds, const LedPanelLayout &panel)
{
    for (const LedRowLayout &row : panel.Rows) {
        const QList<int> bytes = LedBytesOf(row.Bytes);
        for (int k = 0; k < bytes.size(); ++k) {
            const QPoint inPanel(row.Start + k * (panel.Gap + panel.LedSize.width()), 1);
            const QRect rect(panel.Rect.topLeft() + inPanel, panel.LedSize);
            leds.append({QString::fromLatin1(panel.Name), rect, rect & panel.Rect, bytes[k], panel.Colours});
        }
    }
}

} // namespace

QList<PortButton> PortButtonsOf(const PanelLayout &layout)
{
    QList<PortButton> buttons;
    for (const PortBlockLayout &block : layout.PortBlocks) {
        for (int index = 0; index < 2 * block.Columns; ++index)
            buttons.append(BlockButton(block, index));
    }
    for (const PortButtonLayout &button : layout.Buttons)
        buttons.append(ButtonOf(button));
    return buttons;
}

QList<Led> LedsOf(const PanelLayout &layout, const SlotLayout *slot)
{
    QList<Led> leds;
    for (const LedPanelLayout &panel : layout.StatusLeds)
        AppendLedRows(leds, panel);
    for (const LedPanelLayout &panel : layout.PortLeds)
        AppendLedRows(leds, panel);
    const QList<int> shapeBytes = LedBytesOf(slot ? slot->LedBytes : layout.ShapeBytes);
    for (qsizetype k = 0; k < qsizetype(layout.Shapes.size()); ++k) {
        const LedShapeLayout &shape = layout.Shapes[k];
        const int byte = k < shapeBytes.size() ? shapeBytes[k] : -1;
        leds.append(
            {QString::fromLatin1(shape.Name), shape.Rect, shape.Rect, byte, LedColourMap::PanelLedColours});
    }
    return leds;
}

QList<int> LedBytesOf(const char *bytes)
{
    QList<int> numbers;
    if (!bytes)
        return numbers;
    for (const QString &item : QString::fromLatin1(bytes).split(u',', Qt::SkipEmptyParts))
        numbers.append(item.trimmed().toInt());
    return numbers;
}

int PortNumbersShown(const PortNumberLabelLayout &label, int portCount)
{
    const int last = qMin(label.LastPort, portCount);
    return last < label.FirstPort ? 0 : (last - label.FirstPort) / 2 + 1;
}

int PortNumberLabelWidth(const PortNumberLabelLayout &label, int portCount)
{
    return qMax(0, PortNumbersShown(label, portCount) * kPortColumnPitch - 1);
}

QRect PortNumberCell(const PortNumberLabelLayout &label, int k)
{
    return {label.FirstColumnLeft + k * kPortColumnPitch, label.Pos.y(), kPortColumnPitch - 2, 12};
}

int StackPictureIndexFor(int unit)
{
    if (unit == 15)
        return 13;
    return unit >= 1 && unit <= kStackPictureCount ? unit - 1 : -1;
}

QString StackPicturePath(int index)
{
    return QStringLiteral(":/pictures/stack/stack-%1.jpg").arg(index, 2, 10, QLatin1Char('0'));
}

namespace {

const char *SocketName(SocketKind kind)
{
    switch (kind) {
    case SocketKind::Rj45:
        return "rj45";
    case SocketKind::Rj45Inverted:
        return "rj45-inverted";
    case SocketKind::Sfp:
        return "sfp";
    case SocketKind::Combo:
        return "combo";
    case SocketKind::Gbic:
        return "gbic";
    case SocketKind::ScDuplex:
        return "sc-duplex";
    case SocketKind::Stacking:
        return "stacking";
    }
    return "socket";
}

} // namespace

QString SocketGlyphPath(SocketKind kind, QSize size, bool pressed)
{
    return QStringLiteral(":/pictures/glyphs/%1-%2x%3%4.jpg")
        .arg(QLatin1String(SocketName(kind)))
        .arg(size.width())
        .arg(size.height())
        .arg(pressed ? QLatin1String("-pressed") : QLatin1String());
}

QString SocketGlyphPath(const PortButton &button, bool pressed)
{
    return SocketGlyphPath(button.Socket, button.Rect.size(), pressed);
}
