#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "game/deal_message.h"
#include "game/game.h"
#include "game/seats.h"
#include "recording_boundary.h"
#include "test_cards.h"

namespace tavlo {
namespace {

using testing::RecordingBoundary;

// A club whose members have the running values the test gives them.
class FakeRecords : public PlayerRecords {
 public:
  std::map<int, PlayerValues> members;
  PlayerValues LoadPlayer(PlayerSlot slot, bool) override {
    auto it = members.find(static_cast<int>(slot));
    return it != members.end() ? it->second : PlayerValues{"Ann                 ", 0.0, 0, 0, 0};
  }
};

class DealTest : public ::testing::Test {
 protected:
  RecordingBoundary view;
  FakeRecords records;
  Game game{view, records, 7};
  const GameState& s = game.State();

  // Starts a series for a club member whose next deal is `konNo`.
  void StartAtDeal(int konNo) {
    records.members[1] = PlayerValues{"Ann                 ", 1.5, konNo - 1, 12, 0};
    TableMode mode;
    mode.Player = PlayerSlot::Member1;
    game.SetMode(mode);
    game.ShuffleAndDeal(false);
  }
};

TEST(ShuffleTest, SameSeedSameDeckAndEveryCardOnce) {
  QuietBoundary view;
  NewPlayerRecords records;
  Game a(view, records, 42), b(view, records, 42), c(view, records, 43);
  a.Shuffle();
  b.Shuffle();
  c.Shuffle();
  EXPECT_EQ(a.State().Deck, b.State().Deck);
  EXPECT_NE(a.State().Deck, c.State().Deck);
  std::array<int, 53> seen{};
  for (int i = 1; i <= 52; ++i) {
    ++seen[static_cast<std::size_t>(NumberOfCard(a.State().Deck[i]))];
    EXPECT_EQ(a.State().DeckRanks[i], RankValueOf(a.State().Deck[i]));
  }
  for (int n = 1; n <= 52; ++n) EXPECT_EQ(seen[static_cast<std::size_t>(n)], 1);
}

TEST(ShuffleTest, EveryCardIsEquallyLikelyAtEveryPosition) {
  // 26,000 decks: each (position, card) cell expects 500; a chi-square over the
  // 52 x 52 table stays far below the 1% critical value (~2,800 for 2,601 degrees of
  // freedom) for a uniform shuffle and explodes for a biased one.
  QuietBoundary view;
  NewPlayerRecords records;
  Game game(view, records, 2026);
  std::array<std::array<int, 52>, 52> counts{};
  const int decks = 26000;
  for (int d = 0; d < decks; ++d) {
    game.Shuffle();
    for (int i = 1; i <= 52; ++i) ++counts[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(NumberOfCard(game.State().Deck[i]) - 1)];
  }
  const double expected = decks / 52.0;
  double chi2 = 0;
  for (const auto& row : counts) {
    for (int n : row) chi2 += (n - expected) * (n - expected) / expected;
  }
  EXPECT_LT(chi2, 2800.0);
}

TEST_F(DealTest, DummyFollowsTheRunningDealNumber) {
  struct Case {
    int konNo, dummy, leader;
  };
  const Case cases[] = {{1, kNorth, kWest}, {2, kEast, kNorth}, {3, kSouth, kEast}, {4, kWest, kSouth},
                        {16, kWest, kSouth}, {17, kNorth, kWest}, {40, kWest, kSouth}, {41, kNorth, kWest}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.konNo);
    StartAtDeal(c.konNo);
    EXPECT_EQ(s.KonNo, c.konNo);
    EXPECT_EQ(s.Turn, c.dummy);
    EXPECT_EQ(s.Dummy, c.dummy);
    EXPECT_EQ(s.Leader, c.leader);
    EXPECT_EQ(s.PrevWinner, c.leader);
  }
}

TEST_F(DealTest, PacketsGoToSouthNorthWestEastAndTrumpIsTheDummysLastCard) {
  StartAtDeal(1);  // dummy North: trump from packet 2, Deck[26]
  EXPECT_EQ(s.TrumpCard, s.Deck[26]);
  EXPECT_EQ(s.Trump, s.Deck[26].suit);
  const int packetSeat[4] = {kSouth, kNorth, kWest, kEast};
  for (int packet = 0; packet < 4; ++packet) {
    for (int k = 1; k <= 13; ++k) {
      const TCardCode dealt = s.Deck[packet * 13 + k];
      bool found = false;
      for (const TCardCode& c : s.Hands[packetSeat[packet]]) found = found || c == dealt;
      EXPECT_TRUE(found) << "packet " << packet + 1 << " card " << k;
    }
  }
  for (int seat = 1; seat <= 4; ++seat) {
    EXPECT_EQ(s.CardsLeft[seat], 13);
    EXPECT_EQ(CountCards(s.Hands[seat]), 13);
    // Trump card known to be out of every hand but the dummy's.
    EXPECT_EQ(s.NotHeld[seat][1], seat == kNorth ? kNoCard : s.TrumpCard);
    EXPECT_EQ(CountCards(s.NotHeld[seat]), seat == kNorth ? 0 : 1);
  }

  StartAtDeal(3);  // dummy South: trump from the player's own 13th card
  EXPECT_EQ(s.TrumpCard, s.Deck[13]);
  EXPECT_EQ(s.Leader, kEast);
}

TEST_F(DealTest, EachDealStartsCleanAndCounts) {
  StartAtDeal(5);
  EXPECT_EQ(s.SeriesKon, 1);
  EXPECT_EQ(s.StartScore, 12);
  EXPECT_DOUBLE_EQ(s.PlayerRating, 1.5);
  EXPECT_EQ(s.SeatNames[4], "Ann");
  EXPECT_EQ(s.SeatNames[1], "PC");
  EXPECT_EQ(s.TrickNo, 1);
  EXPECT_EQ(s.TrickPos, 1);
  EXPECT_EQ(s.DealPhase, 1);
  EXPECT_TRUE(s.GameShown);
  EXPECT_FALSE(s.CanExit);
  EXPECT_EQ(s.LedSuit, kNoSuit);
  EXPECT_EQ(CountCards(s.Taken[1]) + CountCards(s.Taken[2]), 0);
  EXPECT_TRUE(view.Called("SetStartButton 0 on"));
  EXPECT_TRUE(view.Called("SetExitButton off"));
  EXPECT_TRUE(view.Called("PlayEffect WTasoKo"));
  EXPECT_TRUE(view.Called("SetTimer1 200 stop"));

  const DeckCards first = s.Deck;
  game.ShuffleAndDeal(true);  // "Next game": same series, next deal number, new deck
  EXPECT_EQ(s.KonNo, 6);
  EXPECT_EQ(s.SeriesKon, 2);
  EXPECT_NE(s.Deck, first);

  game.ShuffleAndDeal(false);  // a new series reloads the running values
  EXPECT_EQ(s.KonNo, 5);
  EXPECT_EQ(s.SeriesKon, 1);
}

TEST_F(DealTest, ANewPlayerStartsFromZeroWhateverTheRecordsSay) {
  records.members[6] = PlayerValues{"Bob", 9.0, 77, 300, 0};
  game.ShuffleAndDeal(false);
  EXPECT_EQ(s.KonNo, 1);
  EXPECT_EQ(s.StartScore, 0);
  EXPECT_DOUBLE_EQ(s.PlayerRating, 0.0);
  EXPECT_EQ(s.SeatNames[4], "Bob");
}

TEST_F(DealTest, RepeatDealIsNotCountedTwice) {
  StartAtDeal(9);
  game.SetRepeatDeal(true);
  game.ShuffleAndDeal(true);
  EXPECT_EQ(s.KonNo, 9);
  EXPECT_EQ(s.SeriesKon, 1);
}

TEST_F(DealTest, ChosenDeckIsDealtAsGiven) {
  DeckCards deck;
  for (int i = 1; i <= 52; ++i) deck[i] = CardFromNumber(i);
  game.SetNextDeck(deck);
  game.ShuffleAndDeal(false);  // KonNo 1: dummy North, trump = Deck[26] = 8 of diamonds
  EXPECT_EQ(s.Deck, deck);
  EXPECT_EQ(s.TrumpCard, CardFromNumber(26));
  EXPECT_EQ(s.Trump, kDiamonds);
  game.ShuffleAndDeal(true);  // only once: the next deal shuffles again
  EXPECT_NE(s.Deck, deck);
}

TEST(LanDealTest, ServerSendsTheDeckAndClientsSitRotated) {
  DeckCards deck;
  for (int i = 1; i <= 52; ++i) deck[i] = CardFromNumber(i);

  RecordingBoundary serverView;
  NewPlayerRecords records;
  Game server(serverView, records, 1);
  TableMode serverMode;
  serverMode.NetGame = true;
  serverMode.NetRole = 1;
  server.SetMode(serverMode);
  server.SetNextDeck(deck);
  server.ShuffleAndDeal(false);
  ASSERT_EQ(serverView.frames.size(), 1u);
  EXPECT_EQ(serverView.frames[0].size(), kDealMessageLength);
  EXPECT_TRUE(serverView.Called("SetStartButton 0 on"));

  // Role 2 sits at the server's North: the server's South hand is drawn at the client's North.
  struct Case {
    int role;
    int localOfServerSouth, localDummy;
  };
  for (const Case& c : {Case{2, kNorth, kSouth}, Case{3, kEast, kWest}, Case{4, kWest, kEast}}) {
    SCOPED_TRACE(c.role);
    RecordingBoundary clientView;
    Game client(clientView, records, 2);
    TableMode mode;
    mode.NetGame = true;
    mode.NetRole = c.role;
    client.SetMode(mode);
    DeckCards received;
    OneBased<std::uint8_t, 52> ranks;
    ASSERT_TRUE(ParseDealMessage(serverView.frames[0], received, ranks));
    client.SetNextDeck(received);
    client.ShuffleAndDeal(false);
    EXPECT_TRUE(clientView.frames.empty());
    EXPECT_TRUE(clientView.Called("SetStartButton 0 off"));
    EXPECT_EQ(client.State().Hands[c.localOfServerSouth], server.State().Hands[kSouth]);
    EXPECT_EQ(client.State().Dummy, c.localDummy);  // the server's dummy is North at KonNo 1
    EXPECT_EQ(client.State().TrumpCard, server.State().TrumpCard);
    EXPECT_EQ(client.State().SeatCompass[kSouth], CompassOfLocalSeat(kSouth, c.role));
  }
}

TEST(LanDealTest, ClientAwaitingItsFirstDealShowsTheWaitAtTheServersSeat) {
  const int serverSeat[5] = {0, 0, kNorth, kEast, kWest};
  for (int role = 2; role <= 4; ++role) {
    RecordingBoundary view;
    NewPlayerRecords records;
    Game client(view, records, 3);
    TableMode mode;
    mode.NetGame = true;
    mode.NetRole = role;
    mode.AwaitingDeal = true;
    client.SetMode(mode);
    client.ShuffleAndDeal(false);
    EXPECT_TRUE(view.Called("ShowAwaitingServer " + std::to_string(serverSeat[role])));
    EXPECT_FALSE(view.Called("ShowTrumpCard"));
    for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(CountCards(client.State().Hands[seat]), 0);
    EXPECT_EQ(client.State().Trump, kNoSuit);
  }
}

TEST_F(DealTest, ShowingAllCardsTurnsTheOtherHandsAndClearsAtANewSeries) {
  struct Case {
    int konNo;
    bool playing;
    std::vector<std::string> redraws;  // RedrawHand and ShowTrumpCard calls, in order
  };
  const Case cases[] = {
      // Before play the dummy's hand is closed, and the trump card goes back on it.
      {1, false, {"RedrawHand 1 down", "RedrawHand 2 down", "RedrawHand 3 down", "ShowTrumpCard"}},
      // South's own dummy hand keeps its trump mark and is not redrawn.
      {3, false, {"RedrawHand 1 down", "RedrawHand 2 down", "RedrawHand 3 down"}},
      // Once play has begun the dummy's hand lies face up and the trump card is not drawn again.
      {2, true, {"RedrawHand 1 down", "RedrawHand 2 down", "RedrawHand 3 up"}},
      {4, true, {"RedrawHand 1 up", "RedrawHand 2 down", "RedrawHand 3 down"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.konNo);
    StartAtDeal(c.konNo);
    if (c.playing) ASSERT_TRUE(game.StartPlay());
    ASSERT_FALSE(s.ShowAllCards);
    view.calls.clear();
    game.ToggleShowAllCards();
    EXPECT_TRUE(s.ShowAllCards);
    std::vector<std::string> drawn;
    for (const std::string& call : view.calls) {
      if (call.rfind("RedrawHand", 0) == 0 || call == "ShowTrumpCard") drawn.push_back(call);
    }
    EXPECT_EQ(drawn, c.redraws);
    game.ToggleShowAllCards();
    EXPECT_FALSE(s.ShowAllCards);
  }
  game.ToggleShowAllCards();
  game.ShuffleAndDeal(true);
  EXPECT_TRUE(s.ShowAllCards) << "kept for the next deal of the series";
  game.ShuffleAndDeal(false);
  EXPECT_FALSE(s.ShowAllCards) << "a new series starts with the hands closed";
}

}  // namespace
}  // namespace tavlo
