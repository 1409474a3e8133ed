#include "net/club/club_request.h"
#include "server/answer_text.h"
#include "server/club_service.h"

namespace tavlo {

QByteArray ClubService::Statistics(const ScriptForm& form) {
  static const QByteArray kOk = "$ok#";
  static const QByteArray kNo = "$no#";
  const auto gid = form.Number("gid", 0, 1000);
  if (!gid) return kNo;
  const int table = static_cast<int>(*gid);
  std::array<std::int64_t, 12> x{};

  if (form.Has("stat1")) {
    const auto starts = form.Number("stat1", 1, 1);
    const auto unique = form.Number("stat2", 0, 1);
    if (!starts || !unique) return kNo;
    return store_.AddStats(table, *starts, *unique, 0, {}, x) ? kOk : kNo;
  }
  if (form.Has("stat3")) {
    const auto likes = form.Number("stat3", 1, 1);
    const auto nick = form.Passport("stat4", 12);
    if (!likes || !nick) return kNo;
    return store_.AddStats(table, 0, 0, *likes, *nick, x) ? kOk : kNo;
  }
  if (form.Has("R1")) {
    for (int k = 1; k <= 12; ++k) {
      const auto value = form.Number("R" + std::to_string(k), 0, 1'000'000);
      if (!value) return kNo;
      x[static_cast<std::size_t>(k - 1)] = *value;
    }
    return store_.AddStats(table, 0, 0, 0, {}, x) ? kOk : kNo;
  }
  const auto stat = store_.Stats(table);
  if (!stat) return kNo;
  std::string text = "$" + std::to_string(stat->Stat1) + " " + std::to_string(stat->Stat2) + " " +
                     std::to_string(stat->Stat3) + " " + Word(stat->Stat4);
  for (int k = 1; k <= 12; ++k) text += " " + std::to_string(stat->StatX[k]);
  text += " # #*";
  return Answer(text);
}

}  // namespace tavlo
