#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "fake_services.h"
#include "reload_property.h"

namespace tavlo {
namespace {

using testing_support::ReloadFault;

// A complete file as the program writes it, with the world values set.
std::vector<std::string> WrittenLines() {
  FakeServices services;
  Settings s = DefaultSettings();
  ApplyWorldDefaults(s, services);
  s.PlayerName = "Вера";
  s.StatisticsAddress = "statistics";
  const std::string text = FormatSettings(s, services);
  std::vector<std::string> lines{""};  // index 0 unused: indexes are line numbers
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 1; i < lines.size(); ++i) text += lines[i] + "\r\n";
  return text;
}

// Files that once came back different after a save.
TEST(SettingsReloadTest, ValuesThatOnceChangedInASaveSurviveIt) {
  struct Case {
    const char* name;
    int line;
    std::string value;
  };
  const std::vector<Case> cases = {
      {"empty statistics address", 31, ""},
      {"carriage return inside the player name", 24, "Ve\rra"},
      {"carriage return ending the city", 29, "Riga\r"},
      {"carriage return inside the server address", 19, "10.0.\r0.5"},
      {"carriage return inside a font face", 10, "\rDecor"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = WrittenLines();
    lines[static_cast<std::size_t>(c.line)] = c.value;
    FakeServices services;
    const SettingsLoad load = ParseSettings(Join(lines), services);
    ASSERT_EQ(load.Status, SettingsLoadStatus::Complete);
    EXPECT_EQ(ReloadFault(Join(lines)), "");
  }
}

TEST(SettingsReloadTest, AnEmptyStatisticsAddressStaysEmpty) {
  std::vector<std::string> lines = WrittenLines();
  lines[31] = "";
  FakeServices services;
  const SettingsLoad load = ParseSettings(Join(lines), services);
  EXPECT_EQ(load.Values.StatisticsAddress, "");
  EXPECT_EQ(ParseSettings(FormatSettings(load.Values, services), services).Values.StatisticsAddress, "");
}

TEST(SettingsReloadTest, AFileReadShortOfThePlayerNameIsSavedWithTheWorldDefaults) {
  std::vector<std::string> lines = WrittenLines();
  lines[4] = "twelve";  // the deck number does not convert: loading ends there
  FakeServices services;
  const SettingsLoad load = ParseSettings(Join(lines), services);
  ASSERT_EQ(load.Status, SettingsLoadStatus::ConversionError);
  ASSERT_TRUE(load.Values.StatisticsAddress.empty());
  const SettingsLoad reload = ParseSettings(FormatSettings(load.Values, services), services);
  EXPECT_EQ(reload.Status, SettingsLoadStatus::Complete);
  EXPECT_EQ(reload.Values.StatisticsAddress, services.BuiltInStatisticsAddress());
  EXPECT_EQ(ReloadFault(Join(lines)), "");
}

// Random damage to a written file: changed, cut, doubled or dropped lines and bytes that matter to
// the reader. Every variant must keep the reload property.
TEST(SettingsReloadTest, DamagedFilesKeepTheReloadProperty) {
  static constexpr char kInteresting[] = {'\r', '\n', ' ', '+', '-', '0',    '1',    '2',    '9', 'R',
                                          'L',  'W',  'a', 'k', '#', '\xE8', '\xEB', '\x98', '\0'};
  std::mt19937 rng(20);
  const std::vector<std::string> written = WrittenLines();
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> lines = written;
    for (int edits = 1 + static_cast<int>(rng() % 4); edits > 0; --edits) {
      const std::size_t line = 1 + rng() % (lines.size() - 1);
      std::string& text = lines[line];
      switch (rng() % 5) {
        case 0:
          text.clear();
          break;
        case 1:
          text.insert(rng() % (text.size() + 1), 1, kInteresting[rng() % sizeof kInteresting]);
          break;
        case 2:
          if (!text.empty()) text[rng() % text.size()] = kInteresting[rng() % sizeof kInteresting];
          break;
        case 3:
          if (!text.empty()) text.resize(rng() % text.size());
          break;
        default:
          if (lines.size() > 2) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line));
          break;
      }
    }
    const std::string file = Join(lines);
    const std::string fault = ReloadFault(file);
    ASSERT_EQ(fault, "") << "round " << round << ", file:\n" << file;
  }
}

}  // namespace
}  // namespace tavlo
