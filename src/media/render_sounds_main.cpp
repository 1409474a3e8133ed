// Writes every built-in sound to WAVE files, to listen to them outside the program:
// the effects, the menu tune as FluidSynth plays it, and a few spoken cards in each language.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "media/card_voice.h"
#include "media/effects.h"
#include "media/midi_music.h"
#include "media/wave_file.h"

namespace {

bool Write(const std::filesystem::path& path, const tavlo::Pcm& pcm) {
  std::ofstream out(path, std::ios::binary);
  out << tavlo::EncodeWave(pcm);
  out.close();
  std::printf("%-28s %6.2f s  peak %.2f  rms %.3f\n", path.filename().c_str(), pcm.Seconds(), tavlo::PeakLevel(pcm),
              tavlo::RmsLevel(pcm));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  bool ok = true;
  for (std::string_view name : tavlo::EffectNames()) {
    ok = Write(folder / (std::string(name) + ".wav"), *tavlo::SynthesiseEffect(name)) && ok;
  }
  tavlo::MidiMusic music(folder);
  if (music.Prepare() && music.Rendered()) {
    ok = Write(folder / "MidiSong.wav", *music.Rendered()) && ok;
  } else {
    std::fprintf(stderr, "the tune could not be rendered (FluidSynth or the soundfont is missing)\n");
    ok = false;
  }
  tavlo::CardVoice voice;
  for (int language = 0; language < 10; ++language) {
    const auto spoken = voice.Speak(tavlo::MakeCard(13, tavlo::kSpades), language);
    if (!spoken) {
      std::fprintf(stderr, "no voice for language %d\n", language);
      ok = false;
      continue;
    }
    ok = Write(folder / ("AceOfSpades" + std::to_string(language) + ".wav"), *spoken) && ok;
  }
  return ok ? 0 : 1;
}
