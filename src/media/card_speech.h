#pragma once

#include <string>
#include <string_view>

#include "game/card.h"

namespace tavlo {

// The voice library's resource name of a spoken card: the card's picture name ("Ch5A") + "Voice" +
// the language code ("Eng", "Rus", ... "Kor"): "Ch5AVoiceEng". Empty for a code that is no card.
std::string VoiceResourceName(TCardCode card, int languageIndex);

// The card's name as it is said in the language (UTF-8): "ace of hearts", "туз червей", "Herz Ass";
// Chinese as pinyin with tone numbers ("hei1 tao2 ai4 si1"), which the Mandarin voice speaks.
// Empty for a code that is no card.
std::string SpokenCardName(TCardCode card, int languageIndex);

// The eSpeak NG voice that speaks the language: "en", "ru", ... "cmn-Latn-pinyin", "ja", "ko".
std::string_view SpeechVoice(int languageIndex);

}  // namespace tavlo
