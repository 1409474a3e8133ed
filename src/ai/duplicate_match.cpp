#include "ai/duplicate_match.h"

#include <cmath>
#include <memory>

#include "ai/computer_player.h"
#include "ai/greedy_chooser.h"
#include "game/card_chooser.h"
#include "game/game.h"
#include "game/scoring.h"
#include "game/seats.h"

namespace tavlo {
namespace {

std::uint64_t Mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

// The seed of one seat in one deal, the same at both tables.
std::uint64_t SeatSeed(std::uint64_t seed, int dealIndex, int seat) {
  return Mix(Mix(seed) ^ Mix(static_cast<std::uint64_t>(dealIndex) * 4 + static_cast<std::uint64_t>(seat)));
}

std::unique_ptr<CardChooser> MakeBaseline(Baseline baseline, const RuleOptions& options, ThinkingView& view,
                                          std::uint64_t seed) {
  switch (baseline) {
    case Baseline::Random:
      return std::make_unique<RandomCardChooser>(seed);
    case Baseline::Greedy:
      return std::make_unique<GreedyCardChooser>();
    case Baseline::SeeAll: {
      auto player = std::make_unique<ComputerPlayer>(options, view, seed);
      player->SetSeeAll(true);
      return player;
    }
    case Baseline::Self:
      return std::make_unique<ComputerPlayer>(options, view, seed);
  }
  return nullptr;
}

// Plays the deal with the computer player on `computerSide`; returns its side's points
// minus the other side's.
std::int32_t PlayTable(const DeckCards& deck, int dealIndex, std::uint64_t seed, Baseline baseline, int computerSide,
                       const RuleOptions& options, const Candidate& candidate) {
  QuietBoundary table;
  NewPlayerRecords records;
  ThinkingView view;
  Game game(table, records, seed);
  game.SetOptions(options);
  OneBased<std::unique_ptr<CardChooser>, 4> players;
  for (int seat = 1; seat <= 4; ++seat) {
    const std::uint64_t seatSeed = SeatSeed(seed, dealIndex, seat);
    if (SideOf(seat) == computerSide) {
      auto player = std::make_unique<ComputerPlayer>(options, view, seatSeed);
      player->SetLevel(candidate.Level);
      player->SetExpertTuning(candidate.Tuning);
      players[seat] = std::move(player);
    } else {
      players[seat] = MakeBaseline(baseline, options, view, seatSeed);
    }
  }
  // The dummy follows the running deal number: both tables start from the same one.
  for (int k = 0; k <= dealIndex % 4; ++k) {
    game.SetNextDeck(deck);
    game.ShuffleAndDeal(k > 0);
  }
  const GameState& s = game.State();
  game.StartPlay();
  while (s.Turn != turn::kDealOver) {
    if (s.Turn == turn::kTrickComplete) {
      game.GatherTrick();
      continue;
    }
    const int seat = SeatToPlay(s);
    game.PlayCard(seat, players[seat]->ChooseCard(s, seat), false);
  }
  DealScore score = ScoreDeal(s.Taken[1], s.Taken[2], s.SideTricks[1], s.SideTricks[2], s.Trump, options);
  ApplyCompleteness(score, s.Taken[1], s.Taken[2], s.Trump, true);
  return computerSide == 1 ? score.Difference : -score.Difference;
}

}  // namespace

bool ParseBaseline(const std::string& name, Baseline& baseline) {
  if (name == "random") {
    baseline = Baseline::Random;
  } else if (name == "greedy") {
    baseline = Baseline::Greedy;
  } else if (name == "seeall") {
    baseline = Baseline::SeeAll;
  } else if (name == "self") {
    baseline = Baseline::Self;
  } else {
    return false;
  }
  return true;
}

DuplicateDeal PlayDuplicateDeal(Baseline baseline, int dealIndex, std::uint64_t seed, const RuleOptions& options,
                                const Candidate& candidate) {
  Random shuffler(Mix(seed ^ Mix(static_cast<std::uint64_t>(dealIndex))));
  DeckCards deck;
  for (int i = 1; i <= 52; ++i) deck[i] = CardFromNumber(i);
  for (int i = 52; i > 1; --i)
    std::swap(deck[i], deck[static_cast<int>(shuffler.Below(static_cast<std::uint32_t>(i))) + 1]);
  DuplicateDeal result;
  result.FirstTable = PlayTable(deck, dealIndex, seed, baseline, 2, options, candidate);
  result.SecondTable = PlayTable(deck, dealIndex, seed, baseline, 1, options, candidate);
  return result;
}

MeanWithError Summarise(const std::vector<double>& values) {
  MeanWithError out;
  const double n = static_cast<double>(values.size());
  if (values.empty()) return out;
  double sum = 0;
  for (const double v : values) sum += v;
  out.Mean = sum / n;
  double squares = 0;
  for (const double v : values) squares += (v - out.Mean) * (v - out.Mean);
  out.StdError = values.size() > 1 ? std::sqrt(squares / (n - 1) / n) : 0.0;
  out.Low95 = out.Mean - 1.96 * out.StdError;
  out.High95 = out.Mean + 1.96 * out.StdError;
  return out;
}

}  // namespace tavlo
