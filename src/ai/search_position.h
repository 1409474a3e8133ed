#pragma once

#include <cstdint>
#include <memory>

#include "ai/search_hand.h"
#include "game/rule_options.h"

namespace tavlo {

// One fully known position handed to the look-ahead search. Hands are in play order
// from the seat to move (the mover, hand 1): hand 2 plays next, hand 3 is the mover's
// partner, hand 4 played before the mover.
struct SearchRoot {
  OneBased<SearchHand, 4> Hands{};
  CardList52 MoverWon{};  // cards won by the mover's side so far, filled from the front
  CardList52 OtherWon{};
  int TrickNo = 1;          // 1..13, the trick the root position is in
  bool RuleSwitch = true;   // forward pruning of the following and leading rules
  bool CacheSwitch = true;  // position cache at the start of tricks
  int DepthLimit = 9;       // plies; the search stops at the first trick start at or beyond it
  int Label = 1;            // side label 1..4 of the mover: odd West-East, even North-South
  int Position = 1;         // 1..4, the mover's place in the trick
  int Tricks1 = 0;          // counted tricks of side 1 (West-East) and side 2
  int Tricks2 = 0;
  char Trump = kNoSuit;
  TrickCards Trick{};  // the cards already on the table, in play order
};

struct SearchScores {
  // Per slot of the mover's hand, the value from the mover's side's point of view;
  // kNotSearched for slots not searched, kOnlyCard for the one playable card.
  OneBased<std::int32_t, kHandSlots> Scores{};
  std::int32_t VzGlav = 0;  // value for side 1
  std::int32_t VzHelp = 0;  // value for side 2
};

// The minimax over cards with its position cache. Values are differences of deal
// points. The cache lives as long as the searcher; ResetCache empties it, which the
// card choice does before every sampled deal.
class Searcher {
 public:
  explicit Searcher(const RuleOptions& options);
  ~Searcher();
  Searcher(const Searcher&) = delete;
  Searcher& operator=(const Searcher&) = delete;

  void SetOptions(const RuleOptions& options);
  void ResetCache();
  SearchScores SearchPosition(const SearchRoot& root);

  // Positions visited since construction, for the tools' node counts.
  std::uint64_t Nodes() const;
  // Records stored in the cache table for n cards in the mover's hand (3..12).
  int CacheCount(int n) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tavlo
