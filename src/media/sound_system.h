#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "media/audio_output.h"
#include "media/card_voice.h"
#include "media/midi_music.h"
#include "media/sound_effects.h"

namespace tavlo {

// Effects, spoken card names and the menu music, all played from memory through one output.
class SoundSystem : public QObject, public SoundEffects {
  Q_OBJECT

 public:
  // `musicWanted` tells whether the tune should play now: music on and the title or the menu showing.
  SoundSystem(AudioOutput& output, std::filesystem::path tempFolder, std::function<bool()> musicWanted);

  void Play(std::string_view name) override;
  bool SayCard(TCardCode card, int languageIndex) override;

  // Writes the tune's file once (the first paint); false after a write error, which the window
  // reports with "Can`t create music file!". Then starts the music timer.
  bool PrepareMidi();
  // One tick of the music timer (55 ms): starts the tune when it is wanted and not playing,
  // stops it when it is no longer wanted.
  void MusicTick();
  void StopMusic();
  bool MusicPlaying() const { return musicStarted_; }

  // The effect's sound, synthesised on first use and kept (null for an unknown name).
  std::shared_ptr<const Pcm> Effect(std::string_view name);
  MidiMusic& Music() { return music_; }
  CardVoice& Voice() { return voice_; }

 private:
  void WaitForEnd(double seconds);

  AudioOutput& output_;
  CardVoice voice_;
  MidiMusic music_;
  std::function<bool()> musicWanted_;
  std::map<std::string, std::shared_ptr<const Pcm>, std::less<>> effects_;
  QTimer timer2_;
  bool musicReady_ = false;
  bool musicStarted_ = false;
};

}  // namespace tavlo
