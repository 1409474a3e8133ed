#pragma once

#include <string>

#include "game/game_state.h"

namespace tavlo {

// Checks the invariants that hold between any two cards of a deal in play: every card
// in exactly one place (a resolved, ungathered trick both on the table and in its
// winner's Taken list), CardsLeft matching the hands, Taken lists packed and holding
// four cards per resolved trick, Table filled exactly below TrickPos.
// Returns "" when all hold, otherwise a description of the first broken one.
std::string CheckInvariants(const GameState& state);

}  // namespace tavlo
