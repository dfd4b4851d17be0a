#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes JPEG pictures with libjpeg into QImages (Format_RGB888).
// A corrupt, truncated or unsupported picture gives a null image and the
// decoder's message; it never crashes and never returns a half-grey image.
class KtJpegImage
{
public:
    // Decodes JPEG bytes. On failure returns a null image and, when error is
    // given, stores the reason there.
    static QImage Decode(const QByteArray &jpeg, QString *error = nullptr);

    // Reads and decodes a file or a resource (":/pictures/..."). The panel
    // pictures are registered first, so resource paths always resolve.
    static QImage Load(const QString &path, QString *error = nullptr);

    // Registers the compiled-in panel pictures under ":/pictures/". Load
    // calls it; code that opens those resources another way calls it first.
    static void RegisterPictures();

    // Pictures larger than this many pixels are refused as corrupt.
    static constexpr qint64 MaxPixels = 64LL * 1024 * 1024;
};
