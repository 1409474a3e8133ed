#include "ui/pictures/art_common.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

#include "ui/pictures/art_palette.h"
#include "ui/pictures/suit_shapes.h"

namespace tavlo::art {

QFont PixelFont(const QString& family, double pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(std::max(1, static_cast<int>(pixelSize + 0.5)));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

namespace {

QPainterPath FittedTextPath(const QRectF& box, const QString& text, QFont& font) {
  for (int guard = 0; guard < 40; ++guard) {
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(text) <= box.width() || font.pixelSize() <= 4) break;
    font.setPixelSize(font.pixelSize() - 1);
  }
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  const QFontMetricsF metrics(font);
  // Centre on the letters' ink horizontally and on the cap height vertically, so that
  // different scripts sit alike.
  const double x = box.center().x() - bounds.center().x();
  const double y = box.center().y() + (metrics.ascent() - metrics.descent()) / 2 - metrics.ascent() * 0.04;
  return path.translated(x, y);
}

}  // namespace

void DrawFittedText(QPainter& p, const QRectF& box, const QString& text, QFont font, const QColor& colour) {
  const QPainterPath path = FittedTextPath(box, text, font);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(path);
  p.restore();
}

void DrawCarvedText(QPainter& p, const QRectF& box, const QString& text, QFont font, const QBrush& fill,
                    const QColor& edge, double edgeWidth, const QColor& shadow) {
  const QPainterPath path = FittedTextPath(box, text, font);
  p.save();
  p.setPen(QPen(shadow, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(shadow);
  p.drawPath(path.translated(edgeWidth * 0.9, edgeWidth * 1.1));
  p.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.drawPath(path);
  p.restore();
}

void DrawGoldFrame(QPainter& p, const QRectF& rect, double radius, double width) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGoldDark, width));
  p.drawRoundedRect(rect, radius, radius);
  p.setPen(QPen(kGoldLight, width * 0.45));
  p.drawRoundedRect(rect.adjusted(-width * 0.2, -width * 0.2, -width * 0.2, -width * 0.2), radius, radius);
  p.setPen(QPen(kGold, width * 0.5));
  p.drawRoundedRect(rect, radius, radius);
  p.restore();
}

void DrawSuit(QPainter& p, int suitIndex, QPointF centre, double side, const QBrush& fill) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(SuitPath(suitIndex, QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side)));
  p.restore();
}

void PaintFelt(QPainter& p, const QRectF& rect) {
  p.save();
  QRadialGradient light(rect.center(), std::max(rect.width(), rect.height()) * 0.7);
  light.setColorAt(0.0, kFeltLight);
  light.setColorAt(0.6, kFelt);
  light.setColorAt(1.0, kFeltDark);
  p.fillRect(rect, light);
  // A faint diagonal weave keeps large areas from looking flat.
  QPen weave(QColor(255, 255, 255, 10), 1);
  p.setPen(weave);
  const double step = 6;
  for (double d = -rect.height(); d < rect.width(); d += step) {
    p.drawLine(QPointF(rect.left() + d, rect.top()), QPointF(rect.left() + d + rect.height(), rect.bottom()));
  }
  p.setPen(QPen(QColor(0, 0, 0, 10), 1));
  for (double d = 0; d < rect.width() + rect.height(); d += step) {
    p.drawLine(QPointF(rect.left() + d, rect.top()), QPointF(rect.left() + d - rect.height(), rect.bottom()));
  }
  p.restore();
}

}  // namespace tavlo::art
