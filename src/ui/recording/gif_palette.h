#pragma once

#include <cstdint>
#include <vector>

#include "ui/recording/gif_animation.h"

namespace tavlo {

// A part of a picture as palette indices.
struct IndexedPicture {
  std::vector<std::uint32_t> palette;  // 0xRRGGBB; 2, 4, ... 256 entries, unused ones black
  std::vector<std::uint8_t> indices;   // one per pixel, row after row
  int transparent = -1;                // the see-through index, -1 for none
};

// The palette of a rectangle of `picture`: its exact colours when there are at most 256 of them,
// otherwise the means of 256 boxes of its histogram, split one by one where the squared error is
// largest, and each pixel takes the nearest of them. With a previous picture of the same size, the
// pixels it already shows get a see-through index of their own and take no part in the palette.
IndexedPicture IndexColours(const PixelView& picture, int left, int top, int width, int height,
                            const PixelView* previous = nullptr);

}  // namespace tavlo
