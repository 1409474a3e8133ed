#include "server/tour_tables.h"

#include <QTcpServer>
#include <QTcpSocket>

#include "game/deal_message.h"

namespace tavlo {
namespace {

std::unique_ptr<lan::MessageCutter> PlayerCutter() {
  return std::make_unique<lan::MessageCutter>(tour::PlayerStreamLayout, tour::kTourBufferLimit);
}

void Drop(QTcpSocket* socket) {
  if (!socket) return;
  socket->disconnect();
  // The last frames still wait to be written: the socket goes once they are out.
  QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  socket->disconnectFromHost();
  if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
}

}  // namespace

TourTable::TourTable(int table, ClubStore& store, const TourTableOptions& options, QObject* parent)
    : QObject(parent),
      table_(table),
      store_(store),
      options_(options),
      rng_(options.Seed != 0 ? options.Seed * 100 + static_cast<std::uint64_t>(table) : Random::ClockSeed()) {
  clock_.setInterval(1000);
  connect(&clock_, &QTimer::timeout, this, &TourTable::OnClockTick);
}

TourTable::~TourTable() { Close(); }

bool TourTable::Listen(const QHostAddress& host, std::uint16_t port) {
  delete server_;
  server_ = new QTcpServer(this);
  connect(server_, &QTcpServer::newConnection, this, &TourTable::OnNewConnection);
  return server_->listen(host, port);
}

void TourTable::Close() {
  DropAll();
  if (server_) server_->close();
}

std::uint16_t TourTable::Port() const { return server_ ? server_->serverPort() : 0; }

void TourTable::OnNewConnection() {
  while (QTcpSocket* socket = server_->nextPendingConnection()) {
    pending_.push_back({socket, PlayerCutter()});
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnPendingRead(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
      for (std::size_t k = 0; k < pending_.size(); ++k) {
        if (pending_[k].Socket == socket) {
          Drop(socket);
          pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(k));
          return;
        }
      }
    });
    // A connection that never says its place does not hold the table's port for long.
    QTimer::singleShot(options_.ConnectSeconds * 1000, socket, [this, socket] {
      for (std::size_t k = 0; k < pending_.size(); ++k) {
        if (pending_[k].Socket == socket) {
          Drop(socket);
          pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(k));
          return;
        }
      }
    });
  }
}

void TourTable::OnPendingRead(QTcpSocket* socket) {
  std::size_t k = 0;
  while (k < pending_.size() && pending_[k].Socket != socket) ++k;
  if (k == pending_.size()) return;
  Pending& p = pending_[k];
  const QByteArray bytes = socket->readAll();
  p.Cutter->Append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  std::string frame;
  const lan::MessageCutter::Result cut = p.Cutter->Next(frame);
  if (cut == lan::MessageCutter::Result::NeedMore) return;
  const auto data = cut == lan::MessageCutter::Result::Message ? tour::ParsePlayerFrame(frame) : std::nullopt;
  // Only a place whose seat at this table is taken in the lobby, and which is not connected yet.
  const std::optional<TZanClient> seat =
      data && data->Is == tour::PlayerFrameData::Connect ? store_.Seat(table_, data->Place) : std::nullopt;
  if (!seat || seat->Nick == "X" || places_[static_cast<std::size_t>(data->Place)].Socket || referee_) {
    Drop(socket);
    pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(k));
    return;
  }
  Seat(k, data->Place);
}

void TourTable::Seat(std::size_t pending, int place) {
  Place& p = places_[static_cast<std::size_t>(place)];
  p.Socket = pending_[pending].Socket;
  p.Cutter = std::move(pending_[pending].Cutter);
  pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(pending));
  p.Socket->disconnect(this);
  connect(p.Socket, &QTcpSocket::readyRead, this, [this, place] { OnPlaceRead(place); });
  connect(p.Socket, &QTcpSocket::disconnected, this, [this, place] { OnPlaceClosed(place); });
  for (int k = 1; k <= 4; ++k) {
    if (!places_[static_cast<std::size_t>(k)].Socket) return;
  }
  StartGame();
  // Frames that came right behind the "connect" wait in the cutter.
  for (int k = 1; k <= 4 && referee_; ++k) OnPlaceRead(k);
}

void TourTable::StartGame() {
  for (int place = 1; place <= 4; ++place) {
    const std::optional<TZanClient> seat = store_.Seat(table_, place);
    if (!seat || seat->Nick == "X") {
      // The lobby gave the seat back meanwhile: that place is not at the table any more.
      Drop(places_[static_cast<std::size_t>(place)].Socket);
      places_[static_cast<std::size_t>(place)] = {};
      return;
    }
    players_[static_cast<std::size_t>(place - 1)] = *seat;
  }
  referee_ = std::make_unique<TourReferee>();
  ended_ = false;
  DealNext();
}

void TourTable::DealNext() {
  const DeckCards deck = TourDeck(rng_);
  OneBased<std::uint8_t, 52> ranks;
  for (int i = 1; i <= 52; ++i) ranks[i] = RankValueOf(deck[i]);
  referee_->Deal(deck);
  const std::string frame = DealMessage(deck, ranks);
  for (int place = 1; place <= 4; ++place) SendTo(place, frame);
  RestartClock();
}

void TourTable::OnPlaceRead(int place) {
  Place& p = places_[static_cast<std::size_t>(place)];
  if (!p.Socket) return;
  const QByteArray bytes = p.Socket->readAll();
  p.Cutter->Append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  std::string frame;
  for (;;) {
    const lan::MessageCutter::Result cut = p.Cutter->Next(frame);
    if (cut == lan::MessageCutter::Result::NeedMore) return;
    if (cut == lan::MessageCutter::Result::Broken) {
      EndEarly(place, tour::AbortFrame(place));
      return;
    }
    HandleFrame(place, frame);
    // The frame may have ended the game and dropped every connection.
    if (!places_[static_cast<std::size_t>(place)].Socket) return;
  }
}

void TourTable::HandleFrame(int place, const std::string& frame) {
  const auto data = tour::ParsePlayerFrame(frame);
  if (!data || data->Place != place) {
    EndEarly(place, tour::AbortFrame(place));
    return;
  }
  if (!referee_) {
    // Waiting for the others: a place may still give its seat back.
    if (data->Is != tour::PlayerFrameData::Chat) {
      Drop(places_[static_cast<std::size_t>(place)].Socket);
      places_[static_cast<std::size_t>(place)] = {};
    }
    return;
  }
  switch (data->Is) {
    case tour::PlayerFrameData::Chat:
      SendToOthers(place, frame);
      return;
    case tour::PlayerFrameData::TimeOut:
      EndEarly(place, tour::TimeOutFrame(place));
      return;
    case tour::PlayerFrameData::Result:
      // Place 1 leaves a finished game; the server has counted it already.
      if (ended_ && place == 1) return;
      break;
    case tour::PlayerFrameData::Move:
    case tour::PlayerFrameData::NextDeal:
      if (ended_ && data->Is == tour::PlayerFrameData::Move && data->Moved.Kind == lan::FrameKind::CloseSheet &&
          referee_->Accept(place, *data)) {
        SendToOthers(place, frame);
        return;
      }
      if (ended_ || !referee_->Accept(place, *data)) break;
      if (data->Is == tour::PlayerFrameData::NextDeal) {
        DealNext();
        return;
      }
      SendToOthers(place, frame);
      if (referee_->GameOver()) {
        ended_ = true;
        clock_.stop();
        const std::int32_t result = referee_->PlaceOneResult();
        store_.RecordTourGame(table_, players_, result);
        for (int k = 1; k <= 4; ++k) SendTo(k, tour::EndFrame());
        // Nothing is owed after the end; the table is free for the next four at once.
        DropAll();
        emit GameRecorded(table_, result);
        return;
      }
      RestartClock();
      return;
    case tour::PlayerFrameData::Connect:
    case tour::PlayerFrameData::LeaveSeat:
      break;
  }
  if (ended_) {
    // After the end anything else just closes that place's connection.
    Drop(places_[static_cast<std::size_t>(place)].Socket);
    places_[static_cast<std::size_t>(place)] = {};
    return;
  }
  EndEarly(place, tour::AbortFrame(place));
}

void TourTable::OnPlaceClosed(int place) {
  Place& p = places_[static_cast<std::size_t>(place)];
  if (referee_ && !ended_) {
    EndEarly(place, tour::AbortFrame(place));
    return;
  }
  Drop(p.Socket);
  p = {};
  if (referee_ && ended_) {
    for (int k = 1; k <= 4; ++k) {
      if (places_[static_cast<std::size_t>(k)].Socket) return;
    }
    referee_.reset();
  }
}

void TourTable::SendTo(int place, const std::string& bytes) {
  QTcpSocket* socket = places_[static_cast<std::size_t>(place)].Socket;
  if (socket) socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void TourTable::SendToOthers(int place, const std::string& bytes) {
  for (int k = 1; k <= 4; ++k) {
    if (k != place) SendTo(k, bytes);
  }
}

void TourTable::RestartClock() {
  clockPlace_ = referee_->PlaceDue();
  secondsLeft_ = options_.MoveSeconds;
  if (clockPlace_ == 0) {
    clock_.stop();
  } else {
    clock_.start();
  }
}

void TourTable::OnClockTick() {
  if (!referee_ || ended_ || clockPlace_ == 0) return;
  if (--secondsLeft_ > 0) return;
  // The late place is told as well: its program learns it lost on time, not that the line broke.
  const std::string frame = tour::TimeOutFrame(clockPlace_);
  SendTo(clockPlace_, frame);
  EndEarly(clockPlace_, frame);
}

void TourTable::EndEarly(int place, const std::string& frame) {
  clock_.stop();
  const bool playing = referee_ != nullptr && !ended_;
  if (playing) SendToOthers(place, frame);
  // The game is not counted; the seats are given back so the table can be taken again.
  if (playing) store_.FreeTable(table_);
  DropAll();
  if (playing) emit GameAborted(table_, place);
}

void TourTable::DropAll() {
  clock_.stop();
  for (Place& p : places_) {
    Drop(p.Socket);
    p = {};
  }
  for (Pending& p : pending_) Drop(p.Socket);
  pending_.clear();
  referee_.reset();
  ended_ = false;
}

TourTables::TourTables(ClubStore& store, const TourTableOptions& options, QObject* parent)
    : QObject(parent), store_(store) {
  for (int k = 1; k <= 10; ++k) tables_.push_back(std::make_unique<TourTable>(k, store_, options, this));
}

bool TourTables::ListenAt(const QHostAddress& host, int basePort) {
  for (int k = 1; k <= 10; ++k) {
    if (!Table(k).Listen(host, static_cast<std::uint16_t>(basePort + k))) {
      for (int j = 1; j <= k; ++j) Table(j).Close();
      return false;
    }
  }
  basePort_ = basePort;
  return true;
}

bool TourTables::Listen(const QHostAddress& host, int basePort) {
  if (basePort > 0) return basePort + 10 <= 65535 && ListenAt(host, basePort);
  // Ten ports in a row from the system: the first is its choice, the rest are tried after it.
  for (int attempt = 0; attempt < 50; ++attempt) {
    QTcpServer probe;
    if (!probe.listen(host, 0)) return false;
    const int first = probe.serverPort();
    probe.close();
    if (first - 1 + 10 > 65535) continue;
    if (ListenAt(host, first - 1)) return true;
  }
  return false;
}

}  // namespace tavlo
