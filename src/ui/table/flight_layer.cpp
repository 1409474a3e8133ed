#include "ui/table/flight_layer.h"

#include <QPainter>

namespace tavlo {

FlightLayer::FlightLayer(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void FlightLayer::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (const Card& card : cards_) p.drawImage(card.at, card.picture);
}

}  // namespace tavlo
