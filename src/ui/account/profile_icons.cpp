#include "ui/account/profile_icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <string>

namespace tavlo {
namespace {

enum class Glyph { Person, Info, Phone, Envelope, Globe, Letters, Plane, Camera, Play };

struct IconLook {
  QColor Back;
  Glyph Sign;
  const char* Letters;  // for Glyph::Letters
  bool Round;           // a circle instead of a rounded square
};

// The services keep their familiar colours so that a row is recognised before it is read.
const IconLook kIcons[14] = {
    {QColor(0x5B, 0x6F, 0x86), Glyph::Person, "", true},     // first name
    {QColor(0x7A, 0x5B, 0x86), Glyph::Person, "", true},     // last name
    {QColor(0x2E, 0x7D, 0xD2), Glyph::Info, "", true},       // about
    {QColor(0x2E, 0xA0, 0x4A), Glyph::Phone, "", false},     // telephone
    {QColor(0xE0, 0x8A, 0x1E), Glyph::Envelope, "", false},  // e-mail
    {QColor(0x1F, 0x6F, 0xB5), Glyph::Globe, "", true},      // web site
    {QColor(0x00, 0xAF, 0xF0), Glyph::Letters, "S", true},   // Skype
    {QColor(0xEE, 0x82, 0x08), Glyph::Letters, "ok", false}, {QColor(0x4C, 0x75, 0xA3), Glyph::Letters, "vk", false},
    {QColor(0x2A, 0xAB, 0xEE), Glyph::Plane, "", true},      // Telegram
    {QColor(0x3B, 0x59, 0x98), Glyph::Letters, "f", false},  // Facebook
    {QColor(0x1D, 0xA1, 0xF2), Glyph::Letters, "t", false},  // Twitter
    {QColor(0xC1, 0x35, 0x84), Glyph::Camera, "", false},    // Instagram
    {QColor(0xE6, 0x21, 0x17), Glyph::Play, "", false},      // YouTube
};

void DrawGlyph(QPainter& p, const IconLook& look, double s) {
  const QColor white(Qt::white);
  p.setPen(Qt::NoPen);
  p.setBrush(white);
  switch (look.Sign) {
    case Glyph::Person:
      p.drawEllipse(QPointF(s * 0.5, s * 0.36), s * 0.17, s * 0.17);
      p.drawChord(QRectF(s * 0.22, s * 0.58, s * 0.56, s * 0.5), 0, 180 * 16);
      break;
    case Glyph::Info:
      p.drawEllipse(QPointF(s * 0.5, s * 0.27), s * 0.08, s * 0.08);
      p.drawRect(QRectF(s * 0.43, s * 0.42, s * 0.14, s * 0.36));
      break;
    case Glyph::Phone: {
      // A handset lying on its back: the grip arches over, the ear and mouth pieces hang down.
      p.setPen(QPen(white, s * 0.12, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(s * 0.22, s * 0.3, s * 0.56, s * 0.56), 25 * 16, 130 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(white);
      p.drawRoundedRect(QRectF(s * 0.16, s * 0.48, s * 0.22, s * 0.16), s * 0.05, s * 0.05);
      p.drawRoundedRect(QRectF(s * 0.62, s * 0.48, s * 0.22, s * 0.16), s * 0.05, s * 0.05);
      break;
    }
    case Glyph::Envelope: {
      const QRectF body(s * 0.18, s * 0.3, s * 0.64, s * 0.42);
      p.drawRect(body);
      p.setPen(QPen(look.Back, s * 0.07));
      p.drawLine(body.topLeft(), QPointF(s * 0.5, s * 0.54));
      p.drawLine(body.topRight(), QPointF(s * 0.5, s * 0.54));
      break;
    }
    case Glyph::Globe: {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(white, s * 0.06));
      const QRectF ball(s * 0.2, s * 0.2, s * 0.6, s * 0.6);
      p.drawEllipse(ball);
      p.drawEllipse(QRectF(s * 0.38, s * 0.2, s * 0.24, s * 0.6));
      p.drawLine(QPointF(s * 0.2, s * 0.5), QPointF(s * 0.8, s * 0.5));
      break;
    }
    case Glyph::Letters: {
      QFont font("DejaVu Sans");
      font.setBold(true);
      font.setPixelSize(static_cast<int>(s * (std::char_traits<char>::length(look.Letters) > 1 ? 0.48 : 0.66)));
      p.setFont(font);
      p.setPen(white);
      p.drawText(QRectF(0, 0, s, s * 0.96), Qt::AlignCenter, QString::fromLatin1(look.Letters));
      break;
    }
    case Glyph::Plane: {
      QPainterPath plane;
      plane.moveTo(s * 0.2, s * 0.5);
      plane.lineTo(s * 0.78, s * 0.27);
      plane.lineTo(s * 0.66, s * 0.76);
      plane.lineTo(s * 0.48, s * 0.6);
      plane.closeSubpath();
      p.drawPath(plane);
      break;
    }
    case Glyph::Camera:
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(white, s * 0.08));
      p.drawRoundedRect(QRectF(s * 0.22, s * 0.22, s * 0.56, s * 0.56), s * 0.15, s * 0.15);
      p.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.13, s * 0.13);
      p.setPen(Qt::NoPen);
      p.setBrush(white);
      p.drawEllipse(QPointF(s * 0.66, s * 0.34), s * 0.04, s * 0.04);
      break;
    case Glyph::Play: {
      QPainterPath play;
      play.moveTo(s * 0.4, s * 0.32);
      play.lineTo(s * 0.68, s * 0.5);
      play.lineTo(s * 0.4, s * 0.68);
      play.closeSubpath();
      p.drawPath(play);
      break;
    }
  }
}

}  // namespace

QImage ProfileIcon(int row, int size) {
  if (row < 0 || row >= 14 || size < 8) return {};
  const IconLook& look = kIcons[row];
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF area(0.5, 0.5, size - 1.0, size - 1.0);
  if (look.Sign == Glyph::Camera) {
    QLinearGradient shade(area.bottomLeft(), area.topRight());
    shade.setColorAt(0, QColor(0xF5, 0x8F, 0x29));
    shade.setColorAt(0.5, look.Back);
    shade.setColorAt(1, QColor(0x5B, 0x4F, 0xC9));
    p.setBrush(shade);
  } else {
    p.setBrush(look.Back);
  }
  p.setPen(Qt::NoPen);
  if (look.Round) {
    p.drawEllipse(area);
  } else {
    p.drawRoundedRect(area, size * 0.2, size * 0.2);
  }
  DrawGlyph(p, look, size);
  return icon;
}

}  // namespace tavlo
