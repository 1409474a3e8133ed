#pragma once

#include <QObject>
#include <functional>

#include "net/club/club_client.h"
#include "net/club/tour_connection.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/tour/tour_game_entry.h"
#include "ui/tour/tour_lobby_window.h"

namespace tavlo {

// Holds a taken seat while the lobby waits for the table to fill: the table's connection opens,
// says "connect" and gives the seat back with "disA". It has no game of its own, so a deal that
// arrives is not played here; the main window's own entry takes over that part.
class TourSeatLink : public QObject, public TourGameEntry {
  Q_OBJECT

 public:
  explicit TourSeatLink(QObject* parent = nullptr);

  void StartTournamentGame(const TourGameSeat& seat) override;
  void LeaveTournamentSeat() override;
  int TournamentLink() const override { return connection_.TourLink(); }

  TourConnection& Connection() { return connection_; }
  const TourGameSeat& Seat() const { return seat_; }

 private:
  TourConnection connection_;
  TourGameSeat seat_;
};

// The menu's tournament icon: the lobby for a signed-in account, else "Log in to your account!".
class TourLobby : public QObject {
  Q_OBJECT

 public:
  TourLobby(ClubClient& client, PictureRegistry& pictures, std::function<DialogLook&()> look, QWidget* owner);

  std::function<bool()> SignedIn;
  std::function<TZanUser()> Account;
  std::function<void(const char* effect)> PlayEffect;
  std::function<void(const QString&)> Notice;
  // Called with the windows before they are shown (tests drive them; they are modal).
  std::function<void(TFTour4&)> LobbyShown;
  std::function<void(TFormTourTop10&)> TopTenShown;

  // The game side the lobby hands a seat to; the own seat link when none is set. The game side
  // opens the lobby again through it when the player leaves a finished game.
  void SetEntry(TourGameEntry* entry);
  TourGameEntry& Entry() { return entry_ ? *entry_ : link_; }
  TourSeatLink& SeatLink() { return link_; }

  void Open();

 private:
  ClubClient& client_;
  PictureRegistry& pictures_;
  std::function<DialogLook&()> look_;
  QWidget* owner_;
  TourSeatLink link_;
  TourGameEntry* entry_ = nullptr;
  bool open_ = false;
};

}  // namespace tavlo
