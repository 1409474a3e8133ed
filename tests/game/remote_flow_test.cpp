// The flow controller's entry points for a LAN partner's decisions.
#include <gtest/gtest.h>

#include "game/deal_message.h"
#include "game/flow.h"
#include "game/seats.h"
#include "game/trick.h"
#include "recording_boundary.h"

namespace tavlo {
namespace {

using testing::RecordingBoundary;

class KonRecords : public PlayerRecords {
 public:
  explicit KonRecords(std::int32_t kon) : kon_(kon) {}
  PlayerValues LoadPlayer(PlayerSlot, bool) override { return PlayerValues{"Eve", 0.0, kon_, 0, 0}; }

 private:
  std::int32_t kon_;
};

// One program of a LAN table.
struct Program {
  Program(int role, std::int32_t kon, std::uint64_t seed) : records(kon), game(view, records, seed) {
    TableMode mode;
    mode.NetGame = true;
    mode.NetRole = role;
    mode.LastClient = 0;
    mode.AwaitingDeal = role >= 2;
    mode.Player = PlayerSlot::Member1;
    game.SetMode(mode);
    flow.StartSeries();
  }
  RecordingBoundary view;
  KonRecords records;
  Game game;
  RandomCardChooser computer{3};
  FlowController flow{game, view, computer};
  const GameState& s = game.State();
};

DeckCards LastDeck(const RecordingBoundary& server) {
  for (auto it = server.frames.rbegin(); it != server.frames.rend(); ++it) {
    DeckCards deck;
    OneBased<std::uint8_t, 52> ranks;
    if (ParseDealMessage(*it, deck, ranks)) return deck;
  }
  ADD_FAILURE() << "the server sent no deal";
  return {};
}

// Server and client with different running deal numbers: the deal of the LAN game decides.
class RemoteFlowTest : public ::testing::Test {
 protected:
  Program server{1, 5, 77};
  Program client{2, 0, 78};

  void DealToClient() { ASSERT_TRUE(client.flow.OnRemoteDeal(LastDeck(server.view))); }
  // The local seat of the client that holds the server's seat `serverSeat`.
  static int OnClient(int serverSeat) { return ServerSeatToLocal(serverSeat, 2); }
};

TEST_F(RemoteFlowTest, TheFirstDealReachesAWaitingClientWithoutBeingCountedAgain) {
  ASSERT_TRUE(client.game.Mode().AwaitingDeal);
  const std::int32_t konBefore = client.s.KonNo;
  DealToClient();
  EXPECT_FALSE(client.game.Mode().AwaitingDeal);
  EXPECT_EQ(client.s.KonNo, konBefore);
  EXPECT_EQ(client.s.SeriesKon, 1);
  // Every hand lies at the rotated seat; the dummy and the trump card agree.
  for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(client.s.Hands[OnClient(seat)], server.s.Hands[seat]) << seat;
  EXPECT_EQ(client.s.Dummy, OnClient(server.s.Dummy));
  EXPECT_EQ(server.s.Dummy, kNorth);  // the first deal of a LAN game, whatever the server's KonNo
  EXPECT_EQ(client.s.TrumpCard, server.s.TrumpCard);
  EXPECT_FALSE(client.game.Controls().StartEnabled);
  // A second deal in the middle of this one is refused.
  EXPECT_FALSE(client.flow.OnRemoteDeal(LastDeck(server.view)));
}

TEST_F(RemoteFlowTest, MovesFromTheServerPlayTheSameCardsOnTheClient) {
  DealToClient();
  server.flow.OnStartOrOk();
  ASSERT_TRUE(client.flow.OnRemoteStart());
  EXPECT_EQ(client.s.Turn, 10 + OnClient(server.s.Turn - 10));
  EXPECT_FALSE(client.flow.OnRemoteStart()) << "play began already";
  RandomCardChooser chooser(9);
  while (server.s.Turn != turn::kDealOver) {
    if (server.s.Turn == turn::kTrickComplete) {
      EXPECT_FALSE(client.flow.OnRemoteCard(1)) << "nothing is played on a complete trick";
      server.game.GatherTrick();
      ASSERT_TRUE(client.flow.OnRemoteGather());
    } else {
      const int seat = SeatToPlay(server.s);
      const int slot = chooser.ChooseCard(server.s, seat);
      server.game.PlayCard(seat, slot, false);
      ASSERT_TRUE(client.flow.OnRemoteCard(slot));
    }
    ASSERT_EQ(client.s.Table, server.s.Table);
  }
  EXPECT_EQ(client.s.Turn, turn::kDealOver);
  EXPECT_EQ(client.s.SideTricks[2], server.s.SideTricks[2]);
}

TEST_F(RemoteFlowTest, ACardThatIsNotLegalIsRefusedAndNeverPlayed) {
  DealToClient();
  server.flow.OnStartOrOk();
  client.flow.OnRemoteStart();
  const int seat = SeatToPlay(server.s);
  const int first = 1;
  server.game.PlayCard(seat, first, false);
  ASSERT_TRUE(client.flow.OnRemoteCard(first));
  // The next seat: a card of another suit while it holds the led suit is a revoke.
  const int next = SeatToPlay(client.s);
  int revoke = 0;
  bool holdsLed = false;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    const TCardCode c = client.s.Hands[next][slot];
    holdsLed = holdsLed || c.suit == client.s.LedSuit;
    if (!c.IsEmpty() && c.suit != client.s.LedSuit) revoke = slot;
  }
  const GameState before = client.s;
  ASSERT_TRUE(holdsLed && revoke != 0) << "this deal gives the second seat a revoke to try";
  EXPECT_FALSE(client.flow.OnRemoteCard(revoke));
  for (const int slot : {0, 14, -3, 99}) EXPECT_FALSE(client.flow.OnRemoteCard(slot)) << slot;
  EXPECT_EQ(client.s, before);
}

TEST_F(RemoteFlowTest, TheServerOffersOkAfterAClientCompletesATrick) {
  DealToClient();
  server.flow.OnStartOrOk();
  RandomCardChooser chooser(4);
  for (int card = 0; card < 4; ++card) {
    const int seat = SeatToPlay(server.s);
    ASSERT_TRUE(server.flow.OnRemoteCard(chooser.ChooseCard(server.s, seat)));
  }
  EXPECT_EQ(server.s.Turn, turn::kTrickComplete);
  EXPECT_TRUE(server.view.Called("Pause 2000"));
  EXPECT_TRUE(server.game.Controls().StartEnabled);
}

TEST_F(RemoteFlowTest, APartnerWhoLeavesEndsARunningGameButNotAFinishedOne) {
  DealToClient();
  EXPECT_TRUE(client.flow.OnPartnerLeft());
  EXPECT_FALSE(client.s.GameShown);
  EXPECT_TRUE(client.view.Called("PlayEffect WWrongs"));
  EXPECT_TRUE(client.view.Called("ShowMenu"));
  EXPECT_FALSE(client.flow.OnPartnerLeft()) << "the table is left already";

  // The server plays its four deals to the end: then a partner may leave quietly.
  RandomCardChooser chooser(5);
  for (int deal = 1; deal <= 4; ++deal) {
    server.game.StartPlay();
    while (server.s.Turn != turn::kDealOver) {
      if (server.s.Turn == turn::kTrickComplete) {
        server.game.GatherTrick();
      } else {
        server.game.PlayCard(SeatToPlay(server.s), chooser.ChooseCard(server.s, SeatToPlay(server.s)), false);
      }
    }
    server.flow.OnTimer1();
    EXPECT_EQ(server.flow.GameOver(), deal == 4) << deal;
    if (deal < 4) server.flow.OnStartOrOk();
  }
  server.view.calls.clear();
  EXPECT_FALSE(server.flow.OnPartnerLeft());
  EXPECT_TRUE(server.s.GameShown);
  EXPECT_FALSE(server.view.Called("PlayEffect WWrongs"));
}

}  // namespace
}  // namespace tavlo
