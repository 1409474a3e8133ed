#pragma once

#include "game/game_state.h"
#include "game/random.h"

namespace tavlo {

// Every computer-played seat is an input that answers one question: which card now.
// The flow controller asks it when Turn names a seat the computer plays.
class CardChooser {
 public:
  virtual ~CardChooser() = default;
  // The slot (1..13) of a legal card of `seat`, which is the seat to play and holds a card.
  virtual int ChooseCard(const GameState& state, int seat) = 0;
};

// Plays a uniformly random legal card: the weakest possible opponent, for tests,
// self-play and as a baseline for the computer player.
class RandomCardChooser : public CardChooser {
 public:
  explicit RandomCardChooser(std::uint64_t seed) : rng_(seed) {}
  int ChooseCard(const GameState& state, int seat) override;

 private:
  Random rng_;
};

}  // namespace tavlo
