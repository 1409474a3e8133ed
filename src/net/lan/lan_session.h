#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/lan/lan_state.h"
#include "net/lan/message_cutter.h"

class QTcpServer;
class QTcpSocket;

namespace tavlo {

class Game;
class FlowController;

namespace lan {

// The sockets of a LAN game: the server's listening socket and its seated clients, or a
// client's one connection to the server. Everything runs on the thread of the event loop.
//
// Every connection has its own receive buffer (MessageCutter), so a message split or
// merged by the transport reads the same. Received messages wait in one queue, in order,
// until the program may act on them (delivery.h). A connection that breaks the protocol
// (unreadable bytes, too much without a valid message, a card that is not legal, a bad
// deal) is closed; a seated partner who leaves a running game ends it on every program.
class LanSession : public QObject {
  Q_OBJECT

 public:
  explicit LanSession(QObject* parent = nullptr);
  ~LanSession() override;

  LanState& State() { return state_; }
  const LanState& State() const { return state_; }

  // The game the messages drive; set before the first deal can arrive.
  void Attach(Game* game, FlowController* flow);
  // Whether the program is busy now (a pause, a card flight, the computer's thinking) and
  // whether its score sheet is open; both default to no.
  std::function<bool()> Busy;
  std::function<bool()> SheetOpen;

  // Server: listens for players; port 0 takes one the system chooses. `name` is the
  // server's own (Windows-1251) name.
  bool Listen(const std::string& name, std::uint16_t port, const QHostAddress& address = QHostAddress::Any);
  std::uint16_t ListeningPort() const;
  // Client: connects and sends its join request.
  void Connect(const std::string& name, const QString& address, std::uint16_t port);
  // Cancel in the waiting window: every socket closed, the phase back to off.
  void Cancel();
  // The program leaves the LAN game: every socket closed, nobody told but by the closing.
  void Close();
  bool Active() const;
  // Open connections: the server's clients (seated or not), or the client's one.
  int Connected() const { return static_cast<int>(connections_.size()); }

  // RelayMessage with this program as the sender: the server sends to every seated
  // client, a client to the server. The deal ends the joining.
  void Send(std::string_view frame);
  // A chat line of this program's player (Windows-1251 text).
  void SendChat(std::string_view text);

  // The names of the four screen seats as this program draws them (UTF-8).
  OneBased<std::string, 4> ScreenSeatNames() const;

  struct Traffic {
    std::uint64_t BytesSent = 0;
    std::uint64_t MessagesSent = 0;
    std::uint64_t BytesReceived = 0;
    std::uint64_t MessagesReceived = 0;
  };
  const Traffic& Counted() const { return traffic_; }

 signals:
  // Server: a client took LAN seat LastClient + 2.
  void SeatTaken(int lastClient);
  // Client: the server gave this program its seat (StartAccepted).
  void Seated();
  // The seat names changed (a later client joined).
  void NamesChanged();
  // Client: the connection failed or nobody seated it: "There are no accessible games".
  void NoGameFound();
  // A chat line arrived from LAN seat `seat`.
  void ChatReceived(int seat, const QString& text);
  // "hclos": the server closed its score sheet.
  void CloseScoreSheet();
  // A partner left a running game or a seated table: the program is back at the menu (or
  // at the name dialog) and shows the interruption notice.
  void Interrupted();

 private:
  struct Connection {
    QTcpSocket* Socket = nullptr;
    MessageCutter Cutter{LanLayout, kLanBufferLimit};
    int Seat = 0;               // LAN seat, 0 while not seated
    std::size_t JunkBytes = 0;  // bytes of dropped messages since the last valid one
    std::size_t Waiting = 0;    // its messages in the queue
  };
  struct Pending {
    QTcpSocket* From = nullptr;
    std::string Message;  // "abort" also stands for a lost connection
  };

  void OnNewConnection();
  void OnReadyRead(QTcpSocket* socket);
  void OnSocketGone(QTcpSocket* socket);
  void Pump();
  void Handle(const Pending& p);
  void HandleOnServer(Connection& c, const std::string& message);
  void HandleOnClient(const std::string& message);
  bool PlayRemoteCard(int slot, int sender);
  void SeatClient(Connection& c, const std::string& name);
  void Drop(Connection& c, std::size_t bytes);
  void PartnerLost();
  void LoseServer();
  void Write(QTcpSocket* socket, std::string_view bytes);
  void RelayFromServer(std::string_view bytes, int exceptSeat);
  void CloseSocket(QTcpSocket* socket);
  void CloseAll();
  Connection* Find(QTcpSocket* socket);

  LanState state_;
  Game* game_ = nullptr;
  FlowController* flow_ = nullptr;
  QTcpServer* server_ = nullptr;
  std::vector<std::unique_ptr<Connection>> connections_;  // the server's clients, or the client's server
  std::deque<Pending> pending_;
  QTimer retry_;
  bool pumping_ = false;
  std::string ownName_;
  Traffic traffic_;
};

}  // namespace lan
}  // namespace tavlo
