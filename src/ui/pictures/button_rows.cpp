#include "ui/pictures/button_rows.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavlo {

namespace {

// The light band and the reds of the 30-pixel button, in 0xRRGGBB; the taller buttons stretch them.
constexpr std::array<unsigned, 10> kBand = {0xE8ADAD, 0xDFA3A3, 0xD79999, 0xD18B8B, 0xCB7D7D,
                                            0xC57070, 0xBF6464, 0xB95A5A, 0xB45555, 0xB05050};
constexpr std::array<unsigned, 14> kReds = {0x880000, 0x900000, 0x980000, 0xA00000, 0xA80000, 0xB00000, 0xB80000,
                                            0xC00000, 0xC80000, 0xD00000, 0xD80000, 0xE00000, 0xE80000, 0xEE0000};

template <std::size_t N>
QColor Sample(const std::array<unsigned, N>& curve, int index, int count) {
  const double at = count > 1 ? static_cast<double>(index) * (N - 1) / (count - 1) : 0.0;
  const std::size_t i = std::min(static_cast<std::size_t>(at), N - 2);
  const double t = at - static_cast<double>(i);
  const QColor a(static_cast<QRgb>(curve[i]));
  const QColor b(static_cast<QRgb>(curve[i + 1]));
  const auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

}  // namespace

QColor ButtonRowColour(int buttonHeight, int row) {
  const int reference = buttonHeight <= 30 ? 30 : buttonHeight <= 45 ? 45 : 60;
  const int rows = reference - 1;
  row = std::clamp(row, 0, rows - 1);
  if (row == 0 || row == rows - 1) return QColor(0x80, 0x00, 0x00);
  if (row == 1) return QColor(0x11, 0x00, 0x00);
  if (row == 2) return QColor(0x87, 0x5B, 0x5B);
  // The three fixed top lines and the closing line keep one row each; the band and the reds
  // share the rest in the proportion 10 : 14 of the 30-pixel button.
  const int shared = rows - 5;
  const int band = static_cast<int>(std::lround(shared * 10.0 / 24.0));
  const int reds = shared - band;
  if (row < 3 + band) return Sample(kBand, row - 3, band);
  if (row == 3 + band) return QColor(0x98, 0x24, 0x24);
  return Sample(kReds, row - 4 - band, reds);
}

}  // namespace tavlo
