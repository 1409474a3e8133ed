#include "ui/menu/club_list.h"

#include <cstdio>

#include "lang/cp1251.h"
#include "records/member_line.h"
#include "records/rating.h"

namespace tavlo {
namespace {

// Columns from..to (1-based) of a fixed-width line as they stand, blank-filled when short.
std::string Columns(const std::string& line, std::size_t from, std::size_t to) {
  std::string part = line.size() >= from ? line.substr(from - 1, to - from + 1) : std::string();
  part.resize(to - from + 1, ' ');
  return part;
}

std::string RightAligned(long long value, int width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%*lld", width, value);
  return buffer;
}

}  // namespace

bool IsEmptyClubRow(const std::string& memberLine) {
  return memberLine.size() < static_cast<std::size_t>(kMemberLineLength) || IsFreeForList(memberLine);
}

std::string ClubListRow(const std::string& memberLine, int clubListMode) {
  std::string line = memberLine;
  line.resize(kMemberLineLength, '#');
  const std::string name = Cp1251ToUtf8(Columns(line, 1, 20));
  const std::string kon = Columns(line, 31, 37);
  const std::string score = Columns(line, 39, 44);
  if (clubListMode == 2) {
    const auto rating = HasNoRating(line) ? std::nullopt : MemberRatingOf(line);
    return name + "  " + kon + "  " + (rating ? ScreenRatingText(*rating) : std::string("######"));
  }
  const auto deals = HasNoDeals(line) ? std::nullopt : MemberKonOf(line);
  return name + "    " + (deals ? RightAligned(*deals % 40, 3) : std::string("###")) + "    " + score;
}

std::string TopTenRow(const std::string& topTenLine) {
  return Cp1251ToUtf8(Columns(topTenLine, 1, 20) + "  " + Columns(topTenLine, 21, 26));
}

}  // namespace tavlo
