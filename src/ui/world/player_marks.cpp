#include "ui/world/player_marks.h"

#include <QImage>
#include <QPainter>

#include "net/club/countries.h"
#include "ui/account/country_flags.h"

namespace tavlo {

QPixmap PlayerFlag(const std::string& country) {
  const Country* c = nullptr;
  if (const auto code = ParseCountryCode(country)) {
    c = &CountriesOf(code->first)[static_cast<std::size_t>(code->second)];
  } else {
    c = CountryNamed(country);
  }
  if (c == nullptr) return {};
  const QImage flag = CountryFlag(QString::fromLatin1(c->Iso));
  return flag.isNull() ? QPixmap() : QPixmap::fromImage(flag);
}

QPixmap PlayerFace(const std::string& sex) {
  if (sex.empty()) return {};
  QImage image(14, 14, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(60, 40, 20), 1));
  p.setBrush(sex == "W" ? QColor(0xF4, 0xA0, 0xC0) : QColor(0x90, 0xB8, 0xF0));
  p.drawEllipse(QRectF(0.5, 0.5, 13, 13));
  p.setBrush(QColor(40, 30, 20));
  p.drawEllipse(QRectF(4, 4.5, 2, 2));
  p.drawEllipse(QRectF(8, 4.5, 2, 2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(4, 6, 6, 4), 200 * 16, 140 * 16);
  return QPixmap::fromImage(image);
}

}  // namespace tavlo
