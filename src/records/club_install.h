#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "records/club_file.h"

namespace tavlo {

// The club file of a fresh installation described by the default club text (see
// data/club/default_club.txt); nullopt when the text is not well formed.
std::optional<ClubLines> ParseDefaultClub(std::string_view text);

// The default club text built into the program.
std::string_view BuiltInDefaultClub();

// The first start: the program folder does not exist yet.
bool IsFirstStart(const std::filesystem::path& programFolder);

// Creates the program folder if needed and writes both club files with their installation contents;
// false when a file could not be written.
bool InstallClubFiles(const std::filesystem::path& programFolder);

}  // namespace tavlo
