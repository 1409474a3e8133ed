#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <string>

#include "ai/computer_player.h"
#include "game/flow.h"
#include "game/game.h"
#include "net/club/club_client.h"
#include "net/club/tour_connection.h"

namespace tavlo {

// One line for a scored deal as `place` saw it, written in place 1's seats so that every program
// of the table writes the same: dummy, trump, tricks and the deal's points of both pairs.
// `scoreBefore` is the game score before the deal.
std::string TourDealLine(const GameState& s, int place, const OneBased<std::int32_t, 2>& scoreBefore);

// One tournament player's program without a window: its game, flow controller and table
// connection, the computer player in the human's place and place 1's buttons pressed as soon
// as they are enabled. Tests and tools seat four of them through the lobby requests.
class HeadlessTourPlayer : public QObject, public QuietBoundary {
  Q_OBJECT

 public:
  // `tourGames`: the player's tournament game count, where its running deal number starts.
  HeadlessTourPlayer(std::string nick, std::int32_t tourGames, std::uint64_t seed);

  // Takes seat `seat` of `table` in the lobby and connects to the table (or to `viaPort` on
  // 127.0.0.1, a relay in front of it); false when the lobby refused the seat or has no table address.
  bool TakeSeat(ClubClient& club, int table, int seat, quint16 viaPort = 0);
  // The sex the seat record gives the player ('M' or 'W').
  char Sex = 'M';
  // Takes the one step that is due (a card, a button, a tick); false when nothing is.
  bool Step();

  TourConnection& Connection() { return connection_; }
  const Game& TheGame() const { return game_; }
  const FlowController& Flow() const { return flow_; }
  const std::string& Nick() const { return nick_; }
  // The game's result for places 1 and 2, as this program has it.
  std::int32_t PlaceOneResult() const;
  // One line per scored deal, in place 1's seats, so that every program writes the same.
  const std::vector<std::string>& DealLines() const { return dealLines_; }
  bool Ended() const { return ended_; }
  int LeftPlace() const { return leftPlace_; }

  // --- TableBoundary ---
  void SendFrame(std::string_view frame) override { connection_.SendTourFrame(frame); }
  void CloseConnections() override { connection_.Close(); }
  // Every scored deal passes here, however its end was reached (a tick, or the next deal arriving).
  void EndOfDealShown() override { NoteDeal(); }

 private:
  class Records : public PlayerRecords {
   public:
    Records(std::string nick, std::int32_t games) : nick_(std::move(nick)), games_(games) {}
    PlayerValues LoadPlayer(PlayerSlot, bool) override { return {nick_, 0.0, games_, 0, 0}; }

   private:
    std::string nick_;
    std::int32_t games_;
  };
  void NoteDeal();

  std::string nick_;
  std::uint64_t seed_;
  Records records_;
  Game game_;
  ThinkingView quiet_;
  ComputerPlayer computer_;
  std::unique_ptr<ComputerPlayer> player_;
  FlowController flow_;
  TourConnection connection_;
  std::vector<std::string> dealLines_;
  OneBased<std::int32_t, 2> scoreBefore_{};
  bool ended_ = false;
  int leftPlace_ = 0;
};

}  // namespace tavlo
