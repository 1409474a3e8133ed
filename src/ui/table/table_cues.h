#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

#include "game/game_state.h"

class QWidget;

namespace tavlo {

class TableScreen;
class CueOverlay;

// What the table shows a newcomer beside the cards themselves: a mark on the plate of the
// seat to play (green when it is the player's move, with the dummy's cards too), the cards
// of the player's hand that may not be played dimmed, the keyboard's focus on one card and
// the hint's card. It draws on see-through layers over the table and keeps only what it
// drew; the game state is read, never changed.
class TableCues : public QObject {
  Q_OBJECT

 public:
  // `controls` says whether the player plays a seat's cards now.
  TableCues(QWidget* form, TableScreen& table, const GameState& state, std::function<bool(int seat)> controls);
  ~TableCues() override;

  struct Options {
    bool TurnMark = true;
    bool DimUnplayable = true;
  };
  Options& Choices() { return options_; }
  // Draws again after the choices changed.
  void ChoicesChanged() { Draw(); }

  // Draws again when the deal moved on (also called by its own short timer while the
  // table is up, so no path through the game can leave a cue behind).
  void Refresh();

  // The seat whose plate carries the mark (0: none) and whether the mark is the player's.
  int MarkedSeat() const { return marked_; }
  bool MarkIsPlayers() const { return markIsPlayers_; }
  // The seat whose hand the player plays now (0: none), and whether a card of it is dimmed.
  int PlayerSeat() const;
  bool Dimmed(int seat, int slot) const;

  // Keyboard focus over the playable cards of the hand the player plays now (0: none).
  int FocusSlot() const { return focusSeat_ == PlayerSeat() ? focusSlot_ : 0; }
  // Moves the focus by `step` playable cards (wrapping); puts it on the first when it had none.
  void MoveFocus(int step);

  // The hint's card until the position changes (slot 0 clears it).
  void ShowHint(int seat, int slot);
  int HintSlot() const { return hintSlot_; }

  // Screen rectangle (in the form) of a card's visible strip.
  QRect CardRect(int seat, int slot) const;

 private:
  struct Snapshot {
    std::uint8_t Turn = 0, TrickPos = 0, DealPhase = 0, Dummy = 0, TrickNo = 0;
    std::array<std::uint8_t, 5> CardsLeft{};
    bool Shown = false;
    int Width = 0;  // a new window size lays the table out again
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
  };
  Snapshot Take() const;
  void Draw();

  QWidget* form_;
  TableScreen& table_;
  const GameState& state_;
  std::function<bool(int)> controls_;
  Options options_;
  QTimer poll_;
  Snapshot last_;
  CueOverlay* plateMark_ = nullptr;
  std::array<CueOverlay*, 5> handLayers_{};
  int marked_ = 0;
  bool markIsPlayers_ = false;
  int focusSeat_ = 0, focusSlot_ = 0;
  int hintSeat_ = 0, hintSlot_ = 0;
};

}  // namespace tavlo
