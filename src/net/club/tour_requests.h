#pragma once

#include <optional>
#include <string>

#include "net/club/club_records.h"
#include "net/club/club_request.h"

namespace tavlo {

// Requests of the tournament lobby script; every one carries gid = kGameId.

struct TourTables {
  bool Ok = false;
  TenRows<TZanTable_4> Rows;
  std::string Answer;  // the whole answer text, as the lobby keeps it
};
ClubRequest ReadTablesRequest();
TourTables ParseTables(const std::string& answer);

// Action 1 takes the seat with `client`, 2 leaves the own seat, 0 clears a seat.
// Result: 2 the seat is taken ("is"), 0 done ("ok"), 1 failure.
ClubRequest SetSeatRequest(int table, int seat, int action, const TZanClient& client);
int ParseSetSeat(const std::string& answer);

ClubRequest ReadSeatRequest(int table, int seat);
std::optional<TZanClient> ParseSeat(const std::string& answer);

struct TourServerInfo {
  bool Ok = false;
  char State = 'X';     // 'Y' while the tournament game server runs
  std::string Message;  // '_' already shown as spaces
};
ClubRequest ReadServerInfoRequest();
TourServerInfo ParseServerInfo(const std::string& answer);

struct TourRating {
  bool Ok = false;
  std::int32_t Score = -1, Kon = 0, Rating = 0;
};
ClubRequest ReadTourRatingRequest(const std::string& nick);
TourRating ParseTourRating(const std::string& answer);

// The measure letter: 's' score, 'r' rating, 'k' games.
struct TourTopRow {
  std::int32_t Place = 0;
  std::string Nick = "#", City = "#", Country = "#", R07 = "M";
  std::int32_t Score = 0;
  friend bool operator==(const TourTopRow&, const TourTopRow&) = default;
};
struct TourTopTen {
  bool Ok = false;
  TenRows<TourTopRow> Rows;
};
ClubRequest ReadTourTopTenRequest(char measure);
TourTopTen ParseTourTopTen(const std::string& answer);

ClubRequest ReadTourPlaceRequest(char measure, std::int32_t value);  // answer: ParseNumberResult

}  // namespace tavlo
