#include "media/card_voice.h"

#include <espeak-ng/speak_lib.h>

#include <cstring>
#include <vector>

#include "media/card_speech.h"

namespace tavlo {
namespace {

int Collect(short* samples, int count, espeak_EVENT* events) {
  auto* out = static_cast<std::vector<std::int16_t>*>(events->user_data);
  if (samples && count > 0 && out) out->insert(out->end(), samples, samples + count);
  return 0;
}

}  // namespace

bool CardVoice::Start() {
  if (sampleRate_ == 0) {
    // eSpeak NG is one engine per process; the program speaks only from the window's thread.
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    sampleRate_ = rate > 0 ? rate : -1;
    if (sampleRate_ > 0) espeak_SetSynthCallback(Collect);
  }
  return sampleRate_ > 0;
}

std::shared_ptr<const Pcm> CardVoice::Speak(TCardCode card, int languageIndex) {
  const std::string text = SpokenCardName(card, languageIndex);
  if (text.empty()) return nullptr;
  return SpeakText(text, languageIndex);
}

std::shared_ptr<const Pcm> CardVoice::SpeakText(const std::string& utf8, int languageIndex) {
  const std::string voice(SpeechVoice(languageIndex));
  const std::string key = voice + "|" + utf8;
  if (const auto found = spoken_.find(key); found != spoken_.end()) return found->second;
  if (!Start() || espeak_SetVoiceByName(voice.c_str()) != EE_OK) return nullptr;

  std::vector<std::int16_t> samples;
  const espeak_ERROR result =
      espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &samples);
  if (result != EE_OK || samples.empty()) return nullptr;
  auto pcm = std::make_shared<Pcm>(Pcm{sampleRate_, 1, std::move(samples)});
  spoken_.emplace(key, pcm);
  return pcm;
}

std::string CardVoice::Phonemes(TCardCode card, int languageIndex) {
  const std::string text = SpokenCardName(card, languageIndex);
  const std::string voice(SpeechVoice(languageIndex));
  if (text.empty() || !Start() || espeak_SetVoiceByName(voice.c_str()) != EE_OK) return {};
  std::string phonemes;
  const void* at = text.c_str();
  while (at) {
    const char* part = espeak_TextToPhonemes(&at, espeakCHARS_UTF8, espeakPHONEMES_IPA);
    if (part) phonemes += std::string(part) + " ";
  }
  return phonemes;
}

}  // namespace tavlo
