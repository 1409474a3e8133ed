#pragma once

#include <cstdint>

#include "game/game.h"
#include "game/player_records.h"
#include "game/table_boundary.h"
#include "net/club/tour_frames.h"

namespace tavlo {

// The game of one tournament table as the server keeps it, so that only moves that fit the
// game reach the other three places. It runs the game core on the table as place 1's program
// does, and every frame is checked by the core's own rules before it is passed on.
//
// Places sit as LAN seats do (place 1 South, 2 North, 3 West, 4 East in place 1's view). Every
// program and the server number the deals of the game 1..4 themselves, and the dummy turns with
// that number, so all four agree on it whatever the players' own tournament counts are.
class TourReferee {
 public:
  static constexpr int kDealsPerGame = 4;

  TourReferee();
  TourReferee(const TourReferee&) = delete;
  TourReferee& operator=(const TourReferee&) = delete;

  // The next deal of the game with this deck, as it travels to the places.
  void Deal(const DeckCards& deck);
  // Checks one place's frame against the table and plays it on the server's copy. False when
  // it does not fit: out of turn, from a place that does not hold the move, or an illegal card.
  // Chat, time-outs and leaving are not moves and are not judged here.
  bool Accept(int place, const tour::PlayerFrameData& frame);

  // The place whose move or button the table waits for, 0 when the game is over.
  int PlaceDue() const;
  // The last trick of the current deal is gathered and the deal is scored.
  bool DealScored() const;
  bool GameOver() const { return DealScored() && dealsPlayed_ == kDealsPerGame; }
  // Place 1 has asked for the next deal ("bnext") and none has been dealt since.
  bool NextDealAsked() const { return nextDealAsked_; }
  int DealsPlayed() const { return dealsPlayed_; }
  // The game's result so far for places 1 and 2: their summed points minus the others'.
  std::int32_t PlaceOneResult() const;

  const GameState& State() const { return game_.State(); }
  // The seat of a place in place 1's view, and back.
  static int SeatOfPlace(int place);
  static int PlaceAtSeat(int seat);

 private:
  QuietBoundary quiet_;
  NewPlayerRecords records_;
  Game game_;
  int dealsPlayed_ = 0;
  bool nextDealAsked_ = false;
};

// A uniformly shuffled deck for the next deal.
DeckCards TourDeck(Random& rng);

}  // namespace tavlo
