#include <gtest/gtest.h>

#include "game/card.h"
#include "game/seats.h"

namespace tavlo {
namespace {

struct NumberCase {
  int number;
  char rank;
  char suit;
  int rankValue;
};

TEST(CardTest, CardNumbersFollowRankThenSuit) {
  const NumberCase cases[] = {
      {1, '2', kHearts, 1},  {2, '2', kDiamonds, 1},   {4, '2', kSpades, 1},      {33, '1', kHearts, 9},
      {36, '1', kSpades, 9}, {37, '\xC2', kHearts, 10}, {49, '\xD2', kHearts, 13}, {52, '\xD2', kSpades, 13},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.number);
    const TCardCode card = CardFromNumber(c.number);
    EXPECT_EQ(card.rank, c.rank);
    EXPECT_EQ(card.suit, c.suit);
    EXPECT_EQ(RankValueOf(card), c.rankValue);
  }
  for (int n = 1; n <= 52; ++n) EXPECT_EQ(NumberOfCard(CardFromNumber(n)), n);
}

TEST(CardTest, CodesAreTheWindows1251Bytes) {
  // Jack, queen, king, ace are the Cyrillic capitals В Д К Т; clubs is the small к.
  EXPECT_EQ(static_cast<unsigned char>(MakeCard(10, kClubs).rank), 0xC2);
  EXPECT_EQ(static_cast<unsigned char>(MakeCard(11, kClubs).rank), 0xC4);
  EXPECT_EQ(static_cast<unsigned char>(MakeCard(12, kClubs).rank), 0xCA);
  EXPECT_EQ(static_cast<unsigned char>(MakeCard(13, kClubs).rank), 0xD2);
  EXPECT_EQ(static_cast<unsigned char>(kClubs), 0xEA);
  EXPECT_NE(MakeCard(12, kClubs).rank, kClubs);  // king "К" and clubs "к" differ in case only
  EXPECT_EQ(MakeCard(9, kHearts).rank, '1');      // the ten is "1", never "10"
  EXPECT_EQ(RankValueOf('0'), 0);
  EXPECT_EQ(RankValueOf('K'), 0);  // a Latin K is no king
  EXPECT_FALSE(IsValidCard(kNoCard));
  EXPECT_EQ(CardLabel(MakeCard(9, kHearts)), "10\u2665");
  EXPECT_EQ(CardLabel(kNoCard), "--");
}

TEST(SeatTest, SidesAndPlayOrder) {
  const int side[5] = {0, 1, 2, 1, 2};
  const int next[5] = {0, 2, 3, 4, 1};
  const int partner[5] = {0, 3, 4, 1, 2};
  for (int s = 1; s <= 4; ++s) {
    EXPECT_EQ(SideOf(s), side[s]);
    EXPECT_EQ(NextSeat(s), next[s]);
    EXPECT_EQ(Partner(s), partner[s]);
    EXPECT_EQ(PrevSeat(NextSeat(s)), s);
  }
}

TEST(SeatTest, ClientRolesTurnTheServersSeats) {
  // role -> local seat of server seats 1..4 (West, North, East, South)
  const int expected[5][5] = {
      {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {0, 3, 4, 1, 2}, {0, 4, 1, 2, 3}, {0, 2, 3, 4, 1},
  };
  for (int role = 0; role <= 4; ++role) {
    for (int seat = 1; seat <= 4; ++seat) {
      SCOPED_TRACE(role * 10 + seat);
      EXPECT_EQ(ServerSeatToLocal(seat, role), expected[role][seat]);
      EXPECT_EQ(CompassOfLocalSeat(ServerSeatToLocal(seat, role), role), seat);
    }
  }
}

}  // namespace
}  // namespace tavlo
