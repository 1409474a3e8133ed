// tavlo-club-load: simulated players against a running club on this machine.
//
//   tavlo-club-load --club http://127.0.0.1:PORT --clients N --seconds S
//
// Each player first creates its account (not timed: Argon2id is slow by design), then in a loop
// signs in, saves its game record, reads the club and world top tens and its record, and sends a
// chat message, one request at a time. Prints requests per second, the 50th and 99th percentile
// latency and the number of failed requests. Only 127.0.0.1 is accepted.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "net/club/account_requests.h"
#include "net/club/club_addresses.h"
#include "net/club/club_answers.h"
#include "net/club/world_requests.h"

namespace tavlo {
namespace {

struct Totals {
  std::vector<qint64> latenciesUs;
  int failed = 0;
  bool timing = false;
};

// One simulated player: a fixed round of requests, each sent when the previous one is answered.
class Player {
 public:
  Player(const ClubAddresses& club, std::string nick, Totals& totals)
      : club_(club), nick_(std::move(nick)), totals_(totals) {}

  void CreateAccount(std::function<void(bool)> done) {
    TZanUser user;
    user.Nick = nick_;
    user.Pw = "load1";
    user.City = "Loadtown";
    user.Country1 = "Russia";
    user.Country2 = "1-001";
    user.Sex = 'M';
    user.EMail = "load@test.org";
    user.DateR = "10.12.2026";
    user.R01 = user.R02 = user.R03 = "xxx";
    Send(club_.Account, CreateAccountRequest(user), [done](const std::string& answer) {
      done(ParseCreateAccount(answer) == 0);
      return true;
    });
  }

  void Run() { Step(); }
  void Stop() { stopped_ = true; }

 private:
  using Check = std::function<bool(const std::string&)>;

  void Step() {
    if (stopped_) return;
    const int step = step_++ % 7;
    TZanGame game;
    game.Kon = 4 * step_;
    game.Rating = step_ * 0.25;
    TZanRecord row;
    row.GID = step == 5 ? kChatTable : kGameId;
    row.Nick = nick_;
    row.City = "Loadtown";
    row.Country = "1-001";
    row.Score = step_;
    row.R07 = "M";
    row.R09 = "12:00:00_10.12.2026_Tavlo";
    row.R10 = step == 5 ? "load_test_message" : "#";
    auto next = [this](Check check) {
      return [this, check](const std::string& answer) {
        const bool ok = check(answer);
        Step();
        return ok;
      };
    };
    switch (step) {
      case 0:
        Send(club_.Account, ReadAccountRequest(nick_, "load1"),
             next([](const std::string& a) { return ParseReadAccount(a).has_value(); }));
        break;
      case 1:
        Send(club_.Account, SaveGameRecordRequest(nick_, "load1", game), next(ParseDone));
        break;
      case 2:
        Send(club_.Account, ReadClubTopTenRequest(), next([](const std::string& a) { return ParseClubTopTen(a).Ok; }));
        break;
      case 3:
        Send(club_.WorldTopTen, ReadWorldTableRequest(kGameId),
             next([](const std::string& a) { return ParseWorldRows(a, kGameId).Ok; }));
        break;
      case 4:
        Send(club_.Account, ReadGameRecordRequest(nick_, "load1"),
             next([](const std::string& a) { return ParseGameRecord(a).has_value(); }));
        break;
      case 5:
      case 6:
        Send(club_.WorldTopTen, SubmitWorldRowRequest(row),
             next([](const std::string& a) { return ParseNumberResult(a).Ok; }));
        break;
    }
  }

  void Send(const std::string& address, const ClubRequest& request, Check check) {
    QNetworkRequest http(QUrl(QString::fromStdString(address)));
    http.setHeader(QNetworkRequest::UserAgentHeader, kClubUserAgent);
    http.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    http.setTransferTimeout(30000);
    const std::string body = request.Body();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QNetworkReply* reply = manager_.post(http, QByteArray(body.data(), static_cast<qsizetype>(body.size())));
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply, clock, check] {
      const qint64 us = clock->nsecsElapsed() / 1000;
      const bool timed = totals_.timing;
      std::string answer;
      if (reply->error() == QNetworkReply::NoError) answer = reply->readAll().toStdString();
      reply->deleteLater();
      const bool ok = reply->error() == QNetworkReply::NoError && check(answer);
      if (timed) {
        totals_.latenciesUs.push_back(us);
        if (!ok) ++totals_.failed;
      }
    });
  }

  const ClubAddresses& club_;
  std::string nick_;
  Totals& totals_;
  QNetworkAccessManager manager_;
  int step_ = 0;
  bool stopped_ = false;
};

qint64 Percentile(std::vector<qint64> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(at, values.size() - 1)];
}

}  // namespace
}  // namespace tavlo

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription("Simulated players against a tavlo-club on this machine.");
  parser.addHelpOption();
  parser.addOption({"club", "The club's address (127.0.0.1 only).", "url", "http://127.0.0.1:8080"});
  parser.addOption({"clients", "Simulated players, 1..500.", "n", "50"});
  parser.addOption({"seconds", "Length of the timed run, 1..600.", "s", "10"});
  parser.process(app);

  QTextStream out(stdout);
  QTextStream err(stderr);
  const QUrl url(parser.value("club"));
  const int clients = parser.value("clients").toInt();
  const int seconds = parser.value("seconds").toInt();
  if (url.host() != "127.0.0.1" || url.scheme() != "http") {
    err << "tavlo-club-load: only http://127.0.0.1:PORT is accepted\n";
    return 2;
  }
  if (clients < 1 || clients > 500 || seconds < 1 || seconds > 600) {
    err << "tavlo-club-load: --clients 1..500 and --seconds 1..600\n";
    return 2;
  }
  const tavlo::ClubAddresses club = tavlo::ClubAddressesFor(parser.value("club").toStdString());
  tavlo::Totals totals;
  std::vector<std::unique_ptr<tavlo::Player>> players;
  const QString run = QString::number(QRandomGenerator::global()->bounded(0x10000), 16);
  for (int k = 0; k < clients; ++k) {
    const std::string nick = ("L" + run + "n" + QString::number(k)).toStdString();
    players.push_back(std::make_unique<tavlo::Player>(club, nick, totals));
  }

  QElapsedTimer setupClock;
  setupClock.start();
  int created = 0, answered = 0;
  QElapsedTimer runClock;
  for (auto& player : players) {
    player->CreateAccount([&](bool ok) {
      created += ok ? 1 : 0;
      if (++answered < clients) return;
      out << "accounts: " << created << " of " << clients << " created in " << setupClock.elapsed() << " ms\n";
      if (created < clients) {
        err << "tavlo-club-load: not every account could be created; is the club running?\n";
        app.exit(1);
        return;
      }
      totals.timing = true;
      runClock.start();
      for (auto& p : players) p->Run();
      QTimer::singleShot(seconds * 1000, &app, [&] {
        totals.timing = false;
        const double elapsed = static_cast<double>(runClock.elapsed()) / 1000.0;
        for (auto& p : players) p->Stop();
        out << "clients " << clients << ", " << elapsed << " s: " << totals.latenciesUs.size() << " requests, "
            << QString::number(static_cast<double>(totals.latenciesUs.size()) / elapsed, 'f', 1) << " requests/s, p50 "
            << QString::number(tavlo::Percentile(totals.latenciesUs, 0.50) / 1000.0, 'f', 2) << " ms, p99 "
            << QString::number(tavlo::Percentile(totals.latenciesUs, 0.99) / 1000.0, 'f', 2) << " ms, failed "
            << totals.failed << "\n";
        out.flush();
        app.exit(totals.failed == 0 ? 0 : 1);
      });
    });
  }
  return app.exec();
}
