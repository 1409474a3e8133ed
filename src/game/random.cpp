#include "game/random.h"

#include <chrono>

namespace tavlo {

std::uint64_t Random::ClockSeed() {
  return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace tavlo
