#pragma once

#include <QImage>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "net/club/account_requests.h"
#include "net/club/club_addresses.h"
#include "net/club/club_transport.h"
#include "net/club/service_config.h"
#include "net/club/stat_requests.h"
#include "net/club/tour_requests.h"
#include "net/club/world_requests.h"

namespace tavlo {

// Every club request of the program, each one synchronous for its caller and each one turning any
// failure into its failure result. The windows of the account, the world top ten, the chat, the
// statistics and the tournament lobby call these; none of them talks HTTP itself.
class ClubClient {
 public:
  explicit ClubClient(ClubAddresses addresses, int defaultTimeoutMs = 10000);

  const ClubAddresses& Addresses() const { return addresses_; }
  // The account script named by the service configuration replaces the default one.
  void SetAccountAddress(const std::string& address) { addresses_.Account = address; }
  void SetWorldTopTenAddress(const std::string& address) { addresses_.WorldTopTen = address; }
  void SetStatisticsAddress(const std::string& address) { addresses_.Statistics = address; }

  // Accounts: 1 nick taken, 0 created, 2 no answer.
  int CreateAccount(const TZanUser& user);
  // Replaces the record with the answer, keeping Nick, Pw, PwC and the profile; false when refused.
  bool ReadAccount(TZanUser& user);
  ClubTopTen ReadClubTopTen();
  NumberResult ReadRatingPlace(double rating);
  NumberResult ReadMemberCount();
  std::optional<std::int64_t> ReadBalance(const std::string& nick);
  bool SaveBalance(const std::string& nick, const std::string& pw, std::int32_t change);
  TransferResult TransferZans(const std::string& nick, const std::string& pw, const std::string& recipient,
                              std::int32_t amount);
  std::optional<TInfo14> ReadProfile(const std::string& nick);
  bool SaveProfile(const std::string& nick, const std::string& pw, const TInfo14& info);
  std::optional<TZanGame> ReadGameRecord(const std::string& nick, const std::string& pw);
  bool SaveGameRecord(const std::string& nick, const std::string& pw, const TZanGame& game);
  // The three attempts of a rated game's registration; `failed` plays the sound after each failure.
  bool SaveGameRecordWithRetries(const std::string& nick, const std::string& pw, const TZanGame& game,
                                 const std::function<void()>& failed);
  std::optional<QImage> FetchPhoto(const std::string& nick);
  bool UploadPhoto(const std::string& nick, const std::string& pw, const std::string& jpeg);

  // World top ten and chat.
  WorldRows ReadWorldTable(int gid);
  NumberResult ReadWorldCount(int gid);
  WorldRows ReadWorldAround(int gid, const std::string& nick, const std::string& city);
  NumberResult SubmitWorldRow(const TZanRecord& row, const std::string& pw = {});

  // Tournament lobby.
  TourTables ReadTables();
  int SetSeat(int table, int seat, int action, const TZanClient& client);
  std::optional<TZanClient> ReadSeat(int table, int seat);
  TourServerInfo ReadServerInfo();
  TourRating ReadTourRating(const std::string& nick);
  TourTopTen ReadTourTopTen(char measure);
  NumberResult ReadTourPlace(char measure, std::int32_t value);

  // Statistics.
  std::optional<TZanStat> ReadGlobalStats();
  bool CountStart(bool firstCount);
  bool SendLike(const std::string& nick);
  bool SendGameStats(const std::array<std::int32_t, 12>& values);

  // The configuration text (nothing when it could not be fetched), the news number, the address
  // the club sees this computer at (empty on failure).
  std::optional<ServiceConfig> FetchServiceConfig();
  int ReadNewsNumber();
  std::string GetOwnAddress();

 private:
  std::string Post(const std::string& address, const ClubRequest& request);

  ClubAddresses addresses_;
  ClubTransport transport_;
};

}  // namespace tavlo
