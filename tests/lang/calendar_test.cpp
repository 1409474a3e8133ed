#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "lang/calendar_dates.h"
#include "lang/calendar_day.h"
#include "lang/calendar_texts.h"
#include "lang/holiday_table.h"

namespace tavlo {
namespace {

DayMonth Date(int dayOfYear, int year) { return DayOfYearToDate(dayOfYear, IsLeapYear(year)); }

struct EasterCase {
  int year;
  int orthodoxMonth, orthodoxDay;
  int catholicMonth, catholicDay;
};

// Published Easter tables; the Orthodox dates beyond 2099 are where the 13-day rule fails.
constexpr EasterCase kEasterDates[] = {
    {1818, 4, 26, 3, 22},  // the earliest Western Easter possible
    {1900, 4, 22, 4, 15}, {1954, 4, 25, 4, 18}, {1961, 4, 9, 4, 2},   {1981, 4, 26, 4, 19}, {2000, 4, 30, 4, 23},
    {2008, 4, 27, 3, 23}, {2011, 4, 24, 4, 24}, {2019, 4, 28, 4, 21}, {2022, 4, 24, 4, 17}, {2024, 5, 5, 3, 31},
    {2025, 4, 20, 4, 20}, {2026, 4, 12, 4, 5},  {2038, 4, 25, 4, 25},  // the latest Western Easter possible
    {2049, 4, 25, 4, 18}, {2076, 4, 26, 4, 19}, {2099, 4, 12, 4, 12}, {2100, 5, 2, 3, 28},  {2101, 4, 24, 4, 17},
    {2200, 4, 6, 4, 6},   {2285, 4, 26, 3, 22}, {2300, 4, 15, 4, 8},
};

TEST(EasterTest, MatchesPublishedTables) {
  for (const EasterCase& c : kEasterDates) {
    SCOPED_TRACE(c.year);
    const DayMonth orthodox = Date(OrthodoxEasterDayOfYear(c.year), c.year);
    EXPECT_EQ(orthodox.Month, c.orthodoxMonth);
    EXPECT_EQ(orthodox.Day, c.orthodoxDay);
    const DayMonth catholic = Date(CatholicEasterDayOfYear(c.year), c.year);
    EXPECT_EQ(catholic.Month, c.catholicMonth);
    EXPECT_EQ(catholic.Day, c.catholicDay);
  }
}

TEST(EasterTest, AlwaysASundayInItsSeasonAndEasternNeverFirst) {
  for (int year = 1583; year <= 4099; ++year) {
    SCOPED_TRACE(year);
    const int catholic = CatholicEasterDayOfYear(year);
    const int orthodox = OrthodoxEasterDayOfYear(year);
    const DayMonth c = Date(catholic, year);
    const DayMonth o = Date(orthodox, year);
    ASSERT_EQ(Weekday({year, c.Month, c.Day}), 1);
    ASSERT_EQ(Weekday({year, o.Month, o.Day}), 1);
    // 22 March .. 25 April.
    ASSERT_GE(catholic, DayOfYear(22, 3, IsLeapYear(year)));
    ASSERT_LE(catholic, DayOfYear(25, 4, IsLeapYear(year)));
    ASSERT_GE(orthodox, catholic);
    ASSERT_EQ((orthodox - catholic) % 7, 0);
  }
}

TEST(CalendarDatesTest, DayOfYearAndWeekday) {
  struct Case {
    int dayOfYear;
    bool leap;
    DayMonth expected;
  };
  const Case cases[] = {{1, false, {1, 1}},   {31, false, {31, 1}},   {32, false, {1, 2}},   {59, false, {28, 2}},
                        {60, false, {1, 3}},  {60, true, {29, 2}},    {61, true, {1, 3}},    {256, false, {13, 9}},
                        {256, true, {12, 9}}, {365, false, {31, 12}}, {366, true, {31, 12}}, {366, false, {0, 0}},
                        {0, false, {0, 0}},   {-5, true, {0, 0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dayOfYear);
    const DayMonth d = DayOfYearToDate(c.dayOfYear, c.leap);
    EXPECT_EQ(d.Day, c.expected.Day);
    EXPECT_EQ(d.Month, c.expected.Month);
    if (c.expected.Month != 0) {
      EXPECT_EQ(DayOfYear(d.Day, d.Month, c.leap), c.dayOfYear);
    }
  }
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2025));
  EXPECT_EQ(Weekday({2023, 1, 16}), 2);   // a Monday
  EXPECT_EQ(Weekday({2026, 12, 10}), 5);  // a Thursday
  EXPECT_EQ(Weekday({2000, 2, 29}), 3);   // a Tuesday
}

TEST(ZodiacTest, SignBoundaries) {
  struct Case {
    int day, month, sign;
  };
  // The first and last day of every sign (1 Aries .. 12 Pisces).
  const Case cases[] = {{20, 3, 12}, {21, 3, 1},  {20, 4, 1},  {21, 4, 2},  {20, 5, 2},  {21, 5, 3},   {21, 6, 3},
                        {22, 6, 4},  {22, 7, 4},  {23, 7, 5},  {23, 8, 5},  {24, 8, 6},  {23, 9, 6},   {24, 9, 7},
                        {23, 10, 7}, {24, 10, 8}, {22, 11, 8}, {23, 11, 9}, {21, 12, 9}, {22, 12, 10}, {31, 12, 10},
                        {1, 1, 10},  {20, 1, 10}, {21, 1, 11}, {20, 2, 11}, {21, 2, 12}, {29, 2, 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.day) + "." + std::to_string(c.month));
    EXPECT_EQ(ZodiacSign(c.day, c.month), c.sign);
  }
  EXPECT_EQ(ZodiacName(12, 0), "Pisces");
  EXPECT_EQ(ZodiacName(1, 0), "Aries");
  EXPECT_EQ(ZodiacPicture(1), "R_01");
  EXPECT_EQ(ZodiacPicture(12), "R_12");
}

TEST(ChineseYearTest, AnimalsByYear) {
  struct Case {
    int year;
    const char* picture;
    const char* name;
  };
  const Case cases[] = {{2020, "R_VOSKRIS", "Year Of The Rat"},    {2021, "R_VOSBULL", "Year Of The Ox"},
                        {2024, "R_VOSDRAG", "Year Of The Dragon"}, {2026, "R_VOSHORS", "Year Of The Horse"},
                        {2028, "R_VOSMONK", "Year Of The Monkey"}, {2031, "R_VOSPIG0", "Year Of The Pig"},
                        {2027, "R_VOSKOZA", "Year Of The Goat"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    const int animal = ChineseYearAnimal(c.year);
    EXPECT_EQ(ChineseYearPicture(animal), c.picture);
    EXPECT_EQ(ChineseYearName(animal, 0), c.name);
  }
}

// The pictures and hints of the calendar's pages on a day, in English unless asked otherwise.
std::vector<std::string> Hints(const CalendarDate& date, int language = 0) {
  std::vector<std::string> hints;
  const CalendarDayPlan plan = PlanCalendarDay(date, language);
  for (std::size_t k = 1; k < plan.Pages.size(); ++k) hints.push_back(plan.Pages[k].Hint);
  return hints;
}

bool Shows(const CalendarDate& date, const std::string& hint) {
  const auto hints = Hints(date);
  return std::find(hints.begin(), hints.end(), hint) != hints.end();
}

TEST(CalendarDayTest, HolidaysOfChosenDays) {
  struct Case {
    CalendarDate date;
    const char* hint;
    bool shown;
  };
  const Case cases[] = {
      {{2022, 4, 24}, "Easter (The Orthodox holiday)", true},
      {{2022, 4, 17}, "Easter (Catholic feast)", true},
      {{2022, 4, 17}, "The entry into Jerusalem (The Orthodox holiday)", true},
      {{2022, 4, 24}, "Easter (Catholic feast)", false},
      {{2026, 4, 12}, "Easter (The Orthodox holiday)", true},
      {{2026, 4, 5}, "Easter (Catholic feast)", true},
      {{2026, 4, 5}, "Easter (The Orthodox holiday)", false},
      {{2026, 4, 6}, "Easter Monday (Catholic feast)", true},
      {{2026, 2, 16}, "Rose Monday (German holiday)", true},
      {{2026, 5, 31}, "Trinity Sunday (The Orthodox holiday)", true},
      {{2023, 1, 16}, "Martin Luther King Jr. Day (Holiday United States)", true},
      {{2023, 1, 9}, "Martin Luther King Jr. Day (Holiday United States)", false},
      {{2023, 1, 23}, "Martin Luther King Jr. Day (Holiday United States)", false},
      {{2025, 11, 27}, "Thanksgiving (Holiday United States)", true},
      {{2025, 11, 20}, "Thanksgiving (Holiday United States)", false},
      {{2025, 5, 26}, "Memorial Day (Holiday United States)", true},  // the last Monday of May
      {{2025, 5, 26}, "Spring bank holiday (Holiday UK)", true},
      {{2025, 5, 19}, "Memorial Day (Holiday United States)", false},
      {{2024, 8, 26}, "Summer bank holiday (Holiday UK)", true},
      {{2024, 2, 29}, "Summer bank holiday (Holiday UK)", false},
      {{2024, 9, 12}, "Programmers' Day", true},  // the 256th day of a leap year
      {{2024, 9, 13}, "Programmers' Day", false},
      {{2025, 9, 13}, "Programmers' Day", true},
      {{2025, 9, 12}, "Programmers' Day", false},
      {{2025, 5, 9}, "Victory Day (80-th anniversary, Russian Festival)", true},
      {{2026, 7, 20}, "First Moon landing (57-th anniversary)", true},
      {{2026, 1, 1}, "New Year", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.date.Year) + "-" + std::to_string(c.date.Month) + "-" + std::to_string(c.date.Day) +
                 " " + c.hint);
    EXPECT_EQ(Shows(c.date, c.hint), c.shown);
  }
}

TEST(CalendarDayTest, FirstTwoPagesAndADayWithoutHolidays) {
  const CalendarDayPlan plan = PlanCalendarDay({2023, 7, 5}, 0);
  EXPECT_EQ(plan.Day, 5);
  EXPECT_FALSE(plan.Sunday);
  EXPECT_EQ(plan.MonthName, "July");
  EXPECT_EQ(plan.ZodiacPicture, "R_04");
  EXPECT_EQ(plan.ZodiacHint, "Cancer");
  ASSERT_EQ(plan.Pages.size(), 1u);  // only the Chinese year: two pages in all
  EXPECT_EQ(plan.Pages[0].Picture, "R_VOSRABB");
  EXPECT_EQ(plan.Pages[0].Hint, "Year Of The Rabbit");

  const CalendarDayPlan russian = PlanCalendarDay({2025, 5, 11}, 1);
  EXPECT_TRUE(russian.Sunday);
  EXPECT_EQ(russian.MonthName, "Мая");
  EXPECT_EQ(PlanCalendarDay({2025, 5, 9}, 1).Pages.at(1).Hint, "День Победы (80-я годовщина, Российский праздник)");
}

TEST(CalendarDayTest, HintsJoinAnniversaryAndCategory) {
  TInfoX h;
  h.Str[0] = "Name";
  struct Case {
    const char* year;
    const char* who;
    int currentYear;
    const char* hint;
  };
  const Case cases[] = {{"1945", "RUS", 2025, "Name (80-th anniversary, Russian Festival)"},
                        {"1969", "HIS", 2026, "Name (57-th anniversary)"},
                        {"0000", "KAT", 2026, "Name (Catholic feast)"},
                        {"0000", "ALL", 2026, "Name"},
                        {"2026", "ALL", 2026, "Name"},  // no anniversary in the event's own year
                        {"2030", "USA", 2026, "Name (Holiday United States)"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hint);
    h.Year = c.year;
    h.Who = c.who;
    EXPECT_EQ(HolidayHint(h, c.currentYear, 0), c.hint);
  }
}

TEST(HolidayTableTest, BuiltInTableIsWholeAndNeverCrowdsADay) {
  const auto& rows = BuiltInHolidayTable();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kHolidayRowCount));
  std::set<std::string> categories;
  for (const std::string& row : rows) {
    SCOPED_TRACE(row.substr(0, 24));
    const auto info = ParseHolidayRow(row);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->Res.size(), 9u);
    EXPECT_EQ(info->Res.substr(0, 2), "R_");
    for (const std::string& name : info->Str) EXPECT_FALSE(name.empty());
    categories.insert(info->Who);
  }
  for (const char* who : {"ALL", "ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT"}) {
    EXPECT_TRUE(categories.count(who)) << who;
  }
  // Eight pages hold at most six holidays: no day of these years may have more.
  for (int year = 2020; year <= 2045; ++year) {
    const bool leap = IsLeapYear(year);
    for (int d = 1; d <= 365 + (leap ? 1 : 0); ++d) {
      const DayMonth dm = DayOfYearToDate(d, leap);
      const CalendarDate date{year, dm.Month, dm.Day};
      const auto resolved = ResolveMovableRows(rows, date);
      int count = 0;
      for (const std::string& row : resolved) {
        if (std::stoi(row.substr(0, 2)) == dm.Day && std::stoi(row.substr(3, 2)) == dm.Month) ++count;
      }
      ASSERT_LE(count, kMaxHolidaysPerDay) << year << "-" << dm.Month << "-" << dm.Day;
    }
  }
  EXPECT_TRUE(CalendarTextProblems().empty());
}

TEST(HolidayTableTest, MalformedRowsAreDroppedAndReported) {
  const std::string good = "01.01.0000#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#ALL";
  const std::vector<std::string_view> lines = {
      "# a note",
      "",
      good,
      "01.01.0000#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#",    // nine names
      "1.01.0000#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#",   // date one character short
      "01.01.0000#ALL#R_NEWYEA#a#b#c#d#e#f#g#h#i#j#",   // picture name of eight characters
      "pasha.x000#PRA#R_PASHA00#a#b#c#d#e#f#g#h#i#j#",  // neither Easter
      "****6.2.01#USA#R_USAFLAG#a#b#c#d#e#f#g#h#i#j#",  // no sixth week
      "****1.8.01#USA#R_USAFLAG#a#b#c#d#e#f#g#h#i#j#",  // no eighth weekday
      "01.01.0000",
  };
  std::vector<std::string> problems;
  const auto rows = ReadHolidayRows(lines, problems);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], good);
  EXPECT_EQ(problems.size(), 7u);
  const auto info = ParseHolidayRow(good);
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->Str[0], "b");  // English is the second name of a row
  EXPECT_EQ(info->Str[1], "a");
  EXPECT_EQ(info->Str[9], "j");
}

TEST(HolidayTableTest, DistanceWithoutItsEasterNeverMatches) {
  const std::vector<std::string> rows = {"pasha.k+01#KAT#R_PASHAK0#a#b#c#d#e#f#g#h#i#j#",
                                         "pasha.k000#KAT#R_PASHAK0#a#b#c#d#e#f#g#h#i#j#",
                                         "pasha.k+01#KAT#R_PASHAK0#a#b#c#d#e#f#g#h#i#j#"};
  const auto resolved = ResolveMovableRows(rows, {2026, 4, 6});
  EXPECT_EQ(resolved[0].substr(0, 10), "00.00.0000");
  EXPECT_EQ(resolved[1].substr(0, 10), "05.04.0000");
  EXPECT_EQ(resolved[2].substr(0, 10), "06.04.0000");
}

}  // namespace
}  // namespace tavlo
