#include <QPainterPath>
#include <algorithm>

#include "ui/pictures/art_palette.h"
#include "ui/pictures/card_art.h"
#include "ui/pictures/suit_shapes.h"

namespace tavlo::art {

namespace {

// Maps figure coordinates (fractions of the half frame) to pixels.
struct Frame {
  QRectF r;
  QPointF at(double u, double v) const { return {r.left() + u * r.width(), r.top() + v * r.height()}; }
  double dx(double u) const { return u * r.width(); }
  double dy(double v) const { return v * r.height(); }
};

// Court ranks by rank value (two = 1).
constexpr int kQueen = 11;
constexpr int kKing = 12;

const QColor kHairDark{0x4A, 0x2E, 0x1A};
const QColor kHairGold{0xB8, 0x86, 0x32};
const QColor kHairGrey{0x9A, 0x94, 0x8C};
const QColor kLeaf{0x2E, 0x7D, 0x32};

void PaintRobe(QPainter& p, const Frame& f, const QColor& primary, const QColor& secondary, double line) {
  QPainterPath robe;
  robe.moveTo(f.at(0.02, 1.0));
  robe.lineTo(f.at(0.04, 0.8));
  robe.cubicTo(f.at(0.06, 0.7), f.at(0.25, 0.64), f.at(0.42, 0.63));
  robe.lineTo(f.at(0.58, 0.63));
  robe.cubicTo(f.at(0.75, 0.64), f.at(0.94, 0.7), f.at(0.96, 0.8));
  robe.lineTo(f.at(0.98, 1.0));
  robe.closeSubpath();
  p.setPen(QPen(kInk, line));
  p.setBrush(primary);
  p.drawPath(robe);
  // The front panel in the second colour with gold borders.
  QPainterPath panel;
  panel.moveTo(f.at(0.4, 0.66));
  panel.lineTo(f.at(0.6, 0.66));
  panel.lineTo(f.at(0.66, 1.0));
  panel.lineTo(f.at(0.34, 1.0));
  panel.closeSubpath();
  p.setBrush(secondary);
  p.drawPath(panel);
  p.setPen(QPen(kGold, line * 2.2));
  p.drawLine(f.at(0.4, 0.67), f.at(0.345, 1.0));
  p.drawLine(f.at(0.6, 0.67), f.at(0.655, 1.0));
}

void PaintCollar(QPainter& p, const Frame& f, int rank, double line) {
  p.setPen(QPen(kInk, line));
  if (rank == kKing) {
    // Ermine across the shoulders.
    QPainterPath ermine;
    ermine.moveTo(f.at(0.14, 0.74));
    ermine.cubicTo(f.at(0.3, 0.66), f.at(0.7, 0.66), f.at(0.86, 0.74));
    ermine.lineTo(f.at(0.84, 0.8));
    ermine.cubicTo(f.at(0.7, 0.73), f.at(0.3, 0.73), f.at(0.16, 0.8));
    ermine.closeSubpath();
    p.setBrush(QColor(0xFA, 0xF8, 0xF2));
    p.drawPath(ermine);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (double u : {0.24, 0.36, 0.5, 0.64, 0.76}) {
      p.drawEllipse(f.at(u, u == 0.5 ? 0.705 : 0.725), f.dx(0.012), f.dy(0.018));
    }
  } else {
    p.setBrush(kGold);
    p.drawEllipse(f.at(0.5, 0.665), f.dx(0.17), f.dy(0.045));
    p.setBrush(kGoldLight);
    p.setPen(Qt::NoPen);
    p.drawEllipse(f.at(0.5, 0.66), f.dx(0.1), f.dy(0.02));
  }
}

void PaintHead(QPainter& p, const Frame& f, int rank, int suitIndex, double line) {
  const QColor hair =
      rank == kKing ? (suitIndex % 2 ? kHairGrey : kHairDark) : (rank == kQueen ? kHairGold : kHairDark);
  p.setPen(QPen(kInk, line));
  // Hair behind the face.
  p.setBrush(hair);
  if (rank == kQueen) {
    QPainterPath locks;
    locks.moveTo(f.at(0.5, 0.22));
    locks.cubicTo(f.at(0.24, 0.22), f.at(0.22, 0.5), f.at(0.28, 0.66));
    locks.lineTo(f.at(0.72, 0.66));
    locks.cubicTo(f.at(0.78, 0.5), f.at(0.76, 0.22), f.at(0.5, 0.22));
    locks.closeSubpath();
    p.drawPath(locks);
  } else {
    p.drawEllipse(f.at(0.5, 0.4), f.dx(0.18), f.dy(0.17));
  }
  // Neck and face.
  p.setBrush(kSkin);
  p.drawRect(QRectF(f.at(0.45, 0.5), f.at(0.55, 0.64)));
  p.drawEllipse(f.at(0.5, 0.43), f.dx(0.135), f.dy(0.155));
  if (rank == kKing) {
    QPainterPath beard;
    beard.moveTo(f.at(0.37, 0.42));
    beard.cubicTo(f.at(0.37, 0.56), f.at(0.44, 0.64), f.at(0.5, 0.65));
    beard.cubicTo(f.at(0.56, 0.64), f.at(0.63, 0.56), f.at(0.63, 0.42));
    beard.cubicTo(f.at(0.6, 0.5), f.at(0.4, 0.5), f.at(0.37, 0.42));
    beard.closeSubpath();
    p.setBrush(hair);
    p.drawPath(beard);
  }
  // Features: brows, eyes, nose and mouth, kept simple so they stay clean when small.
  p.setPen(QPen(kInk, line));
  p.setBrush(kInk);
  p.drawEllipse(f.at(0.45, 0.415), f.dx(0.014), f.dy(0.014));
  p.drawEllipse(f.at(0.55, 0.415), f.dx(0.014), f.dy(0.014));
  p.setBrush(Qt::NoBrush);
  p.drawLine(f.at(0.42, 0.385), f.at(0.475, 0.38));
  p.drawLine(f.at(0.525, 0.38), f.at(0.58, 0.385));
  p.drawLine(f.at(0.5, 0.42), f.at(0.49, 0.47));
  p.setPen(QPen(kCardRed, line * 1.6));
  p.drawLine(f.at(0.47, 0.505), f.at(0.53, 0.505));
}

void PaintHeadwear(QPainter& p, const Frame& f, int rank, const QColor& primary, double line) {
  p.setPen(QPen(kInk, line));
  if (rank == kKing || rank == kQueen) {
    const double top = rank == kKing ? 0.08 : 0.14;
    const double base = 0.3;
    const double half = rank == kKing ? 0.17 : 0.14;
    QPainterPath crown;
    crown.moveTo(f.at(0.5 - half, base));
    crown.lineTo(f.at(0.5 - half - 0.01, top + 0.06));
    crown.lineTo(f.at(0.5 - half * 0.5, base - 0.07));
    crown.lineTo(f.at(0.5, top));
    crown.lineTo(f.at(0.5 + half * 0.5, base - 0.07));
    crown.lineTo(f.at(0.5 + half + 0.01, top + 0.06));
    crown.lineTo(f.at(0.5 + half, base));
    crown.closeSubpath();
    p.setBrush(kGold);
    p.drawPath(crown);
    p.setBrush(kGoldLight);
    p.drawRect(QRectF(f.at(0.5 - half, base - 0.035), f.at(0.5 + half, base)));
    p.setBrush(kCardRed);
    p.drawEllipse(f.at(0.5, base - 0.0175), f.dx(0.025), f.dy(0.014));
    p.setBrush(kRoyalBlue);
    p.drawEllipse(f.at(0.5 - half * 0.6, base - 0.0175), f.dx(0.017), f.dy(0.011));
    p.drawEllipse(f.at(0.5 + half * 0.6, base - 0.0175), f.dx(0.017), f.dy(0.011));
    p.setBrush(kGoldLight);
    for (double u : {0.5 - half - 0.01, 0.5, 0.5 + half + 0.01}) {
      p.drawEllipse(f.at(u, u == 0.5 ? top : top + 0.06), f.dx(0.018), f.dy(0.018));
    }
  } else {
    // The jack's flat cap with a feather.
    QPainterPath cap;
    cap.moveTo(f.at(0.3, 0.31));
    cap.cubicTo(f.at(0.3, 0.16), f.at(0.7, 0.14), f.at(0.72, 0.3));
    cap.closeSubpath();
    p.setBrush(primary);
    p.drawPath(cap);
    p.setBrush(kGold);
    p.drawRect(QRectF(f.at(0.31, 0.285), f.at(0.71, 0.32)));
    QPainterPath feather;
    feather.moveTo(f.at(0.62, 0.22));
    feather.cubicTo(f.at(0.78, 0.06), f.at(0.92, 0.1), f.at(0.95, 0.04));
    feather.cubicTo(f.at(0.9, 0.18), f.at(0.78, 0.2), f.at(0.64, 0.26));
    feather.closeSubpath();
    p.setBrush(QColor(0xF4, 0xEE, 0xE0));
    p.drawPath(feather);
  }
}

// Where the figure's hand holds its attribute: the king's sword on the right, the queen's
// flower and the jack's halberd on the left.
QPointF HandOf(int rank) {
  if (rank == kKing) return {0.875, 0.84};
  if (rank == kQueen) return {0.19, 0.76};
  return {0.165, 0.8};
}

void PaintArm(QPainter& p, const Frame& f, int rank, const QColor& sleeve, double line) {
  const QPointF hand = HandOf(rank);
  const bool right = hand.x() > 0.5;
  const QPointF shoulder(right ? 0.74 : 0.26, 0.7);
  QPainterPath arm;
  arm.moveTo(f.at(shoulder.x(), shoulder.y()));
  arm.cubicTo(f.at(shoulder.x() + (right ? 0.08 : -0.08), shoulder.y() + 0.02),
              f.at(hand.x() + (right ? -0.02 : 0.02), hand.y() + 0.12), f.at(hand.x(), hand.y() + 0.04));
  const double width = f.dx(0.13);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, width + line * 2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(arm);
  p.setPen(QPen(sleeve, width, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(arm);
  p.setPen(QPen(kGold, line * 3, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(f.at(hand.x() - 0.055, hand.y() + 0.06), f.at(hand.x() + 0.055, hand.y() + 0.06));
}

void PaintHand(QPainter& p, const Frame& f, int rank, double line) {
  const QPointF hand = HandOf(rank);
  p.setPen(QPen(kInk, line));
  p.setBrush(kSkin);
  p.drawEllipse(f.at(hand.x(), hand.y()), f.dx(0.045), f.dy(0.04));
}

void PaintAttribute(QPainter& p, const Frame& f, int rank, double line) {
  p.setPen(QPen(kInk, line));
  if (rank == kKing) {
    // Sword held upright at the side.
    p.setBrush(QColor(0xD8, 0xDC, 0xE0));
    p.drawRect(QRectF(f.at(0.855, 0.2), f.at(0.895, 0.78)));
    p.setBrush(kGold);
    p.drawRect(QRectF(f.at(0.8, 0.78), f.at(0.95, 0.82)));
    p.drawRect(QRectF(f.at(0.86, 0.82), f.at(0.89, 0.95)));
  } else if (rank == kQueen) {
    // A flower.
    p.setPen(QPen(kLeaf, line * 2));
    p.drawLine(f.at(0.17, 0.46), f.at(0.2, 0.86));
    p.setPen(QPen(kInk, line));
    p.setBrush(kLeaf);
    p.drawEllipse(f.at(0.13, 0.62), f.dx(0.04), f.dy(0.02));
    p.setBrush(kCardRed);
    for (int k = 0; k < 5; ++k) {
      const double a = k * 2 * M_PI / 5;
      p.drawEllipse(f.at(0.17 + 0.035 * std::cos(a), 0.42 + 0.035 * std::sin(a)), f.dx(0.03), f.dy(0.03));
    }
    p.setBrush(kGold);
    p.drawEllipse(f.at(0.17, 0.42), f.dx(0.022), f.dy(0.022));
  } else {
    // A halberd.
    p.setBrush(kWood);
    p.drawRect(QRectF(f.at(0.15, 0.12), f.at(0.18, 0.98)));
    QPainterPath blade;
    blade.moveTo(f.at(0.18, 0.16));
    blade.cubicTo(f.at(0.28, 0.16), f.at(0.3, 0.26), f.at(0.27, 0.3));
    blade.lineTo(f.at(0.18, 0.27));
    blade.closeSubpath();
    p.setBrush(QColor(0xD8, 0xDC, 0xE0));
    p.drawPath(blade);
    QPainterPath tip;
    tip.moveTo(f.at(0.145, 0.13));
    tip.lineTo(f.at(0.165, 0.03));
    tip.lineTo(f.at(0.185, 0.13));
    tip.closeSubpath();
    p.drawPath(tip);
  }
}

}  // namespace

void PaintCourtHalf(QPainter& p, const QRectF& half, int rank, int suitIndex) {
  const Frame f{half};
  const double line = std::max(0.5, half.width() / 180.0);
  const bool first = (rank + suitIndex) % 2 == 0;
  const QColor primary = first ? kDeepRed : kRoyalBlue;
  const QColor secondary = first ? kRoyalBlue : kDeepRed;
  PaintRobe(p, f, primary, secondary, line);
  PaintHead(p, f, rank, suitIndex, line);
  PaintCollar(p, f, rank, line);
  PaintHeadwear(p, f, rank, primary, line);
  PaintArm(p, f, rank, primary.darker(125), line);
  PaintAttribute(p, f, rank, line);
  PaintHand(p, f, rank, line);
  // The suit on the chest.
  const double side = f.dy(0.17);
  p.setPen(QPen(kGoldLight, line * 1.5));
  p.setBrush(IsRedSuit(suitIndex) ? kCardRed : kInk);
  p.drawPath(SuitPath(suitIndex, QRectF(f.at(0.5, 0.88) - QPointF(side / 2, side / 2), QSizeF(side, side))));
}

}  // namespace tavlo::art
