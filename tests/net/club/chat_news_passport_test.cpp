#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "net/club/chat_news_files.h"
#include "net/club/world_passport.h"

namespace tavlo {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class ChatNewsFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tavlo-chat-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST(Passport, NickAndCityBothJudgeValid) {
  const struct {
    const char* nick;
    const char* city;
    bool valid;
  } cases[] = {
      {"Ab", "Oslo", true},
      {"A", "Oslo", false},                        // one character
      {"Иван", "Москва", true},                    // Cyrillic in both
      {"a b", "Oslo", false},                      // a space
      {"Ab", "Abcdefghijklmnop", false},           // a city of 16
      {"Ab", "Abcdefghijklmno", true},             // 15 is the limit
      {"Abcdefghijklm", "Oslo", false},            // a nick of 13
      {"Ab", "", false},                           // empty
      {"Nick!@(),-._9", "Oslo", false},            // allowed signs but 13 long
      {"N!@(),-._9", "Oslo", true},                // allowed signs
      {"Ab", "Zürich", false},                     // not in the code page's letters
      {"Ab", "Köln", false},
  };
  for (const auto& c : cases) EXPECT_EQ(PassportValid(c.nick, c.city), c.valid) << c.nick << " / " << c.city;
}

TEST(Passport, RegionResetsTheCountryAndCountryKeepsTheRegion) {
  EXPECT_EQ(CountryCodeWithRegion("1-001", 3), "3-000");
  EXPECT_EQ(CountryCodeWithRegion("6-054", 6), "6-000");
  EXPECT_EQ(CountryCodeWithRegion("garbage", 2), "2-000");
  EXPECT_EQ(CountryCodeWithRegion("1-001", 9), "1-000");  // no such region
  EXPECT_EQ(CountryCodeWithCountry("3-000", 34), "3-034");
  EXPECT_EQ(CountryCodeWithCountry("4-002", 14), "4-014");
  EXPECT_EQ(CountryCodeWithCountry("4-002", 15), "4-000");  // past South America's list
  EXPECT_EQ(CountryCodeWithCountry("4-002", -1), "4-000");
  EXPECT_EQ(CountryCodeWithCountry("x", 5), "1-005");
}

TEST(Passport, BonusForTheAccountTablePlaces) {
  const struct {
    std::int64_t place;
    int zans;
  } cases[] = {{1, 25}, {2, 10}, {10, 10}, {11, 0}, {0, 0}, {-1, 0}};
  for (const auto& c : cases) EXPECT_EQ(WorldTopTenBonus(c.place), c.zans) << c.place;
}

TEST(ChatText, SpacesAndForeignSignsTravelAsUnderscoresAndShowAsSpaces) {
  const struct {
    const char* typed;
    const char* wire;
    const char* shown;
  } cases[] = {
      {"hello world", "hello_world", "hello world"},
      {"Привет, мир!", "Привет,_мир!", "Привет, мир!"},
      {"a$b*c~d", "a_b_c_d", "a b c d"},  // the answer's separators never reach the service
      {"tab\there", "tab_here", "tab here"},
      {"€uro", "_uro", " uro"},  // in the code page but not a letter
      {"日本", "__", "  "},      // outside the code page: one mark a character
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChatWireText(c.typed), c.wire) << c.typed;
    EXPECT_EQ(ChatShownText(ChatWireText(c.typed)), c.shown) << c.typed;
  }
  EXPECT_EQ(ChatStamp(7, 5, 9, 3, 12, 2026, "Tavlo card game"), "07:05:09_03.12.2026_Tavlo_card_game");
}

TEST(ChatText, NewestNumberIsTheFirstRowsScore) {
  TenRows<TZanRecord> rows;
  EXPECT_EQ(NewestChatNumber(rows), 0);
  rows[1].Nick = "Ann";
  rows[1].Score = 41;
  rows[2].Nick = "Bob";
  rows[2].Score = 40;
  EXPECT_EQ(NewestChatNumber(rows), 41);
}

TEST(ChatFile, LinesAreReadLeniently) {
  const struct {
    const char* text;
    ChatState state;
  } cases[] = {
      {"1\r\n0\r\n0\r\n", {1, false, false}},
      {"57\r\n1\r\n1\r\n", {57, true, true}},
      {"57\n1\n0", {57, true, false}},         // LF only, no last line end
      {"12", {12, false, false}},              // flags missing
      {"x\r\n1\r\n1\r\n", {0, true, true}},    // a bad number counts as 0
      {"-5\r\n2\r\n1\r\n", {0, false, true}},  // negative; a flag other than 1 is off
      {" 8 \r\n1\r\n", {8, true, false}},
      {"", {0, false, false}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseChatState(c.text), c.state) << c.text;
}

TEST_F(ChatNewsFiles, MissingChatFileIsCreatedWithOneZeroZero) {
  const ChatState state = LoadChatState(folder_);
  EXPECT_EQ(state, (ChatState{1, false, false}));
  EXPECT_EQ(ReadAll(folder_ / kChatFileName), "1\r\n0\r\n0\r\n");
}

TEST_F(ChatNewsFiles, ChatFileSurvivesARoundTripAndAnUnreadableOneIsRewritten) {
  ASSERT_FALSE(SaveChatState(folder_, {1234, true, false}));
  EXPECT_EQ(LoadChatState(folder_), (ChatState{1234, true, false}));

  WriteAll(folder_ / kChatFileName, std::string(10000, '7'));  // not ours
  EXPECT_EQ(LoadChatState(folder_), (ChatState{0, false, false}));
  EXPECT_EQ(ReadAll(folder_ / kChatFileName), "0\r\n0\r\n0\r\n");
}

TEST_F(ChatNewsFiles, NewsNumberIsZeroWhenMissingOrUnreadable) {
  EXPECT_EQ(LoadNewsNumber(folder_), 0);
  ASSERT_FALSE(SaveNewsNumber(folder_, 17));
  EXPECT_EQ(ReadAll(folder_ / kNewsFileName), "17\r\n");
  EXPECT_EQ(LoadNewsNumber(folder_), 17);
  const struct {
    const char* text;
    std::int64_t number;
  } cases[] = {{"5", 5}, {"5\r\nmore", 5}, {"five", 0}, {"", 0}, {"99999999999999999999999", 0}};
  for (const auto& c : cases) EXPECT_EQ(ParseNewsFile(c.text), c.number) << c.text;
}

}  // namespace
}  // namespace tavlo
