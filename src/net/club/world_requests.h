#pragma once

#include <optional>
#include <string>

#include "net/club/club_records.h"
#include "net/club/club_request.h"

namespace tavlo {

// Requests of the world top ten script: the tables 59, 159 and 359 and the chat table 100.

struct WorldRows {
  bool Ok = false;
  TenRows<TZanRecord> Rows;
};

ClubRequest ReadWorldTableRequest(int gid);
ClubRequest ReadWorldAroundRequest(int gid, const std::string& nick, const std::string& city);
// Both tables answer alike; every row carries `gid`.
WorldRows ParseWorldRows(const std::string& answer, int gid);

ClubRequest ReadWorldCountRequest(int gid);  // answer: ParseNumberResult

// A row's place is given by the service (for the chat, the message number too). `pw` is sent only
// for the account table: the service credits the top-ten bonus to a proved account only.
// Answer: ParseNumberResult, the place.
ClubRequest SubmitWorldRowRequest(const TZanRecord& row, const std::string& pw = {});

}  // namespace tavlo
