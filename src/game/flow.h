#pragma once

#include "game/card_chooser.h"
#include "game/game.h"

namespace tavlo {

// Drives a series of deals on Turn: stepped by Timer1 ticks, the start / "Ok" / "Next
// game" button (Button7), "Exit to menu" (Button8), the player's card clicks and the
// context-menu exit. It never sleeps or reads the clock; pauses and timer intervals
// are requests to the boundary.
class FlowController {
 public:
  FlowController(Game& game, TableBoundary& view, CardChooser& computer);
  FlowController(const FlowController&) = delete;
  FlowController& operator=(const FlowController&) = delete;

  // The name dialog was accepted: the first deal of a series.
  void StartSeries();

  // A tick: when a computer card is due, the computer chooses it now and it is played.
  void OnTimer1();
  // The same tick for a window whose computer thinks elsewhere: returns the seat whose
  // card is due (0 when none is), and the card comes back through OnComputerCard.
  int OnTimer1Deferred();
  // The computer's card for `seat`. Refused (false, nothing changes) unless the computer
  // is still to play that seat's card, so an answer that arrives after the table moved
  // on (the series was left, another path played the card) is dropped.
  bool OnComputerCard(int seat, int slot);
  void OnStartOrOk();
  void OnExitToMenu();
  // Leaving in the middle (context menu, closing the window): after the player agrees
  // the series is abandoned without a score. Returns whether it was left.
  bool OnQuit();

  // A click on a card of a hand the player controls. A revoke is refused with a sound.
  bool OnPlayerCard(int seat, int slot);

  // --- a LAN or tournament partner's decisions. They skip the local button checks but
  // not the rules: each returns false and changes nothing when the event does not fit
  // the table as it stands.
  // The server's deck reached a client: its next deal (the first one is not counted again).
  bool OnRemoteDeal(const DeckCards& deck);
  // A tournament table's deal from the game server: the first one opens the table.
  bool OnTourDeal(const DeckCards& deck);
  // "hshow": play begins.
  bool OnRemoteStart();
  // "hslit": the complete trick is gathered.
  bool OnRemoteGather();
  // "hhd": the seat to play plays the card in `slot`. A card that is not legal for that
  // seat is refused and never played.
  bool OnRemoteCard(int slot);
  // A partner left the table. True when that interrupted a running game: the table has
  // been left for the menu. A game that is over already is not disturbed.
  bool OnPartnerLeft();
  // The last deal of a LAN game or tournament table is scored: only "Exit to menu" is left.
  bool GameOver() const;

  // Whether the computer plays the seat whose turn it is now.
  bool ComputerMoveDue() const;
  // Whether the player may play the cards of `seat` now: the own hand at the own turn
  // unless South is the dummy, North's hand when North is the dummy.
  bool PlayerControls(int seat) const;

 private:
  void EndOfDeal();
  void SetEndOfDealButtons();
  void Announce(const char* frame);

  Game& game_;
  TableBoundary& view_;
  CardChooser& computer_;
};

}  // namespace tavlo
