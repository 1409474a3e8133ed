#include "ai/self_play.h"

#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#include "ai/computer_player.h"
#include "game/card_chooser.h"
#include "game/game.h"
#include "game/invariants.h"
#include "game/scoring.h"
#include "game/seats.h"
#include "game/trick.h"

namespace tavlo {
namespace {

const char* const kSeatNames[5] = {"", "West", "North", "East", "South"};

// Processor time of this thread in milliseconds: unlike the wall clock it does not count
// the time other programs on a busy machine take from us.
double ThreadMilliseconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// A player whose running deal number makes the first deal of the series the one asked for.
class StartingRecords : public PlayerRecords {
 public:
  explicit StartingRecords(std::int32_t firstDeal) : firstDeal_(firstDeal) {}
  PlayerValues LoadPlayer(PlayerSlot, bool) override { return PlayerValues{"Player", 0.0, firstDeal_ - 1, 0, 0}; }

 private:
  std::int32_t firstDeal_;
};

std::string HandText(const CardList13& hand) {
  std::string out;
  for (const TCardCode& c : hand) {
    if (c.IsEmpty()) continue;
    if (!out.empty()) out += ' ';
    out += CardLabel(c);
  }
  return out;
}

void Append(std::string& out, const char* format, auto... args) {
  char line[256];
  std::snprintf(line, sizeof line, format, args...);
  out += line;
}

void ShowDeal(std::string& out, const GameState& s) {
  Append(out, "Deal %d: dummy %s, trump card %s (trump %s), %s leads\n", static_cast<int>(s.KonNo), kSeatNames[s.Dummy],
         CardLabel(s.TrumpCard).c_str(), SuitLabel(s.Trump).c_str(), kSeatNames[PrevSeat(s.Dummy)]);
  for (int seat = 1; seat <= 4; ++seat) Append(out, "  %-6s %s\n", kSeatNames[seat], HandText(s.Hands[seat]).c_str());
}

void ShowTrick(std::string& out, const GameState& s) {
  Append(out, "  trick %2d:", s.TrickNo);
  for (int p = 1; p <= 4; ++p) {
    Append(out, " %s %-4s", kSeatNames[SeatAfter(s.PrevWinner, p - 1)], CardLabel(s.Table[p]).c_str());
  }
  Append(out, " -> %s\n", kSeatNames[s.Leader]);
}

void ShowScore(std::string& out, const GameState& s, const DealScore& score) {
  Append(out, "  %-8s %6s %6s\n", "", "W-E", "N-S");
  Append(out, "  %-8s %6d %6d\n", "Tricks", score.Sides[1].Tricks, score.Sides[2].Tricks);
  Append(out, "  %-8s %6d %6d\n", "Oners", score.Sides[1].Oners, score.Sides[2].Oners);
  Append(out, "  %-8s %6d %6d\n", "Koronki", score.Sides[1].Koronki, score.Sides[2].Koronki);
  Append(out, "  %-8s %6d %6d\n", "Slams", score.Sides[1].Slams, score.Sides[2].Slams);
  Append(out, "  %-8s %6d %6d   (counted tricks %d : %d, difference %d)\n", "All", score.Sides[1].All(),
         score.Sides[2].All(), s.SideTricks[1], s.SideTricks[2], score.Difference);
}

// One worker's players; they are re-seeded for every deal.
class SelfPlayWorker {
 public:
  explicit SelfPlayWorker(const SelfPlayOptions& options) : options_(options), computer_(options.Rules, thinking_, 0) {
    computer_.SetLevel(options.Players == SelfPlayers::Expert ? ComputerLevel::Expert : ComputerLevel::Standard);
    computer_.SetExpertTuning(options.Tuning);
  }

  SelfPlayDeal Play(int index) {
    SelfPlayDeal out;
    QuietBoundary view;
    StartingRecords records(options_.FirstDeal + index);
    Game game(view, records, MixSeed(options_.Seed, 2 * static_cast<std::uint64_t>(index)));
    game.SetOptions(options_.Rules);
    TableMode mode;
    mode.Player = PlayerSlot::Member1;
    game.SetMode(mode);

    const std::uint64_t playerSeed = MixSeed(options_.Seed, 2 * static_cast<std::uint64_t>(index) + 1);
    RandomCardChooser randomCards(playerSeed);
    computer_.Reseed(playerSeed);
    CardChooser& chooser =
        options_.Players == SelfPlayers::RandomCards ? static_cast<CardChooser&>(randomCards) : computer_;
    const std::uint64_t nodesBefore = computer_.Nodes();
    const int directBefore = computer_.DirectDeals();
    const int stopsBefore = computer_.BudgetStops();

    const GameState& s = game.State();
    game.ShuffleAndDeal(false);
    out.KonNo = s.KonNo;
    if (options_.Show) ShowDeal(out.Shown, s);
    game.StartPlay();
    out.Decisions.reserve(52);
    while (s.Turn != turn::kDealOver) {
      if (s.Turn == turn::kTrickComplete) {
        if (options_.Show) ShowTrick(out.Shown, s);
        game.GatherTrick();
        continue;
      }
      const int seat = SeatToPlay(s);
      const auto before = std::chrono::steady_clock::now();
      const double cpuBefore = ThreadMilliseconds();
      const int slot = chooser.ChooseCard(s, seat);
      SelfPlayDecision d;
      d.CpuMs = static_cast<float>(ThreadMilliseconds() - cpuBefore);
      d.WallMs = std::chrono::duration<float, std::milli>(std::chrono::steady_clock::now() - before).count();
      d.TrickNo = static_cast<std::uint8_t>(s.TrickNo);
      d.TrickPos = static_cast<std::uint8_t>(s.TrickPos);
      d.Seat = static_cast<std::uint8_t>(seat);
      out.Decisions.push_back(d);
      if (!IsLegalPlay(s, seat, slot)) {
        out.Error = "illegal card chosen in deal " + std::to_string(s.KonNo) + ": seat " + std::to_string(seat) +
                    " slot " + std::to_string(slot);
        return out;
      }
      game.PlayCard(seat, slot, true);
      const std::string broken = CheckInvariants(s);
      if (!broken.empty()) {
        out.Error = "invariant broken after a card of deal " + std::to_string(s.KonNo) + ": " + broken;
        return out;
      }
      ++out.CardsChecked;
    }
    DealScore score = ScoreDeal(s.Taken[1], s.Taken[2], s.SideTricks[1], s.SideTricks[2], s.Trump, options_.Rules);
    ApplyCompleteness(score, s.Taken[1], s.Taken[2], s.Trump, true);
    out.Difference = -score.Difference;
    if (options_.Show) ShowScore(out.Shown, s, score);
    out.Nodes = computer_.Nodes() - nodesBefore;
    out.DirectDeals = computer_.DirectDeals() - directBefore;
    out.BudgetStops = computer_.BudgetStops() - stopsBefore;
    return out;
  }

 private:
  SelfPlayOptions options_;
  ThinkingView thinking_;
  ComputerPlayer computer_;
};

}  // namespace

void ForEachIndex(int count, int threads, const std::function<void(int index, int worker)>& fn) {
  threads = std::clamp(threads, 1, std::max(1, count));
  std::atomic<int> next{0};
  const auto work = [&](int worker) {
    for (int index = next.fetch_add(1); index < count; index = next.fetch_add(1)) fn(index, worker);
  };
  std::vector<std::thread> pool;
  for (int w = 1; w < threads; ++w) pool.emplace_back(work, w);
  work(0);
  for (std::thread& t : pool) t.join();
}

std::vector<SelfPlayDeal> PlaySelfPlayDeals(const SelfPlayOptions& options, int count, int threads) {
  std::vector<SelfPlayDeal> deals(static_cast<std::size_t>(std::max(0, count)));
  threads = std::clamp(threads, 1, std::max(1, count));
  std::vector<std::unique_ptr<SelfPlayWorker>> workers;
  for (int w = 0; w < threads; ++w) workers.push_back(std::make_unique<SelfPlayWorker>(options));
  ForEachIndex(count, threads, [&](int index, int worker) {
    deals[static_cast<std::size_t>(index)] = workers[static_cast<std::size_t>(worker)]->Play(index);
  });
  return deals;
}

}  // namespace tavlo
