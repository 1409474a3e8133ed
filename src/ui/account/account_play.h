#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "game/player_records.h"
#include "net/club/account_session.h"
#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

class TFAcc1;

// The club account as the program uses it: signing in at start-up, the account window from the
// menu's lamp and from the club list's fifth row, the values a rated game starts from, and the
// fifth row's text while an account is signed in. The main window owns one and forwards to it.
class AccountPlay : public PlayerRecords {
 public:
  AccountPlay(ClubClient& client, std::filesystem::path parentFolder, PictureRegistry& pictures,
              std::function<DialogLook&()> look, QWidget* owner);
  ~AccountPlay() override;

  AccountSession& Session() { return session_; }
  // Called with the account window before it is shown (tests drive it; it is modal).
  std::function<void(TFAcc1&)> WindowShown;

  // The window from the menu's lamp. True when the menu must be drawn again (state or nick changed).
  bool OpenFromLamp();
  // The club list's fifth row while signed in: the window with "Play global rating", and after it
  // the registration of a rated game. True when the caller starts the rated game now; `redraw`
  // tells whether the menu must be drawn again.
  bool OpenForRatedGame(bool* redraw);

  // The running values of the signed-in account (slot 7): nick padded to 20, rating, deals, score.
  PlayerValues LoadPlayer(PlayerSlot slot, bool networkClub) override;

  // The fifth row of the club list for the signed-in account, laid out as a member's row.
  QString ClubRow(int clubListMode) const;

 private:
  bool Show(bool fromClubList);

  AccountSession session_;
  PictureRegistry& pictures_;
  std::function<DialogLook&()> look_;
  QWidget* owner_;
};

}  // namespace tavlo
