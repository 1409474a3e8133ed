#pragma once

#include <QImage>
#include <QWidget>
#include <array>

namespace tavlo {

class PictureRegistry;

// The animated title shown once at start: two bevelled silver panels on black, the
// product name in travelling colours, the release and credit lines, and four cards
// circling the panels. Any click or key leaves it.
class TitleScreen : public QWidget {
  Q_OBJECT

 public:
  TitleScreen(PictureRegistry& pictures, QWidget* parent);

  // Paints the still parts for a language (the first call of the title drawing).
  void Prepare(int languageIndex);
  // One tick of the animation: letters and cards move on.
  void Tick();
  // The positions of the four cards (for tests: they circle clockwise).
  const std::array<QPoint, 4>& CardPositions() const { return cards_; }

 signals:
  void Leave();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void DrawLetters(QPainter& painter);

  PictureRegistry& pictures_;
  QImage still_;   // panels, texts and logos
  QImage frame_;   // the still picture with this tick's letters and cards
  QString capitals_;
  std::array<QColor, 10> slots_{};
  std::array<QPoint, 4> cards_{};
  int tick_ = 0;
};

}  // namespace tavlo
