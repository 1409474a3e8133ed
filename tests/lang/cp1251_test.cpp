#include "lang/cp1251.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

TEST(Cp1251, EveryByteSurvivesARoundTripThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1251ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1251(utf8), all);
  EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251(utf8)), utf8);
}

struct Pair {
  const char* utf8;
  const char* bytes;
  friend void PrintTo(const Pair& p, std::ostream* os) { *os << p.utf8; }
};

class Cp1251Pairs : public testing::TestWithParam<Pair> {};

TEST_P(Cp1251Pairs, ConvertBothWays) {
  EXPECT_EQ(Cp1251ToUtf8(GetParam().bytes), GetParam().utf8);
  EXPECT_EQ(Utf8ToCp1251(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Characters, Cp1251Pairs,
                         testing::Values(Pair{"Tavlo 1.0", "Tavlo 1.0"},
                                         // card codes: ace of spades, ten of hearts, queen of clubs
                                         Pair{"Тп", "\xD2\xEF"}, Pair{"1ч", "1\xF7"}, Pair{"Дк", "\xC4\xEA"},
                                         Pair{"Ёё№", "\xA8\xB8\xB9"}, Pair{"€—«»", "\x88\x97\xAB\xBB"},
                                         Pair{"ЂЏђџ", "\x80\x8F\x90\x9F"}, Pair{"Ґґ", "\xA5\xB4"},
                                         Pair{"Щука", "\xD9\xF3\xEA\xE0"}));

struct Lossy {
  const char* name;
  std::string utf8;
  std::string bytes;
  friend void PrintTo(const Lossy& l, std::ostream* os) { *os << l.name; }
};

class Cp1251Lossy : public testing::TestWithParam<Lossy> {};

TEST_P(Cp1251Lossy, BecomesQuestionMarks) { EXPECT_EQ(Utf8ToCp1251(GetParam().utf8), GetParam().bytes); }

INSTANTIATE_TEST_SUITE_P(Text, Cp1251Lossy,
                         testing::Values(Lossy{"NoCp1251Form", "中文 über", "?? ?ber"},
                                         Lossy{"FourByteCharacter", "a\xF0\x9F\x98\x80z", "a?z"},
                                         Lossy{"StrayContinuation", "a\x80z", "a?z"},
                                         Lossy{"TruncatedAtEnd", "ab\xD0", "ab?"},
                                         Lossy{"TruncatedBeforeAscii", "\xE4\xB8z", "??z"},
                                         Lossy{"Overlong", "\xC0\xAF", "??"}, Lossy{"Surrogate", "\xED\xA0\x80", "???"},
                                         Lossy{"InvalidLead", "\xFF\xFE", "??"}),
                         [](const testing::TestParamInfo<Lossy>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
