#pragma once

#include <string>

namespace tavlo {

// One row of the club list on the menu, built from a member line of the club file (in
// the file's Windows-1251 bytes; the row is UTF-8). Mode 1 shows the deals of the
// current cycle and the cycle score, mode 2 all deals and the rating.
std::string ClubListRow(const std::string& memberLine, int clubListMode);

// A member row is empty, and its click ignored, when column 33 is "#".
bool IsEmptyClubRow(const std::string& memberLine);

// A top-ten line (name and cycle score) for the panels above the list.
std::string TopTenRow(const std::string& topTenLine);

}  // namespace tavlo
