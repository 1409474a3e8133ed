#include "net/lan/headless_table.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTimer>
#include <cstdio>

#include "game/seats.h"
#include "lang/cp1251.h"
#include "net/lan/recutting_relay.h"

namespace tavlo::lan {
namespace {

const char* const kCompass[5] = {"", "West", "North", "East", "South"};

}  // namespace

HeadlessProgram::HeadlessProgram(std::string name, std::uint64_t seed)
    : name_(std::move(name)),
      seed_(seed),
      records_(name_),
      game_(*this, records_, seed),
      computer_(game_.Options(), quiet_, seed * 7 + 1),
      flow_(game_, *this, computer_) {
  session_.Attach(&game_, &flow_);
  connect(&session_, &LanSession::Seated, this, &HeadlessProgram::StartSeries);
  connect(&session_, &LanSession::Interrupted, this, [this] { ++interruptions_; });
  connect(&session_, &LanSession::ChatReceived, this, [this](int seat, const QString& text) {
    ChatLines.push_back(std::to_string(seat) + ":" + text.toStdString());
  });
}

void HeadlessProgram::StartSeries() {
  const LanState& lan = session_.State();
  TableMode mode;
  mode.NetGame = true;
  mode.NetRole = lan.NetRole;
  mode.LastClient = lan.LastClient;
  mode.AwaitingDeal = lan.NetRole >= 2;
  mode.Player = PlayerSlot::NewPlayer;
  game_.SetMode(mode);
  game_.SetSeatNames(session_.ScreenSeatNames());
  // The player's own choices depend on the seat only, however the programs were started.
  player_ =
      std::make_unique<ComputerPlayer>(game_.Options(), quiet_, seed_ * 13 + static_cast<std::uint64_t>(lan.NetRole));
  flow_.StartSeries();
}

bool HeadlessProgram::Step() {
  const GameState& s = game_.State();
  if (!s.GameShown || finished_) return false;
  const TableControls& controls = game_.Controls();
  const int seat = SeatToPlay(s);
  if (s.Turn == turn::kDealOver) {
    flow_.OnTimer1();
    NoteDeal();
    return true;
  }
  if (s.Turn == turn::kDealScored && flow_.GameOver()) return false;
  if (controls.StartEnabled && ((s.DealPhase == 1 && s.Turn >= 1 && s.Turn <= 4) || s.Turn == turn::kTrickComplete ||
                                s.Turn == turn::kDealScored)) {
    flow_.OnStartOrOk();
    return true;
  }
  if (seat != 0 && flow_.PlayerControls(seat)) return flow_.OnPlayerCard(seat, player_->ChooseCard(s, seat));
  if (flow_.ComputerMoveDue()) {
    flow_.OnTimer1();
    return true;
  }
  return false;
}

void HeadlessProgram::Quit() {
  if (flow_.GameOver()) {
    flow_.OnExitToMenu();
  } else if (game_.State().GameShown) {
    flow_.OnQuit();
  } else {
    session_.Close();
  }
}

void HeadlessProgram::FinishSeries(std::int32_t, int) {
  finished_ = true;
  session_.Close();
}

void HeadlessProgram::NoteDeal() {
  const GameState& s = game_.State();
  if (s.Turn != turn::kDealScored) return;
  // Local side 2 is this program's side: for the clients at West and East that is West-East.
  const int role = game_.Mode().NetRole;
  const bool swapped = role == 3 || role == 4;
  const int westEast = swapped ? 2 : 1;
  const int northSouth = swapped ? 1 : 2;
  char line[200];
  std::snprintf(line, sizeof line, "deal %d: dummy %s, trump %s, tricks W-E %d N-S %d, points W-E %+d N-S %+d",
                s.SeriesKon, kCompass[CompassOfLocalSeat(s.Dummy, role)], SuitLabel(s.Trump).c_str(),
                s.SideTricks[westEast], s.SideTricks[northSouth], s.GameScore[westEast] - scoreBefore_[westEast],
                s.GameScore[northSouth] - scoreBefore_[northSouth]);
  dealLines_.emplace_back(line);
  scoreBefore_ = s.GameScore;
}

std::int32_t HeadlessProgram::SeriesScore() const {
  const GameState& s = game_.State();
  const int role = game_.Mode().NetRole;
  const std::int32_t own = s.GameScore[2] - s.GameScore[1];
  return role == 3 || role == 4 ? -own : own;
}

namespace {

// Runs the event loop until `done` holds or the time limit passes; `step` acts between turns.
bool RunUntil(const std::function<bool()>& done, const std::function<bool()>& step, const QElapsedTimer& clock,
              int limitMs) {
  QTimer wake;
  wake.start(10);  // the loop waits for events; this bounds the wait
  while (!done()) {
    if (clock.elapsed() > limitMs) return false;
    const bool acted = step();
    QCoreApplication::processEvents(acted ? QEventLoop::AllEvents : QEventLoop::WaitForMoreEvents);
  }
  return true;
}

}  // namespace

LanTableResult PlayLanTable(const LanTableOptions& o) {
  LanTableResult result;
  QElapsedTimer clock;
  clock.start();
  const char* const names[4] = {"Anna", "Bo", "Cyra", "Dan"};
  std::vector<std::unique_ptr<HeadlessProgram>> programs;
  for (int k = 0; k <= o.Clients; ++k) {
    programs.push_back(std::make_unique<HeadlessProgram>(names[k], o.Seed + static_cast<std::uint64_t>(k) * 1000));
  }
  HeadlessProgram& server = *programs[0];
  if (!server.Session().Listen(names[0], 0, QHostAddress::LocalHost)) {
    result.Failure = "the server cannot listen";
    return result;
  }
  std::uint16_t port = server.Session().ListeningPort();
  std::unique_ptr<RecuttingRelay> relay;
  if (o.Recut) {
    relay = std::make_unique<RecuttingRelay>(port, o.Seed * 31 + 5);
    if (!relay->Start()) {
      result.Failure = "the relay cannot listen";
      return result;
    }
    port = relay->Port();
  }

  bool left = false;
  HeadlessProgram* leaver =
      o.Leave == LeaveStage::Never ? nullptr : programs[static_cast<std::size_t>(o.Leaver - 1)].get();
  const auto leave = [&] {
    leaver->Quit();
    left = true;
  };
  const auto stepAll = [&] {
    bool acted = false;
    for (auto& p : programs) {
      if (left && p.get() == leaver) continue;
      acted = p->Step() || acted;
    }
    return acted;
  };
  const auto anyInterrupted = [&] {
    for (auto& p : programs) {
      if (p->Interruptions() > 0) return true;
    }
    return false;
  };

  int joined = 0;
  // Clients join one at a time, so each program's seat is the same in every run.
  for (int k = 1; k <= o.Clients && !anyInterrupted(); ++k) {
    HeadlessProgram& client = *programs[static_cast<std::size_t>(k)];
    client.Session().Connect(names[k], "127.0.0.1", port);
    const bool seated = RunUntil([&] { return server.Session().State().LastClient >= k - 1 || anyInterrupted(); },
                                 stepAll, clock, o.TimeLimitMs);
    if (!seated) {
      result.Failure = "client " + std::to_string(k) + " was not seated";
      return result;
    }
    joined = k;
    if (k == std::min(2, o.Clients) && o.Leave == LeaveStage::Seating) {
      // Wait for the client's own table before anyone leaves.
      RunUntil([&] { return client.TheGame().State().GameShown; }, stepAll, clock, o.TimeLimitMs);
      leave();
      break;
    }
  }
  if (!left && o.Leave == LeaveStage::BeforeFirstDeal) {
    // Every client's table is open and waits for the first deal.
    const bool waiting = RunUntil(
        [&] {
          for (std::size_t k = 1; k < programs.size(); ++k) {
            if (!programs[k]->TheGame().State().GameShown) return false;
          }
          return true;
        },
        stepAll, clock, o.TimeLimitMs);
    if (waiting) leave();
  }
  if (!left) server.StartSeries();

  const auto atStage = [&]() -> bool {
    const GameState& s = leaver->TheGame().State();
    switch (o.Leave) {
      case LeaveStage::MidTrick:
        return s.DealPhase == 2 && s.TrickNo == 2 && s.TrickPos == 3;
      case LeaveStage::ScoreSheet:
        return s.SeriesKon == 1 && s.Turn == turn::kDealScored;
      case LeaveStage::AfterLastDeal:
        return leaver->Flow().GameOver();
      default:
        return false;
    }
  };
  const auto allEnded = [&] {
    if (leaver && !left) return false;
    for (std::size_t k = 0; k <= static_cast<std::size_t>(joined); ++k) {
      const auto& p = programs[k];
      if (left && p.get() == leaver) continue;
      const bool over = p->Flow().GameOver() || p->Finished();
      const bool interrupted = p->Interruptions() > 0 && !p->TheGame().State().GameShown;
      if (!over && !interrupted) return false;
    }
    return true;
  };
  const bool ended = RunUntil(
      allEnded,
      [&] {
        if (leaver && !left && atStage()) {
          leave();
          return true;
        }
        return stepAll();
      },
      clock, o.TimeLimitMs);
  if (!ended) {
    result.Failure = "the table stopped progressing";
  }
  if (ended && o.Leave == LeaveStage::AfterLastDeal) {
    // The others have seen the leaver's connection close (and said nothing, or not).
    const bool seen = RunUntil(
        [&] {
          if (leaver == &server) {
            for (auto& p : programs) {
              if (p.get() != leaver && p->Session().Connected() > 0) return false;
            }
            return true;
          }
          return server.Session().Connected() < o.Clients;
        },
        stepAll, clock, o.TimeLimitMs);
    if (!seen) result.Failure = "the leaver's connection did not close";
  }
  for (auto& p : programs) {
    result.DealLines.push_back(p->DealLines());
    result.SeriesScores.push_back(p->SeriesScore());
    result.Interruptions.push_back(p->Interruptions());
    result.AtMenu.push_back(!p->TheGame().State().GameShown);
    result.GameOver.push_back(p->Flow().GameOver());
    result.BytesSent += p->Session().Counted().BytesSent;
    result.MessagesSent += p->Session().Counted().MessagesSent;
  }
  if (relay) result.RelayPieces = relay->Pieces();
  result.Completed = ended;
  return result;
}

}  // namespace tavlo::lan
