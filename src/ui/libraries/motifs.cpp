#include "ui/libraries/motifs.h"

#include <QFont>
#include <QLinearGradient>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace tavlo::libraries {

QPainterPath StarPath(QPointF c, double r, int points) {
  QPainterPath path;
  for (int k = 0; k < 2 * points; ++k) {
    const double a = -std::numbers::pi / 2 + k * std::numbers::pi / points;
    const double rr = k % 2 ? r * 0.45 : r;
    const QPointF at(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    if (k == 0)
      path.moveTo(at);
    else
      path.lineTo(at);
  }
  path.closeSubpath();
  return path;
}

QPainterPath FleurPath(QPointF c, double h) {
  const double s = h / 20;
  QPainterPath path;
  path.addEllipse(QPointF(c.x(), c.y() - 3 * s), 2.5 * s, 7 * s);
  path.addEllipse(QPointF(c.x() - 5 * s, c.y() - 1 * s), 4.5 * s, 2.2 * s);
  path.addEllipse(QPointF(c.x() + 5 * s, c.y() - 1 * s), 4.5 * s, 2.2 * s);
  path.addRect(QRectF(c.x() - 6 * s, c.y() + 2 * s, 12 * s, 2 * s));
  path.addEllipse(QPointF(c.x(), c.y() + 7 * s), 2 * s, 3.5 * s);
  return path.simplified();
}

QPainterPath CrownPath(QPointF c, double w) {
  const double s = w / 30;
  QPolygonF crown({QPointF(-15, 8), QPointF(-15, -6), QPointF(-8, 1), QPointF(0, -10), QPointF(8, 1), QPointF(15, -6),
                   QPointF(15, 8)});
  QPainterPath path;
  path.addPolygon(QTransform().translate(c.x(), c.y()).scale(s, s).map(crown));
  path.closeSubpath();
  for (const double x : {-15.0, 0.0, 15.0})
    path.addEllipse(QPointF(c.x() + x * s, c.y() + (x == 0 ? -12 : -8) * s), 2 * s, 2 * s);
  path.addRect(QRectF(c.x() - 15 * s, c.y() + 9 * s, 30 * s, 3 * s));
  return path.simplified();
}

QPainterPath ShieldPath(QPointF c, double h) {
  const double s = h / 40;
  QPainterPath path;
  path.moveTo(c.x() - 15 * s, c.y() - 18 * s);
  path.lineTo(c.x() + 15 * s, c.y() - 18 * s);
  path.lineTo(c.x() + 15 * s, c.y());
  path.quadTo(c.x() + 15 * s, c.y() + 14 * s, c.x(), c.y() + 20 * s);
  path.quadTo(c.x() - 15 * s, c.y() + 14 * s, c.x() - 15 * s, c.y());
  path.closeSubpath();
  return path;
}

void DrawGlyph(QPainter& p, QPointF c, double h, const QString& glyph, QColor colour) {
  QFont font("DejaVu Sans");
  font.setPixelSize(std::max(4, static_cast<int>(std::lround(h))));
  QPainterPath path;
  path.addText(0, 0, font, glyph);
  const QRectF box = path.boundingRect();
  if (box.isEmpty()) return;
  // Scale the outline to the wanted height, whatever the font's metrics.
  const double k = h / std::max(box.width(), box.height()) * 0.8;
  QTransform t;
  t.translate(c.x(), c.y());
  t.scale(k, k);
  t.translate(-box.center().x(), -box.center().y());
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(t.map(path));
}

void PaintAnimal(QPainter& p, QPointF c, double size, int kind, QColor colour) {
  p.save();
  p.translate(c);
  p.scale(size / 40, size / 40);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  const QColor eye = QColor(0xFF, 0xFB, 0xEE);
  switch ((kind - 1) % 10) {
    case 0:  // fish
      p.drawEllipse(QPointF(-2, 0), 13, 8);
      p.drawPolygon(QPolygonF({QPointF(9, 0), QPointF(18, -8), QPointF(18, 8)}));
      p.setBrush(eye);
      p.drawEllipse(QPointF(-9, -2), 1.6, 1.6);
      break;
    case 1:  // bird
      p.drawEllipse(QPointF(0, 4), 12, 8);
      p.drawEllipse(QPointF(-10, -4), 6, 6);
      p.drawPolygon(QPolygonF({QPointF(-15, -5), QPointF(-21, -3), QPointF(-15, -2)}));
      p.drawPolygon(QPolygonF({QPointF(10, 2), QPointF(19, -4), QPointF(14, 6)}));
      p.setBrush(eye);
      p.drawEllipse(QPointF(-11, -5), 1.2, 1.2);
      break;
    case 2:  // cat
      p.drawEllipse(QPointF(0, 8), 11, 10);
      p.drawEllipse(QPointF(0, -7), 9, 8);
      p.drawPolygon(QPolygonF({QPointF(-8, -10), QPointF(-7, -19), QPointF(-2, -13)}));
      p.drawPolygon(QPolygonF({QPointF(8, -10), QPointF(7, -19), QPointF(2, -13)}));
      p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(6, 4, 16, 16), 180 * 16, 160 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(eye);
      p.drawEllipse(QPointF(-3.5, -8), 1.5, 2);
      p.drawEllipse(QPointF(3.5, -8), 1.5, 2);
      break;
    case 3:  // owl
      p.drawEllipse(QPointF(0, 3), 12, 16);
      p.drawPolygon(QPolygonF({QPointF(-11, -8), QPointF(-9, -18), QPointF(-3, -11)}));
      p.drawPolygon(QPolygonF({QPointF(11, -8), QPointF(9, -18), QPointF(3, -11)}));
      p.setBrush(eye);
      p.drawEllipse(QPointF(-5, -5), 4.5, 4.5);
      p.drawEllipse(QPointF(5, -5), 4.5, 4.5);
      p.setBrush(colour);
      p.drawEllipse(QPointF(-5, -5), 1.8, 1.8);
      p.drawEllipse(QPointF(5, -5), 1.8, 1.8);
      break;
    case 4:  // butterfly
      for (const int side : {-1, 1}) {
        p.save();
        p.scale(side, 1);
        p.rotate(-20);
        p.drawEllipse(QPointF(9, -7), 9, 7);
        p.restore();
        p.drawEllipse(QPointF(side * 8, 8), 6, 7);
      }
      p.setBrush(colour.darker(150));
      p.drawEllipse(QPointF(0, 0), 2, 13);
      break;
    case 5:  // snail
      p.drawRoundedRect(QRectF(-18, 8, 34, 6), 3, 3);
      p.drawEllipse(QPointF(2, -2), 12, 12);
      p.setPen(QPen(eye, 1.6));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(2, -2), 7, 7);
      p.drawEllipse(QPointF(3, -1), 3, 3);
      p.setPen(QPen(colour, 1.5));
      p.drawLine(QPointF(-16, 9), QPointF(-19, 1));
      p.drawLine(QPointF(-14, 9), QPointF(-14, 1));
      break;
    case 6:  // turtle
      p.drawEllipse(QPointF(0, 0), 15, 10);
      p.drawEllipse(QPointF(-17, 1), 5, 4);
      for (const QPointF leg : {QPointF(-9, 9), QPointF(9, 9)}) p.drawEllipse(leg, 3.5, 4);
      p.setPen(QPen(eye, 1));
      p.setBrush(Qt::NoBrush);
      p.drawPolygon(
          QPolygonF({QPointF(-5, -6), QPointF(5, -6), QPointF(8, 0), QPointF(5, 6), QPointF(-5, 6), QPointF(-8, 0)}));
      break;
    case 7:  // rabbit
      p.drawEllipse(QPointF(2, 8), 12, 10);
      p.drawEllipse(QPointF(-8, -4), 7, 6);
      p.drawEllipse(QPointF(-11, -17), 2.5, 9);
      p.drawEllipse(QPointF(-5, -17), 2.5, 9);
      p.drawEllipse(QPointF(14, 6), 3.5, 3.5);
      p.setBrush(eye);
      p.drawEllipse(QPointF(-10, -5), 1.3, 1.3);
      break;
    case 8:  // ladybird
      p.drawEllipse(QPointF(0, 2), 14, 13);
      p.setBrush(QColor(0x16, 0x12, 0x10));
      p.drawEllipse(QPointF(0, -11), 6, 4.5);
      for (const QPointF spot : {QPointF(-6, -2), QPointF(6, -2), QPointF(-7, 7), QPointF(7, 7), QPointF(0, 10)}) {
        p.drawEllipse(spot, 2.6, 2.6);
      }
      p.setPen(QPen(QColor(0x16, 0x12, 0x10), 1));
      p.drawLine(QPointF(0, -7), QPointF(0, 15));
      break;
    default:  // horse's head
      p.drawPolygon(QPolygonF({QPointF(-4, -18), QPointF(4, -16), QPointF(14, -4), QPointF(16, 4), QPointF(10, 6),
                               QPointF(4, 0), QPointF(6, 18), QPointF(-12, 18), QPointF(-10, -6), QPointF(-6, -12)}));
      p.setBrush(eye);
      p.drawEllipse(QPointF(3, -8), 1.5, 1.5);
      break;
  }
  p.restore();
}

void PaintFlower(QPainter& p, QPointF c, double size, int kind, QColor colour) {
  p.save();
  p.translate(c);
  p.scale(size / 40, size / 40);
  const int k = (kind - 1) % 10;
  static const int petals[10] = {5, 6, 8, 12, 4, 5, 7, 10, 6, 16};
  static const double lengths[10] = {11, 10, 12, 13, 12, 9, 11, 13, 12, 14};
  static const double widths[10] = {5, 4, 3.2, 2.2, 6, 5.5, 4, 2.6, 3.5, 1.8};
  static const QColor hearts[10] = {QColor(0xF6, 0xDD, 0x8A), QColor(0xE0, 0x9A, 0x20), QColor(0x7A, 0x42, 0x12),
                                    QColor(0xF0, 0xCF, 0x6A), QColor(0xC8, 0x10, 0x2E), QColor(0xF6, 0xDD, 0x8A),
                                    QColor(0x3C, 0x8F, 0x55), QColor(0xE6, 0xB8, 0x5C), QColor(0x9E, 0x12, 0x1E),
                                    QColor(0xD4, 0xA8, 0x3A)};
  // Stem and two leaves under the bloom.
  p.setPen(QPen(QColor(0x3C, 0x8F, 0x55), 1.6));
  p.drawLine(QPointF(0, 6), QPointF(0, 19));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3C, 0x8F, 0x55));
  p.drawEllipse(QPointF(-4, 14), 4, 1.8);
  p.drawEllipse(QPointF(4, 16), 4, 1.8);
  p.translate(0, -3);
  for (const bool inner : {false, true}) {
    const double scale = inner ? 0.6 : 1.0;
    if (inner && k % 3 != 0) continue;
    p.setBrush(inner ? colour.lighter(120) : colour);
    for (int n = 0; n < petals[k]; ++n) {
      p.save();
      p.rotate(360.0 * n / petals[k] + (inner ? 180.0 / petals[k] : 0));
      p.drawEllipse(QPointF(0, -lengths[k] * 0.55 * scale), widths[k] * scale, lengths[k] * 0.55 * scale);
      p.restore();
    }
  }
  p.setBrush(hearts[k]);
  p.drawEllipse(QPointF(0, 0), 3.2, 3.2);
  p.restore();
}

void PaintPlace(QPainter& p, const QRectF& f, int kind, QColor colour) {
  const int k = (kind - 1) % 10;
  QLinearGradient sky(f.topLeft(), f.bottomLeft());
  sky.setColorAt(0, colour.darker(160));
  sky.setColorAt(0.7, colour.lighter(140));
  p.fillRect(f, sky);
  const double ground = f.top() + f.height() * 0.74;
  const QColor dark = colour.darker(300);
  p.setPen(Qt::NoPen);
  // Sun or moon.
  p.setBrush(QColor(0xF6, 0xDD, 0x8A));
  p.drawEllipse(QPointF(f.left() + f.width() * (k % 2 ? 0.75 : 0.25), f.top() + f.height() * 0.2), 7, 7);
  p.setBrush(dark);
  const double cx = f.center().x();
  const double w = f.width();
  switch (k) {
    case 0:  // mountains
      p.drawPolygon(QPolygonF({QPointF(f.left(), ground), QPointF(cx - w * 0.2, f.top() + f.height() * 0.35),
                               QPointF(cx, ground - 10), QPointF(cx + w * 0.22, f.top() + f.height() * 0.3),
                               QPointF(f.right(), ground)}));
      break;
    case 1:  // pyramids
      p.drawPolygon(QPolygonF({QPointF(cx - 34, ground), QPointF(cx - 8, ground - 36), QPointF(cx + 18, ground)}));
      p.drawPolygon(QPolygonF({QPointF(cx + 4, ground), QPointF(cx + 22, ground - 24), QPointF(cx + 40, ground)}));
      break;
    case 2:  // castle
      p.drawRect(QRectF(cx - 24, ground - 26, 48, 26));
      for (const double x : {-30.0, 18.0}) p.drawRect(QRectF(cx + x, ground - 42, 12, 42));
      for (double x = cx - 24; x < cx + 24; x += 8) p.drawRect(QRectF(x, ground - 31, 4, 5));
      break;
    case 3:  // lighthouse and sea
      p.drawPolygon(QPolygonF({QPointF(cx - 8, ground), QPointF(cx - 5, ground - 50), QPointF(cx + 5, ground - 50),
                               QPointF(cx + 8, ground)}));
      p.drawRect(QRectF(cx - 7, ground - 58, 14, 6));
      p.setBrush(QColor(0xF6, 0xDD, 0x8A));
      p.drawRect(QRectF(cx - 4, ground - 57, 8, 4));
      break;
    case 4:  // windmill
      p.drawPolygon(QPolygonF({QPointF(cx - 10, ground), QPointF(cx - 6, ground - 34), QPointF(cx + 6, ground - 34),
                               QPointF(cx + 10, ground)}));
      p.save();
      p.translate(cx, ground - 34);
      for (int n = 0; n < 4; ++n) {
        p.rotate(90);
        p.drawRect(QRectF(-2, -26, 4, 24));
      }
      p.restore();
      break;
    case 5:  // city
      for (int n = 0; n < 9; ++n) {
        const double x = f.left() + n * w / 9;
        const double hgt = 14 + ((n * 37) % 5) * 7;
        p.drawRect(QRectF(x, ground - hgt, w / 9 - 1, hgt));
      }
      break;
    case 6:  // island with a palm
      p.drawEllipse(QPointF(cx, ground + 2), 26, 7);
      p.setPen(QPen(dark, 3, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      {
        QPainterPath trunk;
        trunk.moveTo(cx, ground - 2);
        trunk.quadTo(cx + 2, ground - 20, cx + 8, ground - 34);
        p.drawPath(trunk);
      }
      p.setPen(Qt::NoPen);
      p.setBrush(dark);
      for (int n = 0; n < 5; ++n) {
        p.save();
        p.translate(cx + 8, ground - 34);
        p.rotate(-150 + n * 55);
        p.drawEllipse(QPointF(10, 0), 11, 2.5);
        p.restore();
      }
      break;
    case 7:  // bridge
      p.drawRect(QRectF(f.left(), ground - 20, w, 4));
      for (const double x : {cx - 26, cx + 22}) p.drawRect(QRectF(x, ground - 38, 5, 38));
      p.setPen(QPen(dark, 1.2));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(cx - 24, ground - 48, 48, 40), 0, 180 * 16);
      p.setPen(Qt::NoPen);
      break;
    case 8:  // onion domes
      for (const double x : {-20.0, 0.0, 20.0}) {
        const double top = ground - (x == 0 ? 48 : 36);
        p.drawRect(QRectF(cx + x - 6, top + 10, 12, ground - top - 10));
        QPainterPath dome;
        dome.moveTo(cx + x - 8, top + 11);
        dome.cubicTo(cx + x - 10, top + 2, cx + x - 1, top + 1, cx + x, top - 6);
        dome.cubicTo(cx + x + 1, top + 1, cx + x + 10, top + 2, cx + x + 8, top + 11);
        dome.closeSubpath();
        p.drawPath(dome);
      }
      break;
    default:  // a tall iron tower
      p.drawPolygon(QPolygonF({QPointF(cx - 22, ground), QPointF(cx - 2, ground - 60), QPointF(cx + 2, ground - 60),
                               QPointF(cx + 22, ground), QPointF(cx + 12, ground), QPointF(cx, ground - 14),
                               QPointF(cx - 12, ground)}));
      break;
  }
  p.setBrush(dark.darker(130));
  p.drawRect(QRectF(f.left(), ground, w, f.bottom() - ground));
}

}  // namespace tavlo::libraries
