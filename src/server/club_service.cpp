#include "server/club_service.h"

#include <QDateTime>
#include <QHostAddress>

#include "net/club/club_answers.h"
#include "net/club/club_request.h"
#include "server/answer_text.h"
#include "server/static_files.h"
#include "settings/settings.h"

namespace tavlo {
namespace {

std::string Key(const char* name) { return std::string(kClubTable) + name; }

std::string AccountRecord(const TZanUser& u) {
  return "$" + Word(u.City) + " " + Word(u.Country1) + " " + Word(u.Country2) + " " + std::string(1, u.Sex) + " " +
         Word(u.EMail) + " " + Word(u.DateR) + " " + Word(u.R01) + " " + Word(u.R02) + " " + Word(u.R03) + " " +
         std::to_string(u.R04) + " " + std::to_string(u.R05) + " " + std::to_string(u.R06) + "$";
}

std::string ProfileRecord(const TInfo14& i) {
  return "$" + i.Name1 + "~" + i.Name2 + "~" + i.About + "~" + i.Telephone + "~" + i.EMailO + "~" + i.WebSite + "~" +
         i.Skype + "~" + i.OK + "~" + i.VK + "~" + i.Telegram + "~" + i.FaceBook + "~" + i.Twitter + "~" +
         i.Instagramm + "~" + i.YouTube + "$";
}

std::string Number(std::int64_t value) { return "$" + std::to_string(value); }

}  // namespace

ClubService::ClubService(ClubStore& store, PasswordHasher& hasher, ServiceOptions options)
    : store_(store), options_(std::move(options)), hasher_(hasher) {}

ClubReply ClubService::Handle(const ClubCall& call) {
  ClubReply reply;
  const QString& path = call.Path;
  if (call.Method == "GET") {
    if (path == "/config.txt") {
      reply.ContentType = "text/plain; charset=utf-8";
      reply.Body = ConfigurationText();
    } else if (path == "/get_ip.php") {
      QHostAddress address(call.RemoteAddress);
      bool mapped = false;
      const QHostAddress v4(address.toIPv4Address(&mapped));
      reply.ContentType = "text/plain; charset=utf-8";
      reply.Body = (mapped ? v4 : address).toString().toUtf8();
    } else if (path.startsWith("/photos/")) {
      reply = Photo(path);
    } else {
      reply = ServeStaticFile(options_.FilesFolder, path);
    }
    return reply;
  }
  if (call.Method != "POST") {
    reply.Status = 405;
    reply.Body = kRefused;
    return reply;
  }
  const bool upload = path == "/photo.php";
  if (call.Body.size() > (upload ? kMaxPhotoBody : kMaxScriptBody)) {
    reply.Status = 413;
    reply.Body = kRefused;
    return reply;
  }
  auto fields = DecodeForm(std::string_view(call.Body.constData(), static_cast<std::size_t>(call.Body.size())));
  if (!fields) {
    reply.Status = 400;
    reply.Body = kRefused;
    return reply;
  }
  const ScriptForm form(std::move(*fields));
  if (path == "/acc.php") {
    reply.Body = Account(form, call.RemoteAddress);
  } else if (path == "/wtgames.php") {
    reply.Body = World(form, call.RemoteAddress);
  } else if (path == "/tour.php") {
    reply.Body = Tournament(form);
  } else if (path == "/stat.php") {
    reply.Body = Statistics(form);
  } else if (upload) {
    reply.Body = PhotoUpload(form, call.RemoteAddress);
  } else {
    reply.Status = 404;
    reply.Body = kRefused;
  }
  return reply;
}

QByteArray ClubService::ConfigurationText() const {
  const QString base = options_.PublicBase;
  QString text = "WTGamesPatt=" + base + "/wtgames.php#StatPath=" + base + "/stat.php#AccPath=" + base + "/acc.php#";
  if (options_.WorldPaused) text += "WTGamesPause#";
  if (options_.ChatPaused) text += "CTGamesPause#";
  if (!options_.PaymentPage.isEmpty()) text += "PayPath=" + options_.PaymentPage + "#";
  if (!options_.HelpPage.isEmpty()) text += "HelpPath=" + options_.HelpPage + "#";
  return text.toUtf8();
}

bool ClubService::Authenticate(const ScriptForm& form, const QString& address) {
  const auto nick = form.Judged("nick", 1, 3);
  const std::string* pw = form.Raw("pw");
  if (!nick || !pw || pw->empty() || pw->size() > 12) return false;
  const std::int64_t now = QDateTime::currentSecsSinceEpoch();
  int failures = 0;
  if (store_.LoginBlocked(address, *nick, now, &failures)) return false;
  const auto hash = store_.PasswordHash(*nick);
  if (!hash || !hasher_.Verify(*pw, *hash)) {
    store_.NoteLoginFailure(address, *nick, now);
    return false;
  }
  if (failures > 0) store_.ClearLoginFailures(address, *nick);
  return true;
}

QByteArray ClubService::Account(const ScriptForm& form, const QString& address) {
  const std::string nick = form.Raw("nick") ? Cp1251ToUtf8(*form.Raw("nick")) : std::string{};

  if (form.Has("labelzantransfer")) {
    const auto to = form.Judged("to", 1, 3);
    const auto amount = form.Number("R04", 1, 1'000'000'000);
    if (!to || !amount || !Authenticate(form, address)) return Answer(Number(1));
    return Answer(Number(static_cast<int>(store_.Transfer(nick, *to, *amount))));
  }
  if (form.Has("labelzansave")) {
    // Zans are only ever taken away here; they arrive by transfer or as the top-ten bonus.
    const auto change = form.Number("R04", -1'000'000'000, -1);
    if (!change || !Authenticate(form, address)) return kRefused;
    return store_.SpendZans(nick, -*change) ? kDone : kRefused;
  }
  if (form.Has("labelzanread")) {
    const auto balance = store_.Balance(nick);
    return balance ? Answer("$" + std::to_string(*balance) + "$") : kRefused;
  }
  if (form.Has("labelinfosave")) {
    static const std::pair<const char*, std::size_t> kFields[] = {
        {"namei", 20},    {"name2", 20},   {"about", 50},      {"telephone", 20}, {"emailo", 50},
        {"skype", 50},    {"website", 50}, {"ok", 50},         {"vk", 50},        {"telegram", 50},
        {"facebook", 60}, {"twitter", 50}, {"instagramm", 50}, {"youtube", 50}};
    TInfo14 info;
    std::string* into[] = {&info.Name1,    &info.Name2,   &info.About,      &info.Telephone, &info.EMailO,
                           &info.Skype,    &info.WebSite, &info.OK,         &info.VK,        &info.Telegram,
                           &info.FaceBook, &info.Twitter, &info.Instagramm, &info.YouTube};
    for (std::size_t k = 0; k < std::size(kFields); ++k) {
      const auto value = form.Line(kFields[k].first, kFields[k].second);
      if (!value) return kRefused;
      *into[k] = *value;
    }
    if (!Authenticate(form, address)) return kRefused;
    return store_.SaveProfile(nick, info) ? kDone : kRefused;
  }
  if (form.Has("labelinforead")) {
    const auto info = store_.Profile(nick);
    return info ? Answer(ProfileRecord(*info)) : kRefused;
  }
  if (form.Has("label1")) {
    const auto count = store_.MemberCount();
    return count ? Answer(Number(*count)) : kRefused;
  }
  if (form.Has("label0")) {
    if (!Authenticate(form, address)) return kRefused;
    const auto user = store_.Account(nick);
    return user ? Answer(AccountRecord(*user)) : kRefused;
  }
  if (form.Has(Key("kon")) && !form.Has("nick")) {
    const auto top = store_.ClubTopTen();
    if (!top) return kRefused;
    std::string text;
    int place = 0;
    for (const TZanTop10& row : *top) {
      text += "$" + std::to_string(++place) + " " + Word(row.Nick) + " " + Word(row.City) + " 0 " + Word(row.Country) +
              " " + std::string(1, row.Sex) + " " + DecimalText(row.Rating) + "*";
    }
    return text.empty() ? QByteArray("$*") : Answer(text);
  }
  if (form.Has(Key("kon"))) {
    TZanGame game;
    const auto kon = form.Number(Key("kon"), 0, 100'000'000);
    const auto best = form.Number(Key("best"), -100'000'000, 100'000'000);
    const auto rating = form.Decimal(Key("rating"), -1e9, 1e9);
    const auto sessions = form.Number(Key("ses"), 0, 100'000'000);
    const auto konl = form.Number(Key("konl"), 0, 1000);
    const auto score = form.Number(Key("score"), -100'000'000, 100'000'000);
    const auto r1 = form.Number(Key("R1"), -100'000'000, 100'000'000);
    const auto r2 = form.Word(Key("R2"), 20);
    if (!kon || !best || !rating || !sessions || !konl || !score || !r1 || !r2) return kRefused;
    if (!Authenticate(form, address)) return kRefused;
    game.Kon = static_cast<std::int32_t>(*kon);
    game.Best = static_cast<std::int32_t>(*best);
    game.Rating = *rating;
    game.Sessions = static_cast<std::int32_t>(*sessions);
    game.KonL = static_cast<std::int32_t>(*konl);
    game.Score = static_cast<std::int32_t>(*score);
    game.R1 = static_cast<std::int32_t>(*r1);
    game.R2 = *r2;
    return store_.SaveGameRecord(nick, game) ? kDone : kRefused;
  }
  if (form.Has(Key("best"))) {
    if (!Authenticate(form, address)) return kRefused;
    const auto game = store_.GameRecord(nick);
    if (!game) return kRefused;
    return Answer("$" + std::to_string(game->Kon) + " " + std::to_string(game->Best) + " " + DecimalText(game->Rating) +
                  " " + std::to_string(game->Sessions) + " " + std::to_string(game->KonL) + " " +
                  std::to_string(game->Score) + " " + std::to_string(game->R1) + " " + Word(game->R2) + "$");
  }
  if (form.Has(Key("rating"))) {
    const auto rating = form.Decimal(Key("rating"), -1e9, 1e9);
    const auto place = rating ? store_.RatingPlace(*rating) : std::nullopt;
    return place ? Answer(Number(*place)) : QByteArray("$");
  }
  if (form.Has("dater")) {
    TZanUser user;
    const auto n = form.Judged("nick", 1, 3);
    const auto pw = form.Judged("pw", 3, 3);
    const auto city = form.Judged("city", 2, 2);
    const auto country1 = form.Word("country1", 24);
    const auto country2 = form.Word("country2", 5);
    const std::string* sex = form.Raw("sex");
    const auto email = form.Judged("email", 4, 3);
    const auto dater = form.Word("dater", 10);
    const auto r01 = form.Word("R01", 10), r02 = form.Word("R02", 10), r03 = form.Word("R03", 10);
    if (!n || !pw || !city || !country1 || !country2 || !IsValidWorldCountry(*country2) || !sex ||
        (*sex != "M" && *sex != "W") || !email || !dater || !r01 || !r02 || !r03) {
      return kRefused;
    }
    user.Nick = *n;
    user.City = *city;
    user.Country1 = *country1;
    user.Country2 = *country2;
    user.Sex = (*sex)[0];
    user.EMail = *email;
    user.DateR = *dater;
    user.R01 = *r01;
    user.R02 = *r02;
    user.R03 = *r03;
    const std::string hash = hasher_.Hash(*pw);
    if (hash.empty()) return kRefused;
    switch (store_.CreateAccount(user, hash)) {
      case ClubStore::Created::Done:
        return kDone;
      case ClubStore::Created::Taken:
        return kTaken;
      case ClubStore::Created::Failed:
        return kRefused;
    }
  }
  return kRefused;
}

QByteArray ClubService::PhotoUpload(const ScriptForm& form, const QString& address) {
  const std::string* photo = form.Raw("photo");
  // A JPEG starts with the start-of-image marker and ends with the end-of-image marker.
  if (!photo || photo->size() < 4 || photo->size() > static_cast<std::size_t>(kMaxPhotoBytes) ||
      !photo->starts_with("\xFF\xD8\xFF") || !photo->ends_with("\xFF\xD9")) {
    return kRefused;
  }
  if (!Authenticate(form, address)) return kRefused;
  const std::string nick = Cp1251ToUtf8(*form.Raw("nick"));
  return store_.SavePhoto(nick, QByteArray(photo->data(), static_cast<qsizetype>(photo->size()))) ? kDone : kRefused;
}

ClubReply ClubService::Photo(const QString& path) {
  ClubReply reply;
  QString name = path.mid(8);
  if (!name.endsWith(".jpg")) {
    reply.Status = 404;
    return reply;
  }
  name.chop(4);
  const auto jpeg = store_.Photo(name.toStdString());
  if (!jpeg) {
    reply.Status = 404;
    return reply;
  }
  reply.ContentType = "image/jpeg";
  reply.Body = *jpeg;
  return reply;
}

}  // namespace tavlo
