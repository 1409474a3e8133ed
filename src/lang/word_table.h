#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "lang/word_ids.h"

namespace tavlo {

// Word numbers 0..1057 are shared by the game family; 1100 and above are this program's own words.
inline constexpr int kWordCount = 1200;

// Words by number, each in the ten languages. Numbers this program does not use stay empty.
class WordTable {
 public:
  // Reads the lines of the word table file. Every malformed line is skipped and described in
  // `problems` (with its line number), so a damaged table is reported rather than half-used.
  static WordTable Parse(const std::vector<std::string_view>& lines, std::vector<std::string>& problems);

  // The text of word `number` in `languageIndex` (English outside 0..9); empty for an unknown number.
  std::string_view Text(int number, int languageIndex) const;

 private:
  std::vector<std::array<std::string, 10>> words_ = std::vector<std::array<std::string, 10>>(kWordCount);
};

// The table compiled into the program.
const WordTable& BuiltInWordTable();

// The text of word k in the given language; English for a language outside 0..9.
std::string_view Word(WordId k, int languageIndex);

}  // namespace tavlo
