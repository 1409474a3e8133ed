#include "picture_sheets.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "game/card.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/button_rows.h"
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

// Built-in pictures at their design size (large ones shrunk to fit a cell), each with its name
// and size, on felt: the names from `first`, at most 48 to a page.
QImage ContactSheet(PictureRegistry& registry, const QStringList& names, int first) {
  const int cell = 170;
  const int label = 16;
  const int cols = 8;
  const int count = std::min(48, static_cast<int>(names.size()) - first);
  const int rows = (count + cols - 1) / cols;
  QImage sheet(cols * cell, rows * (cell + label), QImage::Format_RGB32);
  sheet.fill(QColor(0x55, 0x58, 0x5C));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  p.setFont(font);
  for (int i = 0; i < count; ++i) {
    const QString& name = names[first + i];
    const int x = (i % cols) * cell;
    const int y = (i / cols) * (cell + label);
    const QImage picture = registry.Picture(name);
    QSize shown = picture.size();
    if (shown.width() > cell - 6 || shown.height() > cell - 6) shown.scale(cell - 6, cell - 6, Qt::KeepAspectRatio);
    const QRect target(x + (cell - shown.width()) / 2, y + (cell - shown.height()) / 2, shown.width(), shown.height());
    p.fillRect(target.adjusted(-2, -2, 2, 2), art::kFelt);
    p.drawImage(target, picture);
    p.setPen(Qt::white);
    p.drawText(QRect(x, y + cell, cell, label), Qt::AlignCenter,
               QStringLiteral("%1 %2x%3").arg(name).arg(picture.width()).arg(picture.height()));
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

// Red buttons put together from their pieces the way the owner-drawn button does, at the three
// height classes and one free height, classic and alternative, to judge the pieces in use.
QImage ButtonSheet(PictureRegistry& registry) {
  QImage sheet(2 * 260 + 30, 4 * 75 + 10, QImage::Format_RGB32);
  sheet.fill(QColor(0xD4, 0xD0, 0xC8));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const struct {
    int h;
    const char* tag;
    int e0;
    int reference;
  } classes[] = {{30, "29", 8, 30}, {45, "44", 13, 45}, {60, "59", 17, 60}, {38, "44", 13, 45}};
  int y = 10;
  for (const auto& c : classes) {
    for (int set = 0; set < 2; ++set) {
      const bool nata = set == 1;
      const int w = 240;
      const int e = static_cast<int>(std::lround(c.e0 * static_cast<double>(c.h) / c.reference));
      const QString prefix = QString(nata ? "Q" : "R") + c.tag;
      const int x0 = 10 + set * 270;
      const QSize end(e, c.h - 1);
      p.drawImage(QRect(QPoint(x0, y), end), registry.Picture(prefix + "_L", end));
      p.drawImage(QRect(QPoint(x0 + w - e - 1, y), end), registry.Picture(prefix + "_R", end));
      const bool freeHeight = c.h != c.reference;
      if (nata || freeHeight) {
        p.drawImage(QRect(x0 + e, y, w - 2 * e - 1, c.h - 1), registry.Picture(prefix + "_2", QSize(w - 2 * e - 1, c.h - 1)));
      } else {
        for (int row = 0; row <= c.h - 2; ++row) {
          p.setPen(ButtonRowColour(c.h, row));
          p.drawLine(x0 + c.e0, y + row, x0 + w - c.e0 - 2, y + row);
        }
      }
      QFont font("Comic Neue");
      font.setBold(true);
      font.setPixelSize(static_cast<int>(c.h * 0.6));
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QRect(x0, y - (nata ? 1 : 0), w, c.h), Qt::AlignCenter, QStringLiteral("New Player %1").arg(c.h));
    }
    y += c.h + 15;
  }
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
  Save(ButtonSheet(registry), QStringLiteral("%1/buttons.png").arg(folder), written);
  Save(ClassicCloseUp(registry), QStringLiteral("%1/deck-71x96-closeup.png").arg(folder), written);
  const QStringList names = registry.PictureNames();
  for (int first = 0, page = 1; first < names.size(); first += 48, ++page) {
    Save(ContactSheet(registry, names, first), QStringLiteral("%1/pictures-%2.png").arg(folder).arg(page, 2, 10, QLatin1Char('0')),
         written);
  }
  return written;
}

}  // namespace tavlo
