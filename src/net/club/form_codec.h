#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// Request bodies of the club, as both ends build and read them: name=value entries joined by '&'
// (application/x-www-form-urlencoded) over Windows-1251 bytes. Both body styles of the program are
// percent-encoded, so a value holding '&', '=', '+', '%' or Cyrillic letters arrives intact; an
// unencoded body (the older raw style) reads the same wherever it has none of those characters.

struct FormField {
  std::string Name;
  std::string Value;
  friend bool operator==(const FormField&, const FormField&) = default;
};

// Every byte except A-Z a-z 0-9 - . _ * becomes %XX; a space becomes %20.
std::string PercentEncode(std::string_view bytes);

// %XX becomes its byte and '+' a space; nullopt for a '%' that is not followed by two hex digits.
std::optional<std::string> PercentDecode(std::string_view text);

// Joins encoded entries with '&'.
std::string EncodeForm(const std::vector<FormField>& fields);

// Splits a body into its decoded entries (an entry without '=' has an empty value); nullopt when an
// entry is badly encoded.
std::optional<std::vector<FormField>> DecodeForm(std::string_view body);

}  // namespace tavlo
