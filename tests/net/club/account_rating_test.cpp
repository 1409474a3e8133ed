#include "net/club/account_rating.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

TZanGame Record(std::int32_t kon, double rating, std::int32_t konL = 0, std::int32_t score = 0, std::int32_t best = 0,
                std::int32_t sessions = 0) {
  TZanGame g;
  g.Kon = kon;
  g.Rating = rating;
  g.KonL = konL;
  g.Score = score;
  g.Best = best;
  g.Sessions = sessions;
  return g;
}

TEST(AccountRating, PledgeStoresALostGameAndClearsTheCycle) {
  struct Case {
    TZanGame before;
    std::int32_t kon;
    double rating;
  } cases[] = {
      {Record(0, 0.0), 4, -24.9},                 // (0 - 100) / 4 + 4 / 40
      {Record(8, 7.6, 8, 55, 310, 1), 12, -3.1},  // P = 8 x (7.6 - 0.2) = 59.2; (59.2 - 100) / 12 + 0.3
      {Record(36, -1.0, 36, -40), 40, -3.21},     // P = 36 x -1.9 = -68.4; (-68.4 - 100) / 40 + 1
  };
  for (const Case& c : cases) {
    const TZanGame pledged = PledgedGameRecord(c.before);
    EXPECT_EQ(pledged.Kon, c.kon);
    EXPECT_NEAR(pledged.Rating, c.rating, 1e-9) << c.before.Kon;
    EXPECT_EQ(pledged.KonL, 0);
    EXPECT_EQ(pledged.Score, 0);
    EXPECT_EQ(pledged.Best, c.before.Best) << "only the settlement touches the cycle's best";
    EXPECT_EQ(pledged.Sessions, c.before.Sessions);
  }
}

TEST(AccountRating, SettlementReturnsThePledgeAndAddsTheResult) {
  // A new account's first game won by 30: 4 / 40 + (100 + 4 x (-24.9 - 0.1) + 30) / 4 = 30 / 4 + 4 / 40.
  const TZanGame first = SettledGameRecord(PledgedGameRecord(Record(0, 0.0)), 0, 30, 30);
  EXPECT_EQ(first.Kon, 4);
  EXPECT_NEAR(first.Rating, 7.6, 1e-9);
  EXPECT_EQ(first.KonL, 4);
  EXPECT_EQ(first.Score, 30);

  // Whatever the history, pledge and settlement together rate the game as if it had been stored once.
  for (const TZanGame& before : {Record(8, 7.6, 8, 55), Record(100, -3.25, 20, -12), Record(4, 99.0, 4, 400)}) {
    for (const std::int32_t result : {-250, 0, 17}) {
      const TZanGame settled = SettledGameRecord(PledgedGameRecord(before), before.KonL, result, before.Score + result);
      EXPECT_EQ(settled.Kon, before.Kon + 4);
      EXPECT_NEAR(settled.Rating, AccountRating(SummedResult(before) + result, before.Kon + 4), 1e-9);
      EXPECT_EQ(settled.KonL, before.KonL + 4);
      EXPECT_EQ(settled.Score, before.Score + result);
    }
  }
}

TEST(AccountRating, TheTenthGameClosesTheCycle) {
  struct Case {
    std::int32_t cycleDeals, best, totalScore;
    std::int32_t konL, score, sessions, newBest;
  } cases[] = {
      {32, 100, 80, 36, 80, 2, 100},  // the ninth game only advances the cycle
      {36, 100, 140, 0, 0, 3, 140},   // the tenth: a better cycle score becomes the best
      {36, 100, 60, 0, 0, 3, 100},    // ... a worse one does not
      {36, -50, -70, 0, 0, 3, -50},
  };
  for (const Case& c : cases) {
    const TZanGame stored = Record(80, 1.0, 0, 0, c.best, 2);
    const TZanGame settled = SettledGameRecord(stored, c.cycleDeals, 10, c.totalScore);
    EXPECT_EQ(settled.KonL, c.konL) << c.cycleDeals << " " << c.totalScore;
    EXPECT_EQ(settled.Score, c.score);
    EXPECT_EQ(settled.Sessions, c.sessions);
    EXPECT_EQ(settled.Best, c.newBest);
    EXPECT_EQ(settled.Kon, 80) << "the pledge already counted the deals";
  }
}

TEST(AccountRating, FormatRatingShowsThreeDecimalsWithAComma) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {7, "7,000"},     {12.5, "12,500"},  {-24.9, "-24,900"},     {7.6, "7,600"},
      {0, "0,000"},     {0.0004, "0,000"}, {-0.0004, "0,000"},     {0.0006, "0,001"},
      {-0.5, "-0,500"}, {99.99, "99,990"}, {-99.9996, "-100,000"}, {1234.5678, "1234,568"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatRating(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace tavlo
