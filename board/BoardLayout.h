#pragma once

#include <array>

// Where the fare board's controls stand, in twips, as the window was designed.
// The board picture is drawn to the same places.
namespace BoardLayout {

struct Place
{
    int left;
    int top;
};

constexpr int CellCount = 24;

constexpr int ClientWidth = 8055;
constexpr int ClientHeight = 3945;

constexpr int CellWidth = 780;
constexpr int CellHeight = 300;
constexpr int LabelWidth = 780;
constexpr int LabelHeight = 240;

// Cell k of Degit and label k of lblSeiriNum at [k]; [0] are the hidden templates.
// The few off-by-some twips are the designer's hand, kept as designed.
constexpr std::array<Place, CellCount + 1> Cell{{
    {2115, 60},   {2220, 1365}, {3144, 1365}, {4068, 1365}, {4992, 1365}, {5916, 1365}, {6840, 1365},
    {2220, 1980}, {3144, 1980}, {4068, 1980}, {4992, 1965}, {5916, 1965}, {6840, 1980}, {2220, 2595},
    {3144, 2595}, {4068, 2595}, {4992, 2580}, {5916, 2580}, {6840, 2595}, {2220, 3210}, {3144, 3210},
    {4068, 3210}, {4992, 3195}, {5916, 3195}, {6840, 3210},
}};
constexpr std::array<Place, CellCount + 1> Label{{
    {1185, 45},   {2220, 1095}, {3144, 1095}, {4068, 1095}, {4992, 1095}, {5916, 1095}, {6840, 1095},
    {2220, 1695}, {3150, 1695}, {4065, 1695}, {4995, 1695}, {5910, 1695}, {6840, 1695}, {2220, 2310},
    {3144, 2310}, {4068, 2310}, {4992, 2310}, {5916, 2310}, {6840, 2310}, {2220, 2925}, {3144, 2925},
    {4068, 2925}, {4992, 2925}, {5916, 2925}, {6840, 2925},
}};

// 地名: the stop-name strip at the left.
constexpr Place Chimei{555, 495};
constexpr int ChimeiWidth = 570;
constexpr int ChimeiHeight = 2955;

// The clock's hour and minute fields.
constexpr std::array<Place, 2> Time{{{5445, 30}, {5850, 30}}};
constexpr int TimeWidth = 390;
constexpr int TimeHeight = 300;

// Picture holders, below the visible area.
constexpr std::array<Place, 3> Image{{{0, 4110}, {2985, 4200}, {6270, 4650}}};

} // namespace BoardLayout
