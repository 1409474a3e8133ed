#include "ui/account/country_flags.h"

#include <QHash>

namespace tavlo {

QString CountryFlagFolder() {
  const QString folder = qEnvironmentVariable("TAVLO_FLAGS");
  return folder.isEmpty() ? QStringLiteral("/usr/share/flags/countries/16x11") : folder;
}

QImage CountryFlag(const QString& iso) {
  static QHash<QString, QImage> cache;
  if (iso.size() != 2 || !iso[0].isLower() || !iso[1].isLower()) return {};
  if (const auto found = cache.constFind(iso); found != cache.constEnd()) return *found;
  QImage icon(CountryFlagFolder() + "/" + iso + ".png");
  if (!icon.isNull()) icon = icon.scaled(14, 12, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  cache.insert(iso, icon);
  return icon;
}

}  // namespace tavlo
