// tavlo-selfplay: plays whole deals headless and prints how fast, and optionally what
// happened. Usage: tavlo-selfplay [--deals N] [--seed S] [--threads N] [RULES] [--show] [--ai]
//                  tavlo-selfplay --duplicate random|greedy|seeall|self [--deals N] [--seed S] [--threads N] [RULES]
//                  tavlo-selfplay --series [COUNT] [--seed S]
//                  tavlo-selfplay --lan 1|3 [--recut] [--seed S]
//                  tavlo-selfplay --tournament [--seed S]
// --ai seats the computer player at all four seats and prints its decision times;
// --duplicate plays every deal at two tables with the sides swapped, the computer
// player against the baseline, and prints the computer player's mean points per deal;
// --series plays whole 40-deal series through the game's flow, as the window does;
// --lan plays a four-deal LAN game of headless programs over loopback sockets.
// --threads spreads the deals over that many threads; every deal is dealt and played
// from seeds of (seed, deal) alone, so everything but the times is the same for any N.
// RULES: --ignore-first-six on|off, --koronki 0|1|2, --show-cards-at-end on|off and
// --first-deal K (the running deal number of the first deal, which fixes the dummy).
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
#include "ai/self_play.h"
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

const char* const kSeatNames[5] = {"", "West", "North", "East", "South"};

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
  int threads = 1;
  std::int32_t firstDeal = 1;
  RuleOptions rules;
  bool expert = false;
  ExpertTuning tuning;
};

bool ParseSwitch(const std::string& text, bool& value) {
  if (text != "on" && text != "off") return false;
  value = text == "on";
  return true;
}

bool Usage() {
  std::cerr << "usage: tavlo-selfplay [--deals N] [--seed S] [--threads N] [RULES] [--show] [--ai]\n"
               "       tavlo-selfplay --duplicate random|greedy|seeall|self [--deals N] [--seed S] [--threads N] [RULES]\n"
               "       tavlo-selfplay --series [COUNT] [--seed S]\n"
               "       tavlo-selfplay --lan 1|3 [--recut] [--seed S]\n"
               "       tavlo-selfplay --tournament [--seed S]\n"
               "RULES: --ignore-first-six on|off  --koronki 0|1|2  --show-cards-at-end on|off  --first-deal K\n"
               "--expert: the expert level (all four seats; with --duplicate, against the baseline), tuned with\n"
               "  --expert-samples MIN,FACTOR  --expert-depth EXTRA_TRICKS,FULL_FROM  --expert-threads N  --expert-budget MS\n";
  return false;
}

bool ParseArgs(int argc, char** argv, Settings& settings) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--deals" && hasValue) {
      settings.deals = std::atoi(argv[++i]);
    } else if (arg == "--seed" && hasValue) {
      settings.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--threads" && hasValue) {
      settings.threads = std::atoi(argv[++i]);
      if (settings.threads < 1 || settings.threads > 64) return Usage();
    } else if (arg == "--first-deal" && hasValue) {
      settings.firstDeal = std::atoi(argv[++i]);
      if (settings.firstDeal < 1) return Usage();
    } else if (arg == "--ignore-first-six" && hasValue) {
      if (!ParseSwitch(argv[++i], settings.rules.IgnoreFirstSix)) return Usage();
    } else if (arg == "--show-cards-at-end" && hasValue) {
      if (!ParseSwitch(argv[++i], settings.rules.ShowCardsAtEnd)) return Usage();
    } else if (arg == "--koronki" && hasValue) {
      const std::string mode = argv[++i];
      if (mode != "0" && mode != "1" && mode != "2") return Usage();
      settings.rules.KoronkiMode = mode[0] - '0';
    } else if (arg == "--expert") {
      settings.expert = true;
    } else if (arg == "--expert-samples" && hasValue) {
      if (std::sscanf(argv[++i], "%d,%d", &settings.tuning.MinSamples, &settings.tuning.SampleFactor) != 2) return Usage();
    } else if (arg == "--expert-depth" && hasValue) {
      if (std::sscanf(argv[++i], "%d,%d", &settings.tuning.ExtraTricksBefore8, &settings.tuning.FullDepthFrom) != 2) {
        return Usage();
      }
    } else if (arg == "--expert-threads" && hasValue) {
      settings.tuning.Threads = std::atoi(argv[++i]);
    } else if (arg == "--expert-budget" && hasValue) {
      settings.tuning.BudgetMs = std::atoi(argv[++i]);
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
      return Usage();
    }
  }
  return settings.deals > 0;
}

// Decision times in milliseconds: median, 99th percentile, maximum and the sum, which
// shows where the time of a run goes.
void PrintTimes(const char* label, std::vector<double> ms) {
  if (ms.empty()) return;
  std::sort(ms.begin(), ms.end());
  const auto at = [&](double q) {
    return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
  };
  double sum = 0;
  for (const double t : ms) sum += t;
  std::printf("  %-10s %6zu decisions  median %8.3f ms  p99 %8.3f ms  max %8.3f ms  sum %9.1f ms\n", label, ms.size(),
              at(0.5), at(0.99), ms.back(), sum);
}

void PrintTuning(const ExpertTuning& t) {
  std::printf("expert: samples max(%d, %d x standard), %d extra trick(s) before trick 8, to the end from trick %d, "
              "%d thread(s), budget %d ms\n",
              t.MinSamples, t.SampleFactor, t.ExtraTricksBefore8, t.FullDepthFrom, t.Threads, t.BudgetMs);
}

int RunDuplicate(const Settings& settings) {
  Candidate candidate;
  if (settings.expert) {
    candidate.Level = ComputerLevel::Expert;
    candidate.Tuning = settings.tuning;
    PrintTuning(settings.tuning);
  }
  std::vector<double> perDeal(static_cast<std::size_t>(settings.deals));
  const auto start = std::chrono::steady_clock::now();
  ForEachIndex(settings.deals, settings.threads, [&](int deal, int) {
    perDeal[static_cast<std::size_t>(deal)] =
        PlayDuplicateDeal(settings.baseline, deal, settings.seed, settings.rules, candidate).PerDeal();
  });
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const MeanWithError m = Summarise(perDeal);
  std::printf("%d duplicate deals against %s, seed %llu, %d thread(s) (%.1f s)\n", settings.deals,
              settings.baselineName.c_str(), static_cast<unsigned long long>(settings.seed), settings.threads,
              seconds);
  std::printf("computer player's mean points per deal: %+.3f  (standard error %.3f, 95%% interval %+.3f .. %+.3f)\n",
              m.Mean, m.StdError, m.Low95, m.High95);
  return 0;
}

int RunDeals(const Settings& settings) {
  SelfPlayOptions options;
  options.Rules = settings.rules;
  options.Seed = settings.seed;
  options.FirstDeal = settings.firstDeal;
  options.Players = settings.expert ? SelfPlayers::Expert : settings.ai ? SelfPlayers::Computer : SelfPlayers::RandomCards;
  options.Tuning = settings.tuning;
  options.Show = settings.show;

  const auto start = std::chrono::steady_clock::now();
  const std::vector<SelfPlayDeal> deals = PlaySelfPlayDeals(options, settings.deals, settings.threads);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::vector<double> times;
  std::vector<double> cpuTimes;
  OneBased<std::vector<double>, 13> timesByTrick;
  OneBased<std::vector<double>, 13> cpuTimesByTrick;
  std::string slowest;
  double slowestMs = -1;
  long long seriesDifference = 0;
  long long cardsChecked = 0;
  std::uint64_t nodes = 0;
  int directDeals = 0;
  int budgetStops = 0;
  for (const SelfPlayDeal& deal : deals) {
    if (settings.show) std::cout << deal.Shown;
    if (!deal.Error.empty()) {
      std::cerr << deal.Error << "\n";
      return 1;
    }
    seriesDifference += deal.Difference;
    cardsChecked += deal.CardsChecked;
    nodes += deal.Nodes;
    directDeals += deal.DirectDeals;
    budgetStops += deal.BudgetStops;
    for (const SelfPlayDecision& d : deal.Decisions) {
      times.push_back(d.WallMs);
      cpuTimes.push_back(d.CpuMs);
      timesByTrick[d.TrickNo].push_back(d.WallMs);
      cpuTimesByTrick[d.TrickNo].push_back(d.CpuMs);
      if (d.WallMs > slowestMs) {
        slowestMs = d.WallMs;
        slowest = "deal " + std::to_string(deal.KonNo) + ", trick " + std::to_string(d.TrickNo) + ", place " +
                  std::to_string(d.TrickPos) + ", seat " + kSeatNames[d.Seat];
      }
    }
  }

  std::printf("%d deals, %s, seed %llu, first deal %d, %d thread(s)\n", settings.deals,
              settings.expert ? "the expert computer player at all four seats"
              : settings.ai   ? "the computer player at all four seats"
                              : "random legal cards",
              static_cast<unsigned long long>(settings.seed), static_cast<int>(settings.firstDeal), settings.threads);
  std::printf("rules: ignore the first 6 tricks %s, Koronki mode %d, show cards at end %s\n",
              settings.rules.IgnoreFirstSix ? "on" : "off", settings.rules.KoronkiMode,
              settings.rules.ShowCardsAtEnd ? "on" : "off");
  std::printf("N-S minus W-E over all deals: %lld\n", seriesDifference);
  std::printf("invariants checked after %lld cards: all held\n", cardsChecked);
  std::printf("%.2f deals per second (%.3f s)\n", settings.deals / seconds, seconds);
  if (settings.expert) {
    PrintTuning(settings.tuning);
    std::printf("choices stopped by the time budget: %d\n", budgetStops);
  }
  if (settings.ai || settings.expert) {
    std::printf("searched positions: %llu\n", static_cast<unsigned long long>(nodes));
    std::printf("samples dealt directly after %d re-deal attempts: %d\n", kMaxDealAttempts, directDeals);
    std::printf("decision times (wall clock):\n");
    PrintTimes("overall", times);
    std::printf("  slowest: %s\n", slowest.c_str());
    for (int t = 1; t <= 13; ++t) {
      const std::string label = "trick " + std::to_string(t);
      PrintTimes(label.c_str(), timesByTrick[t]);
    }
    std::printf("decision times (processor time of the deciding thread):\n");
    PrintTimes("overall", cpuTimes);
    for (int t = 1; t <= 13; ++t) {
      const std::string label = "trick " + std::to_string(t);
      PrintTimes(label.c_str(), cpuTimesByTrick[t]);
    }
  }
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
  return RunDeals(settings);
}
