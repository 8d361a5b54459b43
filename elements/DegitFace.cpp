#include "DegitFace.h"

namespace DegitFace {

QString family(int DegitStyle)
{
    switch (DegitStyle) {
    case 1:
        return QStringLiteral("M_DegitB");
    case 2:
        return QStringLiteral("M_DegitC");
    default:
        return QStringLiteral("M_DegitA");
    }
}

CellSize cellSize(int DegitSize)
{
    switch (DegitSize) {
    case 1:
        return {17, 26, 24};
    case 2:
        return {19, 29, 27};
    case 3:
        return {11, 15, 14};
    default:
        return {13, 20, 18};
    }
}

QString shown(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char(' '), QLatin1Char('!'));
    return result;
}

} // namespace DegitFace
