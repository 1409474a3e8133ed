#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "ui/pictures/art_common.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

namespace {

QLinearGradient Parchment(double top, double bottom) {
  QLinearGradient fill(0, top, 0, bottom);
  fill.setColorAt(0, QColor(0xFF, 0xFA, 0xE8));
  fill.setColorAt(1, QColor(0xF0, 0xE0, 0xB8));
  return fill;
}

// An ivory board in a gold frame: the score boards, the information board and the chat panel.
void PaintBoard(QPainter& p, QSizeF size, double radius) {
  const QRectF body = QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -1);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(body.translated(1, 1), radius, radius);
  p.setBrush(Parchment(body.top(), body.bottom()));
  p.drawRoundedRect(body, radius, radius);
  const double frame = std::max(2.0, size.width() / 60);
  DrawGoldFrame(p, body.adjusted(frame, frame, -frame, -frame), radius * 0.7, frame);
}

void PaintScoreBoard(QPainter& p) {
  PaintBoard(p, QSizeF(155, 95), 8);
  // Inset wells under the four figures, which the board repaints before writing each.
  const QRectF wells[4] = {QRectF(45, 15, 65, 31), QRectF(15, 50, 35, 31), QRectF(55, 50, 45, 31),
                           QRectF(105, 50, 35, 31)};
  for (const QRectF& well : wells) {
    p.setPen(QPen(QColor(0xC8, 0xB0, 0x78), 1));
    p.setBrush(QColor(0xFF, 0xFD, 0xF4));
    p.drawRoundedRect(well.adjusted(1, 1, -1, -1), 4, 4);
  }
}

void PaintFigureBlock(QPainter& p) {
  // The red band of the total is drawn by the score sheet, which knows how low the letters
  // of the lines above it reach.
  PaintBoard(p, QSizeF(210, 155), 10);
  p.setPen(QPen(QColor(0xC8, 0xB0, 0x78), 0.8));
  for (const double y : {37.0, 62.0, 87.0}) p.drawLine(QPointF(16, y + 0.5), QPointF(194, y + 0.5));
}

void PaintCompass(QPainter& p, const QString& letter) {
  QRadialGradient disc(QPointF(8, 7), 12);
  disc.setColorAt(0, QColor(0xC8, 0x2A, 0x34));
  disc.setColorAt(1, QColor(0x70, 0x08, 0x10));
  p.setPen(QPen(kGold, 1.4));
  p.setBrush(disc);
  p.drawEllipse(QPointF(10, 10), 9, 9);
  DrawFittedText(p, QRectF(3, 3, 14, 14), letter, PixelFont("DejaVu Sans", 12), kIvory);
}

void PaintSeatPlate(QPainter& p) {
  const QRectF plate(0.5, 0.5, 159, 19);
  QLinearGradient amber(0, 0, 0, 20);
  amber.setColorAt(0.0, QColor(0xE8, 0xB0, 0x30));
  amber.setColorAt(0.5, QColor(0xB8, 0x80, 0x10));
  amber.setColorAt(1.0, QColor(0x80, 0x52, 0x06));
  p.setPen(QPen(QColor(0x5A, 0x38, 0x04), 1));
  p.setBrush(amber);
  p.drawRoundedRect(plate, 9, 9);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawRoundedRect(QRectF(6, 2, 148, 6), 3, 3);
}

void PaintDummyCircle(QPainter& p) {
  p.setPen(QPen(kDeepRed, 2));
  p.setBrush(kIvory);
  p.drawEllipse(QPointF(10, 10), 8.5, 8.5);
}

void PaintStar(QPainter& p, QPointF centre, double outer, const QColor& fill, const QColor& edge) {
  QPainterPath star;
  for (int k = 0; k < 10; ++k) {
    const double a = -M_PI / 2 + k * M_PI / 5;
    const double r = k % 2 ? outer * 0.45 : outer;
    const QPointF pt = centre + QPointF(r * std::cos(a), r * std::sin(a));
    k ? star.lineTo(pt) : star.moveTo(pt);
  }
  star.closeSubpath();
  p.setPen(QPen(edge, std::max(0.6, outer / 8)));
  p.setBrush(fill);
  p.drawPath(star);
}

void PaintTimerSquare(QPainter& p, bool yellow) {
  QLinearGradient fill(0, 0, 0, 20);
  fill.setColorAt(0, yellow ? QColor(0xFF, 0xF0, 0x70) : QColor(0xF0, 0x40, 0x40));
  fill.setColorAt(1, yellow ? QColor(0xE0, 0xB0, 0x10) : QColor(0xA0, 0x08, 0x10));
  p.setPen(QPen(yellow ? QColor(0x90, 0x68, 0x00) : QColor(0x50, 0x00, 0x00), 1));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0.5, 0.5, 19, 19), 4, 4);
}

void PaintCardFrame(QPainter& p) {
  p.setPen(QPen(QColor(0x55, 0x50, 0x4A), 1));
  p.setBrush(Parchment(0, 64));
  p.drawRoundedRect(QRectF(0.5, 0.5, 41, 63), 5, 5);
  p.setPen(QPen(QColor(0xD8, 0xC8, 0xA0), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(3.5, 3.5, 35, 57), 3, 3);
}

void PaintCross(QPainter& p) {
  p.setPen(QPen(QColor(0xC8, 0x10, 0x2E, 210), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4, 4), QPointF(32, 32));
  p.drawLine(QPointF(32, 4), QPointF(4, 32));
}

}  // namespace

void AddTablePictures(Catalog& c) {
  const std::pair<const char*, const char*> compass[] = {
      {"GWest", "W"}, {"GNorth", "N"}, {"GEast", "E"}, {"GSouth", "S"}};
  for (const auto& [name, letter] : compass) {
    const QString text = QString::fromLatin1(letter);
    c.Add(name, QSize(20, 20), [text](QPainter& p, int) { PaintCompass(p, text); });
  }
  c.Add("SPYellow", QSize(160, 20), [](QPainter& p, int) { PaintSeatPlate(p); });
  c.AddRendered("SPYellowB", QSize(320, 40), [](QSize size, int) {
    return PaintScaled(
        QSize(160, 20), size, [](QPainter& p, int) { PaintSeatPlate(p); }, 0);
  });
  c.Add("Hand_Right", QSize(30, 20), [](QPainter& p, int) { PaintPointingHand(p); });
  c.Add("Circle", QSize(20, 20), [](QPainter& p, int) { PaintDummyCircle(p); });
  c.Add("ZvezdaBSm", QSize(13, 13), [](QPainter& p, int) { PaintStar(p, QPointF(6.5, 7), 6.2, kGold, kGoldDark); });
  c.Add("GTimerY", QSize(20, 20), [](QPainter& p, int) { PaintTimerSquare(p, true); });
  c.Add("GTimerR", QSize(20, 20), [](QPainter& p, int) { PaintTimerSquare(p, false); });
  const auto board = [](QSize design) {
    return [design](QSize size, int) {
      return PaintScaled(
          design, size, [design](QPainter& p, int) { PaintBoard(p, QSizeF(design), 8); }, 0);
    };
  };
  c.AddRendered("RamkaERSm", QSize(130, 90), board(QSize(130, 90)));
  c.AddRendered("RamkaERBg", QSize(260, 180), board(QSize(130, 90)));
  c.AddRendered("RamkaBBSm", QSize(120, 150), board(QSize(120, 150)));
  c.AddRendered("RamkaBBBg", QSize(240, 300), board(QSize(120, 150)));
  const auto scoreBoard = [](QSize size, int) {
    return PaintScaled(
        QSize(155, 95), size, [](QPainter& p, int) { PaintScoreBoard(p); }, 0);
  };
  c.AddRendered("TabloSm", QSize(155, 95), scoreBoard);
  c.AddRendered("TabloBg", QSize(310, 190), scoreBoard);
  c.Add("VCard", QSize(42, 64), [](QPainter& p, int) { PaintCardFrame(p); });
  c.Add("VKrest", QSize(36, 36), [](QPainter& p, int) { PaintCross(p); });
  c.Add("VItog", QSize(210, 155), [](QPainter& p, int) { PaintFigureBlock(p); });
  // The built-in table background and the plain one of recorded games; painted per pixel size
  // so the weave of the felt stays fine at every window size.
  c.AddRendered("FonG", QSize(760, 500), [](QSize size, int) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintFelt(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
  });
  c.AddRendered("GIFBackGr", QSize(760, 500), [](QSize size, int) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kFelt);
    return image;
  });
  c.AddRendered("GFree", QSize(16, 16), [](QSize size, int) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
  });
}

}  // namespace tavlo::art
