#pragma once

#include <cstdint>
#include <random>

namespace tavlo {

// The one pseudo-random source of the game and the computer player. It is passed in
// wherever chance is needed, so a seed reproduces a deal, a sample or a whole series.
class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}

  // A seed from the clock, as the program uses outside tests and tools.
  static std::uint64_t ClockSeed();

  void Reseed(std::uint64_t seed) { engine_.seed(seed); }

  // Uniform in 0 .. n - 1 (n >= 1). Rejection sampling keeps it exactly uniform and
  // the same on every platform, which std::uniform_int_distribution does not promise.
  std::uint32_t Below(std::uint32_t n) {
    const std::uint64_t range = 0x100000000ULL;
    const std::uint64_t limit = range - range % n;
    for (;;) {
      const std::uint64_t x = engine_() & 0xFFFFFFFFULL;
      if (x < limit) return static_cast<std::uint32_t>(x % n);
    }
  }

  std::uint64_t Next() { return engine_(); }

 private:
  std::mt19937_64 engine_;
};

}  // namespace tavlo
