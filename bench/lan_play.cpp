#include "lan_play.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "net/lan/headless_table.h"

namespace tavlo {

int RunLanGame(int argc, char** argv, int clients, bool recut, std::uint64_t seed) {
  QCoreApplication app(argc, argv);
  lan::LanTableOptions options;
  options.Clients = clients;
  options.Recut = recut;
  options.Seed = seed;
  const auto start = std::chrono::steady_clock::now();
  const lan::LanTableResult r = lan::PlayLanTable(options);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf("LAN game: a server and %d client%s on 127.0.0.1, seed %llu%s\n", clients, clients == 1 ? "" : "s",
              static_cast<unsigned long long>(seed), recut ? ", streams re-cut at random" : "");
  const char* const roles[5] = {"", "server (seat 1)", "client (seat 2)", "client (seat 3)", "client (seat 4)"};
  for (std::size_t k = 0; k < r.DealLines.size(); ++k) {
    std::printf("%s:\n", roles[k + 1]);
    for (const std::string& line : r.DealLines[k]) std::printf("  %s\n", line.c_str());
    std::printf("  series N-S minus W-E: %+d\n", r.SeriesScores[k]);
  }
  if (!r.Completed) {
    std::printf("the game did not end: %s\n", r.Failure.c_str());
    return 1;
  }
  std::string difference;
  for (std::size_t k = 1; k < r.DealLines.size() && difference.empty(); ++k) {
    const auto& mine = r.DealLines[k];
    const auto& server = r.DealLines[0];
    for (std::size_t d = 0; d < std::max(mine.size(), server.size()) && difference.empty(); ++d) {
      const std::string a = d < server.size() ? server[d] : "(none)";
      const std::string b = d < mine.size() ? mine[d] : "(none)";
      if (a != b) difference = std::string(roles[k + 1]) + " differs at deal " + std::to_string(d + 1) + ": " + b;
    }
    if (difference.empty() && r.SeriesScores[k] != r.SeriesScores[0]) {
      difference = std::string(roles[k + 1]) + " differs in the series score";
    }
  }
  if (difference.empty() && r.DealLines[0].size() != 4)
    difference = "the server scored " + std::to_string(r.DealLines[0].size()) + " deals, not 4";
  std::printf("%s\n", difference.empty() ? "all programs agree" : ("first difference: " + difference).c_str());
  std::printf("sent: %llu bytes in %llu messages", static_cast<unsigned long long>(r.BytesSent),
              static_cast<unsigned long long>(r.MessagesSent));
  if (recut) std::printf(", re-cut into %llu pieces", static_cast<unsigned long long>(r.RelayPieces));
  std::printf("; %.2f s\n", seconds);
  return difference.empty() ? 0 : 1;
}

}  // namespace tavlo
