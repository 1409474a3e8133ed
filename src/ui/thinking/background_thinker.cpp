#include "ui/thinking/background_thinker.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QMetaObject>
#include <algorithm>
#include <cerrno>
#include <string>

namespace tavlo {
namespace {

constexpr int kNiceIncrement = 10;

}  // namespace

BackgroundThinker::BackgroundThinker(ThinkingView& window, QObject* parent)
    : QObject(parent), window_(window), worker_([this] { Work(); }) {}

BackgroundThinker::~BackgroundThinker() {
  {
    const std::lock_guard lock(queue_);
    stop_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

void BackgroundThinker::SetChooser(CardChooser* chooser) {
  const std::lock_guard lock(choosing_);
  chooser_ = chooser;
}

void BackgroundThinker::Exclusive(const std::function<void()>& change) {
  const std::lock_guard lock(choosing_);
  change();
}

bool BackgroundThinker::OnWorker() const { return std::this_thread::get_id() == worker_.get_id(); }

bool BackgroundThinker::Start(const GameState& state, int seat, std::uint64_t serial) {
  if (busy_ || chooser_ == nullptr) return false;
  busy_ = true;
  {
    const std::lock_guard lock(queue_);
    job_ = Job{state, seat, serial};
  }
  wake_.notify_one();
  return true;
}

int BackgroundThinker::ChooseCard(const GameState& state, int seat) {
  const std::lock_guard lock(choosing_);
  return chooser_ != nullptr ? chooser_->ChooseCard(state, seat) : 0;
}

void BackgroundThinker::Work() {
  // The search yields to the window's thread: a lower priority (a higher nice value, which the
  // threads it starts inherit) lets the scheduler run the window as soon as it has an event.
  errno = 0;
  const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
  if (errno == 0) setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), std::min(nice + kNiceIncrement, 19));
  for (;;) {
    Job job;
    {
      std::unique_lock lock(queue_);
      wake_.wait(lock, [this] { return stop_ || job_.has_value(); });
      if (stop_) return;
      job = std::move(*job_);
      job_.reset();
    }
    int slot = 0;
    {
      const std::lock_guard lock(choosing_);
      if (chooser_ != nullptr) slot = chooser_->ChooseCard(job.state, job.seat);
    }
    // Queued after every progress step of this choice, so it arrives after them.
    QMetaObject::invokeMethod(
        this,
        [this, serial = job.serial, seat = job.seat, slot] {
          busy_ = false;
          emit Chosen(serial, seat, slot);
        },
        Qt::QueuedConnection);
  }
}

// The window draws its own wait state around a choice on the worker.
void BackgroundThinker::BeginThinking() {
  if (!OnWorker()) window_.BeginThinking();
}

void BackgroundThinker::EndThinking() {
  if (!OnWorker()) window_.EndThinking();
}

void BackgroundThinker::ShowProgress(int percent) {
  if (!OnWorker()) {
    window_.ShowProgress(percent);
    return;
  }
  QMetaObject::invokeMethod(
      this, [this, percent] { window_.ShowProgress(percent); }, Qt::QueuedConnection);
}

void BackgroundThinker::PlayEffect(std::string_view name) {
  if (!OnWorker()) {
    window_.PlayEffect(name);
    return;
  }
  QMetaObject::invokeMethod(
      this, [this, text = std::string(name)] { window_.PlayEffect(text); }, Qt::QueuedConnection);
}

}  // namespace tavlo
