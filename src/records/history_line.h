#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

// One finished series in the history.
struct HisStr {
  std::string HName;      // the player's name, or several names joined by "/" (UTF-8)
  std::int32_t HKon = 0;  // deals played in the series
  std::int32_t HRes = 0;  // result of the series
  double HRei = 0.0;      // rating after the series
  std::uint8_t Ac = 0;    // 0 against the computer, 1 rated club-account play, 2 online tournament, 3 LAN game

  friend bool operator==(const HisStr&, const HisStr&) = default;
};

// History lines, bytes in the file's code page. A record line is 114 bytes:
//   1..5 time "hh:nn", 6..15 date, 16..66 name, 67..69 deals, 70..79 result, 80..89 rating
//   (on-screen form), 90..99 kind ("L#########" ...), then C1, C2, C3 over positions 1..99
//   (all bytes, even positions, positions divisible by 3), five digits each.
// The end line: "$", the game number + 100 as a byte, "}", "#" up to position 99, its sums.
// The totals line: T1, T2, T3 (ten digits each), the sums of C1, C2, C3 over the record lines and
// the end line.
inline constexpr int kHistoryLineLength = 114;
inline constexpr int kHistoryBodyLength = 99;
inline constexpr int kHistoryTotalsLength = 30;

struct LineSums {
  std::int64_t C1 = 0;
  std::int64_t C2 = 0;
  std::int64_t C3 = 0;
  LineSums& operator+=(const LineSums& other);
  friend bool operator==(const LineSums&, const LineSums&) = default;
};

// The sums over positions 1..99 of a line (fewer when it is shorter).
LineSums BodySums(std::string_view line);
// The sums written in columns 100..114; nullopt when they are not numbers.
std::optional<LineSums> WrittenSums(std::string_view line);

std::string HistoryRecordLine(const HisStr& record, std::string_view timeText, std::string_view dateText);
std::string HistoryEndLine();
std::string HistoryTotalsLine(const LineSums& totals);

}  // namespace tavlo
