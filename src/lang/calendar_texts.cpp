#include "lang/calendar_texts.h"

#include <array>
#include <map>

#include "lang/languages.h"

namespace tavlo {

const std::vector<std::string_view>& CalendarTextLines();  // generated from data/calendar/calendar_texts.tsv

namespace {

using Texts = std::array<std::string_view, kLanguageCount>;

// Key, a tab, then one text per language separated by tabs.
const std::map<std::string_view, Texts>& Table() {
  static const std::map<std::string_view, Texts> table = [] {
    std::map<std::string_view, Texts> t;
    for (std::string_view line : CalendarTextLines()) {
      if (line.empty() || line.front() == '#') continue;
      std::size_t tab = line.find('\t');
      if (tab == std::string_view::npos) continue;
      const std::string_view key = line.substr(0, tab);
      Texts texts{};
      for (auto& text : texts) {
        if (tab == std::string_view::npos) break;
        const std::size_t next = line.find('\t', tab + 1);
        text = line.substr(tab + 1, next == std::string_view::npos ? std::string_view::npos : next - tab - 1);
        tab = next;
      }
      t[key] = texts;
    }
    return t;
  }();
  return table;
}

std::string_view Lookup(const std::string& key, int languageIndex) {
  const auto& table = Table();
  const auto it = table.find(key);
  if (it == table.end()) return {};
  return it->second[static_cast<std::size_t>(EffectiveLanguage(languageIndex))];
}

constexpr std::string_view kCategories[] = {"ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT"};

std::vector<std::string> AllKeys() {
  std::vector<std::string> keys;
  for (int k = 1; k <= 12; ++k) {
    keys.push_back("Month" + std::to_string(k));
    keys.push_back("Zodiac" + std::to_string(k));
    keys.push_back("China" + std::to_string(k));
  }
  for (std::string_view c : kCategories) keys.push_back("Category" + std::string(c));
  keys.push_back("Anniversary");
  return keys;
}

}  // namespace

std::string_view MonthName(int month, int languageIndex) {
  return month >= 1 && month <= 12 ? Lookup("Month" + std::to_string(month), languageIndex) : std::string_view();
}

std::string_view ZodiacName(int sign, int languageIndex) {
  return sign >= 1 && sign <= 12 ? Lookup("Zodiac" + std::to_string(sign), languageIndex) : std::string_view();
}

std::string_view ChineseYearName(int animal, int languageIndex) {
  return animal >= 1 && animal <= 12 ? Lookup("China" + std::to_string(animal), languageIndex) : std::string_view();
}

std::string_view CategoryText(std::string_view who, int languageIndex) {
  for (std::string_view c : kCategories) {
    if (c == who) return Lookup("Category" + std::string(c), languageIndex);
  }
  return {};
}

std::string_view AnniversarySuffix(int languageIndex) { return Lookup("Anniversary", languageIndex); }

std::vector<std::string> CalendarTextProblems() {
  std::vector<std::string> problems;
  const auto& table = Table();
  for (const std::string& key : AllKeys()) {
    const auto it = table.find(key);
    if (it == table.end()) {
      problems.push_back("missing " + key);
      continue;
    }
    for (int l = 0; l < kLanguageCount; ++l) {
      if (it->second[static_cast<std::size_t>(l)].empty()) {
        problems.push_back(key + " has no text in language " + std::to_string(l));
      }
    }
  }
  return problems;
}

}  // namespace tavlo
