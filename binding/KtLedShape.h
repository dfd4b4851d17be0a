#pragma once

#include <QColor>
#include <QWidget>

// One LED of a front panel: a filled shape of the widget's size. Setting its
// colours only stores them and schedules a repaint, so the LED binding can
// set them on every blink step at little cost.
class KtLedShape : public QWidget
{
public:
    enum ShapeKind
    {
        Rectangle = 0
    };

    explicit KtLedShape(QWidget *parent = nullptr, ShapeKind kind = Rectangle);

    ShapeKind Kind() const { return kind_; }

    // Fill and outline colour; repaints only when one of them changes.
    void SetColors(const QColor &brush, const QColor &pen);
    QColor BrushColor() const { return brush_; }
    QColor PenColor() const { return pen_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ShapeKind kind_;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
};
