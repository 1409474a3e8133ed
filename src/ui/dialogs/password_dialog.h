#pragma once

#include <QLineEdit>
#include <functional>
#include <string>

#include "game/player_records.h"
#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

class TZanCardsButton;
class LanFields;
namespace lan {
struct LanState;
}

// Who the dialog asks for: a club member (name fixed, password checked against the
// club line), a new player (name and the password twice), or a rename during a series.
struct PasswordRequest {
  PlayerSlot Slot = PlayerSlot::NewPlayer;
  std::string MemberLine;   // the club line of a member (file bytes)
  std::string PlayerName;   // the last name typed (settings), UTF-8
  std::string RenameFrom;   // while renaming: the current name
  bool NetGame = false;
  // Network mode: the LAN state the network fields edit, and what OK opens after its checks
  // (the waiting window); true when the table was accepted.
  lan::LanState* Lan = nullptr;
  std::function<bool()> OpenLanTable;
};

// What a confirmed dialog gives the series.
struct ConfirmedPlayer {
  std::string PlayerName;      // what was typed (the settings keep it)
  std::string MemberName;      // padded to 20 characters
  std::string PasswordDigits;  // the encoded password
};

// TFormPassword: choosing who plays. "Ok" checks the name and the password and keeps the
// dialog open with a notice when one is wrong; "Cancel" and Escape close it.
class TFormPassword : public DialogFrame {
  Q_OBJECT

 public:
  TFormPassword(PictureRegistry& pictures, DialogLook& look, PasswordRequest request,
                std::function<void(const QString&)> notice, QWidget* parent);

  QLineEdit& NameEdit() { return *edit1_; }
  QLineEdit& PasswordEdit() { return *edit2_; }
  QLineEdit& RepeatEdit() { return *edit3_; }
  TZanCardsButton& CancelButton() { return *cancel_; }
  // The network fields; null without network mode.
  LanFields* Lan() { return lanFields_; }
  const ConfirmedPlayer& Confirmed() const { return confirmed_; }

  // "Ok": the checks of the dialog; true when it closed confirmed.
  bool ConfirmPlayer();

 private:
  PasswordRequest request_;
  std::function<void(const QString&)> notice_;
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  QLineEdit* edit3_ = nullptr;
  TZanCardsButton* cancel_ = nullptr;
  LanFields* lanFields_ = nullptr;
  ConfirmedPlayer confirmed_;
};

}  // namespace tavlo
