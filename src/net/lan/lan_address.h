#pragma once

#include <string_view>

namespace tavlo::lan {

// The server address typed by a client: exactly three dots, no dot at the end, and one to
// three characters in every group. The groups' numeric ranges are not checked.
bool IsServerAddress(std::string_view text);
// The address box keeps only digits and dots; any other character restores the last address.
bool AddressBoxAccepts(std::string_view text);
// The port box keeps only digits (an empty box too).
bool PortBoxAccepts(std::string_view text);
// The port number of a port text, 0 when it is empty or beyond 65535.
int PortNumber(std::string_view text);

}  // namespace tavlo::lan
