#include "ai/knowledge.h"

#include "game/scoring.h"

namespace tavlo {
namespace {

void Append(CardList52& list, TCardCode card) {
  for (TCardCode& slot : list) {
    if (slot.IsEmpty()) {
      slot = card;
      return;
    }
  }
}

void Remove(SearchHand& hand, TCardCode card) {
  for (int i = 1; i <= kHandSlots; ++i) {
    if (hand.Cards[i] == card) {
      hand.Cards[i] = kNoCard;
      hand.Ranks[i] = kNoRank;
    }
  }
}

}  // namespace

bool HasSuit(const SearchHand& hand, char suit) { return SuitCount(hand, suit) > 0; }

int SuitCount(const SearchHand& hand, char suit) {
  int n = 0;
  for (const TCardCode& c : hand.Cards) n += !c.IsEmpty() && c.suit == suit ? 1 : 0;
  return n;
}

int CountCards(const SearchHand& hand) { return CountCards(hand.Cards); }

int HighestRank(const SearchHand& hand, char suit) {
  int best = 0;
  for (int i = 1; i <= kHandSlots; ++i) {
    if (!hand.Cards[i].IsEmpty() && hand.Cards[i].suit == suit && hand.Ranks[i] > best) best = hand.Ranks[i];
  }
  return best;
}

int LowestRank(const SearchHand& hand, char suit) {
  int best = 0;
  for (int i = 1; i <= kHandSlots; ++i) {
    if (!hand.Cards[i].IsEmpty() && hand.Cards[i].suit == suit && (best == 0 || hand.Ranks[i] < best)) {
      best = hand.Ranks[i];
    }
  }
  return best;
}

int KthHighestRank(const SearchHand& hand, char suit, int k) {
  std::array<bool, 14> held{};
  for (int i = 1; i <= kHandSlots; ++i) {
    if (!hand.Cards[i].IsEmpty() && hand.Cards[i].suit == suit) held[hand.Ranks[i]] = true;
  }
  for (int r = 13; r >= 1; --r) {
    if (held[static_cast<std::size_t>(r)] && --k == 0) return r;
  }
  return 0;
}

TCardCode HighestCard(const SearchHand& hand, char suit) {
  const int rank = HighestRank(hand, suit);
  return rank == 0 ? kNoCard : MakeCard(rank, suit);
}

int CardIndex(TCardCode card, const SearchHand& hand) {
  int found = 0;
  for (int i = 1; i <= kHandSlots; ++i) {
    if (hand.Cards[i] == card) found = i;
  }
  return found;
}

int TrickHighRank(const TrickCards& trick) {
  const char led = trick.Cards[1].suit;
  int best = 0;
  for (int k = 1; k <= 4; ++k) {
    if (!trick.Cards[k].IsEmpty() && trick.Cards[k].suit == led && trick.Ranks[k] > best) best = trick.Ranks[k];
  }
  return best;
}

int TrickHighTrump(const TrickCards& trick, char trump) {
  if (SuitIndexOf(trump) < 0) return 0;
  int best = 0;
  for (int k = 1; k <= 4; ++k) {
    if (trick.Cards[k].suit == trump && trick.Ranks[k] > best) best = trick.Ranks[k];
  }
  return best;
}

int TrickWinnerPos(const TrickCards& trick, char trump) {
  int winner = 0;
  int best = 0;
  if (SuitIndexOf(trump) >= 0) {
    for (int k = 1; k <= 4; ++k) {
      if (trick.Cards[k].suit == trump && trick.Ranks[k] > best) {
        best = trick.Ranks[k];
        winner = k;
      }
    }
  }
  if (winner != 0) return winner;
  for (int k = 1; k <= 4; ++k) {
    if (trick.Cards[k].suit == trick.Cards[1].suit && trick.Ranks[k] > best) {
      best = trick.Ranks[k];
      winner = k;
    }
  }
  return winner;
}

CardPool PossibleCards(const CardList13& ownHand, const CardList13& knownHand, const CardList52& notHeld) {
  CardPool pool;
  for (int n = 1; n <= 52; ++n) {
    const TCardCode card = CardFromNumber(n);
    if (HasCard(ownHand, card) || HasCard(knownHand, card) || HasCard(notHeld, card)) continue;
    pool.Cards[static_cast<std::size_t>(pool.Count++)] = card;
  }
  return pool;
}

SlotSet EquivalentCards(const SearchHand& mover, const SearchHand& hand2, const SearchHand& hand3,
                        const SearchHand& hand4, const TrickCards& trick, int koronkiMode) {
  if (koronkiMode != 0) return 0;
  // outstanding[suit index][rank]: the card is still against the mover.
  std::array<std::array<bool, 14>, 4> outstanding{};
  for (const SearchHand* other : {&hand2, &hand3, &hand4}) {
    for (int i = 1; i <= kHandSlots; ++i) {
      const int s = SuitIndexOf(other->Cards[i].suit);
      if (s >= 0) outstanding[static_cast<std::size_t>(s)][other->Ranks[i]] = true;
    }
  }
  for (int k = 1; k <= 4; ++k) {
    const int s = SuitIndexOf(trick.Cards[k].suit);
    if (s >= 0) outstanding[static_cast<std::size_t>(s)][trick.Ranks[k]] = true;
  }
  SlotSet marked = 0;
  int previous = 0;
  for (int i = 1; i <= kHandSlots; ++i) {
    if (mover.Cards[i].IsEmpty()) continue;
    if (previous != 0 && mover.Cards[i].suit == mover.Cards[previous].suit) {
      const auto& suitOut = outstanding[static_cast<std::size_t>(SuitIndexOf(mover.Cards[i].suit))];
      const int low = mover.Ranks[previous];
      const int high = mover.Ranks[i];
      bool gap = false;
      for (int r = low + 1; r < high; ++r) gap = gap || suitOut[static_cast<std::size_t>(r)];
      if (!gap) marked = static_cast<SlotSet>(marked | (1u << i));
    }
    previous = i;
  }
  return marked;
}

std::int32_t EstimateDeal(const OneBased<SearchHand, 4>& hands, char trump, int moverTricks, int otherTricks,
                          const CardList52& moverWon, const CardList52& otherWon, const RuleOptions& options) {
  OneBased<SearchHand, 4> h = hands;
  CardList52 won[2] = {moverWon, otherWon};
  int c = moverTricks;
  int b = otherTricks;
  for (const char suit : {kSpades, kClubs, kDiamonds, kHearts}) {
    for (;;) {
      int holders = 0;
      for (int k = 1; k <= 4; ++k) holders += HasSuit(h[k], suit) ? 1 : 0;
      if (suit == trump ? holders == 0 : holders < 4) break;
      int winner = 1;
      for (int k = 2; k <= 4; ++k) {
        if (HighestRank(h[k], suit) > HighestRank(h[winner], suit)) winner = k;
      }
      CardList52& list = won[winner % 2 == 1 ? 0 : 1];
      for (int k = 1; k <= 4; ++k) {
        const int rank = k == winner ? HighestRank(h[k], suit) : LowestRank(h[k], suit);
        if (rank == 0) continue;
        const TCardCode card = MakeCard(rank, suit);
        Remove(h[k], card);
        Append(list, card);
      }
      (winner % 2 == 1 ? c : b) += 1;
    }
  }
  ProjectTrickCounts(c, b, options.IgnoreFirstSix);
  const DealScore score = ScoreDeal(won[0], won[1], c, b, trump, options);
  return score.Difference;
}

}  // namespace tavlo
