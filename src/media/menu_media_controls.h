#pragma once

#include <QObject>
#include <array>

#include "ui/table/picture_box.h"

namespace tavlo {

class HintBalloon;
class MainWindow;
class PictureRegistry;
class PlayListPlayer;
class Radio;

// A picture control that also reports the press (the player buttons draw themselves pressed).
class PressablePicture : public PictureBox {
  Q_OBJECT

 public:
  using PictureBox::PictureBox;

 signals:
  void MousePressed(QMouseEvent* event);

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    emit MousePressed(event);
    PictureBox::mousePressEvent(event);
  }
};

// The menu's radio switch (ImRadio) and the play-list's three player buttons, laid out with the
// menu and hidden with it.
class MenuMediaControls : public QObject {
  Q_OBJECT

 public:
  MenuMediaControls(MainWindow& window, Radio& radio, PlayListPlayer& songs);

  // Lays the controls out for the menu as it shows now (or hides them).
  void Refresh();
  void DrawRadioSwitch();
  void DrawPlayerButton(int k, bool pressed);

  PressablePicture& RadioSwitch() { return *radioSwitch_; }
  PressablePicture& PlayerButton(int k) { return *buttons_[static_cast<std::size_t>(k - 1)]; }

 signals:
  void RadioSwitchReleased(Qt::MouseButton button);

 private:
  void PlacePlayerButtons(bool shown);

  MainWindow& window_;
  Radio& radio_;
  PlayListPlayer& songs_;
  PressablePicture* radioSwitch_ = nullptr;
  std::array<PressablePicture*, 3> buttons_{};
  HintBalloon* hint_ = nullptr;
};

}  // namespace tavlo
