#pragma once

#include <string>
#include <vector>

#include "lang/calendar_dates.h"
#include "lang/holiday_table.h"

namespace tavlo {

// What the desk calendar of the menu shows on one day, before any picture is drawn.

int ZodiacSign(int day, int month);          // 1 Aries .. 12 Pisces
int ChineseYearAnimal(int year);             // 1 rat .. 12 pig, by the year alone as the calendar counts it
std::string ZodiacPicture(int sign);         // "R_01" .. "R_12"
std::string ChineseYearPicture(int animal);  // "R_VOSKRIS" .. "R_VOSPIG0"

// The tooltip of a holiday page: the name, then the anniversary and the category text in brackets,
// " (80-th anniversary, Russian Festival)", " (80-th anniversary)" or " (Russian Festival)".
std::string HolidayHint(const TInfoX& holiday, int currentYear, int languageIndex);

struct CalendarPagePlan {
  std::string Picture;  // library picture drawn at (3, 27) on the blank sheet
  std::string Hint;
};

struct CalendarDayPlan {
  int Day = 0;
  bool Sunday = false;  // the day number is red
  std::string MonthName;
  std::string ZodiacPicture;
  std::string ZodiacHint;
  // Pages 2 .. 8: the Chinese year, then today's holidays in table order.
  std::vector<CalendarPagePlan> Pages;
};

CalendarDayPlan PlanCalendarDay(const CalendarDate& today, int languageIndex,
                                const std::vector<std::string>& table = BuiltInHolidayTable());

}  // namespace tavlo
