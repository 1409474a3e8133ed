// Which card a right click names: the own hand always, the dummy once exposed, every hand at the
// end of a deal shown face up, the turned-up trump card, and the trick.
#include "game/spoken_card.h"

#include <gtest/gtest.h>

#include "game/seats.h"
#include "test_cards.h"

namespace tavlo::testing {
namespace {

// A running deal: every hand holds thirteen cards, seat s slot k = card number (s - 1) * 13 + k.
GameState Deal(int dummy) {
  GameState s;
  s.GameShown = true;
  s.Dummy = dummy;
  s.DealPhase = 2;
  s.Turn = 11;
  for (int seat = 1; seat <= 4; ++seat) {
    s.CardsLeft[seat] = 13;
    for (int slot = 1; slot <= 13; ++slot) s.Hands[seat][slot] = CardFromNumber((seat - 1) * 13 + slot);
  }
  s.TrumpCard = C("Qs");
  return s;
}

TEST(SpokenCardTest, WhichHandsCanBePointedAt) {
  struct Case {
    const char* what;
    int dummy;
    int phase;
    int turn;
    int ledSeat;  // a seat that has played one card (0: none)
    bool showAtEnd;
    int seat;
    int slot;
    bool spoken;
  };
  const Case cases[] = {
      {"own hand", 2, 2, 11, 0, true, kSouth, 5, true},
      {"own hand, South is the dummy", 4, 2, 11, 0, true, kSouth, 5, true},
      {"hidden opponent", 2, 2, 11, 0, true, kWest, 5, false},
      {"dummy before the opening lead", 2, 2, 11, 0, true, kNorth, 5, false},
      {"dummy after the opening lead", 2, 2, 12, kWest, true, kNorth, 5, true},
      {"West dummy after South leads", 1, 2, 11, kSouth, true, kWest, 5, true},
      {"East dummy after North leads", 3, 2, 13, kNorth, true, kEast, 5, true},
      {"a partner who is not the dummy", 3, 2, 13, kNorth, true, kNorth, 5, false},
      {"end of deal, cards shown", 2, 2, 30, 0, true, kEast, 5, true},
      {"end of deal, cards not shown", 2, 2, 30, 0, false, kEast, 5, false},
      {"no card under the pointer", 2, 2, 11, 0, true, kSouth, 0, false},
  };
  for (const Case& c : cases) {
    GameState s = Deal(c.dummy);
    s.DealPhase = static_cast<std::uint8_t>(c.phase);
    s.Turn = static_cast<std::uint8_t>(c.turn);
    if (c.ledSeat != 0) s.CardsLeft[c.ledSeat] = 12;
    const TCardCode card = CardToSpeak(s, c.showAtEnd, c.seat, c.slot);
    if (c.spoken) {
      EXPECT_EQ(card, s.Hands[c.seat][c.slot]) << c.what;
    } else {
      EXPECT_TRUE(card.IsEmpty()) << c.what;
    }
  }
  GameState notRunning = Deal(2);
  notRunning.GameShown = false;
  EXPECT_TRUE(CardToSpeak(notRunning, true, kSouth, 1).IsEmpty());
}

TEST(SpokenCardTest, TheTurnedUpTrumpCardLiesOnTheDummysLastPlace) {
  for (int dummy : {kWest, kNorth, kEast}) {
    GameState s = Deal(dummy);
    s.DealPhase = 1;
    s.Turn = 1;
    EXPECT_EQ(CardToSpeak(s, true, dummy, 13), C("Qs")) << dummy;
    EXPECT_TRUE(CardToSpeak(s, true, dummy, 12).IsEmpty()) << dummy;
  }
  // South as the dummy holds its hand face up anyway: the card under the pointer is spoken.
  GameState south = Deal(kSouth);
  south.DealPhase = 1;
  EXPECT_EQ(CardToSpeak(south, true, kSouth, 13), south.Hands[kSouth][13]);
}

TEST(SpokenCardTest, TrickCardsFollowTheLeader) {
  GameState s = Deal(2);
  s.PrevWinner = kEast;  // East led: Table[1] is East's, Table[2] South's, Table[3] West's
  s.Table[1] = C("2h");
  s.Table[2] = C("9h");
  s.Table[3] = C("Ah");
  EXPECT_EQ(TrickCardOf(s, kEast), C("2h"));
  EXPECT_EQ(TrickCardOf(s, kSouth), C("9h"));
  EXPECT_EQ(TrickCardOf(s, kWest), C("Ah"));
  EXPECT_TRUE(TrickCardOf(s, kNorth).IsEmpty());  // not played yet
  s.PrevWinner = 0;
  EXPECT_TRUE(TrickCardOf(s, kEast).IsEmpty());
}

}  // namespace
}  // namespace tavlo::testing
