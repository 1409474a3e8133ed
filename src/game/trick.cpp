#include "game/trick.h"

#include "game/seats.h"

namespace tavlo {

bool IsRevoke(const GameState& state, int seat, int slot) {
  if (state.TrickPos == 1) return false;
  const CardList13& hand = state.Hands[seat];
  if (hand[slot].suit == state.LedSuit) return false;
  for (const TCardCode& c : hand) {
    if (!c.IsEmpty() && c.suit == state.LedSuit) return true;
  }
  return false;
}

bool IsLegalPlay(const GameState& state, int seat, int slot) {
  if (seat < 1 || seat > 4 || slot < 1 || slot > kHandSlots) return false;
  return !state.Hands[seat][slot].IsEmpty() && !IsRevoke(state, seat, slot);
}

void AddUnique(TCardCode card, CardList52& list) {
  int firstEmpty = 0;
  for (int i = 1; i <= kListSlots; ++i) {
    if (list[i] == card) return;
    if (firstEmpty == 0 && list[i].IsEmpty()) firstEmpty = i;
  }
  if (firstEmpty != 0) list[firstEmpty] = card;
}

void RecordKnowledge(GameState& state, int p) {
  const TCardCode played = state.Table[p];
  for (int s = 1; s <= 4; ++s) AddUnique(played, state.NotHeld[s]);
  if (p >= 2 && played.suit != state.Table[1].suit) {
    const int shownOut = SeatAfter(state.Leader, p - 1);
    const char suit = state.Table[1].suit;
    for (int r = 1; r <= 13; ++r) AddUnique(MakeCard(r, suit), state.NotHeld[shownOut]);
  }
}

int WinningPosition(const OneBased<TCardCode, 4>& table, const OneBased<std::uint8_t, 4>& ranks, char trump,
                    char ledSuit) {
  int winner = 0;
  int best = 0;
  for (const char suit : {trump, ledSuit}) {
    for (int c = 1; c <= 4; ++c) {
      if (table[c].suit == suit && ranks[c] > best) {
        best = ranks[c];
        winner = c;
      }
    }
    if (best != 0) break;
  }
  return winner;
}

int ResolveTrick(GameState& state, const RuleOptions& options) {
  const int position = WinningPosition(state.Table, state.TableRanks, state.Trump, state.LedSuit);
  state.Leader = SeatAfter(state.Leader, position - 1);
  const int side = SideOf(state.Leader);
  CardList52& taken = state.Taken[side];
  int k = 1;
  while (k <= kListSlots && !taken[k].IsEmpty()) ++k;
  for (int c = 1; c <= 4 && k <= kListSlots; ++c, ++k) taken[k] = state.Table[c];
  if (!(options.IgnoreFirstSix && state.TrickNo <= 6)) state.SideTricks[side] += 1;
  return side;
}

}  // namespace tavlo
