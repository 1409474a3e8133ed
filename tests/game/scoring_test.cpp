#include <gtest/gtest.h>

#include "game/scoring.h"
#include "test_cards.h"

namespace tavlo {
namespace {

using testing::List;

struct ScoreCase {
  const char* name;
  const char* taken1;
  const char* taken2;
  int tricks1, tricks2;
  char trump;
  bool ignoreFirstSix;
  int koronkiMode;
  ScoreRecord side1, side2;
};

TEST(ScoreDealTest, Figures) {
  const ScoreCase cases[] = {
      {"honours 2:3 and a spade koronka of four", "Qh Jh", "Ah Kh 10h As Ks Qs Js", 4, 9, kHearts, false, 2,
       {0, 0, 0, 0}, {6, 3, 10, 0}},
      {"koronka in the trump suit counts double", "", "Ah Kh Qh", 0, 0, kHearts, false, 1, {0, 0, 0, 0}, {0, 3, 2, 0}},
      {"no ace, no koronka", "", "Ks Qs Js", 0, 0, kHearts, false, 2, {0, 0, 0, 0}, {0, 0, 0, 0}},
      {"broken run is no koronka", "", "As Ks Js", 0, 0, kHearts, false, 2, {0, 0, 0, 0}, {0, 0, 0, 0}},
      {"whole suit: length 13", "2c 3c 4c 5c 6c 7c 8c 9c 10c Jc Qc Kc Ac", "", 0, 0, kHearts, false, 2,
       {0, 0, 55, 0}, {0, 0, 0, 0}},
      {"whole trump suit", "2c 3c 4c 5c 6c 7c 8c 9c 10c Jc Qc Kc Ac", "", 0, 0, kClubs, false, 1, {0, 5, 22, 0},
       {0, 0, 0, 0}},
      {"13 tricks, option off", "", "", 13, 0, kHearts, false, 1, {14, 0, 0, 20}, {0, 0, 0, 0}},
      {"12 tricks, option off", "", "", 1, 12, kHearts, false, 1, {0, 0, 0, 0}, {12, 0, 0, 10}},
      {"six tricks score nothing", "", "", 6, 7, kHearts, false, 1, {0, 0, 0, 0}, {2, 0, 0, 0}},
      {"option on: counted tricks score one each", "", "", 7, 0, kHearts, true, 1, {7, 0, 0, 0}, {0, 0, 0, 0}},
      {"equal honours score nothing", "Ah Kh", "Qh Jh", 0, 0, kHearts, false, 1, {0, 0, 0, 0}, {0, 0, 0, 0}},
      {"Koronki off", "Ad Kd Qd Jd", "", 0, 0, kHearts, false, 0, {0, 0, 0, 0}, {0, 0, 0, 0}},
      {"two koronki, expensive", "As Ks Qs Ad Kd Qd Jd 10d", "", 0, 0, kHearts, false, 2, {0, 0, 5 + 15, 0},
       {0, 0, 0, 0}},
  };
  for (const ScoreCase& c : cases) {
    SCOPED_TRACE(c.name);
    RuleOptions options;
    options.IgnoreFirstSix = c.ignoreFirstSix;
    options.KoronkiMode = c.koronkiMode;
    const CardList52 taken1 = List<kListSlots>(c.taken1);
    const CardList52 taken2 = List<kListSlots>(c.taken2);
    const DealScore score = ScoreDeal(taken1, taken2, c.tricks1, c.tricks2, c.trump, options);
    EXPECT_EQ(score.Sides[1], c.side1);
    EXPECT_EQ(score.Sides[2], c.side2);
    EXPECT_EQ(score.Difference, c.side1.All() - c.side2.All());
  }
}

TEST(ScoreDealTest, WorksOnCopiesInAnyOrder) {
  // The taken list is in play order, not arranged; scoring must not depend on that.
  const CardList52 taken = List<kListSlots>("Qs 2h As 9d Ks 3c");
  const CardList52 before = taken;
  const DealScore score = ScoreDeal(taken, CardList52{}, 0, 0, kHearts, RuleOptions{});
  EXPECT_EQ(score.Sides[1].Koronki, 1);
  EXPECT_EQ(taken, before);
}

TEST(CompletenessTest, OnersNeedAllFiveHonoursAndSlamsAnEmptyTable) {
  struct Case {
    const char* name;
    const char* taken1;
    const char* taken2;
    bool allHandsEmpty;
    int oners1, oners2, slams2;
  };
  const Case cases[] = {
      {"all five taken, 3:2", "Ah Kh", "Qh Jh 10h", true, 0, 3, 10},
      {"4:0 with one still in a hand", "", "Ah Kh Qh Jh", true, 0, 0, 10},
      {"deal not finished: no slam", "Ah Kh", "Qh Jh 10h", false, 0, 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RuleOptions options;
    options.IgnoreFirstSix = false;
    const CardList52 taken1 = List<kListSlots>(c.taken1);
    const CardList52 taken2 = List<kListSlots>(c.taken2);
    DealScore score = ScoreDeal(taken1, taken2, 1, 12, kHearts, options);
    ApplyCompleteness(score, taken1, taken2, kHearts, c.allHandsEmpty);
    EXPECT_EQ(score.Sides[1].Oners, c.oners1);
    EXPECT_EQ(score.Sides[2].Oners, c.oners2);
    EXPECT_EQ(score.Sides[2].Slams, c.slams2);
    EXPECT_EQ(score.Difference, score.Sides[1].All() - score.Sides[2].All());
  }
}

}  // namespace
}  // namespace tavlo
