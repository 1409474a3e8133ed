#pragma once

#include <cstdint>
#include <string>

namespace tavlo {

// A card as the two Windows-1251 bytes it has in files and network frames:
// rank character then suit character. "##" is an empty slot.
// Ranks: '2'..'9', '1' (ten), 0xC2 jack, 0xC4 queen, 0xCA king, 0xD2 ace.
// Suits: 0xF7 hearts, 0xE1 diamonds, 0xEA clubs, 0xEF spades.
struct TCardCode {
  char rank = '#';
  char suit = '#';

  constexpr bool IsEmpty() const { return rank == '#' && suit == '#'; }
  friend constexpr bool operator==(TCardCode, TCardCode) = default;
};

inline constexpr TCardCode kNoCard{};
inline constexpr std::uint8_t kNoRank = 99;  // rank value of an empty slot
inline constexpr char kNoSuit = '#';         // Trump and LedSuit before they are known

inline constexpr char kHearts = '\xF7';
inline constexpr char kDiamonds = '\xE1';
inline constexpr char kClubs = '\xEA';
inline constexpr char kSpades = '\xEF';

// Suits in card-number order: card n has suit index (n - 1) mod 4.
inline constexpr char kSuitOrder[4] = {kHearts, kDiamonds, kClubs, kSpades};

// Rank characters by rank value 1 (two) .. 13 (ace); index 0 unused.
inline constexpr char kRankChars[14] = {'?', '2', '3', '4', '5', '6', '7', '8', '9',
                                        '1', '\xC2', '\xC4', '\xCA', '\xD2'};

// Rank value 1..13 of a rank character, 0 when it is none.
constexpr std::uint8_t RankValueOf(char rank) {
  for (int r = 1; r <= 13; ++r) {
    if (kRankChars[r] == rank) return static_cast<std::uint8_t>(r);
  }
  return 0;
}
constexpr std::uint8_t RankValueOf(TCardCode card) { return RankValueOf(card.rank); }

// Suit index 0..3 in card-number order, -1 for anything else.
constexpr int SuitIndexOf(char suit) {
  for (int s = 0; s < 4; ++s) {
    if (kSuitOrder[s] == suit) return s;
  }
  return -1;
}

constexpr TCardCode MakeCard(int rankValue, char suit) { return TCardCode{kRankChars[rankValue], suit}; }

// Card number n (1..52) as the shuffle uses it: 1 is the two of hearts, 52 the ace of spades.
constexpr TCardCode CardFromNumber(int n) { return MakeCard((n - 1) / 4 + 1, kSuitOrder[(n - 1) % 4]); }
constexpr int NumberOfCard(TCardCode card) { return (RankValueOf(card) - 1) * 4 + SuitIndexOf(card.suit) + 1; }

constexpr bool IsValidCard(TCardCode card) { return RankValueOf(card) != 0 && SuitIndexOf(card.suit) >= 0; }

// A readable English label for tools and test output: "10♥", "Q♠", "A♣"; "--" for an empty slot.
std::string CardLabel(TCardCode card);
// "♥", "♦", "♣", "♠"; "-" for no suit.
std::string SuitLabel(char suit);

}  // namespace tavlo
