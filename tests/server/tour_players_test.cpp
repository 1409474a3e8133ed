#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

#include "club_server_fixture.h"
#include "net/club/headless_tour.h"

namespace tavlo::testing {
namespace {

using TourPlayers = ClubServerTest;

// Four programs with the computer player in the human's place, seated through the lobby
// requests, play a whole game at a real table. They start from different tournament game
// counts, so each one's own running deal number would give another dummy.
TEST_F(TourPlayers, FourProgramsPlayAWholeGameAndAgreeOnEveryDeal) {
  ASSERT_TRUE(StartServer({"--tour-tables", "--tour-host", "127.0.0.1", "--tour-base-port", "0"}));
  const char* const nicks[4] = {"Ann", "Bob", "Cid", "Dora"};
  const std::int32_t games[4] = {0, 5, 2, 11};
  std::vector<std::unique_ptr<HeadlessTourPlayer>> players;
  for (int k = 0; k < 4; ++k) {
    players.push_back(std::make_unique<HeadlessTourPlayer>(nicks[k], games[k], 40 + static_cast<std::uint64_t>(k)));
    ASSERT_TRUE(players.back()->TakeSeat(Client(), 7, k + 1)) << nicks[k];
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
}

}  // namespace
}  // namespace tavlo::testing
