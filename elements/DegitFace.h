#pragma once

#include <QString>

// The segment typefaces and the cell sizes of the numeric elements.
namespace DegitFace {

// "M_DegitB" for style 1, "M_DegitC" for 2, "M_DegitA" for any other.
QString family(int DegitStyle);

struct CellSize
{
    int width; // pixels (twips / 15)
    int height;
    int pointSize; // the font size the cell was designed for
};

// Size steps 1..3; any other step is step 0 (13 x 20 px).
CellSize cellSize(int DegitSize);

// DSEG's space is narrow; "!" is its blank of a digit's width.
QString shown(const QString &text);

} // namespace DegitFace
