#include "ui/layout/button_rows.h"

#include <array>

#include "ui/layout/colour_sets.h"
#include "ui/layout/scale.h"

namespace tavlo {
namespace {

// The 29 rows of the 30-pixel strip.
std::array<std::uint32_t, 29> BaseRows() {
  std::array<std::uint32_t, 29> rows{};
  rows[0] = 0x000080;
  rows[1] = 0x000011;
  rows[2] = 0x5B5B87;
  // Highlight band, rows 3..12: three given steps, then fading evenly to 0x5050B0.
  rows[3] = 0xADADE8;
  rows[4] = 0xA3A3DF;
  rows[5] = 0x9999D7;
  const Rgb from = FromBgr(0x9999D7);
  const Rgb to = FromBgr(0x5050B0);
  for (int i = 6; i <= 12; ++i) {
    const double t = (i - 5) / 7.0;
    rows[static_cast<std::size_t>(i)] =
        ToBgr(Rgb{RoundHalfEven(from.R + (to.R - from.R) * t), RoundHalfEven(from.G + (to.G - from.G) * t),
                  RoundHalfEven(from.B + (to.B - from.B) * t)});
  }
  rows[13] = 0x242498;
  // Pure reds 0x88 .. 0xEE, rows 14..27.
  for (int i = 14; i <= 27; ++i) {
    rows[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(RoundHalfEven(0x88 + (0xEE - 0x88) * (i - 14) / 13.0));
  }
  rows[28] = 0x000080;
  return rows;
}

}  // namespace

std::vector<std::uint32_t> ButtonRowColours(int pictureHeight) {
  const std::array<std::uint32_t, 29> base = BaseRows();
  const int n = pictureHeight - 1;
  if (n <= static_cast<int>(base.size())) return {base.begin(), base.begin() + (n > 0 ? n : 0)};
  // Taller strips keep the three thin top lines and the bottom line, and stretch the
  // band, divider and reds between them by nearest row.
  std::vector<std::uint32_t> rows(static_cast<std::size_t>(n));
  for (int y = 0; y < 3; ++y) rows[static_cast<std::size_t>(y)] = base[static_cast<std::size_t>(y)];
  rows[static_cast<std::size_t>(n - 1)] = base[28];
  const int inner = n - 4;
  for (int y = 0; y < inner; ++y) {
    const int source = 3 + (y * 25) / inner;  // base rows 3..27
    rows[static_cast<std::size_t>(3 + y)] = base[static_cast<std::size_t>(source)];
  }
  return rows;
}

}  // namespace tavlo
