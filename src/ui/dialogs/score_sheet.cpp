#include "ui/dialogs/score_sheet.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/pictures/picture_registry.h"
#include "ui/widgets/text_helpers.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

// Rows of the grid from the top: spades, clubs (black), diamonds, hearts (red).
constexpr char kRowSuits[5] = {0, kSpades, kClubs, kDiamonds, kHearts};
// Columns from the left: ace, king, ... two (rank values 13 .. 1).
constexpr int RankOfColumn(int p) { return 14 - p; }

QString ColumnLabel(int p) {
  static const char* const kLabels[14] = {"", "A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"};
  return kLabels[p];
}

bool Holds(const CardList52& list, TCardCode card) {
  for (const TCardCode& c : list) {
    if (c == card) return true;
  }
  return false;
}

}  // namespace

TFormDiscard::TFormDiscard(PictureRegistry& pictures, const FontRoles& fonts, Game& game, const QImage& background,
                           bool smallWindow, const std::function<QString(WordId)>& word, QWidget* parent)
    : QDialog(parent), pictures_(pictures), fonts_(fonts), game_(game), background_(background), small_(smallWindow) {
  setModal(true);
  setWindowTitle(word(WordId::Discard));
  for (WordId w : {WordId::Tricks, WordId::Oners, WordId::Koronki, WordId::Slams, WordId::All}) captions_ << word(w);
  setFixedSize(790, 590);
  score_ = game.ScoreCurrentDeal(false);
  button1_ = new TZanCardsButton(pictures, this);
  button1_->setText("Ok");
  button1_->setFont(fonts.Font(FontRole::Decor, 20, true));
  button1_->setGeometry(5, 555, 780, 30);
  button1_->setCursor(Qt::PointingHandCursor);
  connect(button1_, &QAbstractButton::clicked, this, &QDialog::accept);
  PaintSheet();
}

QStringList TFormDiscard::FigureTexts(int side) const {
  const ScoreRecord& r = score_.Sides[side];
  const RuleOptions& options = game_.Options();
  return {QString::number(r.Tricks), QString::number(r.Oners),
          options.KoronkiMode == 0 ? QString("-") : QString::number(r.Koronki),
          options.IgnoreFirstSix ? QString("-") : QString::number(r.Slams), QString::number(r.All())};
}

void TFormDiscard::PaintSheet() {
  const GameState& s = game_.State();
  sheet_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
  QPainter p(&sheet_);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(sheet_.rect(), background_);
  const QImage card = pictures_.Picture("VCard");
  const QImage cross = pictures_.Picture("VKrest");

  // Both grids of empty cells.
  p.setPen(QPen(QColor(255, 255, 255, 120), 1));
  p.setBrush(QColor(0, 0, 0, 40));
  for (int j = 1; j <= 4; ++j) {
    for (int pCol = 1; pCol <= 13; ++pCol) {
      p.drawRoundedRect(QRect(QPoint(42 * pCol - 36, 64 * j - 58), QPoint(42 * pCol + 4, 64 * j + 4)), 5, 5);
      p.drawRoundedRect(QRect(QPoint(42 * pCol - 36, 64 * j + 220), QPoint(42 * pCol + 4, 64 * j + 282)), 5, 5);
    }
  }
  p.setFont(fonts_.FontAt(FontRole::Decor, 36));
  for (int j = 1; j <= 4; ++j) {
    const QColor ink = j <= 2 ? QColor(Qt::black) : QColor(0xD0, 0, 0);
    for (int pCol = 1; pCol <= 13; ++pCol) {
      const TCardCode c = MakeCard(RankOfColumn(pCol), kRowSuits[j]);
      const bool first = Holds(s.Taken[1], c);
      const bool second = !first && Holds(s.Taken[2], c);
      if (!first && !second) continue;
      // The winner's grid shows the card, the other side's grid shows it crossed out.
      const int shownTop = first ? 64 * j - 59 : 64 * j + 219;
      const int crossedTop = first ? 64 * j + 219 : 64 * j - 59;
      const int x = 42 * pCol - 37;
      p.drawImage(x, shownTop, card);
      p.setPen(ink);
      TextCentred(p, ColumnLabel(pCol), x, 42 * pCol + 5, shownTop + 2);
      if (small_) {
        p.drawImage(x + 11, shownTop + 36, pictures_.SuitSymbol(c.suit, QSize(20, 20)));
      } else {
        p.drawImage(QRect(QPoint(x + 5, shownTop + 30), QPoint(x + 37, shownTop + 62)),
                    pictures_.SuitSymbol(c.suit, QSize(33, 33)));
      }
      p.drawImage(x, crossedTop, card);
      p.drawImage(42 * pCol - 34, crossedTop + 14, cross);
    }
  }

  // Figure blocks.
  for (int side = 1; side <= 2; ++side) {
    const QPoint at = side == 1 ? QPoint(565, 105) : QPoint(565, 283);
    p.drawImage(QRect(at, QSize(210, 155)), pictures_.Picture("VItog", QSize(210, 155)));
  }
  p.end();
}

void TFormDiscard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, sheet_);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(fonts_.FontAt(FontRole::Decor, 24));
  for (int side = 1; side <= 2; ++side) {
    const QPoint at = side == 1 ? QPoint(565, 105) : QPoint(565, 283);
    const QStringList values = FigureTexts(side);
    for (int line = 0; line < 5; ++line) {
      p.setPen(line == 4 ? QColor(Qt::white) : QColor(0xFF, 0x20, 0x20));
      const QString caption = captions_[line] + ":";
      TextAt(p, caption, at.x() + 20, at.y() + 15 + 25 * line);
      TextRight(p, values[line], at.x() + 190, at.y() + 15 + 25 * line);
    }
  }
}

void TFormDiscard::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F2) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tavlo
