#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "lang/word_ids.h"
#include "net/club/account_requests.h"
#include "net/club/club_client.h"
#include "net/club/club_records.h"

namespace tavlo {

// What the program knows about its club account: whether it is signed in, the account and game
// records, the club's top ten and the photos, and the user file that signs in at start-up. Every
// operation of the account window and of rated games goes through here; the window only shows
// what this object holds. Failures come back as notices in the current language, never as
// exceptions, and a failed request leaves the program's own copy as it was.
class AccountSession {
 public:
  enum State { SignedOut = 1, SignedIn = 2, RatedPlay = 3 };

  AccountSession(ClubClient& client, std::filesystem::path parentFolder);

  // How the session talks to the player; tests answer these.
  std::function<QString(WordId)> Word;
  std::function<void(const QString& line1, const QString& line2)> Notice;
  std::function<bool(const QString& question)> AskYesNo;
  // The sound of a failed save while a rated game is registered.
  std::function<void()> SaveFailedSound;
  // Called with the nick + "#Refill" text and the payment page, when the player asks to refill.
  std::function<void(const QString& clipboard, const QString& page)> OpenPayment;
  // The club's payment page; empty when the club names none.
  QString PaymentPage;

  int AccountState() const { return state_; }
  bool SignedInNow() const { return state_ >= SignedIn; }
  TZanUser& User() { return user_; }
  const TZanUser& User() const { return user_; }
  const TZanGame& Game() const { return game_; }
  bool GameRead() const { return gameRead_; }
  const NumberResult& Place() const { return place_; }
  const NumberResult& MemberCount() const { return memberCount_; }
  const ClubTopTen& TopTen() const { return topTen_; }
  bool ProfileRead() const { return profileRead_; }
  const std::optional<QImage>& OwnPhoto() const { return ownPhoto_; }
  const TInfo14& LeaderInfo() const { return leaderInfo_; }
  bool LeaderInfoRead() const { return leaderInfoRead_; }
  const std::optional<QImage>& LeaderPhoto() const { return leaderPhoto_; }
  std::optional<std::int64_t> Balance() const {
    return balanceRead_ ? std::optional(std::int64_t{user_.R04}) : std::nullopt;
  }
  bool UserFileSaved() const { return userFileSaved_; }
  bool RatedGameOpen() const { return ratedGameOpen_; }
  std::filesystem::path UserFile() const;

  // Start-up: signs in from the user file when there is one that the club accepts.
  void AutoSignIn();

  // The account window opens: signed-out fields are reset and everything it shows is read again.
  void OpenWindow();
  void ReadGameAndPlace();
  void ReadTopTen();
  void ReadLeader();
  void ReadOwnProfileAndPhoto();
  bool ReadBalance();

  // The account window's buttons. Create and sign in report their outcome as notices.
  void CreateAccount(const QString& today);
  bool SignIn();
  void SignOut();
  bool SaveUser();
  bool DeleteUser();
  // "Play global rating": 2 <-> 3 while signed in.
  void SetRatedPlay(bool on);

  // A rated game starts: after the window opened from the club list closes. True when the pledged
  // record is stored and the caller deals the first deal.
  bool RegisterRatedGame();
  // Clears the open rated game before the window is shown from the club list.
  void ForgetOpenRatedGame() { ratedGameOpen_ = false; }
  // The end of a rated game; returns the account's rating afterwards.
  double SettleRatedGame(std::int32_t seriesResult, std::int32_t totalScore);
  // The series of a rated game is over (or was quit): back to signed in.
  void LeaveRatedPlay();
  // After a rated game that completed the account's cycle of deals: the cycle's score goes into the
  // account table, where the club credits the Zans of a top-ten place, and the balance is read
  // back. A failure asks whether to try again. Returns the place; nothing when no cycle was
  // completed or the row could not be written.
  std::optional<std::int64_t> SubmitCompletedCycle();
  // The score of the cycle the last settlement completed, while it waits to be submitted.
  std::optional<std::int32_t> CompletedCycleScore() const { return completedCycleScore_; }
  // The place and the Zans the last submitted cycle earned (0 when none).
  std::int64_t LastWorldPlace() const { return lastWorldPlace_; }
  int LastWorldBonus() const;

  // Zans: the whole transfer with its checks and question; true when it went through.
  bool TransferEnabled(std::int64_t amount, const std::string& recipient) const;
  bool TransferZans(std::int64_t amount, const std::string& recipient);
  void Refill();

  // The own profile (editor) and photo.
  bool SaveProfile(const TInfo14& info);
  bool UploadPhoto(const QByteArray& jpeg);

 private:
  void AfterSignIn();
  void Say(WordId word, const QString& more = {});

  ClubClient& client_;
  std::filesystem::path parentFolder_;
  int state_ = SignedOut;
  TZanUser user_;
  TZanGame game_;
  bool gameRead_ = false;
  NumberResult place_;
  NumberResult memberCount_;
  ClubTopTen topTen_;
  bool profileRead_ = false;
  std::optional<QImage> ownPhoto_;
  TInfo14 leaderInfo_;
  bool leaderInfoRead_ = false;
  std::optional<QImage> leaderPhoto_;
  bool balanceRead_ = false;
  bool userFileSaved_ = false;
  bool ratedGameOpen_ = false;
  std::optional<std::int32_t> completedCycleScore_;  // set by a settlement that completed the cycle
  std::int64_t lastWorldPlace_ = 0;
};

// A photo the club accepts: a JPEG of exactly 200 x 250 pixels.
bool IsAccountPhoto(const QByteArray& bytes);

}  // namespace tavlo
