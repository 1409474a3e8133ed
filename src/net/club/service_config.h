#pragma once

#include <string>
#include <string_view>

namespace tavlo {

// The service configuration text fetched at start (UTF-8): keys followed by one separating
// character and a value that runs to the next '#'.
struct ServiceConfig {
  bool ChatAvailable = true;                                          // false when "CTGamesPause" is present
  bool WorldTopTenAvailable = false;                                  // an address and no "WTGamesPause"
  std::string WorldTopTenAddress, StatisticsAddress, AccountAddress;  // empty when not given
  std::string PaymentAddress;  // "PayPath": the club's payment page for Zans; empty when not given
};

ServiceConfig ParseServiceConfig(std::string_view text);

// The number of the latest news item: the 5 characters after "ZanNews"; 0 when absent or not a
// number.
int ParseNewsNumber(std::string_view page);

}  // namespace tavlo
