#include "ai/computer_player.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "ai/choice_limits.h"
#include "ai/hidden_deal.h"
#include "ai/knowledge.h"
#include "game/arrange.h"
#include "game/seats.h"

namespace tavlo {
namespace {

SearchHand ViewOf(const GameState& state, int seat) {
  SearchHand h;
  h.Cards = state.Hands[seat];
  h.Ranks = state.HandRanks[seat];
  return h;
}

SearchHand Arranged(const CardList13& cards, char trump) {
  SearchHand h;
  h.Cards = cards;
  for (int i = 1; i <= kHandSlots; ++i) h.Ranks[i] = cards[i].IsEmpty() ? kNoRank : RankValueOf(cards[i]);
  ArrangeCards(h.Cards, h.Ranks, trump);
  return h;
}

TrickCards TableOf(const GameState& state) {
  TrickCards t;
  t.Cards = state.Table;
  t.Ranks = state.TableRanks;
  return t;
}

class ThinkingScope {
 public:
  explicit ThinkingScope(ThinkingView& view) : view_(view) { view_.BeginThinking(); }
  ~ThinkingScope() { view_.EndThinking(); }
  ThinkingScope(const ThinkingScope&) = delete;
  ThinkingScope& operator=(const ThinkingScope&) = delete;

 private:
  ThinkingView& view_;
};

}  // namespace

ComputerLevel LevelForTable(const TableMode& mode, bool expertChosen) {
  const bool allowed = mode.AgainstComputer() && mode.AccountState != 3 && mode.Player != PlayerSlot::Tournament;
  return expertChosen && allowed ? ComputerLevel::Expert : ComputerLevel::Standard;
}

int ThirdHandCover(const GameState& state, int seat) {
  if (state.TrickPos != 3) return 0;
  const int partner = Partner(seat);
  if (state.Dummy != seat && state.Dummy != partner) return 0;
  const char led = state.LedSuit;
  const char trump = state.Trump;
  const SearchHand mine = ViewOf(state, seat);
  const SearchHand partners = ViewOf(state, partner);
  if (SuitIndexOf(trump) < 0 || HasSuit(partners, led) || !HasSuit(partners, trump)) return 0;
  const TrickCards table = TableOf(state);
  const int top = TrickHighRank(table);
  const int myTop = HighestRank(mine, led);
  if (!HasSuit(mine, led) || myTop <= top) return 0;
  int known = SuitCount(mine, led) + SuitCount(partners, led);
  for (int i = 1; i <= kListSlots; ++i) known += state.NotHeld[NextSeat(seat)][i].suit == led ? 1 : 0;
  if (known >= 13) return 0;
  if (state.Table[2].suit == trump) return 0;
  const SearchHand left = ViewOf(state, NextSeat(seat));
  const SearchHand right = ViewOf(state, PrevSeat(seat));
  if (HighestRank(left, led) <= top && HighestRank(right, led) <= top) return 0;
  if (HighestRank(left, led) >= myTop || HighestRank(right, led) >= myTop) return 0;
  return CardIndex(HighestCard(mine, led), mine);
}

SearchRoot RootForSeat(const GameState& state, int seat, const OneBased<SearchHand, 4>& hands) {
  SearchRoot root;
  for (int k = 1; k <= 4; ++k) root.Hands[k] = hands[SeatAfter(seat, k - 1)];
  const int side = SideOf(seat);
  root.MoverWon = state.Taken[side];
  root.OtherWon = state.Taken[OtherSide(side)];
  const int t = state.TrickNo;
  const int p = state.TrickPos;
  root.TrickNo = t;
  root.RuleSwitch = RuleSwitch(t, p);
  root.CacheSwitch = CacheSwitch(t);
  root.DepthLimit = DepthLimit(t, p);
  root.Label = side;
  root.Position = p;
  root.Tricks1 = state.SideTricks[1];
  root.Tricks2 = state.SideTricks[2];
  root.Trump = state.Trump;
  root.Trick = TableOf(state);
  return root;
}

ComputerPlayer::ComputerPlayer(const RuleOptions& options, ThinkingView& view, std::optional<std::uint64_t> seed)
    : options_(options), view_(view), seed_(seed), rng_(seed.value_or(Random::ClockSeed())), searcher_(options) {}

void ComputerPlayer::SetOptions(const RuleOptions& options) {
  options_ = options;
  searcher_.SetOptions(options);
}

void ComputerPlayer::Reseed(std::uint64_t seed) {
  seed_ = seed;
  rng_.Reseed(seed);
}

int ComputerPlayer::ChooseCard(const GameState& state, int seat) {
  ThinkingScope thinking(view_);
  if (const int cover = ThirdHandCover(state, seat); cover != 0) {
    view_.PlayEffect("WDing_1");
    return cover;
  }
  if (state.CardsLeft[seat] <= 1) return state.CardsLeft[seat];
  return level_ == ComputerLevel::Expert && !seeAll_ ? ChooseAsExpert(state, seat) : ChooseBySampling(state, seat);
}

// The expert level samples like the standard one, with more samples and a deeper search.
// Sample k is dealt from its own seed, drawn from the player's generator once per choice,
// so the threads may take the samples in any order and the totals stay the same; only the
// time budget, which stops starting new samples, makes a choice depend on the machine.
int ComputerPlayer::ChooseAsExpert(const GameState& state, int seat) {
  const auto start = std::chrono::steady_clock::now();
  const int known = KnownHand(seat, state.Dummy);
  int hidden[2] = {0, 0};
  for (int k = 1, n = 0; k <= 3; ++k) {
    const int s = SeatAfter(seat, k);
    if (s != known) hidden[n++] = s;
  }
  const int a = hidden[0];
  const int b = hidden[1];
  const CardPool possibleA = PossibleCards(state.Hands[seat], state.Hands[known], state.NotHeld[a]);
  const CardPool possibleB = PossibleCards(state.Hands[seat], state.Hands[known], state.NotHeld[b]);
  const int standard = SampleCount(state.CardsLeft[seat]);
  const int samples = std::max(tuning_.MinSamples, tuning_.SampleFactor * standard);
  // The standard count is always reached; the budget only trims the extra samples.
  const int guaranteed = std::min(samples, standard);

  OneBased<SearchHand, 4> visible;
  visible[seat] = ViewOf(state, seat);
  visible[known] = ViewOf(state, known);
  SearchRoot base = RootForSeat(state, seat, visible);
  const int t = state.TrickNo;
  const int p = state.TrickPos;
  if (t >= tuning_.FullDepthFrom) {
    base.DepthLimit = 58 - p;
  } else if (t <= 7) {
    base.DepthLimit += 4 * tuning_.ExtraTricksBefore8;
  }
  base.CacheSwitch = base.CacheSwitch || t >= tuning_.FullDepthFrom;

  const std::uint64_t choiceSeed = rng_.Next();
  const int threads = std::clamp(tuning_.Threads, 1, 16);
  while (static_cast<int>(expertSearchers_.size()) < threads) {
    expertSearchers_.push_back(std::make_unique<Searcher>(options_));
  }
  for (auto& searcher : expertSearchers_) searcher->SetOptions(options_);

  std::vector<OneBased<std::int32_t, kHandSlots>> scores(static_cast<std::size_t>(samples));
  std::vector<char> done(static_cast<std::size_t>(samples), 0);
  std::atomic<int> next{0};
  std::atomic<int> progress{0};
  std::atomic<bool> overBudget{false};
  std::atomic<int> direct{0};
  const auto work = [&](int worker) {
    Searcher& searcher = *expertSearchers_[static_cast<std::size_t>(worker)];
    for (;;) {
      const int k = next.fetch_add(1);
      if (k >= samples) return;
      if (k >= 1 && stop_ != nullptr && stop_->load(std::memory_order_relaxed)) return;
      if (k >= guaranteed && tuning_.BudgetMs > 0 &&
          std::chrono::steady_clock::now() - start > std::chrono::milliseconds(tuning_.BudgetMs)) {
        overBudget = true;
        return;
      }
      Random rng(MixSeed(choiceSeed, static_cast<std::uint64_t>(k)));
      const HiddenHands dealt = DealHiddenHands(possibleA, state.CardsLeft[a], possibleB, state.CardsLeft[b], rng);
      direct += dealt.Direct ? 1 : 0;
      SearchRoot root = base;
      const int posA = (a - seat + 4) % 4 + 1;
      const int posB = (b - seat + 4) % 4 + 1;
      root.Hands[posA] = Arranged(dealt.A, state.Trump);
      root.Hands[posB] = Arranged(dealt.B, state.Trump);
      searcher.ResetCache();
      scores[static_cast<std::size_t>(k)] = searcher.SearchPosition(root).Scores;
      done[static_cast<std::size_t>(k)] = 1;
      const int finished = progress.fetch_add(1) + 1;
      if (worker == 0) view_.ShowProgress(static_cast<int>(std::nearbyint(finished * 100.0 / samples)));
    }
  };
  const std::uint64_t nodesBefore = [&] {
    std::uint64_t n = 0;
    for (const auto& searcher : expertSearchers_) n += searcher->Nodes();
    return n;
  }();
  std::vector<std::thread> pool;
  for (int w = 1; w < threads; ++w) pool.emplace_back(work, w);
  work(0);
  for (std::thread& th : pool) th.join();
  std::uint64_t nodesAfter = 0;
  for (const auto& searcher : expertSearchers_) nodesAfter += searcher->Nodes();
  expertNodes_ += nodesAfter - nodesBefore;
  directDeals_ += direct.load();
  budgetStops_ += overBudget ? 1 : 0;

  OneBased<std::int32_t, kHandSlots> totals{};
  OneBased<bool, kHandSlots> playable{};
  playable.fill(true);
  for (int k = 0; k < samples; ++k) {
    if (!done[static_cast<std::size_t>(k)]) continue;
    const auto& sc = scores[static_cast<std::size_t>(k)];
    for (int i = 1; i <= kHandSlots; ++i) {
      totals[i] += sc[i];
      playable[i] = sc[i] != kNotSearched;
    }
  }
  return BestTotalSlot(totals, playable, options_.IgnoreFirstSix && state.TrickNo <= 6);
}

int ComputerPlayer::ChooseBySampling(const GameState& state, int seat) {
  const int known = KnownHand(seat, state.Dummy);
  int hidden[2] = {0, 0};
  for (int k = 1, n = 0; k <= 3; ++k) {
    const int s = SeatAfter(seat, k);
    if (s != known) hidden[n++] = s;
  }
  const int a = hidden[0];
  const int b = hidden[1];
  const CardPool possibleA = PossibleCards(state.Hands[seat], state.Hands[known], state.NotHeld[a]);
  const CardPool possibleB = PossibleCards(state.Hands[seat], state.Hands[known], state.NotHeld[b]);
  const int samples = seeAll_ ? 1 : SampleCount(state.CardsLeft[seat]);

  OneBased<SearchHand, 4> hands;
  hands[seat] = ViewOf(state, seat);
  hands[known] = ViewOf(state, known);
  OneBased<std::int32_t, kHandSlots> totals{};
  OneBased<bool, kHandSlots> playable{};
  playable.fill(true);
  // Late in a deal few splits of the hidden cards remain and samples repeat; a repeated
  // split is not searched again. The cache is emptied before every search, so a search
  // depends on its deal alone and the reused scores are the ones it would give.
  struct SearchedSplit {
    CardList13 A;
    CardList13 B;
    OneBased<std::int32_t, kHandSlots> Scores;
  };
  std::vector<SearchedSplit> searched;

  for (int k = 1; k <= samples; ++k) {
    if (k > 1 && stop_ != nullptr && stop_->load(std::memory_order_relaxed)) break;
    // Rounded to nearest with ties to even, as every rounding on the table.
    view_.ShowProgress(static_cast<int>(std::nearbyint(k * 100.0 / samples)));
    if (!seed_) rng_.Reseed(Random::ClockSeed());
    const OneBased<std::int32_t, kHandSlots>* scores = nullptr;
    if (seeAll_) {
      hands[a] = ViewOf(state, a);
      hands[b] = ViewOf(state, b);
    } else {
      const HiddenHands dealt = DealHiddenHands(possibleA, state.CardsLeft[a], possibleB, state.CardsLeft[b], rng_);
      directDeals_ += dealt.Direct ? 1 : 0;
      for (const SearchedSplit& split : searched) {
        if (split.A == dealt.A && split.B == dealt.B) {
          scores = &split.Scores;
          ++repeatedSamples_;
          break;
        }
      }
      if (scores == nullptr) {
        hands[a] = Arranged(dealt.A, state.Trump);
        hands[b] = Arranged(dealt.B, state.Trump);
        searcher_.ResetCache();
        searched.push_back({dealt.A, dealt.B, searcher_.SearchPosition(RootForSeat(state, seat, hands)).Scores});
        scores = &searched.back().Scores;
      }
    }
    OneBased<std::int32_t, kHandSlots> seen{};
    if (scores == nullptr) {
      searcher_.ResetCache();
      seen = searcher_.SearchPosition(RootForSeat(state, seat, hands)).Scores;
      scores = &seen;
    }
    for (int i = 1; i <= kHandSlots; ++i) {
      totals[i] += (*scores)[i];
      playable[i] = (*scores)[i] != kNotSearched;
    }
  }

  return BestTotalSlot(totals, playable, options_.IgnoreFirstSix && state.TrickNo <= 6);
}

int BestTotalSlot(const OneBased<std::int32_t, kHandSlots>& totals, const OneBased<bool, kHandSlots>& playable,
                  bool earlierWins) {
  std::int32_t best = -2000000000;
  int chosen = 0;
  for (int i = 1; i <= kHandSlots; ++i) {
    if (!playable[i]) continue;
    if (earlierWins ? totals[i] > best : totals[i] >= best) {
      best = totals[i];
      chosen = i;
    }
  }
  return chosen;
}

}  // namespace tavlo
