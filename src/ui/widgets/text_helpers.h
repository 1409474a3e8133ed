#pragma once

#include <QColor>
#include <QPainter>
#include <QString>

namespace tavlo {

// Text drawn by its top edge, as every window of the program places it, in the
// painter's current font and pen.
void TextAt(QPainter& painter, const QString& text, int x, int top);
// Centred between left and right: x = left + trunc((right - left - width) / 2).
void TextCentred(QPainter& painter, const QString& text, int left, int right, int top);
// Ending at right.
void TextRight(QPainter& painter, const QString& text, int right, int top);
// The text over its shadow one pixel right and down; the shadow halves each channel.
// alignment: 'l' at left, 'c' centred between left and right, 'r' ending at right.
void DrawShadowText(QPainter& painter, const QString& text, int left, int right, char alignment, const QColor& colour,
                    int top);

}  // namespace tavlo
