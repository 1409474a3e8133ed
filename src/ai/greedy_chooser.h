#pragma once

#include "game/card_chooser.h"

namespace tavlo {

// A simple opponent for measuring the computer player: wins the trick with its
// cheapest winning card when it can, otherwise plays its lowest card, and does not
// trump a trick its partner is winning. Leads its lowest plain card.
class GreedyCardChooser : public CardChooser {
 public:
  int ChooseCard(const GameState& state, int seat) override;
};

}  // namespace tavlo
