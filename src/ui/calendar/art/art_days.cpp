#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <map>

#include "ui/calendar/art/calendar_art.h"
#include "ui/pictures/art_common.h"
#include "ui/pictures/art_palette.h"

namespace tavlo::calendar_art {

namespace {

const QColor kSpace(0x08, 0x0C, 0x24);
const QColor kSpaceLow(0x1A, 0x22, 0x50);

QPainterPath Heart(QPointF c, double size) {
  const double s = size / 20;
  QPainterPath heart;
  heart.moveTo(c + QPointF(0, 7 * s));
  heart.cubicTo(c + QPointF(-12 * s, -1 * s), c + QPointF(-9 * s, -12 * s), c + QPointF(0, -5 * s));
  heart.cubicTo(c + QPointF(9 * s, -12 * s), c + QPointF(12 * s, -1 * s), c + QPointF(0, 7 * s));
  return heart;
}

void Love(QPainter& p) {
  PaintPanel(p, QColor(0xFF, 0xE4, 0xEC), QColor(0xF8, 0xB8, 0xCC));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF0, 0x80, 0xA0));
  p.drawPath(Heart(QPointF(12, 14), 10));
  p.drawPath(Heart(QPointF(43, 56), 9));
  QRadialGradient g(QPointF(21, 28), 28);
  g.setColorAt(0, QColor(0xFF, 0x60, 0x70));
  g.setColorAt(1, QColor(0xB0, 0x08, 0x20));
  p.setPen(QPen(QColor(0x80, 0x04, 0x14), 0.8));
  p.setBrush(g);
  p.drawPath(Heart(QPointF(27, 36), 44));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 130));
  p.drawEllipse(QRectF(14, 26, 6, 4));
}

void Tulip(QPainter& p, QPointF top, const QColor& colour, double lean) {
  p.setPen(QPen(QColor(0x2E, 0x8B, 0x3A), 1.4));
  p.drawLine(top + QPointF(0, 8), QPointF(27 + lean * 0.2, 64));
  QPainterPath cup;
  cup.moveTo(top + QPointF(-5, -2));
  cup.lineTo(top + QPointF(-2.5, 1));
  cup.lineTo(top + QPointF(0, -3));
  cup.lineTo(top + QPointF(2.5, 1));
  cup.lineTo(top + QPointF(5, -2));
  cup.cubicTo(top + QPointF(6, 6), top + QPointF(3, 9), top + QPointF(0, 9));
  cup.cubicTo(top + QPointF(-3, 9), top + QPointF(-6, 6), top + QPointF(-5, -2));
  p.setPen(QPen(colour.darker(150), 0.6));
  p.setBrush(colour);
  p.drawPath(cup);
}

void Women(QPainter& p) {
  PaintPanel(p, QColor(0xFF, 0xF0, 0xF4), QColor(0xE8, 0xD8, 0xF8));
  Tulip(p, QPointF(16, 22), QColor(0xE8, 0x30, 0x50), -10);
  Tulip(p, QPointF(38, 22), QColor(0xF8, 0xC0, 0x30), 10);
  Tulip(p, QPointF(27, 14), QColor(0xF0, 0x70, 0xA8), 0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3E, 0xA0, 0x4A));
  DrawTurnedEllipse(p, QPointF(22, 52), 5, 18, -30);
  p.setBrush(QColor(0xC8, 0x40, 0x90));
  p.drawRect(QRectF(22, 56, 10, 3));
}

void Mask(QPainter& p, QPointF c, const QColor& colour, bool smiling, double turn) {
  p.save();
  p.translate(c);
  p.rotate(turn);
  QPainterPath face;
  face.moveTo(-10, -12);
  face.quadTo(0, -16, 10, -12);
  face.quadTo(12, 6, 0, 14);
  face.quadTo(-12, 6, -10, -12);
  QLinearGradient g(-10, 0, 10, 0);
  g.setColorAt(0, colour.darker(120));
  g.setColorAt(0.5, colour.lighter(130));
  g.setColorAt(1, colour);
  p.setPen(QPen(colour.darker(180), 0.7));
  p.setBrush(g);
  p.drawPath(face);
  p.setPen(Qt::NoPen);
  p.setBrush(art::kInk);
  for (const double x : {-4.5, 4.5}) {
    QPainterPath eye;
    eye.addEllipse(QPointF(x, -4), 2.6, smiling ? 1.4 : 1.8);
    p.drawPath(eye);
  }
  QPainterPath mouth;
  if (smiling) {
    mouth.moveTo(-6, 3);
    mouth.quadTo(0, 12, 6, 3);
    mouth.quadTo(0, 7, -6, 3);
  } else {
    mouth.moveTo(-5, 8);
    mouth.quadTo(0, 1, 5, 8);
    mouth.quadTo(0, 5, -5, 8);
  }
  p.drawPath(mouth);
  p.restore();
}

void Theatre(QPainter& p) {
  PaintPanel(p, QColor(0x7A, 0x10, 0x20), QColor(0x3A, 0x06, 0x10));
  // Curtain folds.
  p.setPen(QPen(QColor(0xA0, 0x20, 0x30), 1.2));
  for (int k = 0; k < 7; ++k) p.drawLine(QPointF(5 + k * 7.3, 3), QPointF(5 + k * 7.3, 67));
  Mask(p, QPointF(20, 30), QColor(0xD4, 0xA8, 0x3A), true, -14);
  Mask(p, QPointF(35, 42), QColor(0xC8, 0xC8, 0xD8), false, 14);
  p.setPen(QPen(art::kGoldLight, 0.8));
  p.drawLine(QPointF(12, 22), QPointF(8, 60));
}

void Globe(QPainter& p, QPointF c, double r) {
  QRadialGradient sea(c - QPointF(r * 0.35, r * 0.4), r * 1.5);
  sea.setColorAt(0, QColor(0x7C, 0xC8, 0xFF));
  sea.setColorAt(1, QColor(0x10, 0x50, 0xA0));
  p.setPen(QPen(QColor(0x08, 0x30, 0x70), 0.8));
  p.setBrush(sea);
  p.drawEllipse(c, r, r);
  QPainterPath disc;
  disc.addEllipse(c, r, r);
  p.save();
  p.setClipPath(disc, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x4C, 0xA8, 0x48));
  const double s = r / 18;
  QPainterPath land;
  land.moveTo(c + QPointF(-14 * s, -10 * s));
  land.cubicTo(c + QPointF(-6 * s, -16 * s), c + QPointF(-2 * s, -6 * s), c + QPointF(-7 * s, -1 * s));
  land.cubicTo(c + QPointF(-4 * s, 6 * s), c + QPointF(-8 * s, 14 * s), c + QPointF(-10 * s, 8 * s));
  land.cubicTo(c + QPointF(-16 * s, 2 * s), c + QPointF(-18 * s, -6 * s), c + QPointF(-14 * s, -10 * s));
  land.moveTo(c + QPointF(2 * s, -14 * s));
  land.cubicTo(c + QPointF(12 * s, -16 * s), c + QPointF(18 * s, -6 * s), c + QPointF(12 * s, -2 * s));
  land.cubicTo(c + QPointF(10 * s, 4 * s), c + QPointF(6 * s, 12 * s), c + QPointF(3 * s, 6 * s));
  land.cubicTo(c + QPointF(0, 0), c + QPointF(-2 * s, -10 * s), c + QPointF(2 * s, -14 * s));
  p.drawPath(land);
  p.setPen(QPen(QColor(255, 255, 255, 60), 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r * 0.45, r);
  p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
  p.restore();
}

void Earth(QPainter& p) {
  PaintPanel(p, kSpace, kSpaceLow);
  PaintStars(p, 16, QRectF(3, 3, 48, 64));
  QRadialGradient halo(QPointF(27, 35), 24);
  halo.setColorAt(0.75, QColor(120, 200, 255, 110));
  halo.setColorAt(1, QColor(120, 200, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(QPointF(27, 35), 24, 24);
  Globe(p, QPointF(27, 35), 18);
}

void Book(QPainter& p) {
  PaintPanel(p, QColor(0xFD, 0xF3, 0xDC), QColor(0xE8, 0xD4, 0xA8));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x6A, 0x1A, 0x1A));
  p.drawRoundedRect(QRectF(4, 22, 46, 34), 2, 2);
  for (const bool left : {true, false}) {
    QPainterPath page;
    const double x0 = left ? 6 : 48, xm = 27;
    page.moveTo(xm, 25);
    page.quadTo((x0 + xm) / 2, 18, x0, 22);
    page.lineTo(x0, 52);
    page.quadTo((x0 + xm) / 2, 48, xm, 54);
    page.closeSubpath();
    p.setPen(QPen(QColor(0xB0, 0xA0, 0x80), 0.5));
    p.setBrush(art::kIvory);
    p.drawPath(page);
    p.setPen(QPen(QColor(0x80, 0x80, 0x90), 0.5));
    for (int k = 0; k < 6; ++k) {
      const double y = 27 + k * 4;
      p.drawLine(QPointF(left ? 9 : 30, y), QPointF(left ? 24 : 45, y));
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(art::kCardRed);
  QPainterPath mark;
  mark.moveTo(36, 21);
  mark.lineTo(40, 21);
  mark.lineTo(40, 34);
  mark.lineTo(38, 31.5);
  mark.lineTo(36, 34);
  mark.closeSubpath();
  p.drawPath(mark);
  // A quill above the book.
  p.setPen(QPen(QColor(0x60, 0x50, 0x40), 0.7));
  p.setBrush(Qt::white);
  QPainterPath quill;
  quill.moveTo(12, 18);
  quill.cubicTo(20, 4, 32, 2, 42, 4);
  quill.cubicTo(34, 8, 24, 12, 12, 18);
  p.drawPath(quill);
}

void MayDay(QPainter& p) {
  PaintPanel(p, QColor(0x9C, 0xD8, 0xFF), QColor(0xD8, 0xF2, 0xFF));
  p.setPen(QPen(QColor(0xFF, 0xC0, 0x30), 1.3));
  for (int k = 0; k < 12; ++k) {
    const double a = k * 30 * M_PI / 180;
    p.drawLine(QPointF(38 + 9 * std::cos(a), 18 + 9 * std::sin(a)),
               QPointF(38 + 13 * std::cos(a), 18 + 13 * std::sin(a)));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xD0, 0x40));
  p.drawEllipse(QPointF(38, 18), 7, 7);
  p.setBrush(QColor(0x58, 0xB0, 0x48));
  QPainterPath hill;
  hill.moveTo(1, 69);
  hill.lineTo(1, 50);
  hill.quadTo(27, 38, 53, 52);
  hill.lineTo(53, 69);
  p.drawPath(hill);
  // A red flag and blossoms on the hill.
  p.setBrush(art::kWood);
  p.drawRect(QRectF(13, 18, 1.6, 30));
  p.setBrush(art::kCardRed);
  QPainterPath flag;
  flag.moveTo(14.6, 18);
  flag.quadTo(21, 16, 27, 20);
  flag.lineTo(27, 30);
  flag.quadTo(21, 26, 14.6, 28);
  flag.closeSubpath();
  p.drawPath(flag);
  const QColor blossoms[] = {Qt::white, QColor(0xFF, 0xE0, 0x40), QColor(0xFF, 0x90, 0xB0)};
  for (int k = 0; k < 9; ++k) {
    p.setBrush(blossoms[k % 3]);
    p.drawEllipse(QPointF(8 + k * 4.8, 56 + (k * 5) % 9), 1.4, 1.4);
  }
}

void Balloons(QPainter& p) {
  PaintPanel(p, QColor(0xA8, 0xDC, 0xFF), QColor(0xE8, 0xF8, 0xFF));
  struct Balloon {
    QPointF c;
    QColor colour;
  };
  const Balloon balloons[] = {
      {{16, 22}, QColor(0xF0, 0x40, 0x40)}, {{38, 20}, QColor(0x40, 0x90, 0xF0)}, {{27, 34}, QColor(0xF8, 0xC8, 0x30)}};
  for (const Balloon& b : balloons) {
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.6));
    p.drawLine(b.c + QPointF(0, 10), QPointF(27, 64));
    QRadialGradient g(b.c - QPointF(3, 4), 12);
    g.setColorAt(0, b.colour.lighter(150));
    g.setColorAt(1, b.colour.darker(115));
    p.setPen(QPen(b.colour.darker(150), 0.6));
    p.setBrush(g);
    p.drawEllipse(b.c, 8, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(b.colour.darker(130));
    p.drawPolygon(QPolygonF({b.c + QPointF(-1.5, 11.5), b.c + QPointF(1.5, 11.5), b.c + QPointF(0, 9.5)}));
  }
}

void Programmer(QPainter& p) {
  PaintPanel(p, QColor(0xE4, 0xEC, 0xF4), QColor(0xB8, 0xC8, 0xD8));
  p.setPen(QPen(QColor(0x30, 0x34, 0x40), 0.8));
  p.setBrush(QColor(0x48, 0x4C, 0x58));
  p.drawRoundedRect(QRectF(5, 12, 44, 32), 2.5, 2.5);
  p.setBrush(QColor(0x0C, 0x24, 0x18));
  p.drawRect(QRectF(8, 15, 38, 26));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x48, 0x4C, 0x58));
  p.drawRect(QRectF(23, 44, 8, 6));
  p.drawRoundedRect(QRectF(14, 50, 26, 3), 1.5, 1.5);
  // The 256th day, in the screen's green.
  art::DrawFittedText(p, QRectF(8, 16, 38, 12), "256", art::PixelFont("DejaVu Sans Mono", 11),
                      QColor(0x60, 0xFF, 0x90));
  art::DrawFittedText(p, QRectF(8, 28, 38, 11), "{ 0x100 }", art::PixelFont("DejaVu Sans Mono", 7, false),
                      QColor(0x60, 0xD0, 0x80));
  p.setBrush(QColor(0xD8, 0xDC, 0xE4));
  p.setPen(QPen(QColor(0x80, 0x88, 0x98), 0.5));
  p.drawRoundedRect(QRectF(8, 56, 38, 9), 1.5, 1.5);
  for (int row = 0; row < 2; ++row) {
    for (int k = 0; k < 9; ++k) p.drawRect(QRectF(10 + k * 3.9, 57.5 + row * 3.5, 2.8, 2.4));
  }
}

void Music(QPainter& p) {
  PaintPanel(p, QColor(0xFF, 0xF8, 0xE4), QColor(0xF0, 0xE0, 0xB8));
  p.setPen(QPen(QColor(0x60, 0x50, 0x40), 0.6));
  for (int k = 0; k < 5; ++k) p.drawLine(QPointF(4, 40 + k * 4), QPointF(50, 40 + k * 4));
  p.setPen(Qt::NoPen);
  p.setBrush(art::kInk);
  DrawTurnedEllipse(p, QPointF(16, 52), 8, 6, -20);
  DrawTurnedEllipse(p, QPointF(36, 48), 8, 6, -20);
  p.drawRect(QRectF(18.6, 22, 1.6, 30));
  p.drawRect(QRectF(38.6, 18, 1.6, 30));
  QPainterPath beam;
  beam.moveTo(18.6, 22);
  beam.lineTo(40.2, 18);
  beam.lineTo(40.2, 23);
  beam.lineTo(18.6, 27);
  beam.closeSubpath();
  p.drawPath(beam);
  p.setBrush(art::kCardRed);
  DrawTurnedEllipse(p, QPointF(9, 20), 5, 4, -20);
  p.drawRect(QRectF(10.2, 8, 1, 11));
}

void Sputnik(QPainter& p) {
  PaintPanel(p, kSpace, kSpaceLow);
  PaintStars(p, 18, QRectF(3, 3, 48, 64));
  Globe(p, QPointF(40, 70), 22);  // the Earth rising from the lower corner
  p.setPen(QPen(QColor(0xC8, 0xC8, 0xD0), 0.9, Qt::SolidLine, Qt::RoundCap));
  const QPointF c(22, 26);
  for (const QPointF end : {QPointF(48, 34), QPointF(46, 44), QPointF(44, 16), QPointF(40, 50)}) p.drawLine(c, end);
  QRadialGradient metal(c - QPointF(3, 3), 10);
  metal.setColorAt(0, Qt::white);
  metal.setColorAt(1, QColor(0x80, 0x84, 0x90));
  p.setPen(QPen(QColor(0x50, 0x54, 0x60), 0.6));
  p.setBrush(metal);
  p.drawEllipse(c, 7, 7);
}

void MoonLanding(QPainter& p) {
  PaintPanel(p, kSpace, kSpaceLow);
  PaintStars(p, 14, QRectF(3, 3, 48, 36));
  Globe(p, QPointF(14, 16), 7);
  QPainterPath ground;
  ground.moveTo(1, 69);
  ground.lineTo(1, 46);
  ground.quadTo(27, 36, 53, 44);
  ground.lineTo(53, 69);
  QLinearGradient grey(0, 40, 0, 69);
  grey.setColorAt(0, QColor(0xC8, 0xC8, 0xC4));
  grey.setColorAt(1, QColor(0x70, 0x70, 0x6C));
  p.setPen(Qt::NoPen);
  p.setBrush(grey);
  p.drawPath(ground);
  p.setBrush(QColor(0x90, 0x90, 0x8C));
  p.drawEllipse(QRectF(8, 54, 10, 4));
  p.drawEllipse(QRectF(30, 60, 14, 5));
  // The lander and a flag beside it.
  p.setBrush(art::kGold);
  p.drawRect(QRectF(24, 32, 12, 8));
  p.setBrush(QColor(0xD8, 0xD8, 0xE0));
  p.drawPolygon(QPolygonF({{26, 32}, {34, 32}, {32, 26}, {28, 26}}));
  p.setPen(QPen(QColor(0xB0, 0xB0, 0xB8), 1));
  p.drawLine(QPointF(24, 40), QPointF(20, 46));
  p.drawLine(QPointF(36, 40), QPointF(40, 46));
  p.setPen(QPen(Qt::white, 0.8));
  p.drawLine(QPointF(45, 44), QPointF(45, 28));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(45, 28, 7, 5));
  p.setBrush(art::kCardRed);
  p.drawRect(QRectF(45, 29, 7, 1));
  p.drawRect(QRectF(45, 31, 7, 1));
}

void Rocket(QPainter& p) {
  PaintPanel(p, kSpace, kSpaceLow);
  PaintStars(p, 18, QRectF(3, 3, 48, 64));
  p.save();
  p.translate(27, 36);
  p.rotate(30);
  QRadialGradient fire(QPointF(0, 20), 10);
  fire.setColorAt(0, QColor(255, 240, 160));
  fire.setColorAt(1, QColor(255, 100, 20, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(fire);
  p.drawEllipse(QRectF(-6, 14, 12, 18));
  QPainterPath body;
  body.moveTo(0, -24);
  body.cubicTo(7, -16, 6, 4, 5, 16);
  body.lineTo(-5, 16);
  body.cubicTo(-6, 4, -7, -16, 0, -24);
  QLinearGradient metal(-6, 0, 6, 0);
  metal.setColorAt(0, QColor(0xA0, 0xA4, 0xB0));
  metal.setColorAt(0.4, Qt::white);
  metal.setColorAt(1, QColor(0x90, 0x94, 0xA0));
  p.setPen(QPen(QColor(0x50, 0x54, 0x60), 0.6));
  p.setBrush(metal);
  p.drawPath(body);
  p.setBrush(art::kCardRed);
  p.drawPolygon(QPolygonF({{-5, 8}, {-11, 18}, {-5, 16}}));
  p.drawPolygon(QPolygonF({{5, 8}, {11, 18}, {5, 16}}));
  QPainterPath nose;
  nose.moveTo(0, -24);
  nose.cubicTo(3.5, -20, 4.6, -17, 5, -15);
  nose.lineTo(-5, -15);
  nose.cubicTo(-4.6, -17, -3.5, -20, 0, -24);
  p.drawPath(nose);
  p.setBrush(QColor(0x60, 0xB0, 0xF0));
  p.drawEllipse(QPointF(0, -6), 2.6, 2.6);
  p.restore();
}

void Poppy(QPainter& p) {
  PaintPanel(p, QColor(0xF4, 0xEE, 0xE0), QColor(0xD8, 0xCC, 0xB0));
  p.setPen(QPen(QColor(0x2E, 0x6B, 0x2A), 1.6));
  p.drawLine(QPointF(27, 34), QPointF(24, 64));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3E, 0x8B, 0x3A));
  DrawTurnedEllipse(p, QPointF(20, 54), 4, 12, -40);
  const QColor red(0xD8, 0x18, 0x18);
  for (int k = 0; k < 4; ++k) {
    const double a = (45 + k * 90) * M_PI / 180;
    QRadialGradient g(QPointF(27 + 8 * std::cos(a), 26 - 8 * std::sin(a)), 12);
    g.setColorAt(0, red.lighter(130));
    g.setColorAt(1, red.darker(130));
    p.setBrush(g);
    p.drawEllipse(QPointF(27 + 7 * std::cos(a), 26 - 7 * std::sin(a)), 10, 10);
  }
  p.setBrush(art::kInk);
  p.drawEllipse(QPointF(27, 26), 4.5, 4.5);
  p.setBrush(QColor(0x3E, 0x8B, 0x3A));
  p.drawEllipse(QPointF(27, 26), 1.6, 1.6);
}

void Student(QPainter& p) {
  PaintPanel(p, QColor(0xE8, 0xEE, 0xFF), QColor(0xC8, 0xD4, 0xF0));
  // Diploma scroll with a red ribbon.
  p.setPen(QPen(QColor(0xB0, 0xA0, 0x80), 0.6));
  p.setBrush(art::kIvory);
  p.drawRoundedRect(QRectF(8, 48, 38, 9), 4.5, 4.5);
  p.setBrush(art::kIvoryShade);
  p.drawEllipse(QRectF(42, 48, 5, 9));
  p.setPen(Qt::NoPen);
  p.setBrush(art::kCardRed);
  p.drawRect(QRectF(24, 48, 4, 9));
  // Mortarboard.
  p.setBrush(art::kInk);
  p.drawPolygon(QPolygonF({{27, 12}, {50, 22}, {27, 32}, {4, 22}}));
  p.setBrush(QColor(0x30, 0x30, 0x3A));
  QPainterPath cap;
  cap.moveTo(15, 27);
  cap.lineTo(15, 36);
  cap.quadTo(27, 42, 39, 36);
  cap.lineTo(39, 27);
  cap.lineTo(27, 32);
  cap.closeSubpath();
  p.drawPath(cap);
  p.setPen(QPen(art::kGold, 1));
  p.drawLine(QPointF(27, 22), QPointF(44, 26));
  p.drawLine(QPointF(44, 26), QPointF(44, 38));
  p.setPen(Qt::NoPen);
  p.setBrush(art::kGold);
  p.drawRect(QRectF(42.8, 36, 2.4, 5));
}

void VictoryOrder(QPainter& p) {
  PaintPanel(p, QColor(0xFF, 0xF4, 0xE0), QColor(0xF0, 0xDC, 0xB8));
  // The St George ribbon: black and orange stripes in a loop.
  p.save();
  p.translate(27, 40);
  p.rotate(-35);
  const QRectF band(-26, -5, 52, 10);
  p.fillRect(band, QColor(0xF0, 0x80, 0x10));
  for (const double y : {-3.6, -0.7, 2.2}) p.fillRect(QRectF(band.left(), y, band.width(), 1.6), art::kInk);
  p.restore();
  // The red star with gold edges.
  QPainterPath star;
  for (int k = 0; k < 10; ++k) {
    const double a = (90 + k * 36) * M_PI / 180;
    const double r = k % 2 == 0 ? 17 : 7;
    const QPointF v(27 + r * std::cos(a), 30 - r * std::sin(a));
    if (k == 0)
      star.moveTo(v);
    else
      star.lineTo(v);
  }
  star.closeSubpath();
  QRadialGradient g(QPointF(24, 26), 18);
  g.setColorAt(0, QColor(0xFF, 0x50, 0x40));
  g.setColorAt(1, QColor(0xA0, 0x08, 0x10));
  p.setPen(QPen(art::kGold, 1.4));
  p.setBrush(g);
  p.drawPath(star);
  p.setPen(QPen(art::kGoldDark, 0.6));
  p.setBrush(art::kGold);
  p.drawEllipse(QPointF(27, 30), 3.2, 3.2);
}

void BerlinWall(QPainter& p) {
  PaintPanel(p, QColor(0x20, 0x30, 0x60), QColor(0x60, 0x70, 0xA0));
  PaintStars(p, 8, QRectF(4, 4, 46, 14));
  QPainterPath wall;
  wall.addRect(QRectF(2, 24, 50, 40));
  QPainterPath gap;
  gap.moveTo(22, 24);
  gap.lineTo(34, 24);
  gap.lineTo(32, 36);
  gap.lineTo(36, 46);
  gap.lineTo(30, 64);
  gap.lineTo(24, 64);
  gap.lineTo(27, 48);
  gap.lineTo(21, 38);
  gap.closeSubpath();
  wall = wall.subtracted(gap);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xB8, 0xB4, 0xA8));
  p.drawPath(wall);
  p.save();
  p.setClipPath(wall, Qt::IntersectClip);
  p.setPen(QPen(QColor(0x80, 0x7C, 0x70), 0.6));
  for (int row = 0; row < 8; ++row) {
    const double y = 24 + row * 5;
    p.drawLine(QPointF(2, y), QPointF(52, y));
    for (int k = 0; k < 6; ++k) {
      const double x = 2 + k * 9 + (row % 2) * 4.5;
      p.drawLine(QPointF(x, y), QPointF(x, y + 5));
    }
  }
  // Graffiti strokes.
  p.setPen(QPen(QColor(0xE0, 0x40, 0x80), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(6, 50), QPointF(14, 44));
  p.setPen(QPen(QColor(0x30, 0xA0, 0xE0), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(40, 54), QPointF(48, 48));
  p.restore();
  // The light of the other side through the breach.
  QLinearGradient light(0, 24, 0, 64);
  light.setColorAt(0, QColor(0xFF, 0xE8, 0xA0));
  light.setColorAt(1, QColor(0xFF, 0xB0, 0x50));
  p.setBrush(light);
  p.drawPath(gap);
}

void FathersTie(QPainter& p) {
  PaintPanel(p, QColor(0xF0, 0xF4, 0xFA), QColor(0xD0, 0xDC, 0xEC));
  // Shirt collar and a striped tie.
  p.setPen(QPen(QColor(0xA0, 0xA8, 0xB8), 0.7));
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({{27, 14}, {12, 8}, {16, 22}}));
  p.drawPolygon(QPolygonF({{27, 14}, {42, 8}, {38, 22}}));
  QPainterPath tie;
  tie.moveTo(23, 14);
  tie.lineTo(31, 14);
  tie.lineTo(29, 20);
  tie.lineTo(35, 52);
  tie.lineTo(27, 62);
  tie.lineTo(19, 52);
  tie.lineTo(25, 20);
  tie.closeSubpath();
  p.setPen(QPen(QColor(0x10, 0x20, 0x50), 0.7));
  p.setBrush(art::kRoyalBlue);
  p.drawPath(tie);
  p.save();
  p.setClipPath(tie, Qt::IntersectClip);
  p.setPen(QPen(art::kGold, 1.4));
  for (int k = 0; k < 8; ++k) p.drawLine(QPointF(10, 18 + k * 6), QPointF(44, 30 + k * 6));
  p.restore();
}

void Caravel(QPainter& p) {
  PaintPanel(p, QColor(0x9C, 0xD4, 0xF8), QColor(0x2A, 0x70, 0xB0));
  QPainterPath hull;
  hull.moveTo(6, 46);
  hull.lineTo(48, 44);
  hull.quadTo(44, 56, 36, 57);
  hull.lineTo(16, 57);
  hull.quadTo(9, 54, 6, 46);
  p.setPen(QPen(QColor(0x40, 0x20, 0x08), 0.7));
  p.setBrush(QColor(0x8A, 0x50, 0x20));
  p.drawPath(hull);
  p.setPen(QPen(art::kWood, 1.2));
  for (const double x : {17.0, 29.0, 40.0}) p.drawLine(QPointF(x, 46), QPointF(x, x == 29.0 ? 10 : 18));
  for (const auto& sail : {QRectF(11, 20, 12, 16), QRectF(22, 12, 14, 22), QRectF(35, 20, 10, 16)}) {
    p.setPen(QPen(QColor(0xB0, 0xA0, 0x80), 0.6));
    p.setBrush(art::kIvory);
    p.drawRoundedRect(sail, 2, 2);
    p.setPen(QPen(art::kCardRed, 1.4));
    p.drawLine(QPointF(sail.center().x(), sail.top() + 3), QPointF(sail.center().x(), sail.bottom() - 3));
    p.drawLine(QPointF(sail.left() + 3, sail.center().y() - 2), QPointF(sail.right() - 3, sail.center().y() - 2));
  }
  p.setPen(QPen(QColor(255, 255, 255, 160), 1));
  p.setBrush(Qt::NoBrush);
  for (int k = 0; k < 5; ++k) p.drawArc(QRectF(2 + k * 11, 58, 10, 6), 0, 180 * 16);
}

}  // namespace

bool PaintDay(QPainter& p, const QString& name) {
  static const Painters kPainters = {{"R_LOVE000", Love},       {"R_WOMEN00", Women},       {"R_THEATRE", Theatre},
                                     {"R_EARTH00", Earth},      {"R_BOOK000", Book},        {"R_MAYDAY0", MayDay},
                                     {"R_CHILDRN", Balloons},   {"R_ALLPROG", Programmer},  {"R_MUSIC00", Music},
                                     {"R_SPUTNIK", Sputnik},    {"R_MOON000", MoonLanding}, {"R_KOSMOS0", Rocket},
                                     {"R_POPPY00", Poppy},      {"R_STUDENT", Student},     {"R_RUSORDN", VictoryOrder},
                                     {"R_DEUWALL", BerlinWall}, {"R_FATHER0", FathersTie},  {"R_SHIP000", Caravel}};
  return PaintFromTable(p, name, kPainters);
}

}  // namespace tavlo::calendar_art
