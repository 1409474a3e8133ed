#pragma once

#include <filesystem>

namespace tavlo {

inline constexpr const char* kLocalClubFileName = "Tavlo.clb";    // games against the computer
inline constexpr const char* kNetworkClubFileName = "Tavlo.net";  // LAN games

// The record files in the program folder.
struct ClubFiles {
  std::filesystem::path Local;
  std::filesystem::path Network;
  std::filesystem::path History;  // the history folder

  // The club file of the current kind of game.
  const std::filesystem::path& Club(bool netGame) const { return netGame ? Network : Local; }
};

ClubFiles ClubFilesIn(const std::filesystem::path& programFolder);

}  // namespace tavlo
