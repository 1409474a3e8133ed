#include "ai/knowledge.h"

#include <gtest/gtest.h>

#include "game/arrange.h"
#include "game/scoring.h"
#include "game/test_cards.h"  // IWYU pragma: keep

namespace tavlo {
namespace {

using testing::C;
using testing::List;

// A hand view from cards written as "7s 8s 10s", put in trump-last order.
SearchHand Hand(const std::string& text, char trump = kHearts) {
  SearchHand h;
  h.Cards = List<kHandSlots>(text);
  for (int i = 1; i <= kHandSlots; ++i) h.Ranks[i] = h.Cards[i].IsEmpty() ? kNoRank : RankValueOf(h.Cards[i]);
  ArrangeCards(h.Cards, h.Ranks, trump);
  return h;
}

TrickCards Trick(const std::string& text) {
  TrickCards t;
  const auto cards = testing::Cards(text);
  for (int k = 1; k <= 4; ++k) {
    t.Cards[k] = k <= static_cast<int>(cards.size()) ? cards[static_cast<std::size_t>(k - 1)] : kNoCard;
    t.Ranks[k] = t.Cards[k].IsEmpty() ? kNoRank : RankValueOf(t.Cards[k]);
  }
  return t;
}

TEST(KnownHand, DeclarerAndDummySeeEachOtherDefendersSeeTheDummy) {
  struct Case {
    int seat, dummy, known;
  } cases[] = {{4, 2, 2}, {2, 2, 4}, {4, 4, 2}, {1, 2, 2}, {3, 2, 2}, {1, 3, 3}, {3, 3, 1}, {2, 3, 3}};
  for (const Case& c : cases) EXPECT_EQ(KnownHand(c.seat, c.dummy), c.known) << c.seat << " " << c.dummy;
}

TEST(HandQueries, RanksAndSlotsOfASuit) {
  const SearchHand h = Hand("7s 8s 10s Kd 2h");
  EXPECT_EQ(HighestRank(h, kSpades), 9);
  EXPECT_EQ(LowestRank(h, kSpades), 6);
  EXPECT_EQ(KthHighestRank(h, kSpades, 2), 7);
  EXPECT_EQ(KthHighestRank(h, kSpades, 3), 6);
  EXPECT_EQ(KthHighestRank(h, kSpades, 4), 0);
  EXPECT_EQ(SuitCount(h, kSpades), 3);
  EXPECT_EQ(CountCards(h), 5);
  EXPECT_EQ(HighestCard(h, kSpades), C("10s"));
  EXPECT_EQ(HighestCard(h, kClubs), kNoCard);
  // Hearts are trump and come last: diamonds, spades, hearts.
  EXPECT_EQ(CardIndex(C("Kd"), h), 1);
  EXPECT_EQ(CardIndex(C("2h"), h), 5);
  EXPECT_EQ(CardIndex(C("Ah"), h), 0);
  // A void suit has no lowest card, so "below the next hand's lowest card" is false.
  EXPECT_FALSE(HasSuit(h, kClubs));
  EXPECT_EQ(LowestRank(h, kClubs), 0);
  EXPECT_EQ(HighestRank(h, kClubs), 0);
}

TEST(TrickQueries, TrumpBeatsTheLedSuitWhateverItsRank) {
  const TrickCards t = Trick("5h Ah 2s Kh");
  EXPECT_EQ(TrickHighRank(t), 13);
  EXPECT_EQ(TrickHighTrump(t, kSpades), 1);
  EXPECT_EQ(TrickWinnerPos(t, kSpades), 3);
  EXPECT_EQ(TrickWinnerPos(t, kDiamonds), 2);
  // No trump suit: no trump on the table, and the discard of a higher card never wins.
  EXPECT_EQ(TrickHighTrump(t, kNoSuit), 0);
  EXPECT_EQ(TrickWinnerPos(Trick("5h 7h Ac 6h"), kNoSuit), 2);
  EXPECT_EQ(TrickHighRank(Trick("9d Ac")), 8);
}

TEST(PossibleCards, LeavesOutOwnKnownAndNotHeldCardsInDeckOrder) {
  const CardList13 own = List<kHandSlots>("2h 3h 4h 5h 6h 7h 8h 9h 10h Jh Qh Kh Ah");
  const CardList13 known = List<kHandSlots>("2d 3d 4d 5d 6d 7d 8d 9d 10d Jd Qd Kd Ad");
  CardList52 notHeld = List<kListSlots>("2s 3s 4s 5s 6s 7s 8s 9s 10s Js Qs Ks As Ac");
  const CardPool pool = PossibleCards(own, known, notHeld);
  ASSERT_EQ(pool.Count, 12);
  EXPECT_EQ(pool.Cards[0], C("2c"));
  EXPECT_EQ(pool.Cards[11], C("Kc"));
  // Wrong knowledge that excludes too much leaves fewer cards than the seat holds.
  for (int r = 1; r <= 13; ++r) notHeld[14 + r - 1] = MakeCard(r, kClubs);
  EXPECT_EQ(PossibleCards(own, known, notHeld).Count, 0);
}

TEST(EquivalentCards, UpperCardsOfTouchingRunsWithoutKoronki) {
  // 7-8-10 of spades with the nine already played: the 8 and the 10 go with the 7.
  const SearchHand mover = Hand("7s 8s 10s 3d");
  const SearchHand others = Hand("2s Js");
  const SearchHand empty = Hand("");
  const SlotSet played = EquivalentCards(mover, others, empty, empty, Trick(""), 0);
  // Order: diamonds, spades (hearts trump): 3d=1, 7s=2, 8s=3, 10s=4.
  EXPECT_EQ(played, (1 << 3) | (1 << 4));
  // With the nine still out (in a hand or on the table) only the 8 is marked.
  EXPECT_EQ(EquivalentCards(mover, Hand("9s"), empty, empty, Trick(""), 0), 1 << 3);
  EXPECT_EQ(EquivalentCards(mover, empty, empty, empty, Trick("9s"), 0), 1 << 3);
  // Koronki make touching honours score differently: nothing is folded.
  EXPECT_EQ(EquivalentCards(mover, others, empty, empty, Trick(""), 1), 0);
  EXPECT_EQ(EquivalentCards(mover, others, empty, empty, Trick(""), 2), 0);
  // Cards of different suits never go together, whatever their ranks.
  EXPECT_EQ(EquivalentCards(Hand("Ac 2d"), empty, empty, empty, Trick(""), 0), 0);
}

OneBased<SearchHand, 4> Hands(const std::string& a, const std::string& b, const std::string& c, const std::string& d) {
  OneBased<SearchHand, 4> h;
  h[1] = Hand(a);
  h[2] = Hand(b);
  h[3] = Hand(c);
  h[4] = Hand(d);
  return h;
}

RuleOptions Options(bool ignoreFirstSix, int koronki) {
  RuleOptions o;
  o.IgnoreFirstSix = ignoreFirstSix;
  o.KoronkiMode = koronki;
  return o;
}

TEST(EstimateDeal, PlaysSuitsOutAndSharesTheRest) {
  const CardList52 none = List<kListSlots>("");
  struct Case {
    const char* name;
    OneBased<SearchHand, 4> hands;
    int c, b;
    bool ignoreFirstSix;
    int expected;
  } cases[] = {
      {"plain suit held by all four goes to the highest", Hands("As", "2s", "3s", "4s"), 6, 6, false, 2},
      // Spades come first but not everyone holds them; the trump plays while anyone has one.
      {"trump played out by its only holder", Hands("As", "2h", "3s", "4s"), 6, 6, false, -2},
      {"odd rest favours the mover", Hands("", "", "", ""), 5, 5, false, 2},
      {"even rest is split", Hands("", "", "", ""), 5, 6, false, -2},
      {"uncounted tricks: three off each", Hands("", "", "", ""), 10, 3, true, 7},
      {"uncounted tricks: two and four", Hands("", "", "", ""), 2, 11, true, -7},
      {"uncounted tricks: one and five", Hands("", "", "", ""), 1, 12, true, -7},
      {"uncounted tricks: six off the other side", Hands("", "", "", ""), 0, 13, true, -7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EstimateDeal(c.hands, kHearts, c.c, c.b, none, none, Options(c.ignoreFirstSix, 1)), c.expected) << c.name;
  }
}

TEST(EstimateDeal, WithEveryCardPlayedIsThePlainScore) {
  const CardList52 mine = List<kListSlots>("Ah Kh Qh Jh 2c 3c 4c 5c As Ks Qs 2d");
  const CardList52 theirs = List<kListSlots>("10h 9h 8h 7h");
  const RuleOptions o = Options(false, 2);
  const DealScore score = ScoreDeal(mine, theirs, 9, 4, kHearts, o);
  EXPECT_EQ(EstimateDeal(Hands("", "", "", ""), kHearts, 9, 4, mine, theirs, o), score.Difference);
  EXPECT_NE(score.Difference, 0);
}

}  // namespace
}  // namespace tavlo
