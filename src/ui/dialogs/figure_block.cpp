#include "ui/dialogs/figure_block.h"

#include <QFontMetrics>
#include <algorithm>

namespace tavlo {
namespace {

constexpr int kBandMargin = 3;  // band edge to the letters of "All"

QRect LineInk(const QFontMetrics& fm, const QString& caption, const QString& value, int top) {
  const int baseline = top + fm.ascent();
  QRect ink = fm.tightBoundingRect(caption).translated(kFigureCaptionLeft, baseline);
  ink |= fm.tightBoundingRect(value).translated(kFigureValueRight - fm.horizontalAdvance(value), baseline);
  return ink;
}

}  // namespace

FigureBlockLayout LayOutFigureBlock(const QFont& font, const QStringList& captions, const QStringList& values) {
  const QFontMetrics fm(font);
  FigureBlockLayout layout;
  for (int line = 0; line < 5; ++line) {
    layout.LineTop[static_cast<std::size_t>(line)] = 15 + 25 * line;
    layout.Ink[static_cast<std::size_t>(line)] =
        LineInk(fm, captions.value(line), values.value(line), layout.LineTop[static_cast<std::size_t>(line)]);
  }
  // The band starts below the lowest pixel of the four lines above it.
  int above = 0;
  for (int line = 0; line < 4; ++line) above = std::max(above, layout.Ink[static_cast<std::size_t>(line)].bottom());
  const int bandTop = above + 2;
  QRect& all = layout.Ink[4];
  const int shift = std::clamp(bandTop + kBandMargin - all.top(), 0,
                               std::max(0, kFigureBlockHeight - 4 - kBandMargin - all.bottom()));
  layout.LineTop[4] += shift;
  all.translate(0, shift);
  layout.Band = QRect(QPoint(8, bandTop),
                      QPoint(kFigureBlockWidth - 9, std::min(kFigureBlockHeight - 4, all.bottom() + kBandMargin)));
  return layout;
}

}  // namespace tavlo
