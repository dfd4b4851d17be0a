#pragma once

#include <QImage>
#include <QString>

// Writes pictures as baseline JPEG files with libjpeg. Colour is not
// subsampled, so that small coloured details (LED windows, printed
// numbers) stay sharp; the output is the same for the same picture.
class JpegWriter
{
public:
    static bool Write(const QImage &image, const QString &path, int quality = 92);
};
