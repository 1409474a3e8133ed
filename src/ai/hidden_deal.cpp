#include "ai/hidden_deal.h"

#include <vector>

namespace tavlo {
namespace {

// Picks `count` distinct positions of `cards` uniformly (drawing until enough differ)
// and returns the chosen cards in list order.
std::vector<TCardCode> PickInOrder(const std::vector<TCardCode>& cards, int count, Random& rng) {
  std::vector<bool> chosen(cards.size(), false);
  int picked = 0;
  while (picked < count) {
    const std::uint32_t pos = rng.Below(static_cast<std::uint32_t>(cards.size()));
    if (chosen[pos]) continue;
    chosen[pos] = true;
    ++picked;
  }
  std::vector<TCardCode> out;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (chosen[i]) out.push_back(cards[i]);
  }
  return out;
}

bool Contains(const std::vector<TCardCode>& cards, TCardCode card) {
  for (const TCardCode& c : cards) {
    if (c == card) return true;
  }
  return false;
}

std::vector<TCardCode> ToVector(const CardPool& pool) {
  std::vector<TCardCode> out;
  for (int i = 0; i < pool.Count; ++i) {
    const TCardCode c = pool.Cards[static_cast<std::size_t>(i)];
    if (!c.IsEmpty()) out.push_back(c);
  }
  return out;
}

void Fill(CardList13& hand, const std::vector<TCardCode>& cards) {
  hand.fill(kNoCard);
  int slot = 1;
  for (const TCardCode& c : cards) {
    if (slot > kHandSlots) break;
    hand[slot++] = c;
  }
}

// Moves up to `count` random cards of `from` (in place) to the end of `to`.
void TakeRandom(std::vector<TCardCode>& from, std::vector<TCardCode>& to, int count, Random& rng) {
  while (count > 0 && !from.empty()) {
    const std::uint32_t pos = rng.Below(static_cast<std::uint32_t>(from.size()));
    to.push_back(from[pos]);
    from.erase(from.begin() + pos);
    --count;
  }
}

// Sorts a hand into deck enumeration order, the order the re-deal loop delivers.
void EnumerationOrder(std::vector<TCardCode>& cards) {
  std::vector<TCardCode> out;
  for (int n = 1; n <= 52; ++n) {
    if (Contains(cards, CardFromNumber(n))) out.push_back(CardFromNumber(n));
  }
  cards = out;
}

}  // namespace

HiddenHands DealHiddenHands(const CardPool& possibleA, int countA, const CardPool& possibleB, int countB, Random& rng) {
  const std::vector<TCardCode> listA = ToVector(possibleA);
  const std::vector<TCardCode> listB = ToVector(possibleB);
  HiddenHands out;
  if (static_cast<int>(listA.size()) >= countA) {
    while (out.Attempts < kMaxDealAttempts) {
      ++out.Attempts;
      const std::vector<TCardCode> handA = PickInOrder(listA, countA, rng);
      std::vector<TCardCode> pool;
      for (const TCardCode& c : listB) {
        if (!Contains(handA, c)) pool.push_back(c);
      }
      if (static_cast<int>(pool.size()) < countB) continue;
      Fill(out.A, handA);
      Fill(out.B, PickInOrder(pool, countB, rng));
      return out;
    }
  }
  // Direct deal: each seat first takes the cards only it may hold, then shared ones,
  // and only when the lists leave no other way cards the other seat was thought to hold.
  out.Direct = true;
  std::vector<TCardCode> onlyA, onlyB, shared;
  for (const TCardCode& c : listA) (Contains(listB, c) ? shared : onlyA).push_back(c);
  for (const TCardCode& c : listB) {
    if (!Contains(listA, c)) onlyB.push_back(c);
  }
  std::vector<TCardCode> handA, handB;
  TakeRandom(onlyA, handA, countA, rng);
  const int sharedForB = std::max(0, countB - static_cast<int>(onlyB.size()));
  TakeRandom(
      shared, handA,
      std::max(0, std::min(countA - static_cast<int>(handA.size()), static_cast<int>(shared.size()) - sharedForB)),
      rng);
  TakeRandom(onlyB, handB, countB, rng);
  TakeRandom(shared, handB, countB - static_cast<int>(handB.size()), rng);
  TakeRandom(shared, handA, countA - static_cast<int>(handA.size()), rng);
  TakeRandom(onlyB, handA, countA - static_cast<int>(handA.size()), rng);
  TakeRandom(onlyA, handB, countB - static_cast<int>(handB.size()), rng);
  EnumerationOrder(handA);
  EnumerationOrder(handB);
  Fill(out.A, handA);
  Fill(out.B, handB);
  return out;
}

}  // namespace tavlo
