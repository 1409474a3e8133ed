#pragma once

#include <cstdint>

namespace tavlo {

// tavlo-selfplay --series: whole series of deals driven through the game's flow
// controller exactly as the window drives it (timer ticks and button presses), the
// player's seat played by a second computer player. Prints every deal's result, the
// series result and the time per deal; returns the process exit code.
int RunSeries(int series, std::uint64_t seed);

}  // namespace tavlo
