#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

// Fixed-width fields of the record files. Columns are counted from 1 as in the file layouts;
// every function works on bytes (the files are single-byte text).

// The bytes of columns first..first+width-1; shorter when the text ends earlier.
std::string_view Columns(std::string_view line, int first, int width);

// Text padded with blanks on the right, or cut, to exactly `width` bytes.
std::string PadRight(std::string_view text, int width);

// Text right-aligned in `width` bytes with blanks on the left; a longer text is cut to its first
// `width` bytes.
std::string AlignRight(std::string_view text, int width);

// A number right-aligned in `width` columns; a value that would not fit is clamped to the widest
// value that does, so a fixed-width line never changes its length.
std::string NumberField(std::int64_t value, int width);

// A whole number with optional blanks around it and an optional sign; nullopt for anything else.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);

// A field of decimal digits only (checksum fields are always written with leading zeros, so a blank
// or a sign in one is damage); nullopt for anything else.
std::optional<std::int64_t> ParseDigits(std::string_view text);

// A number of exactly `digits` decimal digits with leading zeros (values are never negative).
std::string ZeroPadded(std::int64_t value, int digits);

// Trailing blanks removed.
std::string_view WithoutTrailingBlanks(std::string_view text);

}  // namespace tavlo
