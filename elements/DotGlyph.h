#pragma once

#include <QFont>
#include <QImage>
#include <QString>

// How one cell of a stop name becomes a 16 x 16 glyph: which face renders
// it, where in the glyph cell it is rendered, and whether the pattern is laid
// on its side to imitate vertical writing.
namespace DotGlyph {

constexpr int CellSize = 16; // glyph pixels each way
constexpr int DotPitch = 2;  // strip pixels between dots
constexpr int Baseline = 14; // a kanji then fills the cell with a 1-pixel margin

struct Treatment
{
    QString text; // what is rendered: the cell, or its substitute
    int offsetX = 0;
    int offsetY = 0;
    bool laidOnSide = false; // transposed about the main diagonal, not rotated
};

// FontMode 0..4 as given; any other value (the options dialog passes -1 when
// no row is chosen) draws as 0.
int effectiveFontMode(int FontMode);

// The cell's treatment, chosen by comparing the whole cell text.
Treatment treatment(const QString &cell, int FontMode);

// The first character's code in code page 932 as a signed 16-bit number:
// lead byte x 256 + trail byte for a double-byte character (negative),
// 0..255 for a single byte, 0 for an empty text.
qint16 code(const QString &text);

enum class Face { Gothic, Mincho };

// The face for a character of code k under FontMode 0..4; any other mode is 0.
Face face(int FontMode, qint16 k);

// "ＭＳ ゴシック" or "ＭＳ 明朝".
QString faceName(Face face);

// The glyph font: pixel size 16, no smoothing, so that every pixel comes out
// exactly black or white.
QFont font(Face face, bool FontBold);

// Clears the 16 x 16 cell to white and renders text in black with its left
// edge at offsetX and its top at offsetY.
void render(QImage &cell, const QString &text, Face face, bool FontBold, int offsetX = 0, int offsetY = 0);

} // namespace DotGlyph
