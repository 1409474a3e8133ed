#include "ui/widgets/caption_fit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QVariant>
#include <cmath>

namespace tavlo {
namespace {

// A font's size in pixels, whichever way it was given.
double PixelSize(const QFont& font) {
  if (font.pixelSize() > 0) return font.pixelSize();
  return QFontMetricsF(font).height();
}

QFont WithPixelSize(const QFont& font, int pixels) {
  QFont f = font;
  f.setPixelSize(std::max(1, pixels));
  return f;
}

// Shrinks `widget`'s font while `fits` says no, down to the smallest share of its size.
// The font a widget was designed with, kept when a caption first made it smaller, so a later
// language starts again from the designed size.
QFont DesignedFont(QWidget& widget) {
  const char* const kDesigned = "tavloDesignedFont";
  const QVariant kept = widget.property(kDesigned);
  if (kept.isValid()) return kept.value<QFont>();
  widget.setProperty(kDesigned, widget.font());
  return widget.font();
}

template <typename Fits>
void ShrinkUntil(QWidget& widget, Fits fits) {
  const QFont designed = DesignedFont(widget);
  if (widget.font() != designed) widget.setFont(designed);
  if (fits()) return;
  const int start = static_cast<int>(std::lround(PixelSize(designed)));
  const int smallest = static_cast<int>(std::ceil(start * kSmallestCaptionShare));
  for (int px = start - 1; px >= smallest; --px) {
    widget.setFont(WithPixelSize(designed, px));
    if (fits()) return;
  }
}

}  // namespace

QFont FittedFont(const QFont& font, const QString& text, int width, double smallestShare) {
  if (text.isEmpty() || QFontMetrics(font).horizontalAdvance(text) <= width) return font;
  const int start = static_cast<int>(std::lround(PixelSize(font)));
  const int smallest = static_cast<int>(std::ceil(start * smallestShare));
  QFont f = font;
  for (int px = start - 1; px >= smallest; --px) {
    f = WithPixelSize(font, px);
    if (QFontMetrics(f).horizontalAdvance(text) <= width) return f;
  }
  return f;
}

void FitCaptions(QWidget& root) {
  for (QLabel* label : root.findChildren<QLabel*>()) {
    if (label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull()) continue;
    if (Qt::mightBeRichText(label->text())) continue;
    ShrinkUntil(*label, [label] {
      const int room = label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
      int width = 0;
      for (const QString& line : label->text().split('\n')) width = std::max(width, label->fontMetrics().horizontalAdvance(line));
      return width <= room;
    });
  }
  for (QCheckBox* box : root.findChildren<QCheckBox*>()) {
    if (!box->text().isEmpty()) ShrinkUntil(*box, [box] { return box->sizeHint().width() <= box->width(); });
  }
  for (QRadioButton* radio : root.findChildren<QRadioButton*>()) {
    if (!radio->text().isEmpty()) ShrinkUntil(*radio, [radio] { return radio->sizeHint().width() <= radio->width(); });
  }
  for (QGroupBox* group : root.findChildren<QGroupBox*>()) {
    if (group->title().isEmpty()) continue;
    // The title's font is the group's own, which its children inherit unless they set theirs.
    const QFont designed = DesignedFont(*group);
    const QFont fitted = FittedFont(designed, group->title(), group->width() - 16);
    if (fitted != designed) {
      for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_SetFont)) child->setFont(designed);
      }
    }
    group->setFont(fitted);
  }
  for (QTabWidget* tabs : root.findChildren<QTabWidget*>()) {
    QTabBar* bar = tabs->tabBar();
    ShrinkUntil(*bar, [bar, tabs] { return bar->sizeHint().width() <= tabs->width(); });
  }
}

}  // namespace tavlo
