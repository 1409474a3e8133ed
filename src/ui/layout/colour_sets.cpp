#include "ui/layout/colour_sets.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "ui/layout/scale.h"

namespace tavlo {
namespace {

bool NearPureRed(Rgb c) {
  const double d = std::sqrt(static_cast<double>((c.R - 255) * (c.R - 255) + c.G * c.G + c.B * c.B));
  return d < 180.0;
}

int Lighten(int v, int light) { return RoundHalfEven(v + (255 - v) * light / 100.0); }

}  // namespace

Rgb RecolourForSet(Rgb c, TColorSB set, int light, bool nata) {
  const Rgb original = c;
  switch (set) {
    case TColorSB::DRed: break;
    case TColorSB::DGreen: c = {original.G, original.R, original.B}; break;
    case TColorSB::DBlue: c = {original.B, original.R, original.R}; break;
    case TColorSB::DNavy: c = {original.B, original.G, original.R}; break;
    case TColorSB::DYellow: c = {original.R, original.R, original.B}; break;
    case TColorSB::DViolet: c = {original.R, original.G, original.R}; break;
    case TColorSB::DOrang:
      if (original.G < original.R && original.B < original.R) {
        const int b = RoundHalfEven(0.7 * original.B);
        c = {original.R, b + RoundHalfEven(0.4 * (original.R - b)), b};
      }
      break;
    case TColorSB::DCards:
      if (!nata) {
        c = {RoundHalfEven(0.7 * original.R), 0, original.R};
      } else if (NearPureRed(original)) {
        c = {RoundHalfEven(0.6 * original.R), RoundHalfEven(0.7 * original.G), original.R};
      }
      break;
  }
  if (light > 0 && (!nata || NearPureRed(original))) {
    c = {Lighten(c.R, light), Lighten(c.G, light), Lighten(c.B, light)};
  }
  return c;
}

std::uint32_t FocusOutlineColour(TColorSB set) {
  constexpr std::uint32_t kOutline[8] = {0xC8C8FF, 0xFFC8C8, 0xC8FFC8, 0xC8FFC8, 0xC8C8FF, 0xC8FFFF, 0x4080FF, 0x32AFC8};
  return kOutline[static_cast<int>(set)];
}

std::uint32_t FocusDotColour(TColorSB set) {
  constexpr std::uint32_t kDots[8] = {0x00FFFF, 0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0xFFFFFF, 0xFFB4DC};
  return kDots[static_cast<int>(set)];
}

Rgb RecolourVariant(Rgb c, int variant) {
  switch (variant) {
    case 2:
      if (c.G < c.R && c.B < c.R) {
        c.B = RoundHalfEven(std::min(c.B, c.G) * 0.7);
        c.G = c.B + RoundHalfEven(std::abs(c.R - c.B) * 0.4);
      }
      break;
    case 3: c.G = c.R; break;
    case 4: std::swap(c.R, c.G); break;
    case 5: c = {c.B, c.R, c.R}; break;
    case 6: std::swap(c.R, c.B); break;
    case 7: c.B = c.R; break;
    default: break;
  }
  return c;
}

Rgb ShadowOf(Rgb c) { return {RoundHalfEven(c.R / 2.0), RoundHalfEven(c.G / 2.0), RoundHalfEven(c.B / 2.0)}; }

}  // namespace tavlo
