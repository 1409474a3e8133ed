#pragma once

#include <QString>

namespace tavlo::libraries {

// Where the pictures of a library deck come from: an SVG card deck installed by the system's
// card-deck packages (a file below one of two folders), or one of our own variations of the
// built-in deck.
struct DeckSource {
  enum class Kind { KdeSvg, AisleriotSvg, BuiltInVariation };
  Kind kind = Kind::BuiltInVariation;
  QString file;       // relative to the folder of its kind; empty for a variation
  int variation = 0;  // 1..7 for a variation of the built-in deck
};

// deckNumber 1..47.
DeckSource SourceOfDeck(int deckNumber);

// The folders the SVG decks are read from, and the built-in variation that stands in for a deck
// whose SVG file is not installed (so the libraries still build, with a warning).
struct SvgFolders {
  QString kde;        // /usr/share/carddecks
  QString aisleriot;  // /usr/share/aisleriot/cards
};
QString SvgPath(const DeckSource& source, const SvgFolders& folders);
int StandInVariation(int deckNumber);

}  // namespace tavlo::libraries
