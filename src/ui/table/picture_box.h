#pragma once

#include <QImage>
#include <QWidget>

namespace tavlo {

// A picture control of the window: a widget that shows its own canvas. Drawing goes
// into the canvas and appears at the next paint; a see-through picture first copies the
// window background under it into the canvas.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent);

  QImage& Canvas() { return canvas_; }
  const QImage& Canvas() const { return canvas_; }
  // Places the box and gives it a canvas of its size.
  void Place(const QRect& geometry);
  // Fills the canvas with the part of the window background it covers.
  void PaintBackground(const QImage& background);
  // Shows the canvas now (drawing code calls it where the window would refresh).
  void Refresh();

 signals:
  void MouseReleased(QMouseEvent* event);
  void MouseMoved(QMouseEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QImage canvas_;
};

}  // namespace tavlo
