#pragma once

#include <QImage>

// The built-in picture of the fare board (536 x 263 logical pixels): the
// light-grey face of the unit with its rim, the dark strip behind the stop
// name, the printed words and notice, and a grey box with dim 8s under each
// fare cell. Drawn with vectors at the given device pixel ratio, so it stays
// sharp on a high-density screen.
namespace BoardPicture {

constexpr int Width = 536;
constexpr int Height = 263;

QImage draw(qreal devicePixelRatio = 1.0);

} // namespace BoardPicture
