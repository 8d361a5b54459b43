#pragma once

#include <QString>
#include <QStringList>

// Where the cells of a stop name stand on the strip, worked out from the
// name's code page 932 bytes before anything is drawn. A cell is two bytes:
// one full-width character or two half-width ones.
namespace ChimeiLayout {

// The height of the window for which the layout was designed.
constexpr int ShortStripHeight = 192;
constexpr int CellPitch = 32; // a 16 x 16 glyph at 2-pixel dot pitch

// More cells than any stop name has; a longer text (a hostile route file)
// would otherwise ask for a strip of up to a million pixels.
constexpr int MaxCells = 256;

// Names of more cells than this scroll.
constexpr int CellsInWindow = 6;

// n = B / 2, rounded toward zero.
int cellCount(int byteLength);

struct CellTops
{
    int offset; // top of the first cell
    int pitch;  // distance between cell tops
};

// The first cell's top and the pitch for n cells; Mode 2 sets two cells closer.
CellTops cellTops(int cells, int Mode);

// 192, or 32 per cell for a name that scrolls.
int stripHeight(int cells);

// A short name stands at 0. A long one enters from below the window when the
// strip stands at 0, and otherwise goes on from where a running scroll left it.
double stripTop(int cells, double currentTop, int windowHeight);

// The two-byte cells of the name, one for each pair of bytes and one for a
// last odd byte, at most MaxCells of them.
QStringList cellTexts(const QString &text);

} // namespace ChimeiLayout
