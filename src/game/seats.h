#pragma once

namespace tavlo {

// Seats in the local view: 1 West, 2 North, 3 East, 4 South; seat 4 is always this
// program's player. Sides: 1 = seats 1 and 3, 2 = seats 2 and 4 (the player's side).
inline constexpr int kWest = 1;
inline constexpr int kNorth = 2;
inline constexpr int kEast = 3;
inline constexpr int kSouth = 4;

constexpr int SideOf(int seat) { return seat % 2 == 1 ? 1 : 2; }
constexpr int NextSeat(int seat) { return seat % 4 + 1; }
constexpr int PrevSeat(int seat) { return (seat + 2) % 4 + 1; }
constexpr int Partner(int seat) { return (seat + 1) % 4 + 1; }
constexpr int OtherSide(int side) { return 3 - side; }

// The seat `steps` places after `seat` in play order (steps may be any non-negative count).
constexpr int SeatAfter(int seat, int steps) { return (seat - 1 + steps) % 4 + 1; }

// A LAN client (roles 2..4) keeps its own player at seat 4 and turns the server's
// seats: role 2 sits at the server's North, role 3 at West, role 4 at East.
// Roles 0 (no LAN) and 1 (the server) see the server's seats as they are.
constexpr int ServerSeatToLocal(int serverSeat, int netRole) {
  constexpr int kShift[5] = {0, 0, 2, 3, 1};
  return SeatAfter(serverSeat, kShift[netRole]);
}
// The compass direction (1 West .. 4 South) of a local seat, as the server names it.
constexpr int CompassOfLocalSeat(int localSeat, int netRole) {
  constexpr int kBack[5] = {0, 0, 2, 1, 3};
  return SeatAfter(localSeat, kBack[netRole]);
}

}  // namespace tavlo
