#pragma once

#include <array>
#include <optional>
#include <string>

#include "net/club/club_records.h"
#include "net/club/club_request.h"

namespace tavlo {

// Requests of the statistics script.

ClubRequest ReadGlobalStatsRequest(int gid = kGameId);
std::optional<TZanStat> ParseGlobalStats(const std::string& answer, int gid = kGameId);

// `firstCount`: no start of this installation has been counted yet. Answers: ReadStatisticsAnswer.
ClubRequest CountStartRequest(bool firstCount);
ClubRequest SendLikeRequest(int number, const std::string& nick);
ClubRequest SendGameStatsRequest(const std::array<std::int32_t, 12>& values);

}  // namespace tavlo
