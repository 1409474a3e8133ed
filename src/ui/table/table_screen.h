#pragma once

#include <QObject>
#include <QPoint>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "game/game_state.h"
#include "lang/word_ids.h"
#include "ui/layout/scale.h"
#include "ui/layout/table_layout.h"
#include "game/table_boundary.h"
#include "ui/table/picture_box.h"
#include "ui/widgets/font_roles.h"

namespace tavlo {

class PictureRegistry;
class TZanCardsButton;
struct LoadedDeck;
struct LoadedBacks;
class FlightLayer;

// The text of a word in the current language.
using WordFn = std::function<QString(WordId)>;

// What the table draws with, chosen in the options.
struct TableLook {
  bool FlyCards = true;
  int FlySpeed = 4;       // 1 (slow) .. 6 (as fast as drawing allows)
  int BackNumber = 1;     // today's back, 1..7
  bool NarrowCards = false;
  int TableDesign = 0;    // 0 classic buttons, 1 card style
  QColor DesignFontColour = QColor(0xC8, 0xAF, 0x32);
};

// The game table inside the main window: the four hands, the trick in the centre, the
// seat plates, both score boards, the information board and the two table buttons, and
// the cards that fly between them. It draws the state it is given and keeps only what
// drawing needs (the card positions of each hand, the figures of the boards).
class TableScreen : public QObject {
  Q_OBJECT

 public:
  TableScreen(QWidget* form, PictureRegistry& pictures, const GameState& state, const FontRoles& fonts, WordFn word);
  ~TableScreen() override;

  // A new window size or background: every control is placed again by ShowGameTable.
  void SetLayout(const Layout& layout, const CardSize& cards, WindowSizeMode mode, const QImage* background);
  TableLook& Look() { return look_; }
  // The deck and backs in use; without them the built-in deck and backs are drawn.
  void SetDeck(const LoadedDeck* deck, const LoadedBacks* backs);
  const Layout& CurrentLayout() const { return layout_; }
  const CardSize& Cards() const { return cards_; }

  void ShowGameTable();
  void HideGameTable();
  bool Shown() const { return shown_; }

  void ClearTrickArea(int seat);
  void RedrawHand(int seat, bool faceUp);
  void ShowTrumpCard();
  void DrawSeatPlate(int seat, bool isDummy, bool leadsTrick);
  void CardToTable(int seat, int slot, TCardCode card, bool faceUp);
  void GatherTrickArea(int winner);
  void DrawScoreBoard(int side, std::int32_t points, bool redrawFrame, std::int32_t tricks, std::int32_t dealPoints);
  void DrawGameInfo(bool withTrump);
  // The deal points a score board shows now (kBoardClear when it shows none).
  std::int32_t ShownDealPoints(int side) const { return boardFigures_[static_cast<std::size_t>(side)].dealPoints; }
  void ShowAwaitingServer(int serverSeat);
  // The computer player's progress (0..100) on the information board; -1 restores it.
  void DrawProgress(int value);
  // Shows one card of a hand as its colour negative until the hand is redrawn.
  void MarkCard(int seat, int slot);
  // The hand and the trick pictures, for input and for screenshots.
  PictureBox& Hand(int seat) { return *hands_[static_cast<std::size_t>(seat)]; }
  PictureBox& Centre() { return *centre_; }
  PictureBox& Plate(int seat) { return *plates_[static_cast<std::size_t>(seat)]; }
  PictureBox& InfoBoard() { return *info_; }
  // Top-left corner of the seat's trick card inside the table centre.
  QPoint SpotInCentre(int seat) const;
  const std::vector<int>& CardLeft(int seat) const { return cardLeft_[static_cast<std::size_t>(seat)]; }
  TZanCardsButton& StartButton() { return *button7_; }
  TZanCardsButton& ExitButton() { return *button8_; }
  bool FlightRunning() const { return flightRunning_; }
  // Called after every step of a flight (review tools take a picture mid-flight).
  std::function<void(int step)> FlightStepped;
  // The move clock of online play beside a seat's plate: `seconds` on its square, -1 clears it.
  void DrawTurnTimer(int seat, int seconds);
  PictureBox& TurnTimer(int seat) { return *timers_[static_cast<std::size_t>(seat)]; }
  // The local player's name changed: the plate is drawn again without marks.
  void RedrawPlateName(int seat);

  // Draws a card or a back into a canvas at (x, y) in the current card size.
  void DrawCard(QImage& canvas, int x, int y, TCardCode card);
  void DrawCardBack(QImage& canvas, int x, int y);

 signals:
  // A mouse button was released over a hand: the slot under it (0 for none).
  void HandReleased(int seat, int slot, Qt::MouseButton button);
  void HandHovered(int seat, int slot);
  void CentreReleased(QPoint position, Qt::MouseButton button);

 private:
  struct Board {
    std::int32_t points = kBoardClear;
    std::int32_t tricks = kBoardClear;
    std::int32_t dealPoints = kBoardClear;
  };
  struct Sprite {
    TCardCode card;
    QPointF from, to;
    QPoint at;
  };

  QRect Place(const DesignRect& r) const;
  QRect HandGeometry(int seat) const;
  QImage FacePicture(TCardCode card);
  QImage BackPicture();
  void PaintBoard(int side);
  void Fly(std::vector<Sprite> sprites, bool eraseAtEnd);
  void PaceStep(int step);
  int SlotUnder(int seat, int x) const;

  QWidget* form_;
  PictureRegistry& pictures_;
  const GameState& state_;
  const FontRoles& fonts_;
  WordFn word_;
  TableLook look_;
  Layout layout_;
  CardSize cards_;
  WindowSizeMode mode_ = WindowSizeMode::Small;
  const QImage* background_ = nullptr;
  const LoadedDeck* deck_ = nullptr;
  const LoadedBacks* backs_ = nullptr;
  bool shown_ = false;
  bool flightRunning_ = false;

  std::array<PictureBox*, 5> hands_{};
  std::array<PictureBox*, 5> plates_{};
  std::array<PictureBox*, 5> timers_{};
  std::array<PictureBox*, 3> boards_{};
  PictureBox* centre_ = nullptr;
  PictureBox* info_ = nullptr;
  TZanCardsButton* button7_ = nullptr;
  TZanCardsButton* button8_ = nullptr;
  FlightLayer* flight_ = nullptr;
  std::array<std::vector<int>, 5> cardLeft_{};
  std::array<Board, 3> boardFigures_{};
  QImage infoBeforeProgress_;
};

}  // namespace tavlo
