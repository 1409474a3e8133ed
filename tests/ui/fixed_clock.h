#pragma once

#include <string>

#include "records/history_clock.h"

namespace tavlo::testing {

// A history clock that always reads noon on 10 December 2026.
class FixedClock : public HistoryClock {
 public:
  std::string TimeText() const override { return "12:00"; }
  std::string DateText() const override { return "10.12.2026"; }
  std::string DateText(std::filesystem::file_time_type) const override { return "10.12.2026"; }
};

}  // namespace tavlo::testing
