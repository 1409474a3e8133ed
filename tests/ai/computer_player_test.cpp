#include "ai/computer_player.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ai/choice_limits.h"
#include "ai/duplicate_match.h"
#include "ai/greedy_chooser.h"
#include "ai/hidden_deal.h"
#include "game/arrange.h"
#include "game/seats.h"
#include "game/test_cards.h"
#include "game/trick.h"
#include "random_positions.h"

namespace tavlo {
namespace {

using testing::C;

class RecordingView : public ThinkingView {
 public:
  void BeginThinking() override { ++begun; }
  void ShowProgress(int percent) override { progress.push_back(percent); }
  void PlayEffect(std::string_view name) override { effects.emplace_back(name); }
  void EndThinking() override { ++ended; }

  int begun = 0;
  int ended = 0;
  std::vector<int> progress;
  std::vector<std::string> effects;
};

TEST(ChooseCard, OneCardLeftIsPlayedWithoutSampling) {
  const testing::PlayedPosition pos = testing::PlayTo(13, 2, RuleOptions{}, 5);
  RecordingView view;
  ComputerPlayer player(RuleOptions{}, view, 1);
  EXPECT_EQ(player.ChooseCard(pos.state, pos.seat), 1);
  EXPECT_TRUE(view.progress.empty());
  EXPECT_EQ(player.Nodes(), 0u);
  EXPECT_EQ(view.begun, 1);
  EXPECT_EQ(view.ended, 1);
}

TEST(ChooseCard, ProgressFollowsTheSampleCountOfTheHand) {
  struct Case {
    int trick;
    int samples;
    int firstPercent;  // round(100 / samples), ties to even
  } cases[] = {{12, 100, 1}, {11, 50, 2}, {10, 10, 10}, {9, 8, 12}, {7, 30, 3}, {6, 25, 4}, {1, 5, 20}};
  for (const Case& c : cases) {
    const testing::PlayedPosition pos = testing::PlayTo(c.trick, 1, RuleOptions{}, 8);
    RecordingView view;
    ComputerPlayer player(RuleOptions{}, view, 3);
    const int slot = player.ChooseCard(pos.state, pos.seat);
    EXPECT_TRUE(IsLegalPlay(pos.state, pos.seat, slot)) << "trick " << c.trick;
    ASSERT_EQ(static_cast<int>(view.progress.size()), c.samples) << "trick " << c.trick;
    EXPECT_EQ(view.progress.front(), c.firstPercent) << "trick " << c.trick;
    EXPECT_EQ(view.progress.back(), 100);
    EXPECT_EQ(view.ended, 1);
  }
}

// Whole deals with the computer player at every seat, under every rule variant: every
// choice is legal, and one seed gives the same deal twice.
TEST(ChooseCard, PlaysWholeDealsLegallyAndReproducibly) {
  for (int mode = 0; mode < 6; ++mode) {
    RuleOptions options;
    options.IgnoreFirstSix = mode % 2 == 1;
    options.KoronkiMode = mode / 2;
    std::vector<int> firstRun;
    for (int run = 0; run < 2; ++run) {
      QuietBoundary table;
      NewPlayerRecords records;
      Game game(table, records, 40 + static_cast<std::uint64_t>(mode));
      game.SetOptions(options);
      RecordingView view;
      ComputerPlayer player(options, view, 99);
      const GameState& s = game.State();
      std::vector<int> slots;
      game.ShuffleAndDeal(false);
      game.StartPlay();
      while (s.Turn != turn::kDealOver) {
        if (s.Turn == turn::kTrickComplete) {
          game.GatherTrick();
          continue;
        }
        const int seat = SeatToPlay(s);
        const int slot = player.ChooseCard(s, seat);
        ASSERT_TRUE(IsLegalPlay(s, seat, slot)) << "mode " << mode << " trick " << int{s.TrickNo};
        slots.push_back(slot);
        game.PlayCard(seat, slot, false);
      }
      EXPECT_EQ(view.begun, 52);
      EXPECT_EQ(view.ended, 52);
      if (run == 0) {
        firstRun = slots;
      } else {
        EXPECT_EQ(slots, firstRun) << "mode " << mode;
      }
    }
  }
}

TEST(ChooseCard, WrongKnowledgeOfAHiddenSeatStillEndsInALegalCard) {
  testing::PlayedPosition pos = testing::PlayTo(5, 2, RuleOptions{}, 21);
  const int known = KnownHand(pos.seat, pos.state.Dummy);
  const int hidden = NextSeat(pos.seat) != known ? NextSeat(pos.seat) : Partner(pos.seat);
  // The seat is wrongly thought to hold none of the 52 cards: re-dealing can never succeed.
  for (int n = 1; n <= 52; ++n) pos.state.NotHeld[hidden][n] = CardFromNumber(n);
  RecordingView view;
  ComputerPlayer player(RuleOptions{}, view, 4);
  const int slot = player.ChooseCard(pos.state, pos.seat);
  EXPECT_TRUE(IsLegalPlay(pos.state, pos.seat, slot));
  EXPECT_EQ(player.DirectDeals(), static_cast<int>(view.progress.size()));
}

// The plain way to choose: every sample dealt and searched on its own, nothing reused.
int ChoiceSearchingEverySample(const GameState& state, int seat, std::uint64_t seed) {
  Random rng(seed);
  Searcher searcher{RuleOptions{}};
  const int known = KnownHand(seat, state.Dummy);
  std::vector<int> hidden;
  for (int k = 1; k <= 3; ++k) {
    if (SeatAfter(seat, k) != known) hidden.push_back(SeatAfter(seat, k));
  }
  const int a = hidden[0];
  const int b = hidden[1];
  const CardPool possibleA = PossibleCards(state.Hands[seat], state.Hands[known], state.NotHeld[a]);
  const CardPool possibleB = PossibleCards(state.Hands[seat], state.Hands[known], state.NotHeld[b]);
  OneBased<SearchHand, 4> hands;
  for (const int s : {seat, known}) {
    hands[s].Cards = state.Hands[s];
    hands[s].Ranks = state.HandRanks[s];
  }
  OneBased<std::int32_t, kHandSlots> totals{};
  OneBased<bool, kHandSlots> playable{};
  for (int k = 1; k <= SampleCount(state.CardsLeft[seat]); ++k) {
    const HiddenHands dealt = DealHiddenHands(possibleA, state.CardsLeft[a], possibleB, state.CardsLeft[b], rng);
    for (const auto& [s, cards] : {std::pair{a, dealt.A}, std::pair{b, dealt.B}}) {
      hands[s].Cards = cards;
      for (int i = 1; i <= kHandSlots; ++i) hands[s].Ranks[i] = cards[i].IsEmpty() ? kNoRank : RankValueOf(cards[i]);
      ArrangeCards(hands[s].Cards, hands[s].Ranks, state.Trump);
    }
    searcher.ResetCache();
    const SearchScores scores = searcher.SearchPosition(RootForSeat(state, seat, hands));
    for (int i = 1; i <= kHandSlots; ++i) {
      totals[i] += scores.Scores[i];
      playable[i] = scores.Scores[i] != kNotSearched;
    }
  }
  return BestTotalSlot(totals, playable, false);
}

// Late in a deal samples repeat a split of the hidden cards and take the scores of its
// first search; the card chosen is the one searching every sample gives.
TEST(ChooseCard, RepeatedSamplesChooseAsSearchingEverySample) {
  int repeated = 0;
  for (const int trick : {9, 10, 11, 12}) {
    for (int p = 1; p <= 4; ++p) {
      for (const std::uint64_t seed : {31u, 32u, 33u}) {
        const testing::PlayedPosition pos = testing::PlayTo(trick, p, RuleOptions{}, seed * 7 + static_cast<std::uint64_t>(p));
        if (ThirdHandCover(pos.state, pos.seat) != 0) continue;
        ThinkingView view;
        ComputerPlayer player(RuleOptions{}, view, seed);
        EXPECT_EQ(player.ChooseCard(pos.state, pos.seat), ChoiceSearchingEverySample(pos.state, pos.seat, seed))
            << "trick " << trick << " place " << p << " seed " << seed;
        repeated += player.RepeatedSamples();
      }
    }
  }
  // Tricks 11 and 12 take 50 and 100 samples of a few possible splits.
  EXPECT_GT(repeated, 100);
}

TEST(BestTotalSlot, TiesGoToTheLastSlotOrToTheFirstInTheUncountedTricks) {
  OneBased<std::int32_t, kHandSlots> totals{};
  OneBased<bool, kHandSlots> playable{};
  for (int i = 1; i <= 4; ++i) playable[i] = true;
  EXPECT_EQ(BestTotalSlot(totals, playable, false), 4);
  EXPECT_EQ(BestTotalSlot(totals, playable, true), 1);
  totals[2] = 5;
  totals[3] = 5;
  EXPECT_EQ(BestTotalSlot(totals, playable, false), 3);
  EXPECT_EQ(BestTotalSlot(totals, playable, true), 2);
  // A slot skipped in the last sample is never chosen, whatever its total.
  totals[6] = 1000;
  EXPECT_EQ(BestTotalSlot(totals, playable, false), 3);
  // Earlier samples' markers stay in the totals: only the last sample's flags count.
  totals[1] = kNotSearched;
  EXPECT_EQ(BestTotalSlot(totals, playable, true), 1);
  playable.fill(false);
  EXPECT_EQ(BestTotalSlot(totals, playable, false), 0);
}

// South plays third after its partner North, the dummy, led a heart it could not
// follow again; spades are trump.
GameState CoverPosition() {
  GameState s;
  s.ClearDeal();
  s.Trump = kSpades;
  s.Dummy = kNorth;
  const auto deal = [&](int seat, const std::string& text) {
    s.Hands[seat] = testing::List<kHandSlots>(text);
    for (int i = 1; i <= kHandSlots; ++i) {
      s.HandRanks[seat][i] = s.Hands[seat][i].IsEmpty() ? kNoRank : RankValueOf(s.Hands[seat][i]);
    }
    s.CardsLeft[seat] = static_cast<std::uint8_t>(ArrangeCards(s.Hands[seat], s.HandRanks[seat], s.Trump));
  };
  deal(kSouth, "2h Kh 4c 5c");
  deal(kNorth, "2s 3s 6c");
  deal(kEast, "8h 7c 8c");
  deal(kWest, "3h Qh 9c 10c");
  s.Table[1] = C("5h");
  s.TableRanks[1] = 4;
  s.Table[2] = C("7h");
  s.TableRanks[2] = 6;
  s.LedSuit = kHearts;
  s.Leader = kNorth;
  s.TrickPos = 3;
  s.TrickNo = 10;
  s.Turn = static_cast<std::uint8_t>(turn::kSeatToPlay + kSouth);
  return s;
}

TEST(ThirdHandCover, CoversWithTheHighestCardOnlyWhenEveryConditionHolds) {
  const GameState base = CoverPosition();
  const int kingSlot = 2;  // hearts come first with spades trump: 2h, Kh, 4c, 5c
  ASSERT_EQ(base.Hands[kSouth][kingSlot], C("Kh"));
  EXPECT_EQ(ThirdHandCover(base, kSouth), kingSlot);

  RecordingView view;
  ComputerPlayer player(RuleOptions{}, view, 1);
  EXPECT_EQ(player.ChooseCard(base, kSouth), kingSlot);
  EXPECT_EQ(view.effects, std::vector<std::string>{"WDing_1"});
  EXPECT_TRUE(view.progress.empty());

  struct Case {
    const char* name;
    void (*change)(GameState&);
  } cases[] = {
      {"a defender", [](GameState& s) { s.Dummy = kEast; }},
      {"no trump suit", [](GameState& s) { s.Trump = kNoSuit; }},
      {"not third to play", [](GameState& s) { s.TrickPos = 2; }},
      {"the second card is a trump",
       [](GameState& s) {
         s.Table[2] = C("7s");
         s.TableRanks[2] = 6;
       }},
      {"an opponent holds a higher card",
       [](GameState& s) {
         s.Hands[kWest][2] = C("Ah");
         s.HandRanks[kWest][2] = 13;
       }},
      {"no opponent can beat the table",
       [](GameState& s) {
         s.Hands[kWest][2] = C("6h");
         s.HandRanks[kWest][2] = 5;
         s.Hands[kEast][1] = C("4h");
         s.HandRanks[kEast][1] = 3;
       }},
      {"the partner can follow",
       [](GameState& s) {
         s.Hands[kNorth][3] = C("9h");
         s.HandRanks[kNorth][3] = 8;
       }},
      {"the led suit is all accounted for",
       [](GameState& s) {
         for (int r = 1; r <= 13; ++r) s.NotHeld[kWest][r] = MakeCard(r, kHearts);
       }},
  };
  for (const Case& c : cases) {
    GameState s = base;
    c.change(s);
    EXPECT_EQ(ThirdHandCover(s, kSouth), 0) << c.name;
  }
}

TEST(DealHiddenHands, HonoursVoidsAndUsesEveryHiddenCard) {
  CardPool a;
  CardPool b;
  // 20 hidden cards; the second seat is void in hearts.
  for (int n = 1; n <= 52 && a.Count < 20; ++n) {
    const TCardCode card = CardFromNumber(n);
    if (card.suit == kSpades) continue;
    a.Cards[static_cast<std::size_t>(a.Count++)] = card;
    if (card.suit != kHearts) b.Cards[static_cast<std::size_t>(b.Count++)] = card;
  }
  Random rng(12);
  for (int k = 0; k < 50; ++k) {
    const HiddenHands h = DealHiddenHands(a, 10, b, 10, rng);
    std::set<int> seen;
    for (int i = 1; i <= 10; ++i) {
      ASSERT_FALSE(h.B[i].IsEmpty());
      EXPECT_NE(h.B[i].suit, kHearts);
      seen.insert(NumberOfCard(h.B[i]));
    }
    EXPECT_TRUE(h.B[11].IsEmpty());
    for (int i = 1; i <= 10; ++i) seen.insert(NumberOfCard(h.A[i]));
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_TRUE(h.A[11].IsEmpty());
  }
}

TEST(DealHiddenHands, ADealTooTightForReDealingIsDealtDirectly) {
  // 26 hidden cards, the second seat may hold only the 13 spades: one split in ten million.
  CardPool a;
  CardPool b;
  for (int n = 1; n <= 52; ++n) {
    const TCardCode card = CardFromNumber(n);
    if (card.suit == kHearts || card.suit == kSpades) a.Cards[static_cast<std::size_t>(a.Count++)] = card;
    if (card.suit == kSpades) b.Cards[static_cast<std::size_t>(b.Count++)] = card;
  }
  Random rng(3);
  const HiddenHands h = DealHiddenHands(a, 13, b, 13, rng);
  EXPECT_TRUE(h.Direct);
  EXPECT_EQ(h.Attempts, kMaxDealAttempts);
  for (int i = 1; i <= 13; ++i) {
    EXPECT_EQ(h.A[i].suit, kHearts);
    EXPECT_EQ(h.B[i].suit, kSpades);
  }
  // Lists that cannot be met at all still give full hands.
  CardPool few;
  few.Cards[0] = C("2c");
  few.Count = 1;
  const HiddenHands broken = DealHiddenHands(few, 2, b, 1, rng);
  EXPECT_TRUE(broken.Direct);
  EXPECT_FALSE(broken.A[2].IsEmpty());
  EXPECT_FALSE(broken.B[1].IsEmpty());
}

TEST(GreedyCardChooser, WinsCheaplyAndSparesItsPartner) {
  GameState s = CoverPosition();
  GreedyCardChooser greedy;
  // South can beat the 7h with the king only.
  EXPECT_EQ(s.Hands[kSouth][greedy.ChooseCard(s, kSouth)], C("Kh"));
  // East led; North, last to play and void in hearts, ruffs East's winning card cheaply.
  GameState ruff = s;
  ruff.Leader = kEast;
  ruff.Table[1] = C("Qh");
  ruff.TableRanks[1] = 11;
  ruff.Table[2] = C("2h");
  ruff.TableRanks[2] = 1;
  ruff.Table[3] = C("8h");
  ruff.TableRanks[3] = 7;
  ruff.TrickPos = 4;
  EXPECT_EQ(ruff.Hands[kNorth][greedy.ChooseCard(ruff, kNorth)], C("2s"));
  // With its partner South winning, North discards its lowest plain card instead.
  ruff.Table[2] = C("Kh");
  ruff.TableRanks[2] = 12;
  EXPECT_EQ(ruff.Hands[kNorth][greedy.ChooseCard(ruff, kNorth)], C("6c"));
}

TEST(DuplicateMatch, TwoIdenticalPlayersScoreExactlyNothing) {
  RuleOptions options;
  for (int deal = 0; deal < 2; ++deal) {
    const DuplicateDeal d = PlayDuplicateDeal(Baseline::Self, deal, 77, options);
    EXPECT_EQ(d.FirstTable + d.SecondTable, 0) << "deal " << deal;
  }
}

TEST(DuplicateMatch, SummaryGivesMeanStandardErrorAndInterval) {
  const MeanWithError m = Summarise({1.0, 2.0, 3.0, 4.0});
  EXPECT_DOUBLE_EQ(m.Mean, 2.5);
  EXPECT_NEAR(m.StdError, std::sqrt(5.0 / 3.0 / 4.0), 1e-12);
  EXPECT_NEAR(m.Low95, 2.5 - 1.96 * m.StdError, 1e-12);
  EXPECT_NEAR(m.High95, 2.5 + 1.96 * m.StdError, 1e-12);
}

}  // namespace
}  // namespace tavlo

namespace tavlo {
namespace {

TEST(ComputerLevel, TheExpertPlaysOnlyWhereTheTableAllowsIt) {
  struct Case {
    const char* name;
    bool net, tournament;
    int accountState;
    PlayerSlot player;
    bool chosen;
    ComputerLevel level;
  } cases[] = {
      {"new player who chose it", false, false, 1, PlayerSlot::NewPlayer, true, ComputerLevel::Expert},
      {"club member who chose it", false, false, 2, PlayerSlot::Member1, true, ComputerLevel::Expert},
      {"not chosen", false, false, 1, PlayerSlot::NewPlayer, false, ComputerLevel::Standard},
      {"LAN table", true, false, 1, PlayerSlot::Member1, true, ComputerLevel::Standard},
      {"tournament table", false, true, 2, PlayerSlot::Tournament, true, ComputerLevel::Standard},
      {"rated club play", false, false, 3, PlayerSlot::ClubAccount, true, ComputerLevel::Standard},
  };
  for (const Case& c : cases) {
    TableMode mode;
    mode.NetGame = c.net;
    mode.Tournament = c.tournament;
    mode.AccountState = c.accountState;
    mode.Player = c.player;
    EXPECT_EQ(LevelForTable(mode, c.chosen), c.level) << c.name;
  }
}

}  // namespace
}  // namespace tavlo

namespace tavlo {
namespace {

ExpertTuning Tuning(int threads, int budgetMs) {
  ExpertTuning t;
  t.MinSamples = 12;
  t.SampleFactor = 2;
  t.Threads = threads;
  t.BudgetMs = budgetMs;
  return t;
}

// Each sample is dealt from its own seed, so the threads may share the samples in any order.
TEST(ExpertChoice, TheSameCardForAnyNumberOfThreads) {
  for (const int trick : {1, 5, 8, 10, 12}) {
    for (const std::uint64_t seed : {3u, 4u}) {
      const testing::PlayedPosition pos = testing::PlayTo(trick, 1 + trick % 4, RuleOptions{}, seed);
      std::vector<int> slots;
      std::vector<std::uint64_t> nodes;
      for (const int threads : {1, 2, 3}) {
        ThinkingView view;
        ComputerPlayer player(RuleOptions{}, view, 99);
        player.SetLevel(ComputerLevel::Expert);
        player.SetExpertTuning(Tuning(threads, 0));
        slots.push_back(player.ChooseCard(pos.state, pos.seat));
        nodes.push_back(player.Nodes());
        EXPECT_TRUE(IsLegalPlay(pos.state, pos.seat, slots.back())) << "trick " << trick;
      }
      EXPECT_EQ(slots[1], slots[0]) << "trick " << trick << " seed " << seed;
      EXPECT_EQ(slots[2], slots[0]) << "trick " << trick << " seed " << seed;
      EXPECT_EQ(nodes[1], nodes[0]) << "trick " << trick << " seed " << seed;
      EXPECT_EQ(nodes[2], nodes[0]) << "trick " << trick << " seed " << seed;
    }
  }
}

TEST(ExpertChoice, SamplesMoreThanTheStandardLevelAndSearchesDeeper) {
  struct Case {
    int trick;
    int samples;  // max(12, 2 x the standard count)
  } cases[] = {{1, 12}, {6, 50}, {9, 16}, {11, 100}};
  for (const Case& c : cases) {
    const testing::PlayedPosition pos = testing::PlayTo(c.trick, 2, RuleOptions{}, 21);
    RecordingView expertView;
    ComputerPlayer expert(RuleOptions{}, expertView, 5);
    expert.SetLevel(ComputerLevel::Expert);
    expert.SetExpertTuning(Tuning(1, 0));
    expert.ChooseCard(pos.state, pos.seat);
    EXPECT_EQ(static_cast<int>(expertView.progress.size()), c.samples) << "trick " << c.trick;
    EXPECT_EQ(expertView.progress.back(), 100) << "trick " << c.trick;
    EXPECT_EQ(expertView.begun, 1);
    EXPECT_EQ(expertView.ended, 1);

    RecordingView standardView;
    ComputerPlayer standard(RuleOptions{}, standardView, 5);
    standard.ChooseCard(pos.state, pos.seat);
    EXPECT_GT(expert.Nodes(), standard.Nodes()) << "trick " << c.trick;
  }
}

// The budget only trims the extra samples: the standard count is always searched.
TEST(ExpertChoice, TheTimeBudgetKeepsTheStandardSamples) {
  const testing::PlayedPosition pos = testing::PlayTo(8, 1, RuleOptions{}, 13);
  ExpertTuning tuning = Tuning(1, 1);
  tuning.MinSamples = 400;
  RecordingView view;
  ComputerPlayer player(RuleOptions{}, view, 5);
  player.SetLevel(ComputerLevel::Expert);
  player.SetExpertTuning(tuning);
  const int slot = player.ChooseCard(pos.state, pos.seat);
  EXPECT_TRUE(IsLegalPlay(pos.state, pos.seat, slot));
  const int done = static_cast<int>(view.progress.size());
  EXPECT_GE(done, SampleCount(pos.state.CardsLeft[pos.seat]));
  EXPECT_LE(done, 400);
  EXPECT_EQ(player.BudgetStops(), done < 400 ? 1 : 0);
}

}  // namespace
}  // namespace tavlo
