#include "server/tour_referee.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "game/seats.h"
#include "game/trick.h"

namespace tavlo {
namespace {

using tour::PlayerFrameData;

PlayerFrameData Move(lan::FrameKind kind, int slot = 0) {
  PlayerFrameData f;
  f.Is = PlayerFrameData::Move;
  f.Moved = {kind, slot, 1};
  return f;
}
PlayerFrameData NextDeal() {
  PlayerFrameData f;
  f.Is = PlayerFrameData::NextDeal;
  return f;
}

// One program's copy of the game, fed the frames the server passes on, as a place plays it.
struct PlaceCopy {
  explicit PlaceCopy(int place) : records("P"), game(quiet, records, 1) {
    TableMode mode;
    mode.Tournament = true;
    mode.TournamentFirstPlace = place == 1;
    mode.NetRole = place;
    game.SetMode(mode);
    game.SetOptions(TournamentRules());
  }
  QuietBoundary quiet;
  NewPlayerRecords records;
  Game game;
};

// The slots the seat to play may play now.
std::vector<int> LegalSlots(const GameState& s) {
  std::vector<int> slots;
  const int seat = SeatToPlay(s);
  for (int slot = 1; seat != 0 && slot <= kHandSlots; ++slot) {
    if (IsLegalPlay(s, seat, slot)) slots.push_back(slot);
  }
  return slots;
}

class TourRefereeTest : public ::testing::Test {
 protected:
  // Deals the next deck to the server's copy and to every place.
  void DealAll() {
    const DeckCards deck = TourDeck(rng);
    decks.push_back(deck);
    referee.Deal(deck);
    for (auto& p : places) {
      p->game.SetNextDeck(deck);
      p->game.ShuffleAndDeal(referee.DealsPlayed() > 1);
    }
  }
  // A frame the server accepted reaches every program.
  void Apply(const PlayerFrameData& f) {
    for (auto& p : places) {
      Game& g = p->game;
      switch (f.Moved.Kind) {
        case lan::FrameKind::Show:
          ASSERT_TRUE(g.StartPlay());
          break;
        case lan::FrameKind::Card:
          ASSERT_TRUE(IsLegalPlay(g.State(), SeatToPlay(g.State()), f.Moved.Slot));
          ASSERT_TRUE(g.PlayCard(SeatToPlay(g.State()), f.Moved.Slot, false));
          break;
        case lan::FrameKind::Gather:
          ASSERT_TRUE(g.GatherTrick());
          if (g.State().Turn == turn::kDealOver) g.ScoreCurrentDeal(true);
          break;
        case lan::FrameKind::CloseSheet:
          break;
      }
    }
  }
  // The move the table waits for, chosen at random among the legal ones.
  PlayerFrameData NextMove() {
    const GameState& s = referee.State();
    if (s.DealPhase == 1) return Move(lan::FrameKind::Show);
    if (s.Turn == turn::kTrickComplete) return Move(lan::FrameKind::Gather);
    const std::vector<int> slots = LegalSlots(s);
    return Move(lan::FrameKind::Card, slots[rng.Below(static_cast<std::uint32_t>(slots.size()))]);
  }
  void PlayDeal() {
    while (!referee.DealScored()) {
      const PlayerFrameData f = NextMove();
      ASSERT_TRUE(referee.Accept(referee.PlaceDue(), f));
      Apply(f);
    }
  }

  void SetUp() override {
    for (int place = 1; place <= 4; ++place) places.push_back(std::make_unique<PlaceCopy>(place));
  }

  Random rng{5};
  TourReferee referee;
  std::vector<std::unique_ptr<PlaceCopy>> places;
  std::vector<DeckCards> decks;
};

TEST_F(TourRefereeTest, FourPlacesAndTheServerAgreeOnEveryDealOfAGame) {
  std::set<int> dummies;
  for (int deal = 1; deal <= TourReferee::kDealsPerGame; ++deal) {
    if (deal > 1) {
      ASSERT_TRUE(referee.Accept(1, NextDeal()));
      EXPECT_EQ(referee.PlaceDue(), 0) << "nobody's clock runs while the deal is on its way";
    }
    DealAll();
    const GameState& server = referee.State();
    dummies.insert(TourReferee::PlaceAtSeat(server.Dummy));
    for (int place = 1; place <= 4; ++place) {
      const GameState& own = places[static_cast<std::size_t>(place - 1)]->game.State();
      // The place holds block 5 - place of the deck as it travelled.
      std::vector<TCardCode> held(own.Hands[kSouth].begin(), own.Hands[kSouth].end());
      std::vector<TCardCode> block(decks.back().begin() + (4 - place) * kHandSlots,
                                   decks.back().begin() + (5 - place) * kHandSlots);
      const auto byNumber = [](TCardCode a, TCardCode b) { return NumberOfCard(a) < NumberOfCard(b); };
      std::sort(held.begin(), held.end(), byNumber);
      std::sort(block.begin(), block.end(), byNumber);
      EXPECT_EQ(held, block) << "place " << place << ", deal " << deal;
      EXPECT_EQ(own.Trump, server.Trump) << "place " << place << ", deal " << deal;
      EXPECT_EQ(own.TrumpCard, server.TrumpCard) << "place " << place << ", deal " << deal;
      // The dummy is the same player everywhere.
      EXPECT_EQ(ServerSeatToLocal(server.Dummy, place), own.Dummy) << "place " << place << ", deal " << deal;
    }
    PlayDeal();
    ASSERT_TRUE(referee.Accept(1, Move(lan::FrameKind::CloseSheet)));
  }
  EXPECT_TRUE(referee.GameOver());
  EXPECT_EQ(referee.PlaceDue(), 0);
  EXPECT_EQ(dummies.size(), 4u) << "the dummy visits every place once in a game";
  EXPECT_FALSE(referee.Accept(1, NextDeal())) << "no fifth deal";
  for (int place = 1; place <= 4; ++place) {
    const GameState& own = places[static_cast<std::size_t>(place - 1)]->game.State();
    const std::int32_t ownResult = own.GameScore[2] - own.GameScore[1];
    EXPECT_EQ(place <= 2 ? ownResult : -ownResult, referee.PlaceOneResult()) << "place " << place;
  }
}

TEST_F(TourRefereeTest, MovesThatDoNotFitTheTableAreRefused) {
  DealAll();
  const GameState& s = referee.State();
  EXPECT_FALSE(referee.Accept(2, Move(lan::FrameKind::Show))) << "only place 1 starts play";
  EXPECT_FALSE(referee.Accept(1, Move(lan::FrameKind::Card, 1))) << "no card before play starts";
  EXPECT_FALSE(referee.Accept(1, NextDeal())) << "no next deal during a deal";
  ASSERT_TRUE(referee.Accept(1, Move(lan::FrameKind::Show)));
  EXPECT_FALSE(referee.Accept(1, Move(lan::FrameKind::Show))) << "play starts once";

  // The first card: from any other place it is refused; from the right one it is played.
  const int due = referee.PlaceDue();
  for (int place = 1; place <= 4; ++place) {
    if (place != due) {
      EXPECT_FALSE(referee.Accept(place, Move(lan::FrameKind::Card, 1))) << "place " << place;
    }
  }
  EXPECT_FALSE(referee.Accept(due, Move(lan::FrameKind::Gather))) << "no trick to gather";
  ASSERT_TRUE(referee.Accept(due, Move(lan::FrameKind::Card, 1)));
  EXPECT_EQ(s.TrickPos, 2);

  // A revoke from the next seat, when it holds the led suit and another.
  const int seat = SeatToPlay(s);
  int revoke = 0, follow = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (s.Hands[seat][slot].IsEmpty()) continue;
    if (IsRevoke(s, seat, slot)) {
      revoke = slot;
    } else {
      follow = slot;
    }
  }
  ASSERT_NE(follow, 0);
  if (revoke != 0) {
    EXPECT_FALSE(referee.Accept(referee.PlaceDue(), Move(lan::FrameKind::Card, revoke))) << "a revoke";
    EXPECT_EQ(s.TrickPos, 2) << "a refused card leaves the table as it was";
  }
  // An empty slot: the led card's slot of the first seat is empty now, and slot 13 after
  // arranging a hand of 12.
  const int led = PrevSeat(seat);
  EXPECT_FALSE(referee.Accept(TourReferee::PlaceAtSeat(led == s.Dummy ? Partner(led) : led),
                              Move(lan::FrameKind::Card, kHandSlots)));
  EXPECT_TRUE(referee.Accept(referee.PlaceDue(), Move(lan::FrameKind::Card, follow)));
}

TEST_F(TourRefereeTest, TheDummysPartnerPlaysTheDummysCards) {
  DealAll();
  ASSERT_TRUE(referee.Accept(1, Move(lan::FrameKind::Show)));
  const GameState& s = referee.State();
  // Play until the dummy is to play, then only its partner's place may play for it.
  for (int guard = 0; guard < 60 && SeatToPlay(s) != s.Dummy; ++guard) {
    const PlayerFrameData f = NextMove();
    ASSERT_TRUE(referee.Accept(referee.PlaceDue(), f));
  }
  ASSERT_EQ(SeatToPlay(s), s.Dummy);
  const int dummyPlace = TourReferee::PlaceAtSeat(s.Dummy);
  const int partnerPlace = TourReferee::PlaceAtSeat(Partner(s.Dummy));
  EXPECT_EQ(referee.PlaceDue(), partnerPlace);
  const int slot = LegalSlots(s).front();
  EXPECT_FALSE(referee.Accept(dummyPlace, Move(lan::FrameKind::Card, slot)));
  EXPECT_TRUE(referee.Accept(partnerPlace, Move(lan::FrameKind::Card, slot)));
}

TEST(TourDeckTest, ShufflesAreWholeDecksAndEveryCardReachesEveryPosition) {
  Random rng(3);
  // Where the ace of spades lands over many shuffles: each of the 52 positions about equally.
  std::array<int, 53> at{};
  const int runs = 52 * 200;
  for (int run = 0; run < runs; ++run) {
    const DeckCards deck = TourDeck(rng);
    std::set<int> numbers;
    for (const TCardCode& c : deck) numbers.insert(NumberOfCard(c));
    ASSERT_EQ(numbers.size(), 52u);
    for (int i = 1; i <= 52; ++i) {
      if (NumberOfCard(deck[i]) == 52) ++at[static_cast<std::size_t>(i)];
    }
  }
  // 200 expected per position; a biased shuffle (a swap with any position, say) leaves some
  // positions far off. Bounds are about six standard deviations.
  for (int i = 1; i <= 52; ++i) {
    EXPECT_GT(at[static_cast<std::size_t>(i)], 115) << "position " << i;
    EXPECT_LT(at[static_cast<std::size_t>(i)], 285) << "position " << i;
  }
}

}  // namespace
}  // namespace tavlo
