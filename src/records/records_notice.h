#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "records/club_file.h"

namespace tavlo {

// Failures of the record files that the window shows as notices.
enum class RecordsNotice {
  DiskWriting,        // a club file could not be written: "Error of disk writing!" (word 97)
  IncorrectClubFile,  // a club file could no longer be read as one: word 92 with its path
  HistoryNotSaved,    // "Cann`t save history!"
};

// The notice's text in the given language; `path` is the file concerned.
std::string RecordsNoticeText(RecordsNotice notice, const std::filesystem::path& path, int languageIndex);

// The notice a club update asks for, if any.
std::optional<RecordsNotice> NoticeFor(ClubUpdate update);

}  // namespace tavlo
