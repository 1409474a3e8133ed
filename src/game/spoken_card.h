#pragma once

#include "game/game_state.h"

namespace tavlo {

// Which card a right click names (the player's own hand, the exposed dummy, every hand at the
// end of a deal shown face up, the turned-up trump card, the trick); the empty card when the
// click names none.

// The card under a right click on `slot` (1..13, 0 for no card) of `seat`'s hand. While the deal
// waits for "To Begin" the dummy's last display place (13) is the turned-up trump card.
TCardCode CardToSpeak(const GameState& state, bool showCardsAtEnd, int seat, int slot);

// The card `seat` played to the current trick, or the empty card.
TCardCode TrickCardOf(const GameState& state, int seat);

}  // namespace tavlo
