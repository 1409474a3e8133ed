#pragma once

#include <cstdint>

#include "game/game_state.h"
#include "game/rule_options.h"

namespace tavlo {

// One side's points for a deal, in the order of the score sheet.
struct ScoreRecord {
  std::int32_t Tricks = 0;
  std::int32_t Oners = 0;
  std::int32_t Koronki = 0;
  std::int32_t Slams = 0;

  constexpr std::int32_t All() const { return Tricks + Oners + Koronki + Slams; }
  friend constexpr bool operator==(const ScoreRecord&, const ScoreRecord&) = default;
};

struct DealScore {
  OneBased<ScoreRecord, 2> Sides{};
  std::int32_t Difference = 0;  // All of side 1 - All of side 2
};

// Honours are the ace, king, queen, jack and ten of the trump suit.
constexpr bool IsHonour(TCardCode card, char trump) {
  return card.suit == trump && RankValueOf(card) >= 9;
}

// Length of the unbroken run of top cards of `suit` (ace, king, queen, ...) in the list:
// 0 without the ace, 13 for the whole suit.
int TopRunLength(const CardList52& taken, char suit);

// Scores a deal from both sides' taken cards and counted tricks. Works on copies; the
// computer player calls it with hypothetical lists.
DealScore ScoreDeal(const CardList52& taken1, const CardList52& taken2, int tricks1, int tricks2, char trump,
                    const RuleOptions& options);

// The score sheet's two completeness rules: Oners count only when all five honours
// were taken, slams only when every hand is empty.
void ApplyCompleteness(DealScore& score, const CardList52& taken1, const CardList52& taken2, char trump,
                       bool allHandsEmpty);

}  // namespace tavlo
