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

}  // namespace
}  // namespace tavlo
