#include <gtest/gtest.h>

#include <cstdlib>

#include <fstream>
#include <random>
#include <sstream>

#include "fake_services.h"

namespace tavlo {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    // A folder of its own: other runs of the suite may use the same temporary folder at once.
    std::string pattern = (fs::temp_directory_path() / "tavlo_settings_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    path_ = SettingsPath(ProgramPaths{folder_, folder_});
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Write(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string Read() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path folder_;
  fs::path path_;
  FakeServices services_;
};

TEST_F(SettingsFileTest, PathIsInTheProgramFolder) {
  EXPECT_EQ(SettingsPath(ProgramPaths{"/p", "/p/game"}), fs::path("/p/game/Tavlo.ini"));
}

TEST_F(SettingsFileTest, SavedSettingsLoadBack) {
  Settings settings = DefaultSettings();
  ApplyWorldDefaults(settings, services_);
  settings.LanguageIndex = kRussian;
  settings.PlayerName = "Игрок";
  settings.Rules.KoronkiMode = 2;
  ASSERT_EQ(SaveSettings(settings, path_, services_, false), SettingsSaveResult::Saved);
  EXPECT_EQ(Read(), FormatSettings(settings, services_));

  const SettingsLoad load = LoadSettings(path_, services_);
  EXPECT_EQ(load.Status, SettingsLoadStatus::Complete);
  EXPECT_EQ(load.Values, settings);
  EXPECT_EQ(GameRules(load.Values).KoronkiMode, 2);
}

TEST_F(SettingsFileTest, NothingIsWrittenAfterAFailedClubCheck) {
  Write("old");
  EXPECT_EQ(SaveSettings(DefaultSettings(), path_, services_, true), SettingsSaveResult::NotWritten);
  EXPECT_EQ(Read(), "old");
}

TEST_F(SettingsFileTest, FailedSaveIsReportedAndLeavesNoFile) {
  fs::remove_all(folder_);
  EXPECT_EQ(SaveSettings(DefaultSettings(), path_, services_, false), SettingsSaveResult::Failed);
  EXPECT_FALSE(fs::exists(folder_));
}

TEST_F(SettingsFileTest, FailedSaveKeepsWhatStoodThere) {
  // A folder in the file's place cannot be replaced: the save fails after writing its temporary file.
  fs::create_directory(path_);
  EXPECT_EQ(SaveSettings(DefaultSettings(), path_, services_, false), SettingsSaveResult::Failed);
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

std::string RandomBytes(std::size_t size) {
  std::mt19937 random(7);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
  return bytes;
}

struct BadFile {
  const char* name;
  std::optional<std::string> contents;  // nullopt: no file at all
  friend void PrintTo(const BadFile& f, std::ostream* os) { *os << f.name; }
};

class SettingsBadFiles : public testing::TestWithParam<BadFile> {};

TEST_P(SettingsBadFiles, GiveDefaultsWithoutFetchingTheConfiguration) {
  std::string pattern = (fs::temp_directory_path() / "tavlo_bad_settings_XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const fs::path folder = pattern;
  const fs::path path = folder / "Tavlo.ini";
  if (GetParam().contents) std::ofstream(path, std::ios::binary) << *GetParam().contents;
  FakeServices services;
  const SettingsLoad load = LoadSettings(path, services);
  fs::remove_all(folder);
  EXPECT_EQ(load.Status, SettingsLoadStatus::Defaults);
  EXPECT_EQ(load.Values, DefaultSettings());
  EXPECT_TRUE(load.Values.WorldTopTenAddress.empty() && load.Values.WorldCountry.empty());
  EXPECT_EQ(services.fetches, 0);
}

std::string Truncated() {
  FakeServices services;
  const std::string full = FormatSettings(DefaultSettings(), services);
  return full.substr(0, full.find("<# Name Of Player>"));
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsBadFiles,
                         testing::Values(BadFile{"Missing", std::nullopt}, BadFile{"Empty", ""},
                                         BadFile{"Truncated", Truncated()}, BadFile{"Garbage", RandomBytes(4096)},
                                         BadFile{"OneLongLine", std::string(3 << 20, 'x')}),
                         [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
