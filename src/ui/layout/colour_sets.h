#pragma once

#include <cstdint>

namespace tavlo {

// Colour sets of the owner-drawn buttons; their pictures and row colours are drawn in
// red and moved to a set channel by channel.
enum class TColorSB : int { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };

struct Rgb {
  int R = 0, G = 0, B = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Colours in the program's 0xBBGGRR notation.
constexpr Rgb FromBgr(std::uint32_t bgr) {
  return Rgb{static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF)};
}
constexpr std::uint32_t ToBgr(Rgb c) {
  return static_cast<std::uint32_t>(c.R) | static_cast<std::uint32_t>(c.G) << 8 | static_cast<std::uint32_t>(c.B) << 16;
}

// Moves one red-drawn colour to a colour set and lightens it by `light` percent towards
// white. With `nata` the card set and the lightening touch only colours near pure red,
// so the non-red parts of the alternative pictures keep their colour.
Rgb RecolourForSet(Rgb colour, TColorSB set, int light, bool nata);

// The focus mark colours of a set: the classic outline and the alternative dots.
std::uint32_t FocusOutlineColour(TColorSB set);
std::uint32_t FocusDotColour(TColorSB set);

// Menu caption colour variants 1..7 (red, orange, yellow, green, aqua, blue, violet).
Rgb RecolourVariant(Rgb colour, int variant);

// A text shadow: each channel halved, ties to even.
Rgb ShadowOf(Rgb colour);

}  // namespace tavlo
