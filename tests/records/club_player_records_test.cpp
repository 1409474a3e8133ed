#include "records/club_player_records.h"

#include <gtest/gtest.h>

#include "game/game.h"
#include "game/table_boundary.h"
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

}  // namespace
}  // namespace tavlo
