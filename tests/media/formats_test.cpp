// The sound formats and lists read from outside: WAVE images, the play-list page, the station list
// and the radio's state file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "media/play_list.h"
#include "media/radio_state.h"
#include "media/station_list.h"
#include "media/wave_file.h"

namespace tavlo {
namespace {

TEST(WaveFileTest, RoundTripsAndRefusesDamagedImages) {
  const Pcm pcm{44100, 2, {0, 1, -1, 32767, -32768, 1234}};
  const std::string image = EncodeWave(pcm);
  ASSERT_EQ(image.size(), 44u + 12u);
  const std::optional<Pcm> back = DecodeWave(image);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->SampleRate, 44100);
  EXPECT_EQ(back->Channels, 2);
  EXPECT_EQ(back->Samples, pcm.Samples);

  struct Case {
    const char* what;
    std::string bytes;
  };
  std::string cut = image.substr(0, image.size() - 1);
  std::string eightBit = image;
  eightBit[34] = 8;  // bits per sample
  std::string hugeChunk = image;
  hugeChunk[40] = '\x7F';                                        // the data chunk claims more bytes than there are
  std::string oddFrames = EncodeWave(Pcm{22050, 2, {1, 2, 3}});  // half a stereo frame
  const Case cases[] = {{"empty", ""},
                        {"not RIFF", "RIFX" + image.substr(4)},
                        {"cut off", cut},
                        {"8-bit samples", eightBit},
                        {"oversized chunk", hugeChunk},
                        {"half a frame", oddFrames},
                        {"header only", image.substr(0, 12)}};
  for (const Case& c : cases) EXPECT_FALSE(DecodeWave(c.bytes)) << c.what;
}

TEST(PlayListTest, ReadsArtistsTitlesAndAddresses) {
  const PlayList list = ParsePlayList(
      "Anna_Kovacs~Morning_Dew.mp3\r\n"
      "NoArtistHere.mp3\n"
      "\n"
      "Duo~Two~Tildes.MP3\n"
      "Band~Live.mp3.remix\n"
      "Bad\x01Line~x.mp3\n"
      "Broken~\xC3.mp3\n"
      "Last~Song");
  ASSERT_EQ(list.Entries.size(), 5u);
  struct Expected {
    const char* artist;
    const char* song;
    const char* path;
  };
  const Expected expected[] = {
      {"Anna Kovacs", "Morning Dew", "/musik/Anna_Kovacs~Morning_Dew.mp3"},
      {"", "NoArtistHere", "/musik/NoArtistHere.mp3"},         // no "~": the whole line is the title
      {"Duo", "Two~Tildes.MP3", "/musik/Duo~Two~Tildes.MP3"},  // only the first "~" splits; ".mp3" is exact
      {"Band", "Live", "/musik/Band~Live.mp3.remix"},          // cut before ".mp3" wherever it occurs
      {"Last", "Song", "/musik/Last~Song"},                    // the last line needs no line end
  };
  for (std::size_t k = 0; k < 5; ++k) {
    EXPECT_EQ(list.Entries[k].Artist, expected[k].artist) << k;
    EXPECT_EQ(list.Entries[k].Song, expected[k].song) << k;
    EXPECT_EQ(list.Entries[k].Path, expected[k].path) << k;
  }
  EXPECT_TRUE(list.Create());
}

TEST(PlayListTest, PlayerIsOfferedOnlyForMoreThanFourSongsAndAtMostAThousandAreRead) {
  std::string page;
  for (int k = 0; k < 4; ++k) page += "A~S" + std::to_string(k) + ".mp3\n";
  EXPECT_FALSE(ParsePlayList(page).Create());
  EXPECT_TRUE(ParsePlayList(page + "A~S4.mp3").Create());
  EXPECT_FALSE(ParsePlayList("").Create());

  std::string big;
  for (int k = 0; k < 1200; ++k) big += "A~S" + std::to_string(k) + ".mp3\n";
  const PlayList list = ParsePlayList(big);
  ASSERT_EQ(list.Entries.size(), kMaxSongs);
  EXPECT_EQ(list.Entries.back().Song, "S999");
}

TEST(VolumeTest, StepsStayWithinTheirLimits) {
  struct Case {
    int volume, x, expected;
  };
  const Case playList[] = {{50, 40, 55}, {50, 35, 55},   {50, 34, 50}, {50, 26, 50},  {50, 25, 45}, {50, 1, 45},
                           {50, 0, 50},  {100, 60, 100}, {0, 10, 0},   {98, 50, 100}, {3, 10, 0}};
  for (const Case& c : playList)
    EXPECT_EQ(PlayListVolumeAfterClick(c.volume, c.x), c.expected) << c.volume << "@" << c.x;

  EXPECT_EQ(RadioVolumeStep(30, true), 40);
  EXPECT_EQ(RadioVolumeStep(100, true), 100);
  EXPECT_EQ(RadioVolumeStep(95, true), 100);
  EXPECT_EQ(RadioVolumeStep(0, false), 0);
  EXPECT_EQ(RadioVolumeStep(5, false), 0);
  EXPECT_EQ(RadioVolumeStep(30, false), 20);

  const std::pair<int, const char*> pictures[] = {
      {0, "RRADIO_VOLUME00"},  {1, "RRADIO_VOLUME01"},  {10, "RRADIO_VOLUME01"}, {11, "RRADIO_VOLUME02"},
      {90, "RRADIO_VOLUME09"}, {91, "RRADIO_VOLUME10"}, {100, "RRADIO_VOLUME10"}};
  for (const auto& [volume, name] : pictures) EXPECT_EQ(RadioVolumePicture(volume), name) << volume;
}

TEST(StationListTest, ReadsStationsByCountryAndKey) {
  const std::string list =
      "# comment line#with#hashes#and#fields\r\n"
      "RUS#AVTORAD#Avtoradio#Russian Federation#http://127.0.0.1:1/a#RRADIO_LOGO_AVTORADIO\r\n"
      "RUS#R\xE0\xE4\xE8\xEE"
      "01#\xD0\xE0\xE4\xE8\xEE 1#Russian Federation#http://127.0.0.1:1/b\r\n"
      "DE0#DLFUNKK#Deutschlandfunk#Deutschland#http://127.0.0.1:1/c#\r\n"
      "RUS#SHORT#Too short key#Russian Federation#http://x\r\n"
      "RUS#NOURL00#No address#Russian Federation#\r\n"
      "SK0#KBS1FM0#KBS 1FM#South Korea#http://127.0.0.1:1/d#LOGO_KBS\n";
  const std::vector<Station> stations = ParseStationList(list);
  ASSERT_EQ(stations.size(), 4u);
  EXPECT_EQ(stations[0].Logo, "RRADIO_LOGO_AVTORADIO");
  EXPECT_EQ(stations[1].Name, "Радио 1");  // Windows-1251 on disk, UTF-8 inside
  EXPECT_EQ(stations[1].Key, "Rадио01");
  EXPECT_EQ(stations[1].Logo, kDefaultStationLogo);  // no sixth field
  EXPECT_EQ(stations[2].Logo, kDefaultStationLogo);  // an empty sixth field

  const std::vector<Station> russian = StationsOfCountry(stations, 1);
  ASSERT_EQ(russian.size(), 2u);
  EXPECT_EQ(russian[0].Key, "AVTORAD");
  EXPECT_EQ(StationsOfCountry(stations, 17).size(), 1u);  // Deutschland
  EXPECT_EQ(StationsOfCountry(stations, 28).front().Key, "KBS1FM0");
  EXPECT_TRUE(StationsOfCountry(stations, 2).empty());  // Ukraine: no station
  EXPECT_TRUE(StationsOfCountry(stations, 0).empty());
  EXPECT_TRUE(StationsOfCountry(stations, 29).empty());

  ASSERT_TRUE(FindStation(stations, "DLFUNKK"));
  EXPECT_EQ(FindStation(stations, "DLFUNKK")->Url, "http://127.0.0.1:1/c");
  EXPECT_FALSE(FindStation(stations, "NOURL00"));
}

TEST(StationListTest, TheInstalledListIsReadableAndUsesKnownCountries) {
  const std::vector<Station> stations = ParseStationList(DefaultStationList());
  ASSERT_GE(stations.size(), 5u);
  for (const Station& s : stations) {
    bool known = false;
    for (const RadioCountry& c : RadioCountries()) known = known || c.Code == s.CountryCode;
    EXPECT_TRUE(known) << s.Key;
    EXPECT_EQ(s.Key.size(), 7u);
  }
  const RadioState defaults;
  const auto first = FindStation(stations, "AVTORAD");
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Name, defaults.Name);
  EXPECT_EQ(first->Url, defaults.Url);
}

TEST(RadioStateTest, ReadsOverTheDefaultsAndWritesSevenLines) {
  struct Case {
    const char* what;
    std::string text;
    RadioState expected;
  };
  RadioState full{"Радио", "http://127.0.0.1:9/s", "Ukraine", "LOGO_X", true, 70, 1};
  RadioState partial;
  partial.Name = "Only name";
  RadioState badNumbers = full;
  badNumbers.Volume = 30;
  badNumbers.KakStations = 0;
  const Case cases[] = {
      {"all seven", "\xD0\xE0\xE4\xE8\xEE\r\nhttp://127.0.0.1:9/s\r\nUkraine\r\nLOGO_X\r\n1\r\n70\r\n1\r\n", full},
      {"one line", "Only name\n", partial},
      {"empty", "", RadioState{}},
      {"volume and filter out of range",
       "\xD0\xE0\xE4\xE8\xEE\r\nhttp://127.0.0.1:9/s\r\nUkraine\r\nLOGO_X\r\n1\r\n170\r\n28\r\n", badNumbers},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseRadioState(c.text), c.expected) << c.what;

  EXPECT_EQ(FormatRadioState(full),
            "\xD0\xE0\xE4\xE8\xEE\r\nhttp://127.0.0.1:9/s\r\nUkraine\r\nLOGO_X\r\n1\r\n70\r\n1\r\n");
  RadioState noLogo = full;
  noLogo.Resurs.clear();
  EXPECT_EQ(ParseRadioState(FormatRadioState(noLogo)), RadioState{});  // the default station, off, 30, 0
}

TEST(RadioStateTest, FileSurvivesARoundTripAndAMissingFileGivesTheDefaults) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tavlo-radio-state-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  EXPECT_EQ(ReadRadioState(folder), RadioState{});
  const RadioState state{"Station", "http://127.0.0.1:5/x", "France", "LOGO", true, 0, 17};
  EXPECT_FALSE(WriteRadioState(folder, state));
  EXPECT_EQ(ReadRadioState(folder), state);
  EXPECT_TRUE(WriteRadioState(folder / "missing" / "deeper", state));  // reported, not ignored
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tavlo
