#pragma once

#include <QDate>
#include <QImage>
#include <QString>
#include <array>
#include <filesystem>
#include <vector>

namespace tavlo {

inline constexpr char kCalendarLibrary[] = "ZanCalendar01.dll";
inline constexpr int kCalendarPageCount = 8;
inline constexpr int kCalendarPageWidth = 60;
inline constexpr int kCalendarPageHeight = 100;

// The calendar of today: page 1 the date and zodiac sign, page 2 the Chinese year, pages 3..8
// today's holidays. Index 0 is unused.
struct TInfoCal {
  std::array<QImage, kCalendarPageCount + 1> TB;
  std::array<QString, kCalendarPageCount + 1> Hint;
};

// Draws today's pages over what `info` already holds (the background under each picture) from the
// calendar library in the first of `libraryFolders` that has it. False, with nothing drawn, when
// no folder holds a library that opens. A picture the library lacks (or that is no PNG, or larger
// than a page) is left out of its page.
// Sizes of 0 mean 12 points for the day number and 8 for the month name.
bool BuildCalendar(const QString& face, int daySize, int monthSize, TInfoCal& info, int& pageCount, int language,
                   const QDate& today, const std::vector<std::filesystem::path>& libraryFolders);

}  // namespace tavlo
