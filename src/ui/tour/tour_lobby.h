#pragma once

#include <QObject>
#include <functional>

#include "net/club/club_client.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/tour/tour_game_entry.h"
#include "ui/tour/tour_lobby_window.h"

namespace tavlo {

// The menu's tournament icon: the lobby for a signed-in account, else "Log in to your account!".
class TourLobby : public QObject {
  Q_OBJECT

 public:
  // `entry`: the game side the lobby hands a taken seat to; it opens the lobby again through
  // OpenTournamentLobby when the player leaves a finished game.
  TourLobby(ClubClient& client, PictureRegistry& pictures, std::function<DialogLook&()> look, TourGameEntry& entry,
            QWidget* owner);

  std::function<bool()> SignedIn;
  std::function<TZanUser()> Account;
  std::function<void(const char* effect)> PlayEffect;
  std::function<void(const QString&)> Notice;
  // Called with the windows before they are shown (tests drive them; they are modal).
  std::function<void(TFTour4&)> LobbyShown;
  std::function<void(TFormTourTop10&)> TopTenShown;

  TourGameEntry& Entry() { return entry_; }

  void Open();

 private:
  ClubClient& client_;
  PictureRegistry& pictures_;
  std::function<DialogLook&()> look_;
  QWidget* owner_;
  TourGameEntry& entry_;
  bool open_ = false;
};

}  // namespace tavlo
