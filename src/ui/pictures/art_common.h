#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace tavlo::art {

// A font of the given face and pixel size.
QFont PixelFont(const QString& family, double pixelSize, bool bold = true);

// Draws text centred in `box`, shrinking the font until the text fits the box width.
void DrawFittedText(QPainter& p, const QRectF& box, const QString& text, QFont font, const QColor& colour);

// Text with an outline and a drop shadow, as carved lettering: the path is filled with `fill`
// and stroked with `edge`. Returns the bounds of the lettering.
QRectF DrawCarvedText(QPainter& p, const QRectF& box, const QString& text, QFont font, const QBrush& fill,
                      const QColor& edge, double edgeWidth, const QColor& shadow);

// A gold frame line: a light and a dark stroke side by side, reading as a raised moulding.
void DrawGoldFrame(QPainter& p, const QRectF& rect, double radius, double width);

// How far from each end of a header strip `width` wide its suit ornaments reach; the title is
// written between them.
constexpr double CapStripSuitsReach(double width) {
  const int perSide = width >= 400 ? 4 : width >= 280 ? 2 : 1;
  return 18 + (perSide - 1) * 17 + 10;
}

// A suit symbol (0 hearts .. 3 spades) centred at `centre` with height `side`.
void DrawSuit(QPainter& p, int suitIndex, QPointF centre, double side, const QBrush& fill);

// The pointing hand of the leading seat, in a 30 x 20 design box.
void PaintPointingHand(QPainter& p);

// Green felt with a soft light in the middle and a faint weave.
void PaintFelt(QPainter& p, const QRectF& rect);

}  // namespace tavlo::art
