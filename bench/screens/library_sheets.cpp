#include "library_sheets.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "game/card.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/library_files.h"
#include "ui/pictures/picture_registry.h"
#include "ui/pictures/picture_sources.h"

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

void Label(QPainter& p, int x, int y, const QString& text) {
  QFont font("DejaVu Sans");
  font.setPixelSize(13);
  p.setFont(font);
  p.setPen(art::kGoldLight);
  p.drawText(x, y, text);
}

// Decks at the largest card size: three cards each, eight decks to a row.
QImage DeckSheet(PictureRegistry& registry) {
  constexpr int kPerRow = 4;
  constexpr int kCellW = 3 * 150 + 24;
  constexpr int kCellH = 198 + 26;
  QImage sheet(kPerRow * kCellW + 12, 12 * kCellH + 12, QImage::Format_RGB32);
  sheet.fill(art::kFelt);
  QPainter p(&sheet);
  const TCardCode cards[3] = {MakeCard(13, kSpades), MakeCard(11, kHearts), MakeCard(9, kDiamonds)};
  for (int deck = 1; deck <= 47; ++deck) {
    const bool narrow = HasNarrowCards(deck);
    const QSize size(narrow ? 126 : 146, 198);
    const LoadedDeck loaded = LoadDeck(registry, deck, 2, size);
    const int x = 12 + ((deck - 1) % kPerRow) * kCellW;
    const int y = 12 + ((deck - 1) / kPerRow) * kCellH;
    for (int k = 0; k < 3; ++k) {
      const QImage& face = loaded.faces[NumberOfCard(cards[k]) - 1];
      if (!face.isNull()) p.drawImage(x + k * (size.width() + 6), y, face);
    }
    Label(p, x, y + 198 + 16,
          QStringLiteral("%1 %2%3%4")
              .arg(deck)
              .arg(DeckEntry(deck).code, narrow ? " (narrow)" : "", loaded.result ? "" : " MISSING"));
  }
  return sheet;
}

QImage BackSheet(PictureRegistry& registry) {
  constexpr int kCellW = 104;
  constexpr int kRowH = 150 + 26;
  QImage sheet(12 + 10 * kCellW + 60, 12 + 13 * kRowH, QImage::Format_RGB32);
  sheet.fill(art::kFelt);
  QPainter p(&sheet);
  for (int set = 0; set <= 12; ++set) {
    const LoadedBacks backs = LoadBacks(registry, set, 0, 0, QSize(98, 133));
    const int y = 12 + set * kRowH;
    for (std::size_t k = 0; k < backs.backs.size(); ++k) {
      p.drawImage(12 + static_cast<int>(k) * kCellW, y, backs.backs[k]);
    }
    Label(p, 12, y + 133 + 16, QStringLiteral("set %1%2").arg(set).arg(backs.result ? "" : " MISSING"));
  }
  return sheet;
}

QImage BackgroundSheet(PictureRegistry& registry) {
  constexpr QSize kThumb(190, 125);
  QImage sheet(12 + 7 * (kThumb.width() + 8), 12 + 11 * (kThumb.height() + 24), QImage::Format_RGB32);
  sheet.fill(QColor(0x20, 0x20, 0x20));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int number = 1; number <= 10; ++number) {
    for (int colour = 0; colour <= 6; ++colour) {
      const LoadedBackground bg = LoadBackground(registry, false, number, colour, 3, QSize(990, 650));
      const int x = 12 + colour * (kThumb.width() + 8);
      const int y = 12 + (number - 1) * (kThumb.height() + 24);
      p.drawImage(QRect(QPoint(x, y), kThumb), bg.picture);
      Label(p, x, y + kThumb.height() + 16,
            QStringLiteral("%1 / %2%3").arg(number).arg(colour).arg(bg.result ? "" : " MISSING"));
    }
  }
  const LoadedBackground lilu = LoadBackground(registry, true, 2, 0, 3, QSize(990, 650));
  const int y = 12 + 10 * (kThumb.height() + 24);
  p.drawImage(QRect(QPoint(12, y), kThumb), lilu.picture);
  Label(p, 12, y + kThumb.height() + 16, "BGLilu");
  return sheet;
}

}  // namespace

int WriteLibrarySheets(const QString& folder) {
  const auto built = ShippedLibraryFolder();
  if (!built) {
    std::fprintf(stderr, "the picture libraries have not been built\n");
    return 0;
  }
  PictureRegistry registry({*built});
  int written = 0;
  Save(DeckSheet(registry), folder + "/library-decks.png", written);
  Save(BackSheet(registry), folder + "/library-backs.png", written);
  Save(BackgroundSheet(registry), folder + "/library-backgrounds.png", written);
  return written;
}

}  // namespace tavlo
