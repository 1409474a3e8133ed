#include "lang/holiday_table.h"

namespace tavlo {

const std::vector<std::string_view>& HolidayTableLines();  // generated from data/calendar/holidays.txt

namespace {

constexpr std::string_view kProgrammersDay = "День программиста";
constexpr std::string_view kNeverDate = "00.00.0000";
constexpr int kNameCount = 10;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view s) {
  for (char c : s) {
    if (!IsDigit(c)) return false;
  }
  return !s.empty();
}

bool IsFixedDate(std::string_view d) {
  return d.size() == 10 && AllDigits(d.substr(0, 2)) && d[2] == '.' && AllDigits(d.substr(3, 2)) && d[5] == '.' &&
         AllDigits(d.substr(6, 4));
}

// "pasha.p000", "pasha.k+39", "pasha.p-07".
bool IsEasterForm(std::string_view d) {
  if (d.size() != 10 || d.substr(0, 6) != "pasha." || (d[6] != 'p' && d[6] != 'k')) return false;
  if (d.substr(7) == "000") return true;
  return (d[7] == '+' || d[7] == '-') && AllDigits(d.substr(8, 2));
}

// "****3.2.01", "****l.2.05".
bool IsWeekdayForm(std::string_view d) {
  return d.size() == 10 && d.substr(0, 4) == "****" && ((d[4] >= '1' && d[4] <= '5') || d[4] == 'l') && d[5] == '.' &&
         d[6] >= '1' && d[6] <= '7' && d[7] == '.' && AllDigits(d.substr(8, 2));
}

// Days and months are 1..31 and 1..12.
std::string TwoDigits(int v) { return {static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)}; }

std::string DateField(const DayMonth& date) {
  if (date.Month == 0) return std::string(kNeverDate);
  return TwoDigits(date.Day) + "." + TwoDigits(date.Month) + ".0000";
}

// The names: from character 26 each up to its "#".
std::optional<std::array<std::string, kNameCount>> Names(std::string_view row) {
  std::array<std::string, kNameCount> names;
  std::size_t at = 25;
  for (auto& name : names) {
    const std::size_t end = row.find('#', at);
    if (end == std::string_view::npos) return std::nullopt;
    name = std::string(row.substr(at, end - at));
    at = end + 1;
  }
  return names;
}

int ToInt(std::string_view digits) {
  int v = 0;
  for (char c : digits) v = v * 10 + (c - '0');
  return v;
}

}  // namespace

bool IsHolidayRow(std::string_view row) {
  if (row.size() < 26 || row[10] != '#' || row[14] != '#' || row[24] != '#') return false;
  const std::string_view date = row.substr(0, 10);
  if (!IsFixedDate(date) && !IsEasterForm(date) && !IsWeekdayForm(date)) return false;
  if (row.substr(11, 3).find('#') != std::string_view::npos) return false;
  if (row.substr(15, 9).find('#') != std::string_view::npos) return false;
  return Names(row).has_value();
}

std::vector<std::string> ReadHolidayRows(const std::vector<std::string_view>& lines,
                                         std::vector<std::string>& problems) {
  std::vector<std::string> rows;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    std::string_view line = lines[k];
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (!IsHolidayRow(line)) {
      problems.push_back("line " + std::to_string(k + 1) + ": not a holiday row: " + std::string(line.substr(0, 40)));
      continue;
    }
    rows.emplace_back(line);
  }
  return rows;
}

const std::vector<std::string>& BuiltInHolidayTable() {
  static const std::vector<std::string> rows = [] {
    std::vector<std::string> problems;
    return ReadHolidayRows(HolidayTableLines(), problems);
  }();
  return rows;
}

std::vector<std::string> ResolveMovableRows(std::vector<std::string> rows, const CalendarDate& today) {
  const bool leap = IsLeapYear(today.Year);
  std::optional<int> orthodoxEaster;
  std::optional<int> catholicEaster;
  const int monthLength = DaysInMonth(today.Month, leap);
  for (std::string& row : rows) {
    if (row.size() < 10) continue;
    const std::string_view date = std::string_view(row).substr(0, 10);
    std::string resolved;
    if (IsEasterForm(date)) {
      std::optional<int>& easter = date[6] == 'p' ? orthodoxEaster : catholicEaster;
      if (date.substr(7) == "000") {
        easter = date[6] == 'p' ? OrthodoxEasterDayOfYear(today.Year) : CatholicEasterDayOfYear(today.Year);
        resolved = DateField(DayOfYearToDate(*easter, leap));
      } else if (easter) {
        const int offset = ToInt(date.substr(8, 2)) * (date[7] == '-' ? -1 : 1);
        resolved = DateField(DayOfYearToDate(*easter + offset, leap));
      } else {
        resolved = std::string(kNeverDate);  // a distance from an Easter the table never gave
      }
    } else if (IsWeekdayForm(date)) {
      const bool inWeek = date[4] == 'l' ? today.Day > monthLength - 7 : (today.Day - 1) / 7 + 1 == date[4] - '0';
      const bool matches = inWeek && Weekday(today) == date[6] - '0' && today.Month == ToInt(date.substr(8, 2));
      resolved = matches ? DateField({today.Day, today.Month}) : std::string(kNeverDate);
    } else {
      continue;
    }
    row.replace(0, 10, resolved);
  }
  if (leap) {
    for (std::string& row : rows) {
      if (row.size() > 25 && std::string_view(row).substr(25).starts_with(std::string(kProgrammersDay) + "#")) {
        row.replace(0, 10, "12.09.0000");
      }
    }
  }
  return rows;
}

std::optional<TInfoX> ParseHolidayRow(std::string_view row) {
  if (!IsHolidayRow(row)) return std::nullopt;
  const auto names = Names(row);
  TInfoX info;
  info.Year = std::string(row.substr(6, 4));
  info.Who = std::string(row.substr(11, 3));
  info.Res = std::string(row.substr(15, 9));
  // The row lists Russian first, then English; the languages number English 0 and Russian 1.
  info.Str[1] = (*names)[0];
  info.Str[0] = (*names)[1];
  for (int k = 2; k < kNameCount; ++k) info.Str[static_cast<std::size_t>(k)] = (*names)[static_cast<std::size_t>(k)];
  return info;
}

std::vector<TInfoX> HolidaysOn(const std::vector<std::string>& resolvedRows, const CalendarDate& today) {
  const std::string day = TwoDigits(today.Day);
  const std::string month = TwoDigits(today.Month);
  std::vector<TInfoX> holidays;
  for (const std::string& row : resolvedRows) {
    if (static_cast<int>(holidays.size()) == kMaxHolidaysPerDay) break;
    if (row.size() < 10 || row.compare(0, 2, day) != 0 || row.compare(3, 2, month) != 0) continue;
    if (auto info = ParseHolidayRow(row)) holidays.push_back(std::move(*info));
  }
  return holidays;
}

}  // namespace tavlo
