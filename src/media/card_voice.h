#pragma once

#include <map>
#include <memory>
#include <string>

#include "game/card.h"
#include "media/pcm.h"

namespace tavlo {

// The voice that speaks card names: eSpeak NG, asked once per card and language and kept in
// memory afterwards. Without eSpeak NG's data, or without the language's voice, it speaks nothing.
class CardVoice {
 public:
  CardVoice() = default;
  CardVoice(const CardVoice&) = delete;
  CardVoice& operator=(const CardVoice&) = delete;

  // The spoken name of the card; null when it cannot be spoken.
  std::shared_ptr<const Pcm> Speak(TCardCode card, int languageIndex);
  // The same for any text in a language's voice (tools, checks).
  std::shared_ptr<const Pcm> SpeakText(const std::string& utf8, int languageIndex);
  // What the voice makes of the card's name, in IPA; a switch to another language's voice (a word
  // it does not know) shows as "(en)" and the like. Empty when it cannot be spoken.
  std::string Phonemes(TCardCode card, int languageIndex);

 private:
  bool Start();

  int sampleRate_ = 0;  // 0 before the first use, -1 when eSpeak NG could not start
  std::map<std::string, std::shared_ptr<const Pcm>> spoken_;
};

}  // namespace tavlo
