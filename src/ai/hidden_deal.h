#pragma once

#include "ai/knowledge.h"
#include "game/random.h"

namespace tavlo {

// Re-deal attempts before the hidden hands are dealt directly. A direct deal gives
// every card only one seat may hold to that seat and splits the rest at random, which
// is the same distribution the re-deal loop converges to; the bound only caps the time
// a tightly constrained sample (a seat void in several suits) may take.
inline constexpr int kMaxDealAttempts = 1000;

struct HiddenHands {
  CardList13 A{};
  CardList13 B{};
  int Attempts = 0;     // re-deal attempts used
  bool Direct = false;  // the bound was reached and the hands were dealt directly
};

// Deals countA cards to the first hidden seat and countB to the second from the cards
// each may hold: re-deals until both can be filled consistently, then falls back to a
// direct deal honouring as many constraints as can be met. Cards come in list order.
HiddenHands DealHiddenHands(const CardPool& possibleA, int countA, const CardPool& possibleB, int countB, Random& rng);

}  // namespace tavlo
