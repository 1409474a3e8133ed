#pragma once

#include <array>
#include <cstdint>

#include "ai/search_hand.h"
#include "game/rule_options.h"

namespace tavlo {

// What the computer player knows and the small queries it evaluates cards with.
// All of them are pure; "highest" and "lowest" compare rank values.

template <std::size_t N>
bool HasCard(const OneBased<TCardCode, N>& list, TCardCode card) {
  for (const TCardCode& c : list) {
    if (c == card) return true;
  }
  return false;
}

bool HasSuit(const SearchHand& hand, char suit);
int SuitCount(const SearchHand& hand, char suit);
int CountCards(const SearchHand& hand);
// 0 when the hand holds no card of the suit.
int HighestRank(const SearchHand& hand, char suit);
int LowestRank(const SearchHand& hand, char suit);
// Rank of the k-th highest card of the suit (k = 1 the highest), 0 when there are fewer.
int KthHighestRank(const SearchHand& hand, char suit, int k);
// "##" when the hand holds no card of the suit.
TCardCode HighestCard(const SearchHand& hand, char suit);
// Slot 1..13 of the card (the last match), 0 when absent.
int CardIndex(TCardCode card, const SearchHand& hand);

// Highest rank among the table cards of the suit of the first table card (0 for an empty table).
int TrickHighRank(const TrickCards& trick);
// Highest trump rank on the table, 0 when there is none or no trump suit.
int TrickHighTrump(const TrickCards& trick, char trump);
// Play position 1..4 of the card that wins a complete trick.
int TrickWinnerPos(const TrickCards& trick, char trump);

// The seat whose hand a computer seat may look at: the partner for the dummy and the
// dummy's partner, otherwise the dummy.
constexpr int KnownHand(int seat, int dummy) {
  const int partner = (seat + 1) % 4 + 1;
  return dummy == seat || dummy == partner ? partner : dummy;
}

// Cards a hidden seat may hold, in deck enumeration order (rank 2 up to ace, within a
// rank hearts, diamonds, clubs, spades).
struct CardPool {
  std::array<TCardCode, 52> Cards{};
  int Count = 0;
};
CardPool PossibleCards(const CardList13& ownHand, const CardList13& knownHand, const CardList52& notHeld);

// Slots of the mover's hand that need no search of their own because the next lower
// card of the same suit is just as good. Empty unless Koronki are off: with Koronki
// touching honours can score differently.
SlotSet EquivalentCards(const SearchHand& mover, const SearchHand& hand2, const SearchHand& hand3,
                        const SearchHand& hand4, const TrickCards& trick, int koronkiMode);

// The trick counts an estimate scores with: the tricks nobody has yet are shared out, the
// mover's side taking the odd one, and under IgnoreFirstSix the six uncounted tricks come off.
inline void ProjectTrickCounts(int& moverTricks, int& otherTricks, bool ignoreFirstSix) {
  if (moverTricks + otherTricks < 13) {
    const int rest = 13 - moverTricks - otherTricks;
    moverTricks += rest / 2 + rest % 2;
    otherTricks += rest / 2;
  }
  if (ignoreFirstSix) {
    // Six tricks were never counted: up to three come off the mover's side, the rest off the other.
    if (moverTricks >= 3) {
      moverTricks -= 3;
      otherTricks -= 3;
    } else {
      otherTricks -= 6 - moverTricks;
      moverTricks = 0;
    }
  }
}

// Static value of a position at the start of a trick: every suit is played out top
// down while it can be, the remaining tricks are shared, and the result is scored.
// Hands are in seat order from the mover; trick counts and won lists are the mover's
// side first. Returns mover's side's points minus the other side's.
std::int32_t EstimateDeal(const OneBased<SearchHand, 4>& hands, char trump, int moverTricks, int otherTricks,
                          const CardList52& moverWon, const CardList52& otherWon, const RuleOptions& options);

}  // namespace tavlo
