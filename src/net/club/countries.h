#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace tavlo {

// The six regions of the world (1 Europe .. 6 Africa) and their country lists, as the club's
// country codes number them: region digit, '-', the three-digit index in the region's list.
struct Country {
  const char* Name;
  const char* Short;  // the form kept in records where space is tight ("Bosnia_Herz.")
  const char* Iso;    // the two-letter code naming its flag picture; empty for "Unknown"
  const char* Russian;  // the name shown in the lists when the interface speaks Russian (UTF-8)
};

// The name a country list shows in the given interface language.
const char* ShownCountryName(const Country& country, int languageIndex);

// The country of a short name (or full name) in any region, for drawing its flag.
const Country* CountryNamed(std::string_view name);

std::span<const Country> CountriesOf(int region);  // empty for a region outside 1..6
const char* RegionName(int region);                // English; the windows use the word table
// Region and index of a code like "1-001"; nothing for a malformed or unknown code.
std::optional<std::pair<int, int>> ParseCountryCode(std::string_view code);
std::string CountryCode(int region, int index);

}  // namespace tavlo
