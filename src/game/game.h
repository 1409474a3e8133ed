#pragma once

#include <cstdint>

#include "game/game_state.h"
#include "game/player_records.h"
#include "game/random.h"
#include "game/rule_options.h"
#include "game/scoring.h"
#include "game/table_boundary.h"

namespace tavlo {

// The kind of table this program sits at. Set before a series starts.
struct TableMode {
  bool NetGame = false;      // a LAN game
  int NetRole = 0;           // 0 none, 1 server, 2..4 client seat
  bool Tournament = false;   // an online tournament table (its deals arrive dealt)
  bool TournamentFirstPlace = false;
  bool AwaitingDeal = false; // a LAN client whose first deal has not arrived yet
  int LastClient = -1;       // LAN: -1 no client seated, 0..2 the newest seated client
  int AccountState = 1;      // club account: 1 signed out, 2 signed in, 3 in rated play
  PlayerSlot Player = PlayerSlot::NewPlayer;

  bool AgainstComputer() const { return !NetGame && !Tournament; }
};

// The table's two buttons and its clock as the game last set them. The game decides
// them and the window shows them; a press on a disabled button is ignored.
struct TableControls {
  StartCaption Start = StartCaption::ToBegin;
  bool StartEnabled = false;
  bool ExitEnabled = false;
  int TimerInterval = 20;
  bool TimerRunning = false;
};

// Owns the state of a series and of the deal in play and is the only way to change
// it. Operations that are called out of turn (a seat that is not to play, a slot
// without a card, gathering an incomplete trick) assert in debug builds and leave
// the state untouched in release builds, returning false.
class Game {
 public:
  Game(TableBoundary& view, PlayerRecords& records, std::uint64_t seed);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  const GameState& State() const { return state_; }
  const RuleOptions& Options() const { return options_; }
  void SetOptions(const RuleOptions& options) { options_ = options; }
  const TableMode& Mode() const { return mode_; }
  void SetMode(const TableMode& mode) { mode_ = mode; }
  const TableControls& Controls() const { return controls_; }
  Random& Rng() { return rng_; }

  // Fills Deck and DeckRanks with a uniformly shuffled deck.
  void Shuffle();
  // The next deal takes this deck instead of shuffling: the server's deck on a LAN
  // client, or a chosen deal in tests and tools.
  void SetNextDeck(const DeckCards& deck);
  // Set by the LAN client receiver when the server's first deal reaches a table that
  // had already counted it.
  void SetRepeatDeal(bool repeat) { state_.RepeatDeal = repeat; }
  // Names shown at the four seats in LAN and tournament games.
  void SetSeatNames(const OneBased<std::string, 4>& names) { state_.SeatNames = names; }

  // Starts a series (false) or the next deal of it (true); leaves Turn at the dummy seat.
  void ShuffleAndDeal(bool continueSeries);

  // "To Begin": play starts with the seat before the dummy (Turn 1..4 becomes 11..14).
  bool StartPlay();

  bool IsRevoke(int seat, int slot) const;
  // Plays Hands[seat][slot] for the seat whose turn it is.
  bool PlayCard(int seat, int slot, bool announce);
  // Clears a complete trick; the winner leads next, or Turn becomes 25 after the last.
  bool GatherTrick();

  // The score sheet's figures for the deal so far, with the completeness rules. In
  // final mode (Turn 25) the deal is added to the series: GameScore, the score boards,
  // Turn 30 and the end-of-deal sound.
  DealScore ScoreCurrentDeal(bool final);
  // "Show cards at end of game": the kept deck is dealt again face up and the hands
  // are frozen (CardsLeft 0) so that nothing can be played.
  void ShowCardsAtEnd();
  // Flips ShowAllCards and redraws the three other hands; before play starts the
  // turned-up trump card is shown again on another seat's dummy hand.
  void ToggleShowAllCards();
  // The series figures after a deal: SeriesResult and TotalScore.
  void SettleSeriesResult();
  void SetCanExit(bool canExit) { state_.CanExit = canExit; }
  // The table is left for the menu.
  void LeaveTable() { state_.GameShown = false; }
  // A network table that ends before its last deal (a player left, a clock ran out, the
  // connection dropped): nothing more is played, and only "Exit to menu" is left.
  void EndTableEarly();
  // A rated club game was abandoned: the account is signed in but not in rated play.
  void LeaveRatedPlay() { mode_.AccountState = 2; }

  void SetStartButton(StartCaption caption, bool enabled);
  void EnableStartButton(bool enabled);
  void SetExitButton(bool enabled);
  void SetTimer1(int intervalMs, bool running);

 private:
  void LoadRunningValues();
  void DealPackets();
  void DrawAllPlates();

  TableBoundary& view_;
  PlayerRecords& records_;
  Random rng_;
  RuleOptions options_;
  TableMode mode_;
  TableControls controls_;
  GameState state_;
  bool deckPreset_ = false;
};

// The dummy for a running deal number, in the server's seats: North, East, South, West, ...
constexpr int DummyForDeal(std::int32_t konNo) {
  return static_cast<int>(((konNo % 4) + 4) % 4) + 1;
}

// The deal number that turns the dummy and ends a session of four. A LAN or tournament table
// counts its own deals, which every program of the table agrees on, whatever each player's
// running deal number is; elsewhere it is the player's running deal number.
inline std::int32_t SessionDeal(const GameState& s, const TableMode& mode) {
  return mode.NetGame || mode.Tournament ? static_cast<std::int32_t>(s.SeriesKon) : s.KonNo;
}

}  // namespace tavlo
