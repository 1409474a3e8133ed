#include "records/club_members.h"

#include <limits>

#include "records/fixed_fields.h"
#include "records/member_line.h"

namespace tavlo {
namespace {

constexpr int kMemberLines = 5;

// Insertion by rating: above the first member with an equal or lower rating, or in the first free
// place. Returns the line number, 0 when every place holds a better member.
int InsertByRating(ClubLines& lines, const std::string& line) {
  const double rating = MemberRatingOf(line).value_or(0.0);
  for (int p = 1; p <= kMemberLines; ++p) {
    const bool free = IsFreeForInsertion(lines[p]);
    // A rating that cannot be read ranks lowest, so a damaged line never blocks a real one.
    const double other = MemberRatingOf(lines[p]).value_or(-std::numeric_limits<double>::infinity());
    if (free || rating >= other) {
      for (int q = kMemberLines; q > p; --q) lines[q] = lines[q - 1];
      lines[p] = line;
      return p;
    }
  }
  return 0;
}

// Offers a cycle score to the top ten; returns the place reached (0 none).
int InsertIntoTopTen(ClubLines& lines, const std::string& memberLine, std::int64_t score) {
  for (int p = kFirstTopTenLine; p <= kLastTopTenLine; ++p) {
    const std::int64_t held = TopTenScoreOf(lines[p]).value_or(std::numeric_limits<std::int64_t>::min());
    if (score >= held) {
      for (int q = kLastTopTenLine; q > p; --q) lines[q] = lines[q - 1];
      lines[p] = TopTenLineOf(memberLine);
      return p - kFirstTopTenLine + 1;
    }
  }
  return 0;
}

}  // namespace

void RemoveMemberLine(ClubLines& lines, int slot) {
  if (slot < 1 || slot > kMemberLines) return;
  for (int p = slot; p < kMemberLines; ++p) lines[p] = lines[p + 1];
  lines[kMemberLines] = EmptyMemberLine();
}

StoreResult StoreMemberLine(ClubLines& lines, std::string_view line, bool topTenPending) {
  StoreResult result;
  std::string member = PadRight(line, kMemberLineLength);
  if (topTenPending) {
    const std::int64_t score = MemberScoreOf(member).value_or(0);
    result.TopTenPlace = InsertIntoTopTen(lines, member, score);
    result.PlacedScore = static_cast<std::int32_t>(score);
    member = WithScore(member, 0);
  }
  result.MemberLine = InsertByRating(lines, member);
  result.StoredLine = member;
  return result;
}

ClubUpdate RemoveMember(const std::filesystem::path& path, int slot, bool clubNoWrite) {
  if (slot < 1 || slot > kMemberLines) return ClubUpdate::NotWritten;
  ClubFileContents contents = ReadClubFile(path);
  if (contents.Status != ClubRead::Read) return ClubUpdate::FileIncorrect;
  RemoveMemberLine(contents.Lines, slot);
  return WriteClubFile(path, contents.Lines, clubNoWrite);
}

StoreResult StoreMember(std::string_view line, const std::filesystem::path& path, bool topTenPending,
                        bool clubNoWrite) {
  return ReplaceMember(path, 0, line, topTenPending, clubNoWrite);
}

StoreResult ReplaceMember(const std::filesystem::path& path, int slot, std::string_view line, bool topTenPending,
                          bool clubNoWrite) {
  ClubFileContents contents = ReadClubFile(path);
  if (contents.Status != ClubRead::Read) {
    StoreResult result;
    result.Update = ClubUpdate::FileIncorrect;
    return result;
  }
  RemoveMemberLine(contents.Lines, slot);
  StoreResult result = StoreMemberLine(contents.Lines, line, topTenPending);
  result.Update = WriteClubFile(path, contents.Lines, clubNoWrite);
  return result;
}

StoreResult RenameMember(const std::filesystem::path& path, int slot, std::string_view seriesStartLine,
                         std::string_view newName, std::string_view passwordDigits, bool clubNoWrite) {
  return ReplaceMember(path, slot, WithNameAndPassword(seriesStartLine, newName, passwordDigits), false, clubNoWrite);
}

}  // namespace tavlo
