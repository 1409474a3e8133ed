#include "ui/pictures/card_art.h"
#include "ui/pictures/deck_names.h"
#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

namespace {

// The built-in deck keeps the classic 69 x 94 faces and the large 146 x 198 pictures, as the
// library decks do; both are painted afresh at whatever size the table asks for.
constexpr QSize kClassicFace(69, 94);
constexpr QSize kLargeFace(146, 198);

}  // namespace

void AddDeckPictures(Catalog& c) {
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 1; rank <= 13; ++rank) {
      const QString base = FacePictureName(suit, rank, QString());
      const Renderer face = [rank, suit](QSize size, int) { return PaintCardFace(rank, suit, size); };
      c.AddRendered(base, kClassicFace, face);
      c.AddRendered(base + "B", kLargeFace, face);
    }
  }
  for (int back = 1; back <= 7; ++back) {
    const Renderer paint = [back](QSize size, int) { return PaintCardBack(back, size); };
    c.AddRendered(BackPictureName(back), kClassicFace, paint);
    c.AddRendered(BackPictureName(back) + "B", kLargeFace, paint);
  }
  for (int suit = 0; suit < 4; ++suit) {
    const Renderer paint = [suit](QSize size, int) { return PaintSuitSymbol(suit, size); };
    c.AddRendered(SuitPictureName(suit), QSize(20, 20), paint);
    c.AddRendered(SuitPictureName(suit) + "B", QSize(64, 64), paint);
  }
}

}  // namespace tavlo::art
