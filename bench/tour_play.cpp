#include "tour_play.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

#include "net/club/club_addresses.h"
#include "net/club/headless_tour.h"

namespace tavlo {
namespace {

// Starts tavlo-club with a fresh data folder; the port of its scripts, 0 when it did not start.
int StartClub(QProcess& club, const QString& data, std::uint64_t seed) {
  club.start(TAVLO_CLUB_BINARY, {"--listen", "127.0.0.1:0", "--data", data, "--threads", "1", "--tour-tables",
                                 "--tour-host", "127.0.0.1", "--tour-base-port", "0", "--tour-seed",
                                 QString::number(seed)});
  if (!club.waitForStarted(10000)) return 0;
  QByteArray out;
  QDeadlineTimer deadline(20000);
  while (!out.contains('\n') && !deadline.hasExpired()) {
    if (!club.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) break;
    out += club.readAllStandardOutput();
  }
  const QByteArray line = out.left(out.indexOf('\n')).trimmed();
  if (!line.startsWith("listening on 127.0.0.1:")) return 0;
  return line.mid(line.lastIndexOf(':') + 1).toInt();
}

}  // namespace

int RunTournamentGame(int argc, char** argv, std::uint64_t seed) {
  QCoreApplication app(argc, argv);
  QTemporaryDir data;
  QProcess club;
  const int port = data.isValid() ? StartClub(club, data.path(), seed) : 0;
  if (port == 0) {
    std::printf("tavlo-club did not start\n");
    return 1;
  }
  ClubClient lobby(ClubAddressesFor("http://127.0.0.1:" + std::to_string(port)), 10000);
  const char* const nicks[4] = {"Ann", "Bob", "Cid", "Dora"};
  // Different tournament game counts: the table's own deal numbers keep them in step.
  const std::int32_t games[4] = {0, 5, 2, 11};
  std::vector<std::unique_ptr<HeadlessTourPlayer>> players;
  const int table = static_cast<int>(seed % 10) + 1;
  int status = 0;
  for (int k = 0; k < 4 && status == 0; ++k) {
    players.push_back(std::make_unique<HeadlessTourPlayer>(nicks[k], games[k], seed * 1000 + static_cast<std::uint64_t>(k)));
    if (!players.back()->TakeSeat(lobby, table, k + 1)) {
      std::printf("%s could not take seat %d of table %d\n", nicks[k], k + 1, table);
      status = 1;
    }
  }
  QElapsedTimer clock;
  clock.start();
  const auto allEnded = [&] {
    for (auto& p : players) {
      const bool early = p->LeftPlace() != 0 || p->Connection().TourLink() != TourConnection::Finished;
      if (!p->Ended() || (!p->Flow().GameOver() && !early)) return false;
    }
    return true;
  };
  while (status == 0 && !allEnded() && clock.elapsed() < 300000) {
    bool acted = false;
    for (auto& p : players) acted = p->Step() || acted;
    QCoreApplication::processEvents(acted ? QEventLoop::AllEvents : QEventLoop::WaitForMoreEvents, 20);
  }
  const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;

  std::printf("tournament game at table %d of a private tavlo-club on 127.0.0.1, seed %llu\n", table,
              static_cast<unsigned long long>(seed));
  std::string difference;
  for (std::size_t k = 0; k < players.size(); ++k) {
    const HeadlessTourPlayer& p = *players[k];
    std::printf("place %zu (%s, %d tournament games before):\n", k + 1, p.Nick().c_str(), games[k]);
    for (const std::string& line : p.DealLines()) std::printf("  %s\n", line.c_str());
    std::printf("  result of places 1 and 2: %+d\n", p.PlaceOneResult());
    if (!p.Flow().GameOver() && difference.empty()) difference = p.Nick() + " did not finish the game";
    if (difference.empty() && (p.DealLines() != players[0]->DealLines() ||
                               p.PlaceOneResult() != players[0]->PlaceOneResult())) {
      difference = p.Nick() + " saw another game";
    }
  }
  if (status == 0 && difference.empty() && players[0]->DealLines().size() != 4) difference = "not four deals";
  std::printf("recorded by the club:\n");
  for (std::size_t k = 0; k < players.size(); ++k) {
    const TourRating r = lobby.ReadTourRating(nicks[k]);
    std::printf("  %-5s score %+d, games %d, rating %d\n", nicks[k], r.Score, r.Kon, r.Rating);
    const std::int32_t expected = k < 2 ? players[0]->PlaceOneResult() : -players[0]->PlaceOneResult();
    if (status == 0 && difference.empty() && (!r.Ok || r.Kon != 1 || r.Score != expected)) {
      difference = "the club recorded another result for " + std::string(nicks[k]);
    }
  }
  club.terminate();
  if (!club.waitForFinished(10000)) club.kill();
  if (status != 0) return status;
  std::printf("%s; %.2f s\n", difference.empty() ? "all programs agree" : ("first difference: " + difference).c_str(),
              seconds);
  return difference.empty() ? 0 : 1;
}

}  // namespace tavlo
