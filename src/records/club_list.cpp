#include "records/club_list.h"

#include "lang/cp1251.h"
#include "records/fixed_fields.h"
#include "records/member_line.h"
#include "records/rating.h"

namespace tavlo {
namespace {

constexpr int kCycle = 40;
constexpr std::size_t kFirstCut = 20;
constexpr std::size_t kLastCut = 5;

std::string CycleDeals(std::string_view line) {
  if (HasNoDeals(line)) return "###";
  return NumberField(MemberKonOf(line).value_or(0) % kCycle, 3);
}

std::string RatingColumn(std::string_view line) {
  if (HasNoRating(line)) return "######";
  return ScreenRatingText(MemberRatingOf(line).value_or(0.0));
}

}  // namespace

std::string ClubListRow(std::string_view line, int mode) {
  const std::string name = PadRight(Columns(line, 1, kMemberNameLength), kMemberNameLength);
  if (mode == 1) return name + "    " + CycleDeals(line) + "    " + std::string(Columns(line, 39, 6));
  return name + "  " + std::string(Columns(line, 31, 7)) + "  " + RatingColumn(line);
}

std::string TopTenRow(std::string_view line) {
  return PadRight(Columns(line, 1, kMemberNameLength), kMemberNameLength) + "  " + std::string(Columns(line, 21, 6));
}

std::string ShortenClubRow(std::string_view row, int limit, const TextWidth& width) {
  std::string text(row);
  bool lostText = false;
  std::size_t cut = kFirstCut;
  while (width(Cp1251ToUtf8(text)) >= limit && cut >= kLastCut && cut <= text.size()) {
    const char deleted = text[cut - 1];
    lostText = lostText || (deleted != ' ' && deleted != '#');
    text.erase(cut - 1, 1);
    --cut;
  }
  // The last deletion was at position cut + 1; the three characters before it show the loss.
  if (lostText && cut >= 3) text.replace(cut - 3, 3, "...");
  return Cp1251ToUtf8(text);
}

}  // namespace tavlo
