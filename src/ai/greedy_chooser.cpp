#include "ai/greedy_chooser.h"

#include "game/seats.h"
#include "game/trick.h"

namespace tavlo {
namespace {

// Orders cards by cost: plain cards before trumps, then by rank.
int Cost(TCardCode card, std::uint8_t rank, char trump) { return (card.suit == trump ? 100 : 0) + rank; }

}  // namespace

int GreedyCardChooser::ChooseCard(const GameState& state, int seat) {
  const CardList13& hand = state.Hands[seat];
  const RankList13& ranks = state.HandRanks[seat];
  const int p = state.TrickPos;
  int winnerPos = 0;
  if (p >= 2) {
    OneBased<TCardCode, 4> table = state.Table;
    OneBased<std::uint8_t, 4> tableRanks = state.TableRanks;
    winnerPos = WinningPosition(table, tableRanks, state.Trump, state.LedSuit);
  }
  const bool partnerWinning = p >= 2 && SeatAfter(state.Leader, winnerPos - 1) == Partner(seat);

  int cheapest = 0;
  int cheapestWinner = 0;
  for (int i = 1; i <= kHandSlots; ++i) {
    if (!IsLegalPlay(state, seat, i)) continue;
    const int cost = Cost(hand[i], ranks[i], state.Trump);
    if (cheapest == 0 || cost < Cost(hand[cheapest], ranks[cheapest], state.Trump)) cheapest = i;
    if (p == 1 || partnerWinning) continue;
    // Would this card take the lead of the trick?
    OneBased<TCardCode, 4> table = state.Table;
    OneBased<std::uint8_t, 4> tableRanks = state.TableRanks;
    table[p] = hand[i];
    tableRanks[p] = ranks[i];
    if (WinningPosition(table, tableRanks, state.Trump, state.LedSuit) != p) continue;
    if (cheapestWinner == 0 || cost < Cost(hand[cheapestWinner], ranks[cheapestWinner], state.Trump)) {
      cheapestWinner = i;
    }
  }
  return cheapestWinner != 0 ? cheapestWinner : cheapest;
}

}  // namespace tavlo
