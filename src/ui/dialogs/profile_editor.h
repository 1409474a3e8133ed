#pragma once

#include <QLabel>
#include <QLineEdit>
#include <array>
#include <functional>

#include "net/club/account_session.h"
#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

class TZanCardsButton;

// The profile editor: the fourteen profile texts and the photo of the signed-in account.
class TFAcc2 : public DialogFrame {
  Q_OBJECT

 public:
  TFAcc2(PictureRegistry& pictures, DialogLook& look, AccountSession& session, QWidget* parent);

  // Asks for the photo file (a file dialog unless a test answers).
  std::function<QString()> ChoosePhotoFile;

  QLineEdit& Box(int k) { return *boxes_[static_cast<std::size_t>(k)]; }
  TZanCardsButton& UpdateButton() { return *update_; }
  TZanCardsButton& PhotoButton() { return *photoButton_; }
  TZanCardsButton& CloseButton() { return OkButton(); }
  QLabel& PhotoArea() { return *photo_; }
  // Clicking the photo area: choose a picture, check it, show it.
  void ChoosePhoto();

  // The boxes in the order of the profile record's fields.
  static TInfo14 InfoOf(const std::array<QString, 14>& values);
  static std::array<QString, 14> ValuesOf(const TInfo14& info);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ShowPhoto(const QImage& image);

  AccountSession& session_;
  std::array<QLineEdit*, 14> boxes_{};
  QLabel* photo_ = nullptr;
  TZanCardsButton* update_ = nullptr;
  TZanCardsButton* photoButton_ = nullptr;
  QByteArray chosen_;
};

}  // namespace tavlo
