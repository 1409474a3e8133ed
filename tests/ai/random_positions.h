#pragma once

// Positions of real play for the search tests: a seeded deal played with random legal
// cards up to a chosen trick and place in the trick.

#include <cstdint>

#include "ai/computer_player.h"
#include "game/card_chooser.h"
#include "game/game.h"

namespace tavlo::testing {

struct PlayedPosition {
  GameState state;
  int seat = 0;  // the seat to play
};

inline PlayedPosition PlayTo(int trickNo, int position, const RuleOptions& options, std::uint64_t seed) {
  QuietBoundary view;
  NewPlayerRecords records;
  Game game(view, records, seed);
  game.SetOptions(options);
  RandomCardChooser chooser(seed * 7919 + 17);
  const GameState& s = game.State();
  // Deal numbers rotate the dummy through all four seats.
  for (std::uint64_t k = 0; k <= seed % 4; ++k) game.ShuffleAndDeal(k > 0);
  game.StartPlay();
  while (!(s.TrickNo == trickNo && s.TrickPos == position && s.Turn != turn::kTrickComplete)) {
    if (s.Turn == turn::kTrickComplete) {
      game.GatherTrick();
      continue;
    }
    const int seat = SeatToPlay(s);
    game.PlayCard(seat, chooser.ChooseCard(s, seat), false);
  }
  return PlayedPosition{s, SeatToPlay(s)};
}

// The search position of the seat to play with every hand seen as it really is.
inline SearchRoot RealRoot(const PlayedPosition& pos) {
  OneBased<SearchHand, 4> hands;
  for (int seat = 1; seat <= 4; ++seat) {
    hands[seat].Cards = pos.state.Hands[seat];
    hands[seat].Ranks = pos.state.HandRanks[seat];
  }
  return RootForSeat(pos.state, pos.seat, hands);
}

}  // namespace tavlo::testing
