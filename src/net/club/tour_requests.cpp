#include "net/club/tour_requests.h"

#include "lang/cp1251.h"
#include "net/club/club_answers.h"

namespace tavlo {
namespace {

const std::string kGid = std::to_string(kGameId);

}  // namespace

ClubRequest ReadTablesRequest() { return {BodyStyle::List, {{"readtable410", kGid}, {"gid", kGid}}, kShortTimeoutMs}; }

TourTables ParseTables(const std::string& answer) {
  TourTables tables;
  tables.Answer = answer;
  if (answer.find('$') == answer.npos) return tables;
  tables.Ok = true;
  int k = 0;
  for (const auto& record : ReadRecords(answer, '*')) {
    TZanTable_4& table = tables.Rows[++k];
    SetText(record, 2, table.IP);
    SetWhole(record, 3, table.Port);
    SetWhole(record, 4, table.Free);
    SetWhole(record, 5, table.R1);
    SetWhole(record, 6, table.R2);
    for (int seat = 1; seat <= 4; ++seat) {
      const int base = 7 + (seat - 1) * 8;
      TZanTableSeat& s = table.Seats[seat];
      SetText(record, base, s.Nick);
      SetWhole(record, base + 1, s.Score);
      SetWhole(record, base + 2, s.Kon);
      SetWhole(record, base + 3, s.Rating);
      SetText(record, base + 4, s.Country);
      SetText(record, base + 5, s.City);
      SetText(record, base + 6, s.Sex);
      SetText(record, base + 7, s.IP);
    }
  }
  return tables;
}

ClubRequest SetSeatRequest(int table, int seat, int action, const TZanClient& c) {
  const std::string s = std::to_string(seat);
  return {BodyStyle::Raw,
          {{"client4on" + s, "0"},
           {"gid", kGid},
           {"num", std::to_string(table)},
           {"can", std::to_string(action)},
           {"nick" + s, c.Nick},
           {"score" + s, std::to_string(c.Score)},
           {"kon" + s, std::to_string(c.Kon)},
           {"rating" + s, std::to_string(c.Rating)},
           {"country" + s, c.Country},
           {"city" + s, c.City},
           {"sex" + s, std::string(1, c.Sex)},
           {"ip" + s, c.IP}}};
}

int ParseSetSeat(const std::string& answer) {
  if (answer.find("is") != answer.npos) return 2;
  if (answer.find("ok") != answer.npos) return 0;
  return 1;
}

ClubRequest ReadSeatRequest(int table, int seat) {
  return {BodyStyle::List, {{"readclient" + std::to_string(seat), "0"}, {"gid", kGid}, {"num", std::to_string(table)}}};
}

std::optional<TZanClient> ParseSeat(const std::string& answer) {
  const auto records = ReadRecords(answer, '$', ' ', 1);
  if (records.empty()) return std::nullopt;
  const auto& r = records.front();
  TZanClient client;
  SetText(r, 1, client.Nick);
  SetWhole(r, 2, client.Score);
  SetWhole(r, 3, client.Kon);
  SetWhole(r, 4, client.Rating);
  SetText(r, 5, client.Country);
  SetText(r, 6, client.City);
  SetChar(r, 7, client.Sex);
  SetText(r, 8, client.IP);
  return client;
}

ClubRequest ReadServerInfoRequest() { return {BodyStyle::List, {{"serverinforead", "0"}, {"gid", kGid}}}; }

TourServerInfo ParseServerInfo(const std::string& answer) {
  TourServerInfo info;
  const auto records = ReadRecords(answer, '$', ' ', 1);
  if (records.empty()) return info;
  info.Ok = true;
  SetChar(records.front(), 1, info.State);
  SetText(records.front(), 2, info.Message);
  for (char& c : info.Message) {
    if (c == '_') c = ' ';
  }
  return info;
}

ClubRequest ReadTourRatingRequest(const std::string& nick) {
  return {BodyStyle::Raw, {{"readrating" + kGid, "0"}, {"nick", nick}}};
}

TourRating ParseTourRating(const std::string& answer) {
  TourRating rating;
  const auto records = ReadRecords(answer, '$', ' ', 1);
  if (records.empty()) return rating;
  rating.Ok = true;
  SetWhole(records.front(), 1, rating.Score);
  SetWhole(records.front(), 2, rating.Kon);
  SetWhole(records.front(), 3, rating.Rating);
  return rating;
}

ClubRequest ReadTourTopTenRequest(char measure) {
  return {BodyStyle::List, {{"top10" + std::string(1, measure) + kGid, "0"}, {"nick", "z"}}};
}

TourTopTen ParseTourTopTen(const std::string& answer) {
  TourTopTen top;
  if (answer.find('$') == answer.npos) return top;
  top.Ok = true;
  int k = 0;
  for (const auto& record : ReadRecords(answer, '*')) {
    TourTopRow& row = top.Rows[++k];
    SetWhole(record, 1, row.Place);
    SetText(record, 2, row.Nick);
    SetText(record, 3, row.City);
    SetText(record, 4, row.Country);
    SetText(record, 5, row.R07);
    SetWhole(record, 6, row.Score);
  }
  return top;
}

ClubRequest ReadTourPlaceRequest(char measure, std::int32_t value) {
  const char* key = measure == 'r' ? "rating1" : measure == 'k' ? "kon1" : "score1";
  return {BodyStyle::Raw, {{"place" + std::string(1, measure) + kGid, "0"}, {key, std::to_string(value)}}};
}

}  // namespace tavlo
