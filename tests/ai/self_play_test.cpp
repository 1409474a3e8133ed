#include "ai/self_play.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace tavlo {
namespace {

TEST(ForEachIndex, RunsEveryIndexExactlyOnce) {
  struct Case {
    int count;
    int threads;
  } cases[] = {{0, 2}, {1, 4}, {3, 8}, {100, 1}, {100, 2}, {257, 5}};
  for (const Case& c : cases) {
    std::vector<std::atomic<int>> runs(static_cast<std::size_t>(c.count));
    std::mutex mutex;
    std::vector<int> workers;
    ForEachIndex(c.count, c.threads, [&](int index, int worker) {
      runs[static_cast<std::size_t>(index)].fetch_add(1);
      const std::lock_guard lock(mutex);
      workers.push_back(worker);
    });
    for (int i = 0; i < c.count; ++i) {
      EXPECT_EQ(runs[static_cast<std::size_t>(i)].load(), 1) << "index " << i << " of " << c.count;
    }
    for (const int w : workers) {
      EXPECT_GE(w, 0);
      EXPECT_LT(w, c.threads);
    }
  }
}

void ExpectSameDeals(const std::vector<SelfPlayDeal>& a, const std::vector<SelfPlayDeal>& b, const char* what) {
  ASSERT_EQ(a.size(), b.size()) << what;
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].Error, "") << what << " deal " << i;
    EXPECT_EQ(a[i].KonNo, b[i].KonNo) << what << " deal " << i;
    EXPECT_EQ(a[i].Difference, b[i].Difference) << what << " deal " << i;
    EXPECT_EQ(a[i].Nodes, b[i].Nodes) << what << " deal " << i;
    EXPECT_EQ(a[i].Shown, b[i].Shown) << what << " deal " << i;
    EXPECT_EQ(a[i].Decisions.size(), 52u) << what << " deal " << i;
  }
}

TEST(SelfPlay, ResultsDoNotDependOnTheNumberOfThreads) {
  for (const SelfPlayers players : {SelfPlayers::RandomCards, SelfPlayers::Computer}) {
    SelfPlayOptions options;
    options.Players = players;
    options.Seed = 7;
    options.Show = true;
    const int count = players == SelfPlayers::Computer ? 4 : 24;
    const std::vector<SelfPlayDeal> one = PlaySelfPlayDeals(options, count, 1);
    ExpectSameDeals(one, PlaySelfPlayDeals(options, count, 3), "3 threads");
    // A longer run starts with the same deals: nothing carries over from deal to deal.
    const std::vector<SelfPlayDeal> longer = PlaySelfPlayDeals(options, count + 3, 2);
    ExpectSameDeals(one, std::vector<SelfPlayDeal>(longer.begin(), longer.begin() + count), "longer run");
    if (players == SelfPlayers::Computer) {
      EXPECT_GT(one[0].Nodes, 0u);
    }
  }
}

TEST(SelfPlay, SeedsGiveDifferentDealsAndTheFirstDealFixesTheDummy) {
  SelfPlayOptions options;
  options.Show = true;
  struct Case {
    int firstDeal;
    const char* dummies[4];  // the dummy turns North, East, South, West with the running deal number
  } cases[] = {{1, {"North", "East", "South", "West"}},
               {2, {"East", "South", "West", "North"}},
               {40, {"West", "North", "East", "South"}}};
  for (const Case& c : cases) {
    options.FirstDeal = c.firstDeal;
    const std::vector<SelfPlayDeal> deals = PlaySelfPlayDeals(options, 4, 2);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(deals[static_cast<std::size_t>(i)].KonNo, c.firstDeal + i);
      const std::string expected = "Deal " + std::to_string(c.firstDeal + i) + ": dummy " + c.dummies[i] + ",";
      EXPECT_EQ(deals[static_cast<std::size_t>(i)].Shown.rfind(expected, 0), 0u)
          << deals[static_cast<std::size_t>(i)].Shown.substr(0, 60);
    }
  }
  options.FirstDeal = 1;
  options.Seed = 1;
  const std::vector<SelfPlayDeal> seedOne = PlaySelfPlayDeals(options, 2, 1);
  options.Seed = 2;
  const std::vector<SelfPlayDeal> seedTwo = PlaySelfPlayDeals(options, 2, 1);
  EXPECT_NE(seedOne[0].Shown, seedOne[1].Shown);
  EXPECT_NE(seedOne[0].Shown, seedTwo[0].Shown);
}

TEST(SelfPlay, RuleOptionsReachTheScoring) {
  // Random cards do not look at the rules, so the same cards are played under every
  // option; only the scores may differ.
  SelfPlayOptions options;
  options.Seed = 11;
  options.Show = true;
  const auto difference = [](const std::vector<SelfPlayDeal>& deals) {
    long long sum = 0;
    for (const SelfPlayDeal& d : deals) sum += d.Difference < 0 ? -d.Difference : d.Difference;
    return sum;
  };
  const auto tricksOnly = [](const std::string& shown) { return shown.substr(0, shown.find("  All")); };
  options.Rules.KoronkiMode = 0;
  options.Rules.IgnoreFirstSix = true;
  const std::vector<SelfPlayDeal> base = PlaySelfPlayDeals(options, 40, 2);
  struct Case {
    int koronki;
    bool ignoreFirstSix;
  } cases[] = {{2, true}, {0, false}};
  for (const Case& c : cases) {
    options.Rules.KoronkiMode = c.koronki;
    options.Rules.IgnoreFirstSix = c.ignoreFirstSix;
    const std::vector<SelfPlayDeal> other = PlaySelfPlayDeals(options, 40, 2);
    ASSERT_EQ(other.size(), base.size());
    bool scoresDiffer = false;
    for (std::size_t i = 0; i < base.size(); ++i) {
      EXPECT_EQ(tricksOnly(other[i].Shown).substr(0, 200), tricksOnly(base[i].Shown).substr(0, 200));
      scoresDiffer = scoresDiffer || other[i].Difference != base[i].Difference;
    }
    EXPECT_TRUE(scoresDiffer) << "Koronki " << c.koronki << ", ignore first six " << c.ignoreFirstSix;
  }
  // Counting all thirteen tricks doubles the trick points beyond six: larger swings.
  options.Rules.KoronkiMode = 0;
  options.Rules.IgnoreFirstSix = false;
  EXPECT_GT(difference(PlaySelfPlayDeals(options, 40, 2)), difference(base));
}

}  // namespace
}  // namespace tavlo
