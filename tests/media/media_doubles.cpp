#include "media_doubles.h"

#include <QTcpSocket>
#include <cmath>

#include "media/wave_file.h"

namespace tavlo::testing {

TestHttpServer::TestHttpServer() {
  server_.listen(QHostAddress::LocalHost, 0);
  connect(&server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
      connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
}

QUrl TestHttpServer::Base() const { return QUrl(QString("http://127.0.0.1:%1").arg(server_.serverPort())); }

void TestHttpServer::Serve(const QString& path, QByteArray body, QByteArray type) {
  files_[path] = {std::move(body), std::move(type)};
}

void TestHttpServer::Answer(QTcpSocket* socket) {
  const QByteArray head = socket->property("head").toByteArray() + socket->readAll();
  socket->setProperty("head", head);
  if (!head.contains("\r\n\r\n")) return;
  const QList<QByteArray> words = head.left(head.indexOf("\r\n")).split(' ');
  const QString path = words.size() >= 2 ? QUrl::fromPercentEncoding(words[1]) : QString();
  requests << path;
  const auto found = files_.find(path);
  QByteArray answer;
  if (found == files_.end()) {
    answer = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
  } else {
    answer = "HTTP/1.1 200 OK\r\nContent-Type: " + found->second.second +
             "\r\nContent-Length: " + QByteArray::number(found->second.first.size()) + "\r\nConnection: close\r\n\r\n" +
             found->second.first;
  }
  socket->write(answer);
  socket->disconnectFromHost();
}

QByteArray ToneWave(double seconds) {
  Pcm pcm{22050, 1, {}};
  for (int i = 0; i < static_cast<int>(seconds * 22050); ++i) {
    pcm.Samples.push_back(static_cast<std::int16_t>(8000 * std::sin(i * 2 * 3.14159265 * 440 / 22050)));
  }
  const std::string wave = EncodeWave(pcm);
  return QByteArray(wave.data(), static_cast<qsizetype>(wave.size()));
}

}  // namespace tavlo::testing
