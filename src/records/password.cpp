#include "records/password.h"

#include "lang/cp1251.h"
#include "records/fixed_fields.h"

namespace tavlo {
namespace {

constexpr int kOffset = 234;

std::string PaddedBytes(std::string_view password) { return PadRight(Utf8ToCp1251(password), kPasswordLength); }

}  // namespace

std::string EncodePassword(std::string_view password) {
  std::string digits;
  for (const char c : PaddedBytes(password)) digits += std::to_string(static_cast<unsigned char>(c) + kOffset);
  return digits;
}

std::optional<std::string> DecodePassword(std::string_view digits) {
  if (digits.size() != static_cast<std::size_t>(kPasswordDigitsLength)) return std::nullopt;
  std::string bytes;
  for (int i = 0; i < kPasswordLength; ++i) {
    const std::string_view group = digits.substr(static_cast<std::size_t>(3 * i), 3);
    int value = 0;
    for (const char c : group) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
    }
    if (value < kOffset || value > kOffset + 255) return std::nullopt;
    bytes += static_cast<char>(value - kOffset);
  }
  return Cp1251ToUtf8(bytes);
}

std::string PaddedPassword(std::string_view password) { return Cp1251ToUtf8(PaddedBytes(password)); }

bool PasswordMatches(std::string_view digits, std::string_view typed) {
  const std::optional<std::string> stored = DecodePassword(digits);
  return stored.has_value() && *stored == PaddedPassword(typed);
}

}  // namespace tavlo
