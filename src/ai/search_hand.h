#pragma once

#include <cstdint>

#include "game/game_state.h"

namespace tavlo {

// One hand as the computer player sees it: slots 1..13 with "##"/99 in empty slots.
// Hands enter the search in trump-last order (ArrangeCards) and keep their slot
// layout while the search plays cards out of them.
struct SearchHand {
  CardList13 Cards{};
  RankList13 Ranks{};

  friend bool operator==(const SearchHand&, const SearchHand&) = default;
};

// The cards of the trick in play, in play order, with their rank values.
struct TrickCards {
  OneBased<TCardCode, 4> Cards{};
  OneBased<std::uint8_t, 4> Ranks{};

  friend bool operator==(const TrickCards&, const TrickCards&) = default;
};

// A set of hand slots: bit i stands for slot i (1..13).
using SlotSet = std::uint16_t;

inline constexpr std::int32_t kNotSearched = 100000;  // slot skipped: illegal, pruned, folded or empty
inline constexpr std::int32_t kOnlyCard = 50000;      // the one distinct playable card at the root
inline constexpr std::int32_t kSearchBound = 95000;   // starting bound of the choice at a node

}  // namespace tavlo
