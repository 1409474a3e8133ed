#pragma once

#include <cstdint>
#include <string>

namespace tavlo {

// Who plays (the name dialog sets it).
enum class PlayerSlot : int {
  Member1 = 1,  // 1..5: a line of the club file
  Member5 = 5,
  NewPlayer = 6,
  ClubAccount = 7,
  Tournament = 8,
};

// A player's running values as stored in the records.
struct PlayerValues {
  std::string Name;            // padded to 20 characters as stored; trailing blanks are trimmed for display
  double Rating = 0.0;
  std::int32_t Kon = 0;        // running deal number
  std::int32_t Score = 0;      // stored score (StartScore)
  std::int32_t TotalScore = 0; // tournament participants only
};

// Where a series start reads the player's running values: the club file, the club
// account or the tournament participant's record.
class PlayerRecords {
 public:
  virtual ~PlayerRecords() = default;
  // Values for slots 1..5, 7 and 8; `networkClub` chooses the network club file for members.
  virtual PlayerValues LoadPlayer(PlayerSlot slot, bool networkClub) = 0;
};

// Records with nobody in them: every slot plays as a new player named as given.
class NewPlayerRecords : public PlayerRecords {
 public:
  explicit NewPlayerRecords(std::string name = "Player") : name_(std::move(name)) {}
  PlayerValues LoadPlayer(PlayerSlot, bool) override { return PlayerValues{name_, 0.0, 0, 0, 0}; }

 private:
  std::string name_;
};

}  // namespace tavlo
