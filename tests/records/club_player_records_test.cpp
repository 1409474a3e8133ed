#include "records/club_player_records.h"

#include <gtest/gtest.h>

#include "game/game.h"
#include "game/table_boundary.h"
#include "records/finish_series.h"
#include "records/member_line.h"
#include "records/password.h"
#include "records_fixture.h"

namespace tavlo {
namespace {

using testing_support::DefaultClub;
using testing_support::TempFolder;
using testing_support::WriteClub;

class AccountRecords : public PlayerRecords {
 public:
  PlayerValues LoadPlayer(PlayerSlot slot, bool) override {
    return PlayerValues{slot == PlayerSlot::ClubAccount ? "Account" : "Tourney", 3.5, 12, 7, 99};
  }
};

class ClubPlayerRecordsTest : public testing::Test {
 protected:
  void SetUp() override {
    files_ = ClubFilesIn(folder_.Path());
    ClubLines local = DefaultClub();
    local[1] = MakeMemberLine("Ann", 2.25, 41, -17, EncodePassword("a"));
    local[2] = MakeMemberLine("Ольга", -0.5, 3, 12, EncodePassword("b"));
    WriteClub(files_.Local, local);
    ClubLines network = DefaultClub();
    network[1] = MakeMemberLine("Lan", 1.0, 8, 4, EncodePassword("c"));
    WriteClub(files_.Network, network);
  }

  TempFolder folder_;
  ClubFiles files_;
};

TEST_F(ClubPlayerRecordsTest, MembersComeFromTheirClubFile) {
  AccountRecords accounts;
  ClubPlayerRecords records(files_, &accounts);

  PlayerValues ann = records.LoadPlayer(PlayerSlot::Member1, false);
  EXPECT_EQ(ann.Name, "Ann                 ");
  EXPECT_DOUBLE_EQ(ann.Rating, 2.25);
  EXPECT_EQ(ann.Kon, 41);
  EXPECT_EQ(ann.Score, -17);
  EXPECT_EQ(records.SeriesStartLine(), MakeMemberLine("Ann", 2.25, 41, -17, EncodePassword("a")));

  PlayerValues olga = records.LoadPlayer(static_cast<PlayerSlot>(2), false);
  EXPECT_EQ(olga.Name, "Ольга               ");
  EXPECT_EQ(olga.Kon, 3);

  EXPECT_EQ(records.LoadPlayer(PlayerSlot::Member1, true).Name, "Lan                 ");

  // A free place and a new player start from nothing.
  EXPECT_EQ(records.LoadPlayer(static_cast<PlayerSlot>(3), false).Kon, 0);
  EXPECT_TRUE(records.SeriesStartLine().empty());
  EXPECT_EQ(records.LoadPlayer(PlayerSlot::NewPlayer, false).Kon, 0);

  EXPECT_EQ(records.LoadPlayer(PlayerSlot::ClubAccount, false).Name, "Account");
  EXPECT_EQ(records.LoadPlayer(PlayerSlot::Tournament, false).TotalScore, 99);
  ClubPlayerRecords alone(files_);
  EXPECT_EQ(alone.LoadPlayer(PlayerSlot::ClubAccount, false).Kon, 0);
}

TEST_F(ClubPlayerRecordsTest, SeriesStartTakesTheMembersRunningValues) {
  ClubPlayerRecords records(files_);
  QuietBoundary view;
  Game game(view, records, 1);
  TableMode mode;
  mode.Player = PlayerSlot::Member1;
  game.SetMode(mode);
  game.ShuffleAndDeal(false);
  EXPECT_EQ(game.State().KonNo, 42);
  EXPECT_EQ(game.State().StartScore, -17);
  EXPECT_DOUBLE_EQ(game.State().PlayerRating, 2.25);
  EXPECT_EQ(game.State().SeatNames[4], "Ann");
}

TEST_F(ClubPlayerRecordsTest, AWholeSeriesEndsInTheClubFile) {
  ClubPlayerRecords records(files_);
  QuietBoundary view;
  Game game(view, records, 3);
  TableMode mode;
  mode.Player = PlayerSlot::Member1;
  game.SetMode(mode);
  game.ShuffleAndDeal(false);
  game.ShuffleAndDeal(true);  // two deals, unplayed: the result is 0

  SeriesFinish s = SeriesFinishOf(game.State(), game.Mode());
  EXPECT_EQ(s.KonNo, 43);
  EXPECT_EQ(s.Deals, 2);
  EXPECT_EQ(s.MemberKon, 41);
  EXPECT_DOUBLE_EQ(s.MemberRating, 2.25);
  EXPECT_EQ(s.Player, PlayerSlot::Member1);
  s.MemberName = MemberNameOf(records.SeriesStartLine());
  s.PasswordDigits = std::string(PasswordDigitsOf(records.SeriesStartLine()));

  class Silent : public SeriesEvents {
    void LeaveTable() override {}
    double SettleRatedGame(std::int32_t, std::int32_t) override { return 0; }
    void HideWaitBar() override {}
    void SendGameStats(const HisStr&, const GameStats&) override {}
    void PlayEffect(std::string_view) override {}
    void ShowNotice(RecordsNotice, const std::filesystem::path&) override {}
    void CloseLanConnection() override {}
    void ShowEndOfCycle(const SeriesRecord&) override {}
    void ShowWorldTopTenResult(std::int32_t) override {}
    void SubmitRatedCycle() override {}
    void ReturnToMenu(bool) override {}
  } events;
  testing_support::FixedClock clock;
  FinishSeries(s, files_, clock, events);
  // (41 x 2.25 + 0) / 43; the line keeps the member's password.
  EXPECT_EQ(testing_support::ReadClub(files_.Local)[1],
            MakeMemberLine("Ann", 2.145349, 43, game.State().TotalScore, EncodePassword("a")));
}

}  // namespace
}  // namespace tavlo
