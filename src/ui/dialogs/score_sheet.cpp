#include "ui/dialogs/score_sheet.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

#include "game/seats.h"
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
  for (WordId w : {WordId::Tricks, WordId::Oners, WordId::Koronki, WordId::Slams, WordId::All}) captions_ << word(w) + ":";
  // Side 2 (North-South locally) is always the player's side.
  sideNames_[1] = word(WordId::SheetThey);
  sideNames_[2] = word(WordId::SheetWe);
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

  // Figure blocks, each with the red band of its total, and the label saying whose they are.
  for (int side = 1; side <= 2; ++side) {
    const QPoint at = BlockOrigin(side);
    p.drawImage(QRect(at, QSize(kFigureBlockWidth, kFigureBlockHeight)),
                pictures_.Picture("VItog", QSize(kFigureBlockWidth, kFigureBlockHeight)));
    const QRectF band = QRectF(BlockLayout(side).Band).translated(at);
    QLinearGradient red(0, band.top(), 0, band.bottom());
    red.setColorAt(0, QColor(0xB8, 0x1C, 0x28));
    red.setColorAt(1, QColor(0x72, 0x08, 0x12));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRoundedRect(band, 5, 5);
    PaintSideLabel(p, side);
  }
  p.end();
}

QPoint TFormDiscard::BlockOrigin(int side) { return side == 1 ? QPoint(565, 105) : QPoint(565, 283); }

QFont TFormDiscard::BlockFont() const { return fonts_.FontAt(FontRole::Decor, 24); }

FigureBlockLayout TFormDiscard::BlockLayout(int side) const { return LayOutFigureBlock(BlockFont(), captions_, FigureTexts(side)); }

QRect TFormDiscard::SideLabelRect(int side) const {
  // Above the top block, below the bottom one: each label stands beside its own grid.
  const QPoint at = BlockOrigin(side);
  return side == 1 ? QRect(at.x(), at.y() - 40, kFigureBlockWidth, 32) : QRect(at.x(), at.y() + kFigureBlockHeight + 8, kFigureBlockWidth, 32);
}

void TFormDiscard::PaintSideLabel(QPainter& p, int side) const {
  const QRect box = SideLabelRect(side);
  // The same compass pictures as the side's score board on the table.
  const GameState& s = game_.State();
  const bool playerNorthSouth = s.SeatCompass[kSouth] == 2 || s.SeatCompass[kSouth] == 4;
  const bool eastWest = (side == 1) == playerNorthSouth;
  const QString first = eastWest ? "GWest" : "GNorth", second = eastWest ? "GEast" : "GSouth";
  const int icon = 24, top = box.top() + (box.height() - icon) / 2;
  p.drawImage(QRect(box.left(), top, icon, icon), pictures_.Picture(first, QSize(icon, icon)));
  p.drawImage(QRect(box.right() - icon + 1, top, icon, icon), pictures_.Picture(second, QSize(icon, icon)));
  p.setFont(SideLabelFont());
  p.setPen(QColor(0xFF, 0xE0, 0x80));
  const QFontMetrics fm(p.font());
  TextCentred(p, sideNames_[side], box.left(), box.right() + 1, box.top() + (box.height() - fm.height()) / 2);
}

QFont TFormDiscard::SideLabelFont() const { return fonts_.FontAt(FontRole::Decor, 24, true); }

QString TFormDiscard::SideName(int side) const { return sideNames_[side]; }

void TFormDiscard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, sheet_);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(BlockFont());
  for (int side = 1; side <= 2; ++side) {
    const QPoint at = BlockOrigin(side);
    const QStringList values = FigureTexts(side);
    const FigureBlockLayout layout = BlockLayout(side);
    for (int line = 0; line < 5; ++line) {
      p.setPen(line == 4 ? QColor(Qt::white) : QColor(0xFF, 0x20, 0x20));
      const int top = at.y() + layout.LineTop[static_cast<std::size_t>(line)];
      TextAt(p, captions_[line], at.x() + kFigureCaptionLeft, top);
      TextRight(p, values[line], at.x() + kFigureValueRight, top);
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
