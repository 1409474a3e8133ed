#include "records/club_player_records.h"

#include "records/club_file.h"
#include "records/member_line.h"

namespace tavlo {

ClubPlayerRecords::ClubPlayerRecords(ClubFiles files, PlayerRecords* others)
    : files_(std::move(files)), others_(others) {}

PlayerValues ClubPlayerRecords::LoadPlayer(PlayerSlot slot, bool networkClub) {
  seriesStartLine_.clear();
  const int line = static_cast<int>(slot);
  if (slot == PlayerSlot::ClubAccount || slot == PlayerSlot::Tournament) {
    return others_ != nullptr ? others_->LoadPlayer(slot, networkClub) : PlayerValues{};
  }
  PlayerValues values;
  if (line < 1 || line > 5) return values;
  const ClubFileContents contents = ReadClubFile(files_.Club(networkClub));
  if (contents.Status != ClubRead::Read || IsFreeForList(contents.Lines[line])) return values;
  seriesStartLine_ = contents.Lines[line];
  values.Name = MemberNameOf(seriesStartLine_);
  values.Rating = MemberRatingOf(seriesStartLine_).value_or(0.0);
  values.Kon = static_cast<std::int32_t>(MemberKonOf(seriesStartLine_).value_or(0));
  values.Score = static_cast<std::int32_t>(MemberScoreOf(seriesStartLine_).value_or(0));
  return values;
}

}  // namespace tavlo
