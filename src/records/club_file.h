#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "game/one_based.h"

namespace tavlo {

// A club file: 17 lines of bytes in the file's code page, CR LF ends.
//   1..5   member lines (59 bytes), highest rating first, free places last
//   6..15  the top ten (26 bytes), place 1 first
//   16     marker line (28 bytes): the game number + 100 as a byte, then "}"
//   17     language flag, installation label (7..9) and the checksums S1, S2, S3 (11..28)
inline constexpr int kClubLineCount = 17;
inline constexpr int kFirstTopTenLine = 6;
inline constexpr int kLastTopTenLine = 15;
inline constexpr int kMarkerLine = 16;
inline constexpr int kSealLine = 17;
inline constexpr int kClubLastLineLength = 28;
inline constexpr unsigned char kGameMarker = 59 + 100;

using ClubLines = OneBased<std::string, kClubLineCount>;

// The largest file of that shape: 17 lines of fixed lengths, each ended by CR LF. A larger file
// is damaged and is not read.
inline constexpr std::size_t kClubFileMaximumSize = 5 * (59 + 2) + 10 * (26 + 2) + 2 * (kClubLastLineLength + 2);

// Lines of the right count and lengths for a club file.
bool HasClubShape(const std::vector<std::string>& lines);

struct ClubChecksums {
  std::int64_t S1 = 0;  // every byte of lines 1..16 joined without line ends
  std::int64_t S2 = 0;  // the bytes at even positions (counted from 1)
  std::int64_t S3 = 0;  // the bytes at positions divisible by 3
  friend bool operator==(const ClubChecksums&, const ClubChecksums&) = default;
};
ClubChecksums ComputeClubChecksums(const ClubLines& lines);

// Whether the checksums stored in line 17 are those of lines 1..16.
enum class ClubSeal {
  Agrees,
  BadField,  // columns 11..28 are not three six-digit numbers
  Mismatch,  // the numbers are not the checksums: the file was changed by something else
};
ClubSeal CheckClubSeal(const ClubLines& lines);

// Replaces columns 11..28 of line 17 with the checksums of lines 1..16.
void SealClubLines(ClubLines& lines);

// The file's bytes, sealed.
std::string ClubFileBytes(ClubLines lines);

enum class ClubRead {
  Read,
  Missing,
  Unreadable,  // exists but cannot be read
  WrongShape,
  BadSeal,  // the right shape, but the checksums do not agree (see CheckClubSeal)
};

struct ClubFileContents {
  ClubRead Status = ClubRead::Missing;
  ClubLines Lines{};  // valid when Status is Read
};

// Reads a club file and checks its shape and checksums, on every read: a file changed while the
// program runs must not be re-sealed, with valid checksums, by the next write.
ClubFileContents ReadClubFile(const std::filesystem::path& path);
// The same for the bytes of a file that was read.
ClubFileContents ParseClubFile(std::string_view bytes);

// What became of a change to a club file.
enum class ClubUpdate {
  Written,
  NotWritten,     // writing is off for this run (the file has wrong attributes)
  WriteFailed,    // "Error of disk writing!": the file keeps its previous contents
  FileIncorrect,  // the file could not be read as a club file: it was left alone
};

// Seals and writes the lines through the atomic writer unless `clubNoWrite`.
ClubUpdate WriteClubFile(const std::filesystem::path& path, ClubLines lines, bool clubNoWrite);

}  // namespace tavlo
