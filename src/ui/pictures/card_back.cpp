#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "ui/pictures/art_palette.h"
#include "ui/pictures/card_art.h"
#include "ui/pictures/suit_shapes.h"

namespace tavlo::art {

namespace {

struct BackStyle {
  QColor field;
  QColor pattern;
  int kind;  // 0 lattice, 1 checks, 2 rings, 3 chevrons
};

// One back per weekday, Monday first; Sunday's is the festive one.
BackStyle StyleOf(int backNumber) {
  static const BackStyle styles[7] = {
      {QColor(0x9E, 0x12, 0x1E), QColor(0xE0, 0x9A, 0x9A), 0},  // deep red lattice
      {QColor(0x1F, 0x3A, 0x8A), QColor(0x9D, 0xB4, 0xE8), 1},  // blue checks
      {QColor(0x1E, 0x6B, 0x3A), QColor(0xA8, 0xD8, 0xA8), 2},  // green rings
      {QColor(0x6E, 0x15, 0x38), QColor(0xE6, 0xB8, 0x5C), 3},  // plum chevrons
      {QColor(0x15, 0x2A, 0x52), QColor(0xD4, 0xA8, 0x3A), 0},  // navy lattice in gold
      {QColor(0x0E, 0x5E, 0x63), QColor(0xA6, 0xDD, 0xD8), 1},  // teal checks
      {QColor(0xB0, 0x12, 0x24), QColor(0xF0, 0xCF, 0x6A), 2},  // crimson rings in gold
  };
  return styles[std::clamp(backNumber, 1, 7) - 1];
}

void PaintPattern(QPainter& p, const QRectF& field, const BackStyle& style, double unit) {
  p.save();
  p.setClipRect(field);
  QPen pen(style.pattern, std::max(0.6, unit / 7));
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  const double w = field.width();
  const double h = field.height();
  switch (style.kind) {
    case 0:
      for (double d = -h; d < w + h; d += unit) {
        p.drawLine(QPointF(field.left() + d, field.top()), QPointF(field.left() + d + h, field.bottom()));
        p.drawLine(QPointF(field.left() + d, field.bottom()), QPointF(field.left() + d + h, field.top()));
      }
      break;
    case 1: {
      QColor fill = style.pattern;
      fill.setAlpha(70);
      p.setPen(Qt::NoPen);
      p.setBrush(fill);
      int row = 0;
      for (double y = field.top(); y < field.bottom(); y += unit / 1.5, ++row) {
        int col = 0;
        for (double x = field.left(); x < field.right(); x += unit / 1.5, ++col) {
          if ((row + col) % 2 == 0) p.drawRect(QRectF(x, y, unit / 1.5, unit / 1.5));
        }
      }
      p.setPen(pen);
      break;
    }
    case 2:
      for (double y = field.top(); y < field.bottom() + unit; y += unit * 0.866) {
        const bool odd = static_cast<int>(std::lround((y - field.top()) / (unit * 0.866))) % 2 == 1;
        for (double x = field.left() + (odd ? unit / 2 : 0); x < field.right() + unit; x += unit) {
          p.drawEllipse(QPointF(x, y), unit * 0.36, unit * 0.36);
        }
      }
      break;
    default:
      for (double y = field.top() - unit; y < field.bottom() + unit; y += unit / 1.6) {
        QPainterPath zig;
        zig.moveTo(field.left(), y);
        bool up = true;
        for (double x = field.left(); x <= field.right() + unit; x += unit / 2) {
          zig.lineTo(x, y + (up ? -unit / 4 : unit / 4));
          up = !up;
        }
        p.drawPath(zig);
      }
      break;
  }
  p.restore();
}

// The centre medallion: a gold oval holding the four suits.
void PaintMedallion(QPainter& p, const QRectF& field, const BackStyle& style, double unit) {
  const QPointF c = field.center();
  const double rx = field.width() * 0.3;
  const double ry = field.height() * 0.22;
  p.setPen(QPen(kGoldDark, std::max(0.8, unit / 6)));
  QRadialGradient gold(c, std::max(rx, ry));
  gold.setColorAt(0, kGoldLight);
  gold.setColorAt(1, kGold);
  p.setBrush(gold);
  p.drawEllipse(c, rx, ry);
  p.setBrush(style.field);
  p.drawEllipse(c, rx * 0.8, ry * 0.8);
  const double side = std::min(rx, ry) * 0.62;
  const QPointF spots[4] = {{0, -ry * 0.4}, {rx * 0.4, 0}, {0, ry * 0.4}, {-rx * 0.4, 0}};
  p.setPen(Qt::NoPen);
  p.setBrush(kGoldLight);
  for (int s = 0; s < 4; ++s) {
    const QPointF at = c + spots[s];
    p.drawPath(SuitPath(s, QRectF(at.x() - side / 2, at.y() - side / 2, side, side)));
  }
}

}  // namespace

QImage PaintCardBack(int backNumber, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QSizeF s(size);
  const CardShape shape = ShapeForSize(size);
  PaintCardStock(p, s, shape);
  const BackStyle style = StyleOf(backNumber);
  const double margin = std::max(3.0, s.width() * 0.07);
  const QRectF field = QRectF(QPointF(0, 0), s).adjusted(margin, margin, -margin, -margin);
  const double r = CornerRadius(s) * 0.6;
  QLinearGradient shade(field.topLeft(), field.bottomRight());
  shade.setColorAt(0, style.field.lighter(112));
  shade.setColorAt(1, style.field.darker(112));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawRoundedRect(field, r, r);
  const double unit = std::max(5.0, s.width() / 9.0);
  PaintPattern(p, field, style, unit);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, std::max(1.0, s.width() / 70.0)));
  p.drawRoundedRect(field, r, r);
  const double inset = std::max(2.0, s.width() / 28.0);
  p.setPen(QPen(kGoldLight, std::max(0.6, s.width() / 200.0)));
  p.drawRoundedRect(field.adjusted(inset, inset, -inset, -inset), r, r);
  PaintMedallion(p, field, style, unit);
  p.end();
  if (shape == CardShape::Filled) CutClassicCorners(image);
  return image;
}

QImage CardForPainter(const QPainter& painter, int rank, int suitIndex, int backNumber, QSize designSize) {
  const QTransform& t = painter.worldTransform();
  const double scale = std::max(std::hypot(t.m11(), t.m12()), 0.01);
  const QSize size(std::max(1, static_cast<int>(std::lround(designSize.width() * scale))),
                   std::max(1, static_cast<int>(std::lround(designSize.height() * scale))));
  // Painting happens on the window's thread only; the cache lives for the program.
  static std::map<std::tuple<int, int, int, int, int>, QImage> cache;
  const auto key = std::make_tuple(rank, suitIndex, backNumber, size.width(), size.height());
  auto it = cache.find(key);
  if (it == cache.end()) {
    it = cache.emplace(key, backNumber > 0 ? PaintCardBack(backNumber, size) : PaintCardFace(rank, suitIndex, size))
             .first;
  }
  return it->second;
}

}  // namespace tavlo::art
