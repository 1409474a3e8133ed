#include "series_play.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "ai/computer_player.h"
#include "game/flow.h"
#include "game/invariants.h"
#include "game/seats.h"

namespace tavlo {
namespace {

const char* const kSeatNames[5] = {"", "West", "North", "East", "South"};

// A screen that notes when the flow finishes the series.
class SeriesBoundary : public QuietBoundary {
 public:
  bool finished = false;
  std::int32_t result = 0;
  int deals = 0;
  void FinishSeries(std::int32_t seriesResult, int seriesKon) override {
    finished = true;
    result = seriesResult;
    deals = seriesKon;
  }
};

}  // namespace

int RunSeries(int series, std::uint64_t seed) {
  for (int run = 0; run < series; ++run) {
    SeriesBoundary view;
    NewPlayerRecords records("Self");
    Game game(view, records, seed + static_cast<std::uint64_t>(run));
    ThinkingView quiet;
    ComputerPlayer computer(game.Options(), quiet, seed * 7 + static_cast<std::uint64_t>(run));
    ComputerPlayer player(game.Options(), quiet, seed * 13 + static_cast<std::uint64_t>(run));
    FlowController flow(game, view, computer);
    const GameState& s = game.State();

    std::printf("series %d, seed %llu\n", run + 1, static_cast<unsigned long long>(seed + static_cast<std::uint64_t>(run)));
    std::printf("%5s %6s %6s %5s %5s %7s %9s\n", "deal", "dummy", "trump", "W-E", "N-S", "series", "seconds");
    flow.StartSeries();
    double totalSeconds = 0;
    auto dealStart = std::chrono::steady_clock::now();
    std::int32_t westEastBefore = 0, northSouthBefore = 0;
    for (long steps = 0;; ++steps) {
      if (steps > 10'000'000) {
        std::fprintf(stderr, "the series does not progress at Turn %d\n", s.Turn);
        return 1;
      }
      const int seat = SeatToPlay(s);
      if (s.DealPhase == 1 && s.Turn >= 1 && s.Turn <= 4) {
        flow.OnStartOrOk();
      } else if (s.Turn == turn::kTrickComplete) {
        flow.OnStartOrOk();
      } else if (seat != 0 && flow.PlayerControls(seat)) {
        if (!flow.OnPlayerCard(seat, player.ChooseCard(s, seat))) {
          std::fprintf(stderr, "the player's card was refused in deal %d\n", s.KonNo);
          return 1;
        }
      } else if (s.Turn == turn::kDealScored) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - dealStart).count();
        totalSeconds += seconds;
        // This deal's points are what it added to each side's series score.
        std::printf("%5d %6s %6s %5d %5d %+7d %9.3f\n", s.KonNo, kSeatNames[s.Dummy], SuitLabel(s.Trump).c_str(),
                    s.GameScore[1] - westEastBefore, s.GameScore[2] - northSouthBefore, s.SeriesResult, seconds);
        westEastBefore = s.GameScore[1];
        northSouthBefore = s.GameScore[2];
        if (!game.Controls().StartEnabled) break;  // the cycle is complete
        flow.OnStartOrOk();
        dealStart = std::chrono::steady_clock::now();
      } else {
        flow.OnTimer1();
        if (s.Turn > turn::kSeatToPlay && s.Turn <= 14) {
          const std::string broken = CheckInvariants(s);
          if (!broken.empty()) {
            std::fprintf(stderr, "invariant broken in deal %d: %s\n", s.KonNo, broken.c_str());
            return 1;
          }
        }
      }
    }
    flow.OnStartOrOk();  // "Next game" after the last deal of the cycle is refused
    const bool refused = s.Turn == turn::kDealScored;
    flow.OnExitToMenu();
    std::printf("series result (N-S minus W-E): %+d after %d deals; next game %s; %.3f s per deal\n", view.result,
                view.deals, refused ? "refused" : "NOT refused", totalSeconds / std::max(1, view.deals));
    if (!view.finished || !refused) return 1;
  }
  return 0;
}

}  // namespace tavlo
