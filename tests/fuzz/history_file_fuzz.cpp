// History files: any bytes are read without harm; the record lines of a valid file, written out
// again with a fresh end and totals line, make a valid file with the same records.

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "records/history_file.h"
#include "records/history_line.h"
#include "records/text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto records = tavlo::ParseHistoryFile(bytes);
  if (!records) return 0;
  std::vector<std::string> lines = *records;
  lines.push_back(tavlo::HistoryEndLine());
  tavlo::LineSums totals;
  for (const std::string& line : lines) totals += tavlo::BodySums(line);
  lines.push_back(tavlo::HistoryTotalsLine(totals));
  const auto again = tavlo::ParseHistoryFile(tavlo::JoinLines(lines));
  tavlo::fuzzing::Require(again.has_value() && *again == *records, "a valid history's records write back valid");
  return 0;
}
