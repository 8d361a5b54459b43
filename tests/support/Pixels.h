#pragma once

#include <QImage>
#include <QRect>

// Lit amber (F8 D2 72) stands out from the greys by its red-blue difference,
// also where antialiasing blends it into the background.
inline bool isLit(QRgb pixel)
{
    return qRed(pixel) - qBlue(pixel) > 60;
}

inline int litPixels(const QImage &image, QRect area)
{
    int count = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isLit(image.pixel(x, y));
    return count;
}

inline int litPixels(const QImage &image)
{
    return litPixels(image, image.rect());
}
