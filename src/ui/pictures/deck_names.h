#pragma once

#include <QString>

namespace tavlo {

// Picture names of the card decks: suit prefix + rank code + deck code ("Ch02", "Pi5AMed"),
// suit symbols ("Cher" + pip code) and backs ("Ob01Mo" + set code). suitIndex is in card-number
// order (0 hearts, 1 diamonds, 2 clubs, 3 spades); rank 1 (two) .. 13 (ace).
QString FacePictureName(int suitIndex, int rank, const QString& deckCode);
QString SuitPictureName(int suitIndex);
// backNumber 1..10: "Ob01Mo" .. "Ob07Su", "Ob08XX" .. "Ob10XX".
QString BackPictureName(int backNumber);

}  // namespace tavlo
