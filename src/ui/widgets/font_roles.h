#pragma once

#include <QFont>
#include <QString>
#include <array>

namespace tavlo {

// The four font roles of the program, each a face and a percentage that every size in
// that role is multiplied by.
enum class FontRole { Decor = 0, Serif = 1, Fixed = 2, Conew = 3 };

struct FontRoles {
  std::array<QString, 4> Face{"Comic Sans MS", "Comic Sans MS", "FixedSys", "Courier New"};
  std::array<int, 4> Percent{100, 100, 100, 100};

  // The role's size for a design size n: round(n x percentage / 100).
  int Size(FontRole role, double n) const;
  // A font of the role at pixel height round(n x percentage / 100).
  QFont Font(FontRole role, double n, bool bold = false) const;
  // A font of the role at exactly this pixel height (sizes the caller already adjusted).
  QFont FontAt(FontRole role, int pixels, bool bold = false) const;
};

// Faces the program names that Linux desktops lack are drawn with their nearest free
// relatives. Called once when the application starts.
void InstallFontSubstitutes();

}  // namespace tavlo
