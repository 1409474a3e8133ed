#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// One line of the station list "ZanRadio.rad":
// country code (3) "#" key (7) "#" name "#" country name "#" stream address "#" logo picture name.
struct Station {
  std::string CountryCode;
  std::string Key;  // the 7 characters at positions 5 to 11 of the line
  std::string Name;
  std::string Country;
  std::string Url;
  std::string Logo;  // "RRADIO_LOGO_RADIOUN" when the line has no sixth field
};

struct RadioCountry {
  std::string_view Code;
  std::string_view Name;  // shown as written, in every language
};

inline constexpr int kRadioCountryCount = 28;
// The radio window's country list, in its order.
const std::array<RadioCountry, kRadioCountryCount>& RadioCountries();

inline constexpr std::string_view kDefaultStationLogo = "RRADIO_LOGO_RADIOUN";

// Reads the station list's bytes (Windows-1251, CR LF or LF). Comment lines ("#" first), empty
// lines and lines too short for a country code, a key and the first five fields are skipped;
// the texts come back as UTF-8.
std::vector<Station> ParseStationList(std::string_view bytes);

// The stations of country filter f (1..28), in list order; empty for a filter outside 1..28.
std::vector<Station> StationsOfCountry(const std::vector<Station>& stations, int filter);

// The station with that key, the first one when several share it.
std::optional<Station> FindStation(const std::vector<Station>& stations, std::string_view key);

// The station list the program installs (UTF-8 text; written in Windows-1251).
std::string_view DefaultStationList();

}  // namespace tavlo
