#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace tavlo {

// Translations differ in length, so a caption is drawn in its designed font when that fits its
// box and otherwise in the largest smaller size that does (never below the smallest share of
// the designed size, where the text would stop being readable).
inline constexpr double kSmallestCaptionShare = 0.55;
QFont FittedFont(const QFont& font, const QString& text, int width, double smallestShare = kSmallestCaptionShare);

// Does the same for the labels, check boxes, radio buttons, group box titles and tab bars of a
// window whose captions are too wide for their boxes. Called once the window's captions are
// set (and again after a language change).
void FitCaptions(QWidget& root);

}  // namespace tavlo
