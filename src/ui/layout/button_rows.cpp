#include "ui/layout/button_rows.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/layout/colour_sets.h"
#include "ui/layout/scale.h"

namespace tavlo {
namespace {

// The light band and the reds of the 30-pixel strip (0xBBGGRR); taller strips stretch them.
constexpr std::array<std::uint32_t, 10> kBand = {0xADADE8, 0xA3A3DF, 0x9999D7, 0x8B8BD1, 0x7D7DCB,
                                                 0x7070C5, 0x6464BF, 0x5A5AB9, 0x5555B4, 0x5050B0};
constexpr std::array<std::uint32_t, 14> kReds = {0x000088, 0x000090, 0x000098, 0x0000A0, 0x0000A8, 0x0000B0, 0x0000B8,
                                                 0x0000C0, 0x0000C8, 0x0000D0, 0x0000D8, 0x0000E0, 0x0000E8, 0x0000EE};

// The colour at position index of count along a curve, interpolated between its points.
template <std::size_t N>
std::uint32_t Sample(const std::array<std::uint32_t, N>& curve, int index, int count) {
  const double at = count > 1 ? static_cast<double>(index) * (N - 1) / (count - 1) : 0.0;
  const std::size_t i = std::min(static_cast<std::size_t>(at), N - 2);
  const double t = at - static_cast<double>(i);
  const Rgb a = FromBgr(curve[i]);
  const Rgb b = FromBgr(curve[i + 1]);
  const auto mix = [t](int x, int y) { return RoundHalfEven(x + (y - x) * t); };
  return ToBgr(Rgb{mix(a.R, b.R), mix(a.G, b.G), mix(a.B, b.B)});
}

}  // namespace

std::vector<std::uint32_t> ButtonRowColours(int pictureHeight) {
  const int reference = pictureHeight <= 30 ? 30 : pictureHeight <= 45 ? 45 : 60;
  const int rows = reference - 1;
  // The three thin top lines, the divider and the closing line keep one row each; the band
  // and the reds share the rest in the proportion 10 : 14 of the 30-pixel strip.
  const int shared = rows - 5;
  const int band = RoundHalfEven(shared * 10.0 / 24.0);
  const int reds = shared - band;
  std::vector<std::uint32_t> colours;
  colours.reserve(static_cast<std::size_t>(rows));
  colours.push_back(0x000080);
  colours.push_back(0x000011);
  colours.push_back(0x5B5B87);
  for (int k = 0; k < band; ++k) colours.push_back(Sample(kBand, k, band));
  colours.push_back(0x242498);
  for (int k = 0; k < reds; ++k) colours.push_back(Sample(kReds, k, reds));
  colours.push_back(0x000080);
  return colours;
}

}  // namespace tavlo
