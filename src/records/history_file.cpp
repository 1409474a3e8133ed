#include "records/history_file.h"

#include "files/atomic_write.h"
#include "records/fixed_fields.h"
#include "records/text_lines.h"

namespace tavlo {
namespace {

// The lines of file n up to its end line, when the file is valid.
struct HistoryContents {
  bool Valid = false;
  std::vector<std::string> Records;
};

HistoryContents ReadHistory(const std::filesystem::path& path) {
  HistoryContents contents;
  const std::optional<std::string> bytes = ReadFileBytes(path, kHistoryFileMaximumSize);
  if (!bytes) return contents;
  std::optional<std::vector<std::string>> records = ParseHistoryFile(*bytes);
  if (!records) return contents;
  contents.Valid = true;
  contents.Records = std::move(*records);
  return contents;
}

}  // namespace

std::optional<std::vector<std::string>> ParseHistoryFile(std::string_view bytes) {
  const std::optional<std::vector<std::string>> invalid;
  const std::vector<std::string> lines = SplitLines(bytes);
  LineSums totals;
  std::size_t i = 0;
  for (;; ++i) {
    if (i == lines.size()) return invalid;  // no end line
    const std::string& line = lines[i];
    if (line.size() < static_cast<std::size_t>(kHistoryLineLength)) return invalid;
    const LineSums sums = BodySums(line);
    // Each line's own sums guard the columns the totals do not cover.
    if (WrittenSums(line) != sums) return invalid;
    totals += sums;
    if (line.front() == '$') break;
  }
  if (++i == lines.size()) return invalid;
  const std::string& last = lines[i];
  if (last.size() < static_cast<std::size_t>(kHistoryTotalsLength)) return invalid;
  const auto t1 = ParseDigits(Columns(last, 1, 10));
  const auto t2 = ParseDigits(Columns(last, 11, 10));
  const auto t3 = ParseDigits(Columns(last, 21, 10));
  if (!t1 || !t2 || !t3 || LineSums{*t1, *t2, *t3} != totals) return invalid;
  return std::vector<std::string>(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(i - 1));
}

std::filesystem::path HistoryFolder(const std::filesystem::path& programFolder) { return programFolder / "History"; }

std::filesystem::path HistoryFilePath(const std::filesystem::path& historyFolder, int n) {
  return historyFolder / ("Tavlo_I" + ZeroPadded(n, 4) + ".hst");
}

HistoryCheck CheckHistoryFile(const std::filesystem::path& historyFolder, int n, const HistoryClock& clock) {
  HistoryCheck check;
  const std::filesystem::path path = HistoryFilePath(historyFolder, n);
  const HistoryContents contents = ReadHistory(path);
  if (!contents.Valid) return check;
  check.Valid = true;
  check.Records = static_cast<int>(contents.Records.size());
  std::error_code error;
  const auto modified = std::filesystem::last_write_time(path, error);
  if (!error) check.Date = clock.DateText(modified);
  return check;
}

std::vector<HistoryCheck> ValidHistoryFiles(const std::filesystem::path& historyFolder, const HistoryClock& clock) {
  std::vector<HistoryCheck> files;
  for (int n = 1; n <= kLastHistoryFile; ++n) {
    HistoryCheck check = CheckHistoryFile(historyFolder, n, clock);
    if (!check.Valid) break;
    files.push_back(std::move(check));
  }
  return files;
}

std::vector<std::string> HistoryRecordLines(const std::filesystem::path& path) { return ReadHistory(path).Records; }

HistoryWrite WriteHistory(const std::filesystem::path& historyFolder, const std::vector<HisStr>& records,
                          const HistoryClock& clock) {
  HistoryWrite write;
  std::vector<std::string> lines;
  for (int n = 1; n <= kLastHistoryFile && write.FileNo == 0; ++n) {
    HistoryContents contents = ReadHistory(HistoryFilePath(historyFolder, n));
    if (contents.Valid && contents.Records.size() >= static_cast<std::size_t>(kHistoryRecordsPerFile)) continue;
    write.FileNo = n;
    if (contents.Valid) lines = std::move(contents.Records);
  }
  // Every file valid and full: there is nowhere to write.
  if (write.FileNo == 0) return write;

  const std::string time = clock.TimeText();
  const std::string date = clock.DateText();
  for (const HisStr& record : records) lines.push_back(HistoryRecordLine(record, time, date));
  lines.push_back(HistoryEndLine());
  LineSums totals;
  for (const std::string& line : lines) totals += BodySums(line);
  lines.push_back(HistoryTotalsLine(totals));

  std::error_code error;
  std::filesystem::create_directories(historyFolder, error);
  write.Saved = !error && !WriteFileAtomically(HistoryFilePath(historyFolder, write.FileNo), JoinLines(lines));
  return write;
}

}  // namespace tavlo
