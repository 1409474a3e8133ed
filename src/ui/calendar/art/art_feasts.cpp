#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <map>

#include "ui/calendar/art/calendar_art.h"
#include "ui/pictures/art_palette.h"

namespace tavlo::calendar_art {

namespace {

const QColor kNight(0x0E, 0x1A, 0x3E);
const QColor kNightLow(0x2A, 0x3C, 0x78);
const QColor kLeaf(0x2E, 0x8B, 0x3A);

QPointF Polar(QPointF c, double r, double degrees) {
  const double a = degrees * M_PI / 180;
  return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}

// A star of `points` rays between radii `inner` and `outer`.
QPainterPath Star(QPointF c, int points, double outer, double inner, double turn = 90) {
  QPainterPath path;
  for (int k = 0; k < points * 2; ++k) {
    const QPointF v = Polar(c, k % 2 == 0 ? outer : inner, turn + k * 180.0 / points);
    if (k == 0)
      path.moveTo(v);
    else
      path.lineTo(v);
  }
  path.closeSubpath();
  return path;
}

void Glow(QPainter& p, QPointF c, double r, const QColor& colour) {
  QRadialGradient g(c, r);
  QColor inner = colour;
  inner.setAlpha(170);
  QColor outer = colour;
  outer.setAlpha(0);
  g.setColorAt(0, inner);
  g.setColorAt(1, outer);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, r, r);
}

void Egg(QPainter& p, QPointF c, double w, double h, const QColor& colour, const QColor& band) {
  QPainterPath egg;
  egg.addEllipse(c, w / 2, h / 2);
  QRadialGradient g(c - QPointF(w * 0.2, h * 0.25), h * 0.8);
  g.setColorAt(0, colour.lighter(150));
  g.setColorAt(1, colour.darker(120));
  p.setPen(QPen(colour.darker(160), 0.6));
  p.setBrush(g);
  p.drawPath(egg);
  p.save();
  p.setClipPath(egg, Qt::IntersectClip);
  p.setPen(QPen(band, 1.2));
  p.drawLine(QPointF(c.x() - w, c.y()), QPointF(c.x() + w, c.y()));
  p.setPen(QPen(band, 0.7, Qt::DotLine));
  p.drawLine(QPointF(c.x() - w, c.y() - h * 0.22), QPointF(c.x() + w, c.y() - h * 0.22));
  p.restore();
}

void Flame(QPainter& p, QPointF base, double h) {
  Glow(p, base - QPointF(0, h * 0.5), h * 1.3, QColor(255, 200, 80));
  QPainterPath flame;
  flame.moveTo(base);
  flame.cubicTo(base + QPointF(-h * 0.45, -h * 0.3), base + QPointF(-h * 0.1, -h * 0.7), base + QPointF(0, -h));
  flame.cubicTo(base + QPointF(h * 0.1, -h * 0.7), base + QPointF(h * 0.45, -h * 0.3), base);
  QLinearGradient g(base, base - QPointF(0, h));
  g.setColorAt(0, QColor(255, 120, 20));
  g.setColorAt(1, QColor(255, 240, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(flame);
}

void NewYear(QPainter& p) {
  PaintPanel(p, kNight, kNightLow);
  PaintStars(p, 14, QRectF(4, 4, 46, 30));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF4, 0xF8, 0xFF));
  p.drawRoundedRect(QRectF(2, 60, 50, 8), 4, 4);
  p.setBrush(art::kWood);
  p.drawRect(QRectF(24.5, 54, 5, 7));
  const QColor greens[3] = {kLeaf.darker(130), kLeaf.darker(110), kLeaf};
  for (int k = 0; k < 3; ++k) {
    const double top = 12 + k * 12, half = 9 + k * 4.5;
    QPainterPath tier;
    tier.moveTo(27, top);
    tier.lineTo(27 + half, top + 18);
    tier.lineTo(27 - half, top + 18);
    tier.closeSubpath();
    p.setBrush(greens[k]);
    p.drawPath(tier);
  }
  const QColor baubles[] = {art::kCardRed, art::kGold, QColor(0x4A, 0x90, 0xE2), art::kCardRed, art::kGold};
  const QPointF spots[] = {{22, 27}, {31, 33}, {19, 44}, {34, 47}, {26, 52}};
  for (int k = 0; k < 5; ++k) {
    p.setBrush(baubles[k]);
    p.drawEllipse(spots[k], 1.8, 1.8);
  }
  p.setBrush(art::kGoldLight);
  p.drawPath(Star(QPointF(27, 11), 5, 5, 2.1));
}

void Nativity(QPainter& p) {
  PaintPanel(p, kNight, kNightLow);
  PaintStars(p, 12, QRectF(4, 30, 46, 20));
  Glow(p, QPointF(27, 22), 18, QColor(255, 240, 180));
  p.setBrush(QColor(0xFF, 0xF3, 0xC0));
  p.drawPath(Star(QPointF(27, 22), 4, 17, 2.2));
  p.setBrush(art::kGoldLight);
  p.drawPath(Star(QPointF(27, 22), 4, 8, 1.6, 45));
  // Hills and a stable roof.
  QPainterPath hills;
  hills.moveTo(1, 69);
  hills.lineTo(1, 58);
  hills.quadTo(15, 50, 28, 58);
  hills.quadTo(40, 52, 53, 57);
  hills.lineTo(53, 69);
  p.setBrush(QColor(0x1F, 0x2A, 0x50));
  p.drawPath(hills);
  QPainterPath roof;
  roof.moveTo(18, 58);
  roof.lineTo(27, 50);
  roof.lineTo(36, 58);
  roof.closeSubpath();
  p.setBrush(art::kWood);
  p.drawPath(roof);
  p.setBrush(QColor(0xFF, 0xD8, 0x70));
  p.drawRect(QRectF(22, 58, 10, 6));
}

void RaysBehind(QPainter& p, QPointF c, const QColor& colour) {
  p.save();
  p.setPen(QPen(colour, 1));
  for (int k = 0; k < 24; ++k) p.drawLine(Polar(c, 8, k * 15), Polar(c, 26, k * 15));
  p.restore();
}

// A gold cross in a glory of rays on a coloured panel.
void GoldCross(QPainter& p, const QColor& top, const QColor& bottom, QPointF glory, const QPainterPath& cross) {
  PaintPanel(p, top, bottom);
  RaysBehind(p, glory, QColor(255, 230, 160, 70));
  QLinearGradient gold(20, 0, 34, 0);
  gold.setColorAt(0, art::kGoldDark);
  gold.setColorAt(0.5, art::kGoldLight);
  gold.setColorAt(1, art::kGold);
  p.setPen(QPen(art::kGoldDark.darker(120), 0.7));
  p.setBrush(gold);
  p.drawPath(cross.simplified());
}

void LatinCross(QPainter& p) {
  QPainterPath cross;
  cross.addRect(QRectF(24, 10, 6, 50));
  cross.addRect(QRectF(14, 21, 26, 6));
  GoldCross(p, QColor(0x5B, 0x2A, 0x86), QColor(0x2E, 0x12, 0x4A), QPointF(27, 30), cross);
}

void OrthodoxCross(QPainter& p) {
  QPainterPath cross;
  cross.addRect(QRectF(25, 7, 4.6, 55));
  cross.addRect(QRectF(20, 13, 14.6, 3.6));
  cross.addRect(QRectF(13, 22, 28.6, 4.6));
  QPainterPath foot;  // the slanted foot bar
  foot.moveTo(17, 48);
  foot.lineTo(37, 41);
  foot.lineTo(38, 44.5);
  foot.lineTo(18, 51.5);
  foot.closeSubpath();
  GoldCross(p, QColor(0x1C, 0x3F, 0x8C), QColor(0x0D, 0x1F, 0x4A), QPointF(27, 28), cross.united(foot));
}

void OrthodoxEaster(QPainter& p) {
  PaintPanel(p, QColor(0xFF, 0xF1, 0xD6), QColor(0xF5, 0xD9, 0xA0));
  // Kulich: a tall cake with white icing and sprinkles.
  p.setPen(QPen(QColor(0x7A, 0x40, 0x10), 0.6));
  QLinearGradient crust(14, 0, 40, 0);
  crust.setColorAt(0, QColor(0xA8, 0x62, 0x20));
  crust.setColorAt(0.5, QColor(0xE0, 0x9A, 0x48));
  crust.setColorAt(1, QColor(0x98, 0x55, 0x1A));
  p.setBrush(crust);
  p.drawRect(QRectF(15, 24, 24, 28));
  QPainterPath icing;
  icing.moveTo(14, 26);
  icing.cubicTo(14, 12, 40, 12, 40, 26);
  icing.quadTo(37, 31, 34, 27);
  icing.quadTo(30, 32, 27, 27);
  icing.quadTo(23, 32, 20, 27);
  icing.quadTo(17, 31, 14, 26);
  p.setPen(QPen(QColor(0xD8, 0xD0, 0xC0), 0.5));
  p.setBrush(QColor(0xFF, 0xFF, 0xFA));
  p.drawPath(icing);
  const QColor sprinkles[] = {art::kCardRed, QColor(0x3A, 0x9A, 0x3A), art::kGold, QColor(0x40, 0x70, 0xD0)};
  p.setPen(Qt::NoPen);
  for (int k = 0; k < 9; ++k) {
    p.setBrush(sprinkles[k % 4]);
    p.drawEllipse(QPointF(18 + k * 2.3, 19 + (k * 7) % 5), 0.7, 0.7);
  }
  Egg(p, QPointF(11, 57), 11, 14, art::kCardRed, art::kGoldLight);
  Egg(p, QPointF(43, 57), 11, 14, art::kDeepRed, art::kGoldLight);
  Egg(p, QPointF(27, 60), 12, 15, QColor(0xD4, 0x20, 0x30), Qt::white);
}

void CatholicEaster(QPainter& p) {
  PaintPanel(p, QColor(0xDD, 0xF3, 0xFF), QColor(0xB6, 0xE3, 0x9C));
  // Grass, then the eggs in a wicker basket.
  Egg(p, QPointF(17, 36), 11, 14, QColor(0xF2, 0x8C, 0xB8), Qt::white);
  Egg(p, QPointF(37, 35), 11, 14, QColor(0x8C, 0xC8, 0xF2), QColor(0xFF, 0xF0, 0x90));
  Egg(p, QPointF(27, 31), 12, 15, QColor(0xF8, 0xD8, 0x50), QColor(0x60, 0xA0, 0xE0));
  QPainterPath basket;
  basket.moveTo(6, 40);
  basket.lineTo(48, 40);
  basket.lineTo(42, 62);
  basket.lineTo(12, 62);
  basket.closeSubpath();
  p.setPen(QPen(QColor(0x6B, 0x42, 0x14), 0.8));
  p.setBrush(QColor(0xC8, 0x8A, 0x3C));
  p.drawPath(basket);
  p.save();
  p.setClipPath(basket, Qt::IntersectClip);
  p.setPen(QPen(QColor(0x8A, 0x58, 0x20), 0.8));
  for (int k = 0; k < 6; ++k) p.drawLine(QPointF(4, 43 + k * 4), QPointF(50, 43 + k * 4));
  for (int k = 0; k < 10; ++k) p.drawLine(QPointF(6 + k * 5, 40), QPointF(10 + k * 4, 62));
  p.restore();
  p.setPen(QPen(QColor(0x3A, 0xA0, 0x40), 1));
  for (int k = 0; k < 14; ++k) p.drawLine(QPointF(7 + k * 3, 40), QPointF(8 + k * 3 + (k % 2 ? 1.5 : -1.5), 35.5));
  p.setPen(QPen(QColor(0x8A, 0x58, 0x20), 2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(10, 14, 34, 50), 20 * 16, 140 * 16);
}

void Pancakes(QPainter& p) {
  PaintPanel(p, QColor(0xBF, 0xE4, 0xFF), QColor(0xFF, 0xF4, 0xDE));
  // The sun of the spring that Maslenitsa greets.
  p.setPen(QPen(QColor(0xFF, 0xB0, 0x20), 1.4));
  for (int k = 0; k < 12; ++k) p.drawLine(Polar(QPointF(27, 18), 10, k * 30), Polar(QPointF(27, 18), 14, k * 30));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xC8, 0x30));
  p.drawEllipse(QPointF(27, 18), 8, 8);
  p.setBrush(QColor(0x4A, 0x70, 0xB8));
  p.drawEllipse(QRectF(5, 55, 44, 10));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(7, 55, 40, 8));
  for (int k = 0; k < 5; ++k) {
    p.setPen(QPen(QColor(0xB8, 0x70, 0x20), 0.5));
    p.setBrush(k % 2 ? QColor(0xF0, 0xB8, 0x58) : QColor(0xE8, 0xA8, 0x48));
    p.drawEllipse(QRectF(10, 53 - k * 3.2, 34, 7));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xF0, 0x90));
  p.drawRoundedRect(QRectF(22, 37.5, 10, 4), 1, 1);
}

void Candle(QPainter& p) {
  PaintPanel(p, QColor(0x1A, 0x10, 0x2A), QColor(0x3A, 0x22, 0x30));
  Flame(p, QPointF(27, 24), 13);
  QLinearGradient wax(20, 0, 34, 0);
  wax.setColorAt(0, QColor(0xE8, 0xDC, 0xC0));
  wax.setColorAt(0.4, QColor(0xFF, 0xFB, 0xF0));
  wax.setColorAt(1, QColor(0xC8, 0xB8, 0x98));
  p.setPen(Qt::NoPen);
  p.setBrush(wax);
  p.drawRoundedRect(QRectF(21, 25, 12, 32), 2, 2);
  p.setPen(QPen(art::kInk, 0.9));
  p.drawLine(QPointF(27, 25), QPointF(27, 22.5));
  p.setPen(Qt::NoPen);
  p.setBrush(art::kGold);
  p.drawEllipse(QRectF(12, 56, 30, 7));
  p.setBrush(art::kGoldDark);
  p.drawRect(QRectF(19, 55, 16, 3));
}

void Birch(QPainter& p) {
  PaintPanel(p, QColor(0xD8, 0xF0, 0xFF), QColor(0xB8, 0xE0, 0x90));
  for (const double x : {14.0, 36.0}) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF6, 0xF4, 0xEE));
    p.drawRect(QRectF(x, 10, 5, 56));
    p.setBrush(art::kInk);
    for (int k = 0; k < 7; ++k) p.drawRect(QRectF(x + (k % 2 ? 2.5 : 0), 14 + k * 7.5, 2.5, 1.2));
  }
  p.setBrush(QColor(0x5C, 0xB8, 0x40));
  for (int k = 0; k < 22; ++k) {
    const QPointF c(6 + std::fmod(k * 13.7, 42), 6 + std::fmod(k * 7.3, 26));
    DrawTurnedEllipse(p, c, 5.2, 3, k * 37);
  }
}

void Apple(QPainter& p) {
  PaintPanel(p, QColor(0xFF, 0xF6, 0xD8), QColor(0xF0, 0xE0, 0xB0));
  QPainterPath apple;
  apple.moveTo(27, 24);
  apple.cubicTo(36, 16, 48, 24, 45, 40);
  apple.cubicTo(43, 54, 33, 60, 27, 55);
  apple.cubicTo(21, 60, 11, 54, 9, 40);
  apple.cubicTo(6, 24, 18, 16, 27, 24);
  QRadialGradient g(QPointF(20, 32), 30);
  g.setColorAt(0, QColor(0xFF, 0x70, 0x60));
  g.setColorAt(0.6, QColor(0xD0, 0x18, 0x20));
  g.setColorAt(1, QColor(0x80, 0x08, 0x10));
  p.setPen(QPen(QColor(0x70, 0x08, 0x10), 0.7));
  p.setBrush(g);
  p.drawPath(apple);
  p.setPen(QPen(art::kWood, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(27, 24), QPointF(29, 14));
  p.setPen(Qt::NoPen);
  p.setBrush(kLeaf);
  DrawTurnedEllipse(p, QPointF(33, 15), 10, 5, -25);
  p.setBrush(QColor(255, 255, 255, 120));
  p.drawEllipse(QRectF(15, 30, 5, 8));
}

void Lantern(QPainter& p) {
  PaintPanel(p, kNight, kNightLow);
  PaintStars(p, 10, QRectF(4, 4, 46, 20));
  p.setPen(QPen(art::kWood, 1.6));
  p.drawLine(QPointF(6, 10), QPointF(30, 22));
  p.setPen(QPen(art::kInk, 0.7));
  p.drawLine(QPointF(27, 20.5), QPointF(27, 26));
  Glow(p, QPointF(27, 42), 22, QColor(255, 170, 60));
  QRadialGradient paper(QPointF(27, 42), 16);
  paper.setColorAt(0, QColor(0xFF, 0xE8, 0x90));
  paper.setColorAt(1, QColor(0xF0, 0x80, 0x20));
  p.setPen(QPen(QColor(0xA0, 0x40, 0x10), 0.7));
  p.setBrush(paper);
  p.drawEllipse(QRectF(15, 27, 24, 30));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(21, 27, 12, 30));
  p.setPen(Qt::NoPen);
  p.setBrush(art::kCardRed);
  p.drawRect(QRectF(19, 25.5, 16, 3));
  p.drawRect(QRectF(19, 55.5, 16, 3));
}

void GiftBox(QPainter& p) {
  PaintPanel(p, QColor(0xE6, 0xF4, 0xE8), QColor(0xC0, 0xE0, 0xC8));
  p.setPen(QPen(QColor(0x70, 0x08, 0x10), 0.7));
  p.setBrush(art::kCardRed);
  p.drawRect(QRectF(10, 32, 34, 28));
  p.setBrush(art::kCardRed.lighter(115));
  p.drawRect(QRectF(8, 25, 38, 8));
  p.setPen(Qt::NoPen);
  p.setBrush(art::kGold);
  p.drawRect(QRectF(24.5, 25, 5, 35));
  p.drawRect(QRectF(10, 43, 34, 4));
  p.setPen(QPen(art::kGoldDark, 0.8));
  p.setBrush(art::kGoldLight);
  p.drawEllipse(QRectF(14, 15, 13, 10));
  p.drawEllipse(QRectF(27, 15, 13, 10));
  p.setBrush(art::kGold);
  p.drawEllipse(QPointF(27, 24), 3, 2.6);
}

void Pumpkin(QPainter& p) {
  PaintPanel(p, QColor(0x1E, 0x10, 0x36), QColor(0x48, 0x20, 0x40));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xF4, 0xC0));
  p.drawEllipse(QPointF(42, 12), 6, 6);
  p.setBrush(QColor(0x1E, 0x10, 0x36));
  p.drawEllipse(QPointF(39.5, 10.5), 5, 5);
  p.setBrush(QColor(0x3A, 0x6A, 0x20));
  p.drawRect(QRectF(25, 20, 4, 7));
  const QColor orange(0xF2, 0x7A, 0x10);
  p.setPen(QPen(orange.darker(150), 0.7));
  for (const auto& lobe : {QRectF(8, 26, 22, 34), QRectF(24, 26, 22, 34), QRectF(15, 25, 24, 36)}) {
    QRadialGradient g(lobe.center() - QPointF(3, 5), 20);
    g.setColorAt(0, orange.lighter(130));
    g.setColorAt(1, orange.darker(120));
    p.setBrush(g);
    p.drawEllipse(lobe);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xE0, 0x50));
  QPainterPath face;
  face.addPolygon(QPolygonF({{18, 37}, {23, 37}, {20.5, 32}}));
  face.addPolygon(QPolygonF({{31, 37}, {36, 37}, {33.5, 32}}));
  face.moveTo(16, 45);
  face.quadTo(27, 56, 38, 45);
  face.lineTo(34, 47);
  face.lineTo(31, 45.5);
  face.lineTo(27, 48);
  face.lineTo(23, 45.5);
  face.lineTo(20, 47);
  face.closeSubpath();
  p.drawPath(face);
}

void Turkey(QPainter& p) {
  PaintPanel(p, QColor(0xFF, 0xEC, 0xC8), QColor(0xE8, 0xC0, 0x80));
  const QColor feathers[] = {QColor(0xC0, 0x30, 0x20), QColor(0xE8, 0x8A, 0x20), QColor(0xF0, 0xC0, 0x30),
                             QColor(0x8A, 0x50, 0x20)};
  p.setPen(QPen(QColor(0x50, 0x28, 0x10), 0.5));
  for (int k = 0; k < 9; ++k) {
    p.save();
    p.translate(27, 42);
    p.rotate(-80 + k * 20);
    p.setBrush(feathers[k % 4]);
    p.drawEllipse(QRectF(-4, -24, 8, 22));
    p.restore();
  }
  p.setBrush(QColor(0x7A, 0x46, 0x20));
  p.drawEllipse(QRectF(17, 34, 20, 22));
  p.setBrush(QColor(0x9A, 0x60, 0x30));
  p.drawEllipse(QRectF(22, 24, 10, 12));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(25, 28.5), 1.6, 1.6);
  p.drawEllipse(QPointF(29, 28.5), 1.6, 1.6);
  p.setBrush(art::kInk);
  p.drawEllipse(QPointF(25, 28.7), 0.8, 0.8);
  p.drawEllipse(QPointF(29, 28.7), 0.8, 0.8);
  p.setBrush(QColor(0xF0, 0xB0, 0x20));
  p.drawPolygon(QPolygonF({{25.5, 31}, {28.5, 31}, {27, 33.5}}));
  p.setBrush(art::kCardRed);
  p.drawEllipse(QRectF(27.3, 32, 2.4, 5));
  p.setPen(QPen(QColor(0xD0, 0x90, 0x20), 1.2));
  p.drawLine(QPointF(23, 56), QPointF(22, 62));
  p.drawLine(QPointF(31, 56), QPointF(32, 62));
}

void Fireworks(QPainter& p) {
  PaintPanel(p, kNight, kNightLow);
  struct Burst {
    QPointF c;
    double r;
    QColor colour;
  };
  const Burst bursts[] = {{{17, 20}, 11, QColor(0xFF, 0x60, 0x60)},
                          {{38, 28}, 12, QColor(0xFF, 0xE0, 0x60)},
                          {{22, 46}, 9, QColor(0x70, 0xD0, 0xFF)}};
  for (const Burst& b : bursts) {
    Glow(p, b.c, b.r, b.colour);
    p.setPen(QPen(b.colour, 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 16; ++k) p.drawLine(Polar(b.c, b.r * 0.3, k * 22.5), Polar(b.c, b.r, k * 22.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int k = 0; k < 16; k += 2) p.drawEllipse(Polar(b.c, b.r + 1, k * 22.5), 0.6, 0.6);
  }
  p.setPen(QPen(QColor(0xFF, 0xE0, 0x60, 150), 0.7, Qt::DotLine));
  p.drawLine(QPointF(38, 40), QPointF(40, 66));
}

void Shamrock(QPainter& p) {
  PaintPanel(p, QColor(0xF0, 0xFF, 0xE8), QColor(0xC8, 0xEC, 0xB8));
  p.setPen(QPen(QColor(0x1E, 0x6B, 0x2A), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(27, 36), QPointF(31, 62));
  const QColor green(0x2E, 0xA0, 0x40);
  for (const double angle : {90.0, 210.0, 330.0}) {
    p.save();
    p.translate(27, 34);
    p.rotate(90 - angle);
    QPainterPath heart;
    heart.moveTo(0, -1);
    heart.cubicTo(-3, -8, -13, -6, -10, -14);
    heart.cubicTo(-8, -19, -2, -18, 0, -14);
    heart.cubicTo(2, -18, 8, -19, 10, -14);
    heart.cubicTo(13, -6, 3, -8, 0, -1);
    QRadialGradient g(QPointF(0, -12), 12);
    g.setColorAt(0, green.lighter(140));
    g.setColorAt(1, green.darker(120));
    p.setPen(QPen(green.darker(160), 0.6));
    p.setBrush(g);
    p.drawPath(heart);
    p.restore();
  }
}

void Crown(QPainter& p) {
  PaintPanel(p, QColor(0x9E, 0x12, 0x3E), QColor(0x5A, 0x08, 0x22));
  QPainterPath crown;
  crown.moveTo(9, 48);
  crown.lineTo(6, 22);
  crown.lineTo(17, 34);
  crown.lineTo(27, 16);
  crown.lineTo(37, 34);
  crown.lineTo(48, 22);
  crown.lineTo(45, 48);
  crown.closeSubpath();
  QLinearGradient gold(0, 16, 0, 48);
  gold.setColorAt(0, art::kGoldLight);
  gold.setColorAt(1, art::kGoldDark);
  p.setPen(QPen(art::kGoldDark.darker(130), 0.8));
  p.setBrush(gold);
  p.drawPath(crown);
  p.drawRoundedRect(QRectF(8, 47, 38, 7), 2, 2);
  p.setPen(Qt::NoPen);
  for (const QPointF c : {QPointF(6, 22), QPointF(27, 16), QPointF(48, 22)}) {
    p.setBrush(Qt::white);
    p.drawEllipse(c, 2.2, 2.2);
  }
  const QColor jewels[] = {QColor(0x20, 0x60, 0xD0), art::kCardRed, QColor(0x20, 0xA0, 0x50)};
  for (int k = 0; k < 3; ++k) {
    p.setBrush(jewels[k]);
    p.drawEllipse(QPointF(16 + k * 11, 50.5), 2.2, 2.2);
  }
}

void Dove(QPainter& p) {
  PaintPanel(p, QColor(0x8E, 0xC8, 0xF0), QColor(0xDE, 0xF0, 0xFF));
  Glow(p, QPointF(27, 32), 24, QColor(255, 255, 230));
  QPainterPath body;
  body.moveTo(8, 38);
  body.cubicTo(14, 32, 24, 34, 32, 36);
  body.cubicTo(36, 30, 42, 28, 46, 32);
  body.lineTo(50, 33);
  body.lineTo(46, 35);
  body.cubicTo(44, 42, 36, 46, 26, 45);
  body.lineTo(12, 50);
  body.lineTo(14, 44);
  body.closeSubpath();
  QPainterPath wing;
  wing.moveTo(22, 37);
  wing.cubicTo(16, 24, 22, 12, 34, 8);
  wing.cubicTo(30, 18, 34, 28, 32, 37);
  wing.closeSubpath();
  p.setPen(QPen(QColor(0x70, 0x90, 0xB0), 0.7));
  p.setBrush(Qt::white);
  p.drawPath(wing);
  p.drawPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(art::kInk);
  p.drawEllipse(QPointF(44, 32), 0.9, 0.9);
  // The olive twig.
  p.setPen(QPen(QColor(0x5A, 0x7A, 0x20), 0.9));
  p.drawLine(QPointF(49, 34), QPointF(42, 52));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x6E, 0x9A, 0x30));
  for (int k = 0; k < 4; ++k) {
    DrawTurnedEllipse(p, QPointF(47 - k * 1.8, 38 + k * 4), 2.4, 6, k % 2 ? 40 : -40);
  }
}

}  // namespace

bool PaintFeast(QPainter& p, const QString& name) {
  static const Painters kPainters = {
      {"R_NEWYEAR", NewYear},       {"R_ROGDEST", Nativity},       {"R_KATKRES", LatinCross},
      {"R_PRAKRES", OrthodoxCross}, {"R_PASHA00", OrthodoxEaster}, {"R_PASHAK0", CatholicEaster},
      {"R_BLINY00", Pancakes},      {"R_CANDLE0", Candle},         {"R_BIRCH00", Birch},
      {"R_APPLE00", Apple},         {"R_LANTERN", Lantern},        {"R_GIFTBOX", GiftBox},
      {"R_HALLO00", Pumpkin},       {"R_USABLAG", Turkey},         {"R_FIREWRK", Fireworks},
      {"R_CLOVER0", Shamrock},      {"R_CROWN00", Crown},          {"R_DOVE000", Dove}};
  return PaintFromTable(p, name, kPainters);
}

}  // namespace tavlo::calendar_art
