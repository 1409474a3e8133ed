#include "net/club/account_rating.h"

#include <cmath>
#include <cstdio>

namespace tavlo {

double AccountRating(double summedResult, std::int32_t kon) {
  if (kon <= 0) return 0.0;
  return summedResult / kon + static_cast<double>(kon) / kRatedCycleDeals;
}

double SummedResult(const TZanGame& record) {
  return record.Kon * (record.Rating - static_cast<double>(record.Kon) / kRatedCycleDeals);
}

TZanGame PledgedGameRecord(const TZanGame& before) {
  TZanGame pledged = before;
  pledged.Kon = before.Kon + kRatedGameDeals;
  pledged.Rating = AccountRating(SummedResult(before) - kRatingPledge, pledged.Kon);
  pledged.KonL = 0;
  pledged.Score = 0;
  return pledged;
}

TZanGame SettledGameRecord(const TZanGame& stored, std::int32_t cycleDeals, std::int32_t seriesResult,
                           std::int32_t totalScore) {
  TZanGame settled = stored;
  settled.Rating = AccountRating(SummedResult(stored) + kRatingPledge + seriesResult, stored.Kon);
  if (cycleDeals + kRatedGameDeals >= kRatedCycleDeals) {
    if (settled.Best < totalScore) settled.Best = totalScore;
    settled.Sessions = stored.Sessions + 1;
    settled.KonL = 0;
    settled.Score = 0;
  } else {
    settled.KonL = cycleDeals + kRatedGameDeals;
    settled.Score = totalScore;
  }
  return settled;
}

std::string FormatRating(double rating) {
  // Thousandths first, so that the text never shows "-0,000" or a rounding of the float's tail.
  const long long thousandths = std::llround(rating * 1000.0);
  const long long whole = std::llabs(thousandths) / 1000;
  const long long fraction = std::llabs(thousandths) % 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld,%03lld", thousandths < 0 ? "-" : "", whole, fraction);
  return text;
}

}  // namespace tavlo
