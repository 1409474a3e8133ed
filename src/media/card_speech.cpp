#include "media/card_speech.h"

#include <array>

#include "lang/languages.h"

namespace tavlo {
namespace {

using Names13 = std::array<std::string_view, 14>;  // by rank value 1 (two) .. 13 (ace); 0 unused
using Suits4 = std::array<std::string_view, 4>;    // hearts, diamonds, clubs, spades

constexpr std::array<std::string_view, kLanguageCount> kCodes = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                                 "Chi", "Ita", "Cze", "Jap", "Kor"};
constexpr std::array<std::string_view, kLanguageCount> kVoices = {"en", "ru", "de", "fr", "es", "cmn-Latn-pinyin",
                                                                  "it", "cs", "ja", "ko"};

struct Phrasing {
  Names13 Ranks;
  Suits4 Suits;
  // How rank and suit join: rank + Between + suit, or suit + Between + rank when SuitFirst.
  std::string_view Between;
  bool SuitFirst = false;
};

const Phrasing& PhrasingOf(int language) {
  static const std::array<Phrasing, kLanguageCount> table = {{
      {{"", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "jack", "queen", "king", "ace"},
       {"hearts", "diamonds", "clubs", "spades"},
       " of ",
       false},
      {{"", "двойка", "тройка", "четвёрка", "пятёрка", "шестёрка", "семёрка", "восьмёрка", "девятка", "десятка",
        "валет", "дама", "король", "туз"},
       {"червей", "бубен", "треф", "пик"},
       " ",
       false},
      {{"", "Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame", "König", "Ass"},
       {"Herz", "Karo", "Kreuz", "Pik"},
       " ",
       true},
      {{"", "deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf", "dix", "valet", "dame", "roi", "as"},
       {"cœur", "carreau", "trèfle", "pique"},
       " de ",
       false},
      {{"", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "diez", "jota", "reina", "rey", "as"},
       {"corazones", "diamantes", "tréboles", "picas"},
       " de ",
       false},
      // Chinese is spoken from pinyin with tone numbers: eSpeak NG's Mandarin voice reads few
      // of the characters.
      {{"", "er4", "san1", "si4", "wu3", "liu4", "qi1", "ba1", "jiu3", "shi2", "jie2 ke4", "huang2 hou4", "guo2 wang2",
        "ai4 si1"},
       {"hong2 tao2", "fang1 kuai4", "mei2 hua1", "hei1 tao2"},
       " ",
       true},
      {{"", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove", "dieci", "fante", "donna", "re", "asso"},
       {"cuori", "quadri", "fiori", "picche"},
       " di ",
       false},
      {},  // Czech agrees the suit adjective with the rank; built below
      {{"", "に", "さん", "よん", "ご", "ろく", "なな", "はち", "きゅう", "じゅう", "ジャック", "クイーン", "キング",
        "エース"},
       {"ハート", "ダイヤ", "クラブ", "スペード"},
       "の",
       true},
      {{"", "이", "삼", "사", "오", "육", "칠", "팔", "구", "십", "잭", "퀸", "킹", "에이스"},
       {"하트", "다이아몬드", "클로버", "스페이드"},
       " ",
       true},
  }};
  return table[static_cast<std::size_t>(language)];
}

// "srdcová dvojka", "křížový král", "pikové eso": the suit as an adjective before the rank.
std::string CzechName(int rank, int suit) {
  static const Names13 ranks = {"",        "dvojka",  "trojka",  "čtyřka", "pětka", "šestka", "sedmička",
                                "osmička", "devítka", "desítka", "kluk",   "dáma",  "král",   "eso"};
  static const Suits4 stems = {"srdcov", "károv", "křížov", "pikov"};
  const std::string_view ending = rank == 10 || rank == 12 ? "ý" : rank == 13 ? "é" : "á";
  return std::string(stems[static_cast<std::size_t>(suit)]) + std::string(ending) + " " +
         std::string(ranks[static_cast<std::size_t>(rank)]);
}

}  // namespace

std::string VoiceResourceName(TCardCode card, int languageIndex) {
  static const std::array<std::string_view, 4> suits = {"Ch", "Bu", "Kr", "Pi"};
  static const Names13 ranks = {"", "02", "03", "04", "05", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
  if (!IsValidCard(card)) return {};
  const int language = EffectiveLanguage(languageIndex);
  return std::string(suits[static_cast<std::size_t>(SuitIndexOf(card.suit))]) + std::string(ranks[RankValueOf(card)]) +
         "Voice" + std::string(kCodes[static_cast<std::size_t>(language)]);
}

std::string SpokenCardName(TCardCode card, int languageIndex) {
  if (!IsValidCard(card)) return {};
  const int language = EffectiveLanguage(languageIndex);
  const int rank = RankValueOf(card);
  const int suit = SuitIndexOf(card.suit);
  if (language == 7) return CzechName(rank, suit);
  const Phrasing& p = PhrasingOf(language);
  const std::string r(p.Ranks[static_cast<std::size_t>(rank)]);
  const std::string s(p.Suits[static_cast<std::size_t>(suit)]);
  return p.SuitFirst ? s + std::string(p.Between) + r : r + std::string(p.Between) + s;
}

std::string_view SpeechVoice(int languageIndex) {
  return kVoices[static_cast<std::size_t>(EffectiveLanguage(languageIndex))];
}

}  // namespace tavlo
