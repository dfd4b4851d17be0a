// Port buttons show their socket's glyph, the pressed glyph while down.
#include "KtPortButton.h"
#include "KtJpegImage.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The colour at the centre of a picture.
QColor CentreOf(const QImage &image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST(PortButtonTest, ShowsTheGlyphOfItsState)
{
    QWidget window;
    const struct
    {
        const char *name;
        ButtonKind kind;
        SocketKind socket;
        QSize size;
    } cases[] = {
        {"toggle copper", ButtonKind::Toggle, SocketKind::Rj45, {23, 23}},
        {"plain combo", ButtonKind::Plain, SocketKind::Combo, {25, 43}},
        {"toggle mini-GBIC", ButtonKind::Toggle, SocketKind::Sfp, {23, 22}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PortButton layout{"SpeedButton1", 1, QRect({3, 4}, c.size), c.kind, c.socket};
        KtPortButton button(layout, &window);
        EXPECT_EQ(button.objectName(), "SpeedButton1");
        EXPECT_EQ(button.geometry(), layout.Rect);
        EXPECT_EQ(button.isCheckable(), c.kind == ButtonKind::Toggle);
        const QImage up = KtJpegImage::Load(SocketGlyphPath(layout, false));
        const QImage down = KtJpegImage::Load(SocketGlyphPath(layout, true));
        ASSERT_FALSE(up.isNull());
        ASSERT_FALSE(down.isNull());
        ASSERT_NE(CentreOf(up), CentreOf(down));

        EXPECT_EQ(CentreOf(button.grab().toImage()), CentreOf(up));
        button.setDown(true);
        EXPECT_TRUE(button.IsPressed());
        EXPECT_EQ(CentreOf(button.grab().toImage()), CentreOf(down));
        button.Release();
        EXPECT_FALSE(button.IsPressed());

        button.Press();
        EXPECT_EQ(button.IsPressed(), c.kind == ButtonKind::Toggle) << "only a toggle button stays down";
        button.Release();
        EXPECT_FALSE(button.IsPressed());
    }
}

} // namespace
