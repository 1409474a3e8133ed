#pragma once

#include <QMutex>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <memory>
#include <vector>

#include "server/club_service.h"
#include "server/club_store.h"
#include "server/password_hash.h"

namespace tavlo {

class ConnectionHandoff;

// A connection that has sent this many bytes without an answer is closed: more than the largest
// request any script accepts (the photo upload) with room for its headers.
inline constexpr qint64 kMaxUnansweredBytes = kMaxPhotoBody + 64 * 1024;

// Tells the connection's guard that a request of it was answered.
void NoteAnswered(QTcpSocket* socket);

// One serving thread: its own event loop, its own database connection, its own ClubService and
// HTTP server. Connections accepted elsewhere are handed to it and stay with it until they close,
// so every request of a connection is answered in order, on one thread, exactly as before.
class ServingThread final : public QThread {
 public:
  ServingThread(StoreOptions store, ServiceOptions options, PasswordHasher& hasher);
  ~ServingThread() override;

  // Starts the thread and waits until its database connection is open; false with a message.
  bool Begin(QString* error);
  // Hands an accepted connection to this thread (callable from any thread).
  void Adopt(qintptr descriptor);
  // Ends the event loop and waits for the thread; its connections are closed.
  void End();

 protected:
  void run() override;

 private:
  StoreOptions storeOptions_;
  ServiceOptions options_;
  PasswordHasher& hasher_;
  QSemaphore ready_;
  QString error_;
  QMutex mutex_;                           // guards handoff_
  ConnectionHandoff* handoff_ = nullptr;  // lives in this thread while it runs
};

// SQLite only: copies the write-ahead log into the database file every second, on its own thread
// and connection, so that no request waits for the disk while a commit does it.
class CheckpointThread final : public QThread {
 public:
  explicit CheckpointThread(StoreOptions store) : storeOptions_(std::move(store)) {}
  ~CheckpointThread() override;
  void End();

 protected:
  void run() override;

 private:
  StoreOptions storeOptions_;
};

// The listening socket of tavlo-club: accepts connections on the main thread and deals them out to
// the serving threads in turn. A slow request (a new account's password hash, a write waiting for
// the database) then holds up only the connections of its own thread, and the serving uses every
// core. The club's state stays in the database, which every thread reaches through its own
// connection; SQLite runs in WAL mode, so readers never wait for a writer.
class ClubListener final : public QTcpServer {
 public:
  ClubListener(StoreOptions store, int threads);
  ~ClubListener() override;

  // Starts the serving threads (each opens the database); false with a message.
  bool StartThreads(const ServiceOptions& options, QString* error);
  void StopThreads();

 protected:
  void incomingConnection(qintptr descriptor) override;

 private:
  StoreOptions storeOptions_;
  int threadCount_;
  PasswordHasher hasher_;
  std::vector<std::unique_ptr<ServingThread>> threads_;
  std::unique_ptr<CheckpointThread> checkpoints_;
  std::size_t next_ = 0;
};

}  // namespace tavlo
