#include "ui/pictures/suit_shapes.h"

#include <QTransform>

namespace tavlo::art {

bool IsRedSuit(int suitIndex) { return suitIndex == 0 || suitIndex == 1; }

namespace {

// Each shape is drawn in a 100 x 100 box and mapped onto the requested one.
QPainterPath Heart() {
  QPainterPath path;
  path.moveTo(50, 95);
  path.cubicTo(22, 72, 2, 54, 2, 31);
  path.cubicTo(2, 13, 15, 3, 28, 3);
  path.cubicTo(39, 3, 47, 10, 50, 21);
  path.cubicTo(53, 10, 61, 3, 72, 3);
  path.cubicTo(85, 3, 98, 13, 98, 31);
  path.cubicTo(98, 54, 78, 72, 50, 95);
  path.closeSubpath();
  return path;
}

QPainterPath Diamond() {
  QPainterPath path;
  path.moveTo(50, 1);
  path.quadTo(66, 30, 90, 50);
  path.quadTo(66, 70, 50, 99);
  path.quadTo(34, 70, 10, 50);
  path.quadTo(34, 30, 50, 1);
  path.closeSubpath();
  return path;
}

QPainterPath Club() {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  path.addEllipse(QPointF(50, 25), 22, 22);
  path.addEllipse(QPointF(26, 58), 22, 22);
  path.addEllipse(QPointF(74, 58), 22, 22);
  path.addEllipse(QPointF(50, 52), 12, 12);
  QPainterPath stem;
  stem.moveTo(46, 55);
  stem.quadTo(47, 84, 30, 99);
  stem.lineTo(70, 99);
  stem.quadTo(53, 84, 54, 55);
  stem.closeSubpath();
  path.addPath(stem);
  return path.simplified();
}

QPainterPath Spade() {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  path.moveTo(50, 1);
  path.cubicTo(62, 22, 97, 38, 97, 61);
  path.cubicTo(97, 77, 85, 85, 73, 85);
  path.cubicTo(63, 85, 56, 80, 53, 72);
  path.lineTo(47, 72);
  path.cubicTo(44, 80, 37, 85, 27, 85);
  path.cubicTo(15, 85, 3, 77, 3, 61);
  path.cubicTo(3, 38, 38, 22, 50, 1);
  path.closeSubpath();
  QPainterPath stem;
  stem.moveTo(46, 66);
  stem.quadTo(47, 88, 31, 99);
  stem.lineTo(69, 99);
  stem.quadTo(53, 88, 54, 66);
  stem.closeSubpath();
  path.addPath(stem);
  return path.simplified();
}

}  // namespace

QPainterPath SuitPath(int suitIndex, const QRectF& box) {
  static const QPainterPath shapes[4] = {Heart(), Diamond(), Club(), Spade()};
  QTransform map;
  map.translate(box.left(), box.top());
  map.scale(box.width() / 100.0, box.height() / 100.0);
  return map.map(shapes[suitIndex & 3]);
}

}  // namespace tavlo::art
