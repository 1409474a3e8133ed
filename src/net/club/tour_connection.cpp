#include "net/club/tour_connection.h"

#include "lang/cp1251.h"
#include "net/club/tour_frames.h"
#include "net/lan/delivery.h"

namespace tavlo {
namespace {

constexpr int kRetryMs = 20;

}  // namespace

TourConnection::TourConnection(QObject* parent)
    : QObject(parent), cutter_(tour::ServerStreamLayout, tour::kTourBufferLimit) {
  connect(&socket_, &QTcpSocket::connected, this, [this] {
    link_ = Joined;
    socket_.write(QByteArray::fromStdString(tour::ConnectFrame(place_)));
  });
  retry_.setSingleShot(true);
  retry_.setInterval(kRetryMs);
  connect(&retry_, &QTimer::timeout, this, &TourConnection::Pump);
  connect(&socket_, &QTcpSocket::readyRead, this, &TourConnection::OnReadyRead);
  connect(&socket_, &QTcpSocket::disconnected, this, &TourConnection::OnClosed);
  connect(&socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
    if (link_ == Connecting) {
      link_ = Idle;
      socket_.abort();
      emit ConnectionFailed();
    }
  });
}

void TourConnection::Open(const QString& host, quint16 port, int place) {
  place_ = place;
  link_ = Connecting;
  cutter_ = lan::MessageCutter(tour::ServerStreamLayout, tour::kTourBufferLimit);
  pending_.clear();
  closedMeanwhile_ = false;
  socket_.connectToHost(host, port);
}

void TourConnection::SendTourFrame(std::string_view text) {
  if (socket_.state() != QAbstractSocket::ConnectedState) return;
  socket_.write(QByteArray::fromStdString(tour::SendTourFrame(text, place_)));
}

void TourConnection::LeaveSeat() {
  SendTourFrame("disA");
  link_ = Idle;
  socket_.disconnectFromHost();
}

void TourConnection::SendResult(std::int32_t placeOneResult) {
  if (socket_.state() == QAbstractSocket::ConnectedState) {
    socket_.write(QByteArray::fromStdString(tour::ResultFrame(placeOneResult)));
  }
}

void TourConnection::Close() {
  if (link_ != Finished) link_ = Idle;
  pending_.clear();
  retry_.stop();
  socket_.disconnectFromHost();
}

void TourConnection::OnReadyRead() {
  const QByteArray bytes = socket_.readAll();
  cutter_.Append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  std::string frame;
  for (;;) {
    const lan::MessageCutter::Result cut = cutter_.Next(frame);
    if (cut == lan::MessageCutter::Result::NeedMore) break;
    if (cut == lan::MessageCutter::Result::Broken) {
      pending_.clear();
      socket_.abort();
      OnClosed();
      return;
    }
    pending_.push_back(frame);
  }
  Pump();
}

bool TourConnection::MayHandleNow(const std::string& frame) {
  // Without a window every frame is acted on as it comes (the flow scores a waiting deal itself).
  if (!Busy && !SheetOpen) return true;
  lan::DeliveryContext now;
  now.Busy = Busy && Busy();
  now.SheetOpen = SheetOpen && SheetOpen();
  if (game_) {
    now.GameShown = game_->State().GameShown;
    now.Turn = game_->State().Turn;
  }
  if (now.Busy) return false;
  switch (frame.empty() ? '\0' : frame[0]) {
    case 'b':
      // The first deal opens the table.
      return !now.GameShown || lan::MayDeliver(frame, now);
    case 'a':
    case 'T':
      // The end of the table waits for an open score sheet, which it closes first.
      if (now.SheetOpen) emit CloseScoreSheet();
      return !now.SheetOpen;
    default:
      return lan::MayDeliver(frame, now);
  }
}

void TourConnection::Pump() {
  if (pumping_) return;
  pumping_ = true;
  while (!pending_.empty()) {
    if (!MayHandleNow(pending_.front())) {
      retry_.start();
      break;
    }
    const std::string frame = pending_.front();
    pending_.pop_front();
    if (!Handle(frame)) {
      pending_.clear();
      socket_.abort();
      pumping_ = false;
      OnClosed();
      return;
    }
    emit FrameHandled();
  }
  pumping_ = false;
  // A close that came while frames still waited is news only once they have been acted on.
  if (pending_.empty() && closedMeanwhile_) {
    closedMeanwhile_ = false;
    OnClosed();
  }
}

bool TourConnection::Handle(const std::string& frame) {
  const auto data = tour::ParseServerFrame(frame);
  // A frame no server sends is dropped; one the game cannot take ends the table.
  if (!data || !game_ || !flow_) return true;
  switch (data->Is) {
    case tour::ServerFrameData::Chat:
      emit ChatReceived(data->Place, QString::fromStdString(Cp1251ToUtf8(data->Text)));
      return true;
    case tour::ServerFrameData::Deal:
      return link_ == Joined && flow_->OnTourDeal(data->Deck);
    case tour::ServerFrameData::Move:
      if (link_ != Joined) return true;
      switch (data->Moved.Kind) {
        case lan::FrameKind::Show:
          return flow_->OnRemoteStart();
        case lan::FrameKind::Card:
          return flow_->OnRemoteCard(data->Moved.Slot);
        case lan::FrameKind::Gather:
          return flow_->OnRemoteGather();
        case lan::FrameKind::CloseSheet:
          emit CloseScoreSheet();
          return true;
      }
      return true;
    case tour::ServerFrameData::End:
      link_ = Finished;
      emit GameEnded();
      return true;
    case tour::ServerFrameData::Abort:
      if (link_ == Finished) return true;
      link_ = Finished;
      emit PlaceLeft(data->Place);
      return true;
    case tour::ServerFrameData::TimeOut:
      link_ = Finished;
      emit TimeRanOut(data->Place);
      return true;
  }
  return true;
}

void TourConnection::OnClosed() {
  if (!pending_.empty()) {
    closedMeanwhile_ = true;
    return;
  }
  if (link_ == Finished || link_ == Idle) return;
  link_ = Idle;
  emit ConnectionLost();
}

}  // namespace tavlo
