#pragma once

#include "game/game_state.h"
#include "game/rule_options.h"

namespace tavlo {

// The rules of a trick, on the game state. Game calls them and adds the drawing.

// True when the card in `slot` does not follow the led suit although the hand holds
// that suit. Any card may be led; there is no duty to trump or to overtake.
bool IsRevoke(const GameState& state, int seat, int slot);

// True when the seat may play the card in `slot` now: the slot holds a card and it is
// no revoke. The one legality test of the game; every player goes through it.
bool IsLegalPlay(const GameState& state, int seat, int slot);

// Appends the card at the lowest empty slot unless the list holds it already.
void AddUnique(TCardCode card, CardList52& list);

// Notes what the card at Table[p] reveals: it is in nobody's hand, and a seat that
// did not follow the led suit holds none of that suit.
void RecordKnowledge(GameState& state, int p);

// Position 1..4 of the card that wins a complete trick: the highest trump, otherwise
// the highest card of the led suit.
int WinningPosition(const OneBased<TCardCode, 4>& table, const OneBased<std::uint8_t, 4>& ranks, char trump,
                    char ledSuit);

// Resolves the complete trick on the table (TrickPos 5): Leader becomes the winner,
// the four cards go to the winner's side's Taken list and the trick is counted unless
// it is one of the first six under IgnoreFirstSix. Returns the winner's side.
int ResolveTrick(GameState& state, const RuleOptions& options);

}  // namespace tavlo
