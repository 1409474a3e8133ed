#include "game/arrange.h"
#include "game/expects.h"
#include "game/game.h"
#include "game/seats.h"

namespace tavlo {

void Game::SetStartButton(StartCaption caption, bool enabled) {
  controls_.Start = caption;
  controls_.StartEnabled = enabled;
  view_.SetStartButton(caption, enabled);
}

void Game::EnableStartButton(bool enabled) { SetStartButton(controls_.Start, enabled); }

void Game::SetExitButton(bool enabled) {
  controls_.ExitEnabled = enabled;
  view_.SetExitButton(enabled);
}

void Game::EndTableEarly() {
  if (!state_.GameShown) return;
  state_.Turn = turn::kDealScored;
  state_.CanExit = true;
  EnableStartButton(false);
  SetExitButton(true);
}

void Game::SetTimer1(int intervalMs, bool running) {
  controls_.TimerInterval = intervalMs;
  controls_.TimerRunning = running;
  view_.SetTimer1(intervalMs, running);
}

DealScore Game::ScoreCurrentDeal(bool final) {
  GameState& s = state_;
  bool complete = true;
  for (int seat = 1; seat <= 4; ++seat) complete = complete && s.CardsLeft[seat] == 0;
  DealScore score = ScoreDeal(s.Taken[1], s.Taken[2], s.SideTricks[1], s.SideTricks[2], s.Trump, options_);
  ApplyCompleteness(score, s.Taken[1], s.Taken[2], s.Trump, complete);
  if (!final) return score;

  TAVLO_EXPECTS(s.Turn == turn::kDealOver, score);
  for (int side = 1; side <= 2; ++side) {
    s.GameScore[side] += score.Sides[side].All();
    view_.DrawScoreBoard(side, s.GameScore[side], false, s.SideTricks[side], score.Sides[side].All());
  }
  s.Turn = turn::kDealScored;
  view_.PlayEffect(score.Sides[2].All() >= score.Sides[1].All() ? "WKoGutX" : "WKoBadX");
  return score;
}

void Game::ShowCardsAtEnd() {
  GameState& s = state_;
  DealPackets();
  for (int seat = 1; seat <= 4; ++seat) {
    s.CardsLeft[seat] = static_cast<std::uint8_t>(ArrangeCards(s.Hands[seat], s.HandRanks[seat], s.Trump));
  }
  for (int seat = 1; seat <= 4; ++seat) view_.RedrawHand(seat, true);
  for (int seat = 1; seat <= 4; ++seat) s.CardsLeft[seat] = 0;
}

void Game::ToggleShowAllCards() {
  GameState& s = state_;
  s.ShowAllCards = !s.ShowAllCards;
  if (!s.GameShown || s.DealPhase == 0) return;
  for (int seat = 1; seat <= 3; ++seat) {
    // Frozen hands at the end of a deal are left as they are.
    if (s.CardsLeft[seat] == 0) continue;
    view_.RedrawHand(seat, s.DealPhase == 2 && seat == s.Dummy);
  }
  // South's own hand keeps its mark; marking it again would invert it back.
  if (s.DealPhase == 1 && s.Dummy != kSouth) view_.ShowTrumpCard();
}

void Game::SettleSeriesResult() {
  state_.SeriesResult = state_.GameScore[2] - state_.GameScore[1];
  state_.TotalScore = state_.StartScore + state_.SeriesResult;
}

}  // namespace tavlo
