// tavlo-club-load: simulated players against a running club on this machine.
//
//   tavlo-club-load --club http://127.0.0.1:PORT --clients N --seconds S [--rate R]
//
// Each player first creates its account (not timed: Argon2id is slow by design), then in a loop
// signs in, saves its game record, reads the club and world top tens and its record, and sends a
// chat message, one request at a time. Prints requests per second, the 50th and 99th percentile
// latency and the number of failed requests. Only 127.0.0.1 is accepted.
//
// Without --rate every player sends its next request as soon as the last one is answered: the club
// runs flat out, and the latency is mostly the time a request waits behind the other players'. With
// --rate R the players together offer R requests per second (each keeps to its own beat), which
// shows the latency a player sees at that load.
//
// Each player keeps one HTTP/1.1 connection open, as a browser would, and speaks plain HTTP over
// it: the tool runs on the same machine as the club, and a full HTTP client library spends more
// time per request than the club does, which the latencies would then mostly measure.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
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

// One keep-alive HTTP/1.1 connection that sends one POST at a time and reads its answer by its
// Content-Length. Anything else (no status 200, no length, an answer over 1 MiB, a closed
// connection) fails that request; the next request opens a new connection.
class HttpConnection {
 public:
  using Done = std::function<void(std::optional<QByteArray>)>;

  HttpConnection(QString host, quint16 port) : host_(std::move(host)), port_(port) {
    QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { Read(); });
    QObject::connect(&socket_, &QTcpSocket::disconnected, [this] { Finish(std::nullopt); });
    QObject::connect(&socket_, &QTcpSocket::errorOccurred, [this] {
      if (socket_.state() != QAbstractSocket::ConnectedState) Finish(std::nullopt);
    });
  }

  ~HttpConnection() {
    socket_.disconnect();
    socket_.abort();
  }
  HttpConnection(const HttpConnection&) = delete;
  HttpConnection& operator=(const HttpConnection&) = delete;

  void Post(const QString& path, const QByteArray& body, Done done) {
    done_ = std::move(done);
    buffer_.clear();
    if (socket_.state() == QAbstractSocket::UnconnectedState) socket_.connectToHost(host_, port_);
    socket_.write("POST " + path.toUtf8() + " HTTP/1.1\r\nHost: " + host_.toUtf8() + ":" + QByteArray::number(port_) +
                  "\r\nUser-Agent: " + kClubUserAgent +
                  "\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
  }

 private:
  void Read() {
    buffer_ += socket_.readAll();
    if (buffer_.size() > (1 << 20)) return Finish(std::nullopt);
    const qsizetype headEnd = buffer_.indexOf("\r\n\r\n");
    if (headEnd < 0) return;
    const QByteArray head = buffer_.left(headEnd).toLower();
    if (!head.startsWith("http/1.1 200 ")) return Finish(std::nullopt);
    const qsizetype at = head.indexOf("\r\ncontent-length:");
    if (at < 0) return Finish(std::nullopt);
    const qsizetype lineEnd = head.indexOf("\r\n", at + 2);
    bool ok = false;
    const qsizetype length = head.mid(at + 17, lineEnd < 0 ? -1 : lineEnd - at - 17).trimmed().toLongLong(&ok);
    if (!ok || length < 0) return Finish(std::nullopt);
    if (buffer_.size() < headEnd + 4 + length) return;
    Finish(buffer_.mid(headEnd + 4, length));
  }

  void Finish(std::optional<QByteArray> answer) {
    if (!done_) return;
    if (!answer) socket_.abort();
    Done done = std::move(done_);
    done_ = nullptr;
    done(std::move(answer));
  }

  QString host_;
  quint16 port_;
  QTcpSocket socket_;
  QByteArray buffer_;
  Done done_;
};

// One simulated player: a fixed round of requests, each sent when the previous one is answered.
class Player {
 public:
  Player(const ClubAddresses& club, const QUrl& base, std::string nick, Totals& totals, qint64 beatUs)
      : club_(club),
        nick_(std::move(nick)),
        totals_(totals),
        connection_(base.host(), static_cast<quint16>(base.port(80))),
        beatUs_(beatUs) {}

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
    Post(club_.Account, CreateAccountRequest(user), [done](const std::string& answer) {
      done(ParseCreateAccount(answer) == 0);
      return true;
    });
  }

  // Starts the loop; with a beat, the first request comes at a random point of the first beat.
  void Run() {
    clock_.start();
    nextUs_ = beatUs_ > 0 ? static_cast<qint64>(QRandomGenerator::global()->bounded(static_cast<double>(beatUs_))) : 0;
    Step();
  }
  void Stop() { stopped_ = true; }

 private:
  using Check = std::function<bool(const std::string&)>;

  void Step() {
    if (stopped_) return;
    if (beatUs_ > 0) {
      // Keeps to the beat: waits for the next slot, or goes at once when behind.
      const qint64 waitUs = nextUs_ - clock_.nsecsElapsed() / 1000;
      nextUs_ += beatUs_;
      if (waitUs > 0) {
        QTimer::singleShot(static_cast<int>((waitUs + 999) / 1000), Qt::PreciseTimer, [this] { Send(); });
        return;
      }
    }
    Send();
  }

  void Send() {
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
        Post(club_.Account, ReadAccountRequest(nick_, "load1"),
             next([](const std::string& a) { return ParseReadAccount(a).has_value(); }));
        break;
      case 1:
        Post(club_.Account, SaveGameRecordRequest(nick_, "load1", game), next(ParseDone));
        break;
      case 2:
        Post(club_.Account, ReadClubTopTenRequest(), next([](const std::string& a) { return ParseClubTopTen(a).Ok; }));
        break;
      case 3:
        Post(club_.WorldTopTen, ReadWorldTableRequest(kGameId),
             next([](const std::string& a) { return ParseWorldRows(a, kGameId).Ok; }));
        break;
      case 4:
        Post(club_.Account, ReadGameRecordRequest(nick_, "load1"),
             next([](const std::string& a) { return ParseGameRecord(a).has_value(); }));
        break;
      case 5:
      case 6:
        Post(club_.WorldTopTen, SubmitWorldRowRequest(row),
             next([](const std::string& a) { return ParseNumberResult(a).Ok; }));
        break;
    }
  }

  void Post(const std::string& address, const ClubRequest& request, Check check) {
    const std::string body = request.Body();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    connection_.Post(QUrl(QString::fromStdString(address)).path(),
                     QByteArray(body.data(), static_cast<qsizetype>(body.size())),
                     [this, clock, check](std::optional<QByteArray> reply) {
                       const qint64 us = clock->nsecsElapsed() / 1000;
                       const bool timed = totals_.timing;
                       // The check also moves the player on, so it runs for a failed request too.
                       const bool answered = check(reply ? reply->toStdString() : std::string());
                       const bool ok = reply && answered;
                       if (timed) {
                         totals_.latenciesUs.push_back(us);
                         if (!ok) ++totals_.failed;
                       }
                     });
  }

  const ClubAddresses& club_;
  std::string nick_;
  Totals& totals_;
  HttpConnection connection_;
  qint64 beatUs_;  // 0: no pause between requests
  qint64 nextUs_ = 0;
  QElapsedTimer clock_;
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
  parser.addOption({"rate", "Requests per second the players offer together (default: as fast as answered).", "r"});
  parser.process(app);

  QTextStream out(stdout);
  QTextStream err(stderr);
  const QUrl url(parser.value("club"));
  const int clients = parser.value("clients").toInt();
  const int seconds = parser.value("seconds").toInt();
  if (url.host() != "127.0.0.1" || url.scheme() != "http" || url.port() <= 0) {
    err << "tavlo-club-load: only http://127.0.0.1:PORT is accepted\n";
    return 2;
  }
  if (clients < 1 || clients > 500 || seconds < 1 || seconds > 600) {
    err << "tavlo-club-load: --clients 1..500 and --seconds 1..600\n";
    return 2;
  }
  bool rateOk = true;
  const double rate = parser.isSet("rate") ? parser.value("rate").toDouble(&rateOk) : 0.0;
  if (!rateOk || rate < 0 || rate > 100000) {
    err << "tavlo-club-load: --rate 1..100000 requests per second\n";
    return 2;
  }
  const qint64 beatUs = rate > 0 ? static_cast<qint64>(1e6 * clients / rate) : 0;
  const tavlo::ClubAddresses club = tavlo::ClubAddressesFor(parser.value("club").toStdString());
  tavlo::Totals totals;
  std::vector<std::unique_ptr<tavlo::Player>> players;
  const QString run = QString::number(QRandomGenerator::global()->bounded(0x10000), 16);
  for (int k = 0; k < clients; ++k) {
    const std::string nick = ("L" + run + "n" + QString::number(k)).toStdString();
    players.push_back(std::make_unique<tavlo::Player>(club, url, nick, totals, beatUs));
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
        out << "clients " << clients << (rate > 0 ? ", offered " + QString::number(rate) + " requests/s" : QString())
            << ", " << elapsed << " s: " << totals.latenciesUs.size() << " requests, "
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
