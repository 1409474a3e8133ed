#include "net/club/account_requests.h"

#include "lang/cp1251.h"
#include "net/club/club_answers.h"

namespace tavlo {
namespace {

std::string TableField(const char* key) { return std::string(kClubTable) + key; }

std::string Text(const std::vector<std::string>& record, int k, const std::string& fallback) {
  const std::string* field = Field(record, k);
  return field ? Cp1251ToUtf8(*field) : fallback;
}

template <typename Int>
Int Whole(const std::vector<std::string>& record, int k, Int fallback) {
  const std::string* field = Field(record, k);
  if (!field) return fallback;
  const auto value = ParseWhole(*field);
  return value ? static_cast<Int>(*value) : fallback;
}

double Decimal(const std::vector<std::string>& record, int k, double fallback) {
  const std::string* field = Field(record, k);
  if (!field) return fallback;
  return ParseDecimal(*field).value_or(fallback);
}

// "no" refuses a read only before the record: a city such as "Genoa" holds it too.
bool Refused(const std::string& answer) { return HasMarker(std::string_view(answer).substr(0, answer.find('$')), "no"); }

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
  user.City = Text(*record, 1, user.City);
  user.Country1 = Text(*record, 2, user.Country1);
  user.Country2 = Text(*record, 3, user.Country2);
  if (const std::string* sex = Field(*record, 4); sex && !sex->empty()) user.Sex = (*sex)[0];
  user.EMail = Text(*record, 5, user.EMail);
  user.DateR = Text(*record, 6, user.DateR);
  user.R01 = Text(*record, 7, user.R01);
  user.R02 = Text(*record, 8, user.R02);
  user.R03 = Text(*record, 9, user.R03);
  user.R04 = Whole(*record, 10, user.R04);
  user.R05 = Whole(*record, 11, user.R05);
  user.R06 = Whole(*record, 12, user.R06);
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
    r.Nick = Text(record, 2, r.Nick);
    r.City = Text(record, 3, r.City);
    r.Country = Text(record, 5, r.Country);
    if (const std::string* sex = Field(record, 6); sex && !sex->empty()) r.Sex = (*sex)[0];
    r.Rating = Decimal(record, 7, r.Rating);
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
  return ParseWhole(record->front());
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
  std::string* order[] = {&info.Name1,    &info.Name2,   &info.About,   &info.Telephone, &info.EMailO,
                          &info.WebSite,  &info.Skype,   &info.OK,      &info.VK,        &info.Telegram,
                          &info.FaceBook, &info.Twitter, &info.Instagramm, &info.YouTube};
  int k = 0;
  for (std::string* field : order) *field = Text(*record, ++k, "");
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
  game.Kon = Whole(*record, 1, game.Kon);
  game.Best = Whole(*record, 2, game.Best);
  game.Rating = Decimal(*record, 3, game.Rating);
  game.Sessions = Whole(*record, 4, game.Sessions);
  game.KonL = Whole(*record, 5, game.KonL);
  game.Score = Whole(*record, 6, game.Score);
  game.R1 = Whole(*record, 7, game.R1);
  game.R2 = Text(*record, 8, game.R2);
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
