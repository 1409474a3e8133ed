#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "game/flow.h"
#include "game/game.h"
#include "net/lan/lan_session.h"

namespace tavlo::lan {

// One program of a LAN table without a window: its game, flow controller and sockets, with
// the computer player in the seats its human would play and the buttons pressed as soon as
// they are enabled. Tests and tavlo-selfplay run a whole table of them over loopback sockets.
class HeadlessProgram : public QObject, public QuietBoundary {
  Q_OBJECT

 public:
  HeadlessProgram(std::string name, std::uint64_t seed);

  LanSession& Session() { return session_; }
  Game& TheGame() { return game_; }
  FlowController& Flow() { return flow_; }
  const std::string& Name() const { return name_; }

  // Opens the table: the server when its players are seated, a client on its seat reply.
  void StartSeries();
  // Takes the one step that is due (a card, a button, a tick); false when nothing is.
  bool Step();
  // Leaves in the middle, as "Quit" does.
  void Quit();

  // One line per scored deal, in the server's seats, so that every program writes the same.
  const std::vector<std::string>& DealLines() const { return dealLines_; }
  // The series result (North-South minus West-East) in the server's seats.
  std::int32_t SeriesScore() const;
  bool Finished() const { return finished_; }
  int Interruptions() const { return interruptions_; }
  std::vector<std::string> ChatLines;

  // --- TableBoundary ---
  void SendFrame(std::string_view frame) override { session_.Send(frame); }
  void CloseConnections() override { session_.Close(); }
  void FinishSeries(std::int32_t, int) override;
  void Pause(int) override {}

 private:
  void NoteDeal();

  std::string name_;
  std::uint64_t seed_;
  NewPlayerRecords records_;
  Game game_;
  ThinkingView quiet_;
  ComputerPlayer computer_;
  std::unique_ptr<ComputerPlayer> player_;
  FlowController flow_;
  LanSession session_;
  std::vector<std::string> dealLines_;
  OneBased<std::int32_t, 2> scoreBefore_{};
  bool finished_ = false;
  int interruptions_ = 0;
};

// Where one program leaves a table early.
enum class LeaveStage {
  Never,
  Seating,          // after the first two clients (or the one) have their seats, before the server opens the table
  BeforeFirstDeal,  // every client's table is open and waits for the server's first deal
  MidTrick,         // the second trick of the first deal, two cards on the table
  ScoreSheet,       // the first deal is scored
  AfterLastDeal,    // the last deal is scored and the game is over
};

struct LanTableOptions {
  int Clients = 1;  // 1 or 3
  std::uint64_t Seed = 1;
  bool Recut = false;  // every connection goes through a relay that re-cuts the stream
  LeaveStage Leave = LeaveStage::Never;
  int Leaver = 1;            // the LAN seat (1 the server) that leaves
  int TimeLimitMs = 120000;  // a bound for a table that no longer progresses
};

struct LanTableResult {
  bool Completed = false;  // every program ran to its end (the game, or the interruption)
  std::string Failure;     // why not
  // Per program, by LAN seat 1..Clients + 1.
  std::vector<std::vector<std::string>> DealLines;
  std::vector<std::int32_t> SeriesScores;
  std::vector<int> Interruptions;
  std::vector<bool> AtMenu;  // the table was left
  std::vector<bool> GameOver;
  std::uint64_t BytesSent = 0;
  std::uint64_t MessagesSent = 0;
  std::uint64_t RelayPieces = 0;  // arrivals the relay cut the streams into
};

// Plays a LAN table of headless programs on 127.0.0.1 in this thread's event loop (a
// QCoreApplication must exist). Clients join one after another, so seats follow the order.
LanTableResult PlayLanTable(const LanTableOptions& options);

}  // namespace tavlo::lan
