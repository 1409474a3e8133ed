#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "game/random.h"
#include "game/rule_options.h"

namespace tavlo {

// Runs fn(index, worker) for every index 0..count-1 exactly once, spread over `threads`
// threads (worker 0..threads-1). Indices are handed out in increasing order as workers
// become free, so each worker's state must not carry anything from one index to the next
// that changes a result.
void ForEachIndex(int count, int threads, const std::function<void(int index, int worker)>& fn);

// Who plays the four seats in self-play.
enum class SelfPlayers {
  RandomCards,  // a random legal card
  Computer,     // the computer player
  Expert,       // the computer player at the expert level
};

struct SelfPlayOptions {
  RuleOptions Rules;
  std::uint64_t Seed = 1;
  std::int32_t FirstDeal = 1;  // running deal number of the first deal: the dummy rotates with it
  SelfPlayers Players = SelfPlayers::RandomCards;
  bool Show = false;    // keep a printable record of the deal
  ExpertTuning Tuning;  // for SelfPlayers::Expert
};

struct SelfPlayDecision {
  float WallMs = 0;
  float CpuMs = 0;  // processor time of the deciding thread
  std::uint8_t TrickNo = 0;
  std::uint8_t TrickPos = 0;
  std::uint8_t Seat = 0;
};

struct SelfPlayDeal {
  std::int32_t KonNo = 0;
  std::int32_t Difference = 0;  // North-South minus West-East, in points
  std::uint64_t Nodes = 0;      // positions searched
  int DirectDeals = 0;          // samples dealt directly after the re-deal bound
  int BudgetStops = 0;          // expert choices cut short by the time budget
  int CardsChecked = 0;         // cards after which the invariants were checked
  std::vector<SelfPlayDecision> Decisions;
  std::string Error;  // empty unless an illegal card or a broken invariant stopped the deal
  std::string Shown;  // with Show: the deal, its tricks and its score
};

// Plays deals index 0..count-1 of a seeded run on `threads` threads. Deal i is dealt,
// numbered (FirstDeal + i) and played from seeds of (Seed, i) alone, so the results,
// apart from the times, are the same for any number of threads. Results in deal order.
std::vector<SelfPlayDeal> PlaySelfPlayDeals(const SelfPlayOptions& options, int count, int threads);

}  // namespace tavlo
