#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "ui/pictures/art_common.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

namespace {

// Digit sets of the clock ("GB") and of the seven statistics pages.
struct DigitSet {
  const char* prefix;
  QColor lit;
};
const DigitSet kDigitSets[] = {
    {"GB", QColor(0xFF, 0xD8, 0x70)},  // the clock: warm gold
    {"GR", QColor(0xFF, 0x40, 0x40)},  // red
    {"GA", QColor(0x40, 0xE8, 0xF0)},  // aqua
    {"GG", QColor(0x50, 0xF0, 0x60)},  // green
    {"GY", QColor(0xFF, 0xF0, 0x40)},  // yellow
    {"GV", QColor(0xD0, 0x70, 0xFF)},  // violet
    {"GL", QColor(0x90, 0xC8, 0xFF)},  // light blue
    {"GN", QColor(0xFF, 0x98, 0x30)},  // orange
};

// Seven segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr unsigned char kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

QPainterPath Segment(int index) {
  // In an 18 x 34 cell with a slight slant.
  const double t = 3.2;  // thickness
  struct Bar {
    QPointF a, b;
  };
  const Bar bars[7] = {{{4, 2}, {15, 2}},      {{16, 3.5}, {15.5, 15.5}}, {{15.5, 18.5}, {15, 30.5}},
                       {{3, 32}, {14, 32}},    {{2, 18.5}, {1.5, 30.5}},  {{2.5, 3.5}, {2, 15.5}},
                       {{3.5, 17}, {14.5, 17}}};
  const Bar& bar = bars[index];
  const QPointF along = bar.b - bar.a;
  const double length = std::hypot(along.x(), along.y());
  const QPointF u = along / length;
  const QPointF n(-u.y() * t / 2, u.x() * t / 2);
  QPainterPath path;
  path.moveTo(bar.a);
  path.lineTo(bar.a + u * (t / 2) + n);
  path.lineTo(bar.b - u * (t / 2) + n);
  path.lineTo(bar.b);
  path.lineTo(bar.b - u * (t / 2) - n);
  path.lineTo(bar.a + u * (t / 2) - n);
  path.closeSubpath();
  return path;
}

void PaintDigit(QPainter& p, int digit, const QColor& lit) {
  QColor unlit = lit;
  unlit.setAlpha(38);
  p.setPen(Qt::NoPen);
  for (int s = 0; s < 7; ++s) {
    const bool on = kSegments[digit] & (1 << s);
    p.setBrush(on ? lit : unlit);
    p.drawPath(Segment(s));
  }
}

void PaintColon(QPainter& p, const QColor& lit) {
  p.setPen(Qt::NoPen);
  p.setBrush(lit);
  p.drawEllipse(QPointF(2.5, 3), 2, 2);
  p.drawEllipse(QPointF(2.5, 13), 2, 2);
}

// The page mark of a statistics page: a lamp of the page's colour holding a suit.
void PaintMark(QPainter& p, const QColor& lit, int page) {
  QRadialGradient glow(QPointF(10, 9), 12);
  glow.setColorAt(0, lit.lighter(150));
  glow.setColorAt(1, lit.darker(160));
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
  p.setBrush(glow);
  p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
  DrawSuit(p, page % 4, QPointF(12, 12.5), 11, QColor(0x20, 0x18, 0x10, 200));
}

// Behind the digits: a dark glass panel in a brass bezel.
void PaintClockFace(QPainter& p) {
  const QRectF outer(1, 1, 113, 62);
  QLinearGradient brass(0, 0, 0, 64);
  brass.setColorAt(0, kGoldLight);
  brass.setColorAt(0.5, kGold);
  brass.setColorAt(1, kGoldDark);
  p.setPen(QPen(kGoldDark.darker(140), 1));
  p.setBrush(brass);
  p.drawRoundedRect(outer, 10, 10);
  const QRectF glass(7, 7, 101, 50);
  QLinearGradient dark(0, glass.top(), 0, glass.bottom());
  dark.setColorAt(0, QColor(0x26, 0x2A, 0x2E));
  dark.setColorAt(1, QColor(0x0C, 0x0E, 0x10));
  p.setBrush(dark);
  p.drawRoundedRect(glass, 6, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 22));
  p.drawRoundedRect(QRectF(9, 9, 97, 14), 5, 5);
}

}  // namespace

void AddClockPictures(Catalog& c) {
  c.Add("GClockBG", QSize(115, 64), [](QPainter& p, int) { PaintClockFace(p); });
  int page = 0;
  for (const DigitSet& set : kDigitSets) {
    const QString prefix = QString::fromLatin1(set.prefix);
    const QColor lit = set.lit;
    for (int digit = 0; digit <= 9; ++digit) {
      c.Add(QString("%1Clock%2").arg(prefix).arg(digit), QSize(18, 34),
            [digit, lit](QPainter& p, int) { PaintDigit(p, digit, lit); });
    }
    if (prefix == "GB") {
      c.Add("GBClockP", QSize(5, 16), [lit](QPainter& p, int) { PaintColon(p, lit); });
    } else {
      c.Add(prefix + "ClockM", QSize(24, 24), [lit, page](QPainter& p, int) { PaintMark(p, lit, page); });
    }
    ++page;
  }
}

}  // namespace tavlo::art
