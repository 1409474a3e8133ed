#include "server/serving_threads.h"

#include <unistd.h>

#include <QMutexLocker>
#include <QTcpSocket>
#include <QTimer>

#include "server/club_http_server.h"

namespace tavlo {

// A connection of the club. The HTTP server keeps a request's bytes until the request is whole,
// however many are announced; here a connection is closed once it has sent more than any script
// accepts without being answered, and once it has been silent for the idle time (which also ends
// connections the HTTP server gave up on after a malformed request).
class GuardedSocket final : public QTcpSocket {
 public:
  GuardedSocket(int idleMs, QObject* parent) : QTcpSocket(parent) {
    idle_.setSingleShot(true);
    idle_.setInterval(idleMs);
    QObject::connect(&idle_, &QTimer::timeout, this, &QTcpSocket::abort);
    // Connected before the HTTP server's own reader, so this sees each arrival first.
    QObject::connect(this, &QTcpSocket::readyRead, this, [this] {
      unanswered_ += bytesAvailable();
      idle_.start();
      if (unanswered_ > kMaxUnansweredBytes) {
        idle_.stop();
        QMetaObject::invokeMethod(this, &QTcpSocket::abort, Qt::QueuedConnection);
      }
    });
    idle_.start();
  }

  void Answered() {
    unanswered_ = 0;
    idle_.start();
  }

 private:
  QTimer idle_;
  qint64 unanswered_ = 0;
};

// A server socket that never listens: it turns handed-over descriptors into sockets of its own
// thread and offers them to the HTTP server bound to it.
class ConnectionHandoff final : public QTcpServer {
 public:
  explicit ConnectionHandoff(int idleMs) : idleMs_(idleMs) {}
  void Take(qintptr descriptor) { incomingConnection(descriptor); }

 protected:
  void incomingConnection(qintptr descriptor) override {
    auto* socket = new GuardedSocket(idleMs_, this);
    if (!socket->setSocketDescriptor(descriptor)) {
      delete socket;
      ::close(static_cast<int>(descriptor));
      return;
    }
    // Answers are short and go out at once, without waiting for the previous one's acknowledgement.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    addPendingConnection(socket);
  }

 private:
  int idleMs_;
};

void NoteAnswered(QTcpSocket* socket) {
  if (auto* guarded = dynamic_cast<GuardedSocket*>(socket)) guarded->Answered();
}

ServingThread::ServingThread(StoreOptions store, ServiceOptions options, PasswordHasher& hasher)
    : storeOptions_(std::move(store)), options_(std::move(options)), hasher_(hasher) {}

ServingThread::~ServingThread() { End(); }

bool ServingThread::Begin(QString* error) {
  start();
  ready_.acquire();
  if (error_.isEmpty()) return true;
  *error = error_;
  wait();
  return false;
}

void ServingThread::Adopt(qintptr descriptor) {
  QMutexLocker lock(&mutex_);
  if (!handoff_) {
    ::close(static_cast<int>(descriptor));
    return;
  }
  ConnectionHandoff* handoff = handoff_;
  QMetaObject::invokeMethod(handoff, [handoff, descriptor] { handoff->Take(descriptor); }, Qt::QueuedConnection);
}

void ServingThread::End() {
  if (!isRunning()) return;
  quit();
  wait();
}

void ServingThread::run() {
  ClubStore store;
  if (!store.Open(storeOptions_, &error_)) {
    if (error_.isEmpty()) error_ = "the database could not be opened";
    ready_.release();
    return;
  }
  ClubService service(store, hasher_, options_);
  {
    ClubHttpServer server(service);
    auto* handoff = new ConnectionHandoff(options_.IdleSeconds * 1000);
    server.bind(handoff);  // the server owns it from here
    {
      QMutexLocker lock(&mutex_);
      handoff_ = handoff;
    }
    ready_.release();
    exec();
    QMutexLocker lock(&mutex_);
    handoff_ = nullptr;
  }
}

ClubListener::ClubListener(StoreOptions store, int threads)
    : storeOptions_(std::move(store)), threadCount_(std::max(1, threads)) {}

ClubListener::~ClubListener() { StopThreads(); }

CheckpointThread::~CheckpointThread() { End(); }

void CheckpointThread::End() {
  if (!isRunning()) return;
  quit();
  wait();
}

void CheckpointThread::run() {
  ClubStore store;
  QString error;
  if (!store.Open(storeOptions_, &error)) return;
  QTimer timer;
  timer.setInterval(1000);
  QObject::connect(&timer, &QTimer::timeout, [&store] { store.Checkpoint(); });
  timer.start();
  exec();
  store.Checkpoint();
}

bool ClubListener::StartThreads(const ServiceOptions& options, QString* error) {
  StoreOptions serving = storeOptions_;
  if (serving.PostgresUrl.isEmpty()) {
    serving.CheckpointElsewhere = true;
    checkpoints_ = std::make_unique<CheckpointThread>(storeOptions_);
    checkpoints_->start();
  }
  for (int k = 0; k < threadCount_; ++k) {
    auto thread = std::make_unique<ServingThread>(serving, options, hasher_);
    if (!thread->Begin(error)) {
      StopThreads();
      return false;
    }
    threads_.push_back(std::move(thread));
  }
  return true;
}

void ClubListener::StopThreads() {
  close();
  for (auto& thread : threads_) thread->End();
  threads_.clear();
  if (checkpoints_) checkpoints_->End();
  checkpoints_.reset();
}

void ClubListener::incomingConnection(qintptr descriptor) {
  if (threads_.empty()) {
    ::close(static_cast<int>(descriptor));
    return;
  }
  threads_[next_++ % threads_.size()]->Adopt(descriptor);
}

}  // namespace tavlo
