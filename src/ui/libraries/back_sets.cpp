#include "ui/libraries/back_sets.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "ui/libraries/motifs.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/card_art.h"
#include "ui/pictures/suit_shapes.h"

namespace tavlo::libraries {

namespace {

// Ten field colours; each set starts at its own place so that neighbouring sets differ.
QColor FieldColour(int set, int back) {
  static const QColor colours[10] = {QColor(0x9E, 0x12, 0x1E), QColor(0x1F, 0x3A, 0x8A), QColor(0x1E, 0x6B, 0x3A),
                                     QColor(0x6E, 0x15, 0x38), QColor(0x15, 0x2A, 0x52), QColor(0x0E, 0x5E, 0x63),
                                     QColor(0x5A, 0x2A, 0x7A), QColor(0x7A, 0x42, 0x12), QColor(0x2B, 0x2B, 0x33),
                                     QColor(0xB0, 0x3A, 0x12)};
  return colours[(back - 1 + set * 3) % 10];
}

// Patterns drawn over the whole field in design units (the field is 100 wide).
void Lattice(QPainter& p, const QRectF& f, QColor ink, double step) {
  p.setPen(QPen(ink, 0.7));
  for (double d = -f.height(); d < f.width() + f.height(); d += step) {
    p.drawLine(QPointF(f.left() + d, f.top()), QPointF(f.left() + d + f.height(), f.bottom()));
    p.drawLine(QPointF(f.left() + d, f.bottom()), QPointF(f.left() + d + f.height(), f.top()));
  }
}

void Rosettes(QPainter& p, const QRectF& f, QColor ink, double step) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  int row = 0;
  for (double y = f.top() + step / 2; y < f.bottom(); y += step, ++row) {
    for (double x = f.left() + (row % 2 ? step : step / 2); x < f.right(); x += step) {
      const double r = step * 0.16;
      for (const QPointF d : {QPointF(r, 0), QPointF(-r, 0), QPointF(0, r), QPointF(0, -r)}) {
        p.drawEllipse(QPointF(x, y) + d, r, r);
      }
    }
  }
}

void Checks(QPainter& p, const QRectF& f, QColor ink, double step) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  int row = 0;
  for (double y = f.top(); y < f.bottom(); y += step, ++row) {
    int col = 0;
    for (double x = f.left(); x < f.right(); x += step, ++col) {
      if ((row + col) % 2 == 0) p.drawRect(QRectF(x, y, step, step));
    }
  }
}

void Crosses(QPainter& p, const QRectF& f, QColor ink, double step) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  int row = 0;
  for (double y = f.top() + step / 2; y < f.bottom() + step; y += step, ++row) {
    for (double x = f.left() + (row % 2 ? 0 : step / 2); x < f.right() + step; x += step) {
      const double a = step * 0.32;
      const double b = step * 0.1;
      p.drawRect(QRectF(x - a, y - b, 2 * a, 2 * b));
      p.drawRect(QRectF(x - b, y - a, 2 * b, 2 * a));
    }
  }
}

void Argyle(QPainter& p, const QRectF& f, QColor ink, QColor line, double step) {
  p.setPen(Qt::NoPen);
  int row = 0;
  for (double y = f.top(); y < f.bottom() + step; y += step * 0.75, ++row) {
    for (double x = f.left() + (row % 2 ? step / 2 : 0); x < f.right() + step; x += step) {
      QPolygonF diamond({QPointF(x, y - step * 0.75), QPointF(x + step / 2, y), QPointF(x, y + step * 0.75),
                         QPointF(x - step / 2, y)});
      p.setBrush(row % 2 ? ink : ink.darker(125));
      p.drawPolygon(diamond);
    }
  }
  QPen dash(line, 0.5, Qt::DashLine);
  p.setPen(dash);
  Lattice(p, f, line, step);
}

void Chevrons(QPainter& p, const QRectF& f, QColor ink, double step) {
  p.setPen(QPen(ink, step * 0.22, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  for (double y = f.top() - step; y < f.bottom() + step; y += step * 0.7) {
    QPainterPath zig;
    zig.moveTo(f.left() - step, y);
    bool up = true;
    for (double x = f.left() - step; x <= f.right() + step; x += step / 2, up = !up)
      zig.lineTo(x, y + (up ? -1 : 1) * step / 4);
    p.drawPath(zig);
  }
}

void Kilim(QPainter& p, const QRectF& f, QColor a, QColor b) {
  const double band = f.width() / 9;
  QRectF r = f;
  for (int k = 0; r.width() > band && r.height() > band; ++k) {
    p.setPen(Qt::NoPen);
    p.setBrush(k % 2 ? a : b);
    p.drawRect(r);
    // Teeth along the band.
    p.setBrush(k % 2 ? b : a);
    const double t = band / 3;
    for (double x = r.left() + t; x < r.right() - t; x += 2 * t) {
      p.drawPolygon(QPolygonF({QPointF(x, r.top()), QPointF(x + t / 2, r.top() + t), QPointF(x + t, r.top())}));
      p.drawPolygon(
          QPolygonF({QPointF(x, r.bottom()), QPointF(x + t / 2, r.bottom() - t), QPointF(x + t, r.bottom())}));
    }
    r.adjust(band * 0.8, band * 0.8, -band * 0.8, -band * 0.8);
  }
}

void Sprinkle(QPainter& p, const QRectF& f, QColor ink, double step, int seed) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  unsigned state = 2654435761u * static_cast<unsigned>(seed + 7);
  for (double y = f.top(); y < f.bottom(); y += step) {
    for (double x = f.left(); x < f.right(); x += step) {
      state = state * 1664525u + 1013904223u;
      const double jx = ((state >> 8) % 100) / 100.0 * step;
      const double jy = ((state >> 16) % 100) / 100.0 * step;
      p.drawPath(StarPath(QPointF(x + jx, y + jy), step * 0.14, 5));
    }
  }
}

void Curls(QPainter& p, const QRectF& f, QColor gold, QColor red) {
  // Khokhloma-like: a gold vine with red berries and leaves winding up the field.
  p.setBrush(Qt::NoBrush);
  QPainterPath vine;
  vine.moveTo(f.center().x(), f.bottom());
  for (int k = 0; k < 6; ++k) {
    const double y0 = f.bottom() - f.height() * k / 6;
    const double y1 = f.bottom() - f.height() * (k + 1) / 6;
    const double side = k % 2 ? -1 : 1;
    vine.cubicTo(f.center().x() + side * f.width() * 0.35, y0, f.center().x() + side * f.width() * 0.35, y1,
                 f.center().x(), y1);
  }
  p.setPen(QPen(gold, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(vine);
  for (int k = 0; k < 12; ++k) {
    const QPointF at = vine.pointAtPercent((k + 0.5) / 12.0);
    const double side = k % 2 ? -1 : 1;
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.save();
    p.translate(at);
    p.rotate(side * 55);
    p.drawEllipse(QPointF(side * 5, 0), 5, 2);
    p.restore();
    p.setBrush(red);
    p.drawEllipse(at + QPointF(-side * 6, -2), 2.6, 2.6);
    p.setBrush(red.lighter(150));
    p.drawEllipse(at + QPointF(-side * 6 - 0.8, -2.8), 0.8, 0.8);
  }
}

// A medallion of the stock's colour holding a motif.
void Medallion(QPainter& p, QPointF c, double rx, double ry, QColor rim, QColor ground) {
  p.setPen(QPen(rim, 1.4));
  p.setBrush(ground);
  p.drawEllipse(c, rx, ry);
  p.setPen(QPen(rim, 0.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, rx - 2, ry - 2);
}

}  // namespace

QImage PaintLibraryBack(int set, int back, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const art::CardShape shape = art::ShapeForSize(size);
  art::PaintCardStock(p, QSizeF(size), shape);
  // Design units: 100 across, the height follows the card.
  const double unit = size.width() / 100.0;
  p.scale(unit, unit);
  const double h = size.height() / unit;
  const double margin = 6.5;
  const QRectF field(margin, margin, 100 - 2 * margin, h - 2 * margin);
  const QColor colour = FieldColour(set, back);
  const QColor light = colour.lighter(165);
  const QColor gold = art::kGold;
  QLinearGradient shade(field.topLeft(), field.bottomRight());
  shade.setColorAt(0, colour.lighter(115));
  shade.setColorAt(1, colour.darker(120));
  p.save();
  QPainterPath clip;
  clip.addRoundedRect(field, 4, 4);
  p.setClipPath(clip);
  p.fillRect(field, shade);
  const QPointF c = field.center();
  QColor faint = light;
  faint.setAlpha(110);
  switch (set) {
    case 1:
      Rosettes(p, field, faint, 12);
      Medallion(p, c, 24, 30, gold, colour.darker(130));
      p.setPen(Qt::NoPen);
      p.setBrush(gold);
      p.drawPath(FleurPath(c, 20));
      break;
    case 2:
      Lattice(p, field, faint, 6);
      Medallion(p, c, 26, 34, gold, art::kIvory);
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      p.drawPath(CrownPath(c, 30));
      break;
    case 3:
      Kilim(p, field, colour, colour.lighter(150));
      p.setPen(Qt::NoPen);
      p.setBrush(gold);
      p.drawPath(StarPath(c, 12, 8));
      break;
    case 4:
      Crosses(p, field, faint, 14);
      p.setPen(QPen(gold, 1.2));
      p.setBrush(colour.darker(140));
      p.drawEllipse(c, 20, 20);
      p.setPen(Qt::NoPen);
      p.setBrush(gold);
      p.drawRect(QRectF(c.x() - 14, c.y() - 4, 28, 8));
      p.drawRect(QRectF(c.x() - 4, c.y() - 14, 8, 28));
      break;
    case 5: {
      QColor dark = colour.darker(160);
      Checks(p, field, dark, 100.0 / 8);
      Medallion(p, c, 24, 28, gold, art::kIvory);
      DrawGlyph(p, c, 34, QString(QChar(0x2654 + (back - 1) % 6)), colour.darker(150));
      break;
    }
    case 6:
      Argyle(p, field, colour, gold, 22);
      break;
    case 7:
      Chevrons(p, field, faint, 16);
      p.setPen(QPen(gold, 1.5));
      p.setBrush(colour.darker(150));
      p.drawPath(ShieldPath(c, 40));
      p.setPen(Qt::NoPen);
      p.setBrush(gold);
      p.drawRect(QRectF(c.x() - 2.5, c.y() - 14, 5, 28));
      p.drawRect(QRectF(c.x() - 11, c.y() - 6, 22, 5));
      break;
    case 8:
      Sprinkle(p, field, faint, 11, back);
      Medallion(p, c, 33, 40, gold, art::kIvory);
      PaintAnimal(p, c, 46, back, colour.darker(130));
      break;
    case 9:
      Sprinkle(p, field, faint, 12, back + 20);
      Medallion(p, c, 33, 40, gold, colour.darker(150));
      PaintFlower(p, c, 44, back, colour.lighter(190));
      break;
    case 10:
      PaintPlace(p, field, back, colour);
      break;
    case 11: {
      Sprinkle(p, field, faint, 10, back + 40);
      Medallion(p, c, 30, 36, gold, art::kIvory);
      static const char16_t glyphs[10] = {0x2600, 0x263E, 0x2605, 0x2744, 0x266B,
                                          0x2693, 0x2655, 0x2602, 0x2708, 0x2618};
      DrawGlyph(p, c, 38, QString(QChar(glyphs[(back - 1) % 10])), colour.darker(130));
      break;
    }
    default: {
      // Khokhloma grounds: black, cinnabar and gold, each day with its own berries.
      static const QColor grounds[7] = {QColor(0x16, 0x12, 0x10), QColor(0xA8, 0x14, 0x16), QColor(0x16, 0x12, 0x10),
                                        QColor(0x1E, 0x3A, 0x22), QColor(0xC8, 0x92, 0x2A), QColor(0x16, 0x12, 0x10),
                                        QColor(0x8A, 0x10, 0x14)};
      static const QColor berries[7] = {QColor(0xC8, 0x18, 0x1E), QColor(0x16, 0x12, 0x10), QColor(0xE0, 0x60, 0x10),
                                        QColor(0xC8, 0x18, 0x1E), QColor(0xA8, 0x14, 0x16), QColor(0x3C, 0x8F, 0x55),
                                        QColor(0xF0, 0xCF, 0x6A)};
      const QColor ground = grounds[(back - 1) % 7];
      p.fillRect(field, ground);
      Curls(p, field, ground == QColor(0xC8, 0x92, 0x2A) ? QColor(0x16, 0x12, 0x10) : gold, berries[(back - 1) % 7]);
      break;
    }
  }
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(gold, 1.2));
  p.drawRoundedRect(field, 4, 4);
  p.setPen(QPen(art::kGoldLight, 0.5));
  p.drawRoundedRect(field.adjusted(2.2, 2.2, -2.2, -2.2), 3, 3);
  p.end();
  if (shape == art::CardShape::Filled) art::CutClassicCorners(image);
  return image;
}

}  // namespace tavlo::libraries
