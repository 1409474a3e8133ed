#include <gtest/gtest.h>

#include <map>

#include "game/flow.h"
#include "game/scoring.h"
#include "game/seats.h"
#include "game/trick.h"
#include "recording_boundary.h"

namespace tavlo {
namespace {

using testing::RecordingBoundary;

class ClubRecords : public PlayerRecords {
 public:
  std::int32_t kon = 0;
  PlayerValues LoadPlayer(PlayerSlot, bool) override { return PlayerValues{"Eve", 0.0, kon, 100, 0}; }
};

// A game, its flow controller and a player who clicks random legal cards.
class FlowTest : public ::testing::Test {
 protected:
  RecordingBoundary view;
  ClubRecords records;
  Game game{view, records, 2024};
  RandomCardChooser computer{1};
  RandomCardChooser player{2};
  FlowController flow{game, view, computer};
  const GameState& s = game.State();

  // Plays the deal's cards straight through the game, up to Turn 25.
  void PlayOut() {
    game.StartPlay();
    while (s.Turn != turn::kDealOver) {
      if (s.Turn == turn::kTrickComplete) {
        game.GatherTrick();
      } else {
        game.PlayCard(SeatToPlay(s), player.ChooseCard(s, SeatToPlay(s)), false);
      }
    }
  }

  // Starts a series whose first deal has the running number `konNo`.
  void Start(int konNo, TableMode mode = TableMode{}) {
    records.kon = konNo - 1;
    mode.Player = PlayerSlot::Member1;
    game.SetMode(mode);
    flow.StartSeries();
  }

  // Plays the deal from "To Begin" to the scored state with clicks, ticks and "Ok".
  void PlayDeal() {
    ASSERT_EQ(s.DealPhase, 1);
    flow.OnStartOrOk();
    for (int steps = 0; s.Turn != turn::kDealScored; ++steps) {
      ASSERT_LT(steps, 1000) << "the deal does not progress at Turn " << int(s.Turn);
      const int seat = SeatToPlay(s);
      if (s.Turn == turn::kTrickComplete) {
        ASSERT_TRUE(game.Controls().StartEnabled);
        flow.OnStartOrOk();
      } else if (seat != 0 && flow.PlayerControls(seat)) {
        ASSERT_TRUE(flow.OnPlayerCard(seat, player.ChooseCard(s, seat)));
      } else {
        flow.OnTimer1();
      }
    }
  }
};

TEST_F(FlowTest, WhoseCardsTheComputerPlaysAgainstTheComputer) {
  // Per dummy seat: computer due at Turn 11, 12, 13, 14.
  const bool due[5][4] = {{}, {true, true, true, false}, {true, false, true, false},
                          {true, true, true, false}, {true, true, true, true}};
  for (int konNo = 1; konNo <= 4; ++konNo) {
    Start(konNo);
    const int dummy = s.Dummy;
    flow.OnStartOrOk();
    for (int t = 0; t < 4; ++t) {
      SCOPED_TRACE("dummy " + std::to_string(dummy) + " turn " + std::to_string(SeatToPlay(s)));
      const int seat = SeatToPlay(s);
      EXPECT_EQ(flow.ComputerMoveDue(), due[dummy][seat - 1]);
      EXPECT_EQ(flow.PlayerControls(seat), !due[dummy][seat - 1]);
      if (flow.PlayerControls(seat)) {
        ASSERT_TRUE(flow.OnPlayerCard(seat, player.ChooseCard(s, seat)));
      } else {
        flow.OnTimer1();
      }
    }
    EXPECT_EQ(s.Turn, turn::kTrickComplete);
  }
}

TEST_F(FlowTest, WhoseCardsTheComputerPlaysAtALanTable) {
  struct Case {
    int role, lastClient;
    bool dueWestEast;
  };
  for (const Case& c : {Case{1, 0, true}, Case{1, 1, false}, Case{1, 2, false}, Case{2, 0, false},
                        Case{3, 1, false}}) {
    SCOPED_TRACE(std::to_string(c.role) + "/" + std::to_string(c.lastClient));
    TableMode mode;
    mode.NetGame = true;
    mode.NetRole = c.role;
    mode.LastClient = c.lastClient;
    Start(1, mode);  // dummy North (server view); West leads
    game.StartPlay();
    for (int turnValue = 0; turnValue < 4; ++turnValue) {
      const int seat = SeatToPlay(s);
      EXPECT_EQ(flow.ComputerMoveDue(), c.dueWestEast && (seat == kWest || seat == kEast)) << seat;
      game.PlayCard(seat, player.ChooseCard(s, seat), false);
    }
  }
  TableMode tournament;
  tournament.Tournament = true;
  Start(1, tournament);
  game.StartPlay();
  EXPECT_FALSE(flow.ComputerMoveDue());
}

TEST_F(FlowTest, TimerRunsAt200UntilPlayThenAt300AndOkWaitsForThePress) {
  Start(4);  // dummy West: the player leads
  EXPECT_EQ(game.Controls().TimerInterval, 200);
  EXPECT_FALSE(game.Controls().TimerRunning);
  flow.OnStartOrOk();
  EXPECT_EQ(s.Turn, 14);
  EXPECT_TRUE(game.Controls().TimerRunning);
  EXPECT_EQ(game.Controls().Start, StartCaption::Ok);
  EXPECT_FALSE(game.Controls().StartEnabled);
  flow.OnTimer1();  // the player's turn: the tick only speeds up the clock
  EXPECT_EQ(s.Turn, 14);
  EXPECT_EQ(game.Controls().TimerInterval, 300);
  ASSERT_TRUE(flow.OnPlayerCard(kSouth, player.ChooseCard(s, kSouth)));
  for (int tick = 0; tick < 3; ++tick) flow.OnTimer1();
  EXPECT_EQ(s.Turn, turn::kTrickComplete);
  EXPECT_TRUE(game.Controls().StartEnabled);
  for (int tick = 0; tick < 5; ++tick) flow.OnTimer1();  // nothing gathers by itself
  EXPECT_EQ(s.Turn, turn::kTrickComplete);
  flow.OnStartOrOk();
  EXPECT_EQ(s.TrickNo, 2);
  EXPECT_FALSE(game.Controls().StartEnabled);
}

TEST_F(FlowTest, RevokeIsRefusedWithASound) {
  // Deal until South, third to play, holds the led suit and something else.
  int revoke = 0;
  for (int attempt = 0; attempt < 50 && revoke == 0; ++attempt) {
    Start(2);  // dummy East: North leads, then East (computer), then the player
    flow.OnStartOrOk();
    flow.OnTimer1();
    flow.OnTimer1();
    ASSERT_EQ(s.Turn, 14);
    for (int slot = 1; slot <= 13 && revoke == 0; ++slot) {
      if (IsRevoke(s, kSouth, slot)) revoke = slot;
    }
  }
  ASSERT_NE(revoke, 0);
  const GameState before = s;
  view.calls.clear();
  EXPECT_FALSE(flow.OnPlayerCard(kSouth, revoke));
  EXPECT_TRUE(view.Called("PlayEffect WWrongs"));
  EXPECT_EQ(s, before);
}

TEST_F(FlowTest, AWholeCycleAgainstTheComputerEndsAfterTheFortiethDeal) {
  Start(1);
  std::int32_t expected = 0;
  for (int deal = 1; deal <= 40; ++deal) {
    SCOPED_TRACE(deal);
    ASSERT_EQ(s.KonNo, deal);
    ASSERT_EQ(s.SeriesKon, deal);
    const bool southIsDummy = s.Dummy == kSouth;
    ASSERT_NO_FATAL_FAILURE(PlayDeal());
    if (southIsDummy) {
      EXPECT_FALSE(view.Called("PlayEffect WWrongs"));
    }
    // Score the deal independently from what was taken.
    DealScore score = ScoreDeal(s.Taken[1], s.Taken[2], s.SideTricks[1], s.SideTricks[2], s.Trump, game.Options());
    ApplyCompleteness(score, s.Taken[1], s.Taken[2], s.Trump, true);
    expected += score.Sides[2].All() - score.Sides[1].All();
    EXPECT_EQ(s.SeriesResult, expected);
    EXPECT_EQ(s.TotalScore, 100 + expected);
    EXPECT_TRUE(view.Called("ShowScoreSheet final"));
    // "Show cards at end of game": all hands shown again and frozen.
    for (int seat = 1; seat <= 4; ++seat) {
      EXPECT_EQ(CountCards(s.Hands[seat]), 13);
      EXPECT_EQ(s.CardsLeft[seat], 0);
      EXPECT_FALSE(flow.OnPlayerCard(seat, 1));
    }
    EXPECT_TRUE(s.CanExit);
    EXPECT_TRUE(game.Controls().ExitEnabled);
    EXPECT_EQ(game.Controls().Start, StartCaption::NextGame);
    EXPECT_EQ(game.Controls().StartEnabled, deal != 40);
    if (deal < 40) flow.OnStartOrOk();
  }
  flow.OnStartOrOk();  // "Next game" after the fortieth deal is refused
  EXPECT_EQ(s.KonNo, 40);
  EXPECT_EQ(s.Turn, turn::kDealScored);
  flow.OnExitToMenu();
  EXPECT_TRUE(view.Called("FinishSeries " + std::to_string(expected) + " 40"));
  EXPECT_FALSE(s.GameShown);
}

TEST_F(FlowTest, EndOfDealButtonsByKindOfGame) {
  struct Case {
    const char* name;
    int konNo;
    bool lan, server, rated, tournament, firstPlace;
    bool startEnabled, exitEnabled, canExit;
    int pause;
  };
  const Case cases[] = {
      {"computer, deal 39", 39, false, false, false, false, false, true, true, true, 0},
      {"computer, deal 40 ends the cycle", 40, false, false, false, false, false, false, true, true, 0},
      {"computer, deal 41 goes on", 41, false, false, false, false, false, true, true, true, 0},
      {"rated play inside a session", 6, false, false, true, false, false, true, false, true, 0},
      {"rated play at a session's end", 8, false, false, true, false, false, false, true, true, 0},
      // LAN and tournament games count their own deals: konNo is the deal of the game here,
      // and the players' running deal numbers are elsewhere.
      {"LAN server inside a session", 2, true, true, false, false, false, true, false, false, 5000},
      {"LAN client inside a session", 3, true, false, false, false, false, false, false, false, 0},
      {"LAN at a session's end", 4, true, true, false, false, false, false, true, true, 0},
      {"tournament first place", 2, false, false, false, true, true, true, false, false, 3000},
      {"tournament other place", 2, false, false, false, true, false, false, false, false, 0},
      {"tournament end, first place", 4, false, false, false, true, true, false, true, true, 0},
      {"tournament end, other place", 4, false, false, false, true, false, false, false, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TableMode mode;
    mode.NetGame = c.lan;
    mode.NetRole = c.lan ? (c.server ? 1 : 2) : 0;
    mode.LastClient = c.lan ? 0 : -1;
    mode.AccountState = c.rated ? 3 : 2;
    mode.Tournament = c.tournament;
    mode.TournamentFirstPlace = c.firstPlace;
    const bool ownCount = c.lan || c.tournament;
    Start(ownCount ? 7 : c.konNo, mode);
    for (int deal = 1; ownCount && deal < c.konNo; ++deal) {
      PlayOut();
      flow.OnTimer1();
      game.ShuffleAndDeal(true);
    }
    PlayOut();
    view.calls.clear();
    view.frames.clear();
    flow.OnTimer1();
    EXPECT_EQ(s.Turn, turn::kDealScored);
    EXPECT_EQ(game.Controls().StartEnabled, c.startEnabled);
    EXPECT_EQ(game.Controls().ExitEnabled, c.exitEnabled);
    EXPECT_EQ(s.CanExit, c.canExit);
    EXPECT_EQ(view.Called("Pause " + std::to_string(c.pause)), c.pause != 0);
    const bool closesSheets = (c.lan && c.server) || (c.tournament && c.firstPlace);
    // The others hear of the closing while this sheet is still being closed, not after the
    // program gets on: another modal loop may lie between the two.
    EXPECT_EQ(view.framesWhileSheetShown > 0 && view.frames[0].rfind("hclos", 0) == 0, closesSheets);

    // "Exit to menu" only works when the button is enabled.
    flow.OnExitToMenu();
    EXPECT_EQ(s.GameShown, !(c.canExit && c.exitEnabled));
  }
}

TEST_F(FlowTest, LanServerPausesAfterAComputerCardCompletesATrick) {
  TableMode mode;
  mode.NetGame = true;
  mode.NetRole = 1;
  mode.LastClient = 0;
  Start(5, mode);
  // The second deal of a LAN game has East as the dummy: North leads, East, South, then
  // West (the server's computer) completes the trick.
  PlayOut();
  flow.OnTimer1();
  game.ShuffleAndDeal(true);
  ASSERT_EQ(s.Dummy, kEast);
  flow.OnStartOrOk();
  EXPECT_EQ(view.frames.back(), "hshow1");
  for (int card = 0; card < 3; ++card) game.PlayCard(SeatToPlay(s), player.ChooseCard(s, SeatToPlay(s)), false);
  ASSERT_EQ(s.Turn, 11);
  view.calls.clear();
  flow.OnTimer1();
  EXPECT_EQ(s.Turn, turn::kTrickComplete);
  EXPECT_TRUE(view.Called("Pause 2000"));
  EXPECT_TRUE(game.Controls().StartEnabled);
  flow.OnStartOrOk();
  EXPECT_EQ(view.frames.back(), "hslit1");
}

TEST_F(FlowTest, LeavingInTheMiddle) {
  struct Case {
    const char* name;
    PlayerSlot slot;
    bool lan, tournament, rated, agree;
    const char* removed;  // expected RemovePlayerFromClub call, or ""
  };
  const Case cases[] = {
      {"club member", PlayerSlot::Member1, false, false, false, true, "RemovePlayerFromClub 1 local"},
      {"member at a LAN table", PlayerSlot::Member5, true, false, false, true, "RemovePlayerFromClub 5 net"},
      {"new player has no line", PlayerSlot::NewPlayer, false, false, false, true, ""},
      {"rated club account", PlayerSlot::ClubAccount, false, false, true, true, ""},
      {"tournament", PlayerSlot::Tournament, false, true, false, true, ""},
      {"the player says no", PlayerSlot::Member1, false, false, false, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TableMode mode;
    mode.NetGame = c.lan;
    mode.NetRole = c.lan ? 1 : 0;
    mode.Tournament = c.tournament;
    mode.AccountState = c.rated ? 3 : 2;
    records.kon = 0;
    mode.Player = c.slot;
    game.SetMode(mode);
    flow.StartSeries();
    flow.OnStartOrOk();
    view.calls.clear();
    view.agreeToLeave = c.agree;
    EXPECT_EQ(flow.OnQuit(), c.agree);
    EXPECT_EQ(s.GameShown, !c.agree);
    bool removed = false;
    for (const std::string& call : view.calls) removed = removed || call.rfind("RemovePlayerFromClub", 0) == 0;
    EXPECT_EQ(removed, *c.removed != '\0');
    if (*c.removed != '\0') {
      EXPECT_TRUE(view.Called(c.removed));
    }
    EXPECT_EQ(view.Called("LeaveRatedPlay"), c.agree && c.rated);
    EXPECT_EQ(game.Mode().AccountState, c.agree && c.rated ? 2 : mode.AccountState);
    EXPECT_EQ(view.Called("CloseConnections"), c.agree && (c.lan || c.tournament));
    EXPECT_EQ(view.Called("ShowMenu"), c.agree);
    EXPECT_FALSE(view.Called("FinishSeries 0 1"));  // nothing is recorded
    if (c.agree) {
      EXPECT_EQ(game.Controls().TimerInterval, 20);
      EXPECT_TRUE(game.Controls().TimerRunning);
    }
  }
}

}  // namespace
}  // namespace tavlo

namespace tavlo {
namespace {

// A window that thinks elsewhere: the deferred tick names the seat and plays nothing; the
// answer is played only while that seat's card is still due.
TEST_F(FlowTest, AComputerCardChosenElsewhereIsPlayedOnlyWhileStillDue) {
  Start(3);  // South is the dummy: the computer plays every card
  flow.OnStartOrOk();
  const int seat = flow.OnTimer1Deferred();
  ASSERT_EQ(seat, SeatToPlay(s));
  EXPECT_EQ(s.TrickPos, 1);
  EXPECT_EQ(game.Controls().TimerInterval, 300);

  int legal = 1;
  while (!IsLegalPlay(s, seat, legal)) ++legal;
  EXPECT_FALSE(flow.OnComputerCard(NextSeat(seat), 1)) << "not that seat's turn";
  EXPECT_EQ(s.TrickPos, 1);
  EXPECT_TRUE(flow.OnComputerCard(seat, legal));
  EXPECT_EQ(s.TrickPos, 2);
  EXPECT_FALSE(flow.OnComputerCard(seat, legal)) << "an answer that came twice";
  EXPECT_EQ(s.TrickPos, 2);

  // The fourth card of a trick enables "Ok" as on the window's own tick.
  while (s.Turn != turn::kTrickComplete) {
    const int next = flow.OnTimer1Deferred();
    ASSERT_NE(next, 0);
    ASSERT_TRUE(flow.OnComputerCard(next, computer.ChooseCard(s, next)));
  }
  EXPECT_TRUE(game.Controls().StartEnabled);
  EXPECT_EQ(flow.OnTimer1Deferred(), 0) << "nothing is due while the trick waits for Ok";

  // The player's own turn and a table that was left take no computer card.
  Start(1);
  flow.OnStartOrOk();
  while (!flow.PlayerControls(SeatToPlay(s))) {
    const int next = flow.OnTimer1Deferred();
    ASSERT_NE(next, 0);
    ASSERT_TRUE(flow.OnComputerCard(next, computer.ChooseCard(s, next)));
  }
  EXPECT_EQ(flow.OnTimer1Deferred(), 0);
  EXPECT_FALSE(flow.OnComputerCard(SeatToPlay(s), 1));
  ASSERT_TRUE(flow.OnPlayerCard(SeatToPlay(s), player.ChooseCard(s, SeatToPlay(s))));
  const int due = flow.OnTimer1Deferred();
  ASSERT_NE(due, 0);
  view.agreeToLeave = true;
  ASSERT_TRUE(flow.OnQuit());
  const std::uint8_t pos = s.TrickPos;
  EXPECT_FALSE(flow.OnComputerCard(due, 1));
  EXPECT_EQ(s.TrickPos, pos);
}

}  // namespace
}  // namespace tavlo
