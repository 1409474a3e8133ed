#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavlo {

// Client width of the notice window for the widest of its lines (in pixels).
constexpr int NoticeClientWidth(int widestLine) { return widestLine + 59 >= 350 ? widestLine + 59 + 50 : 400; }

// Shortens a fixed-pitch club list row until it is narrower than `limit` pixels by
// deleting characters at position 20, then 19, ... (1-based, never below 5). When a
// deleted character was not a blank or "#", the three characters before the cut
// become "...". Text is UTF-8; positions count characters.
std::string ShortenRow(const std::string& row, int limit, const std::function<int(const std::string&)>& width);

}  // namespace tavlo
