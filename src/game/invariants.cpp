#include "game/invariants.h"

#include <array>

namespace tavlo {

std::string CheckInvariants(const GameState& s) {
  std::array<int, 53> inHands{}, onTable{}, taken{};
  for (int seat = 1; seat <= 4; ++seat) {
    int filled = 0;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
      const TCardCode c = s.Hands[seat][slot];
      if (c.IsEmpty()) continue;
      if (!IsValidCard(c)) return "a hand holds an invalid card code";
      ++inHands[static_cast<std::size_t>(NumberOfCard(c))];
      ++filled;
      if (filled != slot) return "hand " + std::to_string(seat) + " has a hole before slot " + std::to_string(slot);
    }
    if (filled != s.CardsLeft[seat]) return "CardsLeft of seat " + std::to_string(seat) + " does not match its hand";
  }
  for (int k = 1; k <= 4; ++k) {
    const bool filled = !s.Table[k].IsEmpty();
    if (filled != (k < s.TrickPos)) return "Table[" + std::to_string(k) + "] disagrees with TrickPos";
    if (filled) ++onTable[static_cast<std::size_t>(NumberOfCard(s.Table[k]))];
  }
  int takenCount = 0;
  for (int side = 1; side <= 2; ++side) {
    bool gap = false;
    for (const TCardCode& c : s.Taken[side]) {
      if (c.IsEmpty()) {
        gap = true;
        continue;
      }
      if (gap) return "Taken of side " + std::to_string(side) + " has a gap";
      ++taken[static_cast<std::size_t>(NumberOfCard(c))];
      ++takenCount;
    }
  }
  const bool resolvedOnTable = s.TrickPos == 5;
  const int tricksResolved = (s.TrickNo - 1) + (resolvedOnTable ? 1 : 0);
  if (takenCount != 4 * tricksResolved) return "Taken lists do not hold four cards per resolved trick";
  for (int n = 1; n <= 52; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    const int places = inHands[i] + taken[i] + (resolvedOnTable ? 0 : onTable[i]);
    if (places != 1) return "card " + CardLabel(CardFromNumber(n)) + " is in " + std::to_string(places) + " places";
    if (resolvedOnTable && onTable[i] == 1 && taken[i] != 1) return "a resolved trick's card is not in Taken";
  }
  return "";
}

}  // namespace tavlo
