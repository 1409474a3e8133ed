#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <set>

#include "club_server_fixture.h"
#include "net/club/club_service_configuration.h"
#include "settings/settings.h"

namespace tavlo::testing {
namespace {

using ClubWorld = ClubServerTest;

TZanRecord Row(int gid, const std::string& nick, int score) {
  TZanRecord row;
  row.GID = gid;
  row.Nick = nick;
  row.City = "Oslo";
  row.Country = "1-035";
  row.Score = score;
  row.R07 = "M";
  row.R09 = "#";
  row.R10 = "#";
  return row;
}

TEST_F(ClubWorld, RowsPlacesCountsAndTheNeighbourhood) {
  ClubClient& club = Client();
  EXPECT_EQ(club.SubmitWorldRow(Row(59, "Ann", 500)), (NumberResult{true, 1}));
  EXPECT_EQ(club.SubmitWorldRow(Row(59, "Bob", 700)), (NumberResult{true, 1}));
  EXPECT_EQ(club.SubmitWorldRow(Row(59, "Cid", 600)), (NumberResult{true, 2}));
  EXPECT_EQ(club.SubmitWorldRow(Row(159, "Dan", 1)), (NumberResult{true, 1}));
  for (int k = 0; k < 12; ++k) ASSERT_TRUE(club.SubmitWorldRow(Row(59, "P" + std::to_string(k), 100 - k)).Ok);

  const WorldRows top = club.ReadWorldTable(59);
  ASSERT_TRUE(top.Ok);
  EXPECT_EQ(top.Rows[1].Nick, "Bob");
  EXPECT_EQ(top.Rows[1].Place, 1);
  EXPECT_EQ(top.Rows[1].R08, "5.7f");
  EXPECT_EQ(top.Rows[1].Country, "1-035");
  EXPECT_EQ(top.Rows[3].Nick, "Ann");
  EXPECT_EQ(top.Rows[10].Nick, "P6");
  EXPECT_EQ(top.Rows[10].GID, 59);
  EXPECT_EQ(club.ReadWorldCount(59), (NumberResult{true, 15}));
  EXPECT_EQ(club.ReadWorldCount(359), (NumberResult{true, 0}));

  const WorldRows around = club.ReadWorldAround(59, "P10", "Oslo");  // 14th of 15
  ASSERT_TRUE(around.Ok);
  EXPECT_EQ(around.Rows[1].Place, 10);
  EXPECT_EQ(around.Rows[5].Nick, "P10");
  EXPECT_EQ(around.Rows[6].Nick, "P11");
  EXPECT_EQ(around.Rows[7], TZanRecord{.GID = 59});

  TZanRecord bad = Row(59, "A", 1);  // one-character nick
  EXPECT_EQ(club.SubmitWorldRow(bad), NumberResult{});
  bad = Row(59, "Ann", 1);
  bad.Country = "9-999";
  EXPECT_EQ(club.SubmitWorldRow(bad), NumberResult{});
  EXPECT_EQ(club.SubmitWorldRow(Row(58, "Ann", 1)), NumberResult{});
  EXPECT_EQ(club.ReadWorldCount(59), (NumberResult{true, 15}));
}

TEST_F(ClubWorld, ChatMessagesAreNumberedByTheService) {
  ClubClient& club = Client();
  TZanRecord message = Row(kChatTable, "Иван", 777);  // the number the sender guessed is ignored
  message.R09 = "12:30:00_10.12.2026_Tavlo";
  message.R10 = "Привет,_a&b=c_100%";
  EXPECT_EQ(club.SubmitWorldRow(message), (NumberResult{true, 1}));
  message.R10 = "second";
  EXPECT_EQ(club.SubmitWorldRow(message), (NumberResult{true, 2}));
  const WorldRows chat = club.ReadWorldTable(kChatTable);
  ASSERT_TRUE(chat.Ok);
  EXPECT_EQ(chat.Rows[1].Score, 2) << "the newest message comes first";
  EXPECT_EQ(chat.Rows[2].Score, 1);
  EXPECT_EQ(chat.Rows[2].Nick, "Иван");
  EXPECT_EQ(chat.Rows[2].R10, "Привет,_a&b=c_100%");
  EXPECT_EQ(chat.Rows[2].R09, "12:30:00_10.12.2026_Tavlo");
  message.R10 = "two words";  // blanks would split the answer's fields
  EXPECT_EQ(club.SubmitWorldRow(message), NumberResult{});
}

TEST_F(ClubWorld, ConfigurationNewsOwnAddressAndFiles) {
  ClubServiceConfiguration services(ClubAddressesFor(Base()));
  EXPECT_EQ(services.BuiltInWorldTopTenAddress(), Base() + "/wtgames.php");
  Settings settings;
  services.FetchServiceConfiguration(settings);
  EXPECT_TRUE(services.ChatAvailable());
  EXPECT_TRUE(services.WorldTopTenAvailable());
  EXPECT_EQ(settings.WorldTopTenAddress, Base() + "/wtgames.php");
  EXPECT_EQ(settings.StatisticsAddress, Base() + "/stat.php");
  EXPECT_EQ(services.Client().ReadMemberCount(), (NumberResult{true, 0}));

  ASSERT_TRUE(StartServer({"--pause-chat", "--pause-world"}));
  ClubServiceConfiguration paused(ClubAddressesFor(Base()));
  paused.FetchServiceConfiguration(settings);
  EXPECT_FALSE(paused.ChatAvailable());
  EXPECT_FALSE(paused.WorldTopTenAvailable());

  ClubServiceConfiguration none(ClubAddressesFor(""));
  settings.WorldTopTenAddress = "http://old.example/wt.php";
  none.FetchServiceConfiguration(settings);
  EXPECT_EQ(settings.WorldTopTenAddress, "") << "no club: an address kept from an earlier one is not used";
  EXPECT_FALSE(none.WorldTopTenAvailable());
  EXPECT_FALSE(none.ChatAvailable());

  EXPECT_EQ(Client().GetOwnAddress(), "127.0.0.1");
  EXPECT_EQ(Client().ReadNewsNumber(), 0);
  QFile news(DataFolder() + "/files/news.html");
  ASSERT_TRUE(news.open(QIODevice::WriteOnly));
  news.write("<html><!-- ZanNews00012 --></html>");
  news.close();
  EXPECT_EQ(Client().ReadNewsNumber(), 12);
}

TEST_F(ClubWorld, StaticFilesAreServedByteForByteAndOnlyFromTheirFolder) {
  const QString files = DataFolder() + "/files";
  ASSERT_TRUE(QDir().mkpath(files + "/downloads/progr/cards"));
  ASSERT_TRUE(QDir().mkpath(files + "/musik"));
  QByteArray binary;
  for (int i = 0; i < 70000; ++i) binary += static_cast<char>(i * 7 % 256);
  QFile library(files + "/downloads/progr/cards/ZanCards06A.rcc");
  ASSERT_TRUE(library.open(QIODevice::WriteOnly));
  library.write(binary);
  library.close();
  QFile list(files + "/musik/_playlist.html");
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write("<a href=\"song one.mp3\">one</a>");
  list.close();
  QFile song(files + "/musik/song one.mp3");
  ASSERT_TRUE(song.open(QIODevice::WriteOnly));
  song.write("ID3");
  song.close();
  ASSERT_TRUE(QFile::link(DataFolder() + "/club.sqlite", files + "/escape.db"));

  const Raw rcc = Get("/downloads/progr/cards/ZanCards06A.rcc");
  EXPECT_EQ(rcc.Status, 200);
  EXPECT_EQ(rcc.Body, binary);
  EXPECT_EQ(rcc.ContentType, "application/octet-stream");
  const Raw page = Get("/musik/_playlist.html");
  EXPECT_EQ(page.Status, 200);
  EXPECT_TRUE(page.ContentType.startsWith("text/html"));
  const Raw mp3 = Get("/musik/song one.mp3");
  EXPECT_EQ(mp3.Body, "ID3");
  EXPECT_EQ(mp3.ContentType, "audio/mpeg");

  for (const char* refused : {"/escape.db", "/../club.sqlite", "/musik/../../club.sqlite", "/missing.html", "/",
                              "/musik", "/%2e%2e/club.sqlite"}) {
    EXPECT_EQ(Get(refused).Status, 404) << refused;
  }
}

}  // namespace
}  // namespace tavlo::testing
