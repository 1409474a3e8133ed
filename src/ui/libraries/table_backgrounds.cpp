#include "ui/libraries/table_backgrounds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/libraries/motifs.h"
#include "ui/pictures/suit_shapes.h"

namespace tavlo::libraries {

namespace {

QColor BaseColour(int colour) {
  static const QColor colours[7] = {QColor(0x1E, 0x6B, 0x3A), QColor(0x8A, 0x16, 0x20), QColor(0xB0, 0x52, 0x0E),
                                    QColor(0xA8, 0x86, 0x10), QColor(0x2A, 0x7A, 0xB0), QColor(0x15, 0x2A, 0x6A),
                                    QColor(0x5A, 0x2A, 0x7A)};
  return colours[std::clamp(colour, 0, 6)];
}

// A cheap, repeatable pixel hash for grain.
double Grain(int x, int y, unsigned seed) {
  unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0 - 0.5;
}

// Adds grain (and the darkening `shade(x, y)` returns, 0..1) to every pixel.
template <typename Shade>
void Texture(QImage& image, double amount, unsigned seed, Shade shade) {
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double k = 1.0 + Grain(x, y, seed) * amount - shade(x, y);
      const auto ch = [k](int v) { return std::clamp(static_cast<int>(std::lround(v * k)), 0, 255); };
      line[x] = qRgb(ch(qRed(line[x])), ch(qGreen(line[x])), ch(qBlue(line[x])));
    }
  }
}

void Vignette(QPainter& p, QSizeF s, int alpha) {
  QRadialGradient dark(QPointF(s.width() / 2, s.height() / 2), std::hypot(s.width(), s.height()) / 2);
  dark.setColorAt(0.55, QColor(0, 0, 0, 0));
  dark.setColorAt(1.0, QColor(0, 0, 0, alpha));
  p.fillRect(QRectF(QPointF(0, 0), s), dark);
}

}  // namespace

QImage PaintTableBackground(int number, int colour, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  const QColor base = BaseColour(colour);
  image.fill(base);
  const QSizeF s(size);
  const double u = s.width() / 760.0;  // design pixels of the small window
  const unsigned seed = static_cast<unsigned>(number * 7 + colour);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  switch (number) {
    case 1: {  // sun: rays from a bright centre
      QRadialGradient glow(QPointF(s.width() / 2, s.height() / 2), s.width() * 0.7);
      glow.setColorAt(0, base.lighter(175));
      glow.setColorAt(1, base.darker(140));
      p.fillRect(image.rect(), glow);
      p.setPen(Qt::NoPen);
      const QPointF c(s.width() / 2, s.height() / 2);
      const double r = s.width();
      for (int k = 0; k < 36; k += 2) {
        const double a0 = k * std::numbers::pi / 18;
        const double a1 = (k + 1) * std::numbers::pi / 18;
        p.setBrush(QColor(255, 255, 255, 18));
        p.drawPolygon(QPolygonF(
            {c, c + QPointF(r * std::cos(a0), r * std::sin(a0)), c + QPointF(r * std::cos(a1), r * std::sin(a1))}));
      }
      break;
    }
    case 2:  // felt
      p.end();
      Texture(image, 0.16, seed, [&](int x, int y) {
        const double dx = x / s.width() - 0.5, dy = y / s.height() - 0.5;
        return (dx * dx + dy * dy) * 0.5;
      });
      return image;
    case 3: {  // gradient
      QLinearGradient g(0, 0, s.width(), s.height());
      g.setColorAt(0, base.lighter(160));
      g.setColorAt(0.5, base);
      g.setColorAt(1, base.darker(190));
      p.fillRect(image.rect(), g);
      break;
    }
    case 4: {  // cloth: a plain weave
      p.end();
      const double pitch = std::max(2.0, 3.0 * u);
      Texture(image, 0.08, seed, [&](int x, int y) {
        const double wx = std::sin(x / pitch * std::numbers::pi);
        const double wy = std::sin(y / pitch * std::numbers::pi);
        return 0.09 * (wx * wy > 0 ? wx * wx : wy * wy);
      });
      return image;
    }
    case 5: {  // carpet: a field of lozenges inside a border
      const double step = 60 * u;
      p.setPen(Qt::NoPen);
      int row = 0;
      for (double y = 0; y < s.height() + step; y += step / 2, ++row) {
        for (double x = row % 2 ? step / 2 : 0; x < s.width() + step; x += step) {
          p.setBrush(row % 4 < 2 ? base.darker(125) : base.lighter(115));
          p.drawPolygon(QPolygonF({QPointF(x, y - step / 2), QPointF(x + step / 2, y), QPointF(x, y + step / 2),
                                   QPointF(x - step / 2, y)}));
          p.setBrush(base.lighter(150));
          p.drawEllipse(QPointF(x, y), step * 0.07, step * 0.07);
        }
      }
      p.setBrush(Qt::NoBrush);
      for (int k = 0; k < 3; ++k) {
        p.setPen(QPen(k == 1 ? base.lighter(160) : base.darker(170), (k == 1 ? 4 : 8) * u));
        const double m = (12 + k * 8) * u;
        p.drawRect(QRectF(m, m, s.width() - 2 * m, s.height() - 2 * m));
      }
      break;
    }
    case 6: {  // tree: planks with grain
      p.end();
      const double plank = 95 * u;
      Texture(image, 0.06, seed, [&](int x, int y) {
        const int board = static_cast<int>(y / plank);
        const double yy = y - board * plank;
        const double wave = std::sin((x + board * 137.0) / (70 * u)) * 6 * u + std::sin(x / (23 * u)) * 1.5 * u;
        // Fine grain lines riding on broader bands of late wood.
        const double fine = 0.5 + 0.5 * std::sin((yy + wave) / (1.1 * u) + board);
        const double broad = 0.5 + 0.5 * std::sin((yy + wave * 1.7) / (7.0 * u) + board * 2.1);
        const double seam = yy < 1.6 * u ? 0.35 : 0.0;
        return fine * 0.07 + broad * 0.1 + seam - 0.08 + (board % 2) * 0.04;
      });
      return image;
    }
    case 7: {  // casino: felt, a gold rail and the four suits
      QRadialGradient light(QPointF(s.width() / 2, s.height() * 0.45), s.width() * 0.65);
      light.setColorAt(0, base.lighter(130));
      light.setColorAt(1, base.darker(150));
      p.fillRect(image.rect(), light);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(0xD4, 0xA8, 0x3A, 150), 3 * u));
      p.drawEllipse(QRectF(60 * u, 50 * u, s.width() - 120 * u, s.height() - 100 * u));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 22));
      const double side = 70 * u;
      for (int suit = 0; suit < 4; ++suit) {
        const QPointF at(s.width() / 2 + (suit - 1.5) * side * 1.5, s.height() / 2);
        p.drawPath(art::SuitPath(suit, QRectF(at.x() - side / 2, at.y() - side / 2, side, side)));
      }
      break;
    }
    case 8: {  // pattern: tone-on-tone fleurs
      p.setPen(Qt::NoPen);
      p.setBrush(base.lighter(118));
      const double step = 48 * u;
      int row = 0;
      for (double y = step / 2; y < s.height() + step; y += step * 0.8, ++row) {
        for (double x = row % 2 ? step / 2 : 0; x < s.width() + step; x += step)
          p.drawPath(FleurPath(QPointF(x, y), step * 0.5));
      }
      break;
    }
    case 9: {  // silk: soft diagonal sheen
      p.end();
      Texture(image, 0.02, seed, [&](int x, int y) {
        const double t = (x * 0.8 + y) / (s.width() + s.height());
        return -0.22 * std::sin(t * 9 + std::sin(t * 23) * 0.6) * std::sin(t * 9 + std::sin(t * 23) * 0.6) + 0.08;
      });
      return image;
    }
    default: {  // ornament: rosettes in a lattice
      p.setPen(QPen(base.lighter(135), 1.4 * u));
      p.setBrush(Qt::NoBrush);
      const double step = 76 * u;
      for (double y = 0; y < s.height() + step; y += step) {
        for (double x = 0; x < s.width() + step; x += step) {
          p.drawEllipse(QPointF(x, y), step * 0.5, step * 0.5);
          p.drawPath(StarPath(QPointF(x + step / 2, y + step / 2), step * 0.22, 8));
        }
      }
      Vignette(p, s, 120);
      break;
    }
  }
  if (number != 10) Vignette(p, s, 70);
  p.end();
  // A light grain keeps the painted pictures from looking flat.
  Texture(image, 0.04, seed, [](int, int) { return 0.0; });
  return image;
}

}  // namespace tavlo::libraries
