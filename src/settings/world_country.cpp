#include <array>

#include "settings/settings.h"

namespace tavlo {

bool IsValidWorldCountry(const std::string& code) {
  // Highest country number of each continent 1..6.
  constexpr std::array<int, 7> kLastCountry = {-1, 48, 51, 35, 14, 23, 54};
  auto digit = [&](std::size_t i) { return code[i] >= '0' && code[i] <= '9'; };
  if (code.size() != 5 || !digit(0) || code[1] != '-' || !digit(2) || !digit(3) || !digit(4)) return false;
  const int continent = code[0] - '0';
  const int country = (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0');
  return continent >= 1 && continent <= 6 && country <= kLastCountry[continent];
}

}  // namespace tavlo
