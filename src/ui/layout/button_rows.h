#pragma once

#include <cstdint>
#include <vector>

namespace tavlo {

// Row colours (0xBBGGRR, before recolouring) of the classic button middle strip for a
// picture height of 30, 45 or 60: one colour per pixel row from the top, height - 1
// rows. A dark red top line, a near-black line, a grey line, a light highlight band
// fading downwards, a dark dividing line, reds growing brighter, a dark red bottom line.
std::vector<std::uint32_t> ButtonRowColours(int pictureHeight);

}  // namespace tavlo
