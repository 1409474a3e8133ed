#include "game/arrange.h"
#include "game/deal_message.h"
#include "game/expects.h"
#include "game/game.h"
#include "game/trick.h"

namespace tavlo {

bool Game::IsRevoke(int seat, int slot) const {
  TAVLO_EXPECTS(seat >= 1 && seat <= 4 && slot >= 1 && slot <= kHandSlots, false);
  return tavlo::IsRevoke(state_, seat, slot);
}

bool Game::StartPlay() {
  GameState& s = state_;
  TAVLO_EXPECTS(s.DealPhase == 1 && s.Turn >= 1 && s.Turn <= 4, false);
  s.DealPhase = 2;
  const int turn = s.Turn + turn::kSeatToPlay - 1;
  s.Turn = static_cast<std::uint8_t>(turn == turn::kSeatToPlay ? turn::kSeatToPlay + 4 : turn);
  return true;
}

bool Game::PlayCard(int seat, int slot, bool announce) {
  GameState& s = state_;
  TAVLO_EXPECTS(seat >= 1 && seat <= 4 && seat == SeatToPlay(s), false);
  TAVLO_EXPECTS(slot >= 1 && slot <= kHandSlots && !s.Hands[seat][slot].IsEmpty(), false);

  if (announce && (mode_.NetGame || mode_.Tournament)) view_.SendFrame(MoveMessage(slot, mode_.NetRole));
  view_.RedrawHand(s.Dummy, true);

  const TCardCode card = s.Hands[seat][slot];
  s.Table[s.TrickPos] = card;
  s.TableRanks[s.TrickPos] = s.HandRanks[seat][slot];
  if (s.TrickPos == 1) s.LedSuit = card.suit;
  view_.DrawSeatPlate(seat, seat == s.Dummy, s.TrickPos == 1);

  s.Hands[seat][slot] = kNoCard;
  s.HandRanks[seat][slot] = kNoRank;
  s.CardsLeft[seat] = static_cast<std::uint8_t>(ArrangeCards(s.Hands[seat], s.HandRanks[seat], s.Trump));
  const bool faceUp = seat == s.Dummy || seat == 4;
  view_.CardToTable(seat, slot, card, faceUp);
  view_.PlayEffect("WHodsDo");

  s.Turn = static_cast<std::uint8_t>(s.Turn == 14 ? 11 : s.Turn + 1);
  RecordKnowledge(s, s.TrickPos);
  s.TrickPos = static_cast<std::uint8_t>(s.TrickPos + 1);
  if (s.TrickPos == 5) {
    ResolveTrick(s, options_);
    for (int side = 1; side <= 2; ++side) view_.DrawScoreBoard(side, kBoardKeep, false, s.SideTricks[side], kBoardKeep);
    DrawAllPlates();
    s.Turn = turn::kTrickComplete;
  }
  return true;
}

bool Game::GatherTrick() {
  GameState& s = state_;
  TAVLO_EXPECTS(s.Turn == turn::kTrickComplete, false);
  view_.GatherTrickArea(s.Leader);
  s.PrevWinner = s.Leader;
  s.TrickPos = 1;
  s.Turn = static_cast<std::uint8_t>(turn::kSeatToPlay + s.Leader);
  s.Table.fill(kNoCard);
  s.TableRanks.fill(kNoRank);
  s.LedSuit = kNoSuit;
  // After the last trick TrickNo reads 14: "one past the last trick".
  s.TrickNo = static_cast<std::uint8_t>(s.TrickNo + 1);
  EnableStartButton(false);
  if (s.CardsLeft[1] == 0 && s.CardsLeft[2] == 0 && s.CardsLeft[3] == 0 && s.CardsLeft[4] == 0) {
    s.Turn = turn::kDealOver;
    view_.DealOver();
  }
  return true;
}

}  // namespace tavlo
