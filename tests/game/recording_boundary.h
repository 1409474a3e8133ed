#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/table_boundary.h"

namespace tavlo::testing {

// Notes every call the game makes to its screen, speakers and network, in order.
class RecordingBoundary : public TableBoundary {
 public:
  std::vector<std::string> calls;
  std::vector<std::string> frames;
  // Frames sent up to the moment the last score sheet closed.
  std::size_t framesWhileSheetShown = 0;
  bool agreeToLeave = true;

  void PrepareTable() override { calls.push_back("PrepareTable"); }
  void ShowAwaitingServer(int seat) override { calls.push_back("ShowAwaitingServer " + std::to_string(seat)); }
  void DrawGameInfo(bool withTrump) override { calls.push_back(std::string("DrawGameInfo ") + (withTrump ? "1" : "0")); }
  void DrawScoreBoard(int side, std::int32_t points, bool frame, std::int32_t tricks, std::int32_t deal) override {
    calls.push_back("DrawScoreBoard " + std::to_string(side) + " " + std::to_string(points) + (frame ? " frame " : " ") +
                    std::to_string(tricks) + " " + std::to_string(deal));
  }
  void RedrawHand(int seat, bool faceUp) override {
    calls.push_back("RedrawHand " + std::to_string(seat) + (faceUp ? " up" : " down"));
  }
  void ShowTrumpCard() override { calls.push_back("ShowTrumpCard"); }
  void DrawSeatPlate(int seat, bool isDummy, bool leads) override {
    calls.push_back("DrawSeatPlate " + std::to_string(seat) + (isDummy ? " dummy" : "") + (leads ? " leads" : ""));
  }
  void CardToTable(int seat, int slot, TCardCode, bool faceUp) override {
    calls.push_back("CardToTable " + std::to_string(seat) + " " + std::to_string(slot) + (faceUp ? " up" : " down"));
  }
  void GatherTrickArea(int winner) override { calls.push_back("GatherTrickArea " + std::to_string(winner)); }
  void SetStartButton(StartCaption caption, bool enabled) override {
    calls.push_back("SetStartButton " + std::to_string(static_cast<int>(caption)) + (enabled ? " on" : " off"));
  }
  void SetExitButton(bool enabled) override { calls.push_back(std::string("SetExitButton ") + (enabled ? "on" : "off")); }
  void SetTimer1(int interval, bool running) override {
    calls.push_back("SetTimer1 " + std::to_string(interval) + (running ? " run" : " stop"));
  }
  void Pause(int ms) override { calls.push_back("Pause " + std::to_string(ms)); }
  void RestoreArrowCursor() override {}
  void ShowScoreSheet(bool final, const std::function<void()>& closed) override {
    calls.push_back(std::string("ShowScoreSheet ") + (final ? "final" : "view"));
    if (closed) closed();
    framesWhileSheetShown = frames.size();
  }
  void EndOfDealShown() override { calls.push_back("EndOfDealShown"); }
  void CloseConnections() override { calls.push_back("CloseConnections"); }
  void FinishSeries(std::int32_t result, int seriesKon) override {
    calls.push_back("FinishSeries " + std::to_string(result) + " " + std::to_string(seriesKon));
  }
  bool ConfirmLeave() override {
    calls.push_back("ConfirmLeave");
    return agreeToLeave;
  }
  void RemovePlayerFromClub(int slot, bool net) override {
    calls.push_back("RemovePlayerFromClub " + std::to_string(slot) + (net ? " net" : " local"));
  }
  void LeaveRatedPlay() override { calls.push_back("LeaveRatedPlay"); }
  void ShowMenu() override { calls.push_back("ShowMenu"); }
  void EndTournamentTable() override { calls.push_back("EndTournamentTable"); }
  void ShowTournamentWindow() override { calls.push_back("ShowTournamentWindow"); }
  void DealOver() override { calls.push_back("DealOver"); }
  void DealReady() override { calls.push_back("DealReady"); }
  void PlayEffect(std::string_view name) override { calls.push_back("PlayEffect " + std::string(name)); }
  void SendFrame(std::string_view frame) override { frames.emplace_back(frame); }

  bool Called(const std::string& call) const {
    for (const std::string& c : calls) {
      if (c == call) return true;
    }
    return false;
  }
};

}  // namespace tavlo::testing
