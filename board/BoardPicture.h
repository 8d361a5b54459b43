#pragma once

#include <QImage>

// The built-in picture of the fare board (536 x 263 logical pixels): the
// light-grey face of the unit with its rim, the dark strip behind the stop
// name, the printed words and notice, and a grey box with dim 8s under each
// fare cell. Drawn with vectors for the pixels it lands on: zoom times the
// board's size, at the given device pixel ratio, so it stays sharp at any size
// and on a high-density screen.
namespace BoardPicture {

constexpr int Width = 536;
constexpr int Height = 263;

QImage draw(qreal zoom = 1.0, qreal devicePixelRatio = 1.0);

} // namespace BoardPicture
