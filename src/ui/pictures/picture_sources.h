#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace tavlo {

class PictureRegistry;

// The library files of the card decks, backs, backgrounds and card-style design.
inline const QString kDeckLibraryA = QStringLiteral("ZanCards06A.dll");
inline const QString kDeckLibraryB = QStringLiteral("ZanCards06B.dll");
inline const QString kDeckLibraryC = QStringLiteral("ZanCards06C.dll");
inline const QString kBackgroundLibrary = QStringLiteral("ZanBackG03.dll");
inline const QString kDesignLibrary = QStringLiteral("ZanCGraph1.dll");

// The notice for a missing library: the window shows "Can`t find the file" followed by tail.
struct MissingFileNotice {
  QString tail;  // " ZanCards06A.dll"
  friend bool operator==(const MissingFileNotice&, const MissingFileNotice&) = default;
};

// One line of the deck table. The pip code names the two to ten, the ace code the aces and the
// deck code the jack, queen and king; all three are empty for the built-in deck 0.
struct DeckTableEntry {
  QString library;
  QString code;
  QString pipCode;
  QString aceCode;
};
DeckTableEntry DeckEntry(int deckNumber);  // deckNumber 0..47
// The code a card of rank 1 (two) .. 13 (ace) is named with in its deck.
const QString& CardCode(const DeckTableEntry& entry, int rank);
// "Cl1" .. "Rus" for the back sets 1..12; empty for the built-in set 0.
QString BackSetCode(int backSet);
// "Fon" + two-digit number + colour code ("Fon05Gr"), without the size suffix.
QString BackgroundPictureName(int backgroundNumber, int backgroundColour);
bool HasNarrowCards(int deckNumber);

struct LoadedDeck {
  bool result = true;  // false when the deck's library was missing
  int deckNumber = 0;  // the deck setting afterwards (0 after a missing library)
  bool narrowCards = false;
  // Faces by card number - 1 (NumberOfCard): 69 x 94 for card size class 1, otherwise the large
  // picture at the card size with rounded transparent corners. A null face is a card the deck
  // does not have; the table then draws its outline only.
  std::array<QImage, 52> faces;
  std::array<QImage, 4> suitSymbols;       // 20 x 20, transparent ground; hearts, diamonds, clubs, spades
  std::array<QImage, 4> largeSuitSymbols;  // the large companions
  std::optional<MissingFileNotice> notice;
};
// cardSize is CardWidth x CardHeight (71 x 96 for class 1, where the faces are 69 x 94).
LoadedDeck LoadDeck(PictureRegistry& registry, int deckNumber, int cardSizeClass, QSize cardSize);

struct LoadedBacks {
  bool result = true;  // false when "ZanCards06B.dll" was needed and missing
  int backSet = 0;     // the back set setting afterwards
  // Set when the deck needed the library for its backs: the caller reloads the built-in deck.
  bool reloadBuiltInDeck = false;
  std::vector<QImage> backs;  // back 1 first; seven or ten
  std::optional<MissingFileNotice> notice;
};
LoadedBacks LoadBacks(PictureRegistry& registry, int backSet, int deckNumber, int cardSizeClass, QSize cardSize);
int BackCount(int backSet);  // 10 for the sets 8..11, else 7

// Today's back number: weekday 1 (Monday) .. 7 (Sunday); backChange 1 keeps back 7; the sets
// 8..11 draw one of ten at random with randomBelow(10) (0..9), overriding both.
int ChooseBack(int isoWeekday, int backChange, int backSet, const std::function<int(int)>& randomBelow);

struct LoadedBackground {
  bool result = true;
  QImage picture;  // null when nothing was loaded
  int backgroundNumber = 2;
  int backgroundColour = 0;
  bool designsOff = false;  // menu and table design become 0 and card-style dialogs are switched off
  std::optional<MissingFileNotice> notice;
};
// windowSizeMode 1 is the small window (pictures without the "B" suffix, not stretched);
// layoutSize is LayoutWidth x LayoutHeight.
LoadedBackground LoadBackground(PictureRegistry& registry, bool cardDesign, int backgroundNumber, int backgroundColour,
                                int windowSizeMode, QSize layoutSize);

// A named picture of a library, or of the program's own pictures when `library` is empty. Nothing
// when the library cannot be opened or does not hold the name.
std::optional<QImage> LoadLibraryPicture(PictureRegistry& registry, const QString& name, const QString& library);

// A picture of the card-style design library. When the library cannot be opened the card-style
// design is switched off and the missing-file notice shown; a library without the picture just
// draws nothing.
struct DesignPicture {
  std::optional<QImage> picture;
  bool designOff = false;
  std::optional<MissingFileNotice> notice;
};
DesignPicture LoadDesignPicture(PictureRegistry& registry, const QString& name);

// Library face pictures are stored with an ellipse inverted; this restores them (and is its own
// inverse). The ellipse depends on the picture: 69 x 94, standard large or narrow large.
void InvertFaceEllipse(QImage& face, bool narrowCards);

}  // namespace tavlo
