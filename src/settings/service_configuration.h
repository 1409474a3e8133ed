#pragma once

#include <string>

namespace tavlo {

struct Settings;

// What the settings need from the club services: the built-in addresses that serve as defaults,
// and the service configuration fetched once a settings file has been read completely.
class ServiceConfiguration {
 public:
  virtual ~ServiceConfiguration() = default;

  // The built-in world top ten and statistics addresses, in the protected form the file stores.
  virtual std::string BuiltInWorldTopTenAddress() const = 0;
  virtual std::string BuiltInStatisticsAddress() const = 0;

  // Called at the end of a fully read settings file; may replace WorldTopTenAddress and
  // StatisticsAddress.
  virtual void FetchServiceConfiguration(Settings& settings) = 0;
};

// Until the club services exist: no built-in addresses and nothing to fetch.
class NoServiceConfiguration final : public ServiceConfiguration {
 public:
  std::string BuiltInWorldTopTenAddress() const override { return {}; }
  std::string BuiltInStatisticsAddress() const override { return {}; }
  void FetchServiceConfiguration(Settings&) override {}
};

}  // namespace tavlo
