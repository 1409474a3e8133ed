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

// A seed for one item of a seeded run (a deal, a sample of a choice), independent of the
// order in which the items are taken.
constexpr std::uint64_t MixSeed(std::uint64_t seed, std::uint64_t item) {
  const auto mix = [](std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
  };
  return mix(mix(seed) ^ mix(item ^ 0x5851F42D4C957F2DULL));
}

}  // namespace tavlo
