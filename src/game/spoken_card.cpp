#include "game/spoken_card.h"

#include "game/seats.h"

namespace tavlo {
namespace {

constexpr int SeatBefore(int seat) { return seat == kWest ? kSouth : seat - 1; }
constexpr bool IsSeat(int seat) { return seat >= 1 && seat <= 4; }

}  // namespace

TCardCode CardToSpeak(const GameState& s, bool showCardsAtEnd, int seat, int slot) {
  if (!s.GameShown || !IsSeat(seat) || slot < 1 || slot > 13) return kNoCard;
  const bool endShown = s.Turn == turn::kDealScored && showCardsAtEnd;
  if (s.DealPhase == 1 && seat == s.Dummy && seat != kSouth && !endShown) {
    return slot == 13 ? s.TrumpCard : kNoCard;  // the rest of the dummy's hand lies face down
  }
  // The dummy is exposed once the seat before it has led.
  const bool exposedDummy = seat == s.Dummy && IsSeat(s.Dummy) && s.CardsLeft[SeatBefore(s.Dummy)] < 13;
  if (seat != kSouth && !endShown && !exposedDummy) return kNoCard;
  return s.Hands[seat][slot];
}

TCardCode TrickCardOf(const GameState& s, int seat) {
  if (!s.GameShown || !IsSeat(seat) || !IsSeat(s.PrevWinner)) return kNoCard;
  return s.Table[(seat - s.PrevWinner + 4) % 4 + 1];
}

}  // namespace tavlo
