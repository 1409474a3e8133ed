#include "lang/calendar_day.h"

#include "lang/calendar_texts.h"

namespace tavlo {

namespace {

// First day of each sign, Aries .. Pisces, as (month, day).
constexpr int kSignStart[12][2] = {{3, 21}, {4, 21},  {5, 21},  {6, 22},  {7, 23}, {8, 24},
                                   {9, 24}, {10, 24}, {11, 23}, {12, 22}, {1, 21}, {2, 21}};

constexpr const char* kChinesePictures[12] = {"R_VOSKRIS", "R_VOSBULL", "R_VOSTIGR", "R_VOSRABB",
                                              "R_VOSDRAG", "R_VOSSNAK", "R_VOSHORS", "R_VOSKOZA",
                                              "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0"};

}  // namespace

int ZodiacSign(int day, int month) {
  // The sign whose start is the latest one on or before the date; before 21 January it is Capricorn.
  const int key = month * 100 + day;
  int best = 10;  // Capricorn
  int bestKey = 0;
  for (int s = 0; s < 12; ++s) {
    const int start = kSignStart[s][0] * 100 + kSignStart[s][1];
    if (start <= key && start > bestKey) {
      best = s + 1;
      bestKey = start;
    }
  }
  return best;
}

int ChineseYearAnimal(int year) {
  // year mod 12: 0 monkey, 1 rooster, 2 dog, 3 pig, 4 rat, ...; the animals count from the rat.
  const int m = ((year % 12) + 12) % 12;
  return (m + 8) % 12 + 1;
}

std::string ZodiacPicture(int sign) {
  const std::string digits = std::to_string(sign);
  return "R_" + (sign < 10 ? "0" + digits : digits);
}

std::string ChineseYearPicture(int animal) {
  return animal >= 1 && animal <= 12 ? kChinesePictures[animal - 1] : std::string();
}

std::string HolidayHint(const TInfoX& holiday, int currentYear, int languageIndex) {
  const int language = languageIndex >= 0 && languageIndex < 10 ? languageIndex : 0;
  std::string hint = holiday.Str[static_cast<std::size_t>(language)];
  std::string anniversary;
  if (holiday.Year != "0000") {
    int year = 0;
    for (char c : holiday.Year) year = year * 10 + (c - '0');
    // An event of this year or of a year still to come (a clock set back) has no anniversary yet.
    if (currentYear > year) anniversary = std::to_string(currentYear - year) + std::string(AnniversarySuffix(language));
  }
  const std::string category(CategoryText(holiday.Who, language));
  if (!anniversary.empty() && !category.empty()) {
    hint += " (" + anniversary + ", " + category + ")";
  } else if (!anniversary.empty()) {
    hint += " (" + anniversary + ")";
  } else if (!category.empty()) {
    hint += " (" + category + ")";
  }
  return hint;
}

CalendarDayPlan PlanCalendarDay(const CalendarDate& today, int languageIndex, const std::vector<std::string>& table) {
  CalendarDayPlan plan;
  plan.Day = today.Day;
  plan.Sunday = Weekday(today) == 1;
  plan.MonthName = std::string(MonthName(today.Month, languageIndex));
  const int sign = ZodiacSign(today.Day, today.Month);
  plan.ZodiacPicture = ZodiacPicture(sign);
  plan.ZodiacHint = std::string(ZodiacName(sign, languageIndex));
  const int animal = ChineseYearAnimal(today.Year);
  plan.Pages.push_back({ChineseYearPicture(animal), std::string(ChineseYearName(animal, languageIndex))});
  for (const TInfoX& holiday : HolidaysOn(ResolveMovableRows(table, today), today)) {
    plan.Pages.push_back({holiday.Res, HolidayHint(holiday, today.Year, languageIndex)});
  }
  return plan;
}

}  // namespace tavlo
