#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

// A club member line, 59 bytes in the club file's code page:
//   1..20 name, 21..30 rating text, 31..37 Kon (all deals played), 38 blank,
//   39..44 Score of the running cycle of 40 deals, 45..59 password digits.
inline constexpr int kMemberLineLength = 59;
inline constexpr int kMemberNameLength = 20;

// The line of a free place: 37 "#", a blank, 21 "#".
std::string EmptyMemberLine();

// Builds a member line. `name` is UTF-8 and is converted, padded and cut to 20 characters;
// Kon and Score are clamped to their columns so the line always keeps its length.
std::string MakeMemberLine(std::string_view name, double rating, std::int64_t kon, std::int64_t score,
                           std::string_view passwordDigits);

// Each reader of the club looks at its own column to decide that a place is free.
bool IsFreeForList(std::string_view line);       // column 33: the club list and the name dialog
bool IsFreeForInsertion(std::string_view line);  // column 37: the sorted insertion
bool HasNoRating(std::string_view line);         // column 30: the rating display
bool HasNoDeals(std::string_view line);          // columns 31..37 all "#": the deal display

// Fields of a member line; names come back as UTF-8 with the padding kept.
std::string MemberNameOf(std::string_view line);
std::optional<double> MemberRatingOf(std::string_view line);
std::optional<std::int64_t> MemberKonOf(std::string_view line);
std::optional<std::int64_t> MemberScoreOf(std::string_view line);
std::string_view PasswordDigitsOf(std::string_view line);

// The same line with columns 39..44 set to a new Score.
std::string WithScore(std::string_view line, std::int64_t score);
// The same line with a new name (UTF-8) and password field.
std::string WithNameAndPassword(std::string_view line, std::string_view name, std::string_view passwordDigits);

// A top-ten line, 26 bytes: 1..20 name, 21..26 the cycle score.
inline constexpr int kTopTenLineLength = 26;
std::string MakeTopTenLine(std::string_view name, std::int64_t score);  // name in UTF-8
// The top-ten line a member line earns: its name and its Score columns as they stand.
std::string TopTenLineOf(std::string_view memberLine);
std::string TopTenNameOf(std::string_view line);
std::optional<std::int64_t> TopTenScoreOf(std::string_view line);

}  // namespace tavlo
