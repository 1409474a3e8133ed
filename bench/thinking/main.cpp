// tavlo-think-stalls [DEALS]: plays deals in an offscreen window with the expert computer
// player and measures how long the window's thread goes without handling an event while the
// computer thinks. A 10 ms timer asks for a repaint of the table at every tick; the gaps between
// its ticks are the frame stalls. The same deals are then played with the computer choosing on
// the window's thread, as a table without the worker would, for comparison. Gaps above 50 ms
// are split into the window thread's own running time, its wait for a processor and the rest.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/trick.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/main_window.h"

namespace tavlo {
namespace {

// Where the window's thread was during one gap between probe ticks, from the kernel's
// scheduler statistics of the thread: running, runnable but waiting for a processor (the
// machine's load), or neither (asleep in the event loop, or blocked).
struct GapParts {
  double gap = 0;
  double running = 0;
  double waiting = 0;
  double Blocked() const { return std::max(0.0, gap - running - waiting); }
};

struct Stalls {
  std::vector<double> idle;  // milliseconds between the probe timer's ticks before the game starts
  std::vector<double> gaps;  // ... while the computer thinks (on the worker: while the thinker is busy)
  std::vector<GapParts> longGaps;  // the gaps above 50 ms while thinking, split up
  std::vector<double> decisions;
};

// The running and the waiting nanoseconds of the calling thread, from
// /proc/thread-self/schedstat ("<running> <waiting> <slices>"); false when it cannot be read.
bool ReadSchedStat(double& runningMs, double& waitingMs) {
  std::FILE* f = std::fopen("/proc/thread-self/schedstat", "r");
  if (f == nullptr) return false;
  unsigned long long running = 0;
  unsigned long long waiting = 0;
  const int read = std::fscanf(f, "%llu %llu", &running, &waiting);
  std::fclose(f);
  if (read != 2) return false;
  runningMs = static_cast<double>(running) / 1e6;
  waitingMs = static_cast<double>(waiting) / 1e6;
  return true;
}

void Print(const char* what, Stalls st) {
  const auto show = [](const char* label, std::vector<double> v) {
    if (v.empty()) return;
    std::sort(v.begin(), v.end());
    const auto at = [&](double q) { return v[std::min(v.size() - 1, static_cast<std::size_t>(q * v.size()))]; };
    std::printf("    %-22s %6zu  median %8.1f ms  p99 %8.1f ms  max %8.1f ms\n", label, v.size(), at(0.5), at(0.99),
                v.back());
  };
  std::printf("%s\n", what);
  std::fflush(stdout);
  show("idle frame gaps", st.idle);
  show("frame gaps thinking", st.gaps);
  show("computer decisions", st.decisions);
  if (st.longGaps.empty()) return;
  std::printf("    gaps above 50 ms while thinking: %zu; per gap, the window's thread was\n", st.longGaps.size());
  std::sort(st.longGaps.begin(), st.longGaps.end(), [](const GapParts& a, const GapParts& b) { return a.gap > b.gap; });
  for (std::size_t i = 0; i < st.longGaps.size() && i < 12; ++i) {
    const GapParts& g = st.longGaps[i];
    std::printf("      gap %6.1f ms: running %6.1f ms, waiting for a processor %6.1f ms, asleep or blocked %6.1f ms\n",
                g.gap, g.running, g.waiting, g.Blocked());
  }
}

// Plays `deals` deals; the player's own cards are its first legal card. With `onWorker` the
// window's timer drives the computer (its worker thinks); without, every computer card is
// chosen at once on the window's thread, as the flow's own tick does.
Stalls Play(const ProgramPaths& paths, int deals, bool onWorker) {
  MainWindow window(paths, 1234);
  window.show();
  window.CompleteStart();
  window.CurrentSettings().FlyCardsOn = false;
  window.CurrentSettings().ExpertComputer = true;
  window.LeaveTitle();
  window.AskYesNo = [](const QString&) { return true; };
  window.ScoreSheetShown = [](TFormDiscard& sheet) { QTimer::singleShot(0, &sheet, &QDialog::accept); };
  window.StartSeries(PlayerSlot::NewPlayer, "Bench");
  // Without the worker nothing but this loop may ask the computer for a card.
  if (!onWorker) window.Timer1().disconnect();

  Stalls st;
  const GameState& s = window.TheGame().State();
  QElapsedTimer sinceTick;
  bool measuring = false;
  bool idle = true;
  QTimer probe;
  probe.setInterval(10);
  double lastRunning = 0;
  double lastWaiting = 0;
  const bool schedStat = ReadSchedStat(lastRunning, lastWaiting);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    const double gap = static_cast<double>(sinceTick.nsecsElapsed()) / 1e6;
    GapParts parts{gap, 0, 0};
    double running = 0;
    double waiting = 0;
    if (schedStat && ReadSchedStat(running, waiting)) {
      parts.running = running - lastRunning;
      parts.waiting = waiting - lastWaiting;
      lastRunning = running;
      lastWaiting = waiting;
    }
    if (measuring && (!onWorker || window.Thinker().Busy())) {
      st.gaps.push_back(gap);
      if (gap > 50 && schedStat) st.longGaps.push_back(parts);
    }
    if (idle) st.idle.push_back(gap);
    sinceTick.restart();
    window.update();
  });
  probe.start();
  sinceTick.start();
  const auto spin = [] { QApplication::processEvents(QEventLoop::AllEvents, 5); };
  // What the machine itself allows: the probe alone for two seconds.
  QElapsedTimer idleClock;
  idleClock.start();
  while (idleClock.elapsed() < 2000) spin();
  idle = false;

  for (int played = 0; played < deals;) {
    FlowController& flow = window.Flow();
    const int seat = SeatToPlay(s);
    if (s.DealPhase == 1 || (s.Turn == turn::kTrickComplete && window.TheGame().Controls().StartEnabled)) {
      measuring = false;
      flow.OnStartOrOk();
    } else if (s.Turn == turn::kDealScored) {
      measuring = false;
      ++played;
      if (played < deals) flow.OnStartOrOk();
    } else if (seat != 0 && flow.PlayerControls(seat)) {
      measuring = false;
      int slot = 1;
      while (!IsLegalPlay(s, seat, slot)) ++slot;
      flow.OnPlayerCard(seat, slot);
    } else if (seat != 0 && flow.ComputerMoveDue()) {
      const int before = s.CardsLeft[seat];
      QElapsedTimer decision;
      decision.start();
      measuring = true;
      if (onWorker) {
        while (s.CardsLeft[seat] == before && SeatToPlay(s) == seat) spin();
      } else {
        flow.OnTimer1();
        spin();
      }
      st.decisions.push_back(static_cast<double>(decision.nsecsElapsed()) / 1e6);
    } else {
      measuring = false;
      if (!onWorker) flow.OnTimer1();  // the end of the deal is the timer's too
      spin();
    }
  }
  return st;
}

}  // namespace
}  // namespace tavlo

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
  QTemporaryDir home;
  const std::filesystem::path parent = home.path().toStdString();
  const tavlo::ProgramPaths paths{parent, parent / "game"};
  std::printf("%d deal(s), expert computer player, offscreen window\n", deals);
  tavlo::Print("thinking on the worker thread (the window's timer):", tavlo::Play(paths, deals, true));
  tavlo::Print("thinking on the window's thread:", tavlo::Play(paths, deals, false));
  std::fflush(stdout);
  return 0;
}
