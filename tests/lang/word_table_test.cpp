#include "lang/word_table.h"

#include <gtest/gtest.h>

#include <set>

#include "lang/languages.h"
#include "lang/word_data.h"

namespace tavlo {
namespace {

TEST(WordTable, CompiledFileHasNoMalformedLines) {
  std::vector<std::string> problems;
  WordTable::Parse(WordTableLines(), problems);
  EXPECT_TRUE(problems.empty()) << testing::PrintToString(problems);
}

// The code reaches words only through WordId, and kAllWordIds lists every WordId.
TEST(WordTable, EveryWordOfTheProgramExistsInAllTenLanguages) {
  for (WordId k : kAllWordIds) {
    for (int language = 0; language < kLanguageCount; ++language) {
      EXPECT_FALSE(Word(k, language).empty()) << "word " << static_cast<int>(k) << " language " << language;
    }
  }
}

// The numbers the rest of the program names in its windows, messages and dialogs.
TEST(WordTable, CoversEveryWordTheProgramShows) {
  const std::vector<std::pair<int, int>> ranges = {
      {0, 0},     {2, 9},     {11, 15},     {17, 19},     {21, 30},     {32, 34},   {38, 40},   {42, 51},
      {53, 59},   {61, 61},   {65, 93},     {96, 98},     {101, 112},   {124, 124}, {153, 176}, {178, 190},
      {193, 227}, {230, 230}, {232, 234},   {240, 246},   {248, 251},   {253, 255}, {257, 363}, {365, 408},
      {410, 413}, {426, 426}, {516, 516},   {599, 599},   {606, 606},   {633, 633}, {641, 641}, {835, 835},
      {911, 912}, {914, 922}, {1016, 1025}, {1031, 1048}, {1050, 1056},
  };
  std::set<int> present;
  for (WordId k : kAllWordIds) present.insert(static_cast<int>(k));
  for (auto [first, last] : ranges) {
    for (int number = first; number <= last; ++number) EXPECT_TRUE(present.count(number)) << "word " << number;
  }
}

struct Binding {
  WordId word;
  const char* english;
  const char* russian;  // nullptr where only the English text is fixed
  friend void PrintTo(const Binding& b, std::ostream* os) { *os << "word " << static_cast<int>(b.word); }
};

class BindingWords : public testing::TestWithParam<Binding> {};

TEST_P(BindingWords, KeepTheirFixedTexts) {
  EXPECT_EQ(Word(GetParam().word, kEnglish), GetParam().english);
  if (GetParam().russian != nullptr) {
    EXPECT_EQ(Word(GetParam().word, kRussian), GetParam().russian);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Telling, BindingWords,
    testing::Values(
        Binding{WordId::NewPlayer, "New Player", "Новый Игрок"}, Binding{WordId::TopTen, "Top Ten", "Чемпионы"},
        Binding{WordId::ClubHeaderScore, " The members of club    Games    Score ",
                "     Члены клуба         Коны    Счёт  "},
        Binding{WordId::ClubHeaderRating, " The members of club    Games   Rating ",
                "     Члены клуба         Коны  Рейтинг "},
        Binding{WordId::DataWillBeLost, "All datas for want of it will be lost!", "Все данные при этом будут утеряны!"},
        Binding{WordId::GeneralScore, "General score", "Общий счёт"},
        Binding{WordId::ToBegin, "To Begin", "Начало Кона"}, Binding{WordId::Trump, "Trump:", "Козырь:"},
        Binding{WordId::WithoutTrumpShort, "WT", "БК"}, Binding{WordId::Oners, "Oners", "Онёры"},
        Binding{WordId::Expensive, "Expensive (Usually)", "Дорогие (Обычные)"},
        Binding{WordId::CantFindFile, "Can`t find the file", "Не могу найти файл"},
        Binding{WordId::CantSaveOptions, "Can`t save options!", nullptr},
        Binding{WordId::CantFind, "Can`t find ", nullptr}, Binding{WordId::ResultLabel, "Result: ", nullptr},
        Binding{WordId::FlyCards, "\"Fly\" cards", nullptr}, Binding{WordId::TheFileQuote, "The file \"", nullptr},
        Binding{WordId::HasIncorrectAttributes,
                "\" has incorrect attributes!\n\rThe work of the program will be incorrect!", nullptr},
        Binding{WordId::NameChanged, "Your name and/or the password were successfully changed!\n\rNew name: ", nullptr},
        Binding{WordId::ClubVelmora, "CLUB \"VELMORA GAMES\"", nullptr},
        Binding{WordId::ZanInternetRadio, "Zan Internet-Radio", nullptr}),
    [](const testing::TestParamInfo<Binding>& info) {
      return "Word" + std::to_string(static_cast<int>(info.param.word));
    });

// A column filled from English by mistake would show up as most words equal to English.
TEST(WordTable, OtherLanguagesAreTranslated) {
  for (int language = 1; language < kLanguageCount; ++language) {
    std::size_t same = 0;
    for (WordId k : kAllWordIds) same += Word(k, language) == Word(k, kEnglish) ? 1 : 0;
    EXPECT_LT(same * 5, kAllWordIds.size()) << Language(language).Name << ": " << same << " words equal English";
  }
}

TEST(WordTable, LanguageOutsideTheTableShowsEnglish) {
  for (int language : {-1, 10, 12, 20, 255}) {
    EXPECT_EQ(Word(WordId::Options, language), "Options") << language;
    EXPECT_EQ(Language(language).Name, "English") << language;
  }
}

struct BadLine {
  const char* name;
  std::string line;
  const char* problem;
  friend void PrintTo(const BadLine& b, std::ostream* os) { *os << b.name; }
};

class WordTableParse : public testing::TestWithParam<BadLine> {};

std::string Row(const std::string& number, const std::string& text) {
  std::string row = number + "\tName";
  for (int language = 0; language < kLanguageCount; ++language) row += "\t" + text;
  return row;
}

TEST_P(WordTableParse, ReportsAndSkipsTheBadLine) {
  const std::string good = Row("5", "five");
  const std::vector<std::string_view> lines = {"# comment", good, GetParam().line};
  std::vector<std::string> problems;
  const WordTable table = WordTable::Parse(lines, problems);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("line 3: "), std::string::npos) << problems[0];
  EXPECT_NE(problems[0].find(GetParam().problem), std::string::npos) << problems[0];
  EXPECT_EQ(table.Text(5, 3), "five");
}

INSTANTIATE_TEST_SUITE_P(Lines, WordTableParse,
                         testing::Values(BadLine{"TooFewColumns", "6\tName\tsix", "3 columns"},
                                         BadLine{"TooManyColumns", Row("6", "six") + "\textra", "13 columns"},
                                         BadLine{"NumberNotDecimal", Row("6a", "six"), "bad word number"},
                                         BadLine{"NumberTooLarge", Row(std::to_string(kWordCount), "x"), "bad word number"},
                                         BadLine{"Duplicate", Row("5", "again"), "appears twice"},
                                         BadLine{"EmptyText", Row("6", ""), "empty text"},
                                         BadLine{"UnknownEscape", Row("6", "a\\qb"), "bad escape"},
                                         BadLine{"EscapeAtEnd", Row("6", "ab\\"), "bad escape"}),
                         [](const testing::TestParamInfo<BadLine>& info) { return std::string(info.param.name); });

TEST(WordTableParse, DecodesEscapesAndKeepsBlanks) {
  const std::string row = Row("7", " a\\n\\rb\\t\\\\ ");
  std::vector<std::string> problems;
  const WordTable table = WordTable::Parse({row}, problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(table.Text(7, 0), " a\n\rb\t\\ ");
  EXPECT_EQ(table.Text(8, 0), "");
  EXPECT_EQ(table.Text(-1, 0), "");
  EXPECT_EQ(table.Text(kWordCount, 0), "");
}

}  // namespace
}  // namespace tavlo
