// Effects, spoken card names and the menu tune through an output that plays nothing.
#include "media/sound_system.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <set>

#include "media/effects.h"
#include "media/midi_song.h"
#include "media_doubles.h"

namespace tavlo::testing {
namespace {

std::filesystem::path PathOf(const QTemporaryDir& dir) { return dir.path().toStdString(); }

TEST(SoundSystemTest, EveryEffectIsPlayedFromMemoryOnTheEffectsChannel) {
  QTemporaryDir temp;
  RecordingOutput output;
  SoundSystem sounds(output, PathOf(temp), [] { return false; });
  for (std::string_view name : EffectNames()) {
    sounds.Play(name);
    ASSERT_FALSE(output.played.empty()) << name;
    const RecordingOutput::Played& last = output.played.back();
    EXPECT_EQ(last.Channel, AudioChannel::Effects) << name;
    EXPECT_FALSE(last.Loop) << name;
    // Synthesised once and kept: the second play gives the same sound in memory.
    EXPECT_EQ(last.Sound, sounds.Effect(name)) << name;
  }
  const std::size_t count = output.played.size();
  sounds.Play("NoSuchSound");
  EXPECT_EQ(output.played.size(), count);
}

TEST(SoundSystemTest, EveryCardIsSpokenInEveryLanguage) {
  QTemporaryDir temp;
  RecordingOutput output;
  SoundSystem sounds(output, PathOf(temp), [] { return false; });
  for (int language = 0; language < 10; ++language) {
    std::set<const Pcm*> distinct;
    for (int n = 1; n <= 52; ++n) {
      const TCardCode card = CardFromNumber(n);
      ASSERT_TRUE(sounds.SayCard(card, language)) << CardLabel(card) << " in language " << language;
      const std::shared_ptr<const Pcm>& spoken = output.played.back().Sound;
      EXPECT_EQ(output.played.back().Channel, AudioChannel::Effects);
      // A card name takes between a third of a second and a few seconds to say.
      EXPECT_GT(spoken->Seconds(), 0.3) << CardLabel(card) << " in language " << language;
      EXPECT_LT(spoken->Seconds(), 4.0) << CardLabel(card) << " in language " << language;
      EXPECT_GT(RmsLevel(*spoken), 0.01) << CardLabel(card) << " in language " << language;
      distinct.insert(spoken.get());
      // Said in the language's own voice, not spelt out by another one.
      const std::string phonemes = sounds.Voice().Phonemes(card, language);
      EXPECT_FALSE(phonemes.empty());
      if (language != 0) EXPECT_EQ(phonemes.find("(en)"), std::string::npos) << phonemes << " in language " << language;
    }
    EXPECT_EQ(distinct.size(), 52u) << language;
  }
  EXPECT_FALSE(sounds.SayCard(kNoCard, 0));
  // The second time a card is asked for, the kept sound is played again.
  sounds.SayCard(CardFromNumber(1), 0);
  const auto first = output.played.back().Sound;
  sounds.SayCard(CardFromNumber(1), 0);
  EXPECT_EQ(output.played.back().Sound, first);
}

TEST(MidiMusicTest, TheTuneIsWrittenOnceRenderedThroughFluidSynthAndLooped) {
  QTemporaryDir temp;
  MidiMusic music(PathOf(temp));
  EXPECT_EQ(music.File().filename(), "temp59_25.mid");
  ASSERT_TRUE(music.Prepare());
  std::ifstream in(music.File(), std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(written, MidiSong());

  const std::shared_ptr<const Pcm> tune = music.Rendered();
  ASSERT_TRUE(tune) << "FluidSynth or the General MIDI soundfont is missing";
  EXPECT_EQ(tune->Channels, 2);
  EXPECT_GT(tune->Seconds(), 35.0);
  EXPECT_LT(tune->Seconds(), 60.0);
  EXPECT_GT(RmsLevel(*tune), 0.01);
  EXPECT_EQ(music.Rendered(), tune);  // rendered once

  // A later start finds the file and leaves it as it is.
  {
    std::ofstream out(music.File(), std::ios::binary | std::ios::trunc);
    out << "kept";
  }
  MidiMusic again(PathOf(temp));
  ASSERT_TRUE(again.Prepare());
  std::ifstream kept(again.File(), std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>()), "kept");
  EXPECT_FALSE(again.Rendered());  // not a MIDI file: no tune, and no crash

  // A temporary folder that cannot be written to.
  MidiMusic nowhere(PathOf(temp) / "missing" / "folder");
  EXPECT_FALSE(nowhere.Prepare());
  EXPECT_FALSE(nowhere.Rendered());
}

TEST(MidiMusicTest, TheMusicTimerStartsTheTuneWhenWantedAndStopsItOtherwise) {
  QTemporaryDir temp;
  RecordingOutput output;
  bool wanted = true;
  SoundSystem sounds(output, PathOf(temp), [&wanted] { return wanted; });
  ASSERT_TRUE(sounds.PrepareMidi());
  ASSERT_EQ(output.played.size(), 1u);
  EXPECT_EQ(output.played[0].Channel, AudioChannel::Music);
  EXPECT_TRUE(output.played[0].Loop);
  sounds.MusicTick();
  EXPECT_EQ(output.played.size(), 1u);  // playing already: not started again
  wanted = false;
  sounds.MusicTick();
  ASSERT_EQ(output.stopped.size(), 1u);
  EXPECT_EQ(output.stopped[0], AudioChannel::Music);
  wanted = true;
  sounds.MusicTick();
  EXPECT_EQ(output.played.size(), 2u);
}

TEST(MidiMusicTest, AFailedWriteKeepsTheMusicSilent) {
  QTemporaryDir temp;
  RecordingOutput output;
  SoundSystem sounds(output, PathOf(temp) / "not" / "there", [] { return true; });
  EXPECT_FALSE(sounds.PrepareMidi());
  sounds.MusicTick();
  EXPECT_TRUE(output.played.empty());
}

}  // namespace
}  // namespace tavlo::testing
