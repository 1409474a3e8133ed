#include "server/tour_referee.h"

#include <array>
#include <numeric>

#include "game/seats.h"
#include "game/trick.h"

namespace tavlo {

DeckCards TourDeck(Random& rng) {
  // Fisher-Yates over card numbers: every order of the deck equally likely.
  std::array<int, 52> numbers{};
  std::iota(numbers.begin(), numbers.end(), 1);
  for (std::uint32_t i = 51; i > 0; --i) std::swap(numbers[i], numbers[rng.Below(i + 1)]);
  DeckCards deck;
  for (int i = 1; i <= 52; ++i) deck[i] = CardFromNumber(numbers[static_cast<std::size_t>(i - 1)]);
  return deck;
}

TourReferee::TourReferee() : records_("Table"), game_(quiet_, records_, 1) {
  TableMode mode;
  mode.Tournament = true;
  mode.TournamentFirstPlace = true;
  mode.NetRole = 1;
  game_.SetMode(mode);
  game_.SetOptions(TournamentRules());
}

int TourReferee::SeatOfPlace(int place) {
  constexpr int kSeat[5] = {0, kSouth, kNorth, kWest, kEast};
  return place >= 1 && place <= 4 ? kSeat[place] : 0;
}

int TourReferee::PlaceAtSeat(int seat) {
  for (int place = 1; place <= 4; ++place) {
    if (SeatOfPlace(place) == seat) return place;
  }
  return 0;
}

void TourReferee::Deal(const DeckCards& deck) {
  game_.SetNextDeck(deck);
  game_.ShuffleAndDeal(dealsPlayed_ > 0);
  ++dealsPlayed_;
  nextDealAsked_ = false;
}

bool TourReferee::DealScored() const { return dealsPlayed_ > 0 && State().Turn == turn::kDealScored; }

int TourReferee::PlaceDue() const {
  const GameState& s = State();
  if (dealsPlayed_ == 0 || GameOver() || nextDealAsked_) return 0;
  const int seat = SeatToPlay(s);
  if (seat == 0) return 1;  // a button of place 1: start, continue, next deal
  // The dummy's partner plays the dummy's cards.
  return PlaceAtSeat(seat == s.Dummy ? Partner(seat) : seat);
}

bool TourReferee::Accept(int place, const tour::PlayerFrameData& frame) {
  const GameState& s = State();
  if (dealsPlayed_ == 0 || nextDealAsked_) return false;
  if (frame.Is == tour::PlayerFrameData::NextDeal) {
    if (place != 1 || !DealScored() || GameOver()) return false;
    nextDealAsked_ = true;
    return true;
  }
  if (frame.Is != tour::PlayerFrameData::Move) return false;
  // Place 1 closes its score sheet after every deal, the last one included.
  if (frame.Moved.Kind == lan::FrameKind::CloseSheet) return place == 1 && DealScored();
  if (place != PlaceDue()) return false;
  switch (frame.Moved.Kind) {
    case lan::FrameKind::Show:
      return s.DealPhase == 1 && s.Turn >= 1 && s.Turn <= 4 && game_.StartPlay();
    case lan::FrameKind::Card: {
      const int seat = SeatToPlay(s);
      if (seat == 0 || frame.Moved.Slot < 1 || frame.Moved.Slot > kHandSlots ||
          !IsLegalPlay(s, seat, frame.Moved.Slot)) {
        return false;
      }
      return game_.PlayCard(seat, frame.Moved.Slot, false);
    }
    case lan::FrameKind::Gather:
      if (s.Turn != turn::kTrickComplete || !game_.GatherTrick()) return false;
      if (s.Turn == turn::kDealOver) game_.ScoreCurrentDeal(true);
      return true;
    case lan::FrameKind::CloseSheet:
      break;
  }
  return false;
}

std::int32_t TourReferee::PlaceOneResult() const {
  // Side 2 is place 1's side in place 1's view.
  return State().GameScore[2] - State().GameScore[1];
}

}  // namespace tavlo
