#include "game/arrange.h"

namespace tavlo {

std::array<char, 4> SuitDisplayOrder(char trump) {
  switch (trump) {
    case kClubs: return {kHearts, kSpades, kDiamonds, kClubs};
    case kDiamonds: return {kClubs, kHearts, kSpades, kDiamonds};
    case kHearts: return {kClubs, kDiamonds, kSpades, kHearts};
    default: return {kHearts, kClubs, kDiamonds, kSpades};
  }
}

template <std::size_t N>
int ArrangeCards(OneBased<TCardCode, N>& cards, OneBased<std::uint8_t, N>& ranks, char trump) {
  // Bucket by suit position and rank value; a deck holds each card once, so one
  // bucket per (suit, rank) keeps the order of the slot-by-slot scan.
  std::array<std::array<bool, 14>, 4> present{};
  const std::array<char, 4> order = SuitDisplayOrder(trump);
  for (const TCardCode& c : cards) {
    if (c.IsEmpty()) continue;
    for (int k = 0; k < 4; ++k) {
      if (order[k] == c.suit) {
        present[k][RankValueOf(c)] = true;
        break;
      }
    }
  }
  int count = 0;
  for (int k = 0; k < 4; ++k) {
    for (int r = 1; r <= 13; ++r) {
      if (!present[k][r]) continue;
      ++count;
      cards[count] = MakeCard(r, order[k]);
      ranks[count] = static_cast<std::uint8_t>(r);
    }
  }
  for (int i = count + 1; i <= static_cast<int>(N); ++i) {
    cards[i] = kNoCard;
    ranks[i] = kNoRank;
  }
  return count;
}

template int ArrangeCards<kHandSlots>(CardList13&, RankList13&, char);
template int ArrangeCards<kListSlots>(CardList52&, RankList52&, char);

}  // namespace tavlo
