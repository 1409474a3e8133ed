#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "game/card.h"
#include "gui_app.h"
#include "test_bundle.h"
#include "ui/pictures/picture_registry.h"
#include "ui/pictures/picture_sources.h"

namespace tavlo {
namespace {

namespace fs = std::filesystem;

class PictureSourcesTest : public testing::ProgramFolderTest {};

const QImage kWhiteClassic = testing::Filled({69, 94}, 0xFFFFFFFF);

TEST_F(PictureSourcesTest, DeckTableGivesLibrariesAndCodes) {
  struct Row {
    int deck;
    const char* library;
    const char* code;
    const char* pip;
    const char* ace;
  };
  for (const Row& row :
       {Row{1, "ZanCards06A.dll", "Med", "Med", "Med"}, Row{6, "ZanCards06A.dll", "Cor", "Mod", "Cor"},
        Row{7, "ZanCards06A.dll", "Cro", "Mod", "Mod"}, Row{25, "ZanCards06A.dll", "Boy", "Rhi", "Boy"},
        Row{27, "ZanCards06A.dll", "USR", "Big", "USR"}, Row{31, "ZanCards06A.dll", "SkF", "SkF", "SkF"},
        Row{32, "ZanCards06B.dll", "Bel", "Bel", "Bel"}, Row{39, "ZanCards06B.dll", "Lub", "Lub", "Lub"},
        Row{40, "ZanCards06C.dll", "Fra", "Fra", "Fra"}, Row{47, "ZanCards06C.dll", "Cze", "Cze", "Cze"}}) {
    SCOPED_TRACE(row.deck);
    const DeckTableEntry entry = DeckEntry(row.deck);
    EXPECT_EQ(entry.library, row.library);
    EXPECT_EQ(entry.code, row.code);
    EXPECT_EQ(entry.pipCode, row.pip);
    EXPECT_EQ(entry.aceCode, row.ace);
  }
  EXPECT_TRUE(DeckEntry(0).library.isEmpty());
}

TEST_F(PictureSourcesTest, NarrowCardsFromDeck28SaveDecks40And45) {
  for (int deck = 0; deck <= 47; ++deck) {
    EXPECT_EQ(HasNarrowCards(deck), deck >= 28 && deck != 40 && deck != 45) << deck;
  }
}

TEST_F(PictureSourcesTest, MissingDeckLibraryFallsBackToTheBuiltInDeck) {
  PictureRegistry registry = Registry();
  const LoadedDeck deck = LoadDeck(registry, 33, 1, QSize(71, 96));
  EXPECT_FALSE(deck.result);
  ASSERT_TRUE(deck.notice.has_value());
  EXPECT_EQ(*deck.notice, (MissingFileNotice{" ZanCards06B.dll"}));
  EXPECT_EQ(deck.deckNumber, 0);
  EXPECT_FALSE(deck.narrowCards);
  for (const QImage& face : deck.faces) EXPECT_EQ(face.size(), QSize(69, 94));
  for (const QImage& symbol : deck.suitSymbols) EXPECT_EQ(symbol.size(), QSize(20, 20));
}

TEST_F(PictureSourcesTest, BuiltInDeckIsPaintedAtTheCardSize) {
  PictureRegistry registry = Registry();
  const LoadedDeck deck = LoadDeck(registry, 0, 0, QSize(92, 125));
  EXPECT_TRUE(deck.result);
  EXPECT_FALSE(deck.notice.has_value());
  for (const QImage& face : deck.faces) EXPECT_EQ(face.size(), QSize(92, 125));
}

// Deck 6 takes its two to ten from the "Mod" pictures and its court cards and aces from "Cor".
TEST_F(PictureSourcesTest, LibraryDeckUsesPipAceAndCourtCodesAndRestoresTheEllipse) {
  ASSERT_TRUE(testing::WriteBundle(program_, "ZanCards06A",
                                   {{"Ch02Mod", kWhiteClassic},
                                    {"Pi2JCor", kWhiteClassic},
                                    {"Bu5ACor", kWhiteClassic},
                                    {"Ch02Cor", testing::Filled({69, 94}, 0xFFFF0000)},
                                    {"CherMod", testing::Filled({20, 20}, 0xFFC0C0C0)}}));
  PictureRegistry registry = Registry();
  const LoadedDeck deck = LoadDeck(registry, 6, 1, QSize(71, 96));
  EXPECT_TRUE(deck.result);
  EXPECT_EQ(deck.deckNumber, 6);
  const auto face = [&](int rank, char suit) { return deck.faces[NumberOfCard(MakeCard(rank, suit)) - 1]; };
  for (const QImage& loaded : {face(1, kHearts), face(10, kSpades), face(13, kDiamonds)}) {
    ASSERT_EQ(loaded.size(), QSize(69, 94));
    EXPECT_EQ(loaded.pixel(34, 47) & 0xFFFFFF, 0x000000u);  // inside the ellipse: restored
    EXPECT_EQ(loaded.pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);    // outside: untouched
    EXPECT_EQ(loaded.pixel(34, 5) & 0xFFFFFF, 0xFFFFFFu);   // above the ellipse's top at y 10
  }
  // Cards the library lacks stay empty: the table draws their outline only.
  EXPECT_TRUE(face(2, kHearts).isNull());
  // The classic suit symbols are keyed on 0xC0C0C0.
  EXPECT_EQ(qAlpha(deck.suitSymbols[0].pixel(3, 3)), 0);
}

TEST_F(PictureSourcesTest, LargeFaceEllipseDependsOnTheCardWidth) {
  ASSERT_TRUE(testing::WriteBundle(
      program_, "ZanCards06A",
      {{"Kr03PlaB", testing::Filled({126, 198}, 0xFFFFFFFF)}, {"Kr03BigB", testing::Filled({146, 198}, 0xFFFFFFFF)}}));
  PictureRegistry registry = Registry();
  const int three = NumberOfCard(MakeCard(2, kClubs)) - 1;
  const LoadedDeck narrow = LoadDeck(registry, 28, 2, QSize(126, 198));
  const LoadedDeck standard = LoadDeck(registry, 27, 2, QSize(146, 198));
  ASSERT_TRUE(narrow.narrowCards);
  ASSERT_FALSE(standard.narrowCards);
  ASSERT_EQ(narrow.faces[three].size(), QSize(126, 198));
  ASSERT_EQ(standard.faces[three].size(), QSize(146, 198));
  // x 118 lies inside the standard ellipse (10..136) and outside the narrow one (10..116).
  EXPECT_EQ(narrow.faces[three].pixel(118, 99) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(standard.faces[three].pixel(118, 99) & 0xFFFFFF, 0x000000u);
  // Large cards are rounded.
  EXPECT_EQ(qAlpha(standard.faces[three].pixel(0, 0)), 0);
}

struct BacksCase {
  const char* what;
  int backSet;
  int deck;
  int sizeClass;
  bool result;
  int backSetAfter;
  bool reloadBuiltInDeck;
};

class PictureMissingBacksTest : public PictureSourcesTest, public ::testing::WithParamInterface<BacksCase> {};

TEST_P(PictureMissingBacksTest, FallsBackToTheBuiltInBacks) {
  const BacksCase& c = GetParam();
  PictureRegistry registry = Registry();
  const QSize card = c.sizeClass == 1 ? QSize(71, 96) : QSize(92, 125);
  const LoadedBacks backs = LoadBacks(registry, c.backSet, c.deck, c.sizeClass, card);
  EXPECT_EQ(backs.result, c.result);
  EXPECT_EQ(backs.backSet, c.backSetAfter);
  EXPECT_EQ(backs.reloadBuiltInDeck, c.reloadBuiltInDeck);
  EXPECT_EQ(backs.notice.has_value(), !c.result);
  if (backs.notice) {
    EXPECT_EQ(*backs.notice, (MissingFileNotice{" ZanCards06B.dll"}));
  }
  ASSERT_EQ(backs.backs.size(), 7u);
  for (const QImage& back : backs.backs) EXPECT_EQ(back.size(), c.sizeClass == 1 ? QSize(69, 94) : card);
}

INSTANTIATE_TEST_SUITE_P(Cases, PictureMissingBacksTest,
                         ::testing::Values(BacksCase{"built-in set", 0, 0, 1, true, 0, false},
                                           BacksCase{"library set", 3, 0, 1, false, 0, false},
                                           BacksCase{"narrow deck, classic size", 0, 30, 1, true, 0, false},
                                           BacksCase{"narrow deck, large size", 0, 30, 0, false, 0, true},
                                           BacksCase{"ten-back set", 9, 0, 0, false, 0, false}),
                         [](const auto& info) {
                           std::string name = info.param.what;
                           for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return name;
                         });

TEST_F(PictureSourcesTest, TenBackSetsUseTheirCodeAndNarrowSuffix) {
  std::map<QString, QImage> pictures;
  for (const char* name : {"Ob01MoFloU", "Ob02TuFloU", "Ob03WeFloU", "Ob04ThFloU", "Ob05FrFloU", "Ob06SuFloU",
                           "Ob07SuFloU", "Ob08XXFloU", "Ob09XXFloU", "Ob10XXFloU"}) {
    pictures[name] = testing::Filled({126, 198}, 0xFF336699);
  }
  ASSERT_TRUE(testing::WriteBundle(parent_, "ZanCards06B", pictures));
  PictureRegistry registry = Registry();
  const LoadedBacks backs = LoadBacks(registry, 9, 30, 2, QSize(126, 198));
  EXPECT_TRUE(backs.result);
  EXPECT_EQ(backs.backSet, 9);
  ASSERT_EQ(backs.backs.size(), 10u);
  for (const QImage& back : backs.backs) {
    ASSERT_EQ(back.size(), QSize(126, 198));
    EXPECT_EQ(back.pixel(63, 99), 0xFF336699u);
  }
}

TEST(PictureChooseBackTest, WeekdayFixedOrRandom) {
  const auto never = [](int) -> int {
    ADD_FAILURE() << "no random draw expected";
    return 0;
  };
  for (int day = 1; day <= 7; ++day) EXPECT_EQ(ChooseBack(day, 0, 0, never), day);
  EXPECT_EQ(ChooseBack(7, 0, 3, never), 7);  // Sunday: "Ob07Su"
  EXPECT_EQ(ChooseBack(2, 1, 3, never), 7);
  EXPECT_EQ(ChooseBack(2, 0, 12, never), 2);
  for (int set = 8; set <= 11; ++set) {
    int bound = 0;
    EXPECT_EQ(ChooseBack(3, 1, set,
                         [&](int n) {
                           bound = n;
                           return 9;
                         }),
              10);
    EXPECT_EQ(bound, 10);
  }
}

TEST_F(PictureSourcesTest, WithoutLibrariesTheBuiltInFeltIsLoaded) {
  PictureRegistry registry = Registry();
  const LoadedBackground plain = LoadBackground(registry, false, 2, 0, 1, QSize(760, 500));
  EXPECT_TRUE(plain.result);
  EXPECT_FALSE(plain.notice.has_value());
  EXPECT_EQ(plain.picture.size(), QSize(760, 500));

  const LoadedBackground other = LoadBackground(registry, false, 6, 3, 3, QSize(990, 650));
  EXPECT_FALSE(other.result);
  ASSERT_TRUE(other.notice.has_value());
  EXPECT_EQ(*other.notice, (MissingFileNotice{" ZanBackG03.dll"}));
  EXPECT_EQ(other.backgroundNumber, 2);
  EXPECT_EQ(other.backgroundColour, 0);
  EXPECT_EQ(other.picture.size(), QSize(990, 650));
}

TEST_F(PictureSourcesTest, CardDesignWithoutItsLibrarySwitchesTheDesignsOff) {
  PictureRegistry registry = Registry();
  const LoadedBackground design = LoadBackground(registry, true, 4, 1, 1, QSize(760, 500));
  EXPECT_FALSE(design.result);
  EXPECT_TRUE(design.designsOff);
  ASSERT_TRUE(design.notice.has_value());
  EXPECT_EQ(*design.notice, (MissingFileNotice{" ZanCGraph1.dll"}));
  EXPECT_TRUE(design.picture.isNull());
  EXPECT_EQ(design.backgroundNumber, 4);  // the ordinary background is left for the next call
}

TEST_F(PictureSourcesTest, LibraryBackgroundsCarryTheSizeSuffixAndAreStretched) {
  ASSERT_TRUE(testing::WriteBundle(
      program_, "ZanBackG03",
      {{"Fon06Ye", testing::Filled({760, 500}, 0xFF00FFFF)}, {"Fon06YeB", testing::Filled({100, 80}, 0xFFFFFF00)}}));
  ASSERT_TRUE(testing::WriteBundle(program_, "ZanCGraph1", {{"BGLilu", testing::Filled({50, 40}, 0xFF800080)}}));
  PictureRegistry registry = Registry();
  const LoadedBackground small = LoadBackground(registry, false, 6, 3, 1, QSize(760, 500));
  EXPECT_TRUE(small.result);
  EXPECT_EQ(small.picture.pixel(10, 10), 0xFF00FFFFu);
  const LoadedBackground large = LoadBackground(registry, false, 6, 3, 5, QSize(1520, 1000));
  EXPECT_TRUE(large.result);
  EXPECT_EQ(large.picture.size(), QSize(1520, 1000));
  EXPECT_EQ(large.picture.pixel(700, 500), 0xFFFFFF00u);
  const LoadedBackground design = LoadBackground(registry, true, 6, 3, 4, QSize(1290, 850));
  EXPECT_TRUE(design.result);
  EXPECT_FALSE(design.designsOff);
  EXPECT_EQ(design.picture.size(), QSize(1290, 850));
}

TEST_F(PictureSourcesTest, DesignPicturesNeedTheDesignLibrary) {
  {
    PictureRegistry registry = Registry();
    const DesignPicture missing = LoadDesignPicture(registry, "GTouch");
    EXPECT_TRUE(missing.designOff);
    ASSERT_TRUE(missing.notice.has_value());
    EXPECT_EQ(*missing.notice, (MissingFileNotice{" ZanCGraph1.dll"}));
    EXPECT_FALSE(missing.picture.has_value());
  }
  ASSERT_TRUE(testing::WriteBundle(parent_, "ZanCGraph1", {{"GTouch", testing::Filled({3000, 100}, 0xFF00FF00)}}));
  PictureRegistry registry = Registry();
  const DesignPicture touch = LoadDesignPicture(registry, "gtouch");
  EXPECT_FALSE(touch.designOff);
  EXPECT_FALSE(touch.notice.has_value());
  ASSERT_TRUE(touch.picture.has_value());
  EXPECT_EQ(touch.picture->size(), QSize(3000, 100));
  // A library without the picture keeps the design on and simply draws nothing.
  const DesignPicture absent = LoadDesignPicture(registry, "GFormSpeedEng");
  EXPECT_FALSE(absent.designOff);
  EXPECT_FALSE(absent.notice.has_value());
  EXPECT_FALSE(absent.picture.has_value());
}

TEST_F(PictureSourcesTest, AnEmptyLibraryNameAsksTheProgramsOwnPictures) {
  PictureRegistry registry = Registry();
  const auto own = LoadLibraryPicture(registry, "GTimerY", QString());
  ASSERT_TRUE(own.has_value());
  EXPECT_EQ(own->size(), QSize(20, 20));
  EXPECT_FALSE(LoadLibraryPicture(registry, "NoSuchPicture", QString()).has_value());
  EXPECT_FALSE(LoadLibraryPicture(registry, "BGLilu", "ZanCGraph1.dll").has_value());
}

}  // namespace
}  // namespace tavlo
