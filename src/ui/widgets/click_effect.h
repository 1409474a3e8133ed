#pragma once

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>

namespace tavlo {

class PictureRegistry;

// The click effect ("salute"): the 30 frames of the design library's strip "GTouch", each a
// 100 x 100 cell, drawn 12 ms apart over the 100 x 100 area centred on a point of a window,
// then gone, leaving the window as it was. Nothing happens without the design library.
class TouchOverlay : public QWidget {
  Q_OBJECT

 public:
  // Starts the effect over `window` at `centre` (window coordinates); the effect deletes
  // itself when done. Returns nullptr when the strip cannot be loaded.
  static TouchOverlay* Show(PictureRegistry& pictures, QWidget* window, QPoint centre);

  int Frame() const { return frame_; }  // 1..30 while running

  static constexpr int kFrames = 30;
  static constexpr int kCell = 100;
  static constexpr int kIntervalMs = 12;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TouchOverlay(QImage strip, QWidget* window, QPoint centre);
  void Step();

  QImage strip_;
  QTimer timer_;
  int frame_ = 1;
};

}  // namespace tavlo
