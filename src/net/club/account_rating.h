#pragma once

#include <cstdint>
#include <string>

#include "net/club/club_records.h"

namespace tavlo {

// A rated game is four deals against the computer. Before its first deal the club is told the game
// was lost by the pledge, with the cycle progress cleared, so that a game left unfinished still
// counts; the settlement afterwards puts the pledge back and adds the real result.
inline constexpr std::int32_t kRatedGameDeals = 4;
inline constexpr std::int32_t kRatingPledge = 100;
inline constexpr std::int32_t kRatedCycleDeals = 40;

// Rating = P / Kon + Kon / 40 for Kon deals whose results sum to P; 0 deals rate 0.
double AccountRating(double summedResult, std::int32_t kon);
// P recovered from a stored record: Kon x (Rating - Kon / 40).
double SummedResult(const TZanGame& record);

// The record stored while a rated game runs: four more deals lost by the pledge, KonL and Score 0.
TZanGame PledgedGameRecord(const TZanGame& before);

// The record after a rated game: `stored` is what the club holds (the pledged record), `cycleDeals`
// the KonL before the game, `seriesResult` the game's result and `totalScore` the cycle's score
// including it. The tenth game of a cycle closes it: Best, Sessions + 1, KonL and Score back to 0.
TZanGame SettledGameRecord(const TZanGame& stored, std::int32_t cycleDeals, std::int32_t seriesResult,
                           std::int32_t totalScore);

// A rating as the account window shows it: three decimals after ',' ("7,000", "-24,900").
std::string FormatRating(double rating);

}  // namespace tavlo
