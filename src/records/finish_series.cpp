#include "records/finish_series.h"

#include <algorithm>

#include "records/club_members.h"
#include "records/fixed_fields.h"
#include "records/member_line.h"
#include "records/rating.h"

namespace tavlo {
namespace {

constexpr int kCycle = 40;

std::uint8_t KindOfGame(const SeriesFinish& s) {
  if (s.Tournament) return 2;
  if (s.NetGame) return 3;
  return s.AccountState == 3 ? 1 : 0;
}

}  // namespace

SeriesFinish SeriesFinishOf(const GameState& state, const TableMode& mode) {
  SeriesFinish s;
  s.Result = state.SeriesResult;
  s.Deals = state.SeriesKon;
  s.KonNo = state.KonNo;
  s.TotalScore = state.TotalScore;
  s.Player = mode.Player;
  s.AccountState = mode.AccountState;
  s.NetGame = mode.NetGame;
  s.NetRole = mode.NetRole;
  s.Tournament = mode.Tournament;
  s.MemberRating = state.PlayerRating;
  // Every deal of the series counted once in both KonNo and SeriesKon.
  s.MemberKon = state.KonNo - state.SeriesKon;
  s.SeatNames = state.SeatNames;
  return s;
}

GameStats GameStatsOf(const SeriesFinish& s) {
  GameStats stats{};
  if (!s.NetGame && !s.Tournament) {
    stats[0] = s.Deals;
    stats[1] = s.KonNo % kCycle == 0 ? 1 : 0;
    stats[2] = std::max(s.Result, 0);
    stats[3] = s.Result < 0 ? -s.Result : 0;
  }
  if (s.NetGame && !s.Tournament && s.NetRole == 1) stats[4] = 4;
  if (s.Tournament && s.TournamentPlace == 1) stats[5] = 1;
  return stats;
}

std::string HistoryPlayerName(const SeriesFinish& s) {
  const int seat = s.Tournament ? s.TournamentPlace : s.NetRole;
  if (seat < 2 || seat > 4) return std::string(WithoutTrailingBlanks(s.MemberName));
  std::string name;
  for (int k = seat; k >= 1; --k) {
    if (k != seat) name += "/";
    name += WithoutTrailingBlanks(s.SeatNames[k]);
  }
  return name;
}

SeriesRecord FinishSeries(const SeriesFinish& s, const ClubFiles& files, const HistoryClock& clock,
                          SeriesEvents& events) {
  SeriesRecord record;
  const bool clubPlay = !s.Tournament && (s.AccountState == 1 || s.AccountState == 2);
  const bool cycleComplete = s.KonNo % kCycle == 0;

  events.LeaveTable();
  double accountRating = 0.0;
  if (s.AccountState == 3) accountRating = events.SettleRatedGame(s.Result, s.TotalScore);
  if (s.Tournament) {
    record.NewRating = s.TournamentRating;
  } else if (clubPlay) {
    record.NewRating = ComputeRating(s.KonNo, s.Result, s.MemberRating, s.MemberKon);
  } else {
    record.NewRating = accountRating;
  }
  events.HideWaitBar();

  record.MemberLine = MakeMemberLine(s.MemberName, record.NewRating, s.KonNo, s.TotalScore, s.PasswordDigits);

  record.History.HName = HistoryPlayerName(s);
  record.History.HKon = s.Tournament ? 4 : s.Deals;
  record.History.HRes = s.Tournament ? s.TournamentResult : s.Result;
  record.History.HRei = record.NewRating;
  record.History.Ac = KindOfGame(s);
  record.HistoryFile = WriteHistory(files.History, {record.History}, clock);
  if (!record.HistoryFile.Saved) {
    events.ShowNotice(RecordsNotice::HistoryNotSaved, files.History);
  }
  events.SendGameStats(record.History, GameStatsOf(s));

  if (!cycleComplete && s.Result != 0) events.PlayEffect(s.Result > 0 ? "WKoGood" : "WKoBads");

  if (clubPlay) {
    record.TopTenPending = cycleComplete;
    const std::filesystem::path& club = files.Club(s.NetGame);
    const StoreResult stored =
        ReplaceMember(club, static_cast<int>(s.Player), record.MemberLine, record.TopTenPending, s.ClubNoWrite);
    record.Club = stored.Update;
    record.TopTenPlace = stored.TopTenPlace;
    record.PlacedScore = stored.PlacedScore;
    record.MemberLineNo = stored.MemberLine;
    if (const auto notice = NoticeFor(stored.Update)) events.ShowNotice(*notice, club);
  }

  if (s.NetGame) events.CloseLanConnection();

  if (cycleComplete && clubPlay) {
    events.ShowEndOfCycle(record);
    if (!s.NetGame) events.ShowWorldTopTenResult(s.TotalScore);
  }
  if (s.AccountState == 3 && !s.NetGame && !s.Tournament) events.SubmitRatedCycle();
  events.ReturnToMenu(s.AccountState == 3);
  return record;
}

}  // namespace tavlo
