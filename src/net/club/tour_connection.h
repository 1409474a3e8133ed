#pragma once

#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <cstdint>
#include <string_view>

#include "game/flow.h"
#include "game/game.h"
#include "net/lan/message_cutter.h"

namespace tavlo {

// The program's connection to its tournament table (`CS`). It opens the connection after the
// seat was taken, says "connect" with the place, writes every frame through SendTourFrame and
// hands what arrives to the game flow, checked: a deal, a move or a button the game cannot take
// means the copies no longer agree, and the connection is closed as lost.
class TourConnection : public QObject {
  Q_OBJECT

 public:
  // `TourLink`: 0 idle, 1 connecting, 2 joined, 10 the game is over (a close is no news then).
  enum Link { Idle = 0, Connecting = 1, Joined = 2, Finished = 10 };

  explicit TourConnection(QObject* parent = nullptr);

  void Attach(Game* game, FlowController* flow) {
    game_ = game;
    flow_ = flow;
  }
  void Open(const QString& host, quint16 port, int place);
  // Pads the text to a frame with the own place and writes it.
  void SendTourFrame(std::string_view text);
  // The seat is given back in the lobby: "disA", then the connection is closed.
  void LeaveSeat();
  // Place 1 leaves a finished game with its result.
  void SendResult(std::int32_t placeOneResult);
  void Close();

  int TourLink() const { return link_; }
  int Place() const { return place_; }

 signals:
  void GameEnded();            // 'e'
  void PlaceLeft(int place);   // 'a'
  void TimeRanOut(int place);  // 'T'
  void ChatReceived(int place, const QString& line);
  void ConnectionLost();    // closed during the game
  void ConnectionFailed();  // the table could not be reached (`NoGameFound`)

 private:
  void OnReadyRead();
  void OnClosed();
  bool Handle(const std::string& frame);

  QTcpSocket socket_;
  lan::MessageCutter cutter_;
  Game* game_ = nullptr;
  FlowController* flow_ = nullptr;
  int place_ = 0;
  int link_ = Idle;
};

}  // namespace tavlo
