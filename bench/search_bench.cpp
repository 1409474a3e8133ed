// tavlo-search-bench: the look-ahead search against its literal twin from the tests on
// a fixed set of positions per trick number, in one run, and the speed ratio of the two.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "ai/literal_search.h"  // the tests' literal search
#include "ai/random_positions.h"

namespace {

using namespace tavlo;

// Eight positions per trick: every place in the trick, two deals each, under the
// default rules.
const std::vector<SearchRoot>& Positions(int trick) {
  static std::map<int, std::vector<SearchRoot>> cache;
  auto& roots = cache[trick];
  if (roots.empty()) {
    for (std::uint64_t deal = 0; deal < 2; ++deal) {
      for (int p = 1; p <= 4; ++p) {
        const std::uint64_t seed = 500 + deal * 100 + static_cast<std::uint64_t>(trick * 4 + p);
        roots.push_back(testing::RealRoot(testing::PlayTo(trick, p, RuleOptions{}, seed)));
      }
    }
  }
  return roots;
}

template <typename S>
void SearchAll(benchmark::State& state) {
  const int trick = static_cast<int>(state.range(0));
  const std::vector<SearchRoot>& roots = Positions(trick);
  S searcher{RuleOptions{}};
  for (auto _ : state) {
    for (const SearchRoot& root : roots) {
      searcher.ResetCache();
      benchmark::DoNotOptimize(searcher.SearchPosition(root));
    }
  }
}

void Fast(benchmark::State& state) { SearchAll<Searcher>(state); }
void Literal(benchmark::State& state) { SearchAll<literal::LiteralSearcher>(state); }

BENCHMARK(Fast)->DenseRange(1, 13)->Unit(benchmark::kMicrosecond);
BENCHMARK(Literal)->DenseRange(1, 13)->Unit(benchmark::kMicrosecond);

// Collects the processor time per iteration of every run to compare the two searches
// (the wall clock of a busy shared machine would blur the ratio).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedCPUTime();
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  double logSum = 0;
  int count = 0;
  std::printf("\nliteral / fast time per trick number:\n");
  for (int t = 1; t <= 13; ++t) {
    const std::string suffix = "/" + std::to_string(t);
    const auto fast = reporter.times.find("Fast" + suffix);
    const auto slow = reporter.times.find("Literal" + suffix);
    if (fast == reporter.times.end() || slow == reporter.times.end() || fast->second <= 0) continue;
    const double ratio = slow->second / fast->second;
    std::printf("  trick %2d  %8.1f x\n", t, ratio);
    logSum += std::log(ratio);
    ++count;
  }
  if (count > 0) std::printf("geometric mean: %.1f x\n", std::exp(logSum / count));
  benchmark::Shutdown();
  return 0;
}
