#pragma once

#include <QPoint>
#include <QRect>

#include <cmath>

// Window positions and sizes are kept in twips (1/1440 inch); the screens this
// program was laid out on have 15 of them to the pixel.
constexpr int TwipsPerPixel = 15;

// To the nearest pixel, halves away from zero.
inline int twipsToPixels(double twips)
{
    return int(std::lround(twips / TwipsPerPixel));
}

inline qint32 pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
