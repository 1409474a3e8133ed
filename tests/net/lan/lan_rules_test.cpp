#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/seats.h"
#include "net/lan/delivery.h"
#include "net/lan/lan_address.h"
#include "net/lan/lan_state.h"

namespace tavlo::lan {
namespace {

TEST(LanAddressTest, ServerAddressesAndPortTexts) {
  struct Case {
    const char* text;
    bool address;
  } addresses[] = {
      {"192.168.0.1", true}, {"127.0.0.1", true},
      {"1.2.3.4", true},     {"999.999.999.999", true},
      {"192.168.0", false},  {"192.168.0.1.", false},
      {"1..2.3", false},     {"1.2.3.4567", false},
      {".1.2.3", false},     {"", false},
      {"1.2.3.", false},     {"1.2.3.4.5", false},
  };
  for (const Case& c : addresses) EXPECT_EQ(IsServerAddress(c.text), c.address) << c.text;

  EXPECT_TRUE(AddressBoxAccepts("192.168."));
  EXPECT_TRUE(AddressBoxAccepts(""));
  EXPECT_FALSE(AddressBoxAccepts("192.168.a"));
  EXPECT_FALSE(AddressBoxAccepts("localhost"));
  EXPECT_TRUE(PortBoxAccepts("25666"));
  EXPECT_TRUE(PortBoxAccepts(""));
  EXPECT_FALSE(PortBoxAccepts("2566a"));
  EXPECT_FALSE(PortBoxAccepts("-1"));

  struct Port {
    const char* text;
    int number;
  } ports[] = {{"25666", 25666}, {"1", 1}, {"65535", 65535}, {"65536", 0}, {"99999", 0}, {"", 0}, {"123456", 0}};
  for (const Port& p : ports) EXPECT_EQ(PortNumber(p.text), p.number) << p.text;
}

TEST(LanSeatsTest, EveryProgramDrawsItselfSouthAndTheOthersByTheRotationTable) {
  // Rows: LAN seat 1..4; columns: the viewer (server, clients 2, 3, 4).
  const int table[5][5] = {
      {},
      {0, kSouth, kNorth, kEast, kWest},
      {0, kNorth, kSouth, kWest, kEast},
      {0, kWest, kEast, kSouth, kNorth},
      {0, kEast, kWest, kNorth, kSouth},
  };
  for (int lanSeat = 1; lanSeat <= 4; ++lanSeat) {
    for (int viewer = 1; viewer <= 4; ++viewer) {
      EXPECT_EQ(ScreenSeatOf(lanSeat, viewer), table[lanSeat][viewer]) << lanSeat << " seen by " << viewer;
    }
  }
}

TEST(LanSeatsTest, TwoHumanGamesShowTheComputerAtWestAndEast) {
  LanNames names;
  names.fill("PC  ");
  names[1] = "Anna";
  names[2] = "Bo  ";
  const auto onServer = ScreenNames(names, 1);
  EXPECT_EQ(onServer[kWest], "PC  ");
  EXPECT_EQ(onServer[kEast], "PC  ");
  EXPECT_EQ(onServer[kNorth], "Bo  ");
  const auto onClient = ScreenNames(names, 2);
  EXPECT_EQ(onClient[kWest], "PC  ");
  EXPECT_EQ(onClient[kEast], "PC  ");
  EXPECT_EQ(onClient[kNorth], "Anna");
  EXPECT_EQ(onClient[kSouth], "Bo  ");
}

TEST(LanSeatsTest, TheProgramThatSendsEachCard) {
  struct Case {
    int serverSeat;
    int dummy;
    int lastClient;
    int lanSeat;
  } cases[] = {
      {kSouth, kWest, 2, 1},
      {kNorth, kWest, 2, 2},
      {kWest, kNorth, 2, 3},
      {kEast, kNorth, 2, 4},
      // The dummy's cards come from its partner's program.
      {kNorth, kNorth, 2, 1},
      {kSouth, kSouth, 2, 2},
      {kWest, kWest, 2, 4},
      {kEast, kEast, 2, 3},
      // Two humans: the server plays West and East, and the dummy's partner plays the dummy.
      {kWest, kNorth, 0, 1},
      {kEast, kNorth, 0, 1},
      {kNorth, kNorth, 0, 1},
      {kSouth, kSouth, 0, 2},
      {kWest, kWest, 0, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LanSeatPlaying(c.serverSeat, c.dummy, c.lastClient), c.lanSeat)
        << "seat " << c.serverSeat << ", dummy " << c.dummy << ", last client " << c.lastClient;
  }
}

TEST(DeliveryTest, MessagesWaitUntilTheProgramMayActOnThem) {
  const DeliveryContext playing{false, false, true, 12};
  const DeliveryContext busy{true, false, true, 12};
  const DeliveryContext noTable{false, false, false, 0};
  const DeliveryContext dealOver{false, false, true, turn::kDealOver};
  const DeliveryContext sheet{false, true, true, turn::kDealScored};
  struct Case {
    const char* message;
    DeliveryContext now;
    bool deliver;
  } cases[] = {
      {"hhd052", playing, true},       {"hhd052", busy, false},   {"s1hi\n", busy, false},     {"b...", noTable, false},
      {"connect2+...", noTable, true}, {"s1hi\n", noTable, true}, {"hclos1", dealOver, false}, {"hclos1", sheet, true},
      {"b...", sheet, false},          {"b...", dealOver, false}, {"s2hi\n", sheet, true},     {"abort", sheet, false},
      {"abort", noTable, true},        {"abort", playing, true},
  };
  for (const Case& c : cases) EXPECT_EQ(MayDeliver(c.message, c.now), c.deliver) << c.message;
}

}  // namespace
}  // namespace tavlo::lan
