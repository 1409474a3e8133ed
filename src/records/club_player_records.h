#pragma once

#include <string>

#include "game/player_records.h"
#include "records/club_paths.h"

namespace tavlo {

// A series start reads a member's running values from the club file. Slots 7 and 8 (the club
// account, a tournament participant) are answered by `others` when given; slot 6 and anything
// unreadable start from nothing.
class ClubPlayerRecords : public PlayerRecords {
 public:
  explicit ClubPlayerRecords(ClubFiles files, PlayerRecords* others = nullptr);

  PlayerValues LoadPlayer(PlayerSlot slot, bool networkClub) override;

  // The member line the last series start read (empty for other players): a rename during the
  // series stores this line again with the new name and password.
  const std::string& SeriesStartLine() const { return seriesStartLine_; }

 private:
  ClubFiles files_;
  PlayerRecords* others_;
  std::string seriesStartLine_;
};

}  // namespace tavlo
