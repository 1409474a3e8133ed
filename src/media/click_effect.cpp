#include "media/click_effect.h"

#include <QPainter>
#include <QWidget>

#include "ui/pictures/picture_registry.h"

namespace tavlo {
namespace {

constexpr const char* kLibrary = "ZanCGraph1.dll";

// Shows one frame of the strip; transparent where the frame is, so the window shows through.
class FrameOverlay : public QWidget {
 public:
  explicit FrameOverlay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
  }
  void Show(const QImage& frame) {
    frame_ = frame;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, frame_);
  }

 private:
  QImage frame_;
};

}  // namespace

ClickEffect::ClickEffect(PictureRegistry& pictures) : pictures_(pictures) {
  timer_.setInterval(kFrameMs);
  connect(&timer_, &QTimer::timeout, this, &ClickEffect::Step);
}

ClickEffect::~ClickEffect() { delete overlay_.data(); }

QWidget* ClickEffect::Overlay() const { return overlay_.data(); }

bool ClickEffect::Play(QWidget* window, QPoint globalPos) {
  if (!window) return false;
  // The strip is read from the library on every play, so a library downloaded meanwhile works
  // at once and a removed one stops the effect.
  const std::optional<QImage> strip = pictures_.LibraryPicture(kLibrary, "GTouch");
  if (!strip || strip->width() < kSize || strip->height() < kSize) return false;
  strip_ = strip->convertToFormat(QImage::Format_ARGB32_Premultiplied);
  frameCount_ = std::min(kMaxFrames, strip_.width() / kSize);

  if (overlay_ && overlay_->parentWidget() != window) delete overlay_.data();
  if (!overlay_) overlay_ = new FrameOverlay(window);
  const QPoint local = window->mapFromGlobal(globalPos);
  area_ = QRect(local.x() - kSize / 2, local.y() - kSize / 2, kSize, kSize);
  overlay_->setGeometry(area_);
  overlay_->raise();
  overlay_->show();
  frame_ = 0;
  framesShown_ = 0;
  Step();
  timer_.start();
  return true;
}

void ClickEffect::Step() {
  if (!overlay_ || frame_ >= frameCount_) {
    timer_.stop();
    if (overlay_) overlay_->hide();
    return;
  }
  static_cast<FrameOverlay*>(overlay_.data())->Show(strip_.copy(frame_ * kSize, 0, kSize, kSize));
  ++frame_;
  ++framesShown_;
}

}  // namespace tavlo
