#pragma once

#include <QSlider>

#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

// "Choice of speed": a track bar 1..6 for the flight speed of cards, each change stored
// at once; the frame's complete example in every design.
class TFormSpeed : public DialogFrame {
  Q_OBJECT

 public:
  TFormSpeed(PictureRegistry& pictures, DialogLook& look, int& flySpeed, QWidget* parent);
  QSlider& TrackBar() { return *trackBar_; }

 private:
  void Relayout();

  int& flySpeed_;
  QSlider* trackBar_ = nullptr;
  QWidget* label0_ = nullptr;
  QWidget* marks_[6] = {};
};

// Milliseconds between icon frames for a flight speed 1..6.
int SpeedIconInterval(int flySpeed);

}  // namespace tavlo
