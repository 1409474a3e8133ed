#pragma once

#include <QColor>

namespace tavlo {

// Row colours of the classic red button body, before recolouring, for a button of height
// 30, 45 or 60 (other heights use the nearest of the three): row 0 is the top, row h - 2 the
// last painted row. A dark red top line, a near-black line, a grey line, a light band fading
// downwards, a dark dividing line, then reds growing brighter, closed by the dark red line.
QColor ButtonRowColour(int buttonHeight, int row);

}  // namespace tavlo
