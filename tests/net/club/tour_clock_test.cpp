#include "net/club/tour_clock.h"

#include <gtest/gtest.h>

#include "game/seats.h"

namespace tavlo {
namespace {

TEST(TourMoveClockTest, TheOwnClockWarnsEverySecondAndRunsOut) {
  TourMoveClock clock;
  clock.Restart(kSouth, kNorth);
  std::string sounds;
  int seconds = 0;
  TourMoveClock::Tick tick;
  for (; seconds < 40 && !tick.OwnTimeOut; ++seconds) {
    tick = clock.OnSecond();
    if (tick.Seconds == 8 || tick.Seconds == 7) sounds += std::string(tick.Sound) + " ";
  }
  EXPECT_EQ(sounds, "STimerA STimerB ") << "8 seconds left sounds A, 7 sounds B";
  EXPECT_EQ(seconds, TourMoveClock::kSeconds) << "the 26th second ends it";
  EXPECT_TRUE(tick.Sound.empty());
  EXPECT_FALSE(clock.Running());
  EXPECT_FALSE(clock.OnSecond().OwnTimeOut) << "it runs out once";
}

TEST(TourMoveClockTest, OtherClocksCountSilentlyAndTheDummysRunsAtItsPartner) {
  struct Case {
    int seat, dummy, expectedSeat;
  };
  const Case cases[] = {{kWest, kNorth, kWest}, {kNorth, kNorth, kSouth}, {kSouth, kSouth, kNorth},
                        {kEast, kWest, kEast},  {kWest, kWest, kEast}};
  for (const Case& c : cases) {
    TourMoveClock clock;
    clock.Restart(c.seat, c.dummy);
    EXPECT_EQ(clock.ClockSeat(), c.expectedSeat) << c.seat << " " << c.dummy;
    bool timedOut = false;
    for (int k = 0; k < 40; ++k) timedOut = timedOut || clock.OnSecond().OwnTimeOut;
    EXPECT_EQ(timedOut, c.expectedSeat == kSouth) << c.seat << " " << c.dummy;
    EXPECT_EQ(clock.MoveClock(), 0);
  }
}

TEST(TourMoveClockTest, TheClockRunsAtTheSeatThatOwesTheNextStep) {
  struct Case {
    const char* name;
    std::uint8_t turn, dealPhase;
    int place, expected;
  };
  // Place 1's seat on the screen: South on its own, North on place 2, East on place 3, West on
  // place 4.
  const Case cases[] = {
      {"start button, own view", 2, 1, 1, kSouth},   {"start button, place 2", 2, 1, 2, kNorth},
      {"start button, place 3", 2, 1, 3, kEast},     {"start button, place 4", 2, 1, 4, kWest},
      {"West to play", 11, 2, 3, kWest},              {"trick complete", turn::kTrickComplete, 2, 4, kWest},
      {"deal scored", turn::kDealScored, 2, 2, kNorth},
  };
  for (const Case& c : cases) {
    GameState s;
    s.Turn = c.turn;
    s.DealPhase = c.dealPhase;
    EXPECT_EQ(TourClockSeat(s, c.place), c.expected) << c.name;
  }
}

TEST(TourMoveClockTest, FollowingTheTableRestartsOnlyWhenTheGameMovedOn) {
  struct Look {
    const char* name;
    std::uint8_t turn, dealPhase, trickNo, trickPos, dummy;
    bool gameOver;
    bool restarted;  // Follow's answer
    int seat;        // where the clock runs afterwards, 0 for none
  };
  // One table seen from place 3 (place 1 sits East), look after look.
  const Look looks[] = {
      {"dealt: place 1 owes To Begin", 2, 1, 1, 1, kSouth, false, true, kEast},
      {"nothing happened", 2, 1, 1, 1, kSouth, false, false, kEast},
      {"West leads", 11, 2, 1, 1, kSouth, false, true, kWest},
      {"the dummy's card is its partner's move", 14, 2, 1, 4, kSouth, false, true, kNorth},
      {"trick complete: place 1's continue", turn::kTrickComplete, 2, 1, 5, kSouth, false, true, kEast},
      {"West won and leads again: another trick", 11, 2, 2, 1, kSouth, false, true, kWest},
      {"deal scored, last of the game", turn::kDealScored, 2, 13, 1, kSouth, true, true, 0},
      {"and it stays stopped", turn::kDealScored, 2, 13, 1, kSouth, true, false, 0},
  };
  TourMoveClock clock;
  GameState s;
  s.GameShown = true;
  s.SeriesKon = 1;
  for (const Look& l : looks) {
    s.Turn = l.turn;
    s.DealPhase = l.dealPhase;
    s.TrickNo = l.trickNo;
    s.TrickPos = l.trickPos;
    s.Dummy = l.dummy;
    EXPECT_EQ(clock.Follow(s, 3, l.gameOver), l.restarted) << l.name;
    EXPECT_EQ(clock.ClockSeat(), l.seat) << l.name;
    EXPECT_EQ(clock.Running(), l.seat != 0) << l.name;
    if (l.restarted && l.seat != 0) EXPECT_EQ(clock.MoveClock(), TourMoveClock::kSeconds) << l.name;
    if (!l.restarted && l.seat != 0) EXPECT_LT(clock.MoveClock(), TourMoveClock::kSeconds) << l.name;
    // A second passes before the next look: a look without news must not give the time back.
    clock.OnSecond();
  }
}

TEST(TourMoveClockTest, PlaceOnesButtonsAreItsOwnEvenWhenItIsTheDummy) {
  GameState s;
  s.GameShown = true;
  s.SeriesKon = 1;
  s.DealPhase = 1;
  s.Turn = kSouth;  // just dealt; place 1 (South in its own view) is the dummy
  s.Dummy = kSouth;
  TourMoveClock clock;
  ASSERT_TRUE(clock.Follow(s, 1, false));
  EXPECT_EQ(clock.ClockSeat(), kSouth) << "To Begin is pressed by place 1 itself";
}

TEST(TourSeatOfPlaceTest, EveryViewerSitsSouthAndTheOthersWhereThePlaceOneViewPutsThem) {
  // [viewer][place] -> screen seat
  const int expected[5][5] = {{0, 0, 0, 0, 0},
                              {0, kSouth, kNorth, kWest, kEast},
                              {0, kNorth, kSouth, kEast, kWest},
                              {0, kEast, kWest, kSouth, kNorth},
                              {0, kWest, kEast, kNorth, kSouth}};
  for (int viewer = 1; viewer <= 4; ++viewer) {
    for (int place = 1; place <= 4; ++place) {
      EXPECT_EQ(TourSeatOfPlace(place, viewer), expected[viewer][place]) << "viewer " << viewer << " place " << place;
    }
  }
  EXPECT_EQ(TourSeatOfPlace(0, 1), 0);
  EXPECT_EQ(TourSeatOfPlace(2, 5), 0);
}

}  // namespace
}  // namespace tavlo
