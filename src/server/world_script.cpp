#include "net/club/club_request.h"
#include "server/answer_text.h"
#include "server/club_service.h"
#include "settings/settings.h"

namespace tavlo {
namespace {

bool KnownTable(std::int64_t gid) {
  return gid == kGameId || gid == kWorldTableAndroid || gid == kWorldTableAccounts || gid == kChatTable;
}

QByteArray Rows(const std::vector<TZanRecord>& rows) {
  std::string text;
  for (const TZanRecord& r : rows) {
    text += "$" + std::to_string(r.Place) + " x " + std::to_string(r.Score) + " " + Word(r.Nick) + " " +
            Word(r.Country) + " " + Word(r.City) + " " + Word(r.R07) + " " + Word(r.R08) + " " + Word(r.R09) + " " +
            Word(r.R10) + "*";
  }
  return text.empty() ? QByteArray("$*") : Answer(text);
}

}  // namespace

QByteArray ClubService::World(const ScriptForm& form, const QString& address) {
  if (form.Has("rgid")) {
    const auto gid = form.Number("rgid", 0, 1000);
    const auto count = gid && KnownTable(*gid) ? store_.WorldCount(static_cast<int>(*gid)) : std::nullopt;
    return count ? Answer("$" + std::to_string(*count)) : QByteArray("$");
  }
  const auto gid = form.Number("gid", 0, 1000);
  if (!gid || !KnownTable(*gid)) return kRefused;
  const int table = static_cast<int>(*gid);

  if (form.Has("score")) {
    if (options_.WorldPaused && table != kChatTable) return "$";
    if (options_.ChatPaused && table == kChatTable) return "$";
    TZanRecord row;
    row.GID = table;
    const auto nick = form.Passport("nick", 12);
    const auto city = form.Passport("city", 15);
    // The account table holds the account's short country name, the others the passport code.
    const auto country = form.Word("country", 24);
    const auto score = form.Number("score", -10'000'000, 10'000'000);
    const std::string* sex = form.Raw("R7");
    const auto version = form.Word("R8", 10);
    const auto when = form.Word("R9", 80);
    std::string message = form.Raw("R10") ? *form.Raw("R10") : std::string{};
    if (message.ends_with('*')) message.pop_back();
    const ScriptForm messageForm({{"m", message}});
    const auto r10 = messageForm.Word("m", 100);
    if (!nick || !city || !country || !score || !sex || (*sex != "M" && *sex != "W") || !version || !when || !r10) {
      return "$";
    }
    if (table != kWorldTableAccounts && !IsValidWorldCountry(*country)) return "$";
    std::string bonusNick;
    if (table == kWorldTableAccounts) {
      // Account rows, and the Zans a top-ten place brings, belong to a proved account.
      if (!Authenticate(form, address)) return "$";
      bonusNick = *nick;
    }
    row.Nick = *nick;
    row.City = *city;
    row.Country = *country;
    row.Score = static_cast<std::int32_t>(*score);
    row.R07 = *sex;
    row.R08 = *version;
    row.R09 = *when;
    row.R10 = *r10;
    const auto place = store_.SubmitWorldRow(row, bonusNick);
    return place ? Answer("$" + std::to_string(*place)) : QByteArray("$");
  }
  if (form.Has("nick")) {
    const auto nick = form.Passport("nick", 12);
    const auto city = form.Passport("city", 15);
    if (!nick || !city) return kRefused;
    const auto rows = store_.WorldAround(table, *nick, *city);
    return rows ? Rows(*rows) : kRefused;
  }
  const auto rows = store_.WorldTop(table);
  return rows ? Rows(*rows) : kRefused;
}

}  // namespace tavlo
