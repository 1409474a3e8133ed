// The built-in effects, the card names and the tune, as data: every one is there and sounds.
#include "media/effects.h"

#include <gtest/gtest.h>

#include <set>

#include "media/card_speech.h"
#include "media/midi_song.h"
#include "media/wave_file.h"

namespace tavlo {
namespace {

TEST(EffectsTest, EveryNamedEffectIsAudibleOfASensibleLengthAndSurvivesAsWave) {
  ASSERT_EQ(EffectNames().size(), 15u);
  for (std::string_view name : EffectNames()) {
    const std::optional<Pcm> pcm = SynthesiseEffect(name);
    ASSERT_TRUE(pcm) << name;
    EXPECT_EQ(pcm->SampleRate, 22050);
    EXPECT_GT(pcm->Seconds(), 0.02) << name;
    // The pacing effects hold up the game: they stay short.
    EXPECT_LT(pcm->Seconds(), EffectIsSynchronous(name) ? 0.35 : 2.0) << name;
    EXPECT_GT(PeakLevel(*pcm), 0.1) << name;
    EXPECT_LT(PeakLevel(*pcm), 0.99) << name << " clips";
    EXPECT_GT(RmsLevel(*pcm), 0.01) << name;
    // No click at the end: the last samples have faded out.
    EXPECT_LT(std::abs(pcm->Samples.back()), 400) << name;
    const std::optional<Pcm> decoded = DecodeWave(EncodeWave(*pcm));
    ASSERT_TRUE(decoded) << name;
    EXPECT_EQ(decoded->Samples, pcm->Samples) << name;
  }
  EXPECT_FALSE(SynthesiseEffect("WNothing"));
  EXPECT_TRUE(EffectIsSynchronous("WHodsDo"));
  EXPECT_TRUE(EffectIsSynchronous("WDing_1"));
  EXPECT_FALSE(EffectIsSynchronous("WWrongs"));
}

TEST(EffectsTest, EffectsDifferFromOneAnother) {
  std::set<std::vector<std::int16_t>> distinct;
  for (std::string_view name : EffectNames()) distinct.insert(SynthesiseEffect(name)->Samples);
  EXPECT_EQ(distinct.size(), EffectNames().size());
  // The same effect twice is the same sound (no unseeded noise).
  EXPECT_EQ(SynthesiseEffect("WTasoKo")->Samples, SynthesiseEffect("WTasoKo")->Samples);
}

TEST(CardSpeechTest, ResourceNamesAndSpokenNames) {
  struct Case {
    TCardCode card;
    int language;
    const char* resource;
    const char* spoken;
  };
  const Case cases[] = {
      {MakeCard(13, kHearts), 0, "Ch5AVoiceEng", "ace of hearts"},
      {MakeCard(1, kDiamonds), 1, "Bu02VoiceRus", "двойка бубен"},
      {MakeCard(9, kClubs), 2, "Kr10VoiceDeu", "Kreuz Zehn"},
      {MakeCard(10, kSpades), 3, "Pi2JVoiceFra", "valet de pique"},
      {MakeCard(11, kHearts), 4, "Ch3QVoiceSpa", "reina de corazones"},
      {MakeCard(12, kSpades), 5, "Pi4KVoiceChi", "hei1 tao2 guo2 wang2"},
      {MakeCard(13, kClubs), 6, "Kr5AVoiceIta", "asso di fiori"},
      {MakeCard(12, kDiamonds), 7, "Bu4KVoiceCze", "kárový král"},
      {MakeCard(13, kHearts), 7, "Ch5AVoiceCze", "srdcové eso"},
      {MakeCard(11, kSpades), 7, "Pi3QVoiceCze", "piková dáma"},
      {MakeCard(13, kSpades), 8, "Pi5AVoiceJap", "スペードのエース"},
      {MakeCard(2, kHearts), 9, "Ch03VoiceKor", "하트 삼"},
      {MakeCard(2, kHearts), 15, "Ch03VoiceEng", "three of hearts"},  // a language the program lacks: English
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VoiceResourceName(c.card, c.language), c.resource);
    EXPECT_EQ(SpokenCardName(c.card, c.language), c.spoken) << c.resource;
  }
  EXPECT_EQ(VoiceResourceName(kNoCard, 0), "");
  EXPECT_EQ(SpokenCardName(kNoCard, 0), "");

  // Every card has its own name in every language.
  for (int language = 0; language < 10; ++language) {
    std::set<std::string> names;
    for (int n = 1; n <= 52; ++n) names.insert(SpokenCardName(CardFromNumber(n), language));
    EXPECT_EQ(names.size(), 52u) << language;
  }
}

TEST(MidiSongTest, IsAWellFormedStandardMidiFile) {
  const std::string song = MidiSong();
  ASSERT_GT(song.size(), 22u);
  EXPECT_EQ(song.substr(0, 4), "MThd");
  EXPECT_EQ(song.substr(14, 4), "MTrk");
  const auto length = (static_cast<unsigned char>(song[18]) << 24) | (static_cast<unsigned char>(song[19]) << 16) |
                      (static_cast<unsigned char>(song[20]) << 8) | static_cast<unsigned char>(song[21]);
  EXPECT_EQ(static_cast<std::size_t>(length), song.size() - 22);
  EXPECT_EQ(song.substr(song.size() - 3), std::string("\xFF\x2F\x00", 3));  // end of track
}

}  // namespace
}  // namespace tavlo
