#pragma once

#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
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
  // The game is over for this program (its own clock ran out): a close is no news any more.
  void MarkFinished() { link_ = Finished; }

  int TourLink() const { return link_; }
  int Place() const { return place_; }
  bool Connected() const { return socket_.state() == QAbstractSocket::ConnectedState; }

  // A window sets these: while it is busy (a pause, a flying card) nothing is acted on, and while
  // a deal waits for its score sheet or the sheet is open, only the sheet's closing and chat are.
  // What may not be acted on yet waits, in order, and is tried again shortly.
  std::function<bool()> Busy;
  std::function<bool()> SheetOpen;

 signals:
  void GameEnded();            // 'e'
  void PlaceLeft(int place);   // 'a'
  void TimeRanOut(int place);  // 'T'
  void ChatReceived(int place, const QString& line);
  void ConnectionLost();    // closed during the game
  void ConnectionFailed();  // the table could not be reached (`NoGameFound`)
  void CloseScoreSheet();   // place 1 closed its score sheet ("hclos"), or a place left with it open
  void FrameHandled();      // a frame from the table was acted on

 private:
  void OnReadyRead();
  void OnClosed();
  void Pump();
  bool MayHandleNow(const std::string& frame);
  bool Handle(const std::string& frame);

  QTcpSocket socket_;
  lan::MessageCutter cutter_;
  Game* game_ = nullptr;
  FlowController* flow_ = nullptr;
  std::deque<std::string> pending_;
  QTimer retry_;
  bool pumping_ = false;
  bool closedMeanwhile_ = false;  // the connection closed while frames still waited
  int place_ = 0;
  int link_ = Idle;
};

}  // namespace tavlo
