#include "records/fixed_fields.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace tavlo {

std::string_view Columns(std::string_view line, int first, int width) {
  const auto start = static_cast<std::size_t>(first - 1);
  if (start >= line.size()) return {};
  return line.substr(start, static_cast<std::size_t>(width));
}

std::string PadRight(std::string_view text, int width) {
  std::string out(text.substr(0, static_cast<std::size_t>(width)));
  out.resize(static_cast<std::size_t>(width), ' ');
  return out;
}

std::string AlignRight(std::string_view text, int width) {
  const auto w = static_cast<std::size_t>(width);
  if (text.size() >= w) return std::string(text.substr(0, w));
  return std::string(w - text.size(), ' ') + std::string(text);
}

std::string NumberField(std::int64_t value, int width) {
  std::int64_t largest = 1;
  for (int i = 0; i < width; ++i) largest *= 10;
  largest -= 1;
  std::int64_t smallest = -(largest / 10);
  value = std::clamp(value, smallest, largest);
  return AlignRight(std::to_string(value), width);
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::int64_t> ParseDigits(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string ZeroPadded(std::int64_t value, int digits) {
  std::string text = std::to_string(value);
  if (text.size() < static_cast<std::size_t>(digits))
    text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
  return text;
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

}  // namespace tavlo
