#include "ui/menu/club_list.h"

#include <cstdio>
#include <cstdlib>

#include "lang/cp1251.h"
#include "records/rating.h"

namespace tavlo {
namespace {

std::string Columns(const std::string& line, std::size_t from, std::size_t to) {
  if (line.size() < from) return std::string(to - from + 1, ' ');
  std::string part = line.substr(from - 1, to - from + 1);
  part.resize(to - from + 1, ' ');
  return part;
}

std::string RightAligned(long value, int width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%*ld", width, value);
  return buffer;
}

}  // namespace

bool IsEmptyClubRow(const std::string& memberLine) { return memberLine.size() < 33 || memberLine[32] == '#'; }

std::string ClubListRow(const std::string& memberLine, int clubListMode) {
  const std::string name = Columns(memberLine, 1, 20);
  const std::string kon = Columns(memberLine, 31, 37);
  const std::string score = Columns(memberLine, 39, 44);
  std::string row;
  if (clubListMode == 2) {
    std::string rating = "######";
    if (memberLine.size() >= 30 && memberLine[29] != '#') {
      const auto value = ParseRatingText(Columns(memberLine, 21, 30));
      rating = value ? ScreenRatingText(*value) : "######";
    }
    row = name + "  " + kon + "  " + rating;
  } else {
    std::string cycle = "###";
    if (kon != "#######") cycle = RightAligned(std::strtol(kon.c_str(), nullptr, 10) % 40, 3);
    row = name + "    " + cycle + "    " + score;
  }
  return Cp1251ToUtf8(row);
}

std::string TopTenRow(const std::string& topTenLine) {
  return Cp1251ToUtf8(Columns(topTenLine, 1, 20) + "  " + Columns(topTenLine, 21, 26));
}

}  // namespace tavlo
