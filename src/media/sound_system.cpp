#include "media/sound_system.h"

#include <QEventLoop>

#include "media/effects.h"

namespace tavlo {

SoundSystem::SoundSystem(AudioOutput& output, std::filesystem::path tempFolder, std::function<bool()> musicWanted)
    : output_(output), music_(std::move(tempFolder)), musicWanted_(std::move(musicWanted)) {
  timer2_.setInterval(55);
  connect(&timer2_, &QTimer::timeout, this, &SoundSystem::MusicTick);
}

std::shared_ptr<const Pcm> SoundSystem::Effect(std::string_view name) {
  if (const auto found = effects_.find(name); found != effects_.end()) return found->second;
  std::optional<Pcm> pcm = SynthesiseEffect(name);
  if (!pcm) return nullptr;
  auto sound = std::make_shared<const Pcm>(std::move(*pcm));
  effects_.emplace(std::string(name), sound);
  return sound;
}

void SoundSystem::Play(std::string_view name) {
  const std::shared_ptr<const Pcm> sound = Effect(name);
  if (!sound || !output_.Play(AudioChannel::Effects, sound, false)) return;
  if (EffectIsSynchronous(name)) WaitForEnd(sound->Seconds());
}

bool SoundSystem::SayCard(TCardCode card, int languageIndex) {
  const std::shared_ptr<const Pcm> spoken = voice_.Speak(card, languageIndex);
  if (!spoken) return false;
  output_.Play(AudioChannel::Effects, spoken, false);
  return true;
}

void SoundSystem::WaitForEnd(double seconds) {
  // The window keeps painting meanwhile; input waits until the sound has ended. A device that
  // never reports the end is given up on shortly after the sound's own length.
  QEventLoop loop;
  QTimer poll;
  connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
    if (!output_.Playing(AudioChannel::Effects)) loop.quit();
  });
  poll.start(5);
  QTimer::singleShot(static_cast<int>(seconds * 1000) + 250, &loop, &QEventLoop::quit);
  if (output_.Playing(AudioChannel::Effects)) loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool SoundSystem::PrepareMidi() {
  musicReady_ = music_.Prepare();
  timer2_.start();
  MusicTick();
  return musicReady_;
}

void SoundSystem::MusicTick() {
  const bool wanted = musicReady_ && musicWanted_ && musicWanted_();
  if (wanted && !musicStarted_) {
    const std::shared_ptr<const Pcm> tune = music_.Rendered();
    // Started once and looped by the output; a tune that cannot be heard is not tried again
    // on every tick.
    if (tune) output_.Play(AudioChannel::Music, tune, true);
    musicStarted_ = true;
  } else if (!wanted && musicStarted_) {
    StopMusic();
  }
}

void SoundSystem::StopMusic() {
  output_.Stop(AudioChannel::Music);
  musicStarted_ = false;
}

}  // namespace tavlo
