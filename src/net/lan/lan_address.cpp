#include "net/lan/lan_address.h"

#include <algorithm>

namespace tavlo::lan {

bool IsServerAddress(std::string_view text) {
  if (std::count(text.begin(), text.end(), '.') != 3 || text.empty() || text.back() == '.') return false;
  std::size_t group = 0;
  for (const char c : text) {
    if (c == '.') {
      if (group < 1 || group > 3) return false;
      group = 0;
    } else {
      ++group;
    }
  }
  return group >= 1 && group <= 3;
}

bool AddressBoxAccepts(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
}

bool PortBoxAccepts(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int PortNumber(std::string_view text) {
  if (text.empty() || text.size() > 5 || !PortBoxAccepts(text)) return 0;
  int port = 0;
  for (const char c : text) port = port * 10 + (c - '0');
  return port <= 65535 ? port : 0;
}

}  // namespace tavlo::lan
