// The session's guard against strangers, late joiners and bad messages, over loopback.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include "game/deal_message.h"
#include "game/seats.h"
#include "net/lan/headless_table.h"
#include "net/lan/lan_messages.h"

namespace tavlo::lan {
namespace {

bool WaitUntil(const std::function<bool()>& condition, int ms = 20000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

// A socket that speaks for itself; true when the other side closed it.
struct RawPeer {
  QTcpSocket socket;
  QByteArray received;
  bool closed = false;
  explicit RawPeer(std::uint16_t port) {
    QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
    QObject::connect(&socket, &QTcpSocket::disconnected, [this] { closed = true; });
    socket.connectToHost("127.0.0.1", port);
  }
  bool Connected() {
    return WaitUntil([this] { return socket.state() == QAbstractSocket::ConnectedState; });
  }
  void Send(const std::string& bytes) { socket.write(bytes.data(), static_cast<qint64>(bytes.size())); }
};

class LanSessionTest : public ::testing::Test {
 protected:
  HeadlessProgram server{"Anna", 3};
  HeadlessProgram client{"Bo", 4};

  void SetUp() override {
    ASSERT_TRUE(server.Session().Listen("Anna", 0, QHostAddress::LocalHost));
    client.Session().Connect("Bo", "127.0.0.1", server.Session().ListeningPort());
    ASSERT_TRUE(WaitUntil([&] { return client.TheGame().State().GameShown; }));
  }
  std::uint16_t Port() { return server.Session().ListeningPort(); }
  void ExpectNobodyDisturbed(const char* what) {
    EXPECT_EQ(server.Interruptions(), 0) << what;
    EXPECT_EQ(client.Interruptions(), 0) << what;
    EXPECT_EQ(client.Session().Connected(), 1) << what;
    EXPECT_TRUE(client.TheGame().State().GameShown) << what;
  }
};

TEST_F(LanSessionTest, StrangersAndLateJoinersAreTurnedAwayWithoutDisturbingTheSeated) {
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"garbage", "GET / HTTP/1.0\r\n\r\n"},
      {"another game", "zan5825connect1Evil"},
      {"another protocol", "zan5926connect1Evil"},
      {"a frame before any join", "hhd011"},
  };
  for (const Case& c : cases) {
    RawPeer peer(Port());
    ASSERT_TRUE(peer.Connected()) << c.what;
    peer.Send(c.bytes);
    ASSERT_TRUE(WaitUntil([&] { return peer.closed; })) << c.what;
    EXPECT_TRUE(peer.received.isEmpty()) << c.what;
    EXPECT_EQ(server.Session().State().LastClient, 0) << c.what;
    ExpectNobodyDisturbed(c.what);
  }

  // Half a join waits for the rest, which seats the second client.
  RawPeer second(Port());
  ASSERT_TRUE(second.Connected());
  second.Send("zan5925conn");
  ASSERT_TRUE(WaitUntil([&] { return server.Session().Connected() == 2; }));
  second.Send("ect1Cy  ");
  ASSERT_TRUE(WaitUntil([&] { return server.Session().State().LastClient == 1; }));
  ASSERT_TRUE(WaitUntil([&] { return second.received.size() == 26; }));
  EXPECT_EQ(second.received.toStdString(), "connect2+3AnnaBo  Cy  PC  ");
  ASSERT_TRUE(WaitUntil([&] { return client.Session().State().LastClient == 1; }));
  EXPECT_EQ(client.Session().State().Names[3], "Cy  ");

  // The third client fills the table; a fourth is turned away.
  RawPeer third(Port());
  ASSERT_TRUE(third.Connected());
  third.Send(JoinRequest("Dan"));
  ASSERT_TRUE(WaitUntil([&] { return server.Session().State().LastClient == 2; }));
  RawPeer fourth(Port());
  ASSERT_TRUE(fourth.Connected());
  fourth.Send(JoinRequest("Eve"));
  ASSERT_TRUE(WaitUntil([&] { return fourth.closed; }));
  EXPECT_EQ(server.Session().State().LastClient, 2);
  ExpectNobodyDisturbed("a fourth client");

  // A seated program that floods the table with frames is cut off, which ends the table.
  std::string flood;
  for (int i = 0; i < 1000; ++i) flood += "hzzzz3";
  second.Send(flood);
  ASSERT_TRUE(WaitUntil([&] { return second.closed; }));
  EXPECT_TRUE(WaitUntil([&] { return server.Interruptions() == 1 && client.Interruptions() == 1; }));
  EXPECT_TRUE(WaitUntil([&] { return third.closed; })) << "every client is told";
  EXPECT_EQ(third.received.right(5).toStdString(), "abort");
}

TEST_F(LanSessionTest, NobodyJoinsATableThatHasBeenDealt) {
  server.StartSeries();
  ASSERT_TRUE(WaitUntil([&] { return !client.TheGame().Mode().AwaitingDeal; }));
  RawPeer late(Port());
  ASSERT_TRUE(late.Connected());
  late.Send(JoinRequest("Eve"));
  ASSERT_TRUE(WaitUntil([&] { return late.closed; }));
  EXPECT_TRUE(late.received.isEmpty());
  ExpectNobodyDisturbed("a join after the deal");
}

TEST_F(LanSessionTest, ACardFromTheWrongProgramIsRefusedAndEndsTheGame) {
  server.StartSeries();
  ASSERT_TRUE(WaitUntil([&] { return !client.TheGame().Mode().AwaitingDeal; }));
  server.Flow().OnStartOrOk();
  ASSERT_TRUE(WaitUntil([&] { return client.TheGame().State().DealPhase == 2; }));
  // The first deal has North as the dummy: West leads, and the server plays West.
  const GameState& s = server.TheGame().State();
  ASSERT_EQ(SeatToPlay(s), kWest);
  const OneBased<TCardCode, 4> table = s.Table;
  // The client sends a card for West: it is not the client's to play.
  client.Session().Send(CardFrame(1, 2));
  ASSERT_TRUE(WaitUntil([&] { return server.Interruptions() == 1 && client.Interruptions() == 1; }));
  EXPECT_EQ(s.Table, table) << "the refused card was never played";
  EXPECT_FALSE(s.GameShown);
  EXPECT_FALSE(client.TheGame().State().GameShown);
}

TEST(LanClientTest, AMalformedDealNeverReachesTheHands) {
  QTcpServer fake;
  ASSERT_TRUE(fake.listen(QHostAddress::LocalHost, 0));
  HeadlessProgram client("Bo", 4);
  client.Session().Connect("Bo", "127.0.0.1", fake.serverPort());
  ASSERT_TRUE(WaitUntil([&] { return fake.hasPendingConnections(); }));
  QTcpSocket* link = fake.nextPendingConnection();
  ASSERT_TRUE(WaitUntil([&] { return link->bytesAvailable() >= 19; }));
  EXPECT_EQ(link->readAll().toStdString(), "zan5925connect1Bo  ");
  link->write("connect2+2AnnaBo  PC  PC  ");
  ASSERT_TRUE(WaitUntil([&] { return client.TheGame().State().GameShown; }));

  // 52 valid cards, but the ace of spades twice.
  DeckCards deck;
  OneBased<std::uint8_t, 52> ranks;
  for (int i = 1; i <= 52; ++i) {
    deck[i] = CardFromNumber(i == 52 ? 51 : i);
    ranks[i] = RankValueOf(deck[i]);
  }
  const std::string bad = DealMessage(deck, ranks);
  ASSERT_EQ(bad.size(), kDealMessageLength);
  link->write(bad.data(), static_cast<qint64>(bad.size()));
  ASSERT_TRUE(WaitUntil([&] { return client.Interruptions() == 1; }));
  for (int seat = 1; seat <= 4; ++seat) {
    for (const TCardCode& c : client.TheGame().State().Hands[seat]) EXPECT_TRUE(c.IsEmpty());
  }
  EXPECT_FALSE(client.TheGame().State().GameShown);
  EXPECT_TRUE(
      WaitUntil([&] { return link->state() != QAbstractSocket::ConnectedState || link->waitForDisconnected(10); }));
}

}  // namespace
}  // namespace tavlo::lan
