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

QLinearGradient GoldAcross(double left, double right) {
  QLinearGradient gold(left, 0, right, 0);
  gold.setColorAt(0.0, kGoldDark);
  gold.setColorAt(0.35, kGoldLight);
  gold.setColorAt(0.6, kGold);
  gold.setColorAt(1.0, kGoldDark);
  return gold;
}

// A three-armed brass candelabrum; the candle tops sit under the flame cells at (16, 15),
// (41, 1) and (66, 15) of the 100 x 200 picture.
void PaintCandlestick(QPainter& p) {
  const QPen edge(kGoldDark.darker(130), 1.0);
  p.setPen(edge);
  // Arms.
  p.setBrush(Qt::NoBrush);
  QPen arm(GoldAcross(10, 90), 5, Qt::SolidLine, Qt::RoundCap);
  p.setPen(arm);
  QPainterPath arms;
  arms.moveTo(26, 96);
  arms.cubicTo(26, 128, 50, 132, 50, 132);
  arms.cubicTo(50, 132, 74, 128, 74, 96);
  p.drawPath(arms);
  p.setPen(edge);
  // Stem with knops, and the foot.
  p.setBrush(GoldAcross(44, 56));
  p.drawRect(QRectF(46, 60, 8, 116));
  for (const double y : {100.0, 134.0, 160.0}) {
    p.setBrush(GoldAcross(38, 62));
    p.drawEllipse(QPointF(50, y), 9, 5);
  }
  QPainterPath foot;
  foot.moveTo(50, 168);
  foot.cubicTo(40, 182, 24, 186, 20, 196);
  foot.lineTo(80, 196);
  foot.cubicTo(76, 186, 60, 182, 50, 168);
  foot.closeSubpath();
  p.setBrush(GoldAcross(20, 80));
  p.drawPath(foot);
  p.drawRoundedRect(QRectF(16, 194, 68, 5), 2, 2);
  // Cups and candles.
  struct Candle {
    double x, top, cup;
  };
  for (const Candle c : {Candle{26, 44, 92}, Candle{51, 30, 60}, Candle{76, 44, 92}}) {
    QLinearGradient wax(c.x - 6, 0, c.x + 6, 0);
    wax.setColorAt(0, QColor(0xE8, 0xDC, 0xC0));
    wax.setColorAt(0.4, QColor(0xFF, 0xFB, 0xF0));
    wax.setColorAt(1, QColor(0xD8, 0xC8, 0xA8));
    p.setBrush(wax);
    p.setPen(QPen(QColor(0xB8, 0xA8, 0x88), 0.8));
    p.drawRoundedRect(QRectF(c.x - 6, c.top, 12, c.cup - c.top + 2), 2, 2);
    // A drip of wax.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFB, 0xF0));
    p.drawRoundedRect(QRectF(c.x + 2, c.top + 1, 3, 9), 1.5, 1.5);
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(QPointF(c.x, c.top), QPointF(c.x, c.top - 3));
    p.setPen(edge);
    p.setBrush(GoldAcross(c.x - 11, c.x + 11));
    QPainterPath cup;
    cup.moveTo(c.x - 11, c.cup);
    cup.lineTo(c.x + 11, c.cup);
    cup.cubicTo(c.x + 9, c.cup + 8, c.x + 3, c.cup + 8, c.x + 3, c.cup + 10);
    cup.lineTo(c.x - 3, c.cup + 10);
    cup.cubicTo(c.x - 3, c.cup + 8, c.x - 9, c.cup + 8, c.x - 11, c.cup);
    cup.closeSubpath();
    p.drawPath(cup);
  }
}

// Six flame frames: the same flame leaning and stretching in turn.
void PaintFlame(QPainter& p, int frame) {
  static const double lean[6] = {0.0, 1.6, 2.4, 0.8, -1.4, -2.2};
  static const double height[6] = {24, 26, 23, 27, 25, 22};
  const double base = 29;
  const double cx = 10;
  const double top = base - height[frame];
  const double tipX = cx + lean[frame];
  QRadialGradient halo(QPointF(cx, base - 9), 11);
  halo.setColorAt(0, QColor(255, 220, 120, 110));
  halo.setColorAt(1, QColor(255, 200, 80, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(QPointF(cx, base - 9), 10, 11);
  const auto flame = [&](double scale, const QColor& colour) {
    QPainterPath path;
    const double w = 5.2 * scale;
    const double t = base - (base - top) * scale;
    path.moveTo(cx, base);
    path.cubicTo(cx - w * 1.2, base - 2, cx - w, base - (base - t) * 0.55, tipX, t);
    path.cubicTo(cx + w, base - (base - t) * 0.55, cx + w * 1.2, base - 2, cx, base);
    p.setBrush(colour);
    p.drawPath(path);
  };
  flame(1.0, QColor(0xF0, 0x80, 0x10));
  flame(0.8, QColor(0xFF, 0xC0, 0x30));
  flame(0.5, QColor(0xFF, 0xF4, 0xC0));
  p.setBrush(QColor(0x40, 0x60, 0xC0, 160));
  p.drawEllipse(QPointF(cx, base - 2), 1.6, 2.2);
}

// The four cards circling the title screen: the four aces, on 60 x 70 cells.
void PaintTitleCard(QPainter& p, int suitIndex) {
  const QImage face = CardForPainter(p, 13, suitIndex, 0, QSize(49, 67));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(QRectF(8, 3, 48, 66), 4, 4);
  p.drawImage(QRectF(5, 1, 49, 67), face);
}

// Left menu animation: a hand of five cards that fans open and closes again.
void PaintFanFrame(QPainter& p, int frame, int frames) {
  const double phase = 0.5 - 0.5 * std::cos(2 * M_PI * frame / frames);
  const QSize cardSize(58, 79);
  const int ranks[5] = {9, 10, 11, 12, 13};  // ten to ace
  const int suits[5] = {3, 0, 2, 1, 3};
  // The pivot sits low and the spread stays within +-26 degrees, so the open fan keeps inside
  // the 160 x 200 picture.
  for (int i = 0; i < 5; ++i) {
    const double angle = (i - 2) * 13.0 * phase;
    p.save();
    p.translate(80, 186);
    p.rotate(angle);
    const QImage face = CardForPainter(p, ranks[i], suits[i], 0, cardSize);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(QRectF(-27, -116, 58, 79), 4, 4);
    p.drawImage(QRectF(QPointF(-29, -118), QSizeF(cardSize)), face);
    p.restore();
  }
}

// Right menu animation: a card turning over and over, each time showing another ace.
void PaintFlipFrame(QPainter& p, int frame, int frames) {
  const double turn = 2.0 * frame / frames;  // two half turns per cycle
  const int half = static_cast<int>(turn);
  const double within = turn - half;
  const double width = std::abs(std::cos(within * M_PI));
  const bool showFace = (within < 0.5) == (half % 2 == 0);
  const QSize cardSize(100, 136);
  const QImage picture = CardForPainter(p, 13, (frame * 4 / frames) % 4, showFace ? 0 : 7, cardSize);
  const double w = std::max(2.0, 100 * width);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 45));
  p.drawEllipse(QPointF(80, 186), 46 * std::max(0.3, width), 6);
  p.drawImage(QRectF(80 - w / 2, 40, w, 136), picture);
}

}  // namespace

void AddMenuPictures(Catalog& c) {
  c.Add("Candlestick", QSize(100, 200), [](QPainter& p, int) { PaintCandlestick(p); });
  // The six flame frames of the candles; the menu picks a frame per flame on every tick.
  c.Add(
      "CandleFlame", QSize(20, 30), [](QPainter& p, int frame) { PaintFlame(p, frame); }, 6, 120);
  for (int suit = 0; suit < 4; ++suit) {
    c.Add(QString("TitleCard%1").arg(suit + 1), QSize(60, 70), [suit](QPainter& p, int) { PaintTitleCard(p, suit); });
  }
  c.Add("GPointer", QSize(30, 20), [](QPainter& p, int) { PaintPointingHand(p); });
  constexpr int kFanFrames = 24;
  constexpr int kFlipFrames = 32;
  c.Add(
      "GifMenu1", QSize(160, 200), [](QPainter& p, int f) { PaintFanFrame(p, f, kFanFrames); }, kFanFrames, 90);
  c.Add(
      "GifMenu2", QSize(160, 200), [](QPainter& p, int f) { PaintFlipFrame(p, f, kFlipFrames); }, kFlipFrames, 70);
  c.Add("PngMenu1", QSize(160, 200), [](QPainter& p, int) { PaintFanFrame(p, kFanFrames / 2, kFanFrames); });
  c.Add("PngMenu2", QSize(160, 200), [](QPainter& p, int) { PaintFlipFrame(p, 0, kFlipFrames); });
}

}  // namespace tavlo::art
