#include "ui/pictures/picture_sources.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "game/card.h"
#include "ui/pictures/deck_names.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo {

namespace {

struct DeckCodes {
  const char* code;
  const char* pip;  // empty: the deck's own code
  const char* ace;
};

// Deck 0 (built in) .. 47, in deck-number order.
constexpr DeckCodes kDecks[48] = {
    {"", "", ""},          {"Med", "", ""},       {"Mod", "", ""},       {"Anc", "", ""},       {"Bar", "", ""},
    {"Cel", "", ""},       {"Cor", "Mod", "Cor"}, {"Cro", "Mod", "Mod"}, {"Eng", "", ""},       {"Fra", "", ""},
    {"His", "Mod", "Mod"}, {"Nat", "", ""},       {"Old", "", ""},       {"Par", "Mod", "Mod"}, {"Roy", "", ""},
    {"Sha", "", ""},       {"Big", "", ""},       {"004", "", ""},       {"Lon", "", ""},       {"Cl2", "Sea", "Sea"},
    {"Hea", "Sea", "Sea"}, {"Sea", "", ""},       {"Rhi", "", ""},       {"Me2", "", ""},       {"Doo", "", ""},
    {"Boy", "Rhi", "Boy"}, {"Epi", "", ""},       {"USR", "Big", "USR"}, {"Pla", "", ""},       {"SkN", "", ""},
    {"SkT", "", ""},       {"SkF", "", ""},       {"Bel", "", ""},       {"Dia", "", ""},       {"Kny", "", ""},
    {"Pas", "", ""},       {"Rus", "", ""},       {"Sla", "", ""},       {"May", "", ""},       {"Lub", "", ""},
    {"Fra", "", ""},       {"Mus", "", ""},       {"BS1", "", ""},       {"BS2", "", ""},       {"BS3", "", ""},
    {"Chi", "", ""},       {"BIt", "", ""},       {"Cze", "", ""},
};

// Back set codes 1..12; set 0 (the classical backs) has none.
constexpr const char* kBackSetCodes[13] = {"",    "Cl1", "Cl2", "Car", "Cro", "Che", "Dia",
                                           "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};

constexpr const char* kBackgroundColourCodes[7] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};

MissingFileNotice Missing(const QString& library) { return MissingFileNotice{QStringLiteral(" ") + library}; }

// The large pictures are drawn with their corners cut round: the table's cards are rounded.
QImage RoundedCard(const QImage& picture, QSize cardSize, int cardSizeClass) {
  QImage card(cardSize, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  QPainter p(&card);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const double radius = cardSizeClass == 2 ? 8.0 : std::round(8.0 * cardSize.height() / 96.0);
  QPainterPath shape;
  shape.addRoundedRect(QRectF(0, 0, cardSize.width(), cardSize.height()), radius, radius);
  p.setClipPath(shape);
  p.drawImage(QRect(QPoint(0, 0), cardSize), picture);
  return card;
}

// The classic bitmaps mark their transparent parts with 0xC0C0C0.
QImage KeyedTransparent(const QImage& picture) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == 0xC0C0C0) line[x] = 0;
    }
  }
  return out;
}

bool IsBuiltInDeck(int deckNumber) { return deckNumber == 0; }

}  // namespace

DeckTableEntry DeckEntry(int deckNumber) {
  if (deckNumber <= 0 || deckNumber > 47) return {};
  const DeckCodes& d = kDecks[deckNumber];
  const QString code = QString::fromLatin1(d.code);
  const QString pip = *d.pip ? QString::fromLatin1(d.pip) : code;
  const QString ace = *d.ace ? QString::fromLatin1(d.ace) : code;
  const QString library = deckNumber <= 31 ? kDeckLibraryA : deckNumber <= 39 ? kDeckLibraryB : kDeckLibraryC;
  return DeckTableEntry{library, code, pip, ace};
}

const QString& CardCode(const DeckTableEntry& entry, int rank) {
  return rank <= 9 ? entry.pipCode : rank == 13 ? entry.aceCode : entry.code;
}

QString BackSetCode(int backSet) { return QString::fromLatin1(kBackSetCodes[std::clamp(backSet, 0, 12)]); }

QString BackgroundPictureName(int backgroundNumber, int backgroundColour) {
  return QStringLiteral("Fon%1%2")
      .arg(backgroundNumber, 2, 10, QLatin1Char('0'))
      .arg(QLatin1String(kBackgroundColourCodes[std::clamp(backgroundColour, 0, 6)]));
}

bool HasNarrowCards(int deckNumber) { return deckNumber >= 28 && deckNumber != 40 && deckNumber != 45; }

void InvertFaceEllipse(QImage& face, bool narrowCards) {
  QRectF ellipse;
  if (face.size() == QSize(69, 94)) {
    ellipse = QRectF(10, 10, 49, 74);
  } else {
    ellipse = narrowCards ? QRectF(10, 10, 106, 178) : QRectF(10, 10, 126, 178);
  }
  if (face.format() != QImage::Format_ARGB32 && face.format() != QImage::Format_RGB32) {
    face = face.convertToFormat(face.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  }
  const QPointF c = ellipse.center();
  const double rx = ellipse.width() / 2;
  const double ry = ellipse.height() / 2;
  for (int y = 0; y < face.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
    const double dy = (y + 0.5 - c.y()) / ry;
    for (int x = 0; x < face.width(); ++x) {
      const double dx = (x + 0.5 - c.x()) / rx;
      if (dx * dx + dy * dy <= 1.0) line[x] ^= 0x00FFFFFFu;
    }
  }
}

LoadedDeck LoadDeck(PictureRegistry& registry, int deckNumber, int cardSizeClass, QSize cardSize) {
  LoadedDeck deck;
  DeckTableEntry entry = DeckEntry(deckNumber);
  if (!IsBuiltInDeck(deckNumber) && !registry.HasLibrary(entry.library)) {
    deck.result = false;
    deck.notice = Missing(entry.library);
    deckNumber = 0;
    entry = {};
  }
  deck.deckNumber = deckNumber;
  deck.narrowCards = HasNarrowCards(deckNumber);
  const bool classic = cardSizeClass == 1;
  const QString suffix = classic ? QString() : QStringLiteral("B");
  for (int n = 1; n <= 52; ++n) {
    const TCardCode card = CardFromNumber(n);
    const int rank = RankValueOf(card);
    const int suit = SuitIndexOf(card.suit);
    QImage& face = deck.faces[n - 1];
    if (IsBuiltInDeck(deckNumber)) {
      face = registry.CardFace(card, classic ? QSize(69, 94) : cardSize);
      continue;
    }
    const QString& code = CardCode(entry, rank);
    auto picture = registry.LibraryPicture(entry.library, FacePictureName(suit, rank, code) + suffix);
    if (!picture) continue;
    InvertFaceEllipse(*picture, deck.narrowCards);
    face = classic ? *picture : RoundedCard(*picture, cardSize, cardSizeClass);
  }
  for (int suit = 0; suit < 4; ++suit) {
    if (IsBuiltInDeck(deckNumber)) {
      deck.suitSymbols[suit] = registry.Picture(SuitPictureName(suit));
      deck.largeSuitSymbols[suit] = registry.Picture(SuitPictureName(suit) + "B");
      continue;
    }
    const QString name = SuitPictureName(suit) + entry.pipCode;
    if (auto small = registry.LibraryPicture(entry.library, name)) deck.suitSymbols[suit] = KeyedTransparent(*small);
    if (auto large = registry.LibraryPicture(entry.library, name + "B")) deck.largeSuitSymbols[suit] = *large;
  }
  return deck;
}

int BackCount(int backSet) { return backSet >= 8 && backSet <= 11 ? 10 : 7; }

LoadedBacks LoadBacks(PictureRegistry& registry, int backSet, int deckNumber, int cardSizeClass, QSize cardSize) {
  LoadedBacks result;
  const bool classic = cardSizeClass == 1;
  const bool narrow = HasNarrowCards(deckNumber);
  // Narrow large cards need narrow backs, which only the library has.
  const bool deckNeedsLibrary = narrow && !classic;
  bool useLibrary = backSet != 0 || deckNeedsLibrary;
  if (useLibrary && !registry.HasLibrary(kDeckLibraryB)) {
    result.result = false;
    result.notice = Missing(kDeckLibraryB);
    result.reloadBuiltInDeck = deckNeedsLibrary;
    backSet = 0;
    useLibrary = false;
  }
  result.backSet = backSet;
  const int count = BackCount(backSet);
  const QString suffix = classic ? QString() : narrow ? QStringLiteral("U") : QStringLiteral("B");
  for (int back = 1; back <= count; ++back) {
    if (!useLibrary) {
      result.backs.push_back(registry.CardBack(back, classic ? QSize(69, 94) : cardSize));
      continue;
    }
    const QString name = BackPictureName(back) + BackSetCode(backSet) + suffix;
    const auto picture = registry.LibraryPicture(kDeckLibraryB, name);
    if (!picture) {
      result.backs.emplace_back();
    } else {
      result.backs.push_back(classic ? *picture : RoundedCard(*picture, cardSize, cardSizeClass));
    }
  }
  return result;
}

int ChooseBack(int isoWeekday, int backChange, int backSet, const std::function<int(int)>& randomBelow) {
  if (backSet >= 8 && backSet <= 11) return randomBelow(10) + 1;
  if (backChange == 1) return 7;
  return std::clamp(isoWeekday, 1, 7);
}

LoadedBackground LoadBackground(PictureRegistry& registry, bool cardDesign, int backgroundNumber, int backgroundColour,
                                int windowSizeMode, QSize layoutSize) {
  LoadedBackground result;
  result.backgroundNumber = backgroundNumber;
  result.backgroundColour = backgroundColour;
  const bool small = windowSizeMode == 1;
  const auto fitted = [&](const QImage& picture) {
    return small || picture.size() == layoutSize
               ? picture
               : picture.scaled(layoutSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  };
  if (cardDesign) {
    if (!registry.HasLibrary(kDesignLibrary)) {
      result.result = false;
      result.designsOff = true;
      result.notice = Missing(kDesignLibrary);
      return result;
    }
    const auto picture = registry.LibraryPicture(kDesignLibrary, QStringLiteral("BGLilu"));
    if (picture) result.picture = fitted(*picture);
    result.result = picture.has_value();
    return result;
  }
  const bool builtIn = backgroundNumber == 2 && backgroundColour == 0;
  if (!builtIn) {
    if (!registry.HasLibrary(kBackgroundLibrary)) {
      result.result = false;
      result.notice = MissingFileNotice{QStringLiteral(" ZanBackG03.dll")};
    } else {
      const QString name = BackgroundPictureName(backgroundNumber, backgroundColour) + (small ? QString() : QStringLiteral("B"));
      if (const auto picture = registry.LibraryPicture(kBackgroundLibrary, name)) {
        result.picture = fitted(*picture);
        return result;
      }
      // A library without the picture keeps the program usable on the built-in felt.
      result.result = false;
    }
    result.backgroundNumber = 2;
    result.backgroundColour = 0;
  }
  result.picture = registry.Picture(QStringLiteral("FonG"), small ? QSize(760, 500) : layoutSize);
  return result;
}

std::optional<QImage> LoadLibraryPicture(PictureRegistry& registry, const QString& name, const QString& library) {
  if (library.isEmpty()) {
    if (!registry.HasPicture(name)) return std::nullopt;
    return registry.Picture(name);
  }
  return registry.LibraryPicture(library, name);
}

DesignPicture LoadDesignPicture(PictureRegistry& registry, const QString& name) {
  DesignPicture result;
  if (!registry.HasLibrary(kDesignLibrary)) {
    result.designOff = true;
    result.notice = Missing(kDesignLibrary);
    return result;
  }
  result.picture = registry.LibraryPicture(kDesignLibrary, name);
  return result;
}

}  // namespace tavlo
