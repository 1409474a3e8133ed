#pragma once

#include <QStringList>

#include "ui/dialogs/dialog_frame.h"

class QComboBox;
class QListWidget;

namespace tavlo {

class PictureBox;
class Radio;
class TZanCardsButton;

// The radio window TFormRadio: the country list, the stations of the chosen country, the on/off
// picture, the volume with "-" and "+", and the logo of the current station. "Ok" and Escape
// close it; the radio keeps playing.
class TFormRadio : public DialogFrame {
  Q_OBJECT

 public:
  TFormRadio(PictureRegistry& pictures, DialogLook& look, Radio& radio, QWidget* parent);

  QComboBox& Countries() { return *countries_; }
  QListWidget& StationList() { return *stations_; }
  PictureBox& OnOff() { return *onOff_; }
  PictureBox& VolumePicture() { return *volume_; }
  PictureBox& Logo() { return *logo_; }
  TZanCardsButton& Minus() { return *minus_; }
  TZanCardsButton& Plus() { return *plus_; }
  // The keys of the listed stations, in list order.
  const QStringList& Keys() const { return keys_; }
  // The volume picture's name as drawn now.
  QString VolumePictureName() const { return volumeName_; }

 signals:
  // The on/off picture was clicked (the menu's switch is redrawn).
  void Toggled();

 private:
  void ListStations(int filter);
  void TuneSelected();
  void Redraw();
  QImage RadioPicture(const QString& name, QSize size);

  Radio& radio_;
  QComboBox* countries_ = nullptr;
  QListWidget* stations_ = nullptr;
  PictureBox* onOff_ = nullptr;
  PictureBox* volume_ = nullptr;
  PictureBox* logo_ = nullptr;
  TZanCardsButton* minus_ = nullptr;
  TZanCardsButton* plus_ = nullptr;
  QStringList keys_;
  QString volumeName_;
  bool filling_ = false;
};

}  // namespace tavlo
