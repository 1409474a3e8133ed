// The word table: any lines are read without harm; every word can then be asked for.

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "lang/word_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start <= bytes.size();) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  std::vector<std::string> problems;
  const tavlo::WordTable table = tavlo::WordTable::Parse(lines, problems);
  for (int language = -1; language <= 10; ++language) {
    for (int number = 0; number < tavlo::kWordCount; ++number) {
      // Outside 0..9 a language reads as English.
      if (language < 0 || language > 9) {
        tavlo::fuzzing::Require(table.Text(number, language) == table.Text(number, 0), "English outside 0..9");
      }
    }
    tavlo::fuzzing::Require(table.Text(-1, language).empty() && table.Text(tavlo::kWordCount, language).empty(),
                            "unknown word numbers have no text");
  }
  return 0;
}
