#pragma once

#include <string_view>

#include "game/card.h"

namespace tavlo {

// Everything the game core asks of the screen, the speakers and the network. The
// window implements it; tests implement it with a recorder; tools with QuietBoundary.
// Drawing calls read the game state through the Game they were given; the core has
// already changed the state when it calls them.
enum class StartCaption { ToBegin, Ok, NextGame };

class TableBoundary {
 public:
  virtual ~TableBoundary() = default;

  // A deal is being laid out: card backs, the table screen, hands and plates shown,
  // the trick area cleared, the plates drawn empty, the hand pictures cleared.
  virtual void PrepareTable() = 0;
  // A LAN client waits for the server's first deal; the server sits at that local seat.
  virtual void ShowAwaitingServer(int serverSeat) = 0;
  virtual void DrawGameInfo(bool withTrump) = 0;
  virtual void DrawScoreBoard(int side) = 0;
  virtual void RedrawHand(int seat, bool faceUp) = 0;
  // The turned-up trump card: marked in a face-up hand or drawn over the dummy's last card.
  virtual void ShowTrumpCard() = 0;
  virtual void DrawSeatPlate(int seat, bool isDummy, bool leadsTrick) = 0;
  // A card left slot `slot` of the seat's hand (the hand is already rearranged) and now
  // lies at the seat's spot on the table; the window flies it there or just draws it.
  virtual void CardToTable(int seat, int slot, TCardCode card, bool faceUp) = 0;
  // The trick is gathered towards its winner (an animation) or simply cleared.
  virtual void GatherTrickArea(int winner) = 0;
  // Button7, the start / "Ok" / "Next game" button, and Button8 "Exit to menu".
  virtual void SetStartButton(StartCaption caption, bool enabled) = 0;
  virtual void EnableStartButton(bool enabled) = 0;
  virtual void SetExitButton(bool enabled) = 0;
  // Timer1, the game's clock: its interval in milliseconds and whether it runs.
  virtual void SetTimer1(int intervalMs, bool running) = 0;
  // The deal is over: the window switches its help topic to the end of the deal.
  virtual void DealOver() = 0;
  // The deal lies ready: refresh, hint of the deal counter, recording.
  virtual void DealReady() = 0;
  virtual void PlayEffect(std::string_view name) = 0;
  // A frame for the network partners: the LAN relay or the tournament sender.
  virtual void SendFrame(std::string_view frame) = 0;
};

// A boundary that draws, plays and sends nothing: self-play, benchmarks, the computer
// player's own look-ahead.
class QuietBoundary : public TableBoundary {
 public:
  void PrepareTable() override {}
  void ShowAwaitingServer(int) override {}
  void DrawGameInfo(bool) override {}
  void DrawScoreBoard(int) override {}
  void RedrawHand(int, bool) override {}
  void ShowTrumpCard() override {}
  void DrawSeatPlate(int, bool, bool) override {}
  void CardToTable(int, int, TCardCode, bool) override {}
  void GatherTrickArea(int) override {}
  void SetStartButton(StartCaption, bool) override {}
  void EnableStartButton(bool) override {}
  void SetExitButton(bool) override {}
  void SetTimer1(int, bool) override {}
  void DealOver() override {}
  void DealReady() override {}
  void PlayEffect(std::string_view) override {}
  void SendFrame(std::string_view) override {}
};

}  // namespace tavlo
