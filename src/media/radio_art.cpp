#include "media/radio_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tavlo {
namespace {

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A rounded metal panel with a lamp and a word: green "ON" or red "OFF".
QImage Switch(bool on) {
  QImage image = Blank(145, 90);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient metal(0, 0, 0, 90);
  metal.setColorAt(0, QColor(0xE8, 0xE8, 0xF0));
  metal.setColorAt(1, QColor(0x80, 0x84, 0x90));
  p.setPen(QPen(QColor(0x40, 0x40, 0x48), 2));
  p.setBrush(metal);
  p.drawRoundedRect(QRectF(2, 2, 141, 86), 14, 14);
  const QColor lamp = on ? QColor(0x20, 0xE0, 0x40) : QColor(0xE0, 0x20, 0x20);
  QRadialGradient glow(QPointF(38, 45), 26);
  glow.setColorAt(0, lamp.lighter(160));
  glow.setColorAt(0.6, lamp);
  glow.setColorAt(1, lamp.darker(220));
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
  p.setBrush(glow);
  p.drawEllipse(QPointF(38, 45), 24, 24);
  QFont font("DejaVu Sans", 1, QFont::Bold);
  font.setPixelSize(26);
  p.setFont(font);
  p.setPen(on ? QColor(0x10, 0x70, 0x20) : QColor(0x90, 0x10, 0x10));
  p.drawText(QRectF(66, 0, 76, 90), Qt::AlignCenter, on ? "ON" : "OFF");
  return image;
}

// A carved wooden frame around the logo area.
QImage Frame() {
  QImage image = Blank(180, 180);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient wood(0, 0, 180, 180);
  wood.setColorAt(0, QColor(0xB0, 0x70, 0x30));
  wood.setColorAt(0.5, QColor(0x80, 0x48, 0x18));
  wood.setColorAt(1, QColor(0xA0, 0x60, 0x28));
  QPainterPath outer;
  outer.addRoundedRect(QRectF(1, 1, 178, 178), 12, 12);
  QPainterPath inner;
  inner.addRoundedRect(QRectF(15, 15, 150, 150), 6, 6);
  p.fillPath(outer.subtracted(inner), wood);
  p.setPen(QPen(QColor(0x40, 0x20, 0x08), 2));
  p.drawPath(outer);
  p.drawPath(inner);
  return image;
}

// Ten bars rising from left to right; `lit` of them shine.
QImage Volume(int lit) {
  QImage image = Blank(78, 30);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(0x20, 0x20, 0x28));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(0, 0, 78, 30), 5, 5);
  for (int k = 0; k < 10; ++k) {
    const double h = 6 + 2.0 * k;
    const QColor colour = k < lit ? QColor::fromHsv(120 - 12 * k, 220, 250) : QColor(0x50, 0x50, 0x58);
    p.setBrush(colour);
    p.drawRect(QRectF(4 + 7.2 * k, 27 - h, 5, h));
  }
  return image;
}

// A round station badge with the station's initials and radio waves.
QImage Logo(const QString& initials, QColor colour) {
  QImage image = Blank(150, 150);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient fill(QPointF(60, 55), 90);
  fill.setColorAt(0, colour.lighter(150));
  fill.setColorAt(1, colour.darker(150));
  p.setPen(QPen(Qt::white, 4));
  p.setBrush(fill);
  p.drawEllipse(QRectF(8, 8, 134, 134));
  p.setPen(QPen(QColor(255, 255, 255, 180), 3));
  p.setBrush(Qt::NoBrush);
  for (int r : {18, 28, 38}) p.drawArc(QRectF(105 - r, 40 - r, 2 * r, 2 * r), -30 * 16, 75 * 16);
  QFont font("DejaVu Sans", 1, QFont::Bold);
  font.setPixelSize(initials.size() > 2 ? 34 : 46);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(8, 40, 134, 80), Qt::AlignCenter, initials);
  return image;
}

}  // namespace

std::map<QString, QImage> PaintRadioLibrary() {
  std::map<QString, QImage> pictures;
  pictures["RRADIO_MAING"] = Switch(true);
  pictures["RRADIO_MAINR"] = Switch(false);
  pictures["RRADIO_RAMKA"] = Frame();
  for (int k = 0; k <= 10; ++k) pictures[QString("RRADIO_VOLUME%1").arg(k, 2, 10, QChar('0'))] = Volume(k);
  pictures["RRADIO_LOGO_AVTORADIO"] = Logo("AR", QColor(0xD0, 0x20, 0x20));
  pictures["RRADIO_LOGO_RADIOUN"] = Logo("FM", QColor(0x20, 0x50, 0xC0));
  return pictures;
}

}  // namespace tavlo
