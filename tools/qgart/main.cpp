// qgart RESOURCES_DIR: draws every panel picture, socket glyph, stack-number
// picture and the About icon into RESOURCES_DIR/pictures/ as JPEG files and
// writes RESOURCES_DIR/pictures.qrc listing them.
#include "Decoration.h"
#include "IconArtist.h"
#include "JpegWriter.h"
#include "PanelArtist.h"
#include "SocketPainter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <map>
#include <utility>

namespace {

// The artwork's texts use the DejaVu fonts; loading them by file makes a
// missing font an error instead of a silent substitute.
bool LoadFonts()
{
    const QString dir = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    for (const char *file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-BoldOblique.ttf",
                             "DejaVuSansCondensed.ttf", "DejaVuSansCondensed-Bold.ttf"}) {
        if (QFontDatabase::addApplicationFont(dir + QLatin1String(file)) < 0) {
            std::fprintf(stderr, "qgart: cannot load the font %s%s\n", qPrintable(dir), file);
            return false;
        }
    }
    return true;
}

class PictureWriter
{
public:
    explicit PictureWriter(const QString &resources) : resources_(resources) {}

    // Writes a picture to the file behind a resource path ":/pictures/...".
    bool Write(const QString &resourcePath, const QImage &image)
    {
        const QString relative = resourcePath.mid(2);
        const QString path = resources_.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        if (!JpegWriter::Write(image, path)) {
            std::fprintf(stderr, "qgart: cannot write %s\n", qPrintable(path));
            return false;
        }
        written_.append(relative);
        return true;
    }

    bool WriteCatalogue() const
    {
        QSaveFile file(resources_.filePath(QStringLiteral("pictures.qrc")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
            return false;
        QTextStream out(&file);
        out << "<!DOCTYPE RCC>\n<!-- Written by qgart (scripts/draw-pictures); do not edit. -->\n"
            << "<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
        QStringList files = written_;
        files.sort();
        for (const QString &name : files)
            out << "    <file>" << name << "</file>\n";
        out << "</qresource>\n</RCC>\n";
        out.flush();
        return file.commit();
    }

private:
    QDir resources_;
    QStringList written_;
};

// Old pictures go first, so that a picture no layout uses any more does not
// linger in the resources.
void RemoveOldPictures(const QString &resources)
{
    QDirIterator it(resources + QStringLiteral("/pictures"), {QStringLiteral("*.jpg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::remove(it.next());
}

QImage Glyph(SocketKind kind, QSize size, bool pressed)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    SocketPainter::Draw(painter, kind, QRect(QPoint(0, 0), size), pressed);
    return image;
}

bool WriteGlyphs(PictureWriter &writer)
{
    std::map<std::pair<int, std::pair<int, int>>, std::pair<SocketKind, QSize>> glyphs;
    for (const Decoration &decoration : Decorations()) {
        for (const PortButton &button : PortButtonsOf(*decoration.Layout)) {
            const QSize size = button.Rect.size();
            glyphs[{int(button.Socket), {size.width(), size.height()}}] = {button.Socket, size};
        }
    }
    bool ok = true;
    for (const auto &[key, glyph] : glyphs) {
        for (bool pressed : {false, true})
            ok &= writer.Write(SocketGlyphPath(glyph.first, glyph.second, pressed),
                               Glyph(glyph.first, glyph.second, pressed));
    }
    return ok;
}

} // namespace

// The application icon in the hicolor theme's usual sizes, as PNG files
// under DIR/hicolor/NxN/apps/qg2312.png.
bool WriteApplicationIcons(const QString &dir)
{
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString sizeDir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(size);
        QDir().mkpath(sizeDir);
        const QString path = sizeDir + QStringLiteral("/qg2312.png");
        if (!IconArtist::ApplicationIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "qgart: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qgart RESOURCES_DIR\n");
        return 2;
    }
    if (!LoadFonts())
        return 1;

    const QString resources = QString::fromLocal8Bit(argv[1]);
    RemoveOldPictures(resources);
    PictureWriter writer(resources);
    bool ok = true;
    for (const Decoration &decoration : Decorations())
        ok &=
            writer.Write(QString::fromLatin1(decoration.Layout->PicturePath), PanelArtist(decoration).Draw());
    ok &= WriteGlyphs(writer);
    for (int index = 0; index < kStackPictureCount; ++index)
        ok &= writer.Write(StackPicturePath(index), IconArtist::StackNumber(index == 13 ? 15 : index + 1));
    ok &= writer.Write(QString::fromLatin1(kAboutIconPath), IconArtist::AboutIcon());
    ok &= writer.WriteCatalogue();
    ok &= WriteApplicationIcons(QDir(resources).filePath(QStringLiteral("icons")));
    return ok ? 0 : 1;
}
