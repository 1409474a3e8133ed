#include "net/club/world_passport.h"

#include <cstdio>

#include "lang/cp1251.h"
#include "net/club/account_text.h"
#include "net/club/countries.h"

namespace tavlo {

bool PassportValid(std::string_view nick, std::string_view city) {
  return JudgeWorldText(Utf8ToCp1251(nick), kPassportNickLimit) >= 2 &&
         JudgeWorldText(Utf8ToCp1251(city), kPassportCityLimit) >= 2;
}

std::string CountryCodeWithRegion(std::string_view, int region) {
  if (CountriesOf(region).empty()) region = 1;
  return CountryCode(region, 0);
}

std::string CountryCodeWithCountry(std::string_view code, int index) {
  const auto parsed = ParseCountryCode(code);
  const int region = parsed ? parsed->first : 1;
  const auto countries = CountriesOf(region);
  if (index < 0 || static_cast<std::size_t>(index) >= countries.size()) index = 0;
  return CountryCode(region, index);
}

int WorldTopTenBonus(std::int64_t place) {
  if (place == 1) return 25;
  return place >= 2 && place <= 10 ? 10 : 0;
}

std::string ChatWireText(std::string_view text) {
  std::string bytes = Utf8ToCp1251(text);
  for (char& ch : bytes) {
    if (!IsWorldTextCharacter(static_cast<unsigned char>(ch))) ch = '_';
  }
  return Cp1251ToUtf8(bytes);
}

std::string ChatShownText(std::string_view text) {
  std::string shown(text);
  for (char& ch : shown) {
    if (ch == '_') ch = ' ';
  }
  return shown;
}

std::string ChatStamp(int hour, int minute, int second, int day, int month, int year, std::string_view game) {
  char stamp[40];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d_%02d.%02d.%04d_", hour, minute, second, day, month, year);
  return stamp + ChatWireText(game);
}

std::int64_t NewestChatNumber(const TenRows<TZanRecord>& rows) {
  const TZanRecord& first = rows[1];
  return first.Nick == "#" ? 0 : first.Score;
}

}  // namespace tavlo
