#include "net/club/account_session.h"

#include <QBuffer>
#include <QImageReader>

#include "net/club/account_rating.h"
#include "net/club/user_file.h"
#include "net/club/world_passport.h"

namespace tavlo {
namespace {

bool SameNick(const std::string& a, const std::string& b) {
  return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool IsAccountPhoto(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "JPG");
  if (reader.size() != QSize(200, 250)) return false;
  return !reader.read().isNull();
}

AccountSession::AccountSession(ClubClient& client, std::filesystem::path parentFolder)
    : client_(client), parentFolder_(std::move(parentFolder)) {}

std::filesystem::path AccountSession::UserFile() const { return UserFilePath(parentFolder_); }

void AccountSession::Say(WordId word, const QString& more) {
  if (Notice) Notice(Word ? Word(word) : QString(), more);
}

void AccountSession::AutoSignIn() {
  state_ = SignedOut;
  userFileSaved_ = false;
  const auto file = ReadUserFile(UserFile());
  if (!file) return;
  const auto pw = SignInPassword(*file);
  if (!pw) return;
  userFileSaved_ = true;
  user_.Nick = file->Nick;
  user_.Pw = *pw;
  user_.PwC = ScramblePassword(user_.Pw);
  if (!client_.ReadAccount(user_)) return;
  balanceRead_ = true;
  state_ = SignedIn;
  // The club list's fifth row shows the account's game record.
  ReadGameAndPlace();
}

void AccountSession::OpenWindow() {
  if (state_ == SignedOut) {
    user_.City.clear();
    user_.Country2 = "1-001";
    user_.Country1 = "Russia";
    user_.Sex = 'M';
    user_.EMail.clear();
    user_.DateR = "00.00.0000";
  }
  ReadTopTen();
  if (state_ >= SignedIn) ReadGameAndPlace();
  memberCount_ = client_.ReadMemberCount();
  if (state_ >= SignedIn) ReadOwnProfileAndPhoto();
  ReadLeader();
}

void AccountSession::ReadGameAndPlace() {
  const auto game = client_.ReadGameRecord(user_.Nick, user_.Pw);
  gameRead_ = game.has_value();
  if (!game) {
    place_ = NumberResult{};
    return;
  }
  // A rated game in progress keeps the values it started from; the club holds the pledge.
  if (!ratedGameOpen_) game_ = *game;
  place_ = client_.ReadRatingPlace(game->Rating);
  game_.Place = place_.Ok ? static_cast<std::int32_t>(place_.Value) : 0;
}

void AccountSession::ReadTopTen() { topTen_ = client_.ReadClubTopTen(); }

void AccountSession::ReadLeader() {
  leaderInfo_ = TInfo14{};
  leaderInfoRead_ = false;
  leaderPhoto_.reset();
  if (!topTen_.Ok || topTen_.Rows[1].Nick.empty()) return;
  if (const auto info = client_.ReadProfile(topTen_.Rows[1].Nick)) {
    leaderInfo_ = *info;
    leaderInfoRead_ = true;
  }
  leaderPhoto_ = client_.FetchPhoto(topTen_.Rows[1].Nick);
}

void AccountSession::ReadOwnProfileAndPhoto() {
  ownPhoto_ = client_.FetchPhoto(user_.Nick);
  const auto info = client_.ReadProfile(user_.Nick);
  profileRead_ = info.has_value();
  if (info) user_.Info = *info;
}

bool AccountSession::ReadBalance() {
  const auto balance = client_.ReadBalance(user_.Nick);
  if (!balance) return false;
  user_.R04 = static_cast<std::int32_t>(*balance);
  balanceRead_ = true;
  return true;
}

void AccountSession::AfterSignIn() {
  user_.PwC = ScramblePassword(user_.Pw);
  balanceRead_ = true;
  state_ = SignedIn;
  ReadGameAndPlace();
  memberCount_ = client_.ReadMemberCount();
  ReadOwnProfileAndPhoto();
  ReadLeader();
}

void AccountSession::CreateAccount(const QString& today) {
  user_.DateR = today.toStdString();
  user_.R01 = user_.R02 = user_.R03 = "xxx";
  user_.R04 = user_.R05 = user_.R06 = 0;
  switch (client_.CreateAccount(user_)) {
    case 0: {
      Say(WordId::AccountCreated);
      state_ = SignedIn;
      memberCount_ = client_.ReadMemberCount();
      const TZanUser before = user_;
      if (!client_.ReadAccount(user_)) user_ = before;
      user_.PwC = ScramblePassword(user_.Pw);
      balanceRead_ = true;
      ReadGameAndPlace();
      const auto info = client_.ReadProfile(user_.Nick);
      profileRead_ = info.has_value();
      if (info) user_.Info = *info;
      ownPhoto_.reset();
      return;
    }
    case 1:
      Say(WordId::NickTaken);
      break;
    default:
      Say(WordId::CouldNotCreateAccount);
      break;
  }
  state_ = SignedOut;
  user_.DateR = "00.00.0000";
}

bool AccountSession::SignIn() {
  TZanUser answer = user_;
  if (!client_.ReadAccount(answer)) {
    Say(WordId::LoginFailed);
    gameRead_ = false;
    memberCount_ = NumberResult{};
    return false;
  }
  user_ = std::move(answer);
  AfterSignIn();
  return true;
}

void AccountSession::SignOut() {
  state_ = SignedOut;
  ownPhoto_.reset();
  user_.R04 = user_.R05 = user_.R06 = 0;
  balanceRead_ = false;
  gameRead_ = false;
  game_ = TZanGame{};
  place_ = NumberResult{};
}

bool AccountSession::SaveUser() {
  if (user_.PwC.empty()) user_.PwC = ScramblePassword(user_.Pw);
  if (!SaveUserFile(UserFile(), UserFileContents{user_.Nick, user_.PwC})) return false;
  userFileSaved_ = true;
  return true;
}

bool AccountSession::DeleteUser() {
  if (!DeleteUserFile(UserFile())) return false;
  userFileSaved_ = false;
  return true;
}

void AccountSession::SetRatedPlay(bool on) {
  if (on && state_ == SignedIn) state_ = RatedPlay;
  if (!on && state_ == RatedPlay) state_ = SignedIn;
}

bool AccountSession::RegisterRatedGame() {
  if (state_ != RatedPlay) return false;
  bool stored = false;
  if (const auto read = client_.ReadGameRecord(user_.Nick, user_.Pw)) {
    // The program plays from the values as read; the club holds the game as lost until it is settled.
    game_ = *read;
    gameRead_ = true;
    stored = client_.SaveGameRecordWithRetries(user_.Nick, user_.Pw, PledgedGameRecord(*read), SaveFailedSound);
  }
  if (!stored) {
    Say(WordId::CouldNotConnect);
    state_ = SignedOut;
    return false;
  }
  ratedGameOpen_ = true;
  return true;
}

double AccountSession::SettleRatedGame(std::int32_t seriesResult, std::int32_t totalScore) {
  if (state_ != RatedPlay) return game_.Rating;
  const std::int32_t cycleDeals = game_.KonL;
  for (;;) {
    const auto stored = client_.ReadGameRecord(user_.Nick, user_.Pw);
    if (stored) {
      const TZanGame settled = SettledGameRecord(*stored, cycleDeals, seriesResult, totalScore);
      if (client_.SaveGameRecord(user_.Nick, user_.Pw, settled)) {
        game_ = settled;
        gameRead_ = true;
        if (settled.KonL == 0) completedCycleScore_ = totalScore;
        break;
      }
    }
    const QString question = Word ? Word(WordId::CouldNotConnect) + "\n\r" + Word(WordId::Repeat) : QString("Repeat?");
    if (!AskYesNo || !AskYesNo(question)) break;
  }
  ratedGameOpen_ = false;
  return game_.Rating;
}

std::optional<std::int64_t> AccountSession::SubmitCompletedCycle() {
  if (!completedCycleScore_ || state_ < SignedIn) return std::nullopt;
  TZanRecord row;
  row.GID = kWorldTableAccounts;
  row.Nick = user_.Nick;
  row.City = user_.City;
  row.Country = user_.Country1;
  row.Score = *completedCycleScore_;
  row.R07 = user_.Sex == 'W' ? "W" : "M";
  row.R08 = kWorldVersion;
  row.R09 = "#";
  row.R10 = "#";
  completedCycleScore_.reset();
  lastWorldPlace_ = 0;
  for (;;) {
    const NumberResult place = client_.SubmitWorldRow(row, user_.Pw);
    if (place.Ok && place.Value >= 1) {
      lastWorldPlace_ = place.Value;
      ReadBalance();
      return place.Value;
    }
    const QString question =
        Word ? Word(WordId::CantWriteResult) + "\n\r" + Word(WordId::Repeat) : QString("Repeat?");
    if (!AskYesNo || !AskYesNo(question)) return std::nullopt;
  }
}

int AccountSession::LastWorldBonus() const { return WorldTopTenBonus(lastWorldPlace_); }

void AccountSession::LeaveRatedPlay() {
  if (state_ == RatedPlay) state_ = SignedIn;
}

bool AccountSession::TransferEnabled(std::int64_t amount, const std::string& recipient) const {
  return state_ >= SignedIn && user_.R04 >= 1 && amount >= 1 && !recipient.empty() && !SameNick(recipient, user_.Nick);
}

bool AccountSession::TransferZans(std::int64_t amount, const std::string& recipient) {
  // The window offers the button only for a signed-in account and another member's nick.
  if (state_ < SignedIn || recipient.empty() || SameNick(recipient, user_.Nick)) return false;
  if (amount > user_.R04) {
    Say(WordId::NotEnoughZans);
    return false;
  }
  if (amount <= 0) {
    Say(WordId::EmptyTransfer);
    return false;
  }
  const QString question = (Word ? Word(WordId::ConfirmTransfer) : QString()) + " \"" +
                           QString::fromStdString(recipient) + "\" " + QString::number(amount) + " " +
                           (Word ? Word(WordId::Zans) : QString("Zans")) + "?";
  if (!AskYesNo || !AskYesNo(question)) return false;
  if (!ReadBalance()) {
    Say(WordId::NoConnectMessage);
    return false;
  }
  if (user_.R04 < amount) {
    Say(WordId::NotEnoughZans);
    return false;
  }
  // One request moves the Zans on the club, so that a lost connection can never take them from one
  // account without giving them to the other.
  const TransferResult result =
      client_.TransferZans(user_.Nick, user_.Pw, recipient, static_cast<std::int32_t>(amount));
  ReadBalance();
  switch (result) {
    case TransferResult::Done:
      Say(WordId::TransferSuccessful);
      return true;
    case TransferResult::NoSuchMember:
      Say(WordId::NoSuchMember);
      return false;
    case TransferResult::Refused:
      Say(user_.R04 < amount ? WordId::NotEnoughZans : WordId::NoConnectMessage);
      return false;
    case TransferResult::NoAnswer:
      break;
  }
  Say(WordId::NoConnectMessage);
  return false;
}

void AccountSession::Refill() {
  if (state_ < SignedIn) return;
  const QString clipboard = QString::fromStdString(user_.Nick) + "#Refill";
  if (Notice && Word) Notice(Word(WordId::PaymentCommentHint), Word(WordId::ZansCreditedNote));
  if (OpenPayment) OpenPayment(clipboard, PaymentPage.isEmpty() ? QString() : PaymentPage + "100");
}

bool AccountSession::SaveProfile(const TInfo14& info) {
  TInfo14 clean = info;
  for (std::string* value :
       {&clean.Name1, &clean.Name2, &clean.About, &clean.Telephone, &clean.EMailO, &clean.Skype, &clean.WebSite,
        &clean.OK, &clean.VK, &clean.Telegram, &clean.FaceBook, &clean.Twitter, &clean.Instagramm, &clean.YouTube}) {
    for (char& c : *value) {
      if (c == '$' || c == '~') c = ' ';
    }
  }
  if (!client_.SaveProfile(user_.Nick, user_.Pw, clean)) {
    Say(WordId::NoConnectMessage);
    return false;
  }
  const auto back = client_.ReadProfile(user_.Nick);
  profileRead_ = back.has_value();
  user_.Info = back.value_or(clean);
  return true;
}

bool AccountSession::UploadPhoto(const QByteArray& jpeg) {
  if (!client_.UploadPhoto(user_.Nick, user_.Pw,
                           std::string(jpeg.constData(), static_cast<std::size_t>(jpeg.size())))) {
    Say(WordId::PhotoUploadFailed);
    return false;
  }
  ownPhoto_ = client_.FetchPhoto(user_.Nick);
  return true;
}

}  // namespace tavlo
