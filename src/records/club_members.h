#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "records/club_file.h"

namespace tavlo {

struct StoreResult {
  ClubUpdate Update = ClubUpdate::Written;
  int TopTenPlace = 0;           // 0 not placed, 1..10
  std::int32_t PlacedScore = 0;  // the cycle score offered to the top ten
  int MemberLine = 0;            // where the line now stands (1..5), 0 when it was not stored
  std::string StoredLine;        // the line as stored (Score reset after a completed cycle)
};

// Strikes the line of the member at `slot` (1..5): the lines below move up and line 5 becomes free.
// Slots 6..8 (a new player, the club account, a tournament participant) have no club line, and
// nothing is changed for them.
void RemoveMemberLine(ClubLines& lines, int slot);
ClubUpdate RemoveMember(const std::filesystem::path& path, int slot, bool clubNoWrite);

// Stores a complete member line. With `topTenPending` (the series completed a cycle of 40 deals)
// its Score is first offered to the top ten, an equal score going above the older entry, and then
// reset to 0. The line is then inserted above the first member with an equal or lower rating, or in
// the first free place; a club of five better members keeps its lines and the new one is dropped.
// The file is written once, with both changes.
StoreResult StoreMemberLine(ClubLines& lines, std::string_view line, bool topTenPending);
StoreResult StoreMember(std::string_view line, const std::filesystem::path& path, bool topTenPending, bool clubNoWrite);

// The end of a member's series: the member's old line (`slot` 1..5; any other slot has none) is
// struck and `line` stored as StoreMember does, in a single write, so a failed write loses nothing.
StoreResult ReplaceMember(const std::filesystem::path& path, int slot, std::string_view line, bool topTenPending,
                          bool clubNoWrite);

// A member renames during a series: the line read at the series start gets the new name and
// password and is stored again by rating. The result's MemberLine is where that member's line now
// stands, which can be higher than before when other members have an equal rating.
StoreResult RenameMember(const std::filesystem::path& path, int slot, std::string_view seriesStartLine,
                         std::string_view newName, std::string_view passwordDigits, bool clubNoWrite);

}  // namespace tavlo
