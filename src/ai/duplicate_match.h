#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "game/rule_options.h"

namespace tavlo {

// The opponents the computer player is measured against.
enum class Baseline {
  Random,  // a random legal card
  Greedy,  // GreedyCardChooser
  SeeAll,  // the computer player given the real hidden hands
  Self,    // the computer player itself: a duplicate match against it scores exactly 0
};

bool ParseBaseline(const std::string& name, Baseline& baseline);

// One deal played at two tables with the same cards and the same per-seat random
// seeds: at the first the computer player sits North-South, at the second West-East.
struct DuplicateDeal {
  std::int32_t FirstTable = 0;  // the computer player's side minus the baseline's, in points
  std::int32_t SecondTable = 0;
  double PerDeal() const { return (FirstTable + SecondTable) / 2.0; }
};

// The player measured against the baseline: the computer player at a level.
struct Candidate {
  ComputerLevel Level = ComputerLevel::Standard;
  ExpertTuning Tuning;
};

DuplicateDeal PlayDuplicateDeal(Baseline baseline, int dealIndex, std::uint64_t seed, const RuleOptions& options,
                                const Candidate& candidate = {});

struct MeanWithError {
  double Mean = 0;
  double StdError = 0;
  double Low95 = 0;  // mean - 1.96 standard errors
  double High95 = 0;
};
MeanWithError Summarise(const std::vector<double>& values);

}  // namespace tavlo
