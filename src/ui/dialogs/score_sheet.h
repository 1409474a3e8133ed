#pragma once

#include <QDialog>
#include <QImage>
#include <QPainter>

#include <functional>

#include "game/game.h"
#include "lang/word_ids.h"
#include "ui/dialogs/figure_block.h"
#include "ui/widgets/font_roles.h"

namespace tavlo {

class PictureRegistry;
class TZanCardsButton;

// TFormDiscard, the score sheet: which side took which card, card by card, and both
// sides' figures. At the end of a deal the game has already added the deal to the
// series when the sheet opens; the sheet itself only shows, so opening it with F2 in
// the middle of a deal changes nothing.
class TFormDiscard : public QDialog {
  Q_OBJECT

 public:
  TFormDiscard(PictureRegistry& pictures, const FontRoles& fonts, Game& game, const QImage& background,
               bool smallWindow, const std::function<QString(WordId)>& word, QWidget* parent);

  const DealScore& Figures() const { return score_; }
  // The texts of the five figure lines of a side, as written (values may be "-").
  QStringList FigureTexts(int side) const;
  TZanCardsButton& OkButton() { return *button1_; }
  // The lines of a side's figure block as they are drawn (relative to the block).
  FigureBlockLayout BlockLayout(int side) const;
  QFont BlockFont() const;
  // The caption of figure line 0..4, with its colon.
  QString Caption(int line) const { return captions_.value(line); }
  // Where the side's label ("We" or "They" with the two seats' compass pictures) stands.
  QRect SideLabelRect(int side) const;
  QFont SideLabelFont() const;
  QString SideName(int side) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PaintSheet();
  void PaintSideLabel(QPainter& p, int side) const;
  static QPoint BlockOrigin(int side);

  PictureRegistry& pictures_;
  const FontRoles& fonts_;
  const Game& game_;
  const QImage& background_;
  bool small_;
  DealScore score_;
  QStringList captions_;
  QString sideNames_[3];
  QImage sheet_;
  TZanCardsButton* button1_ = nullptr;
};

}  // namespace tavlo
