#include "net/club/club_request.h"
#include "server/answer_text.h"
#include "server/club_service.h"

namespace tavlo {
namespace {

const std::string kGid = std::to_string(kGameId);

std::string SeatFields(const TZanClient& c) {
  return Word(c.Nick) + " " + std::to_string(c.Score) + " " + std::to_string(c.Kon) + " " + std::to_string(c.Rating) +
         " " + Word(c.Country) + " " + Word(c.City) + " " + std::string(1, c.Sex) + " " + Word(c.IP);
}

// The measure letter of a "top10<m>59" or "place<m>59" field name.
std::optional<char> Measure(const std::string& name, std::size_t at) {
  if (name.size() != at + 1 + kGid.size() || name.substr(at + 1) != kGid) return std::nullopt;
  const char m = name[at];
  if (m != 's' && m != 'r' && m != 'k') return std::nullopt;
  return m;
}

}  // namespace

QByteArray ClubService::Tournament(const ScriptForm& form) {
  if (form.Has("readtable410")) {
    const auto seats = store_.Seats();
    if (!seats) return kRefused;
    std::string text;
    for (int table = 1; table <= 10; ++table) {
      std::string players;
      int free = 0;
      for (const SeatRow& s : *seats) {
        if (s.Table != table) continue;
        players += " " + SeatFields(s.Player);
        if (s.Player.Nick == "X") ++free;
      }
      const int port = options_.TourBasePort > 0 ? options_.TourBasePort + table : 0;
      text += "$" + std::to_string(table) + " " + options_.TourHost.toStdString() + " " + std::to_string(port) + " " +
              std::to_string(free) + " 0 0" + players + "*";
    }
    return Answer(text);
  }
  if (form.Has("serverinforead")) {
    if (options_.TourTablesRunning) return "$Y Welcome_to_the_World_Online_Tournament!$";
    return "$X The_tournament_game_server_is_not_running$";
  }
  if (const FormField* set = form.Prefixed("client4on")) {
    const std::string seatText = set->Name.substr(9);
    const auto table = form.Number("num", 1, 10);
    const auto action = form.Number("can", 0, 2);
    if (seatText.size() != 1 || seatText[0] < '1' || seatText[0] > '4' || !table || !action) return kRefused;
    const int seat = seatText[0] - '0';
    if (*action == 0) return store_.ClearSeat(static_cast<int>(*table), seat) == 0 ? kDone : kRefused;
    const auto nick = form.Judged("nick" + seatText, 1, 3);
    if (!nick) return kRefused;
    if (*action == 2) return store_.LeaveSeat(static_cast<int>(*table), seat, *nick) == 0 ? kDone : kRefused;
    TZanClient player;
    const auto score = form.Number("score" + seatText, -100'000'000, 100'000'000);
    const auto kon = form.Number("kon" + seatText, 0, 100'000'000);
    const auto rating = form.Number("rating" + seatText, -100'000'000, 100'000'000);
    const auto country = form.Word("country" + seatText, 24);
    const auto city = form.Passport("city" + seatText, 15);
    const std::string* sex = form.Raw("sex" + seatText);
    const auto ip = form.Word("ip" + seatText, 45);
    if (!score || !kon || !rating || !country || !city || !sex || (*sex != "M" && *sex != "W") || !ip) {
      return kRefused;
    }
    player = {*nick,
              static_cast<std::int32_t>(*score),
              static_cast<std::int32_t>(*kon),
              static_cast<std::int32_t>(*rating),
              *country,
              *city,
              (*sex)[0],
              *ip};
    switch (store_.TakeSeat(static_cast<int>(*table), seat, player)) {
      case 0:
        return kDone;
      case 2:
        return kTaken;
      default:
        return kRefused;
    }
  }
  if (const FormField* read = form.Prefixed("readclient")) {
    const std::string seatText = read->Name.substr(10);
    const auto table = form.Number("num", 1, 10);
    if (seatText.size() != 1 || seatText[0] < '1' || seatText[0] > '4' || !table) return kRefused;
    const auto player = store_.Seat(static_cast<int>(*table), seatText[0] - '0');
    return player ? Answer("$" + SeatFields(*player) + "$") : kRefused;
  }
  if (form.Has("readrating" + kGid)) {
    const auto nick = form.Judged("nick", 1, 3);
    const auto player = nick ? store_.TourPlayer(*nick) : std::nullopt;
    if (!player) return kRefused;
    return Answer("$" + std::to_string(player->Score) + " " + std::to_string(player->Kon) + " " +
                  std::to_string(player->Rating) + "$");
  }
  if (const FormField* top = form.Prefixed("top10")) {
    const auto measure = Measure(top->Name, 5);
    const auto rows = measure ? store_.TourTop(*measure) : std::nullopt;
    if (!rows) return kRefused;
    std::string text;
    int place = 0;
    for (const TZanClient& c : *rows) {
      const std::int32_t value = *measure == 'r' ? c.Rating : *measure == 'k' ? c.Kon : c.Score;
      text += "$" + std::to_string(++place) + " " + Word(c.Nick) + " " + Word(c.City) + " " + Word(c.Country) + " " +
              std::string(1, c.Sex) + " " + std::to_string(value) + "*";
    }
    return text.empty() ? QByteArray("$*") : Answer(text);
  }
  if (const FormField* place = form.Prefixed("place")) {
    const auto measure = Measure(place->Name, 5);
    if (!measure) return "$";
    const char* key = *measure == 'r' ? "rating1" : *measure == 'k' ? "kon1" : "score1";
    const auto value = form.Number(key, -1'000'000'000, 1'000'000'000);
    const auto found = value ? store_.TourPlace(*measure, *value) : std::nullopt;
    return found ? Answer("$" + std::to_string(*found)) : QByteArray("$");
  }
  return kRefused;
}

}  // namespace tavlo
