#pragma once

class QImage;

// How far apart two pictures of the same size are: the mean difference of
// their red, green and blue values, 0 (alike) to 255.
double MeanDifference(const QImage &a, const QImage &b);
