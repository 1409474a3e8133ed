#include "lang/word_table.h"

#include <charconv>

#include "lang/languages.h"
#include "lang/word_data.h"

namespace tavlo {
namespace {

constexpr std::size_t kColumns = 2 + kLanguageCount;  // number, name, the ten languages

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

bool Unescape(std::string_view field, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      out += field[i];
      continue;
    }
    if (++i == field.size()) return false;
    switch (field[i]) {
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        return false;
    }
  }
  return true;
}

}  // namespace

WordTable WordTable::Parse(const std::vector<std::string_view>& lines, std::vector<std::string>& problems) {
  WordTable table;
  std::vector<bool> seen(kWordCount, false);
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::string_view line = lines[index];
    if (line.empty() || line.front() == '#') continue;
    const std::string where = "line " + std::to_string(index + 1) + ": ";
    const std::vector<std::string_view> fields = SplitTabs(line);
    if (fields.size() != kColumns) {
      problems.push_back(where + std::to_string(fields.size()) + " columns instead of " + std::to_string(kColumns));
      continue;
    }
    int number = -1;
    const auto [end, error] = std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), number);
    if (error != std::errc() || end != fields[0].data() + fields[0].size() || number < 0 || number >= kWordCount) {
      problems.push_back(where + "bad word number \"" + std::string(fields[0]) + "\"");
      continue;
    }
    if (seen[number]) {
      problems.push_back(where + "word " + std::to_string(number) + " appears twice");
      continue;
    }
    std::array<std::string, 10> texts;
    bool good = true;
    for (int language = 0; language < kLanguageCount && good; ++language) {
      if (!Unescape(fields[2 + language], texts[language])) {
        problems.push_back(where + "bad escape in language " + std::to_string(language));
        good = false;
      } else if (texts[language].empty()) {
        problems.push_back(where + "empty text in language " + std::to_string(language));
        good = false;
      }
    }
    if (!good) continue;
    seen[number] = true;
    table.words_[number] = std::move(texts);
  }
  return table;
}

std::string_view WordTable::Text(int number, int languageIndex) const {
  if (number < 0 || number >= kWordCount) return {};
  return words_[number][EffectiveLanguage(languageIndex)];
}

const WordTable& BuiltInWordTable() {
  // Built once; the file was checked by the tests, so problems here cannot occur in a tested build.
  static const WordTable table = [] {
    std::vector<std::string> problems;
    return WordTable::Parse(WordTableLines(), problems);
  }();
  return table;
}

std::string_view Word(WordId k, int languageIndex) {
  return BuiltInWordTable().Text(static_cast<int>(k), languageIndex);
}

}  // namespace tavlo
