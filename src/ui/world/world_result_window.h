#pragma once

#include <QLabel>
#include <functional>

#include "net/club/club_client.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/world/chat_window.h"

namespace tavlo {

class TZanCardsButton;

// "World Top Ten" at the end of a cycle played against the computer without an account: the
// passport and the cycle's score, and "Send" to enter it into the Windows table.
class TFormServerWrite : public DialogFrame {
  Q_OBJECT

 public:
  TFormServerWrite(PictureRegistry& pictures, DialogLook& look, ClubClient& client,
                   std::function<WorldPassport()> passport, std::int32_t cycleScore,
                   std::function<void()> openPassport, QWidget* parent);

  // Sends the row; the place the club gave, or nothing when it failed.
  std::optional<std::int64_t> Send();

  TZanCardsButton& SendButton() { return *send_; }
  TZanCardsButton& PassportButton() { return *passport_; }
  QString PassportText() const { return passportText_->text(); }
  QString ResultText() const { return result_->text(); }

 private:
  void ShowPassport();

  ClubClient& client_;
  std::function<WorldPassport()> passport_fn_;
  std::int32_t score_;
  std::function<void()> openPassport_;
  QLabel* flag_ = nullptr;
  QLabel* passportText_ = nullptr;
  QLabel* scoreText_ = nullptr;
  QLabel* result_ = nullptr;
  TZanCardsButton* send_ = nullptr;
  TZanCardsButton* passport_ = nullptr;
  bool sent_ = false;
};

}  // namespace tavlo
