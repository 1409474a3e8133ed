#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

#include "net/club/club_records.h"

namespace tavlo {

// Where the lobby seated the player: the table, the place (1..4, also the seat), the table's
// address, and the player as the lobby filled it (nick, tournament score, games, rating, ...).
struct TourGameSeat {
  int Table = 0;   // 1..10
  int Place = 0;   // 1..4
  QString Host;    // the table's server
  quint16 Port = 0;
  TZanClient Own;
};

// The tournament game as the lobby sees it. The main window implements it: the lobby hands over
// a taken seat, may give it back before the game starts, and is told when the game begins
// (the lobby closes), when the table could not be reached (the seat is to be given back) and
// when the player leaves a finished game (the lobby opens again).
class TourGameEntry {
 public:
  virtual ~TourGameEntry() = default;

  // The seat was taken (`SetSeat` succeeded): the table's connection opens and "connect" goes out
  // as soon as it can be written. The first deal opens the table screen.
  virtual void StartTournamentGame(const TourGameSeat& seat) = 0;
  // The player logs off in the lobby before the game: "disA", then the connection closes.
  virtual void LeaveTournamentSeat() = 0;
  // `TourLink`: 0 idle, 1 connecting, 2 joined, 10 the game is over.
  virtual int TournamentLink() const = 0;

  // Set by the lobby.
  std::function<void()> TournamentConnectionFailed;  // `NoGameFound`: the table could not be reached
  std::function<void()> TournamentGameBegan;         // the first deal arrived: the lobby closes
  std::function<void()> OpenTournamentLobby;         // the player left a finished game
};

}  // namespace tavlo
