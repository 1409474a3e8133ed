#include "ui/account/country_flags.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace tavlo {
namespace {

constexpr int kFlagWidth = 14;
constexpr int kFlagHeight = 12;

// The crown dependencies are missing from the system's icon set; we draw them ourselves in the
// same 14 x 12 size, simplified to what still reads at that scale.
QImage DrawnFlag(const QString& iso) {
  const QColor white(0xFF, 0xFF, 0xFF);
  const QColor red(0xE8, 0x11, 0x2D);
  const QColor yellow(0xF9, 0xDD, 0x16);
  QImage flag(kFlagWidth, kFlagHeight, QImage::Format_ARGB32);
  if (iso == "gg") {
    // White field, the red cross of St George and the golden cross laid on it.
    flag.fill(white);
    QPainter p(&flag);
    p.fillRect(5, 0, 4, kFlagHeight, red);
    p.fillRect(0, 4, kFlagWidth, 4, red);
    p.fillRect(6, 2, 2, 8, yellow);
    p.fillRect(3, 5, 8, 2, yellow);
    return flag;
  }
  if (iso == "je") {
    // White field with a red saltire and the red badge under a golden crown at the top.
    flag.fill(white);
    QPainter p(&flag);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(red, 1.8));
    p.drawLine(QPointF(0, 0), QPointF(kFlagWidth, kFlagHeight));
    p.drawLine(QPointF(kFlagWidth, 0), QPointF(0, kFlagHeight));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(5, 0, 4, 1, yellow);
    p.fillRect(5, 1, 4, 4, red);
    p.fillRect(6, 2, 2, 1, yellow);
    p.fillRect(6, 4, 2, 1, yellow);
    return flag;
  }
  if (iso == "im") {
    // Red field with the three bent legs turning around the middle.
    flag.fill(red);
    QPainter p(&flag);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(white, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF centre(kFlagWidth / 2.0, kFlagHeight / 2.0);
    for (const double degrees : {-90.0, 30.0, 150.0}) {
      const double leg = qDegreesToRadians(degrees);
      const double foot = qDegreesToRadians(degrees + 90.0);
      const QPointF knee = centre + QPointF(std::cos(leg), std::sin(leg)) * 4.2;
      QPainterPath path(centre);
      path.lineTo(knee);
      path.lineTo(knee + QPointF(std::cos(foot), std::sin(foot)) * 2.4);
      p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(yellow);
    p.drawEllipse(centre, 1.0, 1.0);
    return flag;
  }
  return {};
}

}  // namespace

QString CountryFlagFolder() {
  const QString folder = qEnvironmentVariable("TAVLO_FLAGS");
  return folder.isEmpty() ? QStringLiteral("/usr/share/flags/countries/16x11") : folder;
}

QImage CountryFlag(const QString& iso) {
  static QHash<QString, QImage> cache;
  if (iso.size() != 2 || !iso[0].isLower() || !iso[1].isLower()) return {};
  if (const auto found = cache.constFind(iso); found != cache.constEnd()) return *found;
  QImage icon(CountryFlagFolder() + "/" + iso + ".png");
  if (!icon.isNull()) {
    icon = icon.scaled(kFlagWidth, kFlagHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  } else {
    icon = DrawnFlag(iso);
  }
  cache.insert(iso, icon);
  return icon;
}

}  // namespace tavlo
