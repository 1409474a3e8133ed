#include "ui/widgets/font_roles.h"

#include <QStringList>

#include "ui/layout/scale.h"

namespace tavlo {

int FontRoles::Size(FontRole role, double n) const {
  return RoleSize(n, Percent[static_cast<std::size_t>(role)]);
}

QFont FontRoles::FontAt(FontRole role, int pixels, bool bold) const {
  QFont font(Face[static_cast<std::size_t>(role)]);
  font.setPixelSize(pixels > 0 ? pixels : 1);
  font.setBold(bold);
  if (role == FontRole::Fixed || role == FontRole::Conew) font.setStyleHint(QFont::TypeWriter);
  return font;
}

QFont FontRoles::Font(FontRole role, double n, bool bold) const { return FontAt(role, Size(role, n), bold); }

void InstallFontSubstitutes() {
  QFont::insertSubstitutions("Comic Sans MS", QStringList{"Comic Neue", "DejaVu Sans", "WenQuanYi Micro Hei"});
  QFont::insertSubstitutions("FixedSys", QStringList{"DejaVu Sans Mono", "WenQuanYi Micro Hei Mono"});
  QFont::insertSubstitutions("Courier New", QStringList{"DejaVu Sans Mono", "WenQuanYi Micro Hei Mono"});
  QFont::insertSubstitutions("Arial", QStringList{"DejaVu Sans", "WenQuanYi Micro Hei"});
  QFont::insertSubstitutions("Times New Roman", QStringList{"DejaVu Serif", "WenQuanYi Micro Hei"});
}

}  // namespace tavlo
