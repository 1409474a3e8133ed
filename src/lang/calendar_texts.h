#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// The calendar's own texts in the ten languages (data/calendar/calendar_texts.tsv). Every function
// answers English for a language outside 0..9 and an empty text for a number out of range.

std::string_view MonthName(int month, int languageIndex);                // genitive where the language has one
std::string_view ZodiacName(int sign, int languageIndex);                // 1 Aries .. 12 Pisces
std::string_view ChineseYearName(int animal, int languageIndex);         // 1 rat .. 12 pig
std::string_view CategoryText(std::string_view who, int languageIndex);  // empty for a category without one
std::string_view AnniversarySuffix(int languageIndex);                   // "-th anniversary"

// What is wrong with the built-in texts: a missing key or language, an empty text (empty when sound).
std::vector<std::string> CalendarTextProblems();

}  // namespace tavlo
