#pragma once

#include <cstdint>

namespace tavlo {

// tavlo-selfplay --tournament: starts a private tavlo-club on 127.0.0.1, seats four headless
// tournament players at one of its tables through the lobby requests and plays one game.
// Prints each program's deal results, the recorded results and whether they all agree;
// returns the process exit code.
int RunTournamentGame(int argc, char** argv, std::uint64_t seed);

}  // namespace tavlo
