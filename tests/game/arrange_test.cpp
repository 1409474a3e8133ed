#include <gtest/gtest.h>

#include "game/arrange.h"
#include "test_cards.h"

namespace tavlo {
namespace {

using testing::Labels;
using testing::List;
using testing::Text;

struct ArrangeCase {
  const char* name;
  char trump;
  const char* hand;
  const char* arranged;
};

TEST(ArrangeCardsTest, OrdersSuitsWithTrumpLastAndRanksAscending) {
  const ArrangeCase cases[] = {
      {"trump clubs", kClubs, "As 2h 5c Qd", "2h As Qd 5c"},
      {"trump spades", kSpades, "As Kh 2c 3d 2s", "Kh 2c 3d 2s As"},
      {"no trump yet", kNoSuit, "As Kh 2c 3d", "Kh 2c 3d As"},
      {"trump diamonds", kDiamonds, "Ad 2c 10h 4s", "2c 10h 4s Ad"},
      {"trump hearts", kHearts, "Ah 2c 10d 4s 3h", "2c 10d 4s 3h Ah"},
      {"ranks ascend", kSpades, "Ah 10h 2h Jh 9h", "2h 9h 10h Jh Ah"},
  };
  for (const ArrangeCase& c : cases) {
    SCOPED_TRACE(c.name);
    CardList13 cards = List<kHandSlots>(c.hand);
    RankList13 ranks;
    ranks.fill(kNoRank);
    const int count = ArrangeCards(cards, ranks, c.trump);
    EXPECT_EQ(Text(cards), Labels(c.arranged));
    EXPECT_EQ(count, static_cast<int>(testing::Cards(c.arranged).size()));
    for (int i = 1; i <= kHandSlots; ++i) {
      EXPECT_EQ(ranks[i], i <= count ? RankValueOf(cards[i]) : kNoRank);
    }
  }
}

TEST(ArrangeCardsTest, PacksHolesAndEmptiesTheTail) {
  CardList13 cards;
  cards.fill(kNoCard);
  cards[2] = testing::C("Ks");
  cards[7] = testing::C("2h");
  cards[13] = testing::C("9c");
  RankList13 ranks;
  ranks.fill(kNoRank);
  EXPECT_EQ(ArrangeCards(cards, ranks, kSpades), 3);
  EXPECT_EQ(Text(cards), Labels("2h 9c Ks"));
  for (int i = 4; i <= kHandSlots; ++i) {
    EXPECT_TRUE(cards[i].IsEmpty());
    EXPECT_EQ(ranks[i], kNoRank);
  }

  CardList13 empty;
  empty.fill(kNoCard);
  EXPECT_EQ(ArrangeCards(empty, ranks, kHearts), 0);
}

TEST(ArrangeCardsTest, ArrangesAWholeTakenList) {
  CardList52 taken;
  RankList52 ranks;
  ranks.fill(kNoRank);
  for (int n = 1; n <= 52; ++n) taken[n] = CardFromNumber(53 - n);
  EXPECT_EQ(ArrangeCards(taken, ranks, kHearts), 52);
  // clubs, diamonds, spades, hearts, each from the two to the ace
  EXPECT_EQ(taken[1], testing::C("2c"));
  EXPECT_EQ(taken[13], testing::C("Ac"));
  EXPECT_EQ(taken[14], testing::C("2d"));
  EXPECT_EQ(taken[40], testing::C("2h"));
  EXPECT_EQ(taken[52], testing::C("Ah"));
}

}  // namespace
}  // namespace tavlo
