#include <gtest/gtest.h>

#include "lang/languages.h"
#include "lang/word_captions.h"
#include "lang/word_table.h"

namespace tavlo {
namespace {

int Number(WordId k) { return static_cast<int>(k); }

TEST(Captions, NumberedChoicesPickTheirWords) {
  for (int deck = 0; deck <= 47; ++deck) EXPECT_EQ(Number(DeckCaption(deck)), 304 + deck) << deck;
  for (int background = 1; background <= 10; ++background) {
    EXPECT_EQ(Number(BackgroundCaption(background)), 364 + background) << background;
  }
  const int colours[] = {375, 376, 377, 379, 380, 381, 378};
  for (int colour = 0; colour <= 6; ++colour) EXPECT_EQ(Number(BackgroundColourCaption(colour)), colours[colour]);
  const int backSets[] = {304, 305, 327, 357, 358, 359, 360, 361, 352, 353, 356, 354, 355};
  for (int set = 0; set <= 12; ++set) EXPECT_EQ(Number(BackSetCaption(set)), backSets[set]) << set;
  const int sizes[] = {44, 48, 45, 46, 47};
  for (int mode = 1; mode <= 5; ++mode) EXPECT_EQ(Number(WindowSizeCaption(mode)), sizes[mode - 1]);
  EXPECT_EQ(Word(DialogDesignCaption(0), kEnglish), "Gray aristocratic");
  EXPECT_EQ(Word(DialogDesignCaption(3), kEnglish), "Purple");
  EXPECT_EQ(Word(KoronkiModeCaption(2), kEnglish), "Expensive (Usually)");
  EXPECT_EQ(Number(ClubListHeader(1)), 7);
  EXPECT_EQ(Number(ClubListHeader(2)), 8);
}

TEST(Captions, OutOfRangeChoicesFallBackToTheFirst) {
  EXPECT_EQ(DeckCaption(48), DeckCaption(0));
  EXPECT_EQ(DeckCaption(-1), DeckCaption(0));
  EXPECT_EQ(BackgroundCaption(0), BackgroundCaption(1));
  EXPECT_EQ(WindowSizeCaption(6), WindowSizeCaption(1));
  EXPECT_EQ(ClubListHeader(3), ClubListHeader(1));
}

TEST(Languages, JapaneseAndKoreanUseEnglishPicturesButOwnFlags) {
  EXPECT_EQ(Language(8).PictureSuffix, "Eng");
  EXPECT_EQ(Language(9).PictureSuffix, "Eng");
  EXPECT_EQ(Language(8).FlagPicture, "FlagOJap");
  EXPECT_EQ(Language(9).FlagPicture, "FlagOKor");
  EXPECT_EQ(Language(7).FlagPicture, "FlagOCze");
  EXPECT_EQ(Language(kEnglish).ReleaseDate, "October 18, 2022");
  EXPECT_EQ(Language(kRussian).Name, "Русский");
  for (int language = 0; language < kLanguageCount; ++language) {
    const LanguageInfo& info = Language(language);
    EXPECT_FALSE(info.ProductName.empty() || info.ProductNameCapitals.empty() || info.ReleaseDate.empty() ||
                 info.CreditLine.empty())
        << language;
  }
}

}  // namespace
}  // namespace tavlo
