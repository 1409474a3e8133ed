#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

#include "club_server_fixture.h"
#include "net/club/headless_tour.h"
#include "net/lan/recutting_relay.h"

namespace tavlo::testing {
namespace {

using TourPlayers = ClubServerTest;

// Four programs with the computer player in the human's place, seated through the lobby
// requests, play a whole game at a real table. They start from different tournament game
// counts, so each one's own running deal number would give another dummy.
class TourPlayersRecut : public TourPlayers, public ::testing::WithParamInterface<bool> {};

TEST_P(TourPlayersRecut, FourProgramsPlayAWholeGameAndAgreeOnEveryDeal) {
  ASSERT_TRUE(StartServer({"--tour-tables", "--tour-host", "127.0.0.1", "--tour-base-port", "0"}));
  const char* const nicks[4] = {"Ann", "Bob", "Cid", "Dora"};
  const std::int32_t games[4] = {0, 5, 2, 11};
  // With the parameter set, every stream passes a relay that cuts it at random places.
  std::unique_ptr<lan::RecuttingRelay> relay;
  if (GetParam()) {
    const TourTables tables = Client().ReadTables();
    ASSERT_TRUE(tables.Ok);
    relay = std::make_unique<lan::RecuttingRelay>(static_cast<std::uint16_t>(tables.Rows[7].Port), 9);
    ASSERT_TRUE(relay->Start());
  }
  std::vector<std::unique_ptr<HeadlessTourPlayer>> players;
  for (int k = 0; k < 4; ++k) {
    players.push_back(std::make_unique<HeadlessTourPlayer>(nicks[k], games[k], 40 + static_cast<std::uint64_t>(k)));
    ASSERT_TRUE(players.back()->TakeSeat(Client(), 7, k + 1, relay ? relay->Port() : 0)) << nicks[k];
  }
  QElapsedTimer clock;
  clock.start();
  // Ended: the server's 'e' and the last deal scored, or anything that ends a table early
  // (a leave, or the copies no longer agreeing).
  const auto allEnded = [&] {
    for (auto& p : players) {
      const bool early = p->LeftPlace() != 0 || p->Connection().TourLink() != TourConnection::Finished;
      if (!p->Ended() || (!p->Flow().GameOver() && !early)) return false;
    }
    return true;
  };
  while (!allEnded() && clock.elapsed() < 120000) {
    bool acted = false;
    for (auto& p : players) acted = p->Step() || acted;
    QCoreApplication::processEvents(acted ? QEventLoop::AllEvents : QEventLoop::WaitForMoreEvents, 20);
  }
  ASSERT_TRUE(allEnded()) << "the table stopped progressing";
  for (auto& p : players) {
    EXPECT_TRUE(p->Flow().GameOver()) << p->Nick() << ": the game did not reach its end";
    EXPECT_EQ(p->LeftPlace(), 0) << p->Nick() << ": nobody left or ran out of time";
    EXPECT_EQ(p->DealLines().size(), 4u) << p->Nick();
    EXPECT_EQ(p->DealLines(), players[0]->DealLines()) << p->Nick() << " saw other deals";
    EXPECT_EQ(p->PlaceOneResult(), players[0]->PlaceOneResult()) << p->Nick();
  }
  const std::int32_t result = players[0]->PlaceOneResult();
  for (int k = 0; k < 4; ++k) {
    const TourRating rating = Client().ReadTourRating(nicks[k]);
    ASSERT_TRUE(rating.Ok);
    EXPECT_EQ(rating.Kon, 1) << nicks[k];
    EXPECT_EQ(rating.Score, k < 2 ? result : -result) << nicks[k];
  }
  if (relay) {
    EXPECT_GT(relay->Pieces(), 100u) << "the streams were cut up";
  }
}

INSTANTIATE_TEST_SUITE_P(Streams, TourPlayersRecut, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Recut" : "AsSent"; });

TEST_F(TourPlayers, WhenAPlayerLeavesMidGameTheOthersAreToldWhich) {
  ASSERT_TRUE(StartServer({"--tour-tables", "--tour-host", "127.0.0.1", "--tour-base-port", "0"}));
  const char* const nicks[4] = {"Ann", "Bob", "Cid", "Dora"};
  std::vector<std::unique_ptr<HeadlessTourPlayer>> players;
  for (int k = 0; k < 4; ++k) {
    players.push_back(std::make_unique<HeadlessTourPlayer>(nicks[k], 0, 60 + static_cast<std::uint64_t>(k)));
    ASSERT_TRUE(players.back()->TakeSeat(Client(), 3, k + 1)) << nicks[k];
  }
  QElapsedTimer clock;
  clock.start();
  bool left = false;
  const auto othersTold = [&] {
    for (int k = 0; k < 4; ++k) {
      if (k != 2 && !players[static_cast<std::size_t>(k)]->Ended()) return false;
    }
    return left;
  };
  while (!othersTold() && clock.elapsed() < 60000) {
    bool acted = false;
    for (int k = 0; k < 4; ++k) {
      if (k == 2 && left) continue;
      acted = players[static_cast<std::size_t>(k)]->Step() || acted;
    }
    // Place 3 quits in the middle of the second trick of the first deal.
    const GameState& s = players[2]->TheGame().State();
    if (!left && s.GameShown && s.TrickNo == 2) {
      players[2]->Connection().Close();
      left = true;
    }
    QCoreApplication::processEvents(acted ? QEventLoop::AllEvents : QEventLoop::WaitForMoreEvents, 20);
  }
  ASSERT_TRUE(othersTold());
  for (int k : {0, 1, 3}) {
    EXPECT_EQ(players[static_cast<std::size_t>(k)]->LeftPlace(), 3) << nicks[k];
    EXPECT_EQ(players[static_cast<std::size_t>(k)]->Connection().TourLink(), TourConnection::Finished) << nicks[k];
  }
  EXPECT_EQ(Client().ReadTourRating("Ann").Kon, 0) << "the game is not counted";
}

}  // namespace
}  // namespace tavlo::testing
