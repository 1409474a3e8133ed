#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/history_clock.h"
#include "records/history_line.h"

namespace tavlo {

inline constexpr int kHistoryRecordsPerFile = 840;
inline constexpr int kLastHistoryFile = 9999;

// The program writes at most about 100 KB to a file (840 records, the up to four of one series
// more, the end and totals lines, 116 bytes each); hand-edited lines may be longer than written,
// so ten times that is allowed. A larger file is damaged and is not read.
inline constexpr std::size_t kHistoryFileMaximumSize = std::size_t{1} << 20;

// The shown text of a failed history write.
inline constexpr const char* kHistorySaveFailedText = "Cann`t save history!";

// The history folder: the program folder + "History".
std::filesystem::path HistoryFolder(const std::filesystem::path& programFolder);

// File n (1..9999) of the history: "Tavlo_I0001.hst" and so on.
std::filesystem::path HistoryFilePath(const std::filesystem::path& historyFolder, int n);

struct HistoryCheck {
  bool Valid = false;
  int Records = 0;   // record lines of a valid file
  std::string Date;  // the file's modification date in the short date format
};

// A file is valid when it opens, every line up to and including the end line ("$" first) is at
// least 114 bytes and carries its own correct sums, and the totals line after it agrees with the
// sums of all those lines.
HistoryCheck CheckHistoryFile(const std::filesystem::path& historyFolder, int n, const HistoryClock& clock);

// The files the history window lists: file 1, 2, .. for as long as they are valid.
std::vector<HistoryCheck> ValidHistoryFiles(const std::filesystem::path& historyFolder, const HistoryClock& clock);

// The validity test on the bytes of a file; nullopt when invalid, else its record lines.
std::optional<std::vector<std::string>> ParseHistoryFile(std::string_view bytes);

// The record lines of a valid file, oldest first (empty for an invalid one).
std::vector<std::string> HistoryRecordLines(const std::filesystem::path& path);

struct HistoryWrite {
  bool Saved = false;  // false: show kHistorySaveFailedText
  int FileNo = 0;      // the file written, 0 when there was no target
};

// Appends the records to the first file that is valid and not full, or writes a missing or
// damaged file afresh with them; creates the folder when needed.
HistoryWrite WriteHistory(const std::filesystem::path& historyFolder, const std::vector<HisStr>& records,
                          const HistoryClock& clock);

}  // namespace tavlo
