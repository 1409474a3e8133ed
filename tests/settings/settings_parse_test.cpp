#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "fake_services.h"

namespace tavlo {
namespace {

// A file with a non-default value on every line, so that a test sees which lines were used.
Settings Written(const ServiceConfiguration& services) {
  Settings s = DefaultSettings();
  ApplyWorldDefaults(s, services);
  s.LanguageIndex = 3;
  s.NetGame = true;
  s.CaptionVariant = 4;
  s.NewButtons = true;
  s.SaluteCards = true;
  s.DeckNumber = 12;
  s.BackSet = 5;
  s.Rules = {.IgnoreFirstSix = false, .KoronkiMode = 2, .ShowCardsAtEnd = false};
  s.FontFace = {"Decor", "Serif", "Fixed", "Conew"};
  s.FontScale = {90, 110, 120, 130};
  s.ServerAddress = "10.0.0.5";
  s.ServerPort = "26000";
  s.BackgroundNumber = 7;
  s.BackgroundColour = 4;
  s.PlayerName = "Вера";
  s.WorldTopTenAddress = "top ten";
  s.WorldName = "Vera";
  s.WorldCountry = "2-017";
  s.WorldCity = "Riga";
  s.WorldSex = "W";
  s.StatisticsAddress = "statistics";
  s.SaveGamesAsGif = true;
  s.GifArea = 2;
  s.GifDelay = 300;
  return s;
}

// Lines 1..35 of a file; index 0 is unused so that indexes are line numbers.
using Lines = std::vector<std::string>;

Lines SplitWritten(const std::string& text) {
  Lines lines{""};
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string Join(const Lines& lines, const char* end = "\r\n") {
  std::string text;
  for (std::size_t i = 1; i < lines.size(); ++i) text += lines[i] + end;
  return text;
}

struct EdgeCase {
  const char* name;
  std::function<void(Lines&)> edit;
  SettingsLoadStatus status;
  int line;
  std::function<void(const Settings& read, const Settings& written, const Settings& defaults)> check;
  int fetches = 0;
  friend void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsEdgeCases : public testing::TestWithParam<EdgeCase> {};

TEST_P(SettingsEdgeCases, ReadAsFarAsTheRulesAllow) {
  FakeServices services;
  const Settings written = Written(services);
  Lines lines = SplitWritten(FormatSettings(written, services));
  ASSERT_EQ(lines.size(), 36u);
  GetParam().edit(lines);
  const SettingsLoad load = ParseSettings(Join(lines), services);
  EXPECT_EQ(load.Status, GetParam().status);
  EXPECT_EQ(load.Line, GetParam().line);
  EXPECT_EQ(services.fetches, GetParam().fetches);
  Settings worldDefaults = DefaultSettings();
  ApplyWorldDefaults(worldDefaults, services);
  GetParam().check(load.Values, written, worldDefaults);
}

using Status = SettingsLoadStatus;

INSTANTIATE_TEST_SUITE_P(
    File, SettingsEdgeCases,
    testing::Values(
        EdgeCase{"LineSixOfTwoCharactersKeepsTheRestAtDefaults", [](Lines& l) { l[6] = "05"; }, Status::Stopped, 6,
                 [](const Settings& read, const Settings& written, const Settings&) {
                   Settings expected = DefaultSettings();
                   expected.LanguageIndex = written.LanguageIndex;
                   expected.NetGame = written.NetGame;
                   expected.CaptionVariant = written.CaptionVariant;
                   expected.NewButtons = written.NewButtons;
                   expected.SaluteCards = written.SaluteCards;
                   expected.DeckNumber = written.DeckNumber;
                   EXPECT_EQ(read, expected);
                   EXPECT_TRUE(read.WorldName.empty());
                 }},
        EdgeCase{"CountryOutOfItsContinentIsRejectedButReadingGoesOn", [](Lines& l) { l[28] = "3-036"; },
                 Status::Complete, 0,
                 [](const Settings& read, const Settings& written, const Settings&) {
                   Settings expected = written;
                   expected.WorldCountry = kDefaultWorldCountry;
                   EXPECT_EQ(read, expected);
                 },
                 1},
        EdgeCase{"LastCountryOfItsContinentIsTaken", [](Lines& l) { l[28] = "3-035"; }, Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) { EXPECT_EQ(read.WorldCountry, "3-035"); },
                 1},
        EdgeCase{"CountryOfFourCharactersStopsReading", [](Lines& l) { l[28] = "1-01"; }, Status::Stopped, 28,
                 [](const Settings& read, const Settings& written, const Settings& world) {
                   EXPECT_EQ(read.WorldName, written.WorldName);
                   EXPECT_EQ(read.WorldCountry, world.WorldCountry);
                   EXPECT_EQ(read.WorldCity, world.WorldCity);
                   EXPECT_EQ(read.WorldSex, world.WorldSex);
                   EXPECT_EQ(read.StatisticsAddress, world.StatisticsAddress);
                   EXPECT_EQ(read.SaveGamesAsGif, world.SaveGamesAsGif);
                   EXPECT_EQ(read.GifDelay, world.GifDelay);
                 }},
        EdgeCase{"NumberThatDoesNotConvertEndsLoadingKeepingEarlierValues", [](Lines& l) { l[34] = "two"; },
                 Status::ConversionError, 34,
                 [](const Settings& read, const Settings& written, const Settings& world) {
                   EXPECT_EQ(read.WorldCity, written.WorldCity);
                   EXPECT_EQ(read.SaveGamesAsGif, written.SaveGamesAsGif);
                   EXPECT_EQ(read.GifArea, world.GifArea);
                   EXPECT_EQ(read.GifDelay, world.GifDelay);
                 }},
        EdgeCase{"DeckNumberThatDoesNotConvert", [](Lines& l) { l[4] = "12a"; }, Status::ConversionError, 4,
                 [](const Settings& read, const Settings& written, const Settings&) {
                   EXPECT_EQ(read.LanguageIndex, written.LanguageIndex);
                   EXPECT_EQ(read.DeckNumber, 0);
                   EXPECT_EQ(read.BackSet, 0);
                 }},
        EdgeCase{"CaptionDigitThatDoesNotConvert", [](Lines& l) { l[2][12] = 'x'; }, Status::ConversionError, 2,
                 [](const Settings& read, const Settings&, const Settings&) {
                   EXPECT_TRUE(read.NetGame);          // position 5, before the error
                   EXPECT_EQ(read.CaptionVariant, 1);  // position 12
                   EXPECT_FALSE(read.NewButtons);      // position 13, after it
                   EXPECT_EQ(read.DeckNumber, 0);
                 }},
        EdgeCase{"BackgroundWithoutColour", [](Lines& l) { l[22] = "10"; }, Status::ConversionError, 22,
                 [](const Settings& read, const Settings&, const Settings&) {
                   EXPECT_EQ(read.BackgroundNumber, 10);
                   EXPECT_EQ(read.BackgroundColour, 0);
                   EXPECT_EQ(read.PlayerName, "Mr.X");
                 }},
        EdgeCase{"BackgroundTwoColourZero", [](Lines& l) { l[22] = "020"; }, Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) {
                   EXPECT_EQ(read.BackgroundNumber, 2);
                   EXPECT_EQ(read.BackgroundColour, 0);
                 },
                 1},
        EdgeCase{"LanguageLetterC", [](Lines& l) { l[2][0] = 'c'; }, Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) { EXPECT_EQ(read.LanguageIndex, 12); }, 1},
        EdgeCase{"LanguageBeyondKLeavesEnglish", [](Lines& l) { l[2][0] = 'l'; }, Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) { EXPECT_EQ(read.LanguageIndex, 0); }, 1},
        EdgeCase{"ShortGeneralFlagsUseWhatTheyHold", [](Lines& l) { l[2] = "5"; }, Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) {
                   EXPECT_EQ(read.LanguageIndex, 5);
                   EXPECT_FALSE(read.NetGame);
                   EXPECT_EQ(read.CaptionVariant, 1);
                   EXPECT_FALSE(read.StartCounted) << "a start not on record has not been counted";
                 },
                 1},
        EdgeCase{"ShortGameFlagsUseWhatTheyHold", [](Lines& l) { l[8] = "0"; }, Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) {
                   EXPECT_FALSE(read.Rules.ShowCardsAtEnd);
                   EXPECT_TRUE(read.Rules.IgnoreFirstSix);
                   EXPECT_EQ(read.Rules.KoronkiMode, 1);
                   EXPECT_FALSE(read.ExpertComputer);
                 },
                 1},
        EdgeCase{"ExpertComputerOnlyForAOneInPositionThree", [](Lines& l) { l[8] = "1121##"; }, Status::Complete,
                 0,
                 [](const Settings& read, const Settings&, const Settings&) {
                   EXPECT_TRUE(read.ExpertComputer);
                   EXPECT_EQ(read.Rules.KoronkiMode, 2);
                 },
                 1},
        EdgeCase{"GameFlagsWithoutTheCuesLeaveThemOn", [](Lines& l) { l[8] = "111"; }, Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) {
                   EXPECT_TRUE(read.TurnMark);
                   EXPECT_TRUE(read.DimUnplayable);
                 },
                 1},
        EdgeCase{"OnlyAZeroTurnsACueOff", [](Lines& l) { l[8] = "111#0X"; }, Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) {
                   EXPECT_FALSE(read.TurnMark);
                   EXPECT_TRUE(read.DimUnplayable);
                   EXPECT_FALSE(read.ExpertComputer);
                 },
                 1},
        EdgeCase{"DimmingOffAlone", [](Lines& l) { l[8] = "111##0"; }, Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) {
                   EXPECT_TRUE(read.TurnMark);
                   EXPECT_FALSE(read.DimUnplayable);
                 },
                 1},
        EdgeCase{"AnythingElseInPositionThreeIsTheStandardPlayer", [](Lines& l) { l[8] = "112E##"; },
                 Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) { EXPECT_FALSE(read.ExpertComputer); },
                 1},
        EdgeCase{"FontFaceOfOneCharacterStops", [](Lines& l) { l[11] = "X"; }, Status::Stopped, 11,
                 [](const Settings& read, const Settings& written, const Settings& defaults) {
                   EXPECT_EQ(read.FontFace[0], written.FontFace[0]);
                   EXPECT_EQ(read.FontFace[1], defaults.FontFace[1]);
                   EXPECT_EQ(read.FontScale, defaults.FontScale);
                 }},
        EdgeCase{"EmptyPlayerNameStopsBeforeTheWorldValues", [](Lines& l) { l[24] = ""; }, Status::Stopped, 24,
                 [](const Settings& read, const Settings& written, const Settings&) {
                   EXPECT_EQ(read.BackgroundNumber, written.BackgroundNumber);
                   EXPECT_EQ(read.PlayerName, "Mr.X");
                   EXPECT_TRUE(read.WorldTopTenAddress.empty());
                   EXPECT_TRUE(read.WorldCity.empty());
                 }},
        EdgeCase{"LongWorldNameAndCityAreCut",
                 [](Lines& l) {
                   l[27] = "ABCDEFGHIJKLMNOP", l[29] = "\xD1\xE0\xED\xEA\xF2-\xCF\xE5\xF2\xE5\xF0\xE1\xF3\xF0\xE3\xE0";
                 },
                 Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) {
                   EXPECT_EQ(read.WorldName, "ABCDEFGHIJKL");
                   EXPECT_EQ(read.WorldCity, "Санкт-Петербург");
                 },
                 1},
        EdgeCase{"UnknownSexBecomesM", [](Lines& l) { l[30] = "X"; }, Status::Complete, 0,
                 [](const Settings& read, const Settings&, const Settings&) { EXPECT_EQ(read.WorldSex, "M"); }, 1},
        EdgeCase{"OutOfRangeNumbersAreIgnored", [](Lines& l) { l[4] = "99", l[14] = "400", l[35] = "0"; },
                 Status::Complete, 0,
                 [](const Settings& read, const Settings& written, const Settings& defaults) {
                   EXPECT_EQ(read.DeckNumber, defaults.DeckNumber);
                   EXPECT_EQ(read.FontScale[0], defaults.FontScale[0]);
                   EXPECT_EQ(read.FontScale[1], written.FontScale[1]);
                   EXPECT_EQ(read.GifDelay, defaults.GifDelay);
                 },
                 1},
        EdgeCase{"ThirtyFourLinesGiveDefaults", [](Lines& l) { l.pop_back(); }, Status::Defaults, 0,
                 [](const Settings& read, const Settings&, const Settings&) { EXPECT_EQ(read, DefaultSettings()); }},
        EdgeCase{"LinesAfterTheLastAreIgnored", [](Lines& l) { l.push_back("junk"), l.push_back(""); },
                 Status::Complete, 0,
                 [](const Settings& read, const Settings& written, const Settings&) { EXPECT_EQ(read, written); }, 1}),
    [](const testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

TEST(SettingsParse, HandEditedFileWithLineFeedsOnly) {
  FakeServices services;
  const Settings written = Written(services);
  const std::string text = Join(SplitWritten(FormatSettings(written, services)), "\n");
  const SettingsLoad load = ParseSettings(text, services);
  EXPECT_EQ(load.Status, SettingsLoadStatus::Complete);
  EXPECT_EQ(load.Values, written);
}

// Without a club both addresses are empty; the file marks them "#" so that the passport and the
// GIF settings after them are still read.
TEST(SettingsParse, NoClubAddressKeepsTheValuesAfterIt) {
  NoServiceConfiguration services;
  Settings written = Written(services);
  written.WorldTopTenAddress.clear();
  written.StatisticsAddress.clear();
  const std::string file = FormatSettings(written, services);
  EXPECT_NE(file.find("\r\n#\r\nVera\r\n"), std::string::npos);
  const SettingsLoad load = ParseSettings(file, services);
  EXPECT_EQ(load.Status, SettingsLoadStatus::Complete) << "stopped at line " << load.Line;
  EXPECT_EQ(load.Values, written);
}

TEST(SettingsParse, ServiceConfigurationIsFetchedLastAndMayReplaceAddresses) {
  FakeServices services;
  services.fetchedStatisticsAddress = "from the service";
  const SettingsLoad load = ParseSettings(FormatSettings(Written(services), services), services);
  EXPECT_EQ(load.Values.StatisticsAddress, "from the service");
  EXPECT_EQ(services.fetches, 1);
}

// Whatever a damaged file holds, every setting stays inside the range its users index with.
TEST(SettingsParse, RandomLinesNeverLeaveARange) {
  FakeServices services;
  std::mt19937 random(20221018);
  const std::string alphabet = "0123456789abcdefghijklmnopqrstuvwxyz#<> -,\xE8\xEB\xFF";
  for (int file = 0; file < 2000; ++file) {
    Lines lines{""};
    for (int line = 1; line <= 35; ++line) {
      std::string text(std::uniform_int_distribution<int>(0, 24)(random), ' ');
      for (char& c : text) c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
      lines.push_back(text);
    }
    const Settings s = ParseSettings(Join(lines), services).Values;
    ASSERT_TRUE(s.LanguageIndex >= 0 && s.LanguageIndex <= 20);
    ASSERT_TRUE(s.ClubListMode == 1 || s.ClubListMode == 2);
    ASSERT_TRUE(s.FlySpeed >= 1 && s.FlySpeed <= 6);
    ASSERT_TRUE(s.WindowSizeMode >= 1 && s.WindowSizeMode <= 5);
    ASSERT_TRUE(s.CaptionVariant >= 1 && s.CaptionVariant <= 7);
    ASSERT_TRUE(s.DialogDesign >= 0 && s.DialogDesign <= 3);
    ASSERT_TRUE(s.MenuDesign >= 0 && s.MenuDesign <= 1 && s.TableDesign >= 0 && s.TableDesign <= 1);
    ASSERT_TRUE(s.DeckNumber >= 0 && s.DeckNumber <= 47);
    ASSERT_TRUE(s.BackSet >= 0 && s.BackSet <= 12);
    ASSERT_TRUE(s.Rules.KoronkiMode >= 0 && s.Rules.KoronkiMode <= 2);
    for (int scale : s.FontScale) ASSERT_TRUE(scale >= 50 && scale <= 150);
    ASSERT_TRUE(s.BackgroundNumber >= 1 && s.BackgroundNumber <= 10);
    ASSERT_TRUE(s.BackgroundColour >= 0 && s.BackgroundColour <= 6);
    ASSERT_TRUE(s.WorldName.size() <= 12 * 2 && s.WorldCity.size() <= 15 * 2);  // UTF-8 of 1251 letters
    ASSERT_TRUE(s.WorldCountry.empty() || IsValidWorldCountry(s.WorldCountry));
    ASSERT_TRUE(s.GifArea == 1 || s.GifArea == 2);
    ASSERT_TRUE(s.GifDelay >= 10 && s.GifDelay <= 5000);
  }
}

TEST(WorldCountry, FormAndContinentRanges) {
  for (const char* valid : {"1-000", "1-048", "2-051", "3-035", "4-014", "5-023", "6-054"}) {
    EXPECT_TRUE(IsValidWorldCountry(valid)) << valid;
  }
  for (const char* invalid : {"1-049", "2-052", "3-036", "4-015", "5-024", "6-055", "0-001", "7-001", "1-01", "1-0010",
                              "1+001", "a-001", "1-0a1", ""}) {
    EXPECT_FALSE(IsValidWorldCountry(invalid)) << invalid;
  }
}

}  // namespace
}  // namespace tavlo
