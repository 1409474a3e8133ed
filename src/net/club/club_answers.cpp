#include "net/club/club_answers.h"

#include <charconv>
#include <climits>
#include <cmath>

#include "lang/cp1251.h"

namespace tavlo {

bool HasMarker(std::string_view answer, std::string_view marker) { return answer.find(marker) != answer.npos; }

std::vector<std::vector<std::string>> ReadRecords(std::string_view answer, char end, char separator, int limit) {
  std::vector<std::vector<std::string>> records;
  std::size_t at = answer.find('$');
  while (at != answer.npos && static_cast<int>(records.size()) < limit) {
    const std::size_t start = at + 1;
    std::size_t stop = answer.find(end, start);
    if (stop == answer.npos) stop = answer.size();
    const std::string_view body = answer.substr(start, stop - start);

    std::vector<std::string> fields(1);
    for (const char c : body) {
      if (c == separator) {
        fields.emplace_back();
      } else {
        fields.back() += c;
      }
    }
    records.push_back(std::move(fields));
    // A '$' that ends a record is also where the next one may begin only when '*' ends records.
    at = stop >= answer.size() ? answer.npos : answer.find('$', end == '$' ? stop + 1 : stop);
  }
  return records;
}

const std::string* Field(const std::vector<std::string>& record, int k) {
  if (k < 1 || static_cast<std::size_t>(k) > record.size()) return nullptr;
  return &record[static_cast<std::size_t>(k - 1)];
}

void SetText(const std::vector<std::string>& record, int k, std::string& into) {
  if (const std::string* field = Field(record, k)) into = Cp1251ToUtf8(*field);
}

void SetWhole(const std::vector<std::string>& record, int k, std::int32_t& into) {
  if (const std::string* field = Field(record, k)) {
    const auto value = ParseWhole(*field);
    if (value && *value >= INT32_MIN && *value <= INT32_MAX) into = static_cast<std::int32_t>(*value);
  }
}

void SetChar(const std::vector<std::string>& record, int k, char& into) {
  if (const std::string* field = Field(record, k); field && !field->empty()) into = (*field)[0];
}

void SetDecimal(const std::vector<std::string>& record, int k, double& into) {
  if (const std::string* field = Field(record, k)) into = ParseDecimal(*field).value_or(into);
}

std::optional<std::int64_t> ReadNumberAnswer(std::string_view answer) {
  const std::size_t dollar = answer.rfind('$');
  if (dollar == answer.npos) return std::nullopt;
  std::size_t end = dollar + 1;
  while (end < answer.size() && answer[end] >= '0' && answer[end] <= '9') ++end;
  return ParseWhole(answer.substr(dollar + 1, end - dollar - 1));
}

bool ReadStatisticsAnswer(std::string_view answer) {
  const std::size_t dollar = answer.rfind('$');
  if (dollar == answer.npos) return false;
  std::string_view rest = answer.substr(dollar + 1);
  rest = rest.substr(0, rest.find('#'));
  return rest.starts_with("ok");
}

std::optional<std::int64_t> ParseWhole(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string DecimalText(double value) {
  if (!std::isfinite(value) || std::fabs(value) < 0.00001) return "0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::optional<double> ParseDecimal(std::string_view text) {
  if (text.empty() || text.size() > 40) return std::nullopt;
  std::string copy(text);
  for (char& c : copy) {
    if (c == ',') c = '.';
  }
  double value = 0;
  const auto [end, error] = std::from_chars(copy.data(), copy.data() + copy.size(), value);
  if (error != std::errc() || end != copy.data() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace tavlo
