#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace tavlo {

class PictureRegistry;

// The click effect ("Salute"): the strip "GTouch" of the card-style design library, 100 x 100
// frames side by side, played over the 100 x 100 area centred on the pointer, one frame every
// 12 ms, then the area shows what lies under it again. Without the library (or the picture)
// nothing happens. The window keeps running while it plays.
class ClickEffect : public QObject {
  Q_OBJECT

 public:
  explicit ClickEffect(PictureRegistry& pictures);
  ~ClickEffect() override;

  // Plays over the window at the global point; false when there is no strip to play.
  bool Play(QWidget* window, QPoint globalPos);

  bool Running() const { return timer_.isActive(); }
  int FramesShown() const { return framesShown_; }  // of the last or current play
  int FrameCount() const { return frameCount_; }
  // The area of the last play, in the window's coordinates.
  QRect Area() const { return area_; }
  // The widget that shows the frames (for checks).
  QWidget* Overlay() const;

  static constexpr int kSize = 100;
  static constexpr int kMaxFrames = 30;
  static constexpr int kFrameMs = 12;

 private:
  void Step();

  PictureRegistry& pictures_;
  QImage strip_;
  QPointer<QWidget> overlay_;
  QTimer timer_;
  QRect area_;
  int frame_ = 0;
  int frameCount_ = 0;
  int framesShown_ = 0;
};

}  // namespace tavlo
