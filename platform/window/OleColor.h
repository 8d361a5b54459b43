#pragma once

#include <QColor>

// Colours are kept as the unit's software kept them: 0x00BBGGRR, red in the low byte.
inline QColor oleColor(qint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline qint32 toOleColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}
