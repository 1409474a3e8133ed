#include "club_server_fixture.h"

namespace tavlo::testing {
namespace {

using ClubLobby = ClubServerTest;

TZanClient Player(const std::string& nick) { return {nick, 120, 8, 5, "Russia", "Moscow", 'M', "10.0.0.7"}; }

TEST_F(ClubLobby, SeatsFillInOrderAndAreGivenBack) {
  ASSERT_TRUE(StartServer({"--tour-host", "127.0.0.1", "--tour-base-port", "26000"}));
  ClubClient& club = Client();
  TourTables tables = club.ReadTables();
  ASSERT_TRUE(tables.Ok);
  EXPECT_EQ(tables.Rows[1].IP, "127.0.0.1");
  EXPECT_EQ(tables.Rows[1].Port, 26001) << "table k on the base port + k";
  EXPECT_EQ(tables.Rows[10].Port, 26010);
  EXPECT_EQ(tables.Rows[3].Seats[2].Nick, "X");

  EXPECT_EQ(club.SetSeat(3, 2, 1, Player("Ann")), 2) << "seat 2 before seat 1 is taken";
  EXPECT_EQ(club.SetSeat(3, 1, 1, Player("Ann")), 0);
  EXPECT_EQ(club.SetSeat(3, 1, 1, Player("Bob")), 2);
  EXPECT_EQ(club.SetSeat(4, 1, 1, Player("Ann")), 2) << "one seat per player";
  EXPECT_EQ(club.SetSeat(3, 2, 1, Player("Bob")), 0);
  EXPECT_EQ(club.SetSeat(11, 1, 1, Player("Cid")), 1);
  EXPECT_EQ(club.SetSeat(3, 5, 1, Player("Cid")), 1);

  const auto seat = club.ReadSeat(3, 1);
  ASSERT_TRUE(seat.has_value());
  EXPECT_EQ(*seat, Player("Ann"));
  tables = club.ReadTables();
  EXPECT_EQ(tables.Rows[3].Seats[2].Nick, "Bob");
  EXPECT_EQ(tables.Rows[3].Free, 2);

  EXPECT_EQ(club.SetSeat(3, 2, 2, Player("Ann")), 1) << "only the own seat can be left";
  EXPECT_EQ(club.SetSeat(3, 2, 2, Player("Bob")), 0);
  EXPECT_EQ(club.SetSeat(3, 1, 0, TZanClient{}), 0);
  EXPECT_EQ(club.ReadSeat(3, 1)->Nick, "X");
}

TEST_F(ClubLobby, ServerInfoTournamentResultsAndStatistics) {
  ClubClient& club = Client();
  const TourServerInfo info = club.ReadServerInfo();
  EXPECT_TRUE(info.Ok);
  EXPECT_EQ(info.State, 'X');
  EXPECT_FALSE(info.Message.empty());
  const TourRating rating = club.ReadTourRating("Ann");
  EXPECT_TRUE(rating.Ok);
  EXPECT_EQ(rating.Score, -1);
  for (const char measure : {'s', 'r', 'k'}) {
    EXPECT_TRUE(club.ReadTourTopTen(measure).Ok) << measure;
    EXPECT_EQ(club.ReadTourPlace(measure, 10), (NumberResult{true, 1})) << measure;
  }

  EXPECT_TRUE(club.CountStart(true));
  EXPECT_TRUE(club.CountStart(false));
  EXPECT_TRUE(club.SendLike("Ann"));
  EXPECT_FALSE(club.SendLike("A"));
  EXPECT_TRUE(club.SendGameStats({4, 1, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(club.SendGameStats({4, 0, 0, 12, 4, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(club.SendGameStats({-4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  const auto stat = club.ReadGlobalStats();
  ASSERT_TRUE(stat.has_value());
  EXPECT_EQ(stat->Stat1, 2);
  EXPECT_EQ(stat->Stat2, 1);
  EXPECT_EQ(stat->Stat3, 1);
  EXPECT_EQ(stat->Stat4, "Ann");
  EXPECT_EQ(stat->StatX[1], 8);
  EXPECT_EQ(stat->StatX[2], 1);
  EXPECT_EQ(stat->StatX[3], 30);
  EXPECT_EQ(stat->StatX[4], 12);
  EXPECT_EQ(stat->StatX[5], 4);
}

}  // namespace
}  // namespace tavlo::testing
