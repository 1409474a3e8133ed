#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <memory>

#include "club_server_fixture.h"
#include "game/seats.h"
#include "game/trick.h"
#include "net/club/tour_frames.h"
#include "server/tour_referee.h"

namespace tavlo::testing {
namespace {

using tour::ServerFrameData;

// One player's end of a table: a socket and a copy of the game that follows every frame, with
// random legal cards for the own hand (and North's when North is the dummy) and place 1's buttons.
class TestPlace {
 public:
  TestPlace(int place, std::uint64_t seed) : place_(place), rng_(seed), records_("P"), game_(quiet_, records_, 1) {
    TableMode mode;
    mode.Tournament = true;
    mode.TournamentFirstPlace = place == 1;
    mode.NetRole = place;
    game_.SetMode(mode);
    game_.SetOptions(TournamentRules());
  }

  bool Connect(int port) {
    socket_.connectToHost("127.0.0.1", static_cast<quint16>(port));
    if (!socket_.waitForConnected(5000)) return false;
    Send(tour::ConnectFrame(place_));
    return true;
  }
  void Send(const std::string& bytes) {
    socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_.flush();
  }
  void Close() { socket_.abort(); }

  // Reads what arrived and applies it to the copy.
  void Read() {
    if (!socket_.isOpen()) return;
    const QByteArray bytes = socket_.readAll();
    cutter_.Append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    std::string frame;
    while (cutter_.Next(frame) == lan::MessageCutter::Result::Message) {
      const auto data = tour::ParseServerFrame(frame);
      ASSERT_TRUE(data) << frame;
      Received.push_back(*data);
      if (data->Is == ServerFrameData::Deal) {
        ++deals_;
        game_.SetNextDeck(data->Deck);
        game_.ShuffleAndDeal(deals_ > 1);
      } else if (data->Is == ServerFrameData::Move) {
        Apply(data->Moved);
      } else if (data->Is == ServerFrameData::End) {
        Ended = true;
      }
    }
  }
  // Sends the own move when one is due.
  void Act() {
    const GameState& s = game_.State();
    if (deals_ == 0 || Ended) return;
    const int seat = SeatToPlay(s);
    const bool ownCards = (seat == kSouth && s.Dummy != kSouth) || (seat == kNorth && s.Dummy == kNorth);
    if (place_ == 1 && s.DealPhase == 1 && s.Turn >= 1 && s.Turn <= 4) {
      Move({lan::FrameKind::Show, 0, 1});
    } else if (place_ == 1 && s.Turn == turn::kTrickComplete) {
      Move({lan::FrameKind::Gather, 0, 1});
    } else if (ownCards) {
      std::vector<int> legal;
      for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (IsLegalPlay(s, seat, slot)) legal.push_back(slot);
      }
      Move({lan::FrameKind::Card, legal[rng_.Below(static_cast<std::uint32_t>(legal.size()))], place_});
    } else if (place_ == 1 && s.Turn == turn::kDealScored && askedFor_ < deals_) {
      askedFor_ = deals_;
      Send(tour::MoveFrame(1, {lan::FrameKind::CloseSheet, 0, 1}));
      if (deals_ < TourReferee::kDealsPerGame) Send(tour::NextDealFrame());
    }
  }
  // The game's result for places 1 and 2, as this copy has it.
  std::int32_t PlaceOneResult() const {
    const std::int32_t own = game_.State().GameScore[2] - game_.State().GameScore[1];
    return place_ <= 2 ? own : -own;
  }
  int Deals() const { return deals_; }
  bool Disconnected() const { return socket_.state() == QAbstractSocket::UnconnectedState; }
  const GameState& State() const { return game_.State(); }

  std::vector<ServerFrameData> Received;
  bool Ended = false;

 private:
  void Move(const lan::Frame& move) {
    Send(tour::MoveFrame(place_, move));
    Apply(move);
  }
  void Apply(const lan::Frame& move) {
    switch (move.Kind) {
      case lan::FrameKind::Show:
        ASSERT_TRUE(game_.StartPlay());
        break;
      case lan::FrameKind::Card:
        ASSERT_TRUE(game_.PlayCard(SeatToPlay(game_.State()), move.Slot, false));
        break;
      case lan::FrameKind::Gather:
        ASSERT_TRUE(game_.GatherTrick());
        if (game_.State().Turn == turn::kDealOver) game_.ScoreCurrentDeal(true);
        break;
      case lan::FrameKind::CloseSheet:
        break;
    }
  }

  int place_;
  Random rng_;
  QuietBoundary quiet_;
  NewPlayerRecords records_;
  Game game_;
  QTcpSocket socket_;
  lan::MessageCutter cutter_{tour::ServerStreamLayout, tour::kTourBufferLimit};
  int deals_ = 0;
  int askedFor_ = 0;
};

const char* const kNicks[5] = {"", "Ann", "Bob", "Cid", "Dora"};

class TourTableTest : public ClubServerTest {
 protected:
  bool Start(const QStringList& extra = {}) {
    if (!StartServer(QStringList{"--tour-tables", "--tour-host", "127.0.0.1", "--tour-base-port", "0"} + extra)) {
      return false;
    }
    const TourTables tables = Client().ReadTables();
    if (!tables.Ok || tables.Rows[1].Port <= 0) return false;
    basePort_ = tables.Rows[1].Port - 1;
    return Client().ReadServerInfo().State == 'Y';
  }
  // Seats the four players at `table` through the lobby requests and connects them.
  void SeatAll(int table) {
    for (int place = 1; place <= 4; ++place) {
      const TZanClient who{kNicks[place], 0, 0, 0, "Russia", "Moscow", 'M', "127.0.0.1"};
      ASSERT_EQ(Client().SetSeat(table, place, 1, who), 0) << place;
      places_.push_back(std::make_unique<TestPlace>(place, 77 + static_cast<std::uint64_t>(place)));
      ASSERT_TRUE(places_.back()->Connect(basePort_ + table)) << place;
    }
  }
  TestPlace& At(int place) { return *places_[static_cast<std::size_t>(place - 1)]; }
  // Runs the table until `done` holds; false after the deadline.
  template <typename Done>
  bool RunUntil(Done done, bool act = true, int limitMs = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
      if (clock.elapsed() > limitMs) return false;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      for (auto& p : places_) {
        p->Read();
        if (act) p->Act();
      }
    }
    return true;
  }

  int basePort_ = 0;
  std::vector<std::unique_ptr<TestPlace>> places_;
};

TEST_F(TourTableTest, FourPlacesPlayAWholeGameAndItIsRecorded) {
  ASSERT_TRUE(Start());
  SeatAll(4);
  ASSERT_TRUE(RunUntil([&] {
    for (auto& p : places_) {
      if (!p->Ended) return false;
    }
    return true;
  }));
  const std::int32_t result = At(1).PlaceOneResult();
  for (int place = 1; place <= 4; ++place) {
    EXPECT_EQ(At(place).Deals(), 4) << place;
    EXPECT_EQ(At(place).State().Turn, turn::kDealScored) << place;
    EXPECT_EQ(At(place).PlaceOneResult(), result) << "place " << place << " saw another game";
  }
  for (int place = 1; place <= 4; ++place) {
    const TourRating rating = Client().ReadTourRating(kNicks[place]);
    ASSERT_TRUE(rating.Ok);
    EXPECT_EQ(rating.Kon, 1) << kNicks[place];
    EXPECT_EQ(rating.Score, place <= 2 ? result : -result) << kNicks[place];
    EXPECT_EQ(rating.Rating, place <= 2 ? result : -result) << "the average of one game";
  }
  EXPECT_EQ(Client().ReadSeat(4, 1)->Nick, "X") << "the table is free again";
}

TEST_F(TourTableTest, APlaceThatLeavesOrBreaksTheRulesEndsTheGameForTheOthers) {
  struct Case {
    const char* name;
    int culprit;
    std::function<void(TestPlace&)> act;
  };
  const Case cases[] = {
      {"disconnects", 3, [](TestPlace& p) { p.Close(); }},
      {"plays out of turn", 2, [](TestPlace& p) { p.Send(tour::MoveFrame(2, {lan::FrameKind::Card, 1, 2})); }},
      {"presses place 1's button", 4, [](TestPlace& p) { p.Send(tour::MoveFrame(4, {lan::FrameKind::Show, 0, 4})); }},
      {"claims another place", 2, [](TestPlace& p) { p.Send(tour::MoveFrame(1, {lan::FrameKind::Show, 0, 1})); }},
      {"sends garbage", 3, [](TestPlace& p) { p.Send(std::string(50, 'Z')); }},
      {"leaves its seat", 4, [](TestPlace& p) { p.Send(tour::LeaveSeatFrame(4)); }},
  };
  ASSERT_TRUE(Start());
  int table = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    places_.clear();
    ++table;
    SeatAll(table);
    // Every place has its first deal; nobody moves yet.
    ASSERT_TRUE(RunUntil(
        [&] {
          for (auto& p : places_) {
            if (p->Deals() == 0) return false;
          }
          return true;
        },
        false));
    c.act(At(c.culprit));
    ASSERT_TRUE(RunUntil(
        [&] {
          for (int place = 1; place <= 4; ++place) {
            if (place != c.culprit && !At(place).Disconnected()) return false;
          }
          return true;
        },
        false, 20000));
    for (int place = 1; place <= 4; ++place) {
      if (place == c.culprit) continue;
      ASSERT_FALSE(At(place).Received.empty());
      const ServerFrameData& last = At(place).Received.back();
      EXPECT_EQ(last.Is, ServerFrameData::Abort) << "place " << place;
      EXPECT_EQ(last.Place, c.culprit) << "place " << place;
    }
    EXPECT_EQ(Client().ReadSeat(table, 1)->Nick, "X") << "the seats are given back";
    EXPECT_EQ(Client().ReadTourRating(kNicks[1]).Kon, 0) << "an unfinished game is not counted";
  }
}

TEST_F(TourTableTest, TheServerEndsTheTurnOfAPlaceWhoseClockRunsOut) {
  ASSERT_TRUE(Start({"--tour-move-seconds", "1"}));
  SeatAll(2);
  // Nobody moves: place 1 owes the start of play, and its program never says "TOut".
  ASSERT_TRUE(RunUntil(
      [&] {
        for (int place = 2; place <= 4; ++place) {
          if (!At(place).Disconnected()) return false;
        }
        return true;
      },
      false, 20000));
  // Every place, the late one included, hears whose time ran out.
  ASSERT_TRUE(RunUntil([&] { return At(1).Disconnected(); }, false, 20000));
  for (int place = 1; place <= 4; ++place) {
    ASSERT_FALSE(At(place).Received.empty()) << "place " << place;
    const ServerFrameData& last = At(place).Received.back();
    EXPECT_EQ(last.Is, ServerFrameData::TimeOut) << "place " << place;
    EXPECT_EQ(last.Place, 1) << "place " << place;
  }
}

TEST_F(TourTableTest, OnlyTheHoldersOfTakenSeatsAreLetIn) {
  ASSERT_TRUE(Start());
  const TZanClient ann{"Ann", 0, 0, 0, "Russia", "Moscow", 'M', "127.0.0.1"};
  ASSERT_EQ(Client().SetSeat(6, 1, 1, ann), 0);
  TestPlace free(2, 1);  // seat 2 of table 6 is free
  ASSERT_TRUE(free.Connect(basePort_ + 6));
  TestPlace seated(1, 1);
  ASSERT_TRUE(seated.Connect(basePort_ + 6));
  QElapsedTimer clock;
  clock.start();
  while (!free.Disconnected() && clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_TRUE(free.Disconnected());
  EXPECT_FALSE(seated.Disconnected());
}

}  // namespace
}  // namespace tavlo::testing
