#pragma once

#include <filesystem>
#include <memory>

#include "media/pcm.h"

namespace tavlo {

// The menu tune: the MIDI file is written once into the temporary folder ("temp59_25.mid") and
// played through FluidSynth with the General MIDI soundfont, rendered once into memory.
class MidiMusic {
 public:
  explicit MidiMusic(std::filesystem::path tempFolder);

  std::filesystem::path File() const { return file_; }
  // Writes the tune unless the file is already there; false when it cannot be written.
  bool Prepare();
  // The rendered tune (null when the file, FluidSynth or a soundfont is missing). Rendered on
  // the first call only.
  std::shared_ptr<const Pcm> Rendered();

 private:
  std::filesystem::path file_;
  std::shared_ptr<const Pcm> rendered_;
  bool tried_ = false;
};

// The General MIDI soundfonts looked for, in order.
std::filesystem::path FindSoundFont();

// Renders a MIDI file to 44100 Hz stereo PCM with the soundfont; null on any failure.
std::shared_ptr<const Pcm> RenderMidi(const std::filesystem::path& midi, const std::filesystem::path& soundFont);

}  // namespace tavlo
