#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace tavlo {

// Fixed-size array indexed 1..N, the numbering every list of the game uses
// (seats 1..4, sides 1..2, hand slots 1..13, deck positions 1..52).
template <typename T, std::size_t N>
struct OneBased {
  std::array<T, N> items{};

  constexpr T& operator[](int i) {
    assert(i >= 1 && static_cast<std::size_t>(i) <= N);
    return items[static_cast<std::size_t>(i - 1)];
  }
  constexpr const T& operator[](int i) const {
    assert(i >= 1 && static_cast<std::size_t>(i) <= N);
    return items[static_cast<std::size_t>(i - 1)];
  }
  static constexpr int size() { return static_cast<int>(N); }
  constexpr void fill(const T& value) { items.fill(value); }
  constexpr auto begin() { return items.begin(); }
  constexpr auto end() { return items.end(); }
  constexpr auto begin() const { return items.begin(); }
  constexpr auto end() const { return items.end(); }

  friend constexpr bool operator==(const OneBased&, const OneBased&) = default;
};

}  // namespace tavlo
