#pragma once

#include <string>

#include "net/lan/lan_messages.h"

namespace tavlo::lan {

// The set-up phase of a LAN game.
enum class NetPhase : int {
  Off = 0,
  Waiting = 1,  // a client connecting, or the server listening for players
  Seated = 2,   // a client has its seat
  Dealt = 3,    // the server has sent its first deal: no further joins
};

// The program's one LAN connection state.
struct LanState {
  bool NetGame = false;  // network mode (the "Multiplayer" option)
  int NetRole = 0;       // 0 none, 1 server, 2..4 the client's LAN seat
  NetPhase Phase = NetPhase::Off;
  int LastClient = -1;  // -1 no client seated; 0..2 the newest seated client (LAN seat LastClient + 2)
  LanNames Names;       // names of LAN seats 1..4 (4 bytes each, "PC  " when unseated)
  std::string ServerAddress = "127.0.0.1";
  std::string ServerPort = "25666";
  bool AwaitingDeal = false;   // a client's table waits for the first deal
  bool NoGameFound = false;    // the waiting window reads "There are no accessible games"
  bool StartAccepted = false;  // the name dialog or the waiting window closed with OK
};

// The screen seat (1 West .. 4 South) at which `viewer` (a LAN seat) draws LAN seat `lanSeat`;
// every program draws itself South.
int ScreenSeatOf(int lanSeat, int viewer);
// The names of the four screen seats as `viewer` draws them.
OneBased<std::string, 4> ScreenNames(const LanNames& names, int viewer);

// The LAN seat whose program sends the card of server seat `serverSeat` (1 West .. 4
// South): its owner, or the dummy's partner's owner; the server plays the seats nobody
// holds (West and East while one client is seated).
int LanSeatPlaying(int serverSeat, int dummy, int lastClient);

}  // namespace tavlo::lan
