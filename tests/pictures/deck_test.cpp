#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "game/card.h"
#include "gui_app.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo {
namespace {

class PictureDeckTest : public ::testing::TestWithParam<QSize> {
 protected:
  void SetUp() override { testing::EnsureGuiApp(); }
  PictureRegistry registry{{}};
};

struct Ink {
  int red = 0;    // strongly red pixels
  int black = 0;  // dark neutral pixels
};

// Counts the suit inks over the card, ignoring the card's outline at the very edge.
Ink InkOf(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  Ink ink;
  for (int y = 3; y < argb.height() - 3; ++y) {
    for (int x = 3; x < argb.width() - 3; ++x) {
      const QRgb p = argb.pixel(x, y);
      if (qAlpha(p) < 200) continue;
      const int r = qRed(p), g = qGreen(p), b = qBlue(p);
      if (r > 150 && g < 80 && b < 90) ++ink.red;
      if (r < 60 && g < 60 && b < 70) ++ink.black;
    }
  }
  return ink;
}

TEST_P(PictureDeckTest, FiftyTwoDistinctFacesInTheirSuitColours) {
  const QSize size = GetParam();
  std::set<qint64> seen;
  for (int n = 1; n <= 52; ++n) {
    const TCardCode card = CardFromNumber(n);
    SCOPED_TRACE(CardLabel(card));
    const QImage face = registry.CardFace(card, size);
    ASSERT_EQ(face.size(), size);
    const QImage argb = face.convertToFormat(QImage::Format_ARGB32);
    seen.insert(qHash(QByteArray(reinterpret_cast<const char*>(argb.constBits()), argb.sizeInBytes())));
    const Ink ink = InkOf(face);
    const int rank = RankValueOf(card);
    if (rank <= 9 || rank == 13) {  // the court cards carry both colours in their robes
      const bool red = card.suit == kHearts || card.suit == kDiamonds;
      EXPECT_GT(red ? ink.red : ink.black, 40);
      EXPECT_LT(red ? ink.black : ink.red, 5);
    }
  }
  EXPECT_EQ(seen.size(), 52u);
}

TEST_P(PictureDeckTest, MoreRanksMeanMoreInk) {
  const QSize size = GetParam();
  for (const char suit : kSuitOrder) {
    int previous = 0;
    for (int rank = 1; rank <= 9; ++rank) {
      const Ink ink = InkOf(registry.CardFace(MakeCard(rank, suit), size));
      const int amount = ink.red + ink.black;
      EXPECT_GT(amount, previous) << "rank value " << rank;
      previous = amount;
    }
  }
}

TEST_P(PictureDeckTest, SevenDistinctBacks) {
  const QSize size = GetParam();
  std::set<QRgb> centres;
  for (int back = 1; back <= 7; ++back) {
    const QImage picture = registry.CardBack(back, size).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), size);
    centres.insert(picture.pixel(size.width() / 5, size.height() / 4));
  }
  EXPECT_EQ(centres.size(), 7u);
  EXPECT_TRUE(registry.CardBack(0, size).isNull());
  EXPECT_TRUE(registry.CardBack(8, size).isNull());
}

INSTANTIATE_TEST_SUITE_P(Sizes, PictureDeckTest, ::testing::Values(QSize(69, 94), QSize(92, 125), QSize(146, 198)));

TEST(PictureDeckShapeTest, ClassicFacesFillTheirRectangleAndLargeCardsHaveRoundCorners) {
  testing::EnsureGuiApp();
  PictureRegistry registry{{}};
  const TCardCode card = MakeCard(5, kClubs);
  // The classic face and back carry the black corner pixels of the table's outline, which they
  // are drawn over; the rest of their edge is card stock.
  for (const QImage& classic : {registry.CardFace(card, QSize(69, 94)), registry.CardBack(2, QSize(69, 94))}) {
    for (const QPoint corner : {QPoint(0, 0), QPoint(68, 0), QPoint(0, 93), QPoint(68, 93)}) {
      EXPECT_EQ(classic.pixel(corner), qRgb(0, 0, 0));
    }
    EXPECT_EQ(qAlpha(classic.pixel(1, 0)), 255);
    EXPECT_GT(qRed(classic.pixel(1, 0)), 200);
  }
  const QImage large = registry.CardFace(card, QSize(146, 198));
  EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(large.pixel(145, 197)), 0);
  EXPECT_EQ(qAlpha(large.pixel(73, 1)), 255);
  EXPECT_TRUE(registry.CardFace(kNoCard, QSize(69, 94)).isNull());
}

TEST(PictureDeckShapeTest, SuitSymbolsKeepTheirGroundTransparent) {
  testing::EnsureGuiApp();
  PictureRegistry registry{{}};
  for (const char suit : kSuitOrder) {
    const QImage symbol = registry.SuitSymbol(suit, QSize(20, 20));
    ASSERT_EQ(symbol.size(), QSize(20, 20));
    EXPECT_EQ(qAlpha(symbol.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(symbol.pixel(10, 11)), 255);
  }
  EXPECT_TRUE(registry.SuitSymbol('x', QSize(20, 20)).isNull());
}

}  // namespace
}  // namespace tavlo
