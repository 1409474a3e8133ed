#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace tavlo::libraries {

// Small drawn motifs of the back sets and the design pictures, in the painter's units.
QPainterPath StarPath(QPointF centre, double radius, int points);
QPainterPath FleurPath(QPointF centre, double height);
QPainterPath CrownPath(QPointF centre, double width);
QPainterPath ShieldPath(QPointF centre, double height);
// A symbol from the system's DejaVu font, centred.
void DrawGlyph(QPainter& p, QPointF centre, double height, const QString& glyph, QColor colour);
// Ten animals, ten flowers and ten places, kind 1..10; `size` is the motif's height.
void PaintAnimal(QPainter& p, QPointF centre, double size, int kind, QColor colour);
void PaintFlower(QPainter& p, QPointF centre, double size, int kind, QColor colour);
// A landscape filling the field: sky, ground and a silhouette.
void PaintPlace(QPainter& p, const QRectF& field, int kind, QColor colour);

}  // namespace tavlo::libraries
