#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>
#include <array>

namespace tavlo {

// Where the five figure lines of a score sheet block stand, inside the block's 210 x 155
// picture: "Tricks", "Oners", "Koronki", "Slams" on the plain board, "All" on the red band.
struct FigureBlockLayout {
  std::array<int, 5> LineTop{};  // top of each line's text
  std::array<QRect, 5> Ink{};    // the pixels each line's caption and value cover
  QRect Band;                    // the red band under "All"
};

inline constexpr int kFigureBlockWidth = 210;
inline constexpr int kFigureBlockHeight = 155;
inline constexpr int kFigureCaptionLeft = 20;
inline constexpr int kFigureValueRight = 190;

// Lays out the lines at their design tops 15, 40, 65, 90, 115 and puts the band around the
// "All" line only; when the font's letters reach too low for that, the "All" line moves down
// (as far as the block allows), so the band never runs under "Slams".
FigureBlockLayout LayOutFigureBlock(const QFont& font, const QStringList& captions, const QStringList& values);

}  // namespace tavlo
