#pragma once

namespace tavlo {

// Dates of the menu calendar, all in the Gregorian calendar. A day of the year runs from 1
// (1 January) to 365, or 366 in a leap year.

struct DayMonth {
  int Day = 0;    // 1..31; 0 for a day of the year outside the year
  int Month = 0;  // 1..12; 0 likewise
};

struct CalendarDate {
  int Year = 0;
  int Month = 0;  // 1..12
  int Day = 0;    // 1..31
};

constexpr bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, bool leap);

// Day and month of a day of the year; {0, 0} outside 1..365 + leap, which matches no date.
DayMonth DayOfYearToDate(int dayOfYear, bool leap);
int DayOfYear(int day, int month, bool leap);

// 1 Sunday .. 7 Saturday.
int Weekday(const CalendarDate& date);

// Easter Sunday as a Gregorian day of the year. The Orthodox date is the Julian computus moved by
// the distance between the two calendars in that year, so it holds beyond 1900..2099 as well.
int OrthodoxEasterDayOfYear(int year);
int CatholicEasterDayOfYear(int year);

}  // namespace tavlo
