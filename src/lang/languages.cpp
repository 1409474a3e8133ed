#include "lang/languages.h"

#include <array>

namespace tavlo {
namespace {

// Japanese and Korean have no pictures of their own and show the English ones.
constexpr std::array<LanguageInfo, kLanguageCount> kLanguages = {{
    {"English", "Eng", "FlagOEng", "Tavlo", "TAVLO", "October 18, 2022", "A card game for four, made with care"},
    {"Русский", "Rus", "FlagORus", "Тавло", "ТАВЛО", "18 октября 2022 г.",
     "Карточная игра на четверых, сделанная с любовью"},
    {"Deutsche", "Deu", "FlagODeu", "Tavlo", "TAVLO", "18. Oktober 2022",
     "Ein Kartenspiel für vier, mit Liebe gemacht"},
    {"Français", "Fra", "FlagOFra", "Tavlo", "TAVLO", "18 octobre 2022", "Un jeu de cartes à quatre, fait avec soin"},
    {"Español", "Spa", "FlagOSpa", "Tavlo", "TAVLO", "18 de octubre de 2022",
     "Un juego de cartas para cuatro, hecho con cariño"},
    {"中文", "Chi", "FlagOChi", "塔夫洛", "塔夫洛", "2022年10月18日", "用心打造的四人纸牌游戏"},
    {"Italiano", "Ita", "FlagOIta", "Tavlo", "TAVLO", "18 ottobre 2022",
     "Un gioco di carte per quattro, fatto con cura"},
    {"Čeština", "Cze", "FlagOCze", "Tavlo", "TAVLO", "18. října 2022", "Karetní hra pro čtyři, vytvořená s láskou"},
    {"日本", "Eng", "FlagOJap", "Tavlo", "TAVLO", "2022年10月18日", "心を込めて作った4人用カードゲーム"},
    {"한국인", "Eng", "FlagOKor", "Tavlo", "TAVLO", "2022년 10월 18일", "정성껏 만든 4인용 카드 게임"},
}};

}  // namespace

const LanguageInfo& Language(int languageIndex) { return kLanguages[EffectiveLanguage(languageIndex)]; }

}  // namespace tavlo
