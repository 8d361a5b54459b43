#include "ChimeiLayout.h"

#include "ByteStrings.h"

namespace ChimeiLayout {

int cellCount(int byteLength)
{
    return byteLength / 2;
}

CellTops cellTops(int cells, int Mode)
{
    switch (cells) {
    case 0:
        return {0, 0};
    case 1:
        return {80, 0};
    case 2:
        return Mode == 2 ? CellTops{48, 64} : CellTops{32, 96};
    case 3:
        return {16, 64};
    case 4:
        return {8, 48};
    case 5:
        return {4, 38};
    default:
        return {0, CellPitch};
    }
}

int stripHeight(int cells)
{
    return cells > CellsInWindow ? qMin(cells, MaxCells) * CellPitch : ShortStripHeight;
}

double stripTop(int cells, double currentTop, int windowHeight)
{
    if (cells <= CellsInWindow)
        return 0;
    return currentTop == 0 ? double(windowHeight) : currentTop;
}

QStringList cellTexts(const QString &text)
{
    const int bytes = LenB_ASCII(text);
    const int count = qMin((bytes + 1) / 2, MaxCells);
    QStringList cells;
    cells.reserve(count);
    for (int i = 1; i <= count; ++i)
        cells << MidB_ASCII(text, 2 * i - 1, 2);
    return cells;
}

} // namespace ChimeiLayout
