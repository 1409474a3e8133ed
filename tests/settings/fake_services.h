#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "settings/settings_file.h"

namespace tavlo {

// Built-in addresses that are easy to recognise, and a record of every configuration fetch.
class FakeServices final : public ServiceConfiguration {
 public:
  std::string BuiltInWorldTopTenAddress() const override { return "built-in top ten"; }
  std::string BuiltInStatisticsAddress() const override { return "built-in statistics"; }
  void FetchServiceConfiguration(Settings& settings) override {
    ++fetches;
    if (fetchedStatisticsAddress) settings.StatisticsAddress = *fetchedStatisticsAddress;
  }

  int fetches = 0;
  std::optional<std::string> fetchedStatisticsAddress;
};

// Failures print the settings as the file would hold them.
inline void PrintTo(const Settings& settings, std::ostream* os) {
  FakeServices services;
  *os << "\n" << FormatSettings(settings, services);
}

}  // namespace tavlo
