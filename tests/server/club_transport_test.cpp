#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include "net/club/club_client.h"

namespace tavlo {
namespace {

// A peer that accepts connections and never answers: every request ends at its deadline with its
// failure result instead of holding the program.
TEST(ClubTransport, ASilentServerCannotHoldARequest) {
  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
  std::vector<QTcpSocket*> held;
  QObject::connect(&silent, &QTcpServer::newConnection, [&] {
    while (QTcpSocket* socket = silent.nextPendingConnection()) held.push_back(socket);
  });
  ClubClient club(ClubAddressesFor("http://127.0.0.1:" + std::to_string(silent.serverPort())), 300);

  QElapsedTimer clock;
  clock.start();
  TZanUser me;
  me.Nick = "Ann";
  me.Pw = "pass1";
  EXPECT_FALSE(club.ReadAccount(me));
  EXPECT_EQ(club.ReadMemberCount(), NumberResult{});
  EXPECT_FALSE(club.FetchServiceConfig().has_value());
  EXPECT_FALSE(club.ReadWorldTable(59).Ok);  // its own 3000 ms deadline
  EXPECT_FALSE(held.empty()) << "the requests did reach the peer";
  EXPECT_LT(clock.elapsed(), 120000) << "generous bound: the point is that the requests end at all";
}

}  // namespace
}  // namespace tavlo
