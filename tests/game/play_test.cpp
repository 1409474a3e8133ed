#include <gtest/gtest.h>

#include "game/game.h"
#include "game/seats.h"
#include "game/trick.h"
#include "recording_boundary.h"
#include "test_cards.h"

namespace tavlo {
namespace {

using testing::C;
using testing::List;
using testing::RecordingBoundary;

// A state with the four cards of a trick on the table, led by `leader`.
GameState TrickOnTable(const std::string& cards, char trump, int leader, int trickNo = 7) {
  GameState s;
  s.Trump = trump;
  s.Leader = leader;
  s.TrickNo = static_cast<std::uint8_t>(trickNo);
  s.Table = List<4>(cards);
  for (int p = 1; p <= 4; ++p) s.TableRanks[p] = RankValueOf(s.Table[p]);
  s.LedSuit = s.Table[1].suit;
  s.TrickPos = 5;
  return s;
}

TEST(ResolveTrickTest, HighestTrumpElseHighestOfTheLedSuitWins) {
  struct Case {
    const char* name;
    const char* cards;
    char trump;
    int leader;
    int winner;
  };
  const Case cases[] = {
      {"a low trump beats the led suit", "5h Ah 2s Kh", kSpades, kWest, kEast},
      {"a high discard never wins", "5h As Kh 2c", kDiamonds, kNorth, kSouth},
      {"highest of several trumps", "2s 3s As Ks", kSpades, kSouth, kNorth},
      {"trump led and followed low", "3s Ah 2s 4d", kSpades, kEast, kEast},
      {"nobody follows and nobody trumps", "9c Ah Kh Ad", kSpades, kWest, kWest},
      {"overtrump by the fourth hand", "Kh 2d Ah 3d", kDiamonds, kNorth, kWest},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameState s = TrickOnTable(c.cards, c.trump, c.leader);
    const int side = ResolveTrick(s, RuleOptions{});
    EXPECT_EQ(s.Leader, c.winner);
    EXPECT_EQ(side, SideOf(c.winner));
    EXPECT_EQ(s.SideTricks[side], 1);
    EXPECT_EQ(s.SideTricks[OtherSide(side)], 0);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(s.Taken[side][p], s.Table[p]);  // play order kept
  }
}

TEST(ResolveTrickTest, IgnoreFirstSixTakesButDoesNotCountTheEarlyTricks) {
  for (const bool ignore : {true, false}) {
    SCOPED_TRACE(ignore);
    RuleOptions options;
    options.IgnoreFirstSix = ignore;
    GameState s;
    s.Trump = kSpades;
    s.Leader = kWest;
    // West-East win tricks 1..6 with the hearts, North-South tricks 7..13 with spades.
    for (int trick = 1; trick <= 13; ++trick) {
      s.TrickNo = static_cast<std::uint8_t>(trick);
      s.Table[1] = MakeCard(trick, trick <= 6 ? kHearts : kSpades);
      s.Table[2] = MakeCard(trick, kDiamonds);
      s.Table[3] = MakeCard(trick, kClubs);
      s.Table[4] = MakeCard(trick, trick <= 6 ? kSpades : kHearts);
      for (int p = 1; p <= 4; ++p) s.TableRanks[p] = RankValueOf(s.Table[p]);
      s.LedSuit = s.Table[1].suit;
      s.Leader = kNorth;  // the fourth hand (West) trumps early, later North leads trumps
      ResolveTrick(s, options);
      EXPECT_EQ(s.Leader, trick <= 6 ? kWest : kNorth);
    }
    EXPECT_EQ(CountCards(s.Taken[1]), 24);
    EXPECT_EQ(CountCards(s.Taken[2]), 28);
    EXPECT_EQ(s.SideTricks[1], ignore ? 0 : 6);
    EXPECT_EQ(s.SideTricks[2], 7);
  }
}

TEST(IsRevokeTest, FollowSuitWhenYouCan) {
  struct Case {
    const char* name;
    const char* hand;
    const char* table;  // cards already on the table, led first
    int slot;
    bool revoke;
  };
  const Case cases[] = {
      {"any lead", "2h 3c", "", 2, false},
      {"follows", "2h 3c", "Kh", 1, false},
      {"discard while holding the suit", "2h 3c", "Kh", 2, true},
      {"discard when void", "2d 3c", "Kh", 1, false},
      {"trump when void is no duty but allowed", "2d 3s", "Kh 4h", 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameState s;
    s.Hands[kSouth] = List<kHandSlots>(c.hand);
    const auto table = testing::Cards(c.table);
    for (std::size_t i = 0; i < table.size(); ++i) s.Table[static_cast<int>(i) + 1] = table[i];
    s.TrickPos = static_cast<std::uint8_t>(table.size() + 1);
    s.LedSuit = table.empty() ? kNoSuit : table[0].suit;
    EXPECT_EQ(IsRevoke(s, kSouth, c.slot), c.revoke);
    EXPECT_EQ(IsLegalPlay(s, kSouth, c.slot), !c.revoke);
  }
}

TEST(RecordKnowledgeTest, PlayedCardsAndShownOutSuits) {
  GameState s;
  s.Leader = kEast;
  s.TrumpCard = C("7s");
  for (int seat = 1; seat <= 4; ++seat) s.NotHeld[seat][1] = seat == kNorth ? kNoCard : s.TrumpCard;
  s.Table = List<4>("5h 7s");  // East leads a heart, South discards the turned-up trump card
  RecordKnowledge(s, 1);
  RecordKnowledge(s, 2);
  for (int seat = 1; seat <= 4; ++seat) {
    int sevens = 0;
    for (const TCardCode& c : s.NotHeld[seat]) sevens += c == C("7s") ? 1 : 0;
    EXPECT_EQ(sevens, 1) << "seat " << seat;  // AddUnique never duplicates
  }
  // South showed out of hearts: all thirteen (the led 5h only once), in rank order.
  EXPECT_EQ(CountCards(s.NotHeld[kSouth]), 1 + 13);
  EXPECT_EQ(s.NotHeld[kSouth][3], C("2h"));
  EXPECT_EQ(s.NotHeld[kSouth][14], C("Ah"));
  EXPECT_EQ(CountCards(s.NotHeld[kEast]), 2);  // the leader only revealed its card
}

class PlayTest : public ::testing::Test {
 protected:
  RecordingBoundary view;
  NewPlayerRecords records;
  Game game{view, records, 11};
  const GameState& s = game.State();

  void Deal(const TableMode& mode = TableMode{}) {
    game.SetMode(mode);
    game.ShuffleAndDeal(false);  // KonNo 1: dummy North, West leads
    ASSERT_TRUE(game.StartPlay());
  }
  int FirstLegal(int seat) const {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
      if (IsLegalPlay(s, seat, slot)) return slot;
    }
    return 0;
  }
};

TEST_F(PlayTest, ATrickPassesRoundAndStopsUntilGathered) {
  Deal();
  EXPECT_EQ(s.Turn, 11);
  EXPECT_EQ(s.DealPhase, 2);
  const TCardCode led = s.Hands[kWest][3];
  view.calls.clear();
  ASSERT_TRUE(game.PlayCard(kWest, 3, true));
  EXPECT_EQ(view.calls.front(), "RedrawHand 2 up");  // the dummy lies open from the first card
  EXPECT_TRUE(view.Called("CardToTable 1 3 down"));
  EXPECT_TRUE(view.Called("PlayEffect WHodsDo"));
  EXPECT_TRUE(view.frames.empty());  // no network partners
  EXPECT_EQ(s.Table[1], led);
  EXPECT_EQ(s.LedSuit, led.suit);
  EXPECT_EQ(s.CardsLeft[kWest], 12);
  EXPECT_EQ(s.Turn, 12);
  for (int seat = 2; seat <= 4; ++seat) ASSERT_TRUE(game.PlayCard(seat, FirstLegal(seat), true));
  EXPECT_EQ(s.Turn, 6);
  EXPECT_EQ(s.TrickPos, 5);
  EXPECT_EQ(s.PrevWinner, kWest);
  EXPECT_EQ(CountCards(s.Taken[SideOf(s.Leader)]), 4);

  const int winner = s.Leader;
  ASSERT_TRUE(game.GatherTrick());
  EXPECT_TRUE(view.Called("GatherTrickArea " + std::to_string(winner)));
  EXPECT_EQ(s.Turn, 10 + winner);
  EXPECT_EQ(s.PrevWinner, winner);
  EXPECT_EQ(s.TrickNo, 2);
  EXPECT_EQ(s.TrickPos, 1);
  EXPECT_EQ(s.LedSuit, kNoSuit);
  EXPECT_TRUE(s.Table[1].IsEmpty());
}

TEST_F(PlayTest, LanMovesAreAnnouncedOnlyWhenAsked) {
  TableMode mode;
  mode.NetGame = true;
  mode.NetRole = 1;
  Deal(mode);
  view.frames.clear();
  ASSERT_TRUE(game.PlayCard(kWest, 7, true));
  ASSERT_TRUE(game.PlayCard(kNorth, FirstLegal(kNorth), false));  // a received move is not sent back
  ASSERT_EQ(view.frames.size(), 1u);
  EXPECT_EQ(view.frames[0], "hhd071");
}

TEST_F(PlayTest, TheLastTrickEndsTheDeal) {
  Deal();
  while (s.Turn != turn::kDealOver) {
    if (s.Turn == turn::kTrickComplete) {
      ASSERT_TRUE(game.GatherTrick());
    } else {
      ASSERT_TRUE(game.PlayCard(SeatToPlay(s), FirstLegal(SeatToPlay(s)), true));
    }
  }
  EXPECT_TRUE(view.Called("DealOver"));
  EXPECT_EQ(CountCards(s.Taken[1]) + CountCards(s.Taken[2]), 52);
  for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(s.CardsLeft[seat], 0);
}

#ifdef NDEBUG
TEST_F(PlayTest, OutOfTurnCallsChangeNothing) {
  Deal();
  for (int card = 0; card < 4; ++card) ASSERT_TRUE(game.PlayCard(SeatToPlay(s), FirstLegal(SeatToPlay(s)), true));
  ASSERT_TRUE(game.GatherTrick());
  const int leader = SeatToPlay(s);
  const GameState before = s;
  EXPECT_FALSE(game.PlayCard(leader, 13, true));            // the leader's slot 13 is empty now
  EXPECT_FALSE(game.PlayCard(NextSeat(leader), 1, true));   // not that seat's turn
  EXPECT_FALSE(game.PlayCard(leader, 0, true));             // no slot 0
  EXPECT_FALSE(game.PlayCard(5, 1, true));                  // no seat 5
  EXPECT_FALSE(game.GatherTrick());                         // the trick is not complete
  EXPECT_FALSE(game.StartPlay());                           // play has started already
  EXPECT_EQ(s, before);
}
#else
TEST_F(PlayTest, OutOfTurnCallsStopADebugBuild) {
  Deal();
  EXPECT_DEATH(game.PlayCard(kSouth, 1, true), "precondition");
  EXPECT_DEATH(game.GatherTrick(), "precondition");
}
#endif

}  // namespace
}  // namespace tavlo
