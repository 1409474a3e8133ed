#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "ai/computer_player.h"

class QKeyEvent;

namespace tavlo {

class FlowController;
class Game;
class TableCues;
class TableScreen;

// The help a newcomer gets at the table beyond the rules: the cues (whose turn, which cards
// may not be played), keyboard play and the hint. Keys: Left / Right (and Up / Down) move
// the focus over the playable cards, Enter or Space plays the focused card or presses the
// table's button ("To Begin", "Ok", "Next game"), Escape opens the context menu, H shows
// the hint.
class PlayerAids : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<bool()> Busy;             // a flight or the computer is running
    std::function<void()> OpenContextMenu;  // Escape
  };
  PlayerAids(QWidget* form, Game& game, FlowController& flow, TableScreen& table, ThinkingView& thinking,
             std::optional<std::uint64_t> seed, Hooks hooks);
  ~PlayerAids() override;

  TableCues& Cues() { return *cues_; }

  // Handles a key at the table; false when the key is not one of the table's.
  bool HandleKey(QKeyEvent& event);

  // The hint is for games against the computer only: not in LAN, tournament or rated play.
  bool HintAllowed() const;
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Shows the card the computer player would choose for the player now, without playing it;
  // the slot (0 when there is nothing to hint).
  int ShowHint();

 private:
  QWidget* form_;
  Game& game_;
  FlowController& flow_;
  TableScreen& table_;
  Hooks hooks_;
  TableCues* cues_ = nullptr;
  std::unique_ptr<ComputerPlayer> adviser_;
};

}  // namespace tavlo
