#include "records/rating.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tavlo {
namespace {

constexpr std::int64_t kMicro = 1'000'000;

// |units| split into the integer part and `decimals` digits after the separator.
std::string FixedPoint(std::int64_t units, std::int64_t scale, int decimals, int width) {
  const bool negative = units < 0;
  const std::int64_t magnitude = negative ? -units : units;
  std::string fraction = std::to_string(magnitude % scale);
  fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
  std::string text = (negative ? "-" : "") + std::to_string(magnitude / scale) + "," + fraction;
  if (text.size() < static_cast<std::size_t>(width)) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

std::int64_t MicroUnits(double rating) {
  if (!std::isfinite(rating)) rating = 0.0;
  return RoundHalfEven(std::clamp(rating, -kRatingLimit, kRatingLimit) * static_cast<double>(kMicro));
}

}  // namespace

std::int64_t RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double diff = value - floor;
  auto whole = static_cast<std::int64_t>(floor);
  if (diff > 0.5 || (diff == 0.5 && whole % 2 != 0)) ++whole;
  return whole;
}

std::string RatingText(double rating) { return FixedPoint(MicroUnits(rating), kMicro, 6, 10); }

std::string ScreenRatingText(double rating) {
  // Rounded from the six stored decimals, so a stored rating shows the same on every screen.
  const std::int64_t micro = MicroUnits(rating);
  constexpr std::int64_t kStep = 10'000;
  std::int64_t hundredths = micro / kStep;
  const std::int64_t rest = micro % kStep;
  const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
  if (twice > kStep || (twice == kStep && hundredths % 2 != 0)) hundredths += micro < 0 ? -1 : 1;
  return FixedPoint(hundredths, 100, 2, 6);
}

std::optional<double> ParseRatingText(std::string_view text) {
  std::string number(text);
  for (char& c : number) {
    if (c != ' ' && c != '-' && (c < '0' || c > '9')) {
      c = '.';
      break;
    }
  }
  const auto first = number.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const auto last = number.find_last_not_of(' ');
  const char* begin = number.data() + first;
  const char* end = number.data() + last + 1;
  double value = 0.0;
  const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::fixed);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

double ComputeRating(std::int32_t kon, std::int32_t result, double oldRating, std::int32_t konBefore) {
  if (kon <= 0) return std::clamp(oldRating, -kRatingLimit, kRatingLimit);
  const double sum = static_cast<double>(konBefore) * oldRating + static_cast<double>(result) / 5.0;
  const double rating =
      static_cast<double>(RoundHalfEven(sum * static_cast<double>(kMicro) / kon)) / static_cast<double>(kMicro);
  return std::clamp(rating, -kRatingLimit, kRatingLimit);
}

}  // namespace tavlo
