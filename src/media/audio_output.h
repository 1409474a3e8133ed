#pragma once

#include <memory>

#include "media/pcm.h"

namespace tavlo {

// The program's sound channels: effects and spoken card names share one (a new sound cuts off
// the one before, as with one wave player); the menu music has its own.
enum class AudioChannel { Effects = 0, Music = 1 };
inline constexpr int kAudioChannelCount = 2;

// Where sound goes. The application gives the system's sound device; tests and headless tools
// give a recorder or nothing, so no test needs a sound device.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Starts the sound on the channel from memory, cutting off what the channel played. False
  // when it cannot be heard (no device, a format the device refuses).
  virtual bool Play(AudioChannel channel, std::shared_ptr<const Pcm> sound, bool loop) = 0;
  virtual void Stop(AudioChannel channel) = 0;
  virtual bool Playing(AudioChannel channel) const = 0;
};

// The system's default sound device through Qt Multimedia. Without a device every Play returns
// false at once and nothing waits.
std::unique_ptr<AudioOutput> MakeSystemAudioOutput();

}  // namespace tavlo
