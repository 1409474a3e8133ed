#include "ui/widgets/text_helpers.h"

#include <QFontMetrics>

#include "ui/layout/colour_sets.h"

namespace tavlo {

void TextAt(QPainter& painter, const QString& text, int x, int top) {
  painter.drawText(x, top + QFontMetrics(painter.font()).ascent(), text);
}

void TextCentred(QPainter& painter, const QString& text, int left, int right, int top) {
  const int width = QFontMetrics(painter.font()).horizontalAdvance(text);
  TextAt(painter, text, left + (right - left - width) / 2, top);
}

void TextRight(QPainter& painter, const QString& text, int right, int top) {
  TextAt(painter, text, right - QFontMetrics(painter.font()).horizontalAdvance(text), top);
}

void DrawShadowText(QPainter& painter, const QString& text, int left, int right, char alignment, const QColor& colour,
                    int top) {
  const auto draw = [&](int dx, int dy) {
    switch (alignment) {
      case 'c': TextCentred(painter, text, left + dx, right + dx, top + dy); break;
      case 'r': TextRight(painter, text, right + dx, top + dy); break;
      default: TextAt(painter, text, left + dx, top + dy); break;
    }
  };
  const Rgb shadow = ShadowOf(Rgb{colour.red(), colour.green(), colour.blue()});
  painter.save();
  painter.setPen(QColor(shadow.R, shadow.G, shadow.B));
  draw(1, 1);
  painter.setPen(colour);
  draw(0, 0);
  painter.restore();
}

}  // namespace tavlo
