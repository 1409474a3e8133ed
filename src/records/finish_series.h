#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "game/game.h"
#include "game/game_state.h"
#include "game/one_based.h"
#include "game/player_records.h"
#include "records/club_file.h"
#include "records/club_paths.h"
#include "records/history_clock.h"
#include "records/history_file.h"
#include "records/records_notice.h"

namespace tavlo {

// What the end of a series needs to know, as plain values.
struct SeriesFinish {
  std::int32_t Result = 0;      // SeriesResult
  int Deals = 0;                // SeriesKon
  std::int32_t KonNo = 0;       // the player's deals including this series
  std::int32_t TotalScore = 0;  // the running total of the cycle (StartScore + SeriesResult)
  PlayerSlot Player = PlayerSlot::NewPlayer;
  int AccountState = 1;  // 1 signed out, 2 signed in, 3 rated club play
  bool NetGame = false;
  int NetRole = 0;  // 2..4: a LAN client in that seat
  bool Tournament = false;
  int TournamentPlace = 1;     // 1..4
  std::string MemberName;      // UTF-8, as the dialog or the series start gave it
  double MemberRating = 0.0;   // the stored rating at the series start
  std::int32_t MemberKon = 0;  // deals before the series
  std::string PasswordDigits;
  OneBased<std::string, 4> SeatNames{};  // screen seats 1..4, for the history of LAN clients and tournaments
  std::int32_t TournamentResult = 0;     // the participant's total after the table minus before it
  double TournamentRating = 0.0;         // the value the tournament server reports with it
  bool ClubNoWrite = false;              // the start check's verdict on the club file this series is stored in
};

// What the end of a series did.
struct SeriesRecord {
  double NewRating = 0.0;
  std::string MemberLine;      // the new member line as built, before a completed cycle resets its Score
  bool TopTenPending = false;  // the series completed a cycle of 40 deals
  int TopTenPlace = 0;
  std::int32_t PlacedScore = 0;
  int MemberLineNo = 0;  // where the member's line now stands, 0 when not stored
  ClubUpdate Club = ClubUpdate::NotWritten;
  HisStr History;
  HistoryWrite HistoryFile;
};

// The twelve figures (R1..R12) a finished game adds to the club's statistics: deals against the
// computer, a completed cycle, the won or lost points against the computer, the deals of a LAN
// game (sent by its server only) and a tournament table (sent by place 1 only).
using GameStats = std::array<std::int32_t, 12>;
GameStats GameStatsOf(const SeriesFinish& s);

// The steps of the end of a series that belong to the windows, the club account, the statistics and
// the LAN; later parts of the program fill them in.
class SeriesEvents {
 public:
  virtual ~SeriesEvents() = default;
  // Menu background for a recording, table hidden, wait bar shown.
  virtual void LeaveTable() = 0;
  // Rated account play only: the account's game record is brought up to date; returns the account's
  // rating, which becomes the new rating.
  virtual double SettleRatedGame(std::int32_t result, std::int32_t totalScore) = 0;
  virtual void HideWaitBar() = 0;
  virtual void SendGameStats(const HisStr& record, const GameStats& stats) = 0;
  virtual void PlayEffect(std::string_view name) = 0;
  virtual void ShowNotice(RecordsNotice notice, const std::filesystem::path& path) = 0;
  virtual void CloseLanConnection() = 0;
  // The end-of-cycle window, modal.
  virtual void ShowEndOfCycle(const SeriesRecord& record) = 0;
  // The world-top-ten result window for a local cycle score.
  virtual void ShowWorldTopTenResult(std::int32_t cycleScore) = 0;
  // Rated account play outside LAN games: a cycle the account has just completed goes to the world
  // top ten; the account knows whether it did.
  virtual void SubmitRatedCycle() = 0;
  // Back to the menu; `leaveRatedPlay` turns rated play (account state 3) back into 2.
  virtual void ReturnToMenu(bool leaveRatedPlay) = 0;
};

// The values the game knows at the end of a series: results, deal counts, the kind of game, the
// seat names, the stored rating and the deals before the series. The member's name and password,
// the tournament's values and ClubNoWrite are the caller's to add.
SeriesFinish SeriesFinishOf(const GameState& state, const TableMode& mode);

// The name the history gives a series: the member's name, or on a LAN client and at tournament places
// 2..4 the seat names from that seat down to seat 1 joined by "/".
std::string HistoryPlayerName(const SeriesFinish& series);

// Records a finished series: rating, history, club line and top ten, in that order, with the window
// steps in between.
SeriesRecord FinishSeries(const SeriesFinish& series, const ClubFiles& files, const HistoryClock& clock,
                          SeriesEvents& events);

}  // namespace tavlo
