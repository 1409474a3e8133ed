#pragma once

#include <cstdint>
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
  // All clocks cleared and none runs.
  void Stop() {
    running_ = false;
    seat_ = 0;
  }
  // Follows the table seen from `place`: when the game has moved on since the last look (a card,
  // a button, a new deal) the clock starts again at the seat that owes the next step; once the
  // game is over, or the table closed, it stops. True when the clock was restarted or stopped.
  // A card owed by the dummy is owed by its partner; a button is always place 1's.
  bool Follow(const GameState& s, int place, bool gameOver);

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
  struct Step {
    bool Shown = false;
    std::uint8_t SeriesKon = 0, DealPhase = 0, Turn = 0, TrickNo = 0, TrickPos = 0;
    bool Over = false;
    friend bool operator==(const Step&, const Step&) = default;
  };

  int seat_ = 0;
  int seconds_ = 0;
  bool running_ = false;
  Step seen_;
};

// The screen seat whose clock runs now at a tournament table seen from `place`: the seat to play
// while a card is owed, place 1's seat while a button of place 1 is (start, continue, next deal);
// 0 when nobody owes anything.
int TourClockSeat(const GameState& s, int place);

// The screen seat at which `place` sits as `viewer` sees the table (the viewer's own place is
// South): as place 1 sees it, place 2 sits North, place 3 West and place 4 East.
int TourSeatOfPlace(int place, int viewer);

}  // namespace tavlo
