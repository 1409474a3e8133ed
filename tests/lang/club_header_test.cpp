// The club list header (words 7 and 8) stands over rows of a fixed-pitch font, so each language
// must put its three headings in the same cells as the English one.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "lang/languages.h"
#include "lang/word_table.h"

namespace tavlo {
namespace {

std::vector<char32_t> Decode(std::string_view utf8) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<std::uint8_t>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<std::uint8_t>(utf8[i + k]) & 0x3F);
    out.push_back(c);
    i += length;
  }
  return out;
}

// Cells a character takes in a fixed-pitch font: CJK ideographs, kana and hangul take two.
int Cells(char32_t c) {
  const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                    (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFF60);
  return wide ? 2 : 1;
}

struct Heading {
  int begin;  // first cell
  int end;    // one past the last cell
};

struct Layout {
  int width = 0;
  std::vector<Heading> headings;  // runs of text separated by two or more blanks
};

Layout Measure(std::string_view text) {
  Layout layout;
  int blanks = 2;
  for (char32_t c : Decode(text)) {
    const int cells = Cells(c);
    if (c == U' ') {
      ++blanks;
    } else {
      if (blanks >= 2 || layout.headings.empty()) layout.headings.push_back({layout.width, 0});
      layout.headings.back().end = layout.width + cells;
      blanks = 0;
    }
    layout.width += cells;
  }
  return layout;
}

class ClubHeader : public testing::TestWithParam<WordId> {};

TEST_P(ClubHeader, ColumnsLineUpInEveryLanguage) {
  const Layout english = Measure(Word(GetParam(), kEnglish));
  ASSERT_EQ(english.headings.size(), 3u);
  for (int language = 0; language < kLanguageCount; ++language) {
    SCOPED_TRACE(std::string(Language(language).Name) + ": \"" + std::string(Word(GetParam(), language)) + "\"");
    const Layout layout = Measure(Word(GetParam(), language));
    EXPECT_EQ(layout.width, english.width);
    ASSERT_EQ(layout.headings.size(), 3u);
    // The members' names fill the first column; the games heading is right-aligned over its numbers.
    EXPECT_LE(layout.headings[0].end, english.headings[0].end);
    EXPECT_EQ(layout.headings[1].end, english.headings[1].end);
    // The last heading ends over the last digits; the given Russian score header ends one cell earlier.
    EXPECT_GE(layout.headings[2].end, english.headings[2].end - 1);
    EXPECT_LE(layout.headings[2].end, english.headings[2].end);
    EXPECT_GE(layout.headings[2].begin, layout.headings[1].end + 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Words, ClubHeader, testing::Values(WordId::ClubHeaderScore, WordId::ClubHeaderRating),
                         [](const testing::TestParamInfo<WordId>& info) {
                           return info.param == WordId::ClubHeaderScore ? "Scores" : "Ratings";
                         });

}  // namespace
}  // namespace tavlo
