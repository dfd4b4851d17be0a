// The LED shape: a filled rectangle in its brush colour, outlined in its pen
// colour, repainted only when a colour changes.
#include "KtLedShape.h"
#include "QgWait.h"

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
    // A widget beside the shape, repainted on purpose: the window paints
    // every widget due at once, so once the probe is painted, a repaint the
    // shape asked for has come too.
    auto *probe = new QWidget(&window);
    probe->setGeometry(20, 1, 6, 6);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    shape->installEventFilter(&counter);
    PaintCounter probeCounter;
    probe->installEventFilter(&probeCounter);
    auto paintsAfterProbe = [&] {
        probeCounter.paints = 0;
        probe->update();
        EXPECT_TRUE(WaitUntil([&] { return probeCounter.paints > 0; }));
        return counter.paints;
    };

    shape->SetColors(Qt::blue, Qt::blue);
    shape->SetColors(Qt::red, Qt::red);
    EXPECT_EQ(paintsAfterProbe(), 1) << "two changes in a row make one repaint";

    counter.paints = 0;
    shape->SetColors(Qt::red, Qt::red);
    EXPECT_EQ(paintsAfterProbe(), 0);
}

} // namespace
