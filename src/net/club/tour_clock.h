#pragma once

#include <string_view>

#include "game/game_state.h"

namespace tavlo {

// The tournament's move clock (`MoveClock`, `ClockSeat`): one clock runs at a time, at the
// screen seat that owes the next move or button, and ticks once a second. The own clock (South)
// warns with a sound every second and ends the game for this player when it runs out.
class TourMoveClock {
 public:
  static constexpr int kSeconds = 26;
  static constexpr int kWarnFrom = 7;  // "STimerB" from here down to 1, "STimerA" above

  // All clocks cleared; `MoveClock` = 26 at `screenSeat`, or at its partner when that seat is
  // the dummy, because the partner plays the dummy's cards.
  void Restart(int screenSeat, int dummy);
  void Stop() { running_ = false; }

  struct Tick {
    int Seat = 0;     // the clock to draw, 0 when none runs
    int Seconds = 0;  // what it shows
    std::string_view Sound;  // the own clock's sound this second, empty otherwise
    bool OwnTimeOut = false; // the own clock ran out: send "TOut", the game is lost
  };
  Tick OnSecond();

  int MoveClock() const { return seconds_; }
  int ClockSeat() const { return seat_; }
  bool Running() const { return running_; }

 private:
  int seat_ = 0;
  int seconds_ = 0;
  bool running_ = false;
};

// The screen seat whose clock runs now at a tournament table seen from `place`: the seat to play
// while a card is owed, place 1's seat while a button of place 1 is (start, continue, next deal);
// 0 when nobody owes anything.
int TourClockSeat(const GameState& s, int place);

}  // namespace tavlo
