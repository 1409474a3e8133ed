#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tavlo {

// Rows of the club list on the main menu, built from the club file's lines (bytes in code page 1251).
// The menu measures them in its fixed-pitch font and shortens them with ShortenClubRow.

// Mode 1 (scores): name, 4 blanks, deals of the running cycle (Kon mod 40, "###" for a free place),
// 4 blanks, Score. Mode 2 (ratings): name, 2 blanks, Kon, 2 blanks, rating in the on-screen form
// ("######" for a free place). Bytes, not yet converted.
std::string ClubListRow(std::string_view memberLine, int mode);

// A top-ten line as the menu panels show it: name, 2 blanks, score.
std::string TopTenRow(std::string_view topTenLine);

// Pixel width of a text (UTF-8) in the font the row is shown in.
using TextWidth = std::function<int(const std::string& utf8)>;

// Deletes characters at position 20, then 19, .. (never below 5) until the row is narrower than
// `limit` pixels; when a deleted character was neither a blank nor "#", the three characters before
// the cut become "...". Takes bytes, returns UTF-8.
std::string ShortenClubRow(std::string_view row, int limit, const TextWidth& width);

}  // namespace tavlo
