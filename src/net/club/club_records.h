#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/one_based.h"

namespace tavlo {

// The club records the requests carry. Texts are UTF-8 inside the program; the wire holds them in
// Windows-1251. Defaults are those a field keeps when an answer does not hold it.

// The public profile, fourteen texts in the order the profile editor lists them.
struct TInfo14 {
  std::string Name1, Name2, About, Telephone, EMailO, Skype, WebSite, OK, VK, Telegram, FaceBook, Twitter, Instagramm,
      YouTube;
  friend bool operator==(const TInfo14&, const TInfo14&) = default;
};

struct TZanUser {
  std::string Nick, Pw, City = "#", Country1 = "#", Country2 = "#";
  char Sex = '#';
  std::string EMail = "#", DateR = "00.00.0000";
  std::string R01 = "#", R02 = "#", R03 = "#";
  std::int32_t R04 = 0, R05 = 0, R06 = 0;  // R04 is the balance in Zans
  std::string PwC;
  TInfo14 Info;
  friend bool operator==(const TZanUser&, const TZanUser&) = default;
};

// This game's club record of an account.
struct TZanGame {
  std::int32_t Kon = 0, Best = 0;
  double Rating = 0;
  std::int32_t Sessions = 0, KonL = 0, Score = 0, R1 = 0;
  std::string R2 = "#";
  char PlayNow = 'N';
  std::int32_t Place = 0;
  friend bool operator==(const TZanGame&, const TZanGame&) = default;
};

struct TZanTop10 {
  std::string Nick, City, Country;
  char Sex = 'M';
  double Rating = 0;
  friend bool operator==(const TZanTop10&, const TZanTop10&) = default;
};

// A row of a world table (59, 159, 359) or of the chat (100).
struct TZanRecord {
  std::int32_t GID = 0, Place = 0, Score = 0;
  std::string Nick = "#", Country = "#", City = "#", R07 = "#", R08 = "#", R09 = "#", R10 = "#*";
  friend bool operator==(const TZanRecord&, const TZanRecord&) = default;
};

// A tournament player.
struct TZanClient {
  std::string Nick = "X";
  std::int32_t Score = 0, Kon = 0, Rating = 0;
  std::string Country = "X", City = "X";
  char Sex = 'M';
  std::string IP = "X";
  friend bool operator==(const TZanClient&, const TZanClient&) = default;
};

struct TZanTableSeat {
  std::string Nick = "X";
  std::int32_t Score = 0, Kon = 0, Rating = 0;
  std::string Country = "X", City = "X", Sex = "M", IP = "X";
  friend bool operator==(const TZanTableSeat&, const TZanTableSeat&) = default;
};

// A tournament table: where it is served and its four seats.
struct TZanTable_4 {
  std::string IP = "0.0.0.0";
  std::int32_t Port = 0, Free = 0, R1 = 0, R2 = 0;
  OneBased<TZanTableSeat, 4> Seats;
  friend bool operator==(const TZanTable_4&, const TZanTable_4&) = default;
};

struct TZanStat {
  std::int32_t GID = 0;
  std::int64_t Stat1 = 0, Stat2 = 0, Stat3 = 0;
  std::string Stat4;
  OneBased<std::int64_t, 12> StatX;
  std::string StatY, StatZ;
  friend bool operator==(const TZanStat&, const TZanStat&) = default;
};

// Ten rows of any table answer.
template <typename Row>
using TenRows = OneBased<Row, 10>;

}  // namespace tavlo
