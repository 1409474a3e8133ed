#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "ai/search_position.h"
#include "ai/thinking_view.h"
#include "game/card_chooser.h"
#include "game/game.h"
#include "game/rule_options.h"

namespace tavlo {

// How hard the computer player thinks. The standard level is the program's own player: it
// plays at every rated, LAN and tournament table, where every program must choose alike.
// The expert level, for games against the computer, buys strength with time.
enum class ComputerLevel { Standard, Expert };

// The level a table plays at: the expert level only when the player chose it and plays
// against the computer outside rated club play; LAN, tournament and rated tables always
// play the standard level.
ComputerLevel LevelForTable(const TableMode& mode, bool expertChosen);

// The expert level's choice: more samples, a deeper search, several threads, and a time
// budget after which no further sample is started.
struct ExpertTuning {
  int MinSamples = 40;        // samples per choice at least
  int SampleFactor = 4;       // ... and at least this many times the standard count
  int ExtraTricksBefore8 = 0; // whole tricks searched beyond the standard depth up to trick 7
  int FullDepthFrom = 8;      // first trick searched to the end of the deal (standard: 9)
  int Threads = 2;            // threads sharing the samples of one choice
  int BudgetMs = 700;         // wall time after which no new sample starts (0: no budget)
};

// The computer player: deals the two hands it cannot see at random many times,
// consistently with everything it knows, searches each sampled deal with full
// information and plays the card with the best value summed over the samples.
class ComputerPlayer : public CardChooser {
 public:
  // With a seed every choice is reproducible; without one each sample is seeded from
  // the clock, as in the program.
  ComputerPlayer(const RuleOptions& options, ThinkingView& view, std::optional<std::uint64_t> seed = std::nullopt);

  int ChooseCard(const GameState& state, int seat) override;

  void SetOptions(const RuleOptions& options);
  void SetLevel(ComputerLevel level) { level_ = level; }
  ComputerLevel Level() const { return level_; }
  void SetExpertTuning(const ExpertTuning& tuning) { tuning_ = tuning; }
  // Expert choices that stopped at the time budget before their last sample.
  int BudgetStops() const { return budgetStops_; }
  // Fixes the generator to a new seed: the choices from here on are reproducible.
  void Reseed(std::uint64_t seed);
  // Gives the player the real hidden hands (one exact sample per choice): the upper
  // bound of what sampling can reach, for the tools.
  void SetSeeAll(bool seeAll) { seeAll_ = seeAll; }
  // A flag another thread may raise to end a choice early, after its first sample; the
  // card chosen then is legal but not worth playing. nullptr: never stopped.
  void SetStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }

  std::uint64_t Nodes() const { return searcher_.Nodes() + expertNodes_; }
  // Samples whose hidden hands had to be dealt directly because re-dealing hit its bound.
  int DirectDeals() const { return directDeals_; }
  // Samples of the standard level that repeated an earlier split of the same choice and
  // took its scores instead of being searched again.
  int RepeatedSamples() const { return repeatedSamples_; }

 private:
  int ChooseBySampling(const GameState& state, int seat);
  int ChooseAsExpert(const GameState& state, int seat);

  RuleOptions options_;
  ThinkingView& view_;
  std::optional<std::uint64_t> seed_;
  Random rng_;
  Searcher searcher_;
  bool seeAll_ = false;
  int directDeals_ = 0;
  int repeatedSamples_ = 0;
  const std::atomic<bool>* stop_ = nullptr;
  ComputerLevel level_ = ComputerLevel::Standard;
  ExpertTuning tuning_;
  std::vector<std::unique_ptr<Searcher>> expertSearchers_;  // one per thread, made on first use
  std::uint64_t expertNodes_ = 0;
  int budgetStops_ = 0;
};

// The third-hand cover rule: third to play on the declaring side, with the partner
// able to ruff, S covers with its highest card of the led suit when that card beats
// both opponents (whose real hands are read here). Returns the slot, or 0.
int ThirdHandCover(const GameState& state, int seat);

// The slot with the best total among the playable ones: of equal totals the later slot,
// or the earlier one when `earlierWins` (the first six tricks under "Ignore the first 6
// tricks"). 0 when no slot is playable.
int BestTotalSlot(const OneBased<std::int32_t, kHandSlots>& totals, const OneBased<bool, kHandSlots>& playable,
                  bool earlierWins);

// The position handed to the search for `seat`, with `hands` (by seat) holding the
// real or sampled hand of every seat.
SearchRoot RootForSeat(const GameState& state, int seat, const OneBased<SearchHand, 4>& hands);

}  // namespace tavlo
