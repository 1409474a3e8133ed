#pragma once

#include "game/trick.h"
#include "ui/main_window.h"

namespace tavlo::testing {

// One step of a game through the flow's entry points, as the player and the timer would take it:
// start the deal or gather a trick, play the player's first legal card, or give the computer its
// tick (which also ends the deal), and deal again once the deal is scored.
inline void PlayOneStep(MainWindow& window) {
  const GameState& s = window.TheGame().State();
  FlowController& flow = window.Flow();
  const int seat = SeatToPlay(s);
  if (s.DealPhase == 1 || (s.Turn == turn::kTrickComplete && window.TheGame().Controls().StartEnabled) ||
      s.Turn == turn::kDealScored) {
    flow.OnStartOrOk();
  } else if (seat != 0 && flow.PlayerControls(seat)) {
    int slot = 1;
    while (!IsLegalPlay(s, seat, slot)) ++slot;
    flow.OnPlayerCard(seat, slot);
  } else {
    flow.OnTimer1();
  }
}

}  // namespace tavlo::testing
