#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpSocket>
#include <QTimer>
#include <map>
#include <random>
#include <set>

#include "club_server_fixture.h"
#include "net/club/account_requests.h"
#include "server/club_service.h"
#include "server/serving_threads.h"

namespace tavlo::testing {
namespace {

using ClubBadInput = ClubServerTest;

TEST_F(ClubBadInput, EveryMalformedRequestGetsTheFailureAnswer) {
  CreateUser("Ann");
  struct Case {
    const char* path;
    QByteArray body;
    int status;
  };
  const Case cases[] = {
      {"/acc.php", QByteArray(kMaxScriptBody + 1, 'a'), 413},
      {"/photo.php", QByteArray(kMaxPhotoBody + 1, 'a'), 413},
      {"/acc.php", "nick=%ZZ&label0=0", 400},
      {"/acc.php", "nick=Ann&pw=pass1&label0=0&x=%", 400},
      {"/acc.php", "", 200},
      {"/acc.php", "whatever=1", 200},
      {"/nothing.php", "a=1", 404},
      {"/acc.php", "nick=Ann'--&pw=x' OR '1'='1&label0=0", 200},
      {"/acc.php", QByteArray("nick=A\0n&pw=pass1&label0=0", 26), 200},
      {"/acc.php", "crdtavlokon=1&crdtavlobest=x&nick=Ann&pw=pass1", 200},
      {"/acc.php",
       "nick=Ann&pw=pass1&crdtavlokon=99999999999&crdtavlobest=0&crdtavlorating=0&crdtavloses=0"
       "&crdtavlokonl=0&crdtavloscore=0&crdtavloR1=0&crdtavloR2=x",
       200},
      {"/acc.php", "nick=Ann&pw=pass1&labelzansave=0&R04=-9223372036854775809", 200},
      {"/wtgames.php", "gid=59&nick=Ann&city=Oslo&country=1-001&score=1e9&R7=M&R8=5.7f&R9=%23&R10=%23*", 200},
      {"/wtgames.php", "gid=100&nick=Ann&city=Oslo&country=1-001&score=1&R7=M&R8=5.7f&R9=%23&R10=a%24b*", 200},
      {"/tour.php", "client4on9=0&gid=59&num=1&can=1", 200},
      {"/tour.php", "readclient1=0&gid=59&num=-1", 200},
      {"/stat.php", "gid=59&stat1=1000", 200},
  };
  for (const Case& c : cases) {
    const Raw raw = Post(c.path, c.body);
    EXPECT_EQ(raw.Status, c.status) << c.path << " " << c.body.left(80).toStdString();
    EXPECT_FALSE(raw.Body.contains("ok")) << c.path << " " << c.body.left(80).toStdString();
    EXPECT_FALSE(raw.Body.contains('$') && raw.Body.size() > 1 && raw.Body != "$no#")
        << c.path << " " << c.body.left(80).toStdString() << " -> " << raw.Body.toStdString();
  }
  // Nothing was written by any of them.
  EXPECT_EQ(Client().ReadMemberCount(), (NumberResult{true, 1}));
  EXPECT_EQ(Client().ReadGameRecord("Ann", "pass1"), TZanGame{});
  EXPECT_EQ(Client().ReadWorldCount(59), (NumberResult{true, 0}));
  EXPECT_EQ(Client().ReadWorldCount(100), (NumberResult{true, 0}));
  EXPECT_EQ(Client().ReadGlobalStats()->Stat1, 0);
  EXPECT_EQ(Client().ReadSeat(1, 1)->Nick, "X");
}

TEST_F(ClubBadInput, SqlLookingTextsAreStoredAsText) {
  CreateUser("Ann");
  TInfo14 info;
  info.About = "'); DROP TABLE accounts; --";
  info.Name1 = "Robert\"";
  ASSERT_TRUE(Client().SaveProfile("Ann", "pass1", info));
  EXPECT_EQ(Client().ReadProfile("Ann")->About, "'); DROP TABLE accounts; --");
  EXPECT_EQ(Client().ReadProfile("Ann")->Name1, "Robert\"");
  EXPECT_EQ(Client().ReadMemberCount(), (NumberResult{true, 1}));
}

TEST_F(ClubBadInput, RandomBytesNeverBreakTheService) {
  CreateUser("Ann");
  std::mt19937 random(1013);
  const char* paths[] = {"/acc.php", "/wtgames.php", "/tour.php", "/stat.php", "/photo.php"};
  for (int k = 0; k < 150; ++k) {
    QByteArray body(std::uniform_int_distribution<int>(0, 300)(random), '\0');
    for (char& c : body) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    if (k % 3 == 0) body.prepend("nick=Ann&pw=pass1&");
    const Raw raw = Post(paths[k % 5], body);
    ASSERT_NE(raw.Status, 0) << "the service stopped answering at request " << k;
  }
  TZanUser me;
  me.Nick = "Ann";
  me.Pw = "pass1";
  EXPECT_TRUE(Client().ReadAccount(me));
}

// A thousand chat messages sent at once from several connections: each is answered, and the
// numbers the service gave are exactly 1..n for the n it accepted.
TEST_F(ClubBadInput, AThousandConcurrentChatMessagesGetDistinctNumbers) {
  constexpr int kRequests = 1000;
  std::vector<std::unique_ptr<QNetworkAccessManager>> managers;
  for (int m = 0; m < 8; ++m) managers.push_back(std::make_unique<QNetworkAccessManager>());
  int finished = 0;
  std::vector<QByteArray> answers(kRequests);
  QEventLoop loop;
  for (int k = 0; k < kRequests; ++k) {
    QNetworkRequest request(QUrl(QString::fromStdString(Base()) + "/wtgames.php"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    const QByteArray body = "gid=100&nick=P" + QByteArray::number(k % 50) +
                            "&city=Oslo&country=1-035&score=0&R7=M&R8=5.7f&R9=%23&R10=m" + QByteArray::number(k) + "*";
    QNetworkReply* reply = managers[static_cast<std::size_t>(k) % managers.size()]->post(request, body);
    QObject::connect(reply, &QNetworkReply::finished, &loop, [&, reply, k] {
      answers[static_cast<std::size_t>(k)] = reply->error() == QNetworkReply::NoError ? reply->readAll() : "failed";
      reply->deleteLater();
      if (++finished == kRequests) loop.quit();
    });
  }
  QTimer::singleShot(240000, &loop, &QEventLoop::quit);
  loop.exec();
  ASSERT_EQ(finished, kRequests);

  std::set<std::int64_t> numbers;
  for (const QByteArray& answer : answers) {
    const NumberResult number = ParseNumberResult(answer.toStdString());
    if (number.Ok) {
      EXPECT_TRUE(numbers.insert(number.Value).second) << "number " << number.Value << " given twice";
    }
  }
  EXPECT_EQ(static_cast<int>(numbers.size()), kRequests) << "every message was accepted";
  EXPECT_EQ(*numbers.begin(), 1);
  EXPECT_EQ(*numbers.rbegin(), static_cast<std::int64_t>(numbers.size()));
  EXPECT_EQ(Client().ReadWorldCount(kChatTable), (NumberResult{true, static_cast<std::int64_t>(numbers.size())}));
  EXPECT_EQ(Client().ReadWorldTable(kChatTable).Rows[1].Score, static_cast<std::int32_t>(numbers.size()));
}


// Raw connections that would make the service hold memory or a connection without end: each is
// closed by the service within the deadline, and the service goes on answering.
TEST_F(ClubBadInput, EndlessOrMalformedConnectionsAreClosed) {
  ASSERT_TRUE(StartServer({"--idle-seconds", "2"}));
  CreateUser("Ann");
  const QByteArray post = "POST /acc.php HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/x-www-form-urlencoded\r\n";
  // Far more than the kernel's buffers hold: a stream this long is only ever all sent when the
  // service keeps reading it.
  constexpr qint64 kStream = 64 * 1024 * 1024;
  struct Case {
    const char* what;
    QByteArray head;
    qint64 streamBytes;  // sent after the head, in pieces, while the connection stays open
  };
  const Case cases[] = {
      {"a body far over every limit", post + "Content-Length: 1000000000\r\n\r\n", kStream},
      {"no end of headers", post + "X-Filler: ", kStream},
      {"a request that stops halfway", post + "Content-Length: 100\r\n\r\nnick=Ann", 0},
      {"bytes that are no HTTP", QByteArray("\x00\x01\xFF\xFEGARBAGE \x7F\r\n\r\n", 16), 0},
      {"a connection that sends nothing", QByteArray(), 0},
  };
  for (const Case& c : cases) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(std::stoi(Base().substr(Base().rfind(':') + 1))));
    ASSERT_TRUE(socket.waitForConnected(10000)) << c.what;
    socket.write(c.head);
    const QByteArray piece(16 * 1024, 'a');
    qint64 sent = 0;
    const QDeadlineTimer deadline(30000);
    while (socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
      if (sent < c.streamBytes && socket.bytesToWrite() < 4 * piece.size()) {
        socket.write(piece);
        sent += piece.size();
      }
      socket.waitForDisconnected(sent < c.streamBytes ? 10 : 200);
    }
    EXPECT_NE(socket.state(), QAbstractSocket::ConnectedState) << c.what << ": the connection is still open";
    if (c.streamBytes > 0) {
      EXPECT_LT(sent, c.streamBytes) << c.what << ": the service read it all";
    }
  }
  TZanUser me = NewUser("Ann");
  EXPECT_TRUE(Client().ReadAccount(me)) << "the service still answers";
}

// Transfers in a ring among four accounts, many at once over several connections (so on several
// serving threads): each is done or refused, never lost, and every balance ends where the done
// transfers put it.
TEST_F(ClubBadInput, ConcurrentTransfersKeepEveryZan) {
  const std::vector<std::string> nicks = {"Ann", "Bob", "Cid", "Dan"};
  std::map<std::string, std::int64_t> balance;
  for (std::size_t k = 0; k < nicks.size(); ++k) {
    CreateUser(nicks[k]);
    // Each earns its top-ten bonus: a completed cycle and a row in the account table.
    TZanGame cycle;
    cycle.Kon = 40;
    cycle.Sessions = 1;
    ASSERT_TRUE(Client().SaveGameRecord(nicks[k], "pass1", cycle));
    TZanRecord row;
    row.GID = kWorldTableAccounts;
    row.Nick = nicks[k];
    row.City = "Moscow";
    row.Country = "Russia";
    row.Score = 1000 - static_cast<int>(k);
    row.R07 = "W";
    row.R09 = "#";
    row.R10 = "#";
    ASSERT_TRUE(Client().SubmitWorldRow(row, "pass1").Ok);
    balance[nicks[k]] = *Client().ReadBalance(nicks[k]);
    ASSERT_GT(balance[nicks[k]], 0);
  }
  std::int64_t total = 0;
  for (const auto& [nick, zans] : balance) total += zans;

  constexpr int kRequests = 400;
  std::vector<std::unique_ptr<QNetworkAccessManager>> managers;
  for (int m = 0; m < 8; ++m) managers.push_back(std::make_unique<QNetworkAccessManager>());
  struct Sent {
    std::string from, to;
    int amount = 0;
    QByteArray answer;
  };
  std::vector<Sent> sent(kRequests);
  int finished = 0;
  QEventLoop loop;
  for (int k = 0; k < kRequests; ++k) {
    Sent& t = sent[static_cast<std::size_t>(k)];
    t.from = nicks[static_cast<std::size_t>(k) % nicks.size()];
    t.to = nicks[static_cast<std::size_t>(k + 1 + k / 4 % 3) % nicks.size()];
    t.amount = 1 + k % 7;
    QNetworkRequest request(QUrl(QString::fromStdString(Base()) + "/acc.php"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    const std::string body = TransferZansRequest(t.from, "pass1", t.to, t.amount).Body();
    QNetworkReply* reply = managers[static_cast<std::size_t>(k) % managers.size()]->post(
        request, QByteArray(body.data(), static_cast<qsizetype>(body.size())));
    QObject::connect(reply, &QNetworkReply::finished, &loop, [&, reply, k] {
      sent[static_cast<std::size_t>(k)].answer = reply->error() == QNetworkReply::NoError ? reply->readAll() : "failed";
      reply->deleteLater();
      if (++finished == kRequests) loop.quit();
    });
  }
  QTimer::singleShot(240000, &loop, &QEventLoop::quit);
  loop.exec();
  ASSERT_EQ(finished, kRequests);

  int done = 0;
  for (const Sent& t : sent) {
    const TransferResult result = ParseTransfer(t.answer.toStdString());
    ASSERT_TRUE(result == TransferResult::Done || result == TransferResult::Refused)
        << t.from << " -> " << t.to << ": " << t.answer.toStdString();
    if (result == TransferResult::Done) {
      balance[t.from] -= t.amount;
      balance[t.to] += t.amount;
      ++done;
    }
  }
  EXPECT_GT(done, 0);
  std::int64_t after = 0;
  for (const std::string& nick : nicks) {
    const auto zans = Client().ReadBalance(nick);
    ASSERT_TRUE(zans.has_value());
    EXPECT_EQ(*zans, balance[nick]) << nick;
    EXPECT_GE(*zans, 0) << nick;
    after += *zans;
  }
  EXPECT_EQ(after, total) << "no Zan was made or lost";
}

}  // namespace
}  // namespace tavlo::testing
