#include "lang/calendar_dates.h"

namespace tavlo {

namespace {

constexpr int kMonthLength[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Non-negative remainder, for years before the common era as well.
constexpr int Mod(int a, int b) { return ((a % b) + b) % b; }
constexpr int FloorDiv(int a, int b) { return (a - Mod(a, b)) / b; }

}  // namespace

int DaysInMonth(int month, bool leap) {
  if (month < 1 || month > 12) return 0;
  return kMonthLength[month] + (month == 2 && leap ? 1 : 0);
}

DayMonth DayOfYearToDate(int dayOfYear, bool leap) {
  if (dayOfYear < 1) return {};
  int day = dayOfYear;
  for (int month = 1; month <= 12; ++month) {
    const int length = DaysInMonth(month, leap);
    if (day <= length) return {day, month};
    day -= length;
  }
  return {};
}

int DayOfYear(int day, int month, bool leap) {
  int total = day;
  for (int m = 1; m < month && m <= 12; ++m) total += DaysInMonth(m, leap);
  return total;
}

int Weekday(const CalendarDate& date) {
  // Zeller's congruence: 0 Saturday, 1 Sunday, ..., 6 Friday.
  int month = date.Month;
  int year = date.Year;
  if (month < 3) {
    month += 12;
    year -= 1;
  }
  const int h =
      Mod(date.Day + (13 * (month + 1)) / 5 + year + FloorDiv(year, 4) - FloorDiv(year, 100) + FloorDiv(year, 400), 7);
  return h == 0 ? 7 : h;
}

int OrthodoxEasterDayOfYear(int year) {
  const int d = Mod(19 * Mod(year, 19) + 15, 30);
  const int e = Mod(2 * Mod(year, 4) + 4 * Mod(year, 7) + 6 * d + 6, 7);
  // Julian 22 March + d + e. The Julian calendar falls behind by one more day in every Gregorian
  // century year that is not a leap year: 13 days from March 1900 to February 2100, 14 after.
  const int calendarGap = FloorDiv(year, 100) - FloorDiv(year, 400) - 2;
  return 59 + (IsLeapYear(year) ? 1 : 0) + 22 + d + e + calendarGap;
}

int CatholicEasterDayOfYear(int year) {
  // Knuth's Easter algorithm (The Art of Computer Programming, 1.3.2, exercise 14).
  const int golden = Mod(year, 19) + 1;
  const int century = FloorDiv(year, 100) + 1;
  const int skippedLeapDays = FloorDiv(3 * century, 4) - 12;
  const int moonCorrection = FloorDiv(8 * century + 5, 25) - 5;
  const int sunday = FloorDiv(5 * year, 4) - skippedLeapDays - 10;
  int epact = Mod(11 * golden + 20 + moonCorrection - skippedLeapDays, 30);
  if ((epact == 25 && golden > 11) || epact == 24) ++epact;
  int n = 44 - epact;
  if (n < 21) n += 30;
  n = n + 7 - Mod(sunday + n, 7);
  return (IsLeapYear(year) ? 1 : 0) + n + 59;
}

}  // namespace tavlo
