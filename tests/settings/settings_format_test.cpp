#include <gtest/gtest.h>

#include <functional>

#include "fake_services.h"

namespace tavlo {
namespace {

Settings LoadedDefaults(const ServiceConfiguration& services) {
  Settings settings = DefaultSettings();
  ApplyWorldDefaults(settings, services);
  return settings;
}

TEST(SettingsFormat, DefaultsMakeTheExact35Lines) {
  FakeServices services;
  const std::string expected =
      "<# General>\r\n"
      "011110141##010020000\r\n"
      "<# Cards>\r\n"
      "0\r\n"
      "<# Decks>\r\n"
      "000\r\n"
      "<# Individual>\r\n"
      "111###\r\n"
      "<# Fonts>\r\n"
      "Comic Sans MS\r\nComic Sans MS\r\nFixedSys\r\nCourier New\r\n"
      "100\r\n100\r\n100\r\n100\r\n"
      "<# IP & Port>\r\n"
      "127.0.0.1\r\n"
      "25666\r\n"
      "<# Background>\r\n"
      "020\r\n"
      "<# Name Of Player>\r\n"
      "Mr.X\r\n"
      "<# World Top Ten>\r\n"
      "built-in top ten\r\nIncognito\r\n1-001\r\nMoscow\r\nM\r\nbuilt-in statistics\r\n"
      "<# Save Games as GIF>\r\n"
      "\xEB\r\n"
      "1\r\n"
      "1000\r\n";
  EXPECT_EQ(FormatSettings(LoadedDefaults(services), services), expected);
}

TEST(SettingsFormat, FlagsAndPackedNumbersOfChangedSettings) {
  FakeServices services;
  Settings s = LoadedDefaults(services);
  s.LanguageIndex = 12;
  s.SoundOn = false;
  s.ClubListMode = 2;
  s.NetGame = true;
  s.FlySpeed = 6;
  s.WindowSizeMode = 5;
  s.StartCounted = false;
  s.VoteSent = false;
  s.RadioListFromServer = false;
  s.CaptionVariant = 7;
  s.DialogDesign = 3;
  s.MenuDesign = 1;
  s.SaluteCards = true;
  s.BackSet = 7;
  s.BackChange = 1;
  s.Rules = {.IgnoreFirstSix = false, .KoronkiMode = 2, .ShowCardsAtEnd = false};
  s.BackgroundNumber = 10;
  s.BackgroundColour = 3;
  s.PlayerName = "Пётр";
  s.SaveGamesAsGif = true;
  const std::string text = FormatSettings(s, services);
  EXPECT_NE(text.find("\r\nc31121165##1701#1001\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\n071\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n002###\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n103\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n\xCF\xB8\xF2\xF0\r\n"), std::string::npos);  // the name in Windows-1251
  EXPECT_NE(text.find("\r\n\xE8\r\n"), std::string::npos);
}

// Values the file cannot carry as they are: each still reads back as a complete file.
TEST(SettingsFormat, ValuesThatWouldBreakTheFileAreWrittenSafely) {
  FakeServices services;
  Settings s = LoadedDefaults(services);
  s.PlayerName = "two\r\nlines";
  s.WorldName = "";
  s.WorldCity = "";
  s.ServerPort = "";
  s.FontFace[2] = "X";
  s.FontFace[3] = "Ш";  // two bytes of UTF-8, one character in the file
  s.WorldCountry = "Ж-001";
  const SettingsLoad load = ParseSettings(FormatSettings(s, services), services);
  EXPECT_EQ(load.Status, SettingsLoadStatus::Complete) << load.Line;
  EXPECT_EQ(load.Values.PlayerName, "two  lines");
  EXPECT_EQ(load.Values.WorldName, kDefaultWorldName);
  EXPECT_EQ(load.Values.WorldCity, kDefaultWorldCity);
  EXPECT_EQ(load.Values.ServerPort, "25666");
  EXPECT_EQ(load.Values.FontFace[2], "FixedSys");
  EXPECT_EQ(load.Values.FontFace[3], "Courier New");
  EXPECT_EQ(load.Values.WorldCountry, kDefaultWorldCountry);
}

struct Change {
  const char* name;
  std::function<void(Settings&)> apply;
  friend void PrintTo(const Change& c, std::ostream* os) { *os << c.name; }
};

class SettingsRoundTrip : public testing::TestWithParam<Change> {};

TEST_P(SettingsRoundTrip, ReadsBackWhatWasWritten) {
  FakeServices services;
  Settings written = LoadedDefaults(services);
  GetParam().apply(written);
  const SettingsLoad load = ParseSettings(FormatSettings(written, services), services);
  EXPECT_EQ(load.Status, SettingsLoadStatus::Complete) << "stopped at line " << load.Line;
  EXPECT_EQ(load.Values, written);
  EXPECT_EQ(services.fetches, 1);
}

void ChangeEverything(Settings& s) {
  s.LanguageIndex = 7;
  s.SoundOn = false;
  s.MusicOn = true;
  s.GifAnimationOn = false;
  s.FlyCardsOn = false;
  s.ClubListMode = 2;
  s.NetGame = true;
  s.OwnCursor = false;
  s.FlySpeed = 1;
  s.WindowSizeMode = 3;
  s.StartCounted = false;
  s.VoteSent = false;
  s.RadioListFromServer = false;
  s.CaptionVariant = 5;
  s.NewButtons = true;
  s.DialogDesign = 2;
  s.MenuDesign = 1;
  s.TableDesign = 1;
  s.SaluteButtons = true;
  s.SaluteCards = true;
  s.DeckNumber = 31;
  s.BackSet = 11;
  s.BackChange = 1;
  s.Rules = {.IgnoreFirstSix = false, .KoronkiMode = 0, .ShowCardsAtEnd = false};
  s.FontFace = {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono", "Liberation Mono"};
  s.FontScale = {50, 75, 125, 150};
  s.ServerAddress = "192.168.1.20";
  s.ServerPort = "30000";
  s.BackgroundNumber = 9;
  s.BackgroundColour = 6;
  s.PlayerName = "Анна";
  s.WorldTopTenAddress = "another top ten";
  s.WorldName = "Анна К.";
  s.WorldCountry = "5-023";
  s.WorldCity = "Новосибирск";
  s.WorldSex = "W";
  s.StatisticsAddress = "another statistics";
  s.SaveGamesAsGif = true;
  s.GifArea = 2;
  s.GifDelay = 250;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsRoundTrip,
    testing::Values(Change{"Defaults", [](Settings&) {}}, Change{"Everything", ChangeEverything},
                    Change{"LastLanguage", [](Settings& s) { s.LanguageIndex = 9; }},
                    Change{"LanguageTwelveAsLetter", [](Settings& s) { s.LanguageIndex = 12; }},
                    Change{"LanguageTwenty", [](Settings& s) { s.LanguageIndex = 20; }},
                    Change{"SoundAndMusicOff", [](Settings& s) { s.SoundOn = s.MusicOn = false; }},
                    Change{"SoundOnly", [](Settings& s) { s.MusicOn = false; }},
                    Change{"MusicOnly", [](Settings& s) { s.SoundOn = false; }},
                    Change{"FastestFlight", [](Settings& s) { s.FlySpeed = 6; }},
                    Change{"FullScreen", [](Settings& s) { s.WindowSizeMode = 2; }},
                    Change{"DialogDesignConcise", [](Settings& s) { s.DialogDesign = 1; }},
                    Change{"DialogDesignRibbons", [](Settings& s) { s.DialogDesign = 2; }},
                    Change{"DialogDesignPurple", [](Settings& s) { s.DialogDesign = 3; }},
                    Change{"LastDeckAndBacks", [](Settings& s) { s.DeckNumber = 47, s.BackSet = 12; }},
                    Change{"KoronkiExpensive", [](Settings& s) { s.Rules.KoronkiMode = 2; }},
                    Change{"ExpertComputer", [](Settings& s) { s.ExpertComputer = true; }},
                    Change{"TurnMarkOff", [](Settings& s) { s.TurnMark = false; }},
                    Change{"DimmingOff", [](Settings& s) { s.DimUnplayable = false; }},
                    Change{"BothCuesOffWithExpert",
                           [](Settings& s) { s.TurnMark = s.DimUnplayable = false, s.ExpertComputer = true; }},
                    Change{"LargestBackground", [](Settings& s) { s.BackgroundNumber = 10, s.BackgroundColour = 3; }},
                    Change{"FirstBackgroundLastColour",
                           [](Settings& s) { s.BackgroundNumber = 1, s.BackgroundColour = 6; }},
                    Change{"CyrillicFontFace", [](Settings& s) { s.FontFace[0] = "Шрифт"; }},
                    Change{"LongestWorldValues",
                           [](Settings& s) { s.WorldName = "ABCDEFGHIJKL", s.WorldCity = "Санкт-Петербург"; }},
                    Change{"LastCountry", [](Settings& s) { s.WorldCountry = "6-054"; }},
                    Change{"GifDelayLimits", [](Settings& s) { s.GifDelay = 10; }},
                    Change{"GifDelayUpperLimit", [](Settings& s) { s.GifDelay = 5000; }}),
    [](const testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
