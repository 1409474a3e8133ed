#include "records/records_notice.h"

#include "records/history_file.h"

namespace tavlo {

std::string RecordsNoticeText(RecordsNotice notice, const std::filesystem::path& path, const WordLookup& word) {
  switch (notice) {
    case RecordsNotice::DiskWriting:
      return word(97);
    case RecordsNotice::IncorrectClubFile:
      return word(92) + " \"" + path.string() + "\"!";
    case RecordsNotice::HistoryNotSaved:
      return kHistorySaveFailedText;
  }
  return {};
}

std::optional<RecordsNotice> NoticeFor(ClubUpdate update) {
  switch (update) {
    case ClubUpdate::WriteFailed:
      return RecordsNotice::DiskWriting;
    case ClubUpdate::FileIncorrect:
      return RecordsNotice::IncorrectClubFile;
    case ClubUpdate::Written:
    case ClubUpdate::NotWritten:
      break;
  }
  return std::nullopt;
}

}  // namespace tavlo
