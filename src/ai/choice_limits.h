#pragma once

namespace tavlo {

// How hard the card choice looks, by trick number t (1..13) and the chooser's place p
// (1..4) in the trick.

// Plies to search: the rest of the trick and one more up to trick 7, three more in
// trick 8, and from trick 9 on the whole deal (the limit is never reached).
constexpr int DepthLimit(int t, int p) { return t <= 7 ? 10 - p : t == 8 ? 18 - p : 58 - p; }
// Forward pruning of the following and leading rules.
constexpr bool RuleSwitch(int t, int p) { return t <= 9 || (t == 10 && p == 1); }
constexpr bool CacheSwitch(int t) { return t <= 10; }

// Sampled deals by the cards the chooser still holds (2..13). Deliberately not
// monotonic: mid-deal positions with 7 cards get the most samples.
constexpr int SampleCount(int cards) {
  constexpr int kSamples[14] = {0, 0, 100, 50, 10, 8, 8, 30, 25, 15, 12, 10, 7, 5};
  return cards >= 2 && cards <= 13 ? kSamples[cards] : 0;
}

}  // namespace tavlo
