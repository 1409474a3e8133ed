#include "net/club/tour_clock.h"

#include "game/seats.h"

namespace tavlo {

void TourMoveClock::Restart(int screenSeat, int dummy) {
  seat_ = screenSeat == dummy ? Partner(screenSeat) : screenSeat;
  seconds_ = kSeconds;
  running_ = seat_ >= 1 && seat_ <= 4;
}

bool TourMoveClock::Follow(const GameState& s, int place, bool gameOver) {
  const Step now{s.GameShown, s.SeriesKon, s.DealPhase, s.Turn, s.TrickNo, s.TrickPos, gameOver};
  if (now == seen_) return false;
  seen_ = now;
  if (!s.GameShown || gameOver) {
    Stop();
    return true;
  }
  const int seat = TourClockSeat(s, place);
  // Only a card passes from the dummy to its partner; place 1 presses its buttons itself.
  Restart(seat, SeatToPlay(s) != 0 ? s.Dummy : 0);
  return true;
}

TourMoveClock::Tick TourMoveClock::OnSecond() {
  Tick tick;
  if (!running_) return tick;
  if (seconds_ > 0) --seconds_;
  tick.Seat = seat_;
  tick.Seconds = seconds_;
  if (seat_ != kSouth) return tick;
  if (seconds_ < 1) {
    running_ = false;
    tick.OwnTimeOut = true;
  } else {
    tick.Sound = seconds_ > kWarnFrom ? "STimerA" : "STimerB";
  }
  return tick;
}

int TourSeatOfPlace(int place, int viewer) {
  constexpr int kInPlaceOneView[5] = {0, kSouth, kNorth, kWest, kEast};
  if (place < 1 || place > 4 || viewer < 1 || viewer > 4) return 0;
  return ServerSeatToLocal(kInPlaceOneView[place], viewer);
}

int TourClockSeat(const GameState& s, int place) {
  if (s.DealPhase == 1 && s.Turn >= 1 && s.Turn <= 4) return ServerSeatToLocal(kSouth, place);
  if (s.Turn == turn::kTrickComplete || s.Turn == turn::kDealOver || s.Turn == turn::kDealScored) {
    return ServerSeatToLocal(kSouth, place);
  }
  return SeatToPlay(s);
}

}  // namespace tavlo
