#include "game/game_state.h"

namespace tavlo {

GameState::GameState() {
  DeckRanks.fill(kNoRank);
  for (int s = 1; s <= 4; ++s) SeatCompass[s] = static_cast<std::uint8_t>(s);
  ClearDeal();
}

void GameState::ClearDeal() {
  Deck.fill(kNoCard);
  DeckRanks.fill(kNoRank);
  for (int s = 1; s <= 4; ++s) {
    Hands[s].fill(kNoCard);
    HandRanks[s].fill(kNoRank);
    NotHeld[s].fill(kNoCard);
    CardsLeft[s] = 0;
  }
  for (int side = 1; side <= 2; ++side) {
    Taken[side].fill(kNoCard);
    SideTricks[side] = 0;
  }
  Table.fill(kNoCard);
  TableRanks.fill(kNoRank);
  Trump = kNoSuit;
  TrumpCard = kNoCard;
  LedSuit = kNoSuit;
  TrickPos = 1;
  TrickNo = 1;
}

}  // namespace tavlo
