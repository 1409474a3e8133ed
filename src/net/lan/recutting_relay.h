#pragma once

#include <QByteArray>
#include <QObject>
#include <cstdint>
#include <memory>
#include <vector>

#include "game/random.h"

class QTcpServer;
class QTcpSocket;

namespace tavlo::lan {

// A loopback relay that passes every connection on to a target port and re-cuts the byte
// stream on its way: single bytes, short pieces, several messages at once, chosen by a
// seeded generator. The order of the bytes and the end of each stream are kept, so a
// receiver that reads a stream as a stream sees the same messages.
class RecuttingRelay : public QObject {
  Q_OBJECT

 public:
  RecuttingRelay(std::uint16_t targetPort, std::uint64_t seed, QObject* parent = nullptr);
  ~RecuttingRelay() override;

  // Listens on 127.0.0.1; the port is the system's choice.
  bool Start();
  std::uint16_t Port() const;
  // The pieces written so far.
  std::uint64_t Pieces() const { return pieces_; }

 private:
  struct Pipe {
    QTcpSocket* From = nullptr;
    QTcpSocket* To = nullptr;
    QByteArray Waiting;
    bool FromClosed = false;
  };

  void OnNewConnection();
  void Feed(Pipe* pipe);
  void WriteOnePiece(Pipe* pipe);

  std::uint16_t targetPort_;
  Random rng_;
  QTcpServer* server_ = nullptr;
  std::vector<std::unique_ptr<Pipe>> pipes_;
  std::uint64_t pieces_ = 0;
};

}  // namespace tavlo::lan
