#include "club_server_fixture.h"

namespace tavlo::testing {
namespace {

using ClubAccounts = ClubServerTest;

TEST_F(ClubAccounts, CreateSignInAndTheirRefusals) {
  ClubClient& club = Client();
  EXPECT_EQ(club.ReadMemberCount(), (NumberResult{true, 0}));
  EXPECT_EQ(club.CreateAccount(NewUser("Ann")), 0);
  EXPECT_EQ(club.CreateAccount(NewUser("Ann", "other")), 1);
  EXPECT_EQ(club.CreateAccount(NewUser("ANN")), 1) << "nicks differing in case are one nick";

  TZanUser bad = NewUser("Bob");
  bad.City = "X";  // one character
  EXPECT_EQ(club.CreateAccount(bad), 2);
  bad = NewUser("\xD0\x91ob");  // a Cyrillic letter in the nick
  EXPECT_EQ(club.CreateAccount(bad), 2);
  bad = NewUser("Bob", "abc");  // password too short
  EXPECT_EQ(club.CreateAccount(bad), 2);
  bad = NewUser("Bob");
  bad.EMail = "nobody";
  EXPECT_EQ(club.CreateAccount(bad), 2);
  EXPECT_EQ(club.ReadMemberCount(), (NumberResult{true, 1}));

  TZanUser me;
  me.Nick = "Ann";
  me.Pw = "pass1";
  me.PwC = "scrambled";
  ASSERT_TRUE(club.ReadAccount(me));
  EXPECT_EQ(me.City, "Moscow");
  EXPECT_EQ(me.Country2, "1-001");
  EXPECT_EQ(me.Sex, 'W');
  EXPECT_EQ(me.DateR, "10.12.2026");
  EXPECT_EQ(me.R04, 0) << "a new account starts without Zans, whatever it sent";
  EXPECT_EQ(me.PwC, "scrambled");

  TZanUser wrong = me;
  wrong.Pw = "wrong";
  EXPECT_FALSE(club.ReadAccount(wrong));
  TZanUser unknown;
  unknown.Nick = "Nobody";
  unknown.Pw = "pass1";
  EXPECT_FALSE(club.ReadAccount(unknown));
}

TEST_F(ClubAccounts, CyrillicCityAndSeparatorsArriveIntact) {
  TZanUser user = NewUser("Olga");
  user.City = "Санкт-Петер";
  ASSERT_EQ(Client().CreateAccount(user), 0);
  TZanUser me;
  me.Nick = "Olga";
  me.Pw = "pass1";
  ASSERT_TRUE(Client().ReadAccount(me));
  EXPECT_EQ(me.City, "Санкт-Петер");

  TInfo14 info;
  info.Name1 = "Ольга";
  info.About = "a&b=c 100% + more";
  info.WebSite = "http://x.org/?a=1&b=2";
  info.Skype = "price $5 ~ish";
  info.YouTube = "last";
  ASSERT_TRUE(Client().SaveProfile("Olga", "pass1", info));
  const auto back = Client().ReadProfile("Olga");
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Name1, "Ольга");
  EXPECT_EQ(back->About, "a&b=c 100% + more");
  EXPECT_EQ(back->WebSite, "http://x.org/?a=1&b=2");
  EXPECT_EQ(back->Skype, "price  5  ish") << "'$' and '~' become blanks before saving";
  EXPECT_EQ(back->YouTube, "last");

  EXPECT_FALSE(Client().SaveProfile("Olga", "wrong", TInfo14{}));
  EXPECT_EQ(Client().ReadProfile("Olga")->Name1, "Ольга");
  EXPECT_FALSE(Client().ReadProfile("Nobody").has_value());
}

TEST_F(ClubAccounts, GameRecordsTopTenAndPlaces) {
  CreateUser("Ann");
  CreateUser("Bob");
  ClubClient& club = Client();
  const auto fresh = club.ReadGameRecord("Ann", "pass1");
  ASSERT_TRUE(fresh.has_value());
  EXPECT_EQ(*fresh, TZanGame{});
  EXPECT_FALSE(club.ReadGameRecord("Ann", "nope").has_value());

  // The pledge of a first rated game, as the account window stores it.
  TZanGame pledged;
  pledged.Kon = 4;
  pledged.Rating = -24.9;
  ASSERT_TRUE(club.SaveGameRecord("Ann", "pass1", pledged));
  TZanGame bob;
  bob.Kon = 8;
  bob.Best = 310;
  bob.Rating = 7.6;
  bob.Sessions = 1;
  bob.KonL = 4;
  bob.Score = 25;
  bob.R2 = "note";
  ASSERT_TRUE(club.SaveGameRecord("Bob", "pass1", bob));
  EXPECT_FALSE(club.SaveGameRecord("Bob", "wrong", TZanGame{}));
  EXPECT_EQ(club.ReadGameRecord("Bob", "pass1"), bob);
  EXPECT_DOUBLE_EQ(club.ReadGameRecord("Ann", "pass1")->Rating, -24.9);

  const ClubTopTen top = club.ReadClubTopTen();
  ASSERT_TRUE(top.Ok);
  EXPECT_EQ(top.Rows[1].Nick, "Bob");
  EXPECT_DOUBLE_EQ(top.Rows[1].Rating, 7.6);
  EXPECT_EQ(top.Rows[1].Country, "Russia");
  EXPECT_EQ(top.Rows[2].Nick, "Ann");
  EXPECT_EQ(top.Rows[3], TZanTop10{});

  EXPECT_EQ(club.ReadRatingPlace(7.6), (NumberResult{true, 1}));
  EXPECT_EQ(club.ReadRatingPlace(0), (NumberResult{true, 2}));
  EXPECT_EQ(club.ReadRatingPlace(-30), (NumberResult{true, 3}));
}

TEST_F(ClubAccounts, ZansMoveOnlyByTransferAndBonus) {
  CreateUser("Ann");
  CreateUser("Bob");
  ClubClient& club = Client();
  EXPECT_EQ(club.ReadBalance("Ann"), 0);
  EXPECT_FALSE(club.SaveBalance("Ann", "pass1", 100)) << "no bare adding of Zans";
  EXPECT_FALSE(club.SaveBalance("Ann", "pass1", -1)) << "a balance never goes below zero";
  EXPECT_EQ(club.TransferZans("Ann", "pass1", "Bob", 5), TransferResult::Refused);
  EXPECT_EQ(club.TransferZans("Ann", "pass1", "Nobody", 5), TransferResult::NoSuchMember);

  // A completed cycle placed first in the account table brings 25 Zans, once per cycle.
  TZanGame cycle;
  cycle.Kon = 40;
  cycle.Sessions = 1;
  ASSERT_TRUE(club.SaveGameRecord("Ann", "pass1", cycle));
  TZanRecord row;
  row.GID = kWorldTableAccounts;
  row.Nick = "Ann";
  row.City = "Moscow";
  row.Country = "Russia";
  row.Score = 300;
  row.R07 = "W";
  row.R09 = "#";
  row.R10 = "#";
  EXPECT_EQ(club.SubmitWorldRow(row, "wrong"), NumberResult{}) << "account rows need the password";
  EXPECT_EQ(club.SubmitWorldRow(row, "pass1"), (NumberResult{true, 1}));
  EXPECT_EQ(club.ReadBalance("Ann"), 25);
  EXPECT_EQ(club.SubmitWorldRow(row, "pass1"), (NumberResult{true, 1}));
  EXPECT_EQ(club.ReadBalance("Ann"), 25) << "the same cycle earns no second bonus";

  EXPECT_EQ(club.TransferZans("Ann", "wrong", "Bob", 5), TransferResult::Refused);
  EXPECT_EQ(club.TransferZans("Ann", "pass1", "Bob", 26), TransferResult::Refused);
  EXPECT_EQ(club.TransferZans("Ann", "pass1", "Ann", 5), TransferResult::Refused);
  EXPECT_EQ(club.TransferZans("Ann", "pass1", "Bob", 10), TransferResult::Done);
  EXPECT_EQ(club.ReadBalance("Ann"), 15);
  EXPECT_EQ(club.ReadBalance("Bob"), 10);
  EXPECT_TRUE(club.SaveBalance("Bob", "pass1", -4));
  EXPECT_FALSE(club.SaveBalance("Bob", "wrong", -4));
  EXPECT_EQ(club.ReadBalance("Bob"), 6);
  EXPECT_FALSE(club.ReadBalance("Nobody").has_value());
}

TEST_F(ClubAccounts, PhotosNeedTheAccountAndAJpeg) {
  CreateUser("Ann");
  ClubClient& club = Client();
  EXPECT_FALSE(club.FetchPhoto("Ann").has_value());
  const QByteArray jpeg = TestJpeg(200, 250);
  const std::string bytes(jpeg.constData(), static_cast<std::size_t>(jpeg.size()));
  EXPECT_FALSE(club.UploadPhoto("Ann", "wrong", bytes));
  EXPECT_FALSE(club.UploadPhoto("Ann", "pass1", "GIF89a not a jpeg"));
  EXPECT_FALSE(club.UploadPhoto("Ann", "pass1", std::string(200 * 1024, '\xFF')));
  ASSERT_TRUE(club.UploadPhoto("Ann", "pass1", bytes));
  const auto photo = club.FetchPhoto("Ann");
  ASSERT_TRUE(photo.has_value());
  EXPECT_EQ(photo->size(), QSize(200, 250));
  const Raw raw = Get("/photos/Ann.jpg");
  EXPECT_EQ(raw.Body, jpeg) << "the photo comes back byte for byte";
  EXPECT_EQ(raw.ContentType, "image/jpeg");
}

TEST_F(ClubAccounts, RepeatedWrongPasswordsAreSlowedDown) {
  CreateUser("Ann");
  TZanUser me;
  me.Nick = "Ann";
  me.Pw = "wrong";
  for (int attempt = 0; attempt < 6; ++attempt) EXPECT_FALSE(Client().ReadAccount(me));
  me.Pw = "pass1";
  EXPECT_FALSE(Client().ReadAccount(me)) << "after six failures even the right password waits its turn";
  // Other accounts from the same address are not held up.
  CreateUser("Bob");
  TZanUser bob;
  bob.Nick = "Bob";
  bob.Pw = "pass1";
  EXPECT_TRUE(Client().ReadAccount(bob));
}

TEST_F(ClubAccounts, AccountsOutliveTheServer) {
  CreateUser("Ann");
  StopServer();
  int port = 0;
  const auto again = LaunchServer({}, &port);
  ASSERT_TRUE(again);
  ClubClient club(ClubAddressesFor("http://127.0.0.1:" + std::to_string(port)));
  TZanUser me;
  me.Nick = "Ann";
  me.Pw = "pass1";
  EXPECT_TRUE(club.ReadAccount(me));
  EXPECT_EQ(club.CreateAccount(NewUser("Ann")), 1);
  Stop(*again);
}

// Two processes on one club: whatever one stores the other serves, and chat numbers stay unique.
TEST_F(ClubAccounts, TwoProcessesServeOneClub) {
  int port = 0;
  const auto second = LaunchServer({}, &port);
  ASSERT_TRUE(second);
  ClubClient other(ClubAddressesFor("http://127.0.0.1:" + std::to_string(port)));
  CreateUser("Ann");
  EXPECT_EQ(other.CreateAccount(NewUser("Ann")), 1);
  TZanUser me;
  me.Nick = "Ann";
  me.Pw = "pass1";
  EXPECT_TRUE(other.ReadAccount(me));
  TZanRecord message;
  message.GID = kChatTable;
  message.Nick = "Ann";
  message.City = "Moscow";
  message.Country = "1-001";
  message.R07 = "W";
  message.R09 = "#";
  message.R10 = "hi";
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ((k % 2 ? Client() : other).SubmitWorldRow(message), (NumberResult{true, k}));
  }
  Stop(*second);
}

TEST_F(ClubAccounts, AStoppedServerFailsEveryRequest) {
  CreateUser("Ann");
  StopServer();
  ClubClient& club = Client();
  TZanUser me;
  me.Nick = "Ann";
  me.Pw = "pass1";
  EXPECT_FALSE(club.ReadAccount(me));
  EXPECT_EQ(club.CreateAccount(NewUser("Bob")), 2);
  EXPECT_FALSE(club.ReadClubTopTen().Ok);
  EXPECT_EQ(club.ReadMemberCount(), NumberResult{});
  EXPECT_FALSE(club.ReadWorldTable(59).Ok);
  EXPECT_FALSE(club.ReadTables().Ok);
  EXPECT_EQ(club.ReadServerInfo().State, 'X');
  EXPECT_FALSE(club.ReadGlobalStats().has_value());
  EXPECT_FALSE(club.CountStart(true));
  EXPECT_FALSE(club.FetchServiceConfig().has_value());
  EXPECT_EQ(club.GetOwnAddress(), "");
  EXPECT_EQ(club.ReadNewsNumber(), 0);
  EXPECT_FALSE(club.SaveGameRecord("Ann", "pass1", TZanGame{}));

  // Without a club address nothing is sent at all.
  ClubClient none(ClubAddressesFor(""));
  EXPECT_EQ(none.CreateAccount(NewUser("Bob")), 2);
  EXPECT_FALSE(none.FetchServiceConfig().has_value());
}

}  // namespace
}  // namespace tavlo::testing
