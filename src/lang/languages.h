#pragma once

#include <string_view>

namespace tavlo {

// Languages in their fixed order, which is also the column order of the word table.
inline constexpr int kLanguageCount = 10;
inline constexpr int kEnglish = 0;
inline constexpr int kRussian = 1;

struct LanguageInfo {
  std::string_view Name;                 // as the language selector shows it
  std::string_view PictureSuffix;        // appended to the base name of a language-dependent picture
  std::string_view FlagPicture;          // flag of the options dialog
  std::string_view ProductName;          // window title
  std::string_view ProductNameCapitals;  // the big letters of the title screen
  std::string_view ReleaseDate;          // first line under the title
  std::string_view CreditLine;           // second line under the title; short, it stands between the two logos
};

// The settings can hold language numbers up to 20 (letters "a".."k"), which the game family uses
// for languages this program does not have; those, and anything else outside 0..9, show English.
constexpr int EffectiveLanguage(int languageIndex) {
  return languageIndex >= 0 && languageIndex < kLanguageCount ? languageIndex : kEnglish;
}

const LanguageInfo& Language(int languageIndex);

}  // namespace tavlo
