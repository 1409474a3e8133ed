#include "net/club/account_requests.h"

#include "lang/cp1251.h"
#include "net/club/club_answers.h"

namespace tavlo {
namespace {

std::string TableField(const char* key) { return std::string(kClubTable) + key; }

// "no" refuses a read only before the record: a city such as "Genoa" holds it too.
bool Refused(const std::string& answer) {
  return HasMarker(std::string_view(answer).substr(0, answer.find('$')), "no");
}

// The single record of an answer that runs from '$' to the next '$'.
std::optional<std::vector<std::string>> SingleRecord(const std::string& answer, char separator = ' ') {
  auto records = ReadRecords(answer, '$', separator, 1);
  if (records.empty()) return std::nullopt;
  return std::move(records.front());
}

}  // namespace

ClubRequest CreateAccountRequest(const TZanUser& u) {
  return {BodyStyle::Raw,
          {{"nick", u.Nick},
           {"pw", u.Pw},
           {"city", u.City},
           {"country1", u.Country1},
           {"country2", u.Country2},
           {"sex", std::string(1, u.Sex)},
           {"email", u.EMail},
           {"dater", u.DateR},
           {"R01", u.R01},
           {"R02", u.R02},
           {"R03", u.R03},
           {"R04", std::to_string(u.R04)},
           {"R05", std::to_string(u.R05)},
           {"R06", std::to_string(u.R06)}}};
}

int ParseCreateAccount(const std::string& answer) {
  if (HasMarker(answer, "is")) return 1;
  if (HasMarker(answer, "ok")) return 0;
  return 2;
}

ClubRequest ReadAccountRequest(const std::string& nick, const std::string& pw) {
  return {BodyStyle::List, {{"nick", nick}, {"pw", pw}, {"label0", "0"}}};
}

std::optional<TZanUser> ParseReadAccount(const std::string& answer) {
  if (Refused(answer)) return std::nullopt;
  const auto record = SingleRecord(answer);
  if (!record) return std::nullopt;
  TZanUser user;
  std::string* texts[] = {&user.City, &user.Country1, &user.Country2};
  for (int k = 1; k <= 3; ++k) SetText(*record, k, *texts[k - 1]);
  SetChar(*record, 4, user.Sex);
  SetText(*record, 5, user.EMail);
  SetText(*record, 6, user.DateR);
  SetText(*record, 7, user.R01);
  SetText(*record, 8, user.R02);
  SetText(*record, 9, user.R03);
  SetWhole(*record, 10, user.R04);
  SetWhole(*record, 11, user.R05);
  SetWhole(*record, 12, user.R06);
  return user;
}

ClubRequest ReadClubTopTenRequest() { return {BodyStyle::List, {{TableField("kon"), "0"}}}; }

ClubTopTen ParseClubTopTen(const std::string& answer) {
  ClubTopTen top;
  if (answer.find('$') == answer.npos) return top;
  top.Ok = true;
  int row = 0;
  for (const auto& record : ReadRecords(answer, '*')) {
    TZanTop10& r = top.Rows[++row];
    SetText(record, 2, r.Nick);
    SetText(record, 3, r.City);
    SetText(record, 5, r.Country);
    SetChar(record, 6, r.Sex);
    SetDecimal(record, 7, r.Rating);
  }
  return top;
}

ClubRequest ReadRatingPlaceRequest(double rating) {
  return {BodyStyle::Raw, {{TableField("rating"), DecimalText(rating)}}};
}

ClubRequest ReadMemberCountRequest() { return {BodyStyle::Raw, {{"label1", "0"}}}; }

ClubRequest ReadBalanceRequest(const std::string& nick) {
  return {BodyStyle::List, {{"nick", nick}, {"labelzanread", "0"}}};
}

std::optional<std::int64_t> ParseBalance(const std::string& answer) {
  if (Refused(answer)) return std::nullopt;
  const auto record = SingleRecord(answer);
  if (!record || record->size() != 1) return std::nullopt;
  // A balance never goes below zero: a negative one is no balance.
  const auto balance = ParseWhole(record->front());
  if (!balance || *balance < 0) return std::nullopt;
  return balance;
}

ClubRequest SaveBalanceRequest(const std::string& nick, const std::string& pw, std::int32_t change) {
  return {BodyStyle::Raw, {{"nick", nick}, {"pw", pw}, {"labelzansave", "0"}, {"R04", std::to_string(change)}}};
}

bool ParseDone(const std::string& answer) { return HasMarker(answer, "ok"); }

ClubRequest TransferZansRequest(const std::string& nick, const std::string& pw, const std::string& recipient,
                                std::int32_t amount) {
  return {BodyStyle::Raw,
          {{"nick", nick}, {"pw", pw}, {"labelzantransfer", "0"}, {"to", recipient}, {"R04", std::to_string(amount)}}};
}

TransferResult ParseTransfer(const std::string& answer) {
  const auto code = ReadNumberAnswer(answer);
  if (!code || *code < 0 || *code > 2) return TransferResult::NoAnswer;
  return static_cast<TransferResult>(*code);
}

ClubRequest ReadProfileRequest(const std::string& nick) {
  return {BodyStyle::List, {{"nick", nick}, {"labelinforead", "0"}}};
}

std::optional<TInfo14> ParseProfile(const std::string& answer) {
  if (Refused(answer)) return std::nullopt;
  const auto record = SingleRecord(answer, '~');
  if (!record) return std::nullopt;
  TInfo14 info;
  std::string* order[] = {&info.Name1,    &info.Name2,   &info.About,      &info.Telephone, &info.EMailO,
                          &info.WebSite,  &info.Skype,   &info.OK,         &info.VK,        &info.Telegram,
                          &info.FaceBook, &info.Twitter, &info.Instagramm, &info.YouTube};
  int k = 0;
  for (std::string* field : order) SetText(*record, ++k, *field);
  return info;
}

ClubRequest SaveProfileRequest(const std::string& nick, const std::string& pw, const TInfo14& info) {
  auto clean = [](const std::string& text) { return WithoutSeparators(text, "$~"); };
  return {BodyStyle::Raw,
          {{"nick", nick},
           {"pw", pw},
           {"labelinfosave", "0"},
           {"namei", clean(info.Name1)},
           {"name2", clean(info.Name2)},
           {"about", clean(info.About)},
           {"telephone", clean(info.Telephone)},
           {"emailo", clean(info.EMailO)},
           {"website", clean(info.WebSite)},
           {"skype", clean(info.Skype)},
           {"ok", clean(info.OK)},
           {"vk", clean(info.VK)},
           {"telegram", clean(info.Telegram)},
           {"facebook", clean(info.FaceBook)},
           {"twitter", clean(info.Twitter)},
           {"instagramm", clean(info.Instagramm)},
           {"youtube", clean(info.YouTube)}}};
}

ClubRequest ReadGameRecordRequest(const std::string& nick, const std::string& pw) {
  return {BodyStyle::List, {{"nick", nick}, {"pw", pw}, {TableField("best"), "0"}}};
}

std::optional<TZanGame> ParseGameRecord(const std::string& answer) {
  if (Refused(answer)) return std::nullopt;
  const auto record = SingleRecord(answer);
  if (!record) return std::nullopt;
  TZanGame game;
  SetWhole(*record, 1, game.Kon);
  SetWhole(*record, 2, game.Best);
  SetDecimal(*record, 3, game.Rating);
  SetWhole(*record, 4, game.Sessions);
  SetWhole(*record, 5, game.KonL);
  SetWhole(*record, 6, game.Score);
  SetWhole(*record, 7, game.R1);
  SetText(*record, 8, game.R2);
  return game;
}

ClubRequest SaveGameRecordRequest(const std::string& nick, const std::string& pw, const TZanGame& g) {
  return {BodyStyle::Raw,
          {{"nick", nick},
           {"pw", pw},
           {TableField("kon"), std::to_string(g.Kon)},
           {TableField("best"), std::to_string(g.Best)},
           {TableField("rating"), DecimalText(g.Rating)},
           {TableField("ses"), std::to_string(g.Sessions)},
           {TableField("konl"), std::to_string(g.KonL)},
           {TableField("score"), std::to_string(g.Score)},
           {TableField("R1"), std::to_string(g.R1)},
           {TableField("R2"), g.R2}}};
}

ClubRequest UploadPhotoRequest(const std::string& nick, const std::string& pw, const std::string& jpeg) {
  // The photo is bytes, not text: it must not pass through the code page conversion of Body().
  return {BodyStyle::List, {{"nick", nick}, {"pw", pw}, {"photo", Cp1251ToUtf8(jpeg)}}};
}

}  // namespace tavlo
