#pragma once

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "ai/thinking_view.h"
#include "game/card_chooser.h"

namespace tavlo {

// The computer's card choice on a worker thread, so that the window keeps painting and
// answering (the progress indicator, the menu, closing the window) while a computer seat
// thinks. The game still waits: the window starts a choice on a copy of the deal and plays
// the card when Chosen arrives.
//
// Every choice goes through the one chooser, one at a time, whether on the worker or at once
// on the calling thread (ChooseCard, for callers that need the card immediately), so a seeded
// player chooses the same cards in the same order wherever it thinks.
class BackgroundThinker : public QObject, public CardChooser, public ThinkingView {
  Q_OBJECT

 public:
  // `window` shows the progress and plays the sounds; it is only ever called on the thread
  // that owns this object.
  explicit BackgroundThinker(ThinkingView& window, QObject* parent = nullptr);
  ~BackgroundThinker() override;

  // The chooser must think with this object as its ThinkingView and may watch StopFlag().
  void SetChooser(CardChooser* chooser);
  // Runs `change` (new options, a new level) while no choice is running.
  void Exclusive(const std::function<void()>& change);

  // Starts choosing `seat`'s card on a copy of `state`; Chosen(serial, seat, slot) follows.
  // False while another choice is running.
  bool Start(const GameState& state, int seat, std::uint64_t serial);
  bool Busy() const { return busy_; }
  // Raised when the thinker is destroyed: a running choice should end soon.
  const std::atomic<bool>& StopFlag() const { return stop_; }

  // The card at once, on the calling thread (after any running choice has ended).
  int ChooseCard(const GameState& state, int seat) override;

  // --- ThinkingView for the chooser: passed on to the window, from the worker by queued call.
  void BeginThinking() override;
  void ShowProgress(int percent) override;
  void PlayEffect(std::string_view name) override;
  void EndThinking() override;

 signals:
  void Chosen(std::uint64_t serial, int seat, int slot);

 private:
  struct Job {
    GameState state;
    int seat = 0;
    std::uint64_t serial = 0;
  };

  void Work();
  bool OnWorker() const;

  ThinkingView& window_;
  CardChooser* chooser_ = nullptr;
  std::mutex choosing_;  // held while the chooser runs or changes
  std::mutex queue_;
  std::condition_variable wake_;
  std::optional<Job> job_;
  std::atomic<bool> stop_{false};
  bool busy_ = false;  // a started choice has not come back yet (owner's thread only)
  std::thread worker_;
};

}  // namespace tavlo
