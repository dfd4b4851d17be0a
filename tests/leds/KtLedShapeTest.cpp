// The LED shape: a filled rectangle in its brush colour, outlined in its pen
// colour, repainted only when a colour changes.
#include "KtLedShape.h"

#include <QEvent>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST(LedShapeTest, PaintsBrushInsidePenOutline)
{
    KtLedShape shape;
    shape.resize(7, 7);
    shape.SetColors(Qt::green, Qt::red);
    EXPECT_EQ(shape.BrushColor(), QColor(Qt::green));
    EXPECT_EQ(shape.PenColor(), QColor(Qt::red));
    EXPECT_EQ(shape.Kind(), KtLedShape::Rectangle);
    const QImage image = shape.grab().toImage();
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(6, 6), QColor(Qt::red));
}

TEST(LedShapeTest, RepaintsOnlyWhenAColourChanges)
{
    QWidget window;
    auto *shape = new KtLedShape(&window);
    shape->setGeometry(1, 1, 6, 6);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    shape->installEventFilter(&counter);

    shape->SetColors(Qt::blue, Qt::blue);
    shape->SetColors(Qt::red, Qt::red);
    QTest::qWait(50);
    EXPECT_EQ(counter.paints, 1) << "two changes in a row make one repaint";

    counter.paints = 0;
    shape->SetColors(Qt::red, Qt::red);
    QTest::qWait(50);
    EXPECT_EQ(counter.paints, 0);
}

} // namespace
