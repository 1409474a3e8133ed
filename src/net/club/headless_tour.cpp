#include "net/club/headless_tour.h"

#include <cstdio>

#include "game/seats.h"

namespace tavlo {
namespace {

const char* const kCompass[5] = {"", "West", "North", "East", "South"};

}  // namespace

HeadlessTourPlayer::HeadlessTourPlayer(std::string nick, std::int32_t tourGames, std::uint64_t seed)
    : nick_(std::move(nick)),
      seed_(seed),
      records_(nick_, tourGames),
      game_(*this, records_, seed),
      computer_(game_.Options(), quiet_, seed * 7 + 1),
      flow_(game_, *this, computer_) {
  connection_.Attach(&game_, &flow_);
  connect(&connection_, &TourConnection::GameEnded, this, [this] { ended_ = true; });
  connect(&connection_, &TourConnection::PlaceLeft, this, [this](int place) {
    ended_ = true;
    leftPlace_ = place;
  });
  connect(&connection_, &TourConnection::TimeRanOut, this, [this](int place) {
    ended_ = true;
    leftPlace_ = place;
  });
  connect(&connection_, &TourConnection::ConnectionLost, this, [this] { ended_ = true; });
}

bool HeadlessTourPlayer::TakeSeat(ClubClient& club, int table, int seat, quint16 viaPort) {
  const TourTables tables = club.ReadTables();
  if (!tables.Ok || tables.Rows[table].Port <= 1) return false;
  const TZanClient me{nick_, 0, 0, 0, "Russia", "Moscow", Sex, "127.0.0.1"};
  if (club.SetSeat(table, seat, 1, me) != 0) return false;
  TableMode mode;
  mode.Tournament = true;
  mode.TournamentFirstPlace = seat == 1;
  mode.NetRole = seat;
  mode.Player = PlayerSlot::Tournament;
  game_.SetMode(mode);
  game_.SetOptions(TournamentRules());
  player_ = std::make_unique<ComputerPlayer>(game_.Options(), quiet_, seed_ * 13 + static_cast<std::uint64_t>(seat));
  if (viaPort != 0) {
    connection_.Open("127.0.0.1", viaPort, seat);
  } else {
    connection_.Open(QString::fromStdString(tables.Rows[table].IP), static_cast<quint16>(tables.Rows[table].Port),
                     seat);
  }
  return true;
}

bool HeadlessTourPlayer::Step() {
  const GameState& s = game_.State();
  if (!s.GameShown || !player_) return false;
  if (s.Turn == turn::kDealOver) {
    flow_.OnTimer1();
    return true;
  }
  if (s.Turn == turn::kDealScored && flow_.GameOver()) return false;
  const TableControls& controls = game_.Controls();
  if (controls.StartEnabled && ((s.DealPhase == 1 && s.Turn >= 1 && s.Turn <= 4) || s.Turn == turn::kTrickComplete ||
                                s.Turn == turn::kDealScored)) {
    flow_.OnStartOrOk();
    return true;
  }
  const int seat = SeatToPlay(s);
  if (seat != 0 && flow_.PlayerControls(seat)) return flow_.OnPlayerCard(seat, player_->ChooseCard(s, seat));
  return false;
}

void HeadlessTourPlayer::NoteDeal() {
  const GameState& s = game_.State();
  if (s.Turn != turn::kDealScored) return;
  dealLines_.push_back(TourDealLine(s, game_.Mode().NetRole, scoreBefore_));
  scoreBefore_ = s.GameScore;
}

std::string TourDealLine(const GameState& s, int place, const OneBased<std::int32_t, 2>& scoreBefore) {
  // Side 2 is this program's side: for places 3 and 4 that is West-East in place 1's seats.
  const bool swapped = place == 3 || place == 4;
  const int westEast = swapped ? 2 : 1;
  const int northSouth = swapped ? 1 : 2;
  char line[200];
  std::snprintf(line, sizeof line, "deal %d: dummy %s, trump %s, tricks W-E %d N-S %d, points W-E %+d N-S %+d",
                s.SeriesKon, kCompass[CompassOfLocalSeat(s.Dummy, place)], SuitLabel(s.Trump).c_str(),
                s.SideTricks[westEast], s.SideTricks[northSouth], s.GameScore[westEast] - scoreBefore[westEast],
                s.GameScore[northSouth] - scoreBefore[northSouth]);
  return line;
}

std::int32_t HeadlessTourPlayer::PlaceOneResult() const {
  const GameState& s = game_.State();
  const std::int32_t own = s.GameScore[2] - s.GameScore[1];
  const int place = game_.Mode().NetRole;
  return place == 3 || place == 4 ? -own : own;
}

}  // namespace tavlo
