#include "AllLayouts.h"
#include "KtImageList.h"
#include "KtJpegImage.h"
#include "PanelLayout.h"
#include "QgPictures.h"

#include <gtest/gtest.h>

namespace {

QImage Load(const QString &path)
{
    QString error;
    const QImage image = KtJpegImage::Load(path, &error);
    EXPECT_FALSE(image.isNull()) << qPrintable(path) << ": " << qPrintable(error);
    return image;
}

int Brightness(QRgb pixel)
{
    return qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel)));
}

// The picture of a layout, the bay drawn into the QF1824 included, and the
// offset from window to picture coordinates.
struct PictureOf
{
    QImage image;
    QPoint offset;
};

QList<std::pair<const PanelLayout *, PictureOf>> PicturesWithLayouts()
{
    QList<std::pair<const PanelLayout *, PictureOf>> pictures;
    for (const PanelLayout *layout : AllLayouts()) {
        const QImage image = Load(QString::fromLatin1(layout->PicturePath));
        pictures.append({layout, {image, -layout->PictureRect.topLeft()}});
        if (layout->Bay)
            pictures.append({layout->Bay->Content, {image, layout->Bay->Rect.topLeft()}});
    }
    return pictures;
}

} // namespace

TEST(Pictures, EveryPictureExistsAtItsSize)
{
    for (const PanelLayout *layout : AllLayouts()) {
        EXPECT_EQ(Load(QString::fromLatin1(layout->PicturePath)).size(), layout->PictureRect.size())
            << layout->PicturePath;
        for (const PortButton &button : PortButtonsOf(*layout)) {
            for (bool pressed : {false, true})
                EXPECT_EQ(Load(SocketGlyphPath(button, pressed)).size(), button.Rect.size());
        }
    }
    EXPECT_EQ(Load(QString::fromLatin1(kAboutIconPath)).size(), QSize(32, 32));
}

// Under every button the picture shows the very socket of the button's
// glyph, and under every LED an LED window: a lens inside a dark bezel.
TEST(Pictures, SocketsAndLedWindowsLieUnderButtonsAndLeds)
{
    for (const auto &[layout, picture] : PicturesWithLayouts()) {
        SCOPED_TRACE(layout->PicturePath);
        if (layout->PictureShowsSockets) {
            for (const PortButton &button : PortButtonsOf(*layout)) {
                const QImage under = picture.image.copy(button.Rect.translated(picture.offset));
                const QImage glyph = Load(SocketGlyphPath(button, false));
                EXPECT_LT(MeanDifference(under, glyph), 6.0) << qPrintable(button.Name);
                EXPECT_GT(MeanDifference(under, Load(SocketGlyphPath(button, true))), 15.0)
                    << qPrintable(button.Name);
            }
        }
        for (const Led &led : LedsOf(*layout)) {
            const QRect lens = led.VisibleRect.translated(picture.offset);
            const QRgb bezel = picture.image.pixel(lens.left() - 1, lens.center().y());
            const QRgb centre = picture.image.pixel(lens.center());
            EXPECT_LT(Brightness(bezel), 30) << qPrintable(led.Holder);
            EXPECT_GT(Brightness(centre), Brightness(bezel) + 20) << qPrintable(led.Holder);
        }
    }
}

TEST(Pictures, StackNumbersFormAnImageList)
{
    const KtImageList stack = KtImageList::StackNumbers();
    ASSERT_EQ(stack.Count(), kStackPictureCount);
    for (int index = 0; index < stack.Count(); ++index)
        EXPECT_EQ(stack.Pixmap(index).size(), kStackImageRect.size()) << index;
    EXPECT_TRUE(stack.Pixmap(-1).isNull());
    EXPECT_TRUE(stack.Pixmap(StackPictureIndexFor(16)).isNull());
    EXPECT_TRUE(stack.Pixmap(kStackPictureCount).isNull());
    // Different units show different pictures.
    EXPECT_NE(stack.Pixmap(0).toImage(), stack.Pixmap(StackPictureIndexFor(15)).toImage());
}

TEST(Pictures, AListKeepsThePlaceOfAPictureThatCannotBeRead)
{
    const KtImageList list = KtImageList::FromPictures(
        {StackPicturePath(0), QStringLiteral(":/pictures/no-such-picture.jpg"), StackPicturePath(2)});
    ASSERT_EQ(list.Count(), 3);
    EXPECT_FALSE(list.Pixmap(0).isNull());
    EXPECT_TRUE(list.Pixmap(1).isNull());
    EXPECT_FALSE(list.Pixmap(2).isNull());
}
