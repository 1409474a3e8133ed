#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "game/card.h"

namespace tavlo {

enum class StartCaption { ToBegin, Ok, NextGame };

// Score board figures that are not numbers: clear the area, or leave it as drawn.
inline constexpr std::int32_t kBoardClear = -1000000;
inline constexpr std::int32_t kBoardKeep = -2000000;

// Everything the game core asks of the screen, the speakers, the records and the
// network. The window implements it; tests implement it with a recorder; tools with
// QuietBoundary. Drawing calls read the game state through the Game they were given;
// the core has already changed the state when it calls them.
class TableBoundary {
 public:
  virtual ~TableBoundary() = default;

  // --- the table ---
  // A deal is being laid out: card backs, the table screen, hands and plates shown,
  // the trick area cleared, the plates drawn empty, the hand pictures cleared.
  virtual void PrepareTable() = 0;
  // A LAN client waits for the server's first deal; the server sits at that local seat.
  virtual void ShowAwaitingServer(int serverSeat) = 0;
  virtual void DrawGameInfo(bool withTrump) = 0;
  // One side's score board; each figure may be kBoardClear or kBoardKeep.
  virtual void DrawScoreBoard(int side, std::int32_t seriesPoints, bool redrawFrame, std::int32_t tricks,
                              std::int32_t dealPoints) = 0;
  virtual void RedrawHand(int seat, bool faceUp) = 0;
  // The turned-up trump card: marked in a face-up hand or drawn over the dummy's last card.
  virtual void ShowTrumpCard() = 0;
  virtual void DrawSeatPlate(int seat, bool isDummy, bool leadsTrick) = 0;
  // A card left slot `slot` of the seat's hand (the hand is already rearranged) and now
  // lies at the seat's spot on the table; the window flies it there or just draws it.
  virtual void CardToTable(int seat, int slot, TCardCode card, bool faceUp) = 0;
  // The trick is gathered towards its winner (an animation) or simply cleared.
  virtual void GatherTrickArea(int winner) = 0;
  virtual void RestoreArrowCursor() = 0;
  // Button7 (start / "Ok" / "Next game") and Button8 ("Exit to menu").
  virtual void SetStartButton(StartCaption caption, bool enabled) = 0;
  virtual void SetExitButton(bool enabled) = 0;
  // Timer1, the game's clock: its interval in milliseconds and whether it runs.
  virtual void SetTimer1(int intervalMs, bool running) = 0;
  // A blocking pause of the window's thread (network play lets the others see a trick).
  virtual void Pause(int ms) = 0;
  // The deal is over: the window switches its help topic to the end of the deal.
  virtual void DealOver() = 0;
  // The deal lies ready: refresh, hint of the deal counter, start of a recording.
  virtual void DealReady() = 0;
  // The score sheet, modal; in final mode the deal has just been scored. `closed` runs once, as
  // soon as the player closes the sheet, and at the latest before this returns.
  virtual void ShowScoreSheet(bool final, const std::function<void()>& closed) = 0;
  // The end of a deal is on the screen: a recording takes a frame now.
  virtual void EndOfDealShown() = 0;
  virtual void PlayEffect(std::string_view name) = 0;

  // --- the network ---
  // A frame for the network partners: the LAN relay or the tournament sender.
  virtual void SendFrame(std::string_view frame) = 0;
  virtual void CloseConnections() = 0;

  // --- leaving the table ---
  // The series ended normally: record it (club, history, statistics) and show the menu.
  virtual void FinishSeries(std::int32_t seriesResult, int seriesKon) = 0;
  // Asks the player whether to abandon the running series.
  virtual bool ConfirmLeave() = 0;
  // The player abandoned the series: the club line of that player is struck.
  virtual void RemovePlayerFromClub(int playerSlot, bool networkClub) = 0;
  // A rated club game was abandoned: the account is no longer in rated play.
  virtual void LeaveRatedPlay() = 0;
  virtual void ShowMenu() = 0;
  // Online tournament: tell the server this table is over and stop the move clocks;
  // afterwards the tournament window opens again.
  virtual void EndTournamentTable() = 0;
  virtual void ShowTournamentWindow() = 0;
};

// A boundary that draws, plays and sends nothing, and agrees to every question:
// self-play, benchmarks and tools.
class QuietBoundary : public TableBoundary {
 public:
  void PrepareTable() override {}
  void ShowAwaitingServer(int) override {}
  void DrawGameInfo(bool) override {}
  void DrawScoreBoard(int, std::int32_t, bool, std::int32_t, std::int32_t) override {}
  void RedrawHand(int, bool) override {}
  void ShowTrumpCard() override {}
  void DrawSeatPlate(int, bool, bool) override {}
  void CardToTable(int, int, TCardCode, bool) override {}
  void GatherTrickArea(int) override {}
  void RestoreArrowCursor() override {}
  void SetStartButton(StartCaption, bool) override {}
  void SetExitButton(bool) override {}
  void SetTimer1(int, bool) override {}
  void Pause(int) override {}
  void DealOver() override {}
  void DealReady() override {}
  void ShowScoreSheet(bool, const std::function<void()>& closed) override {
    if (closed) closed();
  }
  void EndOfDealShown() override {}
  void PlayEffect(std::string_view) override {}
  void SendFrame(std::string_view) override {}
  void CloseConnections() override {}
  void FinishSeries(std::int32_t, int) override {}
  bool ConfirmLeave() override { return true; }
  void RemovePlayerFromClub(int, bool) override {}
  void LeaveRatedPlay() override {}
  void ShowMenu() override {}
  void EndTournamentTable() override {}
  void ShowTournamentWindow() override {}
};

}  // namespace tavlo
