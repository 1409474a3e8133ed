#include "net/lan/recutting_relay.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace tavlo::lan {

RecuttingRelay::RecuttingRelay(std::uint16_t targetPort, std::uint64_t seed, QObject* parent)
    : QObject(parent), targetPort_(targetPort), rng_(seed) {}

RecuttingRelay::~RecuttingRelay() = default;

bool RecuttingRelay::Start() {
  server_ = new QTcpServer(this);
  if (!server_->listen(QHostAddress::LocalHost, 0)) return false;
  connect(server_, &QTcpServer::newConnection, this, &RecuttingRelay::OnNewConnection);
  return true;
}

std::uint16_t RecuttingRelay::Port() const { return server_ ? server_->serverPort() : 0; }

void RecuttingRelay::OnNewConnection() {
  while (QTcpSocket* inner = server_->nextPendingConnection()) {
    auto* outer = new QTcpSocket(this);
    inner->setParent(this);
    for (QTcpSocket* s : {inner, outer}) s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    auto up = std::make_unique<Pipe>();
    up->From = inner;
    up->To = outer;
    auto down = std::make_unique<Pipe>();
    down->From = outer;
    down->To = inner;
    Pipe* u = up.get();
    Pipe* d = down.get();
    pipes_.push_back(std::move(up));
    pipes_.push_back(std::move(down));
    for (Pipe* p : {u, d}) {
      connect(p->From, &QTcpSocket::readyRead, this, [this, p] { Feed(p); });
      connect(p->From, &QTcpSocket::disconnected, this, [this, p] {
        p->FromClosed = true;
        Feed(p);
      });
    }
    // Bytes from the client wait in their pipe until the target has accepted.
    connect(outer, &QTcpSocket::connected, this, [this, u] { Feed(u); });
    outer->connectToHost(QHostAddress::LocalHost, targetPort_);
    Feed(u);
  }
}

void RecuttingRelay::Feed(Pipe* pipe) {
  pipe->Waiting += pipe->From->readAll();
  if (pipe->To->state() != QAbstractSocket::ConnectedState) return;
  WriteOnePiece(pipe);
}

void RecuttingRelay::WriteOnePiece(Pipe* pipe) {
  if (pipe->To->state() != QAbstractSocket::ConnectedState) return;
  if (pipe->Waiting.isEmpty()) {
    // The stream ends where its source ended, after every byte has gone through.
    if (pipe->FromClosed) pipe->To->disconnectFromHost();
    return;
  }
  // Mostly single bytes and short pieces, now and then a long run that merges messages.
  const std::uint32_t kind = rng_.Below(4);
  const qsizetype size = kind == 0   ? 1
                         : kind == 1 ? 1 + rng_.Below(7)
                         : kind == 2 ? 2 + rng_.Below(20)
                                     : 20 + rng_.Below(400);
  const qsizetype n = std::min(size, pipe->Waiting.size());
  pipe->To->write(pipe->Waiting.left(n));
  pipe->To->flush();
  pipe->Waiting.remove(0, n);
  ++pieces_;
  // Each piece in its own turn of the event loop, so it arrives on its own.
  QTimer::singleShot(0, this, [this, pipe] { WriteOnePiece(pipe); });
}

}  // namespace tavlo::lan
