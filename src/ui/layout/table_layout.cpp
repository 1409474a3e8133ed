#include "ui/layout/table_layout.h"

#include <cmath>

#include "ui/layout/scale.h"

namespace tavlo {

std::vector<int> LayOutHand(int width, int cardWidth, int n) {
  std::vector<int> left;
  if (n <= 0) return left;
  const int h = cardWidth + 3;
  const double p = static_cast<double>(width) / n;
  left.reserve(static_cast<std::size_t>(n));
  if (p >= h) {
    const int c = RoundHalfEven(width / 2.0);
    for (int i = 1; i <= n; ++i) left.push_back(RoundHalfEven(c - n * h / 2.0 + (i - 1) * h));
  } else {
    const int step = static_cast<int>(std::trunc(p - (h - p) / (n - 1)));
    for (int i = 1; i <= n; ++i) left.push_back((i - 1) * step);
  }
  return left;
}

int HitTestHand(const std::vector<int>& cardLeft, int cardWidth, int x) {
  const int n = static_cast<int>(cardLeft.size());
  if (n == 0) return 0;
  const auto at = [&](int i) { return cardLeft[static_cast<std::size_t>(i - 1)]; };
  if (at(n) <= x && x <= at(n) + cardWidth - 1) return n;
  for (int i = 1; i < n; ++i) {
    if (at(i) <= x && x <= at(i + 1) - 1) return i;
  }
  return 0;
}

}  // namespace tavlo
