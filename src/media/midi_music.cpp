#include "media/midi_music.h"

#include <fluidsynth.h>

#include <fstream>
#include <system_error>

#include "files/atomic_write.h"
#include "media/midi_song.h"

namespace tavlo {
namespace {

constexpr int kRate = 44100;
constexpr double kLongestTune = 600.0;  // seconds; a file that plays longer is cut there

}  // namespace

MidiMusic::MidiMusic(std::filesystem::path tempFolder) : file_(std::move(tempFolder) / "temp59_25.mid") {}

bool MidiMusic::Prepare() {
  std::error_code error;
  if (std::filesystem::exists(file_, error)) return true;
  return !WriteFileAtomically(file_, MidiSong());
}

std::shared_ptr<const Pcm> MidiMusic::Rendered() {
  if (!tried_) {
    tried_ = true;
    std::error_code error;
    if (std::filesystem::exists(file_, error)) rendered_ = RenderMidi(file_, FindSoundFont());
  }
  return rendered_;
}

std::filesystem::path FindSoundFont() {
  for (const char* path : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                           "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
    std::error_code error;
    if (std::filesystem::exists(path, error)) return path;
  }
  return {};
}

std::shared_ptr<const Pcm> RenderMidi(const std::filesystem::path& midi, const std::filesystem::path& soundFont) {
  if (soundFont.empty()) return nullptr;
  // FluidSynth reports a missing device or a bad file on stderr; the program reports by result.
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
    fluid_set_log_function(level, nullptr, nullptr);
  }
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", kRate);
  fluid_settings_setstr(settings, "player.timing-source", "sample");  // paced by the samples we render
  fluid_settings_setint(settings, "synth.lock-memory", 0);
  fluid_settings_setnum(settings, "synth.gain", 0.8);  // the default (0.2) leaves the tune very quiet
  fluid_synth_t* synth = new_fluid_synth(settings);
  fluid_player_t* player = synth ? new_fluid_player(synth) : nullptr;
  std::shared_ptr<Pcm> pcm;
  if (player && fluid_synth_sfload(synth, soundFont.c_str(), 1) != FLUID_FAILED &&
      fluid_player_add(player, midi.c_str()) == FLUID_OK && fluid_player_play(player) == FLUID_OK) {
    pcm = std::make_shared<Pcm>(Pcm{kRate, 2, {}});
    constexpr int kBlock = 1024;
    std::int16_t block[2 * kBlock];
    const auto limit = static_cast<std::size_t>(kLongestTune * kRate * 2);
    while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && pcm->Samples.size() < limit) {
      if (fluid_synth_write_s16(synth, kBlock, block, 0, 2, block, 1, 2) != FLUID_OK) break;
      pcm->Samples.insert(pcm->Samples.end(), block, block + 2 * kBlock);
    }
    const std::size_t played = pcm->Samples.size();
    // A short tail lets the last chord ring out before the loop starts again.
    for (int k = 0; k < kRate / 4 / kBlock; ++k) {
      fluid_synth_write_s16(synth, kBlock, block, 0, 2, block, 1, 2);
      pcm->Samples.insert(pcm->Samples.end(), block, block + 2 * kBlock);
    }
    if (played < 2 * kBlock * 8) pcm.reset();  // a file that plays nothing
  }
  if (player) delete_fluid_player(player);
  if (synth) delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return pcm;
}

}  // namespace tavlo
