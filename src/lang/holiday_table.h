#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/calendar_dates.h"

namespace tavlo {

inline constexpr int kHolidayRowCount = 86;
// Eight calendar pages: the day, the Chinese year and at most six holidays.
inline constexpr int kMaxHolidaysPerDay = 6;

// One holiday of today, parsed from its table row.
struct TInfoX {
  std::string Year;                 // the four year characters of the date field; "0000" for every year
  std::string Who;                  // category: "ALL", "ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT", ...
  std::string Res;                  // picture name in the calendar library, nine characters
  std::array<std::string, 10> Str;  // the name by language number (0 English, 1 Russian, ...)
};

// A row of the holiday table: "DD.MM.YYYY#CAT#R_PICTURE#" then ten names each followed by "#"
// (Russian first, then English, German, French, Spanish, Chinese, Italian, Czech, Japanese, Korean)
// and a list of countries that is not read. The first ten characters may be a movable form instead
// of a date. True when the row has that shape.
bool IsHolidayRow(std::string_view row);

// The rows of a table file: notes ("#" first) and blank lines are skipped, a malformed row is
// dropped and described in `problems`.
std::vector<std::string> ReadHolidayRows(const std::vector<std::string_view>& lines,
                                         std::vector<std::string>& problems);

// The table built into the program.
const std::vector<std::string>& BuiltInHolidayTable();

// The rows with their movable dates resolved for `today`, in table order: Easter and the feasts
// at a distance from it become "DD.MM.0000" of this year; an n-th or last weekday of a month becomes
// today's date when today is that day, else "00.00.0000". In a leap year the programmers' day (the
// 256th day) moves to 12 September.
std::vector<std::string> ResolveMovableRows(std::vector<std::string> rows, const CalendarDate& today);

// The fields of a row; nullopt for a row that is not well formed.
std::optional<TInfoX> ParseHolidayRow(std::string_view row);

// Today's holidays from resolved rows, in table order, at most six.
std::vector<TInfoX> HolidaysOn(const std::vector<std::string>& resolvedRows, const CalendarDate& today);

}  // namespace tavlo
