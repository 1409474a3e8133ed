#include <gtest/gtest.h>

#include "ai/position_cache.h"
#include "ai/search_position.h"
#include "game/arrange.h"
#include "game/test_cards.h"
#include "random_positions.h"

namespace tavlo {
namespace {

SearchHand Hand(const std::string& text, char trump) {
  SearchHand h;
  h.Cards = testing::List<kHandSlots>(text);
  for (int i = 1; i <= kHandSlots; ++i) h.Ranks[i] = h.Cards[i].IsEmpty() ? kNoRank : RankValueOf(h.Cards[i]);
  ArrangeCards(h.Cards, h.Ranks, trump);
  return h;
}

// Trick 11, hearts led by hand 4, the mover (hand 1) second to play.
SearchRoot SecondToPlay(const std::string& mover, int koronki, RuleOptions& options) {
  options.KoronkiMode = koronki;
  options.IgnoreFirstSix = false;
  SearchRoot root;
  root.Trump = kSpades;
  root.Hands[1] = Hand(mover, kSpades);
  root.Hands[2] = Hand("2d 3d 4d", kSpades);
  root.Hands[3] = Hand("5d 6d 7d", kSpades);
  root.Hands[4] = Hand("8d 9d", kSpades);
  root.TrickNo = 11;
  root.Position = 2;
  root.DepthLimit = 56;
  root.RuleSwitch = false;
  root.CacheSwitch = false;
  root.Label = 2;
  root.Trick.Cards[1] = testing::C("5h");
  root.Trick.Ranks[1] = 4;
  for (int k = 2; k <= 4; ++k) {
    root.Trick.Cards[k] = kNoCard;
    root.Trick.Ranks[k] = kNoRank;
  }
  root.MoverWon.fill(kNoCard);
  root.OtherWon.fill(kNoCard);
  return root;
}

TEST(SearchPosition, ASeatThatMustFollowWithOneCardGetsTheOnlyCardMarker) {
  struct Case {
    const char* name;
    const char* hand;
    int koronki;
    int onlySlot;
  } cases[] = {
      {"one heart", "9h 2c 3c", 1, 1},
      // Without Koronki the touching 10 goes with the 9, which leaves one distinct card.
      {"touching hearts folded together", "9h 10h 2c", 0, 1},
  };
  for (const Case& c : cases) {
    RuleOptions options;
    const SearchRoot root = SecondToPlay(c.hand, c.koronki, options);
    Searcher searcher(options);
    const SearchScores s = searcher.SearchPosition(root);
    for (int i = 1; i <= kHandSlots; ++i) {
      EXPECT_EQ(s.Scores[i], i == c.onlySlot ? kOnlyCard : kNotSearched) << c.name << " slot " << i;
    }
    EXPECT_EQ(s.VzGlav, kNotSearched) << c.name;
    EXPECT_EQ(s.VzHelp, kNotSearched) << c.name;
  }
}

TEST(SearchPosition, TouchingHonoursAreSearchedSeparatelyWithKoronki) {
  RuleOptions options;
  const SearchRoot root = SecondToPlay("9h 10h 2c", 1, options);
  Searcher searcher(options);
  const SearchScores s = searcher.SearchPosition(root);
  // With spades trump the order is 9h, 10h, 2c; the club may not be played.
  EXPECT_NE(s.Scores[1], kNotSearched);
  EXPECT_NE(s.Scores[2], kNotSearched);
  EXPECT_NE(s.Scores[1], kOnlyCard);
  EXPECT_EQ(s.Scores[3], kNotSearched);
}

TEST(SearchPosition, ValuesOfTheTwoSidesAreNegationsAndTheBestSlotCarriesTheRootValue) {
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    RuleOptions options;
    options.KoronkiMode = static_cast<int>(seed % 3);
    options.IgnoreFirstSix = seed % 2 == 0;
    const int t = static_cast<int>(seed % 13) + 1;
    const int p = static_cast<int>(seed % 4) + 1;
    const SearchRoot root = testing::RealRoot(testing::PlayTo(t, p, options, seed));
    Searcher searcher(options);
    const SearchScores s = searcher.SearchPosition(root);
    if (s.VzGlav == kNotSearched) continue;  // one playable card
    EXPECT_EQ(s.VzHelp, -s.VzGlav) << "seed " << seed;
    const std::int32_t rootValue = root.Label % 2 == 1 ? s.VzGlav : s.VzHelp;
    std::int32_t best = -kSearchBound;
    for (int i = 1; i <= kHandSlots; ++i) {
      if (s.Scores[i] != kNotSearched) best = std::max(best, s.Scores[i]);
    }
    EXPECT_EQ(rootValue, best) << "seed " << seed;
  }
}

TEST(PlayedSlotKey, EmptySlotsAreDigitsInBaseThirteen) {
  struct Case {
    unsigned empty;  // bit c - 1 for an empty slot c
    std::int64_t key;
  } cases[] = {{0, 0},
               {1u << 1, 1},
               {(1u << 0) | (1u << 1), 13},
               {(1u << 1) | (1u << 2), 1 + 2 * 13},
               {1u << 12, 12},
               {0x1FFF, 0 + 1 * 13 + 2 * 169 + 3 * 2197 + 4 * 28561 + 5 * 371293 + 6 * 4826809LL + 7 * 62748517LL +
                            8 * 815730721LL + 9 * 10604499373LL + 10 * 137858491849LL + 11 * 1792160394037LL +
                            12 * 23298085122481LL}};
  for (const Case& c : cases) EXPECT_EQ(PlayedSlotKey(c.empty), c.key) << c.empty;
}

THash Record(std::int64_t st1, int label, std::int32_t value) {
  THash r;
  r.St1 = st1;
  r.St2 = 7;
  r.St3 = 11;
  r.St4 = 13;
  r.St5 = static_cast<std::uint8_t>(label);
  r.VzGlav = value;
  r.VzHelp = -value;
  return r;
}

TEST(PositionCache, FindsTheFirstStoredMatchAndStopsGrowingAtTheBound) {
  PositionCache cache;
  cache.Store(5, Record(1, 2, 10));
  cache.Store(5, Record(1, 2, 20));
  cache.Store(5, Record(1, 3, 30));
  ASSERT_NE(cache.Find(5, Record(1, 2, 0)), nullptr);
  EXPECT_EQ(cache.Find(5, Record(1, 2, 0))->VzGlav, 10);
  EXPECT_EQ(cache.Find(5, Record(1, 3, 0))->VzGlav, 30);
  EXPECT_EQ(cache.Find(6, Record(1, 2, 0)), nullptr);  // one table per card count
  EXPECT_EQ(cache.Count(5), 3);

  for (int i = 0; i < 50000; ++i) cache.Store(7, Record(100 + i, 1, i));
  EXPECT_EQ(cache.Count(7), PositionCache::kMaxRecords);
  EXPECT_NE(cache.Find(7, Record(100 + 48000, 1, 0)), nullptr);
  EXPECT_EQ(cache.Find(7, Record(100 + 48001, 1, 0)), nullptr);

  cache.Reset();
  EXPECT_EQ(cache.Count(5), 0);
  EXPECT_EQ(cache.Count(7), 0);
  EXPECT_EQ(cache.Find(5, Record(1, 2, 0)), nullptr);
}

}  // namespace
}  // namespace tavlo
