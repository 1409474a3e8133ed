#include <algorithm>
#include <numeric>

#include "game/arrange.h"
#include "game/deal_message.h"
#include "game/game.h"
#include "game/seats.h"

namespace tavlo {
namespace {

std::string TrimRight(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// Local seats that receive the server's packets 1..4 (South, North, West, East).
constexpr int kPacketServerSeats[4] = {kSouth, kNorth, kWest, kEast};
// At a tournament table place p holds block 5 - p of the deck; places sit as LAN seats do
// (place 1 South, 2 North, 3 West, 4 East as place 1 sees the table).
constexpr int kTourPacketSeats[4] = {kEast, kWest, kNorth, kSouth};

}  // namespace

Game::Game(TableBoundary& view, PlayerRecords& records, std::uint64_t seed)
    : view_(view), records_(records), rng_(seed) {}

void Game::Shuffle() {
  // Fisher-Yates over card numbers: a uniformly random permutation, the same
  // distribution as drawing numbers until an unused one turns up.
  std::array<int, 52> numbers{};
  std::iota(numbers.begin(), numbers.end(), 1);
  for (std::uint32_t i = 51; i > 0; --i) {
    std::swap(numbers[i], numbers[rng_.Below(i + 1)]);
  }
  for (int i = 1; i <= 52; ++i) {
    state_.Deck[i] = CardFromNumber(numbers[static_cast<std::size_t>(i - 1)]);
    state_.DeckRanks[i] = RankValueOf(state_.Deck[i]);
  }
}

void Game::SetNextDeck(const DeckCards& deck) {
  for (int i = 1; i <= 52; ++i) {
    state_.Deck[i] = deck[i];
    state_.DeckRanks[i] = RankValueOf(deck[i]);
  }
  deckPreset_ = true;
}

void Game::LoadRunningValues() {
  PlayerValues values = records_.LoadPlayer(mode_.Player, mode_.NetGame);
  if (mode_.Player == PlayerSlot::NewPlayer) {
    values.Kon = 0;
    values.Score = 0;
    values.Rating = 0.0;
  }
  state_.KonNo = values.Kon;
  state_.PlayerRating = values.Rating;
  if (mode_.Player == PlayerSlot::Tournament) {
    state_.TotalScore = values.TotalScore;
  } else {
    state_.StartScore = values.Score;
  }
  state_.SeatNames[4] = TrimRight(values.Name);
}

void Game::DealPackets() {
  for (int packet = 0; packet < 4; ++packet) {
    const int seat =
        ServerSeatToLocal((mode_.Tournament ? kTourPacketSeats : kPacketServerSeats)[packet], mode_.NetRole);
    for (int k = 1; k <= kHandSlots; ++k) {
      state_.Hands[seat][k] = state_.Deck[packet * kHandSlots + k];
      state_.HandRanks[seat][k] = state_.DeckRanks[packet * kHandSlots + k];
    }
  }
}

void Game::DrawAllPlates() {
  for (int s = 1; s <= 4; ++s) view_.DrawSeatPlate(s, s == state_.Dummy, s == state_.Leader);
}

void Game::ShuffleAndDeal(bool continueSeries) {
  GameState& s = state_;
  view_.PrepareTable();

  if (!continueSeries) {
    s.GameScore.fill(0);
    s.SeriesKon = 0;
    s.RepeatDeal = false;
    s.SeriesResult = 0;
    s.TotalScore = 0;
    s.ShowAllCards = false;
    LoadRunningValues();
  }
  if (!s.RepeatDeal) {
    s.KonNo += 1;
    s.SeriesKon = static_cast<std::uint8_t>(s.SeriesKon + 1);
  }
  if (mode_.AgainstComputer()) {
    mode_.NetRole = 0;
    for (int seat = 1; seat <= 3; ++seat) s.SeatNames[seat] = "PC";
  }
  if (mode_.Tournament) EnableStartButton(false);

  // A tournament table deals the deck the game server sent (SetNextDeck).
  const bool dealsItself = mode_.AgainstComputer() || (mode_.NetGame && mode_.NetRole == 1) ||
                           (mode_.NetGame && mode_.NetRole >= 2 && mode_.AwaitingDeal) || mode_.Tournament;
  if (dealsItself) {
    if (deckPreset_) {
      deckPreset_ = false;
    } else {
      Shuffle();
    }
    for (int seat = 1; seat <= 4; ++seat) {
      s.Hands[seat].fill(kNoCard);
      s.HandRanks[seat].fill(kNoRank);
    }
  }
  if (mode_.NetGame && mode_.NetRole == 1) view_.SendFrame(DealMessage(s.Deck, s.DeckRanks));

  s.Trump = kNoSuit;
  s.Table.fill(kNoCard);
  s.TableRanks.fill(kNoRank);
  s.LedSuit = kNoSuit;
  s.SideTricks.fill(0);
  s.TrickNo = 1;
  s.TrickPos = 1;
  s.CanExit = false;
  s.DealPhase = 1;

  s.Turn = static_cast<std::uint8_t>(ServerSeatToLocal(DummyForDeal(SessionDeal(s, mode_)), mode_.NetRole));

  for (int seat = 1; seat <= 4; ++seat) {
    s.NotHeld[seat].fill(kNoCard);
    s.SeatCompass[seat] = static_cast<std::uint8_t>(CompassOfLocalSeat(seat, mode_.NetRole));
  }
  s.Taken[1].fill(kNoCard);
  s.Taken[2].fill(kNoCard);

  s.Leader = PrevSeat(s.Turn);
  s.PrevWinner = s.Leader;
  s.GameShown = true;

  view_.DrawGameInfo(false);
  const bool startEnabled = mode_.Tournament ? mode_.TournamentFirstPlace : mode_.NetRole <= 1;
  SetStartButton(StartCaption::ToBegin, startEnabled);
  SetExitButton(false);
  // A new deal has no deal points yet: the last deal's figure (perhaps another player's, at a
  // new series) must not stay on the board.
  for (int side = 1; side <= 2; ++side) view_.DrawScoreBoard(side, s.GameScore[side], true, 0, kBoardClear);

  if (!mode_.Tournament && mode_.NetGame && mode_.NetRole >= 2 && mode_.AwaitingDeal) {
    view_.ShowAwaitingServer(ServerSeatToLocal(kSouth, mode_.NetRole));
    return;
  }

  DealPackets();
  // The trump card is the dummy's last dealt card, taken before the hand is sorted.
  s.TrumpCard = s.Hands[s.Turn][kHandSlots];
  s.Trump = s.TrumpCard.suit;
  for (int seat = 1; seat <= 4; ++seat) {
    if (seat != s.Turn) s.NotHeld[seat][1] = s.TrumpCard;
  }
  view_.DrawGameInfo(true);
  s.Dummy = s.Turn;
  for (int seat = 1; seat <= 4; ++seat) {
    s.CardsLeft[seat] = static_cast<std::uint8_t>(ArrangeCards(s.Hands[seat], s.HandRanks[seat], s.Trump));
    view_.RedrawHand(seat, seat == kSouth);
  }
  view_.ShowTrumpCard();
  DrawAllPlates();
  view_.PlayEffect("WTasoKo");
  SetTimer1(200, false);
  view_.DealReady();
}

}  // namespace tavlo
