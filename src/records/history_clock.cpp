#include "records/history_clock.h"

#include <chrono>
#include <ctime>

namespace tavlo {
namespace {

std::string Format(std::time_t when, const char* format) {
  std::tm local{};
  if (::localtime_r(&when, &local) == nullptr) return {};
  char text[64];
  const std::size_t length = std::strftime(text, sizeof text, format, &local);
  return std::string(text, length);
}

std::time_t Now() { return std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()); }

}  // namespace

std::string SystemHistoryClock::TimeText() const { return Format(Now(), "%H:%M"); }

std::string SystemHistoryClock::DateText() const { return Format(Now(), "%x"); }

std::string SystemHistoryClock::DateText(std::filesystem::file_time_type time) const {
  const auto system = std::chrono::file_clock::to_sys(time);
  return Format(std::chrono::system_clock::to_time_t(system), "%x");
}

}  // namespace tavlo
