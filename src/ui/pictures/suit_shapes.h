#pragma once

#include <QPainterPath>
#include <QRectF>

namespace tavlo::art {

// Suit index in card-number order: 0 hearts, 1 diamonds, 2 clubs, 3 spades.
bool IsRedSuit(int suitIndex);

// The outline of a suit symbol filling `box` (upright; the caller rotates for reversed pips).
QPainterPath SuitPath(int suitIndex, const QRectF& box);

}  // namespace tavlo::art
