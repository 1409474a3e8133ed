#include "records/member_line.h"

#include "lang/cp1251.h"
#include "records/fixed_fields.h"
#include "records/rating.h"

namespace tavlo {
namespace {

constexpr int kRatingColumn = 21;
constexpr int kRatingWidth = 10;
constexpr int kKonColumn = 31;
constexpr int kKonWidth = 7;
constexpr int kScoreColumn = 39;
constexpr int kScoreWidth = 6;
constexpr int kPasswordColumn = 45;
constexpr int kPasswordWidth = 15;
constexpr int kTopTenScoreWidth = 6;

bool ColumnIsHash(std::string_view line, int column) { return Columns(line, column, 1) == "#"; }

std::string NameField(std::string_view name) { return PadRight(Utf8ToCp1251(name), kMemberNameLength); }

}  // namespace

std::string EmptyMemberLine() { return std::string(37, '#') + " " + std::string(21, '#'); }

std::string MakeMemberLine(std::string_view name, double rating, std::int64_t kon, std::int64_t score,
                           std::string_view passwordDigits) {
  return NameField(name) + RatingText(rating) + NumberField(kon, kKonWidth) + " " + NumberField(score, kScoreWidth) +
         PadRight(passwordDigits, kPasswordWidth);
}

bool IsFreeForList(std::string_view line) { return ColumnIsHash(line, 33); }
bool IsFreeForInsertion(std::string_view line) { return ColumnIsHash(line, 37); }
bool HasNoRating(std::string_view line) { return ColumnIsHash(line, 30); }
bool HasNoDeals(std::string_view line) { return Columns(line, kKonColumn, kKonWidth) == "#######"; }

std::string MemberNameOf(std::string_view line) { return Cp1251ToUtf8(Columns(line, 1, kMemberNameLength)); }

std::optional<double> MemberRatingOf(std::string_view line) {
  return ParseRatingText(Columns(line, kRatingColumn, kRatingWidth));
}

std::optional<std::int64_t> MemberKonOf(std::string_view line) {
  return ParseWholeNumber(Columns(line, kKonColumn, kKonWidth));
}

std::optional<std::int64_t> MemberScoreOf(std::string_view line) {
  return ParseWholeNumber(Columns(line, kScoreColumn, kScoreWidth));
}

std::string_view PasswordDigitsOf(std::string_view line) { return Columns(line, kPasswordColumn, kPasswordWidth); }

std::string WithScore(std::string_view line, std::int64_t score) {
  std::string out = PadRight(line, kMemberLineLength);
  out.replace(kScoreColumn - 1, kScoreWidth, NumberField(score, kScoreWidth));
  return out;
}

std::string WithNameAndPassword(std::string_view line, std::string_view name, std::string_view passwordDigits) {
  std::string out = PadRight(line, kMemberLineLength);
  out.replace(0, kMemberNameLength, NameField(name));
  out.replace(kPasswordColumn - 1, kPasswordWidth, PadRight(passwordDigits, kPasswordWidth));
  return out;
}

std::string MakeTopTenLine(std::string_view name, std::int64_t score) {
  return NameField(name) + NumberField(score, kTopTenScoreWidth);
}

std::string TopTenLineOf(std::string_view memberLine) {
  return PadRight(Columns(memberLine, 1, kMemberNameLength), kMemberNameLength) +
         PadRight(Columns(memberLine, kScoreColumn, kScoreWidth), kScoreWidth);
}

std::string TopTenNameOf(std::string_view line) { return Cp1251ToUtf8(Columns(line, 1, kMemberNameLength)); }

std::optional<std::int64_t> TopTenScoreOf(std::string_view line) {
  return ParseWholeNumber(Columns(line, kMemberNameLength + 1, kTopTenScoreWidth));
}

}  // namespace tavlo
