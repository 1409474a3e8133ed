#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>
#include <functional>

#include "ui/calendar/art/calendar_art.h"
#include "ui/pictures/art_palette.h"

namespace tavlo::calendar_art {

namespace {

const QRectF kCloth(10, 10, 38, 26);

void Stripes(QPainter& p, std::initializer_list<QColor> colours, bool vertical) {
  const int n = static_cast<int>(colours.size());
  int k = 0;
  for (const QColor& c : colours) {
    const QRectF band =
        vertical
            ? QRectF(kCloth.left() + kCloth.width() * k / n, kCloth.top(), kCloth.width() / n + 0.3, kCloth.height())
            : QRectF(kCloth.left(), kCloth.top() + kCloth.height() * k / n, kCloth.width(), kCloth.height() / n + 0.3);
    p.fillRect(band, c);
    ++k;
  }
}

void UnionFlag(QPainter& p) {
  const QColor blue(0x01, 0x21, 0x69), red(0xC8, 0x10, 0x2E);
  p.fillRect(kCloth, blue);
  p.save();
  p.setClipRect(kCloth, Qt::IntersectClip);
  p.setPen(QPen(Qt::white, 5));
  p.drawLine(kCloth.topLeft(), kCloth.bottomRight());
  p.drawLine(kCloth.bottomLeft(), kCloth.topRight());
  p.setPen(QPen(red, 1.6));
  p.drawLine(kCloth.topLeft(), kCloth.bottomRight());
  p.drawLine(kCloth.bottomLeft(), kCloth.topRight());
  p.restore();
  p.fillRect(QRectF(kCloth.center().x() - 4, kCloth.top(), 8, kCloth.height()), Qt::white);
  p.fillRect(QRectF(kCloth.left(), kCloth.center().y() - 4, kCloth.width(), 8), Qt::white);
  p.fillRect(QRectF(kCloth.center().x() - 2.4, kCloth.top(), 4.8, kCloth.height()), red);
  p.fillRect(QRectF(kCloth.left(), kCloth.center().y() - 2.4, kCloth.width(), 4.8), red);
}

void StarsAndStripes(QPainter& p) {
  const QColor red(0xB2, 0x22, 0x34), blue(0x3C, 0x3B, 0x6E);
  for (int k = 0; k < 13; ++k) {
    p.fillRect(
        QRectF(kCloth.left(), kCloth.top() + kCloth.height() * k / 13, kCloth.width(), kCloth.height() / 13 + 0.2),
        k % 2 == 0 ? red : QColor(Qt::white));
  }
  const QRectF canton(kCloth.left(), kCloth.top(), 16, kCloth.height() * 7 / 13);
  p.fillRect(canton, blue);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 5; ++col) {
      p.drawEllipse(QPointF(canton.left() + 2 + col * 3 + (row % 2) * 1.5, canton.top() + 2 + row * 3.2), 0.55, 0.55);
    }
  }
}

void SpanishFlag(QPainter& p) {
  const QColor red(0xAA, 0x15, 0x1B), yellow(0xF1, 0xBF, 0x00);
  p.fillRect(kCloth, red);
  p.fillRect(QRectF(kCloth.left(), kCloth.top() + kCloth.height() / 4, kCloth.width(), kCloth.height() / 2), yellow);
  // A plain shield for the arms.
  p.setPen(QPen(red.darker(130), 0.6));
  p.setBrush(red.lighter(115));
  p.drawRoundedRect(QRectF(kCloth.left() + 9, kCloth.top() + 8.5, 5, 9), 1.5, 1.5);
}

void UnitedNations(QPainter& p) {
  p.fillRect(kCloth, QColor(0x41, 0x8F, 0xDE));
  const QPointF c = kCloth.center();
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(Qt::NoBrush);
  for (const double r : {3.0, 6.0, 9.0}) p.drawEllipse(c, r, r);
  p.drawLine(QPointF(c.x() - 9, c.y()), QPointF(c.x() + 9, c.y()));
  p.drawLine(QPointF(c.x(), c.y() - 9), QPointF(c.x(), c.y() + 9));
  // The laurel: two arcs of leaves.
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (int k = 0; k < 6; ++k) {
    const double a = (200 + k * 25) * M_PI / 180;
    p.drawEllipse(QPointF(c.x() + 11 * std::cos(a), c.y() - 11 * std::sin(a)), 1.1, 1.1);
    p.drawEllipse(QPointF(c.x() - 11 * std::cos(a), c.y() - 11 * std::sin(a)), 1.1, 1.1);
  }
}

// The flag on its pole against the sky, the cloth shaded in folds.
void FlagOnPole(QPainter& p, const std::function<void(QPainter&)>& cloth) {
  PaintPanel(p, QColor(0x9C, 0xD0, 0xF5), QColor(0xE4, 0xF2, 0xFB));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x5E, 0x9E, 0x4A));
  p.drawRoundedRect(QRectF(2, 58, 50, 10), 4, 4);
  // Pole and knob.
  QLinearGradient pole(7, 0, 10, 0);
  pole.setColorAt(0, art::kGoldDark);
  pole.setColorAt(0.5, art::kGoldLight);
  pole.setColorAt(1, art::kGoldDark);
  p.setBrush(pole);
  p.drawRect(QRectF(7.5, 8, 2.4, 54));
  p.setBrush(art::kGold);
  p.drawEllipse(QPointF(8.7, 7), 2.2, 2.2);
  cloth(p);
  // Folds: alternating light and shade across the cloth.
  QLinearGradient folds(kCloth.topLeft(), kCloth.topRight());
  for (int k = 0; k <= 4; ++k) {
    folds.setColorAt(k / 4.0, k % 2 == 0 ? QColor(255, 255, 255, 45) : QColor(0, 0, 0, 45));
  }
  p.fillRect(kCloth, folds);
  p.setPen(QPen(QColor(0, 0, 0, 80), 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawRect(kCloth);
}

}  // namespace

bool PaintFlag(QPainter& p, const QString& name) {
  std::function<void(QPainter&)> cloth;
  if (name == "R_RUSFLAG") {
    cloth = [](QPainter& q) { Stripes(q, {Qt::white, QColor(0x00, 0x39, 0xA6), QColor(0xD5, 0x2B, 0x1E)}, false); };
  } else if (name == "R_DEUFLAG") {
    cloth = [](QPainter& q) { Stripes(q, {Qt::black, QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00)}, false); };
  } else if (name == "R_FRAFLAG") {
    cloth = [](QPainter& q) { Stripes(q, {QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39)}, true); };
  } else if (name == "R_ISPFLAG") {
    cloth = SpanishFlag;
  } else if (name == "R_USAFLAG") {
    cloth = StarsAndStripes;
  } else if (name == "R_ENGFLAG") {
    cloth = UnionFlag;
  } else if (name == "R_UNITED0") {
    cloth = UnitedNations;
  } else {
    return false;
  }
  FlagOnPole(p, cloth);
  return true;
}

}  // namespace tavlo::calendar_art
