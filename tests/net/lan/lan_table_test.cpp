// Whole LAN games of headless programs over real loopback sockets.
#include <gtest/gtest.h>

#include "net/lan/headless_table.h"

namespace tavlo::lan {
namespace {

void ExpectAllAgree(const LanTableResult& r, const std::string& what) {
  ASSERT_TRUE(r.Completed) << what << ": " << r.Failure;
  ASSERT_EQ(r.DealLines[0].size(), 4u) << what;
  for (std::size_t k = 1; k < r.DealLines.size(); ++k) {
    EXPECT_EQ(r.DealLines[k], r.DealLines[0]) << what << ", program " << k + 1;
    EXPECT_EQ(r.SeriesScores[k], r.SeriesScores[0]) << what << ", program " << k + 1;
  }
  for (std::size_t k = 0; k < r.DealLines.size(); ++k) {
    EXPECT_EQ(r.Interruptions[k], 0) << what << ", program " << k + 1;
    EXPECT_TRUE(r.GameOver[k]) << what << ", program " << k + 1;
  }
}

TEST(LanTableTest, EveryProgramEndsAFourDealGameWithTheSameResultsHoweverTheStreamIsCut) {
  for (const int clients : {1, 3}) {
    LanTableOptions options;
    options.Clients = clients;
    options.Seed = 11;
    const LanTableResult plain = PlayLanTable(options);
    ExpectAllAgree(plain, std::to_string(clients) + " clients");
    // Every deal shows each dummy once: North, East, South, West.
    ASSERT_EQ(plain.DealLines[0].size(), 4u);
    EXPECT_NE(plain.DealLines[0][0].find("dummy North"), std::string::npos) << plain.DealLines[0][0];
    EXPECT_NE(plain.DealLines[0][3].find("dummy West"), std::string::npos) << plain.DealLines[0][3];

    options.Recut = true;
    const LanTableResult recut = PlayLanTable(options);
    ExpectAllAgree(recut, std::to_string(clients) + " clients, re-cut");
    EXPECT_EQ(recut.DealLines, plain.DealLines) << clients << " clients";
    EXPECT_EQ(recut.SeriesScores, plain.SeriesScores) << clients << " clients";
    EXPECT_EQ(recut.MessagesSent, plain.MessagesSent) << clients << " clients";
    // The relay really cut the streams into more pieces than there were messages.
    EXPECT_GT(recut.RelayPieces, recut.MessagesSent) << clients << " clients";
  }
}

TEST(LanTableTest, APlayerWhoLeavesEndsTheGameForEveryoneUntilTheGameIsOver) {
  struct Case {
    const char* what;
    int clients;
    LeaveStage stage;
    int leaver;
    bool othersInterrupted;
  } cases[] = {
      {"two humans, client leaves while seated", 1, LeaveStage::Seating, 2, true},
      {"two humans, server leaves while seated", 1, LeaveStage::Seating, 1, true},
      {"two humans, client leaves before the first deal", 1, LeaveStage::BeforeFirstDeal, 2, true},
      {"two humans, server leaves mid-trick", 1, LeaveStage::MidTrick, 1, true},
      {"two humans, client leaves at the score sheet", 1, LeaveStage::ScoreSheet, 2, true},
      {"two humans, client leaves after the last deal", 1, LeaveStage::AfterLastDeal, 2, false},
      {"two humans, server leaves after the last deal", 1, LeaveStage::AfterLastDeal, 1, false},
      {"four humans, first client leaves while two are seated", 3, LeaveStage::Seating, 2, true},
      {"four humans, server leaves while two are seated", 3, LeaveStage::Seating, 1, true},
      {"four humans, server leaves before the first deal", 3, LeaveStage::BeforeFirstDeal, 1, true},
      {"four humans, a client leaves mid-trick", 3, LeaveStage::MidTrick, 3, true},
      {"four humans, a client leaves at the score sheet", 3, LeaveStage::ScoreSheet, 4, true},
      {"four humans, server leaves at the score sheet", 3, LeaveStage::ScoreSheet, 1, true},
      {"four humans, a client leaves after the last deal", 3, LeaveStage::AfterLastDeal, 2, false},
  };
  for (const Case& c : cases) {
    LanTableOptions options;
    options.Clients = c.clients;
    options.Seed = 5;
    options.Leave = c.stage;
    options.Leaver = c.leaver;
    const LanTableResult r = PlayLanTable(options);
    ASSERT_TRUE(r.Completed) << c.what << ": " << r.Failure;
    ASSERT_TRUE(r.Failure.empty()) << c.what << ": " << r.Failure;
    // In the seating case only the programs that had joined are at the table.
    const int present = c.stage == LeaveStage::Seating ? std::min(2, c.clients) + 1 : c.clients + 1;
    for (int seat = 1; seat <= present; ++seat) {
      const std::size_t k = static_cast<std::size_t>(seat - 1);
      if (seat == c.leaver) {
        EXPECT_EQ(r.Interruptions[k], 0) << c.what << ": the leaver is not told";
        continue;
      }
      if (c.othersInterrupted) {
        EXPECT_EQ(r.Interruptions[k], 1) << c.what << ", program " << seat;
        EXPECT_TRUE(r.AtMenu[k] || c.stage == LeaveStage::Seating) << c.what << ", program " << seat;
      } else {
        EXPECT_EQ(r.Interruptions[k], 0) << c.what << ", program " << seat;
        EXPECT_TRUE(r.GameOver[k]) << c.what << ", program " << seat;
      }
    }
  }
}

}  // namespace
}  // namespace tavlo::lan
