#include "QgPictures.h"

#include <QImage>

double MeanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int byte = 0; byte < x.width() * 3; ++byte)
            sum += qAbs(int(x.constScanLine(row)[byte]) - int(y.constScanLine(row)[byte]));
    }
    return sum / (x.width() * x.height() * 3.0);
}
