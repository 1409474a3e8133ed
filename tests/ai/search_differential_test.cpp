// The program's search against the literal one on positions of real play: every trick,
// every place in the trick, both trick-counting rules and all three Koronki modes.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <vector>

#include "ai/knowledge.h"
#include "literal_search.h"
#include "random_positions.h"

namespace tavlo {
namespace {

using testing::PlayedPosition;

std::string Describe(const SearchRoot& root, const RuleOptions& o, std::uint64_t seed) {
  std::ostringstream out;
  out << "seed " << seed << " trick " << root.TrickNo << " position " << root.Position << " label " << root.Label
      << " IgnoreFirstSix " << o.IgnoreFirstSix << " KoronkiMode " << o.KoronkiMode << "\n";
  for (int k = 1; k <= 4; ++k) {
    out << "  hand " << k << ":";
    for (const TCardCode& c : root.Hands[k].Cards) out << ' ' << CardLabel(c);
    out << "\n";
  }
  out << "  table:";
  for (int k = 1; k < root.Position; ++k) out << ' ' << CardLabel(root.Trick.Cards[k]);
  return out.str();
}

TEST(SearchDifferential, FastSearchScoresEqualTheLiteralSearch) {
  const auto start = std::chrono::steady_clock::now();
  int positions = 0;
  // One searcher lives through all positions of a rule set, as in play, so that nothing it
  // keeps between searches (beyond the cache it is told to clear) can change a value.
  std::vector<std::unique_ptr<Searcher>> reused;
  for (std::uint64_t round = 0; round < 7; ++round) {
    for (int mode = 0; mode < 6; ++mode) {
      RuleOptions options;
      options.IgnoreFirstSix = mode % 2 == 0;
      options.KoronkiMode = mode / 2;
      if (reused.size() < 6) reused.push_back(std::make_unique<Searcher>(options));
      Searcher& longLived = *reused[static_cast<std::size_t>(mode)];
      for (int t = 1; t <= 13; ++t) {
        for (int p = 1; p <= 4; ++p) {
          const std::uint64_t seed = 1000003ULL * round + 1009ULL * static_cast<std::uint64_t>(mode) +
                                     31ULL * static_cast<std::uint64_t>(t) + static_cast<std::uint64_t>(p);
          const PlayedPosition pos = testing::PlayTo(t, p, options, seed);
          const SearchRoot root = testing::RealRoot(pos);
          Searcher fast(options);
          literal::LiteralSearcher slow(options);
          fast.ResetCache();
          slow.ResetCache();
          const SearchScores a = fast.SearchPosition(root);
          const SearchScores b = slow.SearchPosition(root);
          ASSERT_EQ(a.Scores, b.Scores) << Describe(root, options, seed);
          ASSERT_EQ(a.VzGlav, b.VzGlav) << Describe(root, options, seed);
          ASSERT_EQ(a.VzHelp, b.VzHelp) << Describe(root, options, seed);
          longLived.ResetCache();
          ASSERT_EQ(longLived.SearchPosition(root).Scores, b.Scores) << "long-lived searcher\n"
                                                                     << Describe(root, options, seed);
          for (int n = 3; n <= 12; ++n) {
            ASSERT_EQ(fast.CacheCount(n), slow.CacheCount(n)) << "cache table " << n << "\n"
                                                              << Describe(root, options, seed);
          }
          ++positions;
        }
      }
    }
  }
  EXPECT_GE(positions, 2000);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  RecordProperty("seconds", std::to_string(seconds));
}

TEST(SearchDifferential, EstimateAndEquivalenceEqualTheLiteralVersions) {
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    RuleOptions options;
    options.IgnoreFirstSix = seed % 2 == 0;
    options.KoronkiMode = 0;
    const int t = static_cast<int>(seed % 13) + 1;
    const int p = static_cast<int>(seed % 4) + 1;
    const PlayedPosition pos = testing::PlayTo(t, p, options, seed);
    const SearchRoot root = testing::RealRoot(pos);
    const auto& h = root.Hands;
    EXPECT_EQ(EquivalentCards(h[1], h[2], h[3], h[4], root.Trick, 0),
              literal::EquivalentCards(h[1], h[2], h[3], h[4], root.Trick, 0))
        << "seed " << seed;
    for (int koronki = 0; koronki <= 2; ++koronki) {
      options.KoronkiMode = koronki;
      const int mover = root.Label % 2 == 1 ? root.Tricks1 : root.Tricks2;
      const int other = root.Label % 2 == 1 ? root.Tricks2 : root.Tricks1;
      EXPECT_EQ(EstimateDeal(h, root.Trump, mover, other, root.MoverWon, root.OtherWon, options),
                literal::EstimateDeal(h, root.Trump, mover, other, root.MoverWon, root.OtherWon, options))
          << "seed " << seed << " koronki " << koronki;
    }
  }
}

}  // namespace
}  // namespace tavlo
