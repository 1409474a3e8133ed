#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/random.h"
#include "net/lan/message_cutter.h"
#include "server/club_store.h"
#include "server/tour_referee.h"

class QTcpServer;
class QTcpSocket;

namespace tavlo {

struct TourTableOptions {
  // The program's clock gives a place 26 seconds; the server waits a little longer, for the
  // network and the pauses place 1 takes before its buttons come back.
  int MoveSeconds = tour::kMoveSeconds + 6;
  // A connection that does not say its place within this time is closed.
  int ConnectSeconds = 15;
  std::uint64_t Seed = 0;  // 0: from the clock
};

// One tournament table: its listening socket and its game. The places connect after taking
// their seats in the lobby; the table knows who sits where from the club's storage. With four
// places connected it deals, passes every checked frame on to the other three, deals again on
// place 1's "bnext", sends "e" after the fourth deal and records the game. A place that leaves,
// sends anything that does not fit the game, or lets its clock run out ends the game for all:
// the others get "abort" with its place, or its "TOut".
class TourTable : public QObject {
  Q_OBJECT

 public:
  TourTable(int table, ClubStore& store, const TourTableOptions& options, QObject* parent = nullptr);
  ~TourTable() override;

  bool Listen(const QHostAddress& host, std::uint16_t port);
  void Close();
  std::uint16_t Port() const;
  bool Playing() const { return referee_ != nullptr; }

 signals:
  // Tests and the log follow the games with these.
  void GameRecorded(int table, std::int32_t placeOneResult);
  void GameAborted(int table, int place);

 private:
  struct Place {
    QTcpSocket* Socket = nullptr;
    std::unique_ptr<lan::MessageCutter> Cutter;
  };
  struct Pending {
    QTcpSocket* Socket = nullptr;
    std::unique_ptr<lan::MessageCutter> Cutter;
  };

  void OnNewConnection();
  void OnPendingRead(QTcpSocket* socket);
  void OnPlaceRead(int place);
  void OnPlaceClosed(int place);
  void Seat(std::size_t pending, int place);
  void StartGame();
  void DealNext();
  void HandleFrame(int place, const std::string& frame);
  void SendTo(int place, const std::string& bytes);
  void SendToOthers(int place, const std::string& bytes);
  void RestartClock();
  void OnClockTick();
  // Ends the running game early: `frame` goes to every place but `place`.
  void EndEarly(int place, const std::string& frame);
  void DropAll();

  int table_;
  ClubStore& store_;
  TourTableOptions options_;
  Random rng_;
  QTcpServer* server_ = nullptr;
  std::vector<Pending> pending_;
  std::array<Place, 5> places_{};  // 1-based
  std::array<TZanClient, 4> players_{};
  std::unique_ptr<TourReferee> referee_;
  bool ended_ = false;  // "e" was sent
  QTimer clock_;
  int clockPlace_ = 0;
  int secondsLeft_ = 0;
};

// The ten tables, table k on base port + k. Base port 0 finds ten free ports in a row.
class TourTables : public QObject {
  Q_OBJECT

 public:
  TourTables(ClubStore& store, const TourTableOptions& options, QObject* parent = nullptr);

  bool Listen(const QHostAddress& host, int basePort);
  int BasePort() const { return basePort_; }
  TourTable& Table(int k) { return *tables_[static_cast<std::size_t>(k - 1)]; }

 private:
  bool ListenAt(const QHostAddress& host, int basePort);

  ClubStore& store_;
  std::vector<std::unique_ptr<TourTable>> tables_;
  int basePort_ = 0;
};

}  // namespace tavlo
