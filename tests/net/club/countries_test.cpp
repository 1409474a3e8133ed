#include "net/club/countries.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace tavlo {
namespace {

TEST(Countries, CodesNameTheRegionAndTheIndexInItsList) {
  const struct {
    const char* code;
    const char* shortName;  // nullptr: not a code
  } cases[] = {
      {"1-001", "Russia"},   {"1-000", "Unknown"}, {"1-007", "Bosnia_Herz."}, {"1-048", "United_Kingdom"},
      {"2-048", "UAE"},      {"3-034", "USA"},     {"4-014", "Venezuela"},    {"5-023", "Wallis-Futuna"},
      {"6-054", "Zimbabwe"}, {"1-049", nullptr},   {"7-001", nullptr},        {"0-001", nullptr},
      {"1-01", nullptr},     {"1_001", nullptr},   {"1-0a1", nullptr},        {"", nullptr},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseCountryCode(c.code);
    ASSERT_EQ(parsed.has_value(), c.shortName != nullptr) << c.code;
    if (!parsed) continue;
    EXPECT_STREQ(CountriesOf(parsed->first)[static_cast<std::size_t>(parsed->second)].Short, c.shortName) << c.code;
    EXPECT_EQ(CountryCode(parsed->first, parsed->second), c.code);
  }
  EXPECT_TRUE(CountriesOf(0).empty());
  EXPECT_STREQ(CountriesOf(6)[24].Name, "Ivory Coast (Cote Divoire)");
}

TEST(Countries, NamesFindTheirCountryAndEveryCountryHasItsOwnFlagCode) {
  EXPECT_STREQ(CountryNamed("Bosnia_Herz.")->Iso, "ba");
  EXPECT_STREQ(CountryNamed("United Kingdom")->Iso, "gb");
  EXPECT_STREQ(CountryNamed("USA")->Iso, "us");
  EXPECT_EQ(CountryNamed("Atlantis"), nullptr);
  std::set<std::string> codes;
  for (int region = 1; region <= 6; ++region) {
    const auto countries = CountriesOf(region);
    EXPECT_STREQ(countries[0].Iso, "");
    for (std::size_t k = 1; k < countries.size(); ++k) {
      EXPECT_EQ(std::strlen(countries[k].Iso), 2u) << countries[k].Name;
      EXPECT_TRUE(codes.insert(countries[k].Iso).second) << "two countries share " << countries[k].Iso;
    }
  }
}

TEST(Countries, RussianInterfaceShowsRussianNames) {
  const struct {
    int region, index, language;
    const char* shown;
  } cases[] = {
      {1, 1, 1, "Россия"},
      {1, 1, 0, "Russia"},
      {1, 0, 1, "Неизвестно"},
      {1, 19, 1, "Гернси"},
      {1, 23, 1, "Остров Мэн"},
      {1, 25, 1, "Джерси"},
      {1, 48, 1, "Великобритания"},
      {2, 48, 1, "Объединённые Арабские Эмираты"},
      {3, 34, 1, "США"},
      {6, 24, 1, "Кот-д’Ивуар"},
      {6, 24, 0, "Ivory Coast (Cote Divoire)"},
      {3, 34, 2, "USA"},   // German has no names of its own: English
      {3, 34, 15, "USA"},  // a language number this program lacks: English
  };
  for (const auto& c : cases) {
    const Country& country = CountriesOf(c.region)[static_cast<std::size_t>(c.index)];
    EXPECT_STREQ(ShownCountryName(country, c.language), c.shown) << c.region << "-" << c.index << " " << c.language;
  }
}

TEST(Countries, EveryCountryHasItsOwnRussianName) {
  for (int region = 1; region <= 6; ++region) {
    std::set<std::string> names;
    for (const Country& c : CountriesOf(region)) {
      ASSERT_NE(c.Russian, nullptr) << c.Name;
      const std::string name = c.Russian;
      // Every Russian name is spelled in Cyrillic: its first letter is a two-byte UTF-8 sequence
      // starting 0xD0 or 0xD1.
      ASSERT_GE(name.size(), 2u) << c.Name;
      EXPECT_TRUE(name[0] == '\xD0' || name[0] == '\xD1') << c.Name << " -> " << name;
      EXPECT_TRUE(names.insert(name).second) << "two countries of region " << region << " are both " << name;
    }
  }
}

}  // namespace
}  // namespace tavlo
