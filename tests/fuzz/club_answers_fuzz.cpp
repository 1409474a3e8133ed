// The club's answers as the program reads them: any bytes are read without harm, every text read
// is well-formed UTF-8 and holds none of the marks its answer is cut at, and every number keeps
// within what its reader promises.

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "net/club/account_requests.h"
#include "net/club/club_request.h"
#include "net/club/service_config.h"
#include "net/club/stat_requests.h"
#include "net/club/tour_requests.h"
#include "net/club/world_requests.h"

namespace {

using tavlo::fuzzing::Require;

bool WellFormedUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

// A field of a record: UTF-8, and none of the marks that delimit it. (A record that ends at '*' may
// hold a '$': only its start is marked so.)
void Field(const std::string& text, std::string_view marks, std::string_view what) {
  Require(WellFormedUtf8(text), what);
  Require(text.find_first_of(marks) == std::string::npos, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string answer(reinterpret_cast<const char*>(data), size);

  (void)tavlo::ParseCreateAccount(answer);
  (void)tavlo::ParseDone(answer);
  (void)tavlo::ParseTransfer(answer);

  if (const auto user = tavlo::ParseReadAccount(answer)) {
    for (const std::string* text : {&user->City, &user->Country1, &user->Country2, &user->EMail, &user->DateR,
                                    &user->R01, &user->R02, &user->R03}) {
      Field(*text, " $", "an account field is one word of UTF-8");
    }
  }
  if (const auto info = tavlo::ParseProfile(answer)) {
    for (const std::string* text :
         {&info->Name1, &info->Name2, &info->About, &info->Telephone, &info->EMailO, &info->Skype, &info->WebSite,
          &info->OK, &info->VK, &info->Telegram, &info->FaceBook, &info->Twitter, &info->Instagramm, &info->YouTube}) {
      Field(*text, "~$", "a profile field holds no '~' or '$'");
    }
  }
  if (const auto game = tavlo::ParseGameRecord(answer)) {
    Field(game->R2, " $", "the game record's text is one word");
  }
  if (const auto balance = tavlo::ParseBalance(answer)) {
    Require(*balance >= 0, "a balance read is never negative");
  }

  const tavlo::ClubTopTen top = tavlo::ParseClubTopTen(answer);
  for (int k = 1; k <= 10; ++k) {
    const tavlo::TZanTop10& row = top.Rows[k];
    Field(row.Nick, " *", "a club top-ten nick is one word");
    Field(row.City, " *", "a club top-ten city is one word");
    Field(row.Country, " *", "a club top-ten country is one word");
  }

  for (const int gid : {tavlo::kGameId, tavlo::kChatTable}) {
    const tavlo::WorldRows rows = tavlo::ParseWorldRows(answer, gid);
    for (int k = 1; k <= 10; ++k) {
      const tavlo::TZanRecord& row = rows.Rows[k];
      for (const std::string* text : {&row.Nick, &row.Country, &row.City, &row.R07, &row.R08, &row.R09}) {
        Field(*text, " *", "a world row field is one word");
      }
      Field(row.R10, " ", "a world row message is one word");
    }
  }

  const tavlo::NumberResult number = tavlo::ParseNumberResult(answer);
  Require(!number.Ok || number.Value >= 0, "a number answer is digits");
  Require(number.Ok || number.Value == -1, "a number answer that was not read is -1");

  if (const auto stats = tavlo::ParseGlobalStats(answer)) {
    Require(WellFormedUtf8(stats->Stat4), "the statistics text is UTF-8");
  }

  const tavlo::TourTables tables = tavlo::ParseTables(answer);
  for (int k = 1; k <= 10; ++k) {
    Field(tables.Rows[k].IP, " *", "a table address is one word");
    for (int seat = 1; seat <= 4; ++seat) Field(tables.Rows[k].Seats[seat].Nick, " *", "a seat nick is one word");
  }
  (void)tavlo::ParseSetSeat(answer);
  if (const auto client = tavlo::ParseSeat(answer)) Field(client->Nick, " $", "a seated nick is one word");
  const tavlo::TourServerInfo info = tavlo::ParseServerInfo(answer);
  Require(WellFormedUtf8(info.Message), "the server message is UTF-8");
  (void)tavlo::ParseTourRating(answer);
  const tavlo::TourTopTen tourTop = tavlo::ParseTourTopTen(answer);
  for (int k = 1; k <= 10; ++k) {
    Field(tourTop.Rows[k].Nick, " *", "a tournament top-ten nick is one word");
    Field(tourTop.Rows[k].City, " *", "a tournament top-ten city is one word");
  }

  const tavlo::ServiceConfig config = tavlo::ParseServiceConfig(answer);
  for (const std::string* address : {&config.WorldTopTenAddress, &config.StatisticsAddress, &config.AccountAddress}) {
    Require(address->find('#') == std::string::npos, "a configured address ends at '#'");
  }
  Require(config.WorldTopTenAvailable == !config.WorldTopTenAddress.empty(),
          "the world top ten is available exactly when it has an address");
  const int news = tavlo::ParseNewsNumber(answer);
  Require(news >= 0 && news <= 99999, "the news number has at most five digits");
  return 0;
}
