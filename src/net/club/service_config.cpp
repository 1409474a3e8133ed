#include "net/club/service_config.h"

#include "net/club/club_answers.h"

namespace tavlo {
namespace {

// Nothing when the key is absent; its value (possibly empty) otherwise.
std::optional<std::string> KeyValue(std::string_view text, std::string_view key) {
  const std::size_t at = text.find(key);
  if (at == text.npos) return std::nullopt;
  const std::size_t start = at + key.size() + 1;
  if (start > text.size()) return std::string{};
  const std::size_t end = text.find('#', start);
  std::string value(text.substr(start, end == text.npos ? text.npos : end - start));
  while (!value.empty() && (value.back() == '\r' || value.back() == '\n' || value.back() == ' ')) value.pop_back();
  return value;
}

}  // namespace

bool IsBrowserAddress(std::string_view address) {
  std::string_view rest;
  if (address.starts_with("http://")) {
    rest = address.substr(7);
  } else if (address.starts_with("https://")) {
    rest = address.substr(8);
  } else {
    return false;
  }
  if (rest.empty() || rest.front() == '/' || address.size() > 1000) return false;
  for (const char c : address) {
    if (c <= ' ' || c >= 0x7f) return false;
  }
  return true;
}

ServiceConfig ParseServiceConfig(std::string_view text) {
  ServiceConfig config;
  config.ChatAvailable = text.find("CTGamesPause") == text.npos;
  if (text.find("WTGamesPause") == text.npos) {
    config.WorldTopTenAddress = KeyValue(text, "WTGamesPatt").value_or("");
  }
  config.WorldTopTenAvailable = !config.WorldTopTenAddress.empty();
  config.StatisticsAddress = KeyValue(text, "StatPath").value_or("");
  config.AccountAddress = KeyValue(text, "AccPath").value_or("");
  config.PaymentAddress = KeyValue(text, "PayPath").value_or("");
  config.HelpAddress = KeyValue(text, "HelpPath").value_or("");
  if (!IsBrowserAddress(config.HelpAddress)) config.HelpAddress.clear();
  return config;
}

int ParseNewsNumber(std::string_view page) {
  const std::size_t at = page.find("ZanNews");
  if (at == page.npos) return 0;
  std::string_view digits = page.substr(at + 7, 5);
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
  const auto number = ParseWhole(digits);
  return number && *number >= 0 ? static_cast<int>(*number) : 0;
}

}  // namespace tavlo
