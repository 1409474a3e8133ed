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

QRectF DrawCarvedText(QPainter& p, const QRectF& box, const QString& text, QFont font, const QBrush& fill,
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
  return path.boundingRect();
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

// The pointing hand that marks the seat to lead ("Hand_Right" and the classic pointer).
void PaintPointingHand(QPainter& p) {
  QPainterPath hand;
  hand.moveTo(2, 7);
  hand.lineTo(10, 7);
  hand.cubicTo(12, 4, 15, 3, 17, 5);
  hand.lineTo(27, 5);
  hand.cubicTo(30, 5, 30, 9, 27, 9);
  hand.lineTo(19, 9);
  hand.cubicTo(21, 10, 21, 12, 19, 12.5);
  hand.cubicTo(21, 13, 21, 15, 19, 15.5);
  hand.cubicTo(20.5, 16, 20, 18.5, 18, 18.5);
  hand.lineTo(11, 18.5);
  hand.cubicTo(9, 18.5, 9, 15, 10, 14);
  hand.lineTo(2, 14);
  hand.closeSubpath();
  p.setPen(QPen(QColor(0x60, 0x30, 0x10), 1.0));
  p.setBrush(QColor(0xFF, 0xE4, 0xC4));
  p.drawPath(hand);
  p.setBrush(kDeepRed);
  p.drawRect(QRectF(0.5, 6.5, 4, 8));
  p.setPen(QPen(QColor(0xA0, 0x70, 0x50), 0.8));
  p.drawLine(QPointF(14, 12.5), QPointF(19, 12.5));
  p.drawLine(QPointF(14, 15.5), QPointF(19, 15.5));
}

void PaintFelt(QPainter& p, const QRectF& rect) {
  p.save();
  QRadialGradient light(rect.center(), std::max(rect.width(), rect.height()) * 0.7);
  light.setColorAt(0.0, kFeltLight);
  light.setColorAt(0.6, kFelt);
  light.setColorAt(1.0, kFeltDark);
  p.fillRect(rect, light);
  // A faint diagonal weave keeps large areas from looking flat; hairlines need no smoothing.
  p.setRenderHint(QPainter::Antialiasing, false);
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
