#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

// Ratings lie in -99.99 .. 99.99 and are kept to six decimals (micro-units).
inline constexpr double kRatingLimit = 99.99;

// Nearest whole number, halves to even.
std::int64_t RoundHalfEven(double value);

// The stored form: 10 characters, six decimals after ",", blank-padded on the left ("  0,500000",
// "-12,500000").
std::string RatingText(double rating);

// The on-screen form: hundredths after ",", blank-padded on the left to 6 characters ("  0,05").
std::string ScreenRatingText(double rating);

// Reads a stored rating; the first character that is neither a blank, "-" nor a digit is the
// decimal separator. nullopt when the text is not a number.
std::optional<double> ParseRatingText(std::string_view text);

// The rating after a series: the average of (deal result / 5) over every deal the member has
// played, rounded to six decimals and clamped to +-99.99. `kon` counts all deals including this
// series, `konBefore` those before it; `result` is the series result.
double ComputeRating(std::int32_t kon, std::int32_t result, double oldRating, std::int32_t konBefore);

}  // namespace tavlo
