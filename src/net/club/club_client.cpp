#include "net/club/club_client.h"

#include "lang/cp1251.h"
#include "net/club/club_answers.h"
#include "net/club/save_retries.h"

namespace tavlo {

ClubClient::ClubClient(ClubAddresses addresses, int defaultTimeoutMs)
    : addresses_(std::move(addresses)), transport_(defaultTimeoutMs) {}

// An empty answer fails every reader, exactly as a transport failure should.
std::string ClubClient::Post(const std::string& address, const ClubRequest& request) {
  return transport_.Post(address, request).value_or(std::string{});
}

int ClubClient::CreateAccount(const TZanUser& user) {
  return ParseCreateAccount(Post(addresses_.Account, CreateAccountRequest(user)));
}

bool ClubClient::ReadAccount(TZanUser& user) {
  auto answer = ParseReadAccount(Post(addresses_.Account, ReadAccountRequest(user.Nick, user.Pw)));
  if (!answer) return false;
  answer->Nick = user.Nick;
  answer->Pw = user.Pw;
  answer->PwC = user.PwC;
  answer->Info = user.Info;
  user = std::move(*answer);
  return true;
}

ClubTopTen ClubClient::ReadClubTopTen() { return ParseClubTopTen(Post(addresses_.Account, ReadClubTopTenRequest())); }

NumberResult ClubClient::ReadRatingPlace(double rating) {
  return ParseNumberResult(Post(addresses_.Account, ReadRatingPlaceRequest(rating)));
}

NumberResult ClubClient::ReadMemberCount() {
  return ParseNumberResult(Post(addresses_.Account, ReadMemberCountRequest()));
}

std::optional<std::int64_t> ClubClient::ReadBalance(const std::string& nick) {
  return ParseBalance(Post(addresses_.Account, ReadBalanceRequest(nick)));
}

bool ClubClient::SaveBalance(const std::string& nick, const std::string& pw, std::int32_t change) {
  return ParseDone(Post(addresses_.Account, SaveBalanceRequest(nick, pw, change)));
}

TransferResult ClubClient::TransferZans(const std::string& nick, const std::string& pw, const std::string& recipient,
                                        std::int32_t amount) {
  return ParseTransfer(Post(addresses_.Account, TransferZansRequest(nick, pw, recipient, amount)));
}

std::optional<TInfo14> ClubClient::ReadProfile(const std::string& nick) {
  return ParseProfile(Post(addresses_.Account, ReadProfileRequest(nick)));
}

bool ClubClient::SaveProfile(const std::string& nick, const std::string& pw, const TInfo14& info) {
  return ParseDone(Post(addresses_.Account, SaveProfileRequest(nick, pw, info)));
}

std::optional<TZanGame> ClubClient::ReadGameRecord(const std::string& nick, const std::string& pw) {
  return ParseGameRecord(Post(addresses_.Account, ReadGameRecordRequest(nick, pw)));
}

bool ClubClient::SaveGameRecord(const std::string& nick, const std::string& pw, const TZanGame& game) {
  return ParseDone(Post(addresses_.Account, SaveGameRecordRequest(nick, pw, game)));
}

bool ClubClient::SaveGameRecordWithRetries(const std::string& nick, const std::string& pw, const TZanGame& game,
                                           const std::function<void()>& failed) {
  return SaveWithRetries([&] { return SaveGameRecord(nick, pw, game); },
                         [&](int pauseMs) {
                           if (failed) failed();
                           ClubTransport::Pause(pauseMs);
                         });
}

std::optional<QImage> ClubClient::FetchPhoto(const std::string& nick) {
  if (addresses_.PhotoFolder.empty()) return std::nullopt;
  const auto bytes = transport_.Get(
      addresses_.PhotoFolder + std::string(QUrl::toPercentEncoding(QString::fromStdString(nick)).constData()) + ".jpg");
  if (!bytes) return std::nullopt;
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()), "JPG")) {
    return std::nullopt;
  }
  return image;
}

bool ClubClient::UploadPhoto(const std::string& nick, const std::string& pw, const std::string& jpeg) {
  return ParseDone(Post(addresses_.PhotoUpload, UploadPhotoRequest(nick, pw, jpeg)));
}

WorldRows ClubClient::ReadWorldTable(int gid) {
  return ParseWorldRows(Post(addresses_.WorldTopTen, ReadWorldTableRequest(gid)), gid);
}

NumberResult ClubClient::ReadWorldCount(int gid) {
  return ParseNumberResult(Post(addresses_.WorldTopTen, ReadWorldCountRequest(gid)));
}

WorldRows ClubClient::ReadWorldAround(int gid, const std::string& nick, const std::string& city) {
  return ParseWorldRows(Post(addresses_.WorldTopTen, ReadWorldAroundRequest(gid, nick, city)), gid);
}

NumberResult ClubClient::SubmitWorldRow(const TZanRecord& row, const std::string& pw) {
  return ParseNumberResult(Post(addresses_.WorldTopTen, SubmitWorldRowRequest(row, pw)));
}

TourTables ClubClient::ReadTables() { return ParseTables(Post(addresses_.Tournament, ReadTablesRequest())); }

int ClubClient::SetSeat(int table, int seat, int action, const TZanClient& client) {
  return ParseSetSeat(Post(addresses_.Tournament, SetSeatRequest(table, seat, action, client)));
}

std::optional<TZanClient> ClubClient::ReadSeat(int table, int seat) {
  return ParseSeat(Post(addresses_.Tournament, ReadSeatRequest(table, seat)));
}

TourServerInfo ClubClient::ReadServerInfo() {
  return ParseServerInfo(Post(addresses_.Tournament, ReadServerInfoRequest()));
}

TourRating ClubClient::ReadTourRating(const std::string& nick) {
  return ParseTourRating(Post(addresses_.Tournament, ReadTourRatingRequest(nick)));
}

TourTopTen ClubClient::ReadTourTopTen(char measure) {
  return ParseTourTopTen(Post(addresses_.Tournament, ReadTourTopTenRequest(measure)));
}

NumberResult ClubClient::ReadTourPlace(char measure, std::int32_t value) {
  return ParseNumberResult(Post(addresses_.Tournament, ReadTourPlaceRequest(measure, value)));
}

std::optional<TZanStat> ClubClient::ReadGlobalStats() {
  return ParseGlobalStats(Post(addresses_.Statistics, ReadGlobalStatsRequest()));
}

bool ClubClient::CountStart(bool firstCount) {
  return ReadStatisticsAnswer(Post(addresses_.Statistics, CountStartRequest(firstCount)));
}

bool ClubClient::SendLike(const std::string& nick) {
  return ReadStatisticsAnswer(Post(addresses_.Statistics, SendLikeRequest(1, nick)));
}

bool ClubClient::SendGameStats(const std::array<std::int32_t, 12>& values) {
  return ReadStatisticsAnswer(Post(addresses_.Statistics, SendGameStatsRequest(values)));
}

std::optional<ServiceConfig> ClubClient::FetchServiceConfig() {
  const auto text = transport_.Get(addresses_.Configuration);
  if (!text) return std::nullopt;
  return ParseServiceConfig(*text);
}

int ClubClient::ReadNewsNumber() {
  const auto page = transport_.Get(addresses_.News);
  return page ? ParseNewsNumber(*page) : 0;
}

std::string ClubClient::GetOwnAddress() {
  const auto text = transport_.Get(addresses_.OwnAddress);
  if (!text) return {};
  std::string address = *text;
  while (!address.empty() && (address.back() == '\n' || address.back() == '\r' || address.back() == ' ')) {
    address.pop_back();
  }
  // An address is short and printable; anything else is not an answer of the script.
  if (address.size() > 64 || address.find_first_of(" \t<>") != std::string::npos) return {};
  return address;
}

}  // namespace tavlo
