#include "KtJpegImage.h"
#include "PanelLayout.h"
#include "QgPictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ResourceBytes(const QString &path)
{
    KtJpegImage::RegisterPictures();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    return file.readAll();
}

// Byte offset of the first start-of-scan marker.
qsizetype ScanStart(const QByteArray &jpeg)
{
    return jpeg.indexOf(QByteArray("\xff\xda", 2));
}

} // namespace

TEST(KtJpegImage, DecodesAPanelPictureLikeQtsOwnReader)
{
    const QByteArray jpeg = ResourceBytes(QString::fromLatin1(QG2312Layout.PicturePath));
    QString error;
    const QImage image = KtJpegImage::Decode(jpeg, &error);
    ASSERT_FALSE(image.isNull()) << qPrintable(error);
    EXPECT_EQ(image.size(), QSize(780, 89));
    EXPECT_LT(MeanDifference(image, QImage::fromData(jpeg, "JPEG")), 1.0);
}

// 23 pixels of RGB are 69 bytes, padded to 72 per line: rows must not shear.
TEST(KtJpegImage, DecodesRowsWhoseLengthIsNotAMultipleOfFour)
{
    const QByteArray jpeg = ResourceBytes(SocketGlyphPath(SocketKind::Rj45, {23, 23}, false));
    const QImage image = KtJpegImage::Decode(jpeg);
    ASSERT_EQ(image.size(), QSize(23, 23));
    EXPECT_LT(MeanDifference(image, QImage::fromData(jpeg, "JPEG")), 1.0);
}

TEST(KtJpegImage, DecodesGreyscaleIntoRgb)
{
    QImage grey(40, 30, QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y)
        memset(grey.scanLine(y), y * 8, size_t(grey.width()));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "jpeg").write(grey));

    const QImage image = KtJpegImage::Decode(buffer.data());
    ASSERT_EQ(image.size(), grey.size());
    const QColor row20 = image.pixelColor(10, 20);
    EXPECT_NEAR(row20.red(), 160, 4);
    EXPECT_EQ(row20.red(), row20.green());
    EXPECT_EQ(row20.green(), row20.blue());
}

// Damaged data must give a null image with a reason, never a crash or a
// picture whose missing part libjpeg filled with grey.
TEST(KtJpegImage, RefusesDamagedData)
{
    const QByteArray good = ResourceBytes(QString::fromLatin1(QF1848Layout.PicturePath));
    const qsizetype scan = ScanStart(good);
    ASSERT_GT(scan, 0);

    QByteArray hugeFrame = good;
    const qsizetype frame = hugeFrame.indexOf(QByteArray("\xff\xc0", 2));
    ASSERT_GT(frame, 0);
    hugeFrame[frame + 5] = char(0xff); // height 65 000 and more
    hugeFrame[frame + 7] = char(0xff); // width likewise

    QByteArray markerInScan = good;
    markerInScan[scan + 400] = char(0xff);
    markerInScan[scan + 401] = char(0xd9); // end of image in the middle of the data

    QByteArray noQuantTables = good;
    noQuantTables.replace(QByteArray("\xff\xdb", 2), QByteArray("\xff\xfe", 2)); // tables become comments

    const struct
    {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"garbage", QByteArray(5000, 'x')},
        {"only the start marker", good.left(2)},
        {"header without scan", good.left(scan)},
        {"truncated in the scan", good.left(scan + (good.size() - scan) / 2)},
        {"last bytes missing", good.left(good.size() - 2)},
        {"end marker inside the scan", markerInScan},
        {"no quantisation tables", noQuantTables},
        {"huge frame", hugeFrame},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_TRUE(KtJpegImage::Decode(c.bytes, &error).isNull());
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(KtJpegImage, LoadsFilesAndResourcesAndReportsMissingOnes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("about.jpg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ResourceBytes(QString::fromLatin1(kAboutIconPath)));
    file.close();

    EXPECT_EQ(KtJpegImage::Load(path).size(), QSize(32, 32));
    EXPECT_EQ(KtJpegImage::Load(QString::fromLatin1(kAboutIconPath)).size(), QSize(32, 32));
    QString error;
    EXPECT_TRUE(KtJpegImage::Load(dir.filePath(QStringLiteral("missing.jpg")), &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("missing.jpg")));
}
