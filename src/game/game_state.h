#pragma once

#include <cstdint>
#include <string>

#include "game/card.h"
#include "game/one_based.h"

namespace tavlo {

inline constexpr int kHandSlots = 13;  // slots of a hand
inline constexpr int kListSlots = 52;  // slots of a taken or knowledge list

using CardList13 = OneBased<TCardCode, kHandSlots>;
using RankList13 = OneBased<std::uint8_t, kHandSlots>;
using CardList52 = OneBased<TCardCode, kListSlots>;
using RankList52 = OneBased<std::uint8_t, kListSlots>;
using DeckCards = OneBased<TCardCode, 52>;

// Values of `Turn`, the byte the game flow runs on.
namespace turn {
inline constexpr std::uint8_t kTrickComplete = 6;
inline constexpr std::uint8_t kSeatToPlay = 10;  // 11..14: seat Turn - 10 plays
inline constexpr std::uint8_t kDealOver = 25;
inline constexpr std::uint8_t kDealScored = 30;
}  // namespace turn

// The state of a series and of the deal in play. Every list is 1-based; empty card
// slots hold "##" and empty rank slots 99. All seat-indexed arrays are in the local
// view (seat 4 is this program's player), side 2 is the player's side.
struct GameState {
  GameState();

  // --- series ---
  std::int32_t KonNo = 0;        // the player's running deal number
  std::uint8_t SeriesKon = 0;    // deals started in this series
  OneBased<std::int32_t, 2> GameScore{};
  std::int32_t StartScore = 0;   // the player's stored score when the series began
  std::int32_t SeriesResult = 0; // GameScore[2] - GameScore[1]
  std::int32_t TotalScore = 0;   // StartScore + SeriesResult
  bool CanExit = false;
  bool GameShown = false;
  bool RepeatDeal = false;       // a LAN client's first deal was already counted
  bool ShowAllCards = false;     // every hand is drawn face up
  double PlayerRating = 0.0;     // the player's stored rating when the series began
  OneBased<std::string, 4> SeatNames{};

  // --- deal ---
  DeckCards Deck{};
  OneBased<std::uint8_t, 52> DeckRanks{};
  OneBased<CardList13, 4> Hands{};
  OneBased<RankList13, 4> HandRanks{};
  OneBased<std::uint8_t, 4> CardsLeft{};
  int Dummy = 0;
  char Trump = kNoSuit;
  TCardCode TrumpCard{};
  OneBased<TCardCode, 4> Table{};         // the trick in play order, Table[1] led
  OneBased<std::uint8_t, 4> TableRanks{};
  char LedSuit = kNoSuit;
  int Leader = 0;       // leader of the trick; its winner once the trick is resolved
  int PrevWinner = 0;   // leader of the trick until it is gathered
  std::uint8_t TrickPos = 1;  // 1 + cards on the table; 5 = trick complete
  std::uint8_t TrickNo = 1;   // 1..13
  OneBased<std::int32_t, 2> SideTricks{};
  OneBased<CardList52, 2> Taken{};
  OneBased<CardList52, 4> NotHeld{};      // cards known not to be in each seat's hand
  std::uint8_t Turn = 0;
  std::uint8_t DealPhase = 0;             // 1 dealt, 2 playing
  OneBased<std::uint8_t, 4> SeatCompass{};

  // Empties every card list of the deal ("##", rank 99) and the trick state.
  void ClearDeal();

  friend bool operator==(const GameState&, const GameState&) = default;
};

// The seat to play while Turn is 11..14, else 0.
constexpr int SeatToPlay(const GameState& s) {
  return s.Turn > turn::kSeatToPlay && s.Turn <= turn::kSeatToPlay + 4 ? s.Turn - turn::kSeatToPlay : 0;
}

// Number of cards in slots 1..n of a list.
template <typename List>
int CountCards(const List& list) {
  int n = 0;
  for (const TCardCode& c : list) n += c.IsEmpty() ? 0 : 1;
  return n;
}

}  // namespace tavlo
