#include "game/flow.h"

#include <string>

#include "game/seats.h"
#include "game/trick.h"

namespace tavlo {
namespace {

constexpr int kMenuInterval = 20;
constexpr int kPlayInterval = 300;
constexpr int kLanTrickPause = 2000;
constexpr int kLanNextDealPause = 5000;
constexpr int kTournamentNextDealPause = 3000;
constexpr int kCycleLength = 40;
constexpr int kSessionLength = 4;

}  // namespace

FlowController::FlowController(Game& game, TableBoundary& view, CardChooser& computer)
    : game_(game), view_(view), computer_(computer) {}

void FlowController::Announce(const char* frame) {
  const TableMode& mode = game_.Mode();
  if (mode.NetGame || mode.Tournament) view_.SendFrame(std::string(frame) + static_cast<char>('0' + mode.NetRole));
}

void FlowController::StartSeries() {
  game_.SetTimer1(game_.Controls().TimerInterval, false);
  game_.ShuffleAndDeal(false);
}

bool FlowController::ComputerMoveDue() const {
  const GameState& s = game_.State();
  const TableMode& mode = game_.Mode();
  if (mode.Tournament) return false;
  if (mode.NetGame) return mode.NetRole == 1 && mode.LastClient == 0 && (s.Turn == 11 || s.Turn == 13);
  switch (s.Turn) {
    case 11:
    case 13: return true;
    case 12: return s.Dummy != kNorth;
    case 14: return s.Dummy == kSouth;
    default: return false;
  }
}

bool FlowController::PlayerControls(int seat) const {
  const GameState& s = game_.State();
  if (!s.GameShown) return false;
  if (seat == kSouth) return s.Turn == 14 && s.Dummy != kSouth;
  if (seat == kNorth) return s.Turn == 12 && s.Dummy == kNorth;
  return false;
}

void FlowController::OnTimer1() {
  if (const int seat = OnTimer1Deferred(); seat != 0) OnComputerCard(seat, computer_.ChooseCard(game_.State(), seat));
}

int FlowController::OnTimer1Deferred() {
  const GameState& s = game_.State();
  if (!s.GameShown) return 0;
  const TableControls& controls = game_.Controls();
  if (s.Turn > turn::kSeatToPlay && controls.TimerInterval != kPlayInterval) {
    game_.SetTimer1(kPlayInterval, controls.TimerRunning);
  }
  if (ComputerMoveDue()) return SeatToPlay(s);
  if (s.Turn == turn::kDealOver) EndOfDeal();
  return 0;
}

bool FlowController::OnComputerCard(int seat, int slot) {
  const GameState& s = game_.State();
  if (!s.GameShown || !ComputerMoveDue() || SeatToPlay(s) != seat || !IsLegalPlay(s, seat, slot)) return false;
  if (!game_.PlayCard(seat, slot, true)) return false;
  if (s.TrickPos == 5) {
    if (game_.Mode().NetGame) view_.Pause(kLanTrickPause);
    game_.EnableStartButton(true);
  }
  return true;
}

void FlowController::OnStartOrOk() {
  const GameState& s = game_.State();
  const TableControls& controls = game_.Controls();
  if (!s.GameShown || !controls.StartEnabled) return;
  if (s.DealPhase == 1) {
    if (!game_.StartPlay()) return;
    game_.SetStartButton(StartCaption::Ok, false);
    game_.SetTimer1(controls.TimerInterval, true);
    Announce("hshow");
  } else if (s.Turn == turn::kTrickComplete) {
    game_.GatherTrick();
    Announce("hslit");
    view_.RestoreArrowCursor();
  } else if (s.Turn == turn::kDealScored) {
    if (game_.Mode().Tournament) {
      // The server deals once per request: a second press before the deal would be refused.
      game_.EnableStartButton(false);
      view_.SendFrame("bnext");
    } else {
      game_.SetTimer1(controls.TimerInterval, false);
      game_.ShuffleAndDeal(true);
    }
  }
}

void FlowController::EndOfDeal() {
  const TableMode& mode = game_.Mode();
  game_.ScoreCurrentDeal(true);
  const bool leads = (mode.NetGame && mode.NetRole == 1) || (mode.Tournament && mode.TournamentFirstPlace);
  // The others close their sheets when this player closes theirs, not when the window's modal
  // loop gets back here: a loop opened on top of it meanwhile would hold the news back.
  view_.ShowScoreSheet(true, [this, leads] {
    if (leads) Announce("hclos");
  });
  game_.SetStartButton(StartCaption::NextGame, game_.Controls().StartEnabled);
  if (game_.Options().ShowCardsAtEnd) game_.ShowCardsAtEnd();
  SetEndOfDealButtons();
  game_.SettleSeriesResult();
  view_.EndOfDealShown();
}

void FlowController::SetEndOfDealButtons() {
  const TableMode& mode = game_.Mode();
  const std::int32_t konNo = game_.State().KonNo;
  const bool sessionEnds = SessionDeal(game_.State(), mode) % kSessionLength == 0;
  if (mode.AgainstComputer()) {
    game_.SetCanExit(true);
    if (mode.AccountState == 3) {
      // Rated club play may end only with a session.
      game_.EnableStartButton(!sessionEnds);
      game_.SetExitButton(sessionEnds);
    } else {
      game_.EnableStartButton(konNo % kCycleLength != 0);
      game_.SetExitButton(true);
    }
    return;
  }
  if (sessionEnds) {
    game_.SetCanExit(true);
    game_.EnableStartButton(false);
    game_.SetExitButton(!mode.Tournament || mode.TournamentFirstPlace);
    return;
  }
  const bool leads = mode.Tournament ? mode.TournamentFirstPlace : mode.NetRole == 1;
  game_.EnableStartButton(false);
  game_.SetExitButton(false);
  if (leads) {
    view_.Pause(mode.Tournament ? kTournamentNextDealPause : kLanNextDealPause);
    game_.EnableStartButton(true);
  }
}

void FlowController::OnExitToMenu() {
  const GameState& s = game_.State();
  // CanExit says the series may end; the button's state says whether it may end now
  // (rated club play keeps it disabled between sessions).
  if (!s.GameShown || !s.CanExit || !game_.Controls().ExitEnabled) return;
  const bool tournament = game_.Mode().Tournament;
  if (tournament) view_.EndTournamentTable();
  view_.FinishSeries(s.SeriesResult, s.SeriesKon);
  game_.LeaveTable();
  if (tournament) view_.ShowTournamentWindow();
}

bool FlowController::OnQuit() {
  if (!game_.State().GameShown || !view_.ConfirmLeave()) return false;
  const TableMode& mode = game_.Mode();
  const int slot = static_cast<int>(mode.Player);
  if (!mode.Tournament && slot >= 1 && slot <= 5) view_.RemovePlayerFromClub(slot, mode.NetGame);
  if (mode.AccountState == 3) {
    game_.LeaveRatedPlay();
    view_.LeaveRatedPlay();
  }
  if (mode.NetGame || mode.Tournament) view_.CloseConnections();
  game_.LeaveTable();
  view_.ShowMenu();
  game_.SetTimer1(kMenuInterval, true);
  return true;
}

bool FlowController::OnRemoteDeal(const DeckCards& deck) {
  const GameState& s = game_.State();
  const TableMode& mode = game_.Mode();
  if (!mode.NetGame || mode.NetRole < 2 || !s.GameShown) return false;
  // A deal comes only to a table that waits for it; it never overtakes the score of the last deal.
  if (s.Turn == turn::kDealOver) EndOfDeal();
  if (!mode.AwaitingDeal && (s.Turn != turn::kDealScored || GameOver())) return false;
  // The first deal was counted when the table opened.
  game_.SetRepeatDeal(mode.AwaitingDeal);
  if (mode.AwaitingDeal) {
    TableMode dealt = mode;
    dealt.AwaitingDeal = false;
    game_.SetMode(dealt);
  }
  game_.SetNextDeck(deck);
  game_.SetTimer1(game_.Controls().TimerInterval, false);
  game_.ShuffleAndDeal(true);
  return true;
}

bool FlowController::OnTourDeal(const DeckCards& deck) {
  const GameState& s = game_.State();
  if (!game_.Mode().Tournament) return false;
  const bool first = !s.GameShown;
  if (!first) {
    if (s.Turn == turn::kDealOver) EndOfDeal();
    if (s.Turn != turn::kDealScored || GameOver()) return false;
  }
  game_.SetNextDeck(deck);
  game_.SetTimer1(game_.Controls().TimerInterval, false);
  game_.ShuffleAndDeal(!first);
  return true;
}

bool FlowController::OnRemoteStart() {
  const GameState& s = game_.State();
  if (!s.GameShown || s.DealPhase != 1 || !game_.StartPlay()) return false;
  game_.SetStartButton(StartCaption::Ok, false);
  game_.SetTimer1(game_.Controls().TimerInterval, true);
  return true;
}

bool FlowController::OnRemoteGather() {
  const GameState& s = game_.State();
  if (!s.GameShown || s.Turn != turn::kTrickComplete) return false;
  game_.GatherTrick();
  view_.RestoreArrowCursor();
  return true;
}

bool FlowController::OnRemoteCard(int slot) {
  const GameState& s = game_.State();
  const int seat = SeatToPlay(s);
  if (!s.GameShown || seat == 0 || !IsLegalPlay(s, seat, slot)) return false;
  if (!game_.PlayCard(seat, slot, false)) return false;
  const TableMode& mode = game_.Mode();
  if ((mode.NetGame && mode.NetRole == 1) || (mode.Tournament && mode.TournamentFirstPlace)) {
    game_.SetTimer1(game_.Controls().TimerInterval, true);
    if (s.Turn == turn::kTrickComplete) {
      view_.Pause(kLanTrickPause);
      game_.EnableStartButton(true);
    }
  }
  return true;
}

bool FlowController::OnPartnerLeft() {
  if (!game_.State().GameShown || GameOver()) return false;
  view_.PlayEffect("WWrongs");
  game_.LeaveTable();
  view_.ShowMenu();
  game_.SetTimer1(kMenuInterval, true);
  return true;
}

bool FlowController::GameOver() const {
  const GameState& s = game_.State();
  const TableMode& mode = game_.Mode();
  return s.GameShown && (mode.NetGame || mode.Tournament) && s.Turn == turn::kDealScored &&
         SessionDeal(s, mode) % kSessionLength == 0;
}

bool FlowController::OnPlayerCard(int seat, int slot) {
  const GameState& s = game_.State();
  if (!PlayerControls(seat) || slot < 1 || slot > kHandSlots || s.Hands[seat][slot].IsEmpty()) return false;
  if (s.TrickPos > 1 && IsRevoke(s, seat, slot)) {
    view_.PlayEffect("WWrongs");
    return false;
  }
  if (!game_.PlayCard(seat, slot, true)) return false;
  if (s.Turn == turn::kTrickComplete) {
    const TableMode& mode = game_.Mode();
    const bool mayGather = mode.Tournament ? mode.TournamentFirstPlace : mode.NetRole <= 1;
    if (mayGather) game_.EnableStartButton(true);
  }
  view_.RestoreArrowCursor();
  return true;
}

}  // namespace tavlo
