#include "net/lan/lan_state.h"

#include "game/seats.h"

namespace tavlo::lan {
namespace {

// The server's screen seat of each LAN seat: the server South, then North, West, East.
constexpr int kServerSeatOfLanSeat[5] = {0, kSouth, kNorth, kWest, kEast};
// The LAN seat at each server seat.
constexpr int kLanSeatAt[5] = {0, 3, 2, 4, 1};

}  // namespace

int ScreenSeatOf(int lanSeat, int viewer) { return ServerSeatToLocal(kServerSeatOfLanSeat[lanSeat], viewer); }

OneBased<std::string, 4> ScreenNames(const LanNames& names, int viewer) {
  OneBased<std::string, 4> screen;
  for (int seat = 1; seat <= 4; ++seat) screen[ScreenSeatOf(seat, viewer)] = names[seat];
  return screen;
}

int LanSeatPlaying(int serverSeat, int dummy, int lastClient) {
  const int seat = serverSeat == dummy ? Partner(serverSeat) : serverSeat;
  const int lanSeat = kLanSeatAt[seat];
  return lanSeat - 2 <= lastClient ? lanSeat : 1;
}

}  // namespace tavlo::lan
