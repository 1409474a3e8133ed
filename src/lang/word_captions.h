#pragma once

#include "lang/word_ids.h"

namespace tavlo {

// Captions of numbered choices. They are the only place where a number picks a word, so every
// word a choice can show is a named word of the table. An index outside its range gives the
// caption of the first choice, matching the fallback of the setting it names.

WordId DeckCaption(int deckNumber);              // 0..47
WordId BackSetCaption(int backSet);              // 0..12
WordId BackgroundCaption(int backgroundNumber);  // 1..10
WordId BackgroundColourCaption(int colour);      // 0..6
WordId WindowSizeCaption(int windowSizeMode);    // 1..5
WordId DialogDesignCaption(int dialogDesign);    // 0..3
WordId KoronkiModeCaption(int koronkiMode);      // 0..2
WordId ClubListHeader(int clubListMode);         // 1 scores, 2 ratings

}  // namespace tavlo
