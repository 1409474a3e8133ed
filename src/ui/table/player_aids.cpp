#include "ui/table/player_aids.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "game/flow.h"
#include "game/game.h"
#include "game/trick.h"
#include "ui/table/table_cues.h"
#include "ui/table/table_screen.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {

PlayerAids::PlayerAids(QWidget* form, Game& game, FlowController& flow, TableScreen& table, ThinkingView& thinking,
                       std::optional<std::uint64_t> seed, Hooks hooks)
    : QObject(form), form_(form), game_(game), flow_(flow), table_(table), hooks_(std::move(hooks)) {
  cues_ = new TableCues(form, table, game.State(), [this](int seat) { return flow_.PlayerControls(seat); });
  // An adviser of its own, so asking for a hint never changes the computer players' choices.
  adviser_ = std::make_unique<ComputerPlayer>(game.Options(), thinking,
                                              seed ? std::optional<std::uint64_t>(*seed + 7) : std::nullopt);
  // The table's keys come before a focused button's own (Space would press it otherwise).
  qApp->installEventFilter(this);
}

bool PlayerAids::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || QApplication::activeModalWidget() != nullptr) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  // Typing into the chat line stays typing.
  if (widget == nullptr || widget->window() != form_ || qobject_cast<QLineEdit*>(widget) != nullptr) return false;
  return HandleKey(static_cast<QKeyEvent&>(*event));
}

PlayerAids::~PlayerAids() = default;

bool PlayerAids::HintAllowed() const {
  const TableMode& mode = game_.Mode();
  return game_.State().GameShown && !mode.NetGame && !mode.Tournament && mode.AccountState != 3;
}

int PlayerAids::ShowHint() {
  cues_->Refresh();
  const int seat = cues_->PlayerSeat();
  if (!HintAllowed() || seat == 0 || (hooks_.Busy && hooks_.Busy())) return 0;
  adviser_->SetOptions(game_.Options());
  const int slot = adviser_->ChooseCard(game_.State(), seat);
  // The adviser answers for the position it was given; a move made meanwhile makes it stale.
  if (slot < 1 || !IsLegalPlay(game_.State(), seat, slot) || cues_->PlayerSeat() != seat) return 0;
  cues_->ShowHint(seat, slot);
  return slot;
}

bool PlayerAids::HandleKey(QKeyEvent& event) {
  const GameState& s = game_.State();
  if (!s.GameShown || !table_.Shown()) return false;
  switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      cues_->MoveFocus(-1);
      return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
      cues_->MoveFocus(1);
      return true;
    case Qt::Key_Escape:
      if (hooks_.OpenContextMenu) hooks_.OpenContextMenu();
      return true;
    case Qt::Key_H:
      ShowHint();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
      if (hooks_.Busy && hooks_.Busy()) return true;
      cues_->Refresh();
      const int seat = cues_->PlayerSeat();
      if (seat != 0) {
        // The first press shows where the focus is; the next one plays that card.
        if (cues_->FocusSlot() == 0) {
          cues_->MoveFocus(1);
        } else {
          flow_.OnPlayerCard(seat, cues_->FocusSlot());
          cues_->Refresh();
        }
        return true;
      }
      TZanCardsButton& start = table_.StartButton();
      if (start.isVisible() && start.isEnabled()) start.click();
      return true;
    }
    default: return false;
  }
}

}  // namespace tavlo
