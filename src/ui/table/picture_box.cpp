#include "ui/table/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavlo {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  hide();
}

void PictureBox::Place(const QRect& geometry) {
  setGeometry(geometry);
  if (canvas_.size() != geometry.size()) {
    canvas_ = QImage(geometry.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    canvas_.fill(Qt::transparent);
  }
}

void PictureBox::PaintBackground(const QImage& background) {
  QPainter p(&canvas_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(canvas_.rect(), QColor(0, 0x80, 0));
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (!background.isNull()) p.drawImage(-x(), -y(), background);
}

void PictureBox::Refresh() { update(); }

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), canvas_, event->rect());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) { emit MouseReleased(event); }
void PictureBox::mouseMoveEvent(QMouseEvent* event) { emit MouseMoved(event); }

}  // namespace tavlo
