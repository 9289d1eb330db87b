// How much two pictures of a widget differ to the eye.
#pragma once

#include <QImage>

// Pixels an eye tells apart: by more than a tenth of the scale in a colour.
// Pictures of different sizes differ in every pixel.
inline int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            differing += qAbs(qRed(p) - qRed(q)) > 25 || qAbs(qGreen(p) - qGreen(q)) > 25
                         || qAbs(qBlue(p) - qBlue(q)) > 25;
        }
    }
    return differing;
}
