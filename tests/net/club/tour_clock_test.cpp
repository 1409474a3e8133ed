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

}  // namespace
}  // namespace tavlo
