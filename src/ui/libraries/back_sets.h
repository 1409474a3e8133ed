#pragma once

#include <QImage>
#include <QSize>

namespace tavlo::libraries {

// The twelve back sets of the deck library, our own designs: set 1..12, back 1..7 (1..10 for
// the sets 8 to 11), painted at a pixel size (69 x 94 classic, 146 x 198 or 126 x 198 large).
QImage PaintLibraryBack(int set, int back, QSize size);

}  // namespace tavlo::libraries
