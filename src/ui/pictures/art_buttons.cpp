#include <QLinearGradient>
#include <QPainterPath>

#include "ui/pictures/art_palette.h"
#include "ui/pictures/button_rows.h"
#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

namespace {

enum class Piece { Left, Right, Middle };

// The body outline of a piece: the ends are rounded on their outer side; the path runs past
// the inner side so that only the outer corners show.
QPainterPath PieceShape(Piece piece, QSizeF size) {
  QPainterPath shape;
  const double w = size.width();
  const double h = size.height();
  const double r = std::min(w * 0.95, h * 0.3);
  if (piece == Piece::Middle) {
    shape.addRect(QRectF(-1, 0, w + 2, h));
  } else if (piece == Piece::Left) {
    shape.addRoundedRect(QRectF(0.5, 0.5, w + r + 2, h - 1), r, r);
  } else {
    shape.addRoundedRect(QRectF(-r - 2, 0.5, w + r + 1.5, h - 1), r, r);
  }
  return shape;
}

// Classic pieces: the row colours of the middle strip as a vertical gradient with a stop at the
// centre of every row, so that the pieces give the rows exactly at their design height and stay
// smooth when a free-height button stretches them.
void PaintClassic(QPainter& p, Piece piece, int buttonHeight, QSizeF size) {
  const int rows = static_cast<int>(size.height());
  QLinearGradient bands(0, 0, 0, rows);
  for (int row = 0; row < rows; ++row) {
    const QColor colour = ButtonRowColour(buttonHeight, row);
    bands.setColorAt(static_cast<double>(row) / rows, colour);
    bands.setColorAt((row + 0.999) / rows, colour);
  }
  const QPainterPath shape = PieceShape(piece, size);
  p.setPen(Qt::NoPen);
  p.setBrush(bands);
  p.drawPath(shape);
  if (piece != Piece::Middle) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x80, 0, 0), 1.0));
    p.drawPath(shape);
  }
}

// The alternative pieces: a bright lacquer red that the button recolours, with a gold rim and a
// glassy highlight that keep their colour in every set.
void PaintAlternative(QPainter& p, Piece piece, QSizeF size) {
  const QPainterPath shape = PieceShape(piece, size);
  const double h = size.height();
  QLinearGradient lacquer(0, 0, 0, h);
  lacquer.setColorAt(0.0, QColor(0xFF, 0x30, 0x30));
  lacquer.setColorAt(0.5, QColor(0xE0, 0x00, 0x00));
  lacquer.setColorAt(1.0, QColor(0xFF, 0x10, 0x10));
  p.setPen(Qt::NoPen);
  p.setBrush(lacquer);
  p.drawPath(shape);
  p.save();
  p.setClipPath(shape);
  QLinearGradient gloss(0, 0, 0, h * 0.45);
  gloss.setColorAt(0.0, QColor(255, 255, 255, 235));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 150));
  p.setBrush(gloss);
  p.drawRect(QRectF(-1, h * 0.08, size.width() + 2, h * 0.34));
  p.restore();
  const double rim = std::max(1.0, h / 20.0);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, rim));
  if (piece == Piece::Middle) {
    // Only the top and bottom edges: the middle is stretched across the button, and any
    // upright edge would become a broad bar.
    p.drawLine(QPointF(-1, rim / 2), QPointF(size.width() + 1, rim / 2));
    p.drawLine(QPointF(-1, h - rim / 2), QPointF(size.width() + 1, h - rim / 2));
  } else {
    p.drawPath(PieceShape(piece, size).translated(piece == Piece::Left ? rim / 2 : -rim / 2, 0));
  }
}

}  // namespace

void AddButtonPictures(Catalog& c) {
  struct HeightClass {
    const char* tag;
    int buttonHeight;
    int endWidth;
  };
  for (const HeightClass& hc : {HeightClass{"29", 30, 8}, HeightClass{"44", 45, 13}, HeightClass{"59", 60, 17}}) {
    const QSize size(hc.endWidth, hc.buttonHeight - 1);
    const struct {
      const char* suffix;
      Piece piece;
    } pieces[] = {{"_L", Piece::Left}, {"_R", Piece::Right}, {"_2", Piece::Middle}};
    for (const auto& part : pieces) {
      const Piece piece = part.piece;
      const int height = hc.buttonHeight;
      c.Add(QString("R%1%2").arg(hc.tag, part.suffix), size,
            [piece, height, size](QPainter& p, int) { PaintClassic(p, piece, height, QSizeF(size)); });
      c.Add(QString("Q%1%2").arg(hc.tag, part.suffix), size,
            [piece, size](QPainter& p, int) { PaintAlternative(p, piece, QSizeF(size)); });
    }
  }
}

}  // namespace tavlo::art
