#include "net/club/stat_requests.h"

#include "lang/cp1251.h"
#include "net/club/club_answers.h"

namespace tavlo {
namespace {

const std::string kGid = std::to_string(kGameId);

std::int64_t Count(const std::vector<std::string>& record, int k) {
  const std::string* field = Field(record, k);
  return field ? ParseWhole(*field).value_or(0) : 0;
}

}  // namespace

ClubRequest ReadGlobalStatsRequest(int gid) {
  return {BodyStyle::List, {{"gid", std::to_string(gid)}}, kShortTimeoutMs};
}

std::optional<TZanStat> ParseGlobalStats(const std::string& answer, int gid) {
  const auto records = ReadRecords(answer, '*', ' ', 1);
  if (records.empty()) return std::nullopt;
  const auto& r = records.front();
  TZanStat stat;
  stat.GID = gid;
  stat.Stat1 = Count(r, 1);
  stat.Stat2 = Count(r, 2);
  stat.Stat3 = Count(r, 3);
  if (const std::string* nick = Field(r, 4)) stat.Stat4 = Cp1251ToUtf8(*nick);
  for (int x = 1; x <= 12; ++x) stat.StatX[x] = Count(r, 4 + x);
  if (const std::string* y = Field(r, 17)) stat.StatY = Cp1251ToUtf8(*y);
  if (const std::string* z = Field(r, 18)) stat.StatZ = Cp1251ToUtf8(*z);
  return stat;
}

ClubRequest CountStartRequest(bool firstCount) {
  return {BodyStyle::Raw, {{"gid", kGid}, {"stat1", "1"}, {"stat2", firstCount ? "1" : "0"}}};
}

ClubRequest SendLikeRequest(int number, const std::string& nick) {
  return {BodyStyle::Raw, {{"gid", kGid}, {"stat3", std::to_string(number)}, {"stat4", nick}}};
}

ClubRequest SendGameStatsRequest(const std::array<std::int32_t, 12>& values) {
  ClubRequest request{BodyStyle::Raw, {{"gid", kGid}}};
  for (std::size_t i = 0; i < values.size(); ++i) {
    request.Fields.push_back({"R" + std::to_string(i + 1), std::to_string(values[i])});
  }
  return request;
}

}  // namespace tavlo
