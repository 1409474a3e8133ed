#include "net/club/tour_clock.h"

#include "game/seats.h"

namespace tavlo {

void TourMoveClock::Restart(int screenSeat, int dummy) {
  seat_ = screenSeat == dummy ? Partner(screenSeat) : screenSeat;
  seconds_ = kSeconds;
  running_ = seat_ >= 1 && seat_ <= 4;
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

int TourClockSeat(const GameState& s, int place) {
  if (s.DealPhase == 1 && s.Turn >= 1 && s.Turn <= 4) return ServerSeatToLocal(kSouth, place);
  if (s.Turn == turn::kTrickComplete || s.Turn == turn::kDealOver || s.Turn == turn::kDealScored) {
    return ServerSeatToLocal(kSouth, place);
  }
  return SeatToPlay(s);
}

}  // namespace tavlo
