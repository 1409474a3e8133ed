#include "game/card.h"

namespace tavlo {

std::string SuitLabel(char suit) {
  static const char* const kLabels[4] = {"\u2665", "\u2666", "\u2663", "\u2660"};
  const int s = SuitIndexOf(suit);
  return s < 0 ? "-" : kLabels[s];
}

std::string CardLabel(TCardCode card) {
  static const char* const kRanks[14] = {"?", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  if (!IsValidCard(card)) return "--";
  return kRanks[RankValueOf(card)] + SuitLabel(card.suit);
}

}  // namespace tavlo
