#include <gtest/gtest.h>

#include "game/game.h"
#include "game/invariants.h"
#include "game/scoring.h"
#include "game/trick.h"

namespace tavlo {
namespace {

// 1,000 seeded deals played to the end with random legal cards: the invariants hold
// after every card, and the score difference is the difference of the sides' sums.
TEST(PropertyTest, RandomDealsKeepEveryInvariant) {
  QuietBoundary view;
  NewPlayerRecords records;
  for (int options = 0; options < 2; ++options) {
    Game game(view, records, 1000 + static_cast<std::uint64_t>(options));
    RuleOptions rules;
    rules.IgnoreFirstSix = options == 0;
    rules.KoronkiMode = options == 0 ? 1 : 2;
    game.SetOptions(rules);
    Random chooser(99 + static_cast<std::uint64_t>(options));
    const GameState& s = game.State();
    for (int deal = 0; deal < 500; ++deal) {
      game.ShuffleAndDeal(deal > 0);
      ASSERT_EQ(CheckInvariants(s), "");
      ASSERT_TRUE(game.StartPlay());
      int tricksSeen = 0;
      while (s.Turn != turn::kDealOver) {
        if (s.Turn == turn::kTrickComplete) {
          ASSERT_TRUE(game.GatherTrick());
          ++tricksSeen;
          ASSERT_EQ(CheckInvariants(s), "");
          continue;
        }
        const int seat = SeatToPlay(s);
        int legal[kHandSlots];
        int n = 0;
        for (int slot = 1; slot <= kHandSlots; ++slot) {
          if (IsLegalPlay(s, seat, slot)) legal[n++] = slot;
        }
        ASSERT_GT(n, 0);
        const int before = s.CardsLeft[seat];
        ASSERT_TRUE(game.PlayCard(seat, legal[chooser.Below(static_cast<std::uint32_t>(n))], true));
        ASSERT_EQ(s.CardsLeft[seat], before - 1);
        ASSERT_EQ(CheckInvariants(s), "") << "deal " << deal;
      }
      ASSERT_EQ(tricksSeen, 13);
      const int counted = s.SideTricks[1] + s.SideTricks[2];
      ASSERT_EQ(counted, rules.IgnoreFirstSix ? 7 : 13);
      const DealScore score = ScoreDeal(s.Taken[1], s.Taken[2], s.SideTricks[1], s.SideTricks[2], s.Trump, rules);
      ASSERT_EQ(score.Difference, score.Sides[1].All() - score.Sides[2].All());
      ASSERT_GE(score.Sides[1].All(), 0);
      ASSERT_GE(score.Sides[2].All(), 0);
    }
  }
}

TEST(PropertyTest, CheckInvariantsNoticesABrokenState) {
  QuietBoundary view;
  NewPlayerRecords records;
  Game game(view, records, 5);
  game.ShuffleAndDeal(false);
  GameState broken = game.State();
  broken.Hands[1][1] = broken.Hands[2][1];  // one card twice, another lost
  EXPECT_NE(CheckInvariants(broken), "");
  broken = game.State();
  broken.CardsLeft[3] = 12;
  EXPECT_NE(CheckInvariants(broken), "");
  broken = game.State();
  broken.Table[1] = broken.Hands[4][1];
  EXPECT_NE(CheckInvariants(broken), "");
}

}  // namespace
}  // namespace tavlo
