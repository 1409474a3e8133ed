#pragma once

#include <QImage>
#include <QSize>

namespace tavlo::libraries {

// The table backgrounds of the background library, our own art: number 1..10 ("Sun", "Felt",
// "Gradient", "Cloth", "Carpet", "Tree", "Casino", "Pattern", "Silk", "Ornament") in colour
// 0..6 (green, red, orange, yellow, light blue, dark blue, violet), painted at a pixel size.
// Every picture is one piece (nothing is tiled), so it stretches without seams to any window.
QImage PaintTableBackground(int number, int colour, QSize size);

}  // namespace tavlo::libraries
