// tavlo-selfplay: plays whole deals headless and prints how fast, and optionally what
// happened. Usage: tavlo-selfplay [--deals N] [--seed S] [--show] [--ai]
//                  tavlo-selfplay --duplicate random|greedy|seeall|self [--deals N] [--seed S]
//                  tavlo-selfplay --series [COUNT] [--seed S]
//                  tavlo-selfplay --lan 1|3 [--recut] [--seed S]
//                  tavlo-selfplay --tournament [--seed S]
// --ai seats the computer player at all four seats and prints its decision times;
// --duplicate plays every deal at two tables with the sides swapped, the computer
// player against the baseline, and prints the computer player's mean points per deal;
// --series plays whole 40-deal series through the game's flow, as the window does;
// --lan plays a four-deal LAN game of headless programs over loopback sockets;
// --tournament plays one tournament game of four headless players at a private tavlo-club.
#include <time.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "ai/duplicate_match.h"
#include "ai/hidden_deal.h"
#include "game/arrange.h"
#include "game/card_chooser.h"
#include "game/game.h"
#include "game/invariants.h"
#include "game/scoring.h"
#include "game/seats.h"
#include "game/trick.h"
#include "lan_play.h"
#include "series_play.h"
#ifdef TAVLO_SELFPLAY_TOURNAMENT
#include "tour_play.h"
#endif

namespace {

using namespace tavlo;

struct Settings {
  int deals = 100;
  std::uint64_t seed = 1;
  bool show = false;
  bool ai = false;
  bool duplicate = false;
  bool series = false;      // whole series through the flow controller
  int seriesCount = 1;
  int lanClients = 0;       // --lan: 1 or 3 clients
  bool recut = false;
  bool tournament = false;  // --tournament
  Baseline baseline = Baseline::Random;
  std::string baselineName;
};

const char* const kSeatNames[5] = {"", "West", "North", "East", "South"};

std::string HandText(const CardList13& hand) {
  std::string out;
  for (const TCardCode& c : hand) {
    if (c.IsEmpty()) continue;
    if (!out.empty()) out += ' ';
    out += CardLabel(c);
  }
  return out;
}

void ShowDeal(const GameState& s) {
  std::cout << "Deal " << s.KonNo << ": dummy " << kSeatNames[s.Dummy] << ", trump card " << CardLabel(s.TrumpCard)
            << " (trump " << SuitLabel(s.Trump) << "), " << kSeatNames[PrevSeat(s.Dummy)] << " leads\n";
  for (int seat = 1; seat <= 4; ++seat) {
    std::printf("  %-6s %s\n", kSeatNames[seat], HandText(s.Hands[seat]).c_str());
  }
}

void ShowTrick(const GameState& s) {
  std::printf("  trick %2d:", s.TrickNo);
  for (int p = 1; p <= 4; ++p) {
    std::printf(" %s %-4s", kSeatNames[SeatAfter(s.PrevWinner, p - 1)], CardLabel(s.Table[p]).c_str());
  }
  std::printf(" -> %s\n", kSeatNames[s.Leader]);
}

void ShowScore(const GameState& s, const DealScore& score) {
  std::printf("  %-8s %6s %6s\n", "", "W-E", "N-S");
  std::printf("  %-8s %6d %6d\n", "Tricks", score.Sides[1].Tricks, score.Sides[2].Tricks);
  std::printf("  %-8s %6d %6d\n", "Oners", score.Sides[1].Oners, score.Sides[2].Oners);
  std::printf("  %-8s %6d %6d\n", "Koronki", score.Sides[1].Koronki, score.Sides[2].Koronki);
  std::printf("  %-8s %6d %6d\n", "Slams", score.Sides[1].Slams, score.Sides[2].Slams);
  std::printf("  %-8s %6d %6d   (counted tricks %d : %d, difference %d)\n", "All", score.Sides[1].All(),
              score.Sides[2].All(), s.SideTricks[1], s.SideTricks[2], score.Difference);
}

bool ParseArgs(int argc, char** argv, Settings& settings) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--deals" && hasValue) {
      settings.deals = std::atoi(argv[++i]);
    } else if (arg == "--seed" && hasValue) {
      settings.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--show") {
      settings.show = true;
    } else if (arg == "--ai") {
      settings.ai = true;
    } else if (arg == "--series") {
      settings.series = true;
      if (hasValue && std::isdigit(static_cast<unsigned char>(argv[i + 1][0]))) settings.seriesCount = std::atoi(argv[++i]);
    } else if (arg == "--lan" && hasValue && (std::string(argv[i + 1]) == "1" || std::string(argv[i + 1]) == "3")) {
      settings.lanClients = std::atoi(argv[++i]);
    } else if (arg == "--tournament") {
      settings.tournament = true;
    } else if (arg == "--recut") {
      settings.recut = true;
    } else if (arg == "--duplicate" && hasValue && ParseBaseline(argv[i + 1], settings.baseline)) {
      settings.duplicate = true;
      settings.baselineName = argv[++i];
    } else {
      std::cerr << "usage: tavlo-selfplay [--deals N] [--seed S] [--show] [--ai]\n"
                   "       tavlo-selfplay --duplicate random|greedy|seeall|self [--deals N] [--seed S]\n"
                   "       tavlo-selfplay --series [COUNT] [--seed S]\n"
                   "       tavlo-selfplay --lan 1|3 [--recut] [--seed S]\n"
                   "       tavlo-selfplay --tournament [--seed S]\n";
      return false;
    }
  }
  return settings.deals > 0;
}

// Processor time of this thread in milliseconds: unlike the wall clock it does not count
// the time other programs on a busy machine take from us.
double ThreadMilliseconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Decision times in milliseconds: median, 99th percentile and maximum.
void PrintTimes(const char* label, std::vector<double> ms) {
  if (ms.empty()) return;
  std::sort(ms.begin(), ms.end());
  const auto at = [&](double q) {
    return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
  };
  std::printf("  %-10s %6zu decisions  median %8.3f ms  p99 %8.3f ms  max %8.3f ms\n", label, ms.size(), at(0.5),
              at(0.99), ms.back());
}

int RunDuplicate(const Settings& settings) {
  const RuleOptions options;
  std::vector<double> perDeal;
  const auto start = std::chrono::steady_clock::now();
  for (int deal = 0; deal < settings.deals; ++deal) {
    perDeal.push_back(PlayDuplicateDeal(settings.baseline, deal, settings.seed, options).PerDeal());
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const MeanWithError m = Summarise(perDeal);
  std::printf("%d duplicate deals against %s, seed %llu (%.1f s)\n", settings.deals, settings.baselineName.c_str(),
              static_cast<unsigned long long>(settings.seed), seconds);
  std::printf("computer player's mean points per deal: %+.3f  (standard error %.3f, 95%% interval %+.3f .. %+.3f)\n",
              m.Mean, m.StdError, m.Low95, m.High95);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Settings settings;
  if (!ParseArgs(argc, argv, settings)) return 2;
  if (settings.duplicate) return RunDuplicate(settings);
  if (settings.series) return RunSeries(settings.seriesCount, settings.seed);
  if (settings.lanClients > 0) return RunLanGame(argc, argv, settings.lanClients, settings.recut, settings.seed);
  if (settings.tournament) {
#ifdef TAVLO_SELFPLAY_TOURNAMENT
    return RunTournamentGame(argc, argv, settings.seed);
#else
    std::cerr << "this tavlo-selfplay was built without the club service\n";
    return 2;
#endif
  }

  QuietBoundary view;
  NewPlayerRecords records;
  Game game(view, records, settings.seed);
  RandomCardChooser randomChooser(settings.seed ^ 0x9E3779B97F4A7C15ULL);
  ThinkingView thinking;
  ComputerPlayer computer(game.Options(), thinking, settings.seed);
  CardChooser& chooser = settings.ai ? static_cast<CardChooser&>(computer) : randomChooser;
  std::vector<double> times;
  OneBased<std::vector<double>, 13> timesByTrick;
  std::vector<double> cpuTimes;
  OneBased<std::vector<double>, 13> cpuTimesByTrick;
  std::string slowest;
  const GameState& s = game.State();
  long long seriesDifference = 0;
  int cardsChecked = 0;

  const auto start = std::chrono::steady_clock::now();
  for (int deal = 0; deal < settings.deals; ++deal) {
    game.ShuffleAndDeal(deal > 0);
    if (settings.show) ShowDeal(s);
    game.StartPlay();
    while (s.Turn != turn::kDealOver) {
      if (s.Turn == turn::kTrickComplete) {
        if (settings.show) ShowTrick(s);
        game.GatherTrick();
        continue;
      }
      const int seat = SeatToPlay(s);
      const auto before = std::chrono::steady_clock::now();
      const double cpuBefore = ThreadMilliseconds();
      const int slot = chooser.ChooseCard(s, seat);
      const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count();
      cpuTimes.push_back(ThreadMilliseconds() - cpuBefore);
      cpuTimesByTrick[s.TrickNo].push_back(cpuTimes.back());
      if (times.empty() || ms > *std::max_element(times.begin(), times.end())) {
        slowest = "deal " + std::to_string(s.KonNo) + ", trick " + std::to_string(s.TrickNo) + ", place " +
                  std::to_string(s.TrickPos) + ", seat " + kSeatNames[seat];
      }
      times.push_back(ms);
      timesByTrick[s.TrickNo].push_back(ms);
      if (!IsLegalPlay(s, seat, slot)) {
        std::cerr << "illegal card chosen in deal " << s.KonNo << ": seat " << seat << " slot " << slot << "\n";
        return 1;
      }
      game.PlayCard(seat, slot, true);
      const std::string broken = CheckInvariants(s);
      if (!broken.empty()) {
        std::cerr << "invariant broken after a card of deal " << s.KonNo << ": " << broken << "\n";
        return 1;
      }
      ++cardsChecked;
    }
    DealScore score = ScoreDeal(s.Taken[1], s.Taken[2], s.SideTricks[1], s.SideTricks[2], s.Trump, game.Options());
    ApplyCompleteness(score, s.Taken[1], s.Taken[2], s.Trump, true);
    seriesDifference += -score.Difference;
    if (settings.show) ShowScore(s, score);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf("%d deals, %s, seed %llu\n", settings.deals,
              settings.ai ? "the computer player at all four seats" : "random legal cards",
              static_cast<unsigned long long>(settings.seed));
  std::printf("N-S minus W-E over all deals: %lld\n", seriesDifference);
  std::printf("invariants checked after %d cards: all held\n", cardsChecked);
  std::printf("%.2f deals per second (%.3f s)\n", settings.deals / seconds, seconds);
  if (settings.ai) {
    std::printf("searched positions: %llu\n", static_cast<unsigned long long>(computer.Nodes()));
    std::printf("samples dealt directly after %d re-deal attempts: %d\n", kMaxDealAttempts, computer.DirectDeals());
    std::printf("decision times (wall clock):\n");
    PrintTimes("overall", times);
    std::printf("  slowest: %s\n", slowest.c_str());
    for (int t = 1; t <= 13; ++t) {
      const std::string label = "trick " + std::to_string(t);
      PrintTimes(label.c_str(), timesByTrick[t]);
    }
    std::printf("decision times (processor time of this thread):\n");
    PrintTimes("overall", cpuTimes);
    for (int t = 1; t <= 13; ++t) {
      const std::string label = "trick " + std::to_string(t);
      PrintTimes(label.c_str(), cpuTimesByTrick[t]);
    }
  }
  return 0;
}
