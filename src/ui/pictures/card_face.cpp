#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "ui/pictures/art_palette.h"
#include "ui/pictures/card_art.h"
#include "ui/pictures/suit_shapes.h"

namespace tavlo::art {

namespace {

const char* RankLabel(int rank) {
  static const char* labels[14] = {"", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  return labels[rank];
}

QColor SuitColour(int suitIndex) { return IsRedSuit(suitIndex) ? kCardRed : kInk; }

// A pip centred at `centre` with height `side`, turned half round when `reversed`.
void PaintPip(QPainter& p, int suitIndex, QPointF centre, double side, bool reversed) {
  p.save();
  p.translate(centre);
  if (reversed) p.rotate(180);
  const QRectF box(-side / 2, -side / 2, side, side);
  p.setPen(Qt::NoPen);
  p.setBrush(SuitColour(suitIndex));
  p.drawPath(SuitPath(suitIndex, box));
  p.restore();
}

// Rank and small suit in the top-left corner; the card repeats them turned round at the bottom.
void PaintIndex(QPainter& p, QSizeF size, int rank, int suitIndex) {
  const double w = size.width();
  const double h = size.height();
  const double cx = w * 0.105;
  const double fontPx = h * 0.15;
  QFont font("DejaVu Sans Condensed");
  font.setBold(true);
  font.setPixelSize(std::max(7, static_cast<int>(std::lround(fontPx))));
  if (rank == 9) font.setLetterSpacing(QFont::PercentageSpacing, 80);
  p.setFont(font);
  p.setPen(SuitColour(suitIndex));
  const double top = h * 0.025;
  const QRectF textBox(cx - w * 0.13, top, w * 0.26, fontPx * 1.05);
  p.drawText(textBox, Qt::AlignHCenter | Qt::AlignVCenter, QString::fromLatin1(RankLabel(rank)));
  const double pip = h * 0.095;
  PaintPip(p, suitIndex, QPointF(cx, top + fontPx * 1.05 + pip * 0.62), pip, false);
}

struct PipSpot {
  double x, y;  // fractions of the card width and height
};

// Classic pip layouts; pips below the middle are drawn turned round.
std::vector<PipSpot> PipLayout(int count) {
  constexpr double L = 0.335, C = 0.5, R = 0.665;
  constexpr double T = 0.2, B = 0.8, M = 0.5;
  switch (count) {
    case 2:
      return {{C, T}, {C, B}};
    case 3:
      return {{C, T}, {C, M}, {C, B}};
    case 4:
      return {{L, T}, {R, T}, {L, B}, {R, B}};
    case 5:
      return {{L, T}, {R, T}, {C, M}, {L, B}, {R, B}};
    case 6:
      return {{L, T}, {R, T}, {L, M}, {R, M}, {L, B}, {R, B}};
    case 7:
      return {{L, T}, {R, T}, {C, 0.35}, {L, M}, {R, M}, {L, B}, {R, B}};
    case 8:
      return {{L, T}, {R, T}, {C, 0.35}, {L, M}, {R, M}, {C, 0.65}, {L, B}, {R, B}};
    case 9:
      return {{L, T}, {R, T}, {L, 0.4}, {R, 0.4}, {C, M}, {L, 0.6}, {R, 0.6}, {L, B}, {R, B}};
    case 10:
      return {{L, T}, {R, T}, {C, 0.3}, {L, 0.4}, {R, 0.4}, {L, 0.6}, {R, 0.6}, {C, 0.7}, {L, B}, {R, B}};
    default:
      return {};
  }
}

void PaintPips(QPainter& p, QSizeF size, int rank, int suitIndex) {
  const int count = rank + 1;
  const double side = std::min(size.height() * 0.145, size.width() * 0.19);
  for (const PipSpot& spot : PipLayout(count)) {
    PaintPip(p, suitIndex, QPointF(spot.x * size.width(), spot.y * size.height()), side, spot.y > 0.51);
  }
}

void PaintAce(QPainter& p, QSizeF size, int suitIndex) {
  const double w = size.width();
  const double h = size.height();
  const QPointF centre(w / 2, h / 2);
  const bool spades = suitIndex == 3;
  const double side = std::min(w * (spades ? 0.62 : 0.5), h * (spades ? 0.46 : 0.37));
  // A gold rosette behind the pip: the ace is the card a player looks for.
  const double ring = std::min(side * 0.78, w * 0.4);
  QRadialGradient glow(centre, ring);
  glow.setColorAt(0.0, QColor(0xFF, 0xF4, 0xC8));
  glow.setColorAt(0.8, QColor(0xF7, 0xE3, 0xA0));
  glow.setColorAt(1.0, QColor(0xF7, 0xE3, 0xA0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, ring, ring);
  QPen goldPen(kGold, std::max(1.0, w / 90.0));
  p.setPen(goldPen);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, ring * 0.93, ring * 0.93);
  if (spades) {
    QPen thin(kGoldDark, std::max(0.8, w / 160.0));
    p.setPen(thin);
    for (int k = 0; k < 16; ++k) {
      const double a = k * M_PI / 8;
      const QPointF from = centre + QPointF(std::cos(a), std::sin(a)) * ring * 0.93;
      const QPointF to = centre + QPointF(std::cos(a), std::sin(a)) * ring * 1.08;
      p.drawLine(from, to);
    }
  }
  PaintPip(p, suitIndex, centre, side, false);
  if (spades) {
    // A gold heart-line inside the large spade, as the ace of spades traditionally carries.
    p.save();
    p.translate(centre);
    const QRectF inner(-side * 0.28, -side * 0.24, side * 0.56, side * 0.56);
    p.setPen(QPen(kGold, std::max(1.0, w / 110.0)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(SuitPath(3, inner));
    p.restore();
  }
}

void PaintCourt(QPainter& p, QSizeF size, int rank, int suitIndex) {
  const double w = size.width();
  const double h = size.height();
  const QRectF frame(w * 0.22, h * 0.085, w * 0.56, h * 0.83);
  p.setPen(Qt::NoPen);
  QLinearGradient ground(frame.topLeft(), frame.bottomRight());
  ground.setColorAt(0, QColor(0xFB, 0xF0, 0xD0));
  ground.setColorAt(1, QColor(0xF3, 0xE2, 0xB4));
  p.setBrush(ground);
  p.drawRect(frame);
  const QRectF half(frame.left(), frame.top(), frame.width(), frame.height() / 2);
  p.save();
  p.setClipRect(half);
  PaintCourtHalf(p, half, rank, suitIndex);
  p.restore();
  p.save();
  p.translate(frame.center());
  p.rotate(180);
  p.translate(-frame.center());
  p.setClipRect(half);
  PaintCourtHalf(p, half, rank, suitIndex);
  p.restore();
  // The line between the two halves and the frame itself.
  p.setPen(QPen(kGoldDark, std::max(0.7, w / 200.0)));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, std::max(1.0, w / 75.0)));
  p.drawRect(frame);
  p.setPen(QPen(SuitColour(suitIndex), std::max(0.6, w / 240.0)));
  const double inset = std::max(1.5, w / 55.0);
  p.drawRect(frame.adjusted(-inset, -inset, inset, inset));
  // A suit pip in the frame corners names the suit even where the index is covered.
  const double pip = h * 0.075;
  PaintPip(p, suitIndex, frame.topLeft() + QPointF(pip * 0.75, pip * 0.75), pip, false);
  PaintPip(p, suitIndex, frame.bottomRight() - QPointF(pip * 0.75, pip * 0.75), pip, true);
}

}  // namespace

CardShape ShapeForSize(QSize size) { return size == QSize(69, 94) ? CardShape::Filled : CardShape::Rounded; }

void CutClassicCorners(QImage& face) {
  const int r = face.width() - 1;
  const int b = face.height() - 1;
  for (const QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)}) {
    face.setPixel(corner, qRgb(0, 0, 0));
  }
}

double CornerRadius(QSizeF size) { return std::max(2.5, size.width() * 0.055); }

void PaintCardStock(QPainter& p, QSizeF size, CardShape shape) {
  QLinearGradient stock(0, 0, size.width() * 0.3, size.height());
  stock.setColorAt(0, QColor(0xFF, 0xFE, 0xF8));
  stock.setColorAt(1, kIvory);
  if (shape == CardShape::Filled) {
    p.fillRect(QRectF(QPointF(0, 0), size), stock);
    return;
  }
  const double pen = std::max(1.0, size.width() / 140.0);
  const QRectF body = QRectF(QPointF(0, 0), size).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
  p.setPen(QPen(QColor(0x55, 0x50, 0x4A), pen));
  p.setBrush(stock);
  const double r = CornerRadius(size);
  p.drawRoundedRect(body, r, r);
}

QImage PaintCardFace(int rank, int suitIndex, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QSizeF s(size);
  PaintCardStock(p, s, ShapeForSize(size));
  if (rank <= 9) {
    PaintPips(p, s, rank, suitIndex);
  } else if (rank == 13) {
    PaintAce(p, s, suitIndex);
  } else {
    PaintCourt(p, s, rank, suitIndex);
  }
  PaintIndex(p, s, rank, suitIndex);
  p.translate(s.width(), s.height());
  p.rotate(180);
  PaintIndex(p, s, rank, suitIndex);
  p.end();
  if (ShapeForSize(size) == CardShape::Filled) CutClassicCorners(image);
  return image;
}

QImage PaintSuitSymbol(int suitIndex, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double edge = std::max(1.0, size.width() / 16.0);
  const QRectF box = QRectF(0, 0, size.width(), size.height()).adjusted(edge, edge, -edge, -edge);
  const QPainterPath path = SuitPath(suitIndex, box);
  p.setPen(QPen(kIvory, edge * 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(SuitColour(suitIndex));
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.drawPath(path);
  return image;
}

}  // namespace tavlo::art
