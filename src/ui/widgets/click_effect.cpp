#include "ui/widgets/click_effect.h"

#include <QPainter>

#include "ui/pictures/picture_registry.h"
#include "ui/pictures/picture_sources.h"

namespace tavlo {

TouchOverlay* TouchOverlay::Show(PictureRegistry& pictures, QWidget* window, QPoint centre) {
  if (!window) return nullptr;
  auto strip = pictures.LibraryPicture(kDesignLibrary, QStringLiteral("GTouch"));
  // A strip without its 30 cells would draw garbage; such a library is as good as none.
  if (!strip || strip->width() < kFrames * kCell || strip->height() < kCell) return nullptr;
  return new TouchOverlay(std::move(*strip), window, centre);
}

TouchOverlay::TouchOverlay(QImage strip, QWidget* window, QPoint centre) : QWidget(window), strip_(std::move(strip)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_DeleteOnClose);
  setGeometry(centre.x() - kCell / 2, centre.y() - kCell / 2, kCell, kCell);
  timer_.setInterval(kIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &TouchOverlay::Step);
  raise();
  show();
  timer_.start();
}

void TouchOverlay::Step() {
  if (frame_ >= kFrames) {
    timer_.stop();
    close();  // the window repaints what lay under the effect
    return;
  }
  ++frame_;
  update();
}

void TouchOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(QPoint(0, 0), strip_, QRect((frame_ - 1) * kCell, 0, kCell, kCell));
}

}  // namespace tavlo
