#include "net/club/world_requests.h"

#include "lang/cp1251.h"
#include "net/club/club_answers.h"

namespace tavlo {

ClubRequest ReadWorldTableRequest(int gid) {
  return {BodyStyle::List, {{"gid", std::to_string(gid)}}, kShortTimeoutMs};
}

ClubRequest ReadWorldAroundRequest(int gid, const std::string& nick, const std::string& city) {
  return {BodyStyle::Raw, {{"gid", std::to_string(gid)}, {"nick", nick}, {"city", city}}, kShortTimeoutMs};
}

WorldRows ParseWorldRows(const std::string& answer, int gid) {
  WorldRows rows;
  for (TZanRecord& row : rows.Rows) row.GID = gid;
  if (answer.find('$') == answer.npos) return rows;
  rows.Ok = true;
  int k = 0;
  for (const auto& record : ReadRecords(answer, '*')) {
    TZanRecord& row = rows.Rows[++k];
    SetWhole(record, 1, row.Place);
    SetWhole(record, 3, row.Score);
    SetText(record, 4, row.Nick);
    SetText(record, 5, row.Country);
    SetText(record, 6, row.City);
    SetText(record, 7, row.R07);
    SetText(record, 8, row.R08);
    SetText(record, 9, row.R09);
    SetText(record, 10, row.R10);
  }
  return rows;
}

ClubRequest ReadWorldCountRequest(int gid) { return {BodyStyle::List, {{"rgid", std::to_string(gid)}}}; }

ClubRequest SubmitWorldRowRequest(const TZanRecord& row, const std::string& pw) {
  ClubRequest request{BodyStyle::Raw,
                      {{"gid", std::to_string(row.GID)},
                       {"nick", row.Nick},
                       {"city", row.City},
                       {"country", row.Country},
                       {"score", std::to_string(row.Score)},
                       {"R7", row.R07},
                       {"R8", kWorldVersion},
                       {"R9", row.R09},
                       {"R10", row.R10 + "*"}}};
  if (!pw.empty()) request.Fields.insert(request.Fields.begin() + 2, {"pw", pw});
  return request;
}

}  // namespace tavlo
