#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

namespace tavlo {

// A see-through layer over the whole window on which flying cards are drawn. It takes
// no input; while nothing flies it is hidden.
class FlightLayer : public QWidget {
  Q_OBJECT

 public:
  explicit FlightLayer(QWidget* parent);

  struct Card {
    QImage picture;
    QPoint at;
  };
  std::vector<Card>& Cards() { return cards_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Card> cards_;
};

}  // namespace tavlo
