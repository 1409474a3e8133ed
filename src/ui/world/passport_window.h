#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/dialogs/dialog_frame.h"
#include "ui/world/chat_window.h"

namespace tavlo {

// True for the characters a passport's nick and city may hold: Latin and Russian letters, digits
// and the signs ! ( ) , - . @ _.
bool PassportCharacter(QChar c);

// "My Passport": the nick and city the world tables and the chat show, the sex of the face and
// the country of the flag. OK is enabled only while nick and city are both valid, and the window
// does not close while either is not (the first invalid box takes the focus). Characters that may
// not stand in a passport cannot be typed.
class TFormServerInfo : public DialogFrame {
  Q_OBJECT

 public:
  TFormServerInfo(PictureRegistry& pictures, DialogLook& look, WorldPassport passport, QWidget* parent);

  // The passport as edited so far.
  WorldPassport Passport() const { return passport_; }

  QLineEdit& NickBox() { return *nick_; }
  QLineEdit& CityBox() { return *city_; }
  QComboBox& SexChoice() { return *sex_; }
  QComboBox& RegionChoice() { return *region_; }
  QComboBox& CountryChoice() { return *country_; }

  void done(int result) override;

 private:
  void FillCountries();
  void UpdateOk();
  QLineEdit* FirstInvalidBox();

  WorldPassport passport_;
  QLineEdit* nick_ = nullptr;
  QLineEdit* city_ = nullptr;
  QComboBox* sex_ = nullptr;
  QComboBox* region_ = nullptr;
  QComboBox* country_ = nullptr;
};

}  // namespace tavlo
