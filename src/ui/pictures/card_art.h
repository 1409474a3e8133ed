#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

namespace tavlo::art {

// How a card picture meets its surroundings: a classic 69 x 94 face fills its whole rectangle
// (the table draws the black outline and the cut corners around it); every other card is
// a whole card with a thin outline and transparent rounded corners.
enum class CardShape { Filled, Rounded };

CardShape ShapeForSize(QSize size);

// rank 1 (two) .. 13 (ace); suitIndex 0 hearts, 1 diamonds, 2 clubs, 3 spades.
QImage PaintCardFace(int rank, int suitIndex, QSize size);
// backNumber 1..7 (Monday .. Sunday of the built-in back set).
QImage PaintCardBack(int backNumber, QSize size);
// A lone suit symbol on a transparent ground, with a thin light edge so that it reads on felt.
QImage PaintSuitSymbol(int suitIndex, QSize size);

// A face or back for drawing inside another picture at `designSize`: painted at the pixel size the
// painter's scale gives, so it stays sharp at every window size, and kept for reuse by the frames
// of an animation. backNumber 0 asks for the face.
QImage CardForPainter(const QPainter& painter, int rank, int suitIndex, int backNumber, QSize designSize);

// The court figure of a jack (10), queen (11) or king (12), painted into the upper half of
// its frame; the card draws it twice, the second time turned half round.
void PaintCourtHalf(QPainter& painter, const QRectF& half, int rank, int suitIndex);

// A classic face fills 69 x 94 inside the table's black outline, which cuts the card's corners
// with one black pixel each; the face carries those pixels too, since it is drawn over them.
void CutClassicCorners(QImage& face);

// The card stock: ivory ground with the outline and rounded corners of the shape.
void PaintCardStock(QPainter& painter, QSizeF size, CardShape shape);
double CornerRadius(QSizeF size);

}  // namespace tavlo::art
