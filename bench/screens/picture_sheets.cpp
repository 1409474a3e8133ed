#include "picture_sheets.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "game/card.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo {

namespace {

bool Save(const QImage& image, const QString& path, int& written) {
  if (!image.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  ++written;
  return true;
}

// A card as the table shows it at 71 x 96: the black outline with cut corners and the
// 69 x 94 face inside it.
QImage ClassicCard(const QImage& face) {
  QImage card(71, 96, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  QPainter p(&card);
  p.setPen(Qt::black);
  p.drawLine(2, 0, 68, 0);
  p.drawLine(2, 95, 68, 95);
  p.drawLine(0, 2, 0, 93);
  p.drawLine(70, 2, 70, 93);
  for (const QPoint corner : {QPoint(1, 1), QPoint(69, 1), QPoint(1, 94), QPoint(69, 94)}) p.drawPoint(corner);
  p.drawImage(1, 1, face);
  return card;
}

QImage DeckCard(PictureRegistry& registry, TCardCode card, int back, QSize size) {
  if (size == QSize(71, 96)) {
    const QSize face(69, 94);
    return ClassicCard(back > 0 ? registry.CardBack(back, face) : registry.CardFace(card, face));
  }
  return back > 0 ? registry.CardBack(back, size) : registry.CardFace(card, size);
}

// The deck laid out on felt: one row per suit, two to ace, and a row of the seven backs.
QImage DeckSheet(PictureRegistry& registry, QSize size) {
  const int gap = size.width() / 8;
  const int cols = 13;
  const int rows = 5;
  QImage sheet(gap + cols * (size.width() + gap), gap + rows * (size.height() + gap), QImage::Format_RGB32);
  sheet.fill(art::kFelt);
  QPainter p(&sheet);
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 1; rank <= 13; ++rank) {
      const QImage card = DeckCard(registry, MakeCard(rank, kSuitOrder[suit]), 0, size);
      p.drawImage(gap + (rank - 1) * (size.width() + gap), gap + suit * (size.height() + gap), card);
    }
  }
  for (int back = 1; back <= 7; ++back) {
    p.drawImage(gap + (back - 1) * (size.width() + gap), gap + 4 * (size.height() + gap),
                DeckCard(registry, kNoCard, back, size));
  }
  return sheet;
}

// Every built-in picture at its design size (large ones shrunk to fit a cell) with its name.
QImage ContactSheet(PictureRegistry& registry) {
  const QStringList names = registry.PictureNames();
  const int cell = 170;
  const int label = 16;
  const int cols = 10;
  const int rows = (static_cast<int>(names.size()) + cols - 1) / cols;
  QImage sheet(cols * cell, rows * (cell + label), QImage::Format_RGB32);
  sheet.fill(QColor(0x55, 0x58, 0x5C));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  p.setFont(font);
  for (int i = 0; i < names.size(); ++i) {
    const int x = (i % cols) * cell;
    const int y = (i / cols) * (cell + label);
    QImage picture = registry.Picture(names[i]);
    QSize shown = picture.size();
    if (shown.width() > cell - 6 || shown.height() > cell - 6) shown.scale(cell - 6, cell - 6, Qt::KeepAspectRatio);
    const QRect target(x + (cell - shown.width()) / 2, y + (cell - shown.height()) / 2, shown.width(), shown.height());
    p.fillRect(target, art::kFelt);
    p.drawImage(target, picture);
    p.setPen(Qt::white);
    p.drawText(QRect(x, y + cell, cell, label), Qt::AlignCenter,
               QStringLiteral("%1 %2x%3").arg(names[i]).arg(picture.width()).arg(picture.height()));
  }
  return sheet;
}

// A few classic-size cards enlarged pixel for pixel, to judge the 71 x 96 deck closely.
QImage ClassicCloseUp(PictureRegistry& registry) {
  const TCardCode cards[] = {MakeCard(9, kClubs), MakeCard(9, kHearts), MakeCard(8, kDiamonds), MakeCard(6, kSpades),
                             MakeCard(10, kSpades), MakeCard(11, kHearts), MakeCard(12, kClubs), MakeCard(13, kSpades)};
  const int zoom = 3;
  QImage sheet((71 * zoom + 8) * 9 + 8, 96 * zoom + 16, QImage::Format_RGB32);
  sheet.fill(art::kFelt);
  QPainter p(&sheet);
  int x = 8;
  for (const TCardCode card : cards) {
    p.drawImage(QRect(x, 8, 71 * zoom, 96 * zoom), DeckCard(registry, card, 0, QSize(71, 96)));
    x += 71 * zoom + 8;
  }
  p.drawImage(QRect(x, 8, 71 * zoom, 96 * zoom), DeckCard(registry, kNoCard, 1, QSize(71, 96)));
  return sheet;
}

QString CardFileName(TCardCode card) {
  static const char* ranks[14] = {"", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  static const char* suits[4] = {"hearts", "diamonds", "clubs", "spades"};
  return QStringLiteral("%1-%2").arg(QLatin1String(ranks[RankValueOf(card)]), QLatin1String(suits[SuitIndexOf(card.suit)]));
}

}  // namespace

int WritePictureSheets(PictureRegistry& registry, const QString& folder) {
  int written = 0;
  for (const QSize size : {QSize(71, 96), QSize(146, 198)}) {
    const QString tag = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    for (int n = 1; n <= 52; ++n) {
      const TCardCode card = CardFromNumber(n);
      Save(DeckCard(registry, card, 0, size), QStringLiteral("%1/card-%2-%3.png").arg(folder, tag, CardFileName(card)),
           written);
    }
    for (int back = 1; back <= 7; ++back) {
      Save(DeckCard(registry, kNoCard, back, size), QStringLiteral("%1/back-%2-%3.png").arg(folder, tag).arg(back),
           written);
    }
    Save(DeckSheet(registry, size), QStringLiteral("%1/deck-%2.png").arg(folder, tag), written);
  }
  Save(ClassicCloseUp(registry), QStringLiteral("%1/deck-71x96-closeup.png").arg(folder), written);
  Save(ContactSheet(registry), QStringLiteral("%1/pictures.png").arg(folder), written);
  return written;
}

}  // namespace tavlo
