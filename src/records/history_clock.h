#pragma once

#include <filesystem>
#include <string>

namespace tavlo {

// Where the history takes its times and dates from; injected so that tests are reproducible.
class HistoryClock {
 public:
  virtual ~HistoryClock() = default;
  // The time now as "hh:nn" (24 hours).
  virtual std::string TimeText() const = 0;
  // Today in the system's short date format.
  virtual std::string DateText() const = 0;
  // The local date of a file time in the same format.
  virtual std::string DateText(std::filesystem::file_time_type time) const = 0;
};

// The real clock: local time, and the short date of the locale's LC_TIME ("%x").
class SystemHistoryClock : public HistoryClock {
 public:
  std::string TimeText() const override;
  std::string DateText() const override;
  std::string DateText(std::filesystem::file_time_type time) const override;
};

}  // namespace tavlo
