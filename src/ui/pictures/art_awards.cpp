#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "ui/pictures/art_common.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/card_art.h"
#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

namespace {

void PaintCoin(QPainter& p, QPointF c, double r, bool showZ) {
  QRadialGradient gold(c - QPointF(r * 0.3, r * 0.35), r * 1.4);
  gold.setColorAt(0, kGoldLight);
  gold.setColorAt(0.55, kGold);
  gold.setColorAt(1, kGoldDark);
  p.setPen(QPen(kGoldDark.darker(150), std::max(1.0, r / 14)));
  p.setBrush(gold);
  p.drawEllipse(c, r, r);
  p.setPen(QPen(kGoldDark, std::max(0.8, r / 18)));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r * 0.8, r * 0.8);
  if (showZ) {
    DrawFittedText(p, QRectF(c.x() - r * 0.6, c.y() - r * 0.6, r * 1.2, r * 1.2), "Z",
                   PixelFont("DejaVu Serif", r * 1.1), kGoldDark.darker(120));
  }
}

// The medal of the top ten: a gold disc on a red ribbon; the place picture is drawn over its
// middle.
void PaintMedal(QPainter& p) {
  p.setPen(QPen(QColor(0x50, 0x00, 0x08), 1));
  for (const double side : {-1.0, 1.0}) {
    QPainterPath ribbon;
    ribbon.moveTo(52 + side * 6, 0);
    ribbon.lineTo(52 + side * 30, 0);
    ribbon.lineTo(52 + side * 12, 46);
    ribbon.lineTo(52 - side * 4, 46);
    ribbon.closeSubpath();
    p.setBrush(side < 0 ? kDeepRed : kRoyalBlue);
    p.drawPath(ribbon);
  }
  const QPointF c(52, 64);
  for (int k = 0; k < 24; ++k) {
    const double a = k * M_PI / 12;
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldDark);
    p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * 36.5, 4, 4);
  }
  PaintCoin(p, c, 36, false);
  p.setBrush(kIvory);
  p.setPen(QPen(kGoldDark, 1));
  p.drawEllipse(c, 22, 22);
}

void PaintPlace(QPainter& p, int place) {
  DrawCarvedText(p, QRectF(32, 46, 40, 36), QString::number(place), PixelFont("DejaVu Serif", place == 10 ? 26 : 32),
                 QBrush(kDeepRed), QColor(0x40, 0, 0), 1.0, QColor(0, 0, 0, 60));
}

void PaintCoinStack(QPainter& p) {
  for (int i = 0; i < 5; ++i) {
    const double y = 104 - i * 9;
    p.setPen(QPen(kGoldDark.darker(150), 1));
    p.setBrush(kGoldDark);
    p.drawEllipse(QPointF(50, y + 3), 38, 12);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(50, y), 38, 12);
  }
  PaintCoin(p, QPointF(90, 44), 30, true);
}

// The bonus coin: the amount is written in yellow over its dark centre.
void PaintBonusCoin(QPainter& p) {
  PaintCoin(p, QPointF(64, 64), 60, false);
  QRadialGradient centre(QPointF(64, 64), 44);
  centre.setColorAt(0, kDeepRed);
  centre.setColorAt(1, kDeepRed.darker(160));
  p.setPen(QPen(kGoldLight, 1.5));
  p.setBrush(centre);
  p.drawEllipse(QPointF(64, 64), 44, 44);
}

void PaintSparkle(QPainter& p, QPointF c, double r, int alpha) {
  QColor light(255, 250, 210, alpha);
  p.setPen(Qt::NoPen);
  p.setBrush(light);
  QPainterPath star;
  star.moveTo(c.x(), c.y() - r);
  star.quadTo(c, QPointF(c.x() + r, c.y()));
  star.quadTo(c, QPointF(c.x(), c.y() + r));
  star.quadTo(c, QPointF(c.x() - r, c.y()));
  star.quadTo(c, QPointF(c.x(), c.y() - r));
  p.drawPath(star);
}

// Best result: a cup with sparkles running round it.
void PaintEndBest(QPainter& p, int frame, int frames) {
  QLinearGradient gold(30, 0, 98, 0);
  gold.setColorAt(0, kGoldDark);
  gold.setColorAt(0.4, kGoldLight);
  gold.setColorAt(1, kGoldDark);
  p.setPen(QPen(kGoldDark.darker(140), 1.2));
  p.setBrush(gold);
  QPainterPath cup;
  cup.moveTo(34, 22);
  cup.lineTo(94, 22);
  cup.cubicTo(94, 62, 78, 74, 64, 74);
  cup.cubicTo(50, 74, 34, 62, 34, 22);
  p.drawPath(cup);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, 5));
  p.drawArc(QRectF(18, 28, 22, 26), 90 * 16, 180 * 16);
  p.drawArc(QRectF(88, 28, 22, 26), 270 * 16, 180 * 16);
  p.setPen(QPen(kGoldDark.darker(140), 1.2));
  p.setBrush(gold);
  p.drawRect(QRectF(58, 74, 12, 18));
  p.drawRoundedRect(QRectF(42, 92, 44, 12), 3, 3);
  p.setBrush(kDeepRed);
  p.drawRoundedRect(QRectF(38, 104, 52, 14), 3, 3);
  DrawSuit(p, 3, QPointF(64, 44), 24, kInk);
  // Five sparkles, so that no frame repeats another within the cycle.
  for (int k = 0; k < 5; ++k) {
    const double a = 2 * M_PI * (k / 5.0 + static_cast<double>(frame) / frames);
    const int alpha = 120 + static_cast<int>(135 * std::abs(std::sin(a * 1.5)));
    PaintSparkle(p, QPointF(64 + 54 * std::cos(a), 56 + 46 * std::sin(a)), 7, alpha);
  }
}

// A place in the top ten: four aces spread, one rising in turn.
void PaintEndGood(QPainter& p, int frame, int frames) {
  const int lifted = frame * 4 / frames;
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(64, 118);
    p.rotate((i - 1.5) * 16);
    const QImage face = CardForPainter(p, 13, i, 0, QSize(52, 71));
    const double rise = i == lifted ? 10 * std::sin(M_PI * ((frame * 4) % frames) / frames * 4 / 4) : 0;
    p.drawImage(QRectF(-26, -100 - rise, 52, 71), face);
    p.restore();
  }
}

// No place: a cloud raining on a turned-down card.
void PaintEndBads(QPainter& p, int frame, int frames) {
  const QImage back = CardForPainter(p, 0, 0, 1, QSize(52, 71));
  p.save();
  p.translate(64, 88);
  p.rotate(-8);
  p.drawImage(QRectF(-26, -30, 52, 71), back);
  p.restore();
  p.setPen(Qt::NoPen);
  QColor drop(0x60, 0x90, 0xD0, 200);
  for (int k = 0; k < 7; ++k) {
    const double x = 34 + k * 10;
    const double y = 46 + std::fmod(k * 7.0 + frame * 48.0 / frames, 40.0);
    p.setBrush(drop);
    p.drawEllipse(QPointF(x, y), 1.6, 3.4);
  }
  p.setBrush(QColor(0x88, 0x90, 0x9C));
  p.setPen(QPen(QColor(0x5A, 0x60, 0x6A), 1));
  QPainterPath cloud;
  cloud.setFillRule(Qt::WindingFill);
  cloud.addEllipse(QPointF(46, 32), 18, 14);
  cloud.addEllipse(QPointF(66, 24), 20, 17);
  cloud.addEllipse(QPointF(86, 34), 16, 12);
  cloud.addRoundedRect(QRectF(30, 30, 72, 16), 8, 8);
  p.drawPath(cloud.simplified());
}

}  // namespace

void AddAwardPictures(Catalog& c) {
  c.Add("GMedal", QSize(104, 104), [](QPainter& p, int) { PaintMedal(p); });
  for (int place = 1; place <= 10; ++place) {
    c.Add(QString("GPlace%1").arg(place, 2, 10, QLatin1Char('0')), QSize(104, 104),
          [place](QPainter& p, int) { PaintPlace(p, place); });
  }
  c.Add("GZans128", QSize(128, 128), [](QPainter& p, int) { PaintCoinStack(p); });
  c.Add("GZansT128", QSize(128, 128), [](QPainter& p, int) { PaintBonusCoin(p); });
  constexpr int kFrames = 16;
  c.Add(
      "GEndBest", QSize(128, 128), [](QPainter& p, int f) { PaintEndBest(p, f, kFrames); }, kFrames, 90);
  c.Add(
      "GEndGood", QSize(128, 128), [](QPainter& p, int f) { PaintEndGood(p, f, kFrames); }, kFrames, 90);
  c.Add(
      "GEndBads", QSize(128, 128), [](QPainter& p, int f) { PaintEndBads(p, f, kFrames); }, kFrames, 90);
}

}  // namespace tavlo::art
