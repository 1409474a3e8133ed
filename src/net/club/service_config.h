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
  // "HelpPath": the program's online help page; empty when not given or not a plain http(s) address.
  std::string HelpAddress;
};

ServiceConfig ParseServiceConfig(std::string_view text);

// An address the program may hand to the system browser: http:// or https:// followed by a host,
// printable ASCII only and no blanks.
bool IsBrowserAddress(std::string_view address);

// The number of the latest news item: the 5 characters after "ZanNews"; 0 when absent or not a
// number.
int ParseNewsNumber(std::string_view page);

}  // namespace tavlo
