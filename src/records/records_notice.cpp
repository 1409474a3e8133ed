#include "records/records_notice.h"

#include "lang/word_table.h"
#include "records/history_file.h"

namespace tavlo {

std::string RecordsNoticeText(RecordsNotice notice, const std::filesystem::path& path, int languageIndex) {
  switch (notice) {
    case RecordsNotice::DiskWriting:
      return std::string(Word(WordId::DiskWriteError, languageIndex));
    case RecordsNotice::IncorrectClubFile:
      return std::string(Word(WordId::IncorrectFile, languageIndex)) + " \"" + path.string() + "\"!";
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
