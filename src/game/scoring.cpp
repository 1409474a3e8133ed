#include "game/scoring.h"

#include <array>

namespace tavlo {
namespace {

// Per suit index and rank value: is the card in the list.
using Presence = std::array<std::array<bool, 14>, 4>;

Presence PresenceOf(const CardList52& list) {
  Presence p{};
  for (const TCardCode& c : list) {
    const int s = SuitIndexOf(c.suit);
    if (s >= 0) p[static_cast<std::size_t>(s)][RankValueOf(c)] = true;
  }
  return p;
}

int RunFromAce(const Presence& p, int suitIndex) {
  int length = 0;
  for (int r = 13; r >= 1 && p[static_cast<std::size_t>(suitIndex)][r]; --r) ++length;
  return length;
}

int CountHonours(const CardList52& list, char trump) {
  int n = 0;
  for (const TCardCode& c : list) n += IsHonour(c, trump) ? 1 : 0;
  return n;
}

ScoreRecord ScoreSide(const Presence& taken, int tricks, int honours, int otherHonours, char trump,
                      const RuleOptions& options) {
  ScoreRecord r;
  if (options.IgnoreFirstSix) {
    r.Tricks = tricks;
  } else {
    r.Tricks = tricks >= 7 ? 2 * (tricks - 6) : 0;
  }
  r.Slams = tricks == 13 ? 20 : tricks == 12 ? 10 : 0;
  r.Oners = honours > otherHonours ? honours : 0;
  const int base = KoronkaBase(options.KoronkiMode);
  if (base != 0) {
    for (int s = 0; s < 4; ++s) {
      const int length = RunFromAce(taken, s);
      if (length < 3) continue;
      const int value = base * (length - 2);
      r.Koronki += kSuitOrder[s] == trump ? 2 * value : value;
    }
  }
  return r;
}

}  // namespace

int TopRunLength(const CardList52& taken, char suit) {
  const int s = SuitIndexOf(suit);
  return s < 0 ? 0 : RunFromAce(PresenceOf(taken), s);
}

DealScore ScoreDeal(const CardList52& taken1, const CardList52& taken2, int tricks1, int tricks2, char trump,
                    const RuleOptions& options) {
  const int h1 = CountHonours(taken1, trump);
  const int h2 = CountHonours(taken2, trump);
  DealScore score;
  score.Sides[1] = ScoreSide(PresenceOf(taken1), tricks1, h1, h2, trump, options);
  score.Sides[2] = ScoreSide(PresenceOf(taken2), tricks2, h2, h1, trump, options);
  score.Difference = score.Sides[1].All() - score.Sides[2].All();
  return score;
}

void ApplyCompleteness(DealScore& score, const CardList52& taken1, const CardList52& taken2, char trump,
                       bool allHandsEmpty) {
  if (CountHonours(taken1, trump) + CountHonours(taken2, trump) < 5) {
    score.Sides[1].Oners = 0;
    score.Sides[2].Oners = 0;
  }
  if (!allHandsEmpty) {
    score.Sides[1].Slams = 0;
    score.Sides[2].Slams = 0;
  }
  score.Difference = score.Sides[1].All() - score.Sides[2].All();
}

}  // namespace tavlo
