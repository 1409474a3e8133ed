#include "net/lan/lan_session.h"

#include <QTcpServer>
#include <QTcpSocket>

#include "game/deal_message.h"
#include "game/flow.h"
#include "game/game.h"
#include "game/seats.h"
#include "game/trick.h"
#include "lang/cp1251.h"
#include "net/lan/delivery.h"

namespace tavlo::lan {
namespace {

constexpr int kRetryMs = 20;
// Messages of one connection that may wait to be acted on.
constexpr std::size_t kMaxWaiting = 256;

QString FromCp1251(std::string_view bytes) { return QString::fromStdString(Cp1251ToUtf8(bytes)); }

}  // namespace

LanSession::LanSession(QObject* parent) : QObject(parent) {
  retry_.setSingleShot(true);
  retry_.setInterval(kRetryMs);
  connect(&retry_, &QTimer::timeout, this, &LanSession::Pump);
  state_.Names.fill(std::string(kComputerName));
}

LanSession::~LanSession() { CloseAll(); }

void LanSession::Attach(Game* game, FlowController* flow) {
  game_ = game;
  flow_ = flow;
}

bool LanSession::Listen(const std::string& name, std::uint16_t port, const QHostAddress& address) {
  CloseAll();
  pending_.clear();
  ownName_ = LanName(name);
  server_ = new QTcpServer(this);
  if (!server_->listen(address, port)) {
    delete server_;
    server_ = nullptr;
    return false;
  }
  connect(server_, &QTcpServer::newConnection, this, &LanSession::OnNewConnection);
  state_.NetRole = 1;
  state_.Phase = NetPhase::Waiting;
  state_.LastClient = -1;
  state_.AwaitingDeal = false;
  state_.NoGameFound = false;
  state_.StartAccepted = false;
  state_.Names.fill(std::string(kComputerName));
  state_.Names[1] = ownName_;
  return true;
}

std::uint16_t LanSession::ListeningPort() const { return server_ ? server_->serverPort() : 0; }

void LanSession::Connect(const std::string& name, const QString& address, std::uint16_t port) {
  CloseAll();
  pending_.clear();
  ownName_ = LanName(name);
  state_.NetRole = 2;
  state_.Phase = NetPhase::Waiting;
  state_.LastClient = -1;
  state_.AwaitingDeal = true;
  state_.NoGameFound = true;
  state_.StartAccepted = false;
  auto connection = std::make_unique<Connection>();
  auto* socket = new QTcpSocket(this);
  connection->Socket = socket;
  connections_.push_back(std::move(connection));
  connect(socket, &QTcpSocket::connected, this, [this, socket] { Write(socket, JoinRequest(ownName_)); });
  connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
  connect(socket, &QTcpSocket::disconnected, this, [this, socket] { OnSocketGone(socket); });
  connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] { OnSocketGone(socket); });
  socket->connectToHost(address, port);
}

void LanSession::Cancel() {
  CloseAll();
  state_.Phase = NetPhase::Off;
}

void LanSession::Close() {
  CloseAll();
  state_.Phase = NetPhase::Off;
  state_.NetRole = 0;
}

bool LanSession::Active() const { return server_ != nullptr || !connections_.empty(); }

void LanSession::OnNewConnection() {
  while (QTcpSocket* socket = server_->nextPendingConnection()) {
    socket->setParent(this);
    auto connection = std::make_unique<Connection>();
    connection->Socket = socket;
    connections_.push_back(std::move(connection));
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { OnSocketGone(socket); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] { OnSocketGone(socket); });
    if (socket->bytesAvailable() > 0) OnReadyRead(socket);
  }
}

LanSession::Connection* LanSession::Find(QTcpSocket* socket) {
  for (auto& c : connections_) {
    if (c->Socket == socket) return c.get();
  }
  return nullptr;
}

void LanSession::OnReadyRead(QTcpSocket* socket) {
  Connection* c = Find(socket);
  if (!c) return;
  const QByteArray bytes = socket->readAll();
  traffic_.BytesReceived += static_cast<std::uint64_t>(bytes.size());
  c->Cutter.Append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  std::string message;
  for (;;) {
    const MessageCutter::Result r = c->Cutter.Next(message);
    if (r == MessageCutter::Result::NeedMore) break;
    if (r == MessageCutter::Result::Broken) {
      // Nothing after unreadable bytes can be trusted: the connection ends.
      OnSocketGone(socket);
      return;
    }
    ++traffic_.MessagesReceived;
    pending_.push_back({socket, message});
    ++c->Waiting;
    if (c->Waiting > kMaxWaiting) {
      // A game never has this much to say at once: a flood, not a player.
      OnSocketGone(socket);
      return;
    }
  }
  Pump();
}

void LanSession::OnSocketGone(QTcpSocket* socket) {
  Connection* c = Find(socket);
  if (!c) return;
  const bool seated = c->Seat != 0 || state_.NetRole >= 2;
  const bool clientWaiting = state_.NetRole >= 2 && state_.Phase == NetPhase::Waiting;
  CloseSocket(socket);
  if (clientWaiting) {
    // Refused, unreachable or turned away before a seat: the waiting window says so.
    state_.NoGameFound = true;
    emit NoGameFound();
    return;
  }
  if (seated) {
    pending_.push_back({socket, std::string(kAbort)});
    Pump();
  }
}

void LanSession::Pump() {
  if (pumping_) return;
  pumping_ = true;
  while (!pending_.empty()) {
    DeliveryContext now;
    now.Busy = Busy && Busy();
    now.SheetOpen = SheetOpen && SheetOpen();
    if (game_) {
      now.GameShown = game_->State().GameShown;
      now.Turn = game_->State().Turn;
    }
    const Pending& next = pending_.front();
    // A connection without a seat is answered at once: its join, or its way out.
    const Connection* from = Find(next.From);
    const bool stranger = state_.NetRole == 1 && from != nullptr && from->Seat == 0;
    if (!stranger && !MayDeliver(next.Message, now)) {
      // An interruption closes the score sheet that holds it back.
      if (next.Message == kAbort && now.SheetOpen) emit CloseScoreSheet();
      retry_.start();
      break;
    }
    const Pending p = next;
    pending_.pop_front();
    if (Connection* c = Find(p.From)) --c->Waiting;
    Handle(p);
  }
  pumping_ = false;
}

void LanSession::Handle(const Pending& p) {
  if (p.Message == kAbort) {
    if (state_.NetRole >= 2 || Find(p.From) == nullptr) {
      // The server ignores "abort" from a client; a lost connection is a partner lost.
      PartnerLost();
      return;
    }
  }
  if (state_.NetRole == 1) {
    if (Connection* c = Find(p.From)) HandleOnServer(*c, p.Message);
  } else if (state_.NetRole >= 2 && Find(p.From) != nullptr) {
    HandleOnClient(p.Message);
  }
}

void LanSession::Drop(Connection& c, std::size_t bytes) {
  c.JunkBytes += bytes;
  if (c.JunkBytes <= kLanBufferLimit) return;
  // Kilobytes without one valid message: not a player of this game.
  OnSocketGone(c.Socket);
}

void LanSession::HandleOnServer(Connection& c, const std::string& message) {
  if (c.Seat == 0) {
    const std::optional<std::string> name = ParseJoinRequest(message);
    if (name && state_.Phase == NetPhase::Waiting && state_.LastClient < 2) {
      SeatClient(c, *name);
    } else {
      // Another game, a table already dealt or full, or no join at all: turned away, and
      // nobody seated is disturbed.
      CloseSocket(c.Socket);
    }
    return;
  }
  if (const std::optional<Frame> frame = ParseFrame(message)) {
    // Only the server's player moves the game on; a client sends nothing but its cards.
    if (frame->Kind != FrameKind::Card || frame->Sender != c.Seat) return Drop(c, message.size());
    c.JunkBytes = 0;
    if (!PlayRemoteCard(frame->Slot, c.Seat)) OnSocketGone(c.Socket);
    return;
  }
  if (const std::optional<ChatLine> line = ParseChat(message)) {
    c.JunkBytes = 0;
    const std::string relayed = ChatMessage(c.Seat, line->Text);
    RelayFromServer(relayed, c.Seat);
    emit ChatReceived(c.Seat, FromCp1251(line->Text));
    return;
  }
  Drop(c, message.size());
}

bool LanSession::PlayRemoteCard(int slot, int sender) {
  if (!game_ || !flow_) return false;
  const GameState& s = game_->State();
  const int local = SeatToPlay(s);
  if (local == 0 || s.Dummy < 1 || s.Dummy > 4) return false;
  const int role = state_.NetRole;
  const int serverSeat = CompassOfLocalSeat(local, role);
  const int serverDummy = CompassOfLocalSeat(s.Dummy, role);
  if (LanSeatPlaying(serverSeat, serverDummy, state_.LastClient) != sender) return false;
  // Checked before it is passed on: the others never see a card that is refused here.
  if (!IsLegalPlay(s, local, slot)) return false;
  const std::string frame = CardFrame(slot, sender);
  if (role == 1) RelayFromServer(frame, sender);
  return flow_->OnRemoteCard(slot);
}

void LanSession::SeatClient(Connection& c, const std::string& name) {
  state_.LastClient += 1;
  c.Seat = state_.LastClient + 2;
  state_.Names[c.Seat] = LanName(name);
  Write(c.Socket, SeatReply(c.Seat, state_.Names));
  if (c.Seat >= 3) {
    const std::string news = SeatNews(c.Seat, state_.Names);
    for (auto& other : connections_) {
      if (other->Seat >= 2 && other->Seat < c.Seat) Write(other->Socket, news);
    }
  }
  emit SeatTaken(state_.LastClient);
  emit NamesChanged();
}

void LanSession::HandleOnClient(const std::string& message) {
  if (const auto reply = ParseSeatReply(message)) {
    if (state_.Phase != NetPhase::Waiting) return;
    state_.NetRole = reply->Seat;
    state_.LastClient = reply->Seat - 2;
    state_.Names = reply->Names;
    state_.Phase = NetPhase::Seated;
    state_.StartAccepted = true;
    state_.NoGameFound = false;
    emit Seated();
    emit NamesChanged();
    return;
  }
  if (const auto news = ParseSeatNews(message)) {
    if (state_.Phase != NetPhase::Seated || news->Seat <= state_.NetRole) return;
    state_.LastClient = news->Seat - 2;
    state_.Names = news->Names;
    if (game_) game_->SetSeatNames(ScreenSeatNames());
    emit NamesChanged();
    return;
  }
  if (message[0] == 'b') {
    DeckCards deck;
    OneBased<std::uint8_t, 52> ranks;
    // A deal that is not 52 distinct cards with their ranks, or that the table cannot take
    // now, ends the game: it never reaches the hands.
    if (!ParseDealMessage(message, deck, ranks) || !flow_ || !flow_->OnRemoteDeal(deck)) LoseServer();
    return;
  }
  if (const std::optional<Frame> frame = ParseFrame(message)) {
    if (!flow_) return;
    switch (frame->Kind) {
      case FrameKind::Show:
        flow_->OnRemoteStart();
        break;
      case FrameKind::Gather:
        flow_->OnRemoteGather();
        break;
      case FrameKind::CloseSheet:
        emit CloseScoreSheet();
        break;
      case FrameKind::Card:
        if (!PlayRemoteCard(frame->Slot, frame->Sender)) LoseServer();
        break;
    }
    return;
  }
  if (const std::optional<ChatLine> line = ParseChat(message)) {
    emit ChatReceived(line->Sender, FromCp1251(line->Text));
  }
  // Anything else from the server is ignored.
}

void LanSession::LoseServer() {
  if (!connections_.empty()) OnSocketGone(connections_.front()->Socket);
}

void LanSession::PartnerLost() {
  const bool over = flow_ != nullptr && flow_->GameOver();
  if (over) return;  // the others leave a finished game in their own time
  const bool seatedTable = state_.Phase != NetPhase::Off && (state_.NetRole >= 2 || state_.LastClient >= 0);
  if (state_.NetRole == 1) {
    // Every remaining client is told, whatever the number of players.
    for (auto& c : connections_) {
      if (c->Seat != 0) Write(c->Socket, kAbort);
    }
  }
  CloseAll();
  state_.Phase = NetPhase::Off;
  const bool left = flow_ != nullptr && flow_->OnPartnerLeft();
  if (left || seatedTable) emit Interrupted();
}

void LanSession::Write(QTcpSocket* socket, std::string_view bytes) {
  if (!socket || socket->state() != QAbstractSocket::ConnectedState) return;
  socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
  traffic_.BytesSent += bytes.size();
  ++traffic_.MessagesSent;
}

void LanSession::RelayFromServer(std::string_view bytes, int exceptSeat) {
  for (auto& c : connections_) {
    if (c->Seat != 0 && c->Seat != exceptSeat) Write(c->Socket, bytes);
  }
}

void LanSession::Send(std::string_view frame) {
  if (state_.NetRole == 1) {
    if (!frame.empty() && frame[0] == 'b') state_.Phase = NetPhase::Dealt;
    RelayFromServer(frame, 0);
  } else if (!connections_.empty()) {
    Write(connections_.front()->Socket, frame);
  }
}

void LanSession::SendChat(std::string_view text) {
  const int seat = state_.NetRole;
  if (seat < 1) return;
  Send(ChatMessage(seat, text));
}

OneBased<std::string, 4> LanSession::ScreenSeatNames() const {
  OneBased<std::string, 4> names = ScreenNames(state_.Names, std::max(1, state_.NetRole));
  for (std::string& name : names) name = Cp1251ToUtf8(name);
  return names;
}

void LanSession::CloseSocket(QTcpSocket* socket) {
  for (auto it = connections_.begin(); it != connections_.end(); ++it) {
    if ((*it)->Socket != socket) continue;
    socket->disconnect(this);
    // Whatever is still to be written goes out before the socket closes.
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
    connections_.erase(it);
    // Its messages are never acted on; only the news of its loss may still wait.
    std::erase_if(pending_, [socket](const Pending& p) { return p.From == socket && p.Message != kAbort; });
    return;
  }
}

void LanSession::CloseAll() {
  while (!connections_.empty()) CloseSocket(connections_.front()->Socket);
  if (server_) {
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
  }
}

}  // namespace tavlo::lan
