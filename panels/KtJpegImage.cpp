#include "KtJpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

// The resource initialiser of the qgpictures library; must be named at
// global scope.
static void InitPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace {

// libjpeg reports errors through its error manager. Its default ends the
// process, so errors jump back into the decoder instead, and warnings
// (premature end of data, corrupt entropy data) count as errors: libjpeg
// would otherwise fill the rest of a damaged picture with grey.
struct ErrorManager
{
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void LeaveOnError(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    manager->Base.format_message(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

void LeaveOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        LeaveOnError(info);
}

// One decompression. The functions that call setjmp hold no objects with
// destructors, so a jump back from libjpeg skips nothing; the QImage lives
// in the caller and is only written through a plain pointer.
class Decompressor
{
public:
    Decompressor()
    {
        std::memset(&info_, 0, sizeof info_);
        std::memset(&errors_, 0, sizeof errors_);
        info_.err = jpeg_std_error(&errors_.Base);
        errors_.Base.error_exit = LeaveOnError;
        errors_.Base.emit_message = LeaveOnWarning;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info_); }
    Decompressor(const Decompressor &) = delete;
    Decompressor &operator=(const Decompressor &) = delete;

    // Reads the header: the picture's size is known afterwards.
    bool ReadHeader(const unsigned char *data, unsigned long size)
    {
        if (setjmp(errors_.Jump))
            return false;
        jpeg_create_decompress(&info_);
        jpeg_mem_src(&info_, data, size);
        jpeg_read_header(&info_, TRUE);
        return true;
    }

    // Starts decompression to 8-bit RGB.
    bool Start()
    {
        if (setjmp(errors_.Jump))
            return false;
        info_.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info_);
        return true;
    }

    qint64 HeaderPixels() const { return qint64(info_.image_width) * info_.image_height; }
    int Width() const { return int(info_.output_width); }
    int Height() const { return int(info_.output_height); }
    int Components() const { return info_.output_components; }

    // Decodes every scan line into rows of bytesPerLine bytes from bits.
    bool ReadPixels(unsigned char *bits, qsizetype bytesPerLine)
    {
        if (setjmp(errors_.Jump))
            return false;
        while (info_.output_scanline < info_.output_height) {
            JSAMPROW row = bits + qsizetype(info_.output_scanline) * bytesPerLine;
            jpeg_read_scanlines(&info_, &row, 1);
        }
        jpeg_finish_decompress(&info_);
        return true;
    }

    QString Error() const { return QString::fromLocal8Bit(errors_.Message); }

private:
    jpeg_decompress_struct info_;
    ErrorManager errors_;
};

QImage Fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return {};
}

} // namespace

QImage KtJpegImage::Decode(const QByteArray &jpeg, QString *error)
{
    if (jpeg.isEmpty())
        return Fail(error, QStringLiteral("No JPEG data"));

    Decompressor decompressor;
    if (!decompressor.ReadHeader(reinterpret_cast<const unsigned char *>(jpeg.constData()),
                                 static_cast<unsigned long>(jpeg.size())))
        return Fail(error, decompressor.Error());
    // Checked before decompression starts, which may allocate for the whole picture.
    if (decompressor.HeaderPixels() > MaxPixels)
        return Fail(error, QStringLiteral("JPEG picture too large"));
    if (!decompressor.Start())
        return Fail(error, decompressor.Error());
    if (decompressor.Components() != 3)
        return Fail(error, QStringLiteral("Unsupported JPEG colour layout"));

    QImage image(decompressor.Width(), decompressor.Height(), QImage::Format_RGB888);
    if (image.isNull())
        return Fail(error, QStringLiteral("Out of memory for the JPEG picture"));
    if (!decompressor.ReadPixels(image.bits(), image.bytesPerLine()))
        return Fail(error, decompressor.Error());
    return image;
}

QImage KtJpegImage::Load(const QString &path, QString *error)
{
    RegisterPictures();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    return Decode(file.readAll(), error);
}

void KtJpegImage::RegisterPictures()
{
    static const bool registered = [] {
        InitPictureResources();
        return true;
    }();
    Q_UNUSED(registered);
}
