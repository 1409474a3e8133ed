#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

#include "ui/pictures/art_common.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

namespace {

const QPen kOutline(QColor(0x30, 0x24, 0x1C), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

void PaintScoreIcon(QPainter& p) {
  p.setPen(kOutline);
  p.setBrush(kIvory);
  p.drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 2, 2);
  p.setPen(QPen(kCardRed, 1.6));
  p.drawLine(QPointF(6, 9), QPointF(11, 9));
  p.setPen(QPen(kRoyalBlue, 1.6));
  p.drawLine(QPointF(13, 9), QPointF(18, 9));
  p.setPen(QPen(kInk, 1.2));
  p.drawLine(QPointF(6, 14), QPointF(18, 14));
  p.drawLine(QPointF(12, 6), QPointF(12, 18));
}

void PaintQuitIcon(QPainter& p) {
  p.setPen(kOutline);
  p.setBrush(kWood);
  p.drawRect(QRectF(3.5, 2.5, 11, 19));
  p.setBrush(kGold);
  p.drawEllipse(QPointF(12, 12), 1.2, 1.2);
  p.setPen(QPen(kCardRed, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(13, 12), QPointF(21, 12));
  p.drawLine(QPointF(18, 9), QPointF(21, 12));
  p.drawLine(QPointF(18, 15), QPointF(21, 12));
}

void PaintNameIcon(QPainter& p) {
  p.save();
  p.translate(12, 12);
  p.rotate(45);
  p.setPen(kOutline);
  p.setBrush(kGold);
  p.drawRect(QRectF(-2.5, -9, 5, 13));
  p.setBrush(kCardRed);
  p.drawRect(QRectF(-2.5, -11, 5, 2.5));
  p.setBrush(kIvoryShade);
  QPainterPath tip;
  tip.moveTo(-2.5, 4);
  tip.lineTo(2.5, 4);
  tip.lineTo(0, 9);
  tip.closeSubpath();
  p.drawPath(tip);
  p.restore();
  p.setPen(QPen(kInk, 1.2));
  p.drawLine(QPointF(3, 21.5), QPointF(12, 21.5));
}

void PaintSheetIcon(QPainter& p) {
  p.setPen(kOutline);
  p.setBrush(kIvory);
  p.drawRect(QRectF(4.5, 2.5, 15, 19));
  p.setPen(QPen(QColor(0x90, 0x80, 0x60), 0.8));
  for (int i = 1; i < 4; ++i) p.drawLine(QPointF(4.5 + i * 3.75, 4), QPointF(4.5 + i * 3.75, 20));
  for (int i = 1; i < 5; ++i) p.drawLine(QPointF(6, 2.5 + i * 3.8), QPointF(18, 2.5 + i * 3.8));
  DrawSuit(p, 0, QPointF(8.2, 8.2), 4, kCardRed);
  DrawSuit(p, 3, QPointF(15.8, 16), 4, kInk);
}

void PaintSpeedIcon(QPainter& p) {
  p.setPen(QPen(kGold, 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(2, 8 + i * 5), QPointF(9, 8 + i * 5));
  p.save();
  p.translate(15, 12);
  p.rotate(-12);
  p.setPen(kOutline);
  p.setBrush(kIvory);
  p.drawRoundedRect(QRectF(-5.5, -8.5, 11, 17), 1.5, 1.5);
  DrawSuit(p, 0, QPointF(0, 0), 7, kCardRed);
  p.restore();
}

void PaintHelpIcon(QPainter& p) {
  p.setPen(kOutline);
  p.setBrush(kRoyalBlue);
  p.drawEllipse(QPointF(12, 12), 10, 10);
  DrawFittedText(p, QRectF(5, 4, 14, 16), "?", PixelFont("DejaVu Serif", 16), kIvory);
}

void PaintAboutIcon(QPainter& p) {
  p.setPen(kOutline);
  p.setBrush(kGold);
  p.drawEllipse(QPointF(12, 12), 10, 10);
  DrawFittedText(p, QRectF(5, 4, 14, 16), "i", PixelFont("DejaVu Serif", 16), kDeepRed);
}

void PaintRadioIcon(QPainter& p) {
  p.setPen(kOutline);
  p.setBrush(kWood);
  p.drawRoundedRect(QRectF(2.5, 7.5, 19, 13), 3, 3);
  p.setBrush(QColor(0xD8, 0xC8, 0x98));
  p.drawEllipse(QPointF(8, 14), 3.6, 3.6);
  p.setBrush(kIvory);
  p.drawRect(QRectF(13, 11, 6, 3));
  p.setPen(QPen(kInk, 1.1));
  p.drawLine(QPointF(6, 7.5), QPointF(16, 2));
}

void PaintChatIcon(QPainter& p) {
  p.setPen(kOutline);
  p.setBrush(kIvory);
  QPainterPath bubble;
  bubble.addRoundedRect(QRectF(2.5, 3.5, 19, 13), 5, 5);
  QPainterPath tail;
  tail.moveTo(7, 15);
  tail.lineTo(5, 21);
  tail.lineTo(12, 15.5);
  tail.closeSubpath();
  p.drawPath(bubble.united(tail));
  p.setPen(Qt::NoPen);
  p.setBrush(kDeepRed);
  for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(7.5 + i * 4.5, 10), 1.3, 1.3);
}

// Cursors, 32 x 32. Hot spots: arrow (1, 1), hand (9, 1), hourglass and text beam at (16, 16).
void PaintArrowCursor(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(1, 1);
  arrow.lineTo(1, 23);
  arrow.lineTo(6.5, 17.5);
  arrow.lineTo(10.5, 26.5);
  arrow.lineTo(14, 25);
  arrow.lineTo(10, 16.5);
  arrow.lineTo(17.5, 16.5);
  arrow.closeSubpath();
  QLinearGradient gold(0, 0, 18, 26);
  gold.setColorAt(0, kGoldLight);
  gold.setColorAt(1, kGold);
  p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(gold);
  p.drawPath(arrow);
}

void PaintHandCursor(QPainter& p) {
  QPainterPath hand;
  hand.moveTo(7, 3);
  hand.cubicTo(7, 0.5, 11, 0.5, 11, 3);
  hand.lineTo(11, 12);
  hand.cubicTo(11, 10, 15, 10, 15, 12.5);
  hand.cubicTo(15, 10.5, 19, 10.5, 19, 13);
  hand.cubicTo(19, 11, 23, 11, 23, 14);
  hand.lineTo(23, 21);
  hand.cubicTo(23, 26, 20, 29, 15, 29);
  hand.lineTo(12, 29);
  hand.cubicTo(8, 29, 6, 26, 4, 22);
  hand.lineTo(1.5, 16);
  hand.cubicTo(0.5, 13.5, 4, 12.5, 5.5, 15);
  hand.lineTo(7, 17);
  hand.closeSubpath();
  p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(0xFF, 0xF2, 0xE0));
  p.drawPath(hand);
  p.setPen(QPen(QColor(0x90, 0x70, 0x60), 0.8));
  p.drawLine(QPointF(15, 13), QPointF(15, 18));
  p.drawLine(QPointF(19, 13.5), QPointF(19, 18));
}

void PaintWaitCursor(QPainter& p, int frame, int frames) {
  p.save();
  p.translate(16, 16);
  p.rotate(frame >= frames - 2 ? (frame - frames + 3) * 60.0 : 0.0);
  p.translate(-16, -16);
  const double sand = static_cast<double>(std::min(frame, frames - 3)) / (frames - 3);
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kWood);
  p.drawRect(QRectF(7, 2, 18, 3));
  p.drawRect(QRectF(7, 27, 18, 3));
  QPainterPath glass;
  glass.moveTo(9, 5);
  glass.lineTo(23, 5);
  glass.cubicTo(23, 11, 17, 14, 17, 16);
  glass.cubicTo(17, 18, 23, 21, 23, 27);
  glass.lineTo(9, 27);
  glass.cubicTo(9, 21, 15, 18, 15, 16);
  glass.cubicTo(15, 14, 9, 11, 9, 5);
  glass.closeSubpath();
  p.setBrush(QColor(0xE8, 0xF4, 0xFF, 220));
  p.drawPath(glass);
  p.save();
  p.setClipPath(glass);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  const double top = 6 + 9 * sand;
  p.drawRect(QRectF(8, top, 16, 16 - top));
  const double pile = 26 - 8 * sand;
  p.drawRect(QRectF(8, pile, 16, 27 - pile));
  if (sand < 1) p.drawRect(QRectF(15.4, 15, 1.2, pile - 15));
  p.restore();
  p.restore();
}

void PaintEditCursor(QPainter& p) {
  p.setPen(QPen(kIvory, 3.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 5), QPointF(16, 27));
  p.drawLine(QPointF(12, 4), QPointF(20, 4));
  p.drawLine(QPointF(12, 28), QPointF(20, 28));
  p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 5), QPointF(16, 27));
  p.drawLine(QPointF(12, 4), QPointF(20, 4));
  p.drawLine(QPointF(12, 28), QPointF(20, 28));
}

}  // namespace

void AddPopupPictures(Catalog& c) {
  const std::pair<const char*, void (*)(QPainter&)> icons[] = {
      {"GPopupGenCount", PaintScoreIcon}, {"GPopupQuit", PaintQuitIcon},   {"GPopupChangeName", PaintNameIcon},
      {"GPopupConv", PaintSheetIcon},     {"GPopupSpeed", PaintSpeedIcon}, {"GPopupHelp", PaintHelpIcon},
      {"GPopupAbout", PaintAboutIcon},    {"GPopupRadio", PaintRadioIcon}, {"GPopupChat", PaintChatIcon}};
  for (const auto& [name, paint] : icons) {
    c.Add(name, QSize(24, 24), [paint](QPainter& p, int) { paint(p); });
  }
  c.Add("CURARROW", QSize(32, 32), [](QPainter& p, int) { PaintArrowCursor(p); });
  c.Add("CURHAND", QSize(32, 32), [](QPainter& p, int) { PaintHandCursor(p); });
  constexpr int kWaitFrames = 12;
  c.Add(
      "CURWAIT", QSize(32, 32), [](QPainter& p, int f) { PaintWaitCursor(p, f, kWaitFrames); }, kWaitFrames, 100);
  c.Add("CUREDIT", QSize(32, 32), [](QPainter& p, int) { PaintEditCursor(p); });
}

}  // namespace tavlo::art
