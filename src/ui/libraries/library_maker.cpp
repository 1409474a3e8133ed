// tavlo-library-maker: paints the picture libraries at build time. For one library file it
// writes the pictures under their library names into a folder and a resource list beside it;
// Qt's resource compiler then packs them into the bundle the program reads.
//
//   tavlo-library-maker LIBRARY OUTPUT_FOLDER KDE_DECKS_FOLDER AISLERIOT_DECKS_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <cstdio>

#include "game/card.h"
#include "ui/libraries/back_sets.h"
#include "ui/libraries/deck_pictures.h"
#include "ui/libraries/deck_sources.h"
#include "ui/libraries/design_library.h"
#include "ui/libraries/library_writer.h"
#include "ui/libraries/table_backgrounds.h"
#include "ui/pictures/card_art.h"
#include "ui/pictures/deck_names.h"
#include "ui/pictures/picture_sources.h"

namespace tavlo::libraries {
namespace {

constexpr QSize kClassicFace(69, 94);

// The classic suit symbols are bitmaps whose transparent colour is 0xC0C0C0.
QImage KeyedSymbol(int suit) {
  const QImage symbol = art::PaintSuitSymbol(suit, QSize(20, 20)).convertToFormat(QImage::Format_ARGB32);
  QImage keyed(symbol.size(), QImage::Format_RGB32);
  for (int y = 0; y < symbol.height(); ++y) {
    for (int x = 0; x < symbol.width(); ++x) {
      const QRgb c = symbol.pixel(x, y);
      keyed.setPixel(x, y, qAlpha(c) < 128 ? qRgb(0xC0, 0xC0, 0xC0) : (c | 0xFF000000u));
    }
  }
  return keyed;
}

bool WriteDeck(LibraryWriter& writer, int deck, const SvgFolders& folders) {
  const DeckTableEntry entry = DeckEntry(deck);
  const DeckSource source = SourceOfDeck(deck);
  std::unique_ptr<DeckPainter> painter;
  if (source.kind != DeckSource::Kind::BuiltInVariation) {
    const QString file = SvgPath(source, folders);
    painter = std::make_unique<DeckPainter>(file, source.kind == DeckSource::Kind::KdeSvg);
    if (!painter->IsValid()) {
      std::fprintf(stderr, "warning: deck %d: %s cannot be read; our own variation stands in\n", deck,
                   qPrintable(file));
      painter = std::make_unique<DeckPainter>(StandInVariation(deck));
    }
  } else {
    painter = std::make_unique<DeckPainter>(source.variation);
  }
  const bool narrow = HasNarrowCards(deck);
  const QSize large(narrow ? 126 : 146, 198);
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 1; rank <= 13; ++rank) {
      // Cards named with another deck's code are that deck's pictures.
      const QString& code = CardCode(entry, rank);
      if (code != entry.code) continue;
      const QString name = FacePictureName(suit, rank, code);
      // The library keeps its faces with an ellipse inverted; the loader turns it back.
      QImage classic = painter->Face(rank, suit, kClassicFace).convertToFormat(QImage::Format_RGB32);
      InvertFaceEllipse(classic, narrow);
      writer.AddPng(name, classic);
      QImage big = painter->Face(rank, suit, large).convertToFormat(QImage::Format_ARGB32);
      InvertFaceEllipse(big, narrow);
      writer.AddPng(name + "B", big);
    }
  }
  if (entry.pipCode == entry.code) {
    for (int suit = 0; suit < 4; ++suit) {
      const QString name = SuitPictureName(suit) + entry.pipCode;
      writer.AddPng(name, KeyedSymbol(suit));
      writer.AddPng(name + "B", art::PaintSuitSymbol(suit, QSize(64, 64)));
    }
  }
  return true;
}

void WriteBackSets(LibraryWriter& writer) {
  // Narrow decks at the large sizes take even the classical backs from the library, narrow.
  for (int back = 1; back <= 7; ++back) {
    writer.AddPng(BackPictureName(back) + "U", art::PaintCardBack(back, QSize(126, 198)));
  }
  for (int set = 1; set <= 12; ++set) {
    for (int back = 1; back <= BackCount(set); ++back) {
      const QString name = BackPictureName(back) + BackSetCode(set);
      writer.AddPng(name, PaintLibraryBack(set, back, kClassicFace).convertToFormat(QImage::Format_RGB32));
      writer.AddPng(name + "B", PaintLibraryBack(set, back, QSize(146, 198)));
      writer.AddPng(name + "U", PaintLibraryBack(set, back, QSize(126, 198)));
    }
  }
}

void WriteBackgrounds(LibraryWriter& writer) {
  for (int number = 1; number <= 10; ++number) {
    for (int colour = 0; colour <= 6; ++colour) {
      // 2 / green is the program's own felt.
      if (number == 2 && colour == 0) continue;
      const QString name = BackgroundPictureName(number, colour);
      writer.AddJpeg(name, PaintTableBackground(number, colour, QSize(760, 500)));
      // The large picture serves every larger window, stretched to its layout.
      writer.AddJpeg(name + "B", PaintTableBackground(number, colour, QSize(1520, 1000)), 85);
    }
  }
}

}  // namespace
}  // namespace tavlo::libraries

int main(int argc, char** argv) {
  using namespace tavlo;
  using namespace tavlo::libraries;
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s LIBRARY OUTPUT_FOLDER KDE_DECKS_FOLDER AISLERIOT_DECKS_FOLDER\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Some decks refer to patterns they define later; Qt reports every such link, and draws well.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
  QGuiApplication app(argc, argv);
  const QString library = QString::fromLocal8Bit(argv[1]);
  const SvgFolders folders{QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4])};
  LibraryWriter writer(QString::fromLocal8Bit(argv[2]), library);
  const QString file = library + ".dll";
  if (file == kDeckLibraryA || file == kDeckLibraryB || file == kDeckLibraryC) {
    for (int deck = 1; deck <= 47; ++deck) {
      if (DeckEntry(deck).library == file) WriteDeck(writer, deck, folders);
    }
    if (file == kDeckLibraryB) WriteBackSets(writer);
  } else if (file == kBackgroundLibrary) {
    WriteBackgrounds(writer);
  } else if (file == kDesignLibrary) {
    WriteDesignLibrary(writer);
  } else {
    std::fprintf(stderr, "unknown library %s\n", argv[1]);
    return 2;
  }
  if (!writer.Finish()) return 1;
  std::printf("%s: %d pictures\n", argv[1], writer.Count());
  return 0;
}
