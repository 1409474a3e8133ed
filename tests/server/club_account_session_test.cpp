// The program's account state against a real club: signing in and out, the user file, rated
// games with their pledge and settlement, and Zans transfers.
#include <sys/stat.h>

#include "club_server_fixture.h"
#include "net/club/account_rating.h"
#include "net/club/account_session.h"
#include "net/club/user_file.h"

namespace tavlo::testing {
namespace {

class AccountSessionTest : public ClubServerTest {
 protected:
  void SetUp() override {
    ClubServerTest::SetUp();
    home_ = std::filesystem::path(DataFolder().toStdString()) / "home";
    std::filesystem::create_directories(home_);
  }

  // A session as the program holds it, with every notice and question recorded.
  std::unique_ptr<AccountSession> NewSession() {
    auto session = std::make_unique<AccountSession>(Client(), home_);
    session->Word = [](WordId w) { return QString::number(static_cast<int>(w)); };
    session->Notice = [this](const QString& a, const QString&) { notices_.push_back(a); };
    session->AskYesNo = [this](const QString& q) {
      questions_.push_back(q);
      return answer_;
    };
    return session;
  }
  static QString W(WordId w) { return QString::number(static_cast<int>(w)); }

  // Signs in (creating the account first) and returns the session.
  std::unique_ptr<AccountSession> SignedIn(const std::string& nick) {
    CreateUser(nick);
    return SignedInExisting(nick);
  }
  std::unique_ptr<AccountSession> SignedInExisting(const std::string& nick) {
    auto session = NewSession();
    session->User().Nick = nick;
    session->User().Pw = "pass1";
    EXPECT_TRUE(session->SignIn());
    return session;
  }

  std::filesystem::path home_;
  std::vector<QString> notices_;
  std::vector<QString> questions_;
  bool answer_ = true;
};

TEST_F(AccountSessionTest, CreateSignOutSignInAndTheirRefusals) {
  auto session = NewSession();
  session->OpenWindow();
  EXPECT_EQ(session->User().Country1, "Russia");
  EXPECT_EQ(session->User().Country2, "1-001");
  EXPECT_EQ(session->MemberCount(), (NumberResult{true, 0}));

  TZanUser& user = session->User();
  user.Nick = "Ann";
  user.Pw = "pass1";
  user.City = "Moscow";
  user.EMail = "a@b.org";
  session->CreateAccount("11.12.2026");
  EXPECT_EQ(notices_.back(), W(WordId::AccountCreated));
  EXPECT_EQ(session->AccountState(), 2);
  EXPECT_EQ(session->User().DateR, "11.12.2026");
  EXPECT_EQ(session->MemberCount(), (NumberResult{true, 1}));
  EXPECT_TRUE(session->GameRead());
  EXPECT_EQ(session->User().PwC, ScramblePassword("pass1"));

  session->SignOut();
  EXPECT_EQ(session->AccountState(), 1);
  EXPECT_EQ(session->User().Nick, "Ann") << "nick and password stay for the next sign-in";

  // A second program tries the same nick: refused, and it stays signed out.
  auto other = NewSession();
  other->OpenWindow();
  other->User().Nick = "ann";
  other->User().Pw = "other1";
  other->User().City = "Kiev";
  other->User().EMail = "x@y.z";
  other->CreateAccount("11.12.2026");
  EXPECT_EQ(notices_.back(), W(WordId::NickTaken));
  EXPECT_EQ(other->AccountState(), 1);
  EXPECT_EQ(other->User().DateR, "00.00.0000");

  session->User().Pw = "wrong";
  EXPECT_FALSE(session->SignIn());
  EXPECT_EQ(notices_.back(), W(WordId::LoginFailed));
  EXPECT_EQ(session->AccountState(), 1);
  EXPECT_FALSE(session->MemberCount().Ok);
  session->User().Pw = "pass1";
  EXPECT_TRUE(session->SignIn());
  EXPECT_EQ(session->AccountState(), 2);
  EXPECT_EQ(session->User().City, "Moscow");
  EXPECT_EQ(session->User().DateR, "11.12.2026");
}

TEST_F(AccountSessionTest, UserFileSignsInAtTheNextStart) {
  auto session = SignedIn("Ann");
  ASSERT_TRUE(session->SaveUser());
  EXPECT_TRUE(session->UserFileSaved());
  struct stat info {};
  ASSERT_EQ(::stat(session->UserFile().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  session->SignOut();
  EXPECT_TRUE(std::filesystem::exists(session->UserFile())) << "signing out keeps the user file";

  auto next = NewSession();
  next->AutoSignIn();
  EXPECT_EQ(next->AccountState(), 2);
  EXPECT_EQ(next->User().Nick, "Ann");
  EXPECT_EQ(next->User().City, "Moscow");
  EXPECT_TRUE(next->UserFileSaved());
  EXPECT_TRUE(next->GameRead());

  // A password changed on the club: the file no longer signs in, but it is still the player's file.
  QString said;
  ASSERT_EQ(Operator({"--reset-password", "Ann", "newpw1"}, &said), 0) << said.toStdString();
  auto refused = NewSession();
  refused->AutoSignIn();
  EXPECT_EQ(refused->AccountState(), 1);
  EXPECT_TRUE(refused->UserFileSaved());

  ASSERT_TRUE(next->DeleteUser());
  EXPECT_FALSE(next->UserFileSaved());
  auto none = NewSession();
  none->AutoSignIn();
  EXPECT_EQ(none->AccountState(), 1);
  EXPECT_FALSE(none->UserFileSaved());
  EXPECT_TRUE(notices_.empty()) << "signing in at start-up says nothing";
}

TEST_F(AccountSessionTest, RatedGamePledgesThenSettles) {
  auto session = SignedIn("Ann");
  EXPECT_FALSE(session->RegisterRatedGame()) << "only with play for the rating chosen";
  session->SetRatedPlay(true);
  EXPECT_EQ(session->AccountState(), 3);
  ASSERT_TRUE(session->RegisterRatedGame());
  EXPECT_TRUE(session->RatedGameOpen());
  EXPECT_EQ(session->Game(), TZanGame{}) << "the game is played from the record as read";
  const auto pledged = Client().ReadGameRecord("Ann", "pass1");
  ASSERT_TRUE(pledged);
  EXPECT_EQ(pledged->Kon, 4);
  EXPECT_NEAR(pledged->Rating, -24.9, 1e-9);

  EXPECT_NEAR(session->SettleRatedGame(30, 30), 7.6, 1e-9);
  EXPECT_FALSE(session->RatedGameOpen());
  const auto settled = Client().ReadGameRecord("Ann", "pass1");
  ASSERT_TRUE(settled);
  EXPECT_EQ(settled->Kon, 4);
  EXPECT_NEAR(settled->Rating, 7.6, 1e-9);
  EXPECT_EQ(settled->KonL, 4);
  EXPECT_EQ(settled->Score, 30);
  session->LeaveRatedPlay();
  EXPECT_EQ(session->AccountState(), 2);
}

TEST_F(AccountSessionTest, TheTenthGameOfACycleCountsTheCycle) {
  auto session = SignedIn("Ann");
  TZanGame before;
  before.Kon = 36;
  before.Rating = 2.0;
  before.KonL = 36;
  before.Score = 90;
  before.Best = 50;
  before.Sessions = 3;
  ASSERT_TRUE(Client().SaveGameRecord("Ann", "pass1", before));
  session->SetRatedPlay(true);
  ASSERT_TRUE(session->RegisterRatedGame());
  EXPECT_EQ(session->Game().KonL, 36) << "the own copy keeps the cycle as read";
  session->SettleRatedGame(20, 110);
  const auto after = Client().ReadGameRecord("Ann", "pass1");
  ASSERT_TRUE(after);
  EXPECT_EQ(after->Kon, 40);
  EXPECT_EQ(after->KonL, 0);
  EXPECT_EQ(after->Score, 0);
  EXPECT_EQ(after->Sessions, 4);
  EXPECT_EQ(after->Best, 110);
  EXPECT_NEAR(after->Rating, AccountRating(SummedResult(before) + 20, 40), 1e-9);
}

TEST_F(AccountSessionTest, ACompletedCycleGoesToTheAccountTableWithItsBonus) {
  // Three accounts finish their cycles in turn: first place, second place, and one that the club
  // refuses until it comes back.
  const struct {
    const char* nick;
    std::int32_t score;
    std::int64_t place;  // 0: not written
    int bonus;
  } cases[] = {{"Ann", 300, 1, 25}, {"Bob", 120, 2, 10}};
  for (const auto& c : cases) {
    auto session = SignedIn(c.nick);
    TZanGame before;
    before.Kon = 36;
    before.KonL = 36;
    ASSERT_TRUE(Client().SaveGameRecord(c.nick, "pass1", before));
    const std::int64_t balance = *Client().ReadBalance(c.nick);
    EXPECT_FALSE(session->SubmitCompletedCycle()) << "no cycle completed yet";
    session->SetRatedPlay(true);
    ASSERT_TRUE(session->RegisterRatedGame());
    session->SettleRatedGame(10, c.score);
    EXPECT_EQ(session->SubmitCompletedCycle(), c.place) << c.nick;
    EXPECT_EQ(session->LastWorldBonus(), c.bonus) << c.nick;
    EXPECT_EQ(session->Balance(), balance + c.bonus) << "the balance is read back";
    EXPECT_EQ(*Client().ReadBalance(c.nick), balance + c.bonus);
    EXPECT_FALSE(session->SubmitCompletedCycle()) << "a cycle is sent once";
  }
  const WorldRows rows = Client().ReadWorldTable(kWorldTableAccounts);
  ASSERT_TRUE(rows.Ok);
  EXPECT_EQ(rows.Rows[1].Nick, "Ann");
  EXPECT_EQ(rows.Rows[1].Score, 300);
  EXPECT_EQ(rows.Rows[1].Country, "Russia");
  EXPECT_EQ(rows.Rows[1].R07, "W");
  EXPECT_EQ(rows.Rows[2].Nick, "Bob");

  // A game that does not complete the cycle sends nothing; a failed write is asked about.
  auto session = SignedIn("Cid");
  TZanGame before;
  before.Kon = 36;
  before.KonL = 36;
  ASSERT_TRUE(Client().SaveGameRecord("Cid", "pass1", before));
  session->SetRatedPlay(true);
  ASSERT_TRUE(session->RegisterRatedGame());
  session->SettleRatedGame(10, 50);
  StopServer();
  answer_ = false;
  questions_.clear();
  EXPECT_FALSE(session->SubmitCompletedCycle());
  ASSERT_EQ(questions_.size(), 1u);
  EXPECT_EQ(questions_[0], W(WordId::CantWriteResult) + "\n\r" + W(WordId::Repeat));
  EXPECT_EQ(session->LastWorldBonus(), 0);
}

TEST_F(AccountSessionTest, AnAbandonedRatedGameStaysPledged) {
  auto session = SignedIn("Ann");
  session->SetRatedPlay(true);
  ASSERT_TRUE(session->RegisterRatedGame());
  session->LeaveRatedPlay();  // "Quit"
  EXPECT_EQ(session->AccountState(), 2);
  EXPECT_NEAR(session->SettleRatedGame(50, 50), 0.0, 1e-9) << "only rated play settles";
  const auto stored = Client().ReadGameRecord("Ann", "pass1");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->Kon, 4);
  EXPECT_NEAR(stored->Rating, -24.9, 1e-9);
}

TEST_F(AccountSessionTest, TheServiceStoppingInEachFlow) {
  auto session = SignedIn("Ann");
  ASSERT_TRUE(session->SaveUser());
  session->SetRatedPlay(true);
  ASSERT_TRUE(session->RegisterRatedGame());
  StopServer();

  // Settling: the question comes back until the player gives up; the program keeps its values.
  answer_ = true;
  int asked = 0;
  session->AskYesNo = [&](const QString& q) {
    questions_.push_back(q);
    return ++asked < 3;
  };
  session->SettleRatedGame(30, 30);
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(questions_.back(), W(WordId::CouldNotConnect) + "\n\r" + W(WordId::Repeat));
  EXPECT_FALSE(session->RatedGameOpen());
  EXPECT_EQ(session->Game(), TZanGame{});

  // Registering: three attempts with the sound after each, then signed out.
  session->LeaveRatedPlay();
  session->SetRatedPlay(true);
  EXPECT_FALSE(session->RegisterRatedGame());
  EXPECT_EQ(notices_.back(), W(WordId::CouldNotConnect));
  EXPECT_EQ(session->AccountState(), 1);

  auto later = NewSession();
  later->AutoSignIn();
  EXPECT_EQ(later->AccountState(), 1);
  EXPECT_TRUE(later->UserFileSaved()) << "an unreachable club does not forget the user file";
  later->OpenWindow();
  EXPECT_FALSE(later->TopTen().Ok);
  EXPECT_FALSE(later->MemberCount().Ok);
  later->User().Pw = "pass1";
  EXPECT_FALSE(later->SignIn());
  EXPECT_EQ(notices_.back(), W(WordId::LoginFailed));
  later->User().City = "Moscow";
  later->User().EMail = "a@b.c";
  later->CreateAccount("11.12.2026");
  EXPECT_EQ(notices_.back(), W(WordId::CouldNotCreateAccount));
  EXPECT_TRUE(std::filesystem::exists(later->UserFile()));
}

TEST_F(AccountSessionTest, TransfersAndTheirRefusals) {
  CreateUser("Bob");
  auto session = SignedIn("Ann");
  EXPECT_FALSE(session->TransferEnabled(5, "Bob")) << "nothing to give";
  QString said;
  ASSERT_EQ(Operator({"--credit", "ann", "40"}, &said), 0) << said.toStdString();
  EXPECT_EQ(said, "credited 40 Zans to ann, balance 40\n");
  ASSERT_TRUE(session->ReadBalance());
  EXPECT_EQ(session->Balance(), 40);

  EXPECT_FALSE(session->TransferEnabled(5, "Ann")) << "not to the own nick";
  EXPECT_FALSE(session->TransferEnabled(5, "ANN"));
  EXPECT_FALSE(session->TransferEnabled(5, ""));
  EXPECT_FALSE(session->TransferEnabled(0, "Bob"));
  EXPECT_TRUE(session->TransferEnabled(5, "Bob"));

  struct Case {
    std::int64_t amount;
    const char* recipient;
    bool answer;
    bool done;
    std::optional<WordId> notice;
    std::size_t questions;  // asked in this case
    std::int32_t balance;
  } cases[] = {
      {41, "Bob", true, false, WordId::NotEnoughZans, 0, 40},  // refused before any request
      {0, "Bob", true, false, WordId::EmptyTransfer, 0, 40},
      {5, "Bob", false, false, std::nullopt, 1, 40},  // the player said No
      {5, "Nobody", true, false, WordId::NoSuchMember, 1, 40},
      {15, "Bob", true, true, WordId::TransferSuccessful, 1, 25},
  };
  for (const Case& c : cases) {
    notices_.clear();
    questions_.clear();
    answer_ = c.answer;
    EXPECT_EQ(session->TransferZans(c.amount, c.recipient), c.done) << c.amount << " " << c.recipient;
    if (c.notice) {
      ASSERT_EQ(notices_.size(), 1u) << c.amount;
      EXPECT_EQ(notices_[0], W(*c.notice));
    } else {
      EXPECT_TRUE(notices_.empty());
    }
    EXPECT_EQ(questions_.size(), c.questions) << c.amount;
    EXPECT_EQ(session->User().R04, c.balance) << c.amount;
  }
  EXPECT_EQ(questions_.back(), W(WordId::ConfirmTransfer) + " \"Bob\" 15 " + W(WordId::Zans) + "?");
  EXPECT_EQ(Client().ReadBalance("Bob"), 15);

  // Another program spent the Zans in the meantime: the fresh balance refuses the transfer.
  auto elsewhere = SignedInExisting("Ann");
  ASSERT_EQ(elsewhere->TransferZans(20, "Bob"), true);
  notices_.clear();
  answer_ = true;
  EXPECT_FALSE(session->TransferZans(10, "Bob"));
  EXPECT_EQ(notices_.back(), W(WordId::NotEnoughZans));
  EXPECT_EQ(session->User().R04, 5);

  StopServer();
  notices_.clear();
  EXPECT_FALSE(session->TransferZans(5, "Bob"));
  EXPECT_EQ(notices_.back(), W(WordId::NoConnectMessage));
  EXPECT_EQ(session->User().R04, 5) << "the last known balance stays";
}

TEST_F(AccountSessionTest, OperatorCommandsAndTheirRefusals) {
  CreateUser("Ann");
  CreateUser("bob");
  QString said;
  ASSERT_EQ(Operator({"--members"}, &said), 0);
  EXPECT_EQ(said, "Ann\t0\t10.12.2026\tMoscow\tRussia\nbob\t0\t10.12.2026\tMoscow\tRussia\n2 members\n");
  const struct {
    QStringList arguments;
    bool succeeds;
  } cases[] = {
      {{"--credit", "Nobody", "5"}, false},
      {{"--credit", "Ann", "0"}, false},
      {{"--credit", "Ann", "-5"}, false},
      {{"--credit", "Ann", "five"}, false},
      {{"--credit", "Ann"}, false},
      {{"--credit", "Ann", "2147483647"}, true},
      {{"--credit", "Ann", "1"}, false},  // beyond what a balance can hold
      {{"--reset-password", "Nobody", "abcd"}, false},
      {{"--reset-password", "bob", "abc"}, false},
      {{"--reset-password", "bob", "ab cd"}, false},
  };
  for (const auto& c : cases) {
    const int code = Operator(c.arguments);
    EXPECT_NE(code, -1) << "the command ends by itself";
    EXPECT_EQ(code == 0, c.succeeds) << c.arguments.join(' ').toStdString();
  }
  EXPECT_EQ(Client().ReadBalance("Ann"), 2147483647);
  TZanUser bob;
  bob.Nick = "bob";
  bob.Pw = "pass1";
  EXPECT_TRUE(Client().ReadAccount(bob)) << "refused commands change nothing";
}

}  // namespace
}  // namespace tavlo::testing
