#include "ui/pictures/button_rows.h"

#include <algorithm>

#include "ui/layout/button_rows.h"
#include "ui/layout/colour_sets.h"

namespace tavlo {

QColor ButtonRowColour(int buttonHeight, int row) {
  const std::vector<std::uint32_t> rows = ButtonRowColours(buttonHeight);
  const Rgb c = FromBgr(rows[static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(rows.size()) - 1))]);
  return QColor(c.R, c.G, c.B);
}

}  // namespace tavlo
