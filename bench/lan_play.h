#pragma once

#include <cstdint>

namespace tavlo {

// tavlo-selfplay --lan: a LAN game of a server and `clients` clients (1 or 3), each a whole
// program without a window, four deals over loopback sockets, optionally through a relay that
// re-cuts every stream. Prints each program's deal results, whether they agree, and the
// traffic; returns the process exit code.
int RunLanGame(int argc, char** argv, int clients, bool recut, std::uint64_t seed);

}  // namespace tavlo
