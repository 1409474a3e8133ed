#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

inline constexpr int kPasswordLength = 5;
inline constexpr int kPasswordDigitsLength = 15;

// The password as the club file keeps it: the password (UTF-8) converted to the file's code page,
// padded with blanks or cut to five characters, each character as the three decimal digits of its
// byte value + 234 (always 234..489, so always three digits).
std::string EncodePassword(std::string_view password);

// The five-character padded password (UTF-8) of a stored field; nullopt when the field is not
// 15 digits in groups of 234..489.
std::optional<std::string> DecodePassword(std::string_view digits);

// The five-character padded form in which passwords are compared (UTF-8 in, UTF-8 out).
std::string PaddedPassword(std::string_view password);

// A typed password (UTF-8) against a stored field, both in their padded form. An empty password is
// a valid password of five blanks.
bool PasswordMatches(std::string_view digits, std::string_view typed);

}  // namespace tavlo
