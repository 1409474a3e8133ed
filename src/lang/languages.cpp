#include "lang/languages.h"

#include <array>

namespace tavlo {
namespace {

// Japanese and Korean have no pictures of their own and show the English ones.
constexpr std::array<LanguageInfo, kLanguageCount> kLanguages = {{
    {"English", "Eng", "FlagOEng", "Tavlo", "TAVLO", "October 18, 2022", "Tavlo team"},
    {"Русский", "Rus", "FlagORus", "Тавло", "ТАВЛО", "18 октября 2022 г.",
     "Команда Тавло"},
    {"Deutsche", "Deu", "FlagODeu", "Tavlo", "TAVLO", "18. Oktober 2022",
     "Tavlo-Team"},
    {"Français", "Fra", "FlagOFra", "Tavlo", "TAVLO", "18 octobre 2022", "Équipe Tavlo"},
    {"Español", "Spa", "FlagOSpa", "Tavlo", "TAVLO", "18 de octubre de 2022",
     "Equipo Tavlo"},
    {"中文", "Chi", "FlagOChi", "塔夫洛", "塔夫洛", "2022年10月18日", "塔夫洛团队"},
    {"Italiano", "Ita", "FlagOIta", "Tavlo", "TAVLO", "18 ottobre 2022",
     "Team Tavlo"},
    {"Čeština", "Cze", "FlagOCze", "Tavlo", "TAVLO", "18. října 2022", "Tým Tavlo"},
    {"日本", "Eng", "FlagOJap", "Tavlo", "TAVLO", "2022年10月18日", "タヴロ・チーム"},
    {"한국인", "Eng", "FlagOKor", "Tavlo", "TAVLO", "2022년 10월 18일", "타블로 팀"},
}};

}  // namespace

const LanguageInfo& Language(int languageIndex) { return kLanguages[EffectiveLanguage(languageIndex)]; }

}  // namespace tavlo
