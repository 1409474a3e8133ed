#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>
#include <memory>
#include <vector>

#include "net/club/club_client.h"

namespace tavlo {

// Club requests that run away from the window's thread: the polls (chat, news, the world top
// ten's refresh) must never hold the window up while the club is slow or gone. Each job gets a
// client of its own for the same addresses; its result comes back on this object's thread and is
// handed over only while `context` still exists. Destroying this object stops the jobs still
// waiting (their requests fail at once) and waits for their threads, so nothing outlives it.
class ClubBackground : public QObject {
 public:
  explicit ClubBackground(QObject* parent = nullptr) : QObject(parent) {}
  ~ClubBackground() override { StopAll(); }
  ClubBackground(const ClubBackground&) = delete;
  ClubBackground& operator=(const ClubBackground&) = delete;

  template <class Result>
  void Run(ClubAddresses addresses, std::function<Result(ClubClient&)> work, QObject* context,
           std::function<void(Result)> done) {
    QPointer<QObject> receiver(context);
    QThread* thread = QThread::create(
        [this, addresses = std::move(addresses), work = std::move(work), receiver, done = std::move(done)]() mutable {
          auto result = std::make_shared<Result>([&] {
            ClubClient client(addresses);
            return work(client);
          }());
          // `this` waits for this thread before it goes, so posting to it is safe; the receiver is
          // looked at only on its own thread.
          QMetaObject::invokeMethod(
              this,
              [receiver, done = std::move(done), result] {
                if (receiver) done(std::move(*result));
              },
              Qt::QueuedConnection);
        });
    threads_.push_back(thread);
    connect(thread, &QThread::finished, this, [this, thread] { Forget(thread); });
    thread->start();
  }

  // Jobs whose threads have not finished yet.
  int Running() const { return static_cast<int>(threads_.size()); }

  // Ends the waiting requests of every job and waits for their threads.
  void StopAll() {
    for (QThread* thread : threads_) thread->exit(1);
    for (QThread* thread : threads_) {
      thread->wait();
      delete thread;
    }
    threads_.clear();
  }

 private:
  void Forget(QThread* thread) {
    for (auto it = threads_.begin(); it != threads_.end(); ++it) {
      if (*it == thread) {
        threads_.erase(it);
        thread->deleteLater();
        return;
      }
    }
  }

  std::vector<QThread*> threads_;
};

}  // namespace tavlo
