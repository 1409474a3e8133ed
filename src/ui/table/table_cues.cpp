#include "ui/table/table_cues.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include "game/trick.h"
#include "ui/table/table_screen.h"

namespace tavlo {

// A see-through layer over part of the table that paints what it is given.
class CueOverlay : public QWidget {
 public:
  explicit CueOverlay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
  }
  std::function<void(QPainter&)> Paint;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!Paint) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    Paint(p);
  }
};

namespace {

const QColor kPlayersMark(0x40, 0xFF, 0x60);
const QColor kOthersMark(0xFF, 0xD0, 0x40);
const QColor kFocus(0xFF, 0xFF, 0x40);
const QColor kHint(0x40, 0xC0, 0xFF);

}  // namespace

TableCues::TableCues(QWidget* form, TableScreen& table, const GameState& state, std::function<bool(int)> controls)
    : QObject(form), form_(form), table_(table), state_(state), controls_(std::move(controls)) {
  plateMark_ = new CueOverlay(form);
  for (int seat = 1; seat <= 4; ++seat) handLayers_[static_cast<std::size_t>(seat)] = new CueOverlay(form);
  poll_.setInterval(60);
  connect(&poll_, &QTimer::timeout, this, &TableCues::Refresh);
  poll_.start();
}

TableCues::~TableCues() = default;

int TableCues::PlayerSeat() const {
  const int seat = SeatToPlay(state_);
  return seat != 0 && table_.Shown() && controls_(seat) ? seat : 0;
}

bool TableCues::Dimmed(int seat, int slot) const {
  if (!options_.DimUnplayable || seat == 0 || seat != PlayerSeat()) return false;
  if (slot < 1 || slot > state_.CardsLeft[seat] || state_.Hands[seat][slot].IsEmpty()) return false;
  return !IsLegalPlay(state_, seat, slot);
}

TableCues::Snapshot TableCues::Take() const {
  Snapshot s;
  s.Turn = state_.Turn;
  s.TrickPos = state_.TrickPos;
  s.DealPhase = state_.DealPhase;
  s.Dummy = state_.Dummy;
  s.TrickNo = state_.TrickNo;
  for (int seat = 1; seat <= 4; ++seat) s.CardsLeft[static_cast<std::size_t>(seat)] = state_.CardsLeft[seat];
  s.Shown = table_.Shown();
  s.Width = form_->width();
  return s;
}

void TableCues::Refresh() {
  const Snapshot now = Take();
  if (now == last_) return;
  // The position changed: the hint and the focus belonged to the old one.
  hintSeat_ = hintSlot_ = 0;
  focusSeat_ = focusSlot_ = 0;
  last_ = now;
  Draw();
}

void TableCues::MoveFocus(int step) {
  Refresh();
  const int seat = PlayerSeat();
  if (seat == 0) return;
  const int n = state_.CardsLeft[seat];
  const int direction = step >= 0 ? 1 : -1;
  // Without a focus the first move lands on the first (or last) playable card.
  int slot = focusSeat_ == seat && focusSlot_ > 0 ? focusSlot_ : (direction > 0 ? 0 : n + 1);
  for (int tries = 0; tries < n + 1; ++tries) {
    slot += direction;
    if (slot < 1) slot = n;
    if (slot > n) slot = 1;
    if (IsLegalPlay(state_, seat, slot)) {
      focusSeat_ = seat;
      focusSlot_ = slot;
      break;
    }
  }
  Draw();
}

void TableCues::ShowHint(int seat, int slot) {
  Refresh();
  hintSeat_ = slot > 0 ? seat : 0;
  hintSlot_ = slot > 0 ? slot : 0;
  Draw();
}

QRect TableCues::CardRect(int seat, int slot) const {
  const std::vector<int>& left = table_.CardLeft(seat);
  if (slot < 1 || slot > static_cast<int>(left.size())) return {};
  const int x = left[static_cast<std::size_t>(slot - 1)];
  const int width = table_.Cards().Width;
  const int visible = slot < static_cast<int>(left.size()) ? std::min(width, left[static_cast<std::size_t>(slot)] - x) : width;
  const QRect hand = table_.Hand(seat).geometry();
  return QRect(hand.left() + x, hand.top(), visible, table_.Cards().Height);
}

void TableCues::Draw() {
  const bool shown = table_.Shown() && state_.GameShown;
  // The plate mark: a frame around the plate of the seat to play.
  const int seat = shown ? SeatToPlay(state_) : 0;
  marked_ = options_.TurnMark ? seat : 0;
  markIsPlayers_ = marked_ != 0 && controls_(marked_);
  if (marked_ != 0) {
    const QRect plate = table_.Plate(marked_).geometry();
    const int pad = std::max(3, table_.CurrentLayout().ScaleLen(4));
    plateMark_->setGeometry(plate.adjusted(-pad, -pad, pad, pad));
    const QColor colour = markIsPlayers_ ? kPlayersMark : kOthersMark;
    plateMark_->Paint = [colour, pad](QPainter& p) {
      const QRectF box = QRectF(p.viewport()).adjusted(1.5, 1.5, -1.5, -1.5);
      p.setPen(QPen(colour, std::max(2.0, pad * 0.7)));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(box, pad, pad);
    };
    plateMark_->show();
    plateMark_->raise();
    plateMark_->update();
  } else {
    plateMark_->hide();
  }

  // The hand the player plays: dimmed cards, the focus and the hint.
  const int player = shown ? PlayerSeat() : 0;
  for (int s = 1; s <= 4; ++s) {
    CueOverlay& layer = *handLayers_[static_cast<std::size_t>(s)];
    const bool hinted = hintSeat_ == s && hintSlot_ > 0;
    if (s != player && !hinted) {
      layer.hide();
      continue;
    }
    const QRect hand = table_.Hand(s).geometry();
    layer.setGeometry(hand);
    struct Mark {
      QRect rect;
      int kind;  // 0 dimmed, 1 focus, 2 hint
    };
    std::vector<Mark> marks;
    const double corner = std::max(3, table_.CurrentLayout().ScaleLen(6));
    if (s == player) {
      for (int slot = 1; slot <= state_.CardsLeft[s]; ++slot) {
        if (Dimmed(s, slot)) marks.push_back({CardRect(s, slot).translated(-hand.topLeft()), 0});
      }
      if (focusSeat_ == s && focusSlot_ > 0) marks.push_back({CardRect(s, focusSlot_).translated(-hand.topLeft()), 1});
    }
    if (hinted) marks.push_back({CardRect(s, hintSlot_).translated(-hand.topLeft()), 2});
    layer.Paint = [marks, corner](QPainter& p) {
      for (const Mark& m : marks) {
        const QRectF r = QRectF(m.rect).adjusted(1, 1, -1, -1);
        if (m.kind == 0) {
          p.setPen(Qt::NoPen);
          p.setBrush(QColor(0, 0, 0, 120));
          p.drawRoundedRect(r, corner, corner);
        } else {
          p.setPen(QPen(m.kind == 1 ? kFocus : kHint, 3));
          p.setBrush(m.kind == 1 ? QColor(255, 255, 64, 40) : QColor(64, 192, 255, 50));
          p.drawRoundedRect(r.adjusted(1, 1, -1, -1), corner, corner);
        }
      }
    };
    layer.show();
    layer.raise();
    layer.update();
  }
}

}  // namespace tavlo
