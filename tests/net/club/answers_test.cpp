#include <gtest/gtest.h>

#include "net/club/account_requests.h"
#include "net/club/club_answers.h"
#include "net/club/service_config.h"
#include "net/club/stat_requests.h"
#include "net/club/tour_requests.h"
#include "net/club/world_requests.h"

namespace tavlo {
namespace {

TEST(ClubAnswers, NumberAnswers) {
  struct Case {
    const char* answer;
    NumberResult result;
  };
  const Case cases[] = {
      {"$17", {true, 17}},
      {"$", {}},
      {"17", {}},
      {"", {}},
      {"$3 $42 trailing", {true, 42}},
      {"$5$", {}},
      {"$-4", {}},
      {"x$0", {true, 0}},
      {"$99999999999999999999", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseNumberResult(c.answer), c.result) << c.answer;
}

TEST(ClubAnswers, MarkersAndTheirOrder) {
  struct Case {
    const char* answer;
    int created;
    int seat;
    bool done;
  };
  const Case cases[] = {
      {"ok", 0, 0, true}, {"is", 1, 2, false}, {"okis", 1, 2, true}, {"", 2, 1, false}, {"refused: no", 2, 1, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseCreateAccount(c.answer), c.created) << c.answer;
    EXPECT_EQ(ParseSetSeat(c.answer), c.seat) << c.answer;
    EXPECT_EQ(ParseDone(c.answer), c.done) << c.answer;
  }
}

TEST(ClubAnswers, StatisticsAnswer) {
  EXPECT_TRUE(ReadStatisticsAnswer("$ok#"));
  EXPECT_TRUE(ReadStatisticsAnswer("$no$ok"));
  EXPECT_FALSE(ReadStatisticsAnswer("$ no#"));
  EXPECT_FALSE(ReadStatisticsAnswer("ok"));
  EXPECT_FALSE(ReadStatisticsAnswer("$x#ok"));
}

TEST(ClubAnswers, Decimals) {
  EXPECT_EQ(DecimalText(1234.5), "1234.5");
  EXPECT_EQ(DecimalText(-24.9), "-24.9");
  EXPECT_EQ(DecimalText(0.000001), "0");
  EXPECT_EQ(DecimalText(-0.000009), "0");
  EXPECT_EQ(ParseDecimal("1234,5"), 1234.5);
  EXPECT_EQ(ParseDecimal("7.6"), 7.6);
  EXPECT_EQ(ParseDecimal("7.6x"), std::nullopt);
  EXPECT_EQ(ParseDecimal(""), std::nullopt);
  EXPECT_EQ(ParseDecimal("nan"), std::nullopt);
  // A rating read with ',' goes out with '.'.
  EXPECT_EQ(*ReadRatingPlaceRequest(*ParseDecimal("1234,5")).Value("crdtavlorating"), "1234.5");
}

TEST(ClubAnswers, WorldRowsFillWhatTheAnswerHolds) {
  const std::string answer =
      "$1 x 900 Ann 1-001 Moscow M 5.7f 12:00:00_01.01.2026 #*"
      "$2 x 850 Bob 3-034 Austin*"
      "$3 x 10 \xC8\xE2\xE0\xED*";
  const WorldRows rows = ParseWorldRows(answer, 359);
  ASSERT_TRUE(rows.Ok);
  EXPECT_EQ(rows.Rows[1].Place, 1);
  EXPECT_EQ(rows.Rows[1].Score, 900);
  EXPECT_EQ(rows.Rows[1].Nick, "Ann");
  EXPECT_EQ(rows.Rows[1].R09, "12:00:00_01.01.2026");
  EXPECT_EQ(rows.Rows[1].R10, "#");
  EXPECT_EQ(rows.Rows[2].City, "Austin");
  EXPECT_EQ(rows.Rows[2].R07, "#");  // a shorter record fills only its fields
  EXPECT_EQ(rows.Rows[3].Nick, "Иван");
  TZanRecord untouched;
  untouched.GID = 359;
  for (int k = 4; k <= 10; ++k) EXPECT_EQ(rows.Rows[k], untouched) << k;
  EXPECT_FALSE(ParseWorldRows("No Connect", 59).Ok);
}

TEST(ClubAnswers, AccountRecordAndRefusal) {
  const auto user = ParseReadAccount("$Genoa Italy 1-024 W ann@x.it 01.02.2026 xxx xxx xxx 120 0 0$");
  ASSERT_TRUE(user.has_value());  // the "no" of Genoa does not refuse
  EXPECT_EQ(user->City, "Genoa");
  EXPECT_EQ(user->Sex, 'W');
  EXPECT_EQ(user->R04, 120);
  EXPECT_FALSE(ParseReadAccount("no").has_value());
  EXPECT_FALSE(ParseReadAccount("").has_value());
  const auto partial = ParseReadAccount("$Rome$");
  ASSERT_TRUE(partial.has_value());
  EXPECT_EQ(partial->Country1, "#");
  EXPECT_EQ(partial->DateR, "00.00.0000");
}

TEST(ClubAnswers, GameRecordTopTenBalanceProfile) {
  const auto game = ParseGameRecord("$44 310 7,6 1 4 25 0 #$");
  ASSERT_TRUE(game.has_value());
  EXPECT_EQ(game->Kon, 44);
  EXPECT_DOUBLE_EQ(game->Rating, 7.6);
  EXPECT_EQ(game->Score, 25);
  EXPECT_EQ(game->PlayNow, 'N');

  const ClubTopTen top = ParseClubTopTen("$1 Ann Moscow 0 1-001 W 12.5*$2 Bob Oslo 0 1-035 M -3*");
  ASSERT_TRUE(top.Ok);
  EXPECT_EQ(top.Rows[1].Sex, 'W');
  EXPECT_DOUBLE_EQ(top.Rows[2].Rating, -3);
  EXPECT_EQ(top.Rows[3], TZanTop10{});

  EXPECT_EQ(ParseBalance("$250$"), 250);
  EXPECT_EQ(ParseBalance("no"), std::nullopt);
  EXPECT_EQ(ParseBalance("$$"), std::nullopt);
  EXPECT_EQ(ParseBalance("1$-7"), std::nullopt) << "a balance is never negative";
  EXPECT_EQ(ParseBalance("$0$"), 0);

  const auto info = ParseProfile("$Ann~Lee~about me~~~site~skype$");
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->About, "about me");
  EXPECT_EQ(info->WebSite, "site");  // WebSite comes before Skype on the wire
  EXPECT_EQ(info->Skype, "skype");
  EXPECT_EQ(info->YouTube, "");

  EXPECT_EQ(ParseTransfer("$0"), TransferResult::Done);
  EXPECT_EQ(ParseTransfer("$2"), TransferResult::NoSuchMember);
  EXPECT_EQ(ParseTransfer("$7"), TransferResult::NoAnswer);
  EXPECT_EQ(ParseTransfer(""), TransferResult::NoAnswer);
}

TEST(ClubAnswers, TournamentAndStatistics) {
  std::string row = "$1 10.0.0.5 25001 4 0 0";
  for (int seat = 1; seat <= 4; ++seat)
    row += " P" + std::to_string(seat) + " 10 4 7 1-001 Town M 10.0.0." + std::to_string(seat);
  const TourTables tables = ParseTables(row + "*");
  ASSERT_TRUE(tables.Ok);
  EXPECT_EQ(tables.Rows[1].Port, 25001);
  EXPECT_EQ(tables.Rows[1].Seats[4].Nick, "P4");
  EXPECT_EQ(tables.Rows[1].Seats[3].IP, "10.0.0.3");
  EXPECT_EQ(tables.Rows[2].IP, "0.0.0.0");
  EXPECT_EQ(tables.Answer, row + "*");

  const TourServerInfo info = ParseServerInfo("$Y Welcome_to_the_tournament$");
  EXPECT_TRUE(info.Ok);
  EXPECT_EQ(info.State, 'Y');
  EXPECT_EQ(info.Message, "Welcome to the tournament");
  EXPECT_EQ(ParseServerInfo("").State, 'X');

  const auto stat = ParseGlobalStats("$5 3 2 Ann 1 2 3 4 5 6 7 8 9 10 11 12 y z*");
  ASSERT_TRUE(stat.has_value());
  EXPECT_EQ(stat->Stat4, "Ann");
  EXPECT_EQ(stat->StatX[12], 12);
  EXPECT_EQ(stat->StatZ, "z");
  EXPECT_FALSE(ParseGlobalStats("error").has_value());
}

TEST(ServiceConfiguration, KeysPausesAndNews) {
  const ServiceConfig config =
      ParseServiceConfig("WTGamesPatt=http://h/wt.php#StatPath=http://h/st.php#AccPath=http://h/acc.php#");
  EXPECT_TRUE(config.ChatAvailable);
  EXPECT_TRUE(config.WorldTopTenAvailable);
  EXPECT_EQ(config.WorldTopTenAddress, "http://h/wt.php");
  EXPECT_EQ(config.StatisticsAddress, "http://h/st.php");
  EXPECT_EQ(config.AccountAddress, "http://h/acc.php");

  const ServiceConfig paused = ParseServiceConfig("WTGamesPatt=http://h/wt.php#WTGamesPause#CTGamesPause#");
  EXPECT_FALSE(paused.WorldTopTenAvailable);
  EXPECT_FALSE(paused.ChatAvailable);
  EXPECT_FALSE(ParseServiceConfig("").WorldTopTenAvailable);

  EXPECT_EQ(config.HelpAddress, "") << "no help page named";

  EXPECT_EQ(ParseNewsNumber("<p>ZanNews00042</p>"), 42);
  EXPECT_EQ(ParseNewsNumber("ZanNews   7 "), 7);
  EXPECT_EQ(ParseNewsNumber("ZanNewsabcde"), 0);
  EXPECT_EQ(ParseNewsNumber("nothing"), 0);
}

// The help page goes to the system browser, so only a plain web address is taken from the club.
TEST(ServiceConfiguration, HelpPageIsTakenOnlyAsAPlainWebAddress) {
  struct Case {
    const char* text;
    const char* help;
  };
  const Case cases[] = {
      {"StatPath=http://h/st.php#HelpPath=https://h/help/en.html#", "https://h/help/en.html"},
      {"HelpPath=http://127.0.0.1:8080/help?lang=2#PayPath=https://p/#", "http://127.0.0.1:8080/help?lang=2"},
      {"HelpPath=https://h/help\r\n", "https://h/help"},  // the text's last value, line end trimmed
      {"HelpPath=#", ""},
      {"HelpPath=file:///etc/passwd#", ""},
      {"HelpPath=javascript:alert(1)#", ""},
      {"HelpPath=https://#", ""},
      {"HelpPath=https:///path#", ""},
      {"HelpPath=https://h/a b#", ""},
      {"HelpPath=https://h/\x01#", ""},
      {"HelpPath=https://h/\xd0\xb0#", ""},
      {"HelpPath", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseServiceConfig(c.text).HelpAddress, c.help);
  }
}

}  // namespace
}  // namespace tavlo
