#include "records/club_file.h"

#include "files/atomic_write.h"
#include "records/fixed_fields.h"
#include "records/member_line.h"
#include "records/text_lines.h"

namespace tavlo {
namespace {

constexpr int kChecksumColumn = 11;
constexpr int kChecksumDigits = 6;

static_assert(kClubFileMaximumSize ==
              5 * (kMemberLineLength + 2) + 10 * (kTopTenLineLength + 2) + 2 * (kClubLastLineLength + 2));

int ExpectedLength(int line) {
  if (line <= 5) return kMemberLineLength;
  if (line <= kLastTopTenLine) return kTopTenLineLength;
  return kClubLastLineLength;
}

}  // namespace

bool HasClubShape(const std::vector<std::string>& lines) {
  if (lines.size() != static_cast<std::size_t>(kClubLineCount)) return false;
  for (int i = 1; i <= kClubLineCount; ++i) {
    if (lines[static_cast<std::size_t>(i - 1)].size() != static_cast<std::size_t>(ExpectedLength(i))) return false;
  }
  return true;
}

ClubChecksums ComputeClubChecksums(const ClubLines& lines) {
  ClubChecksums sums;
  std::int64_t position = 0;
  for (int i = 1; i < kSealLine; ++i) {
    for (const char c : lines[i]) {
      ++position;
      const auto b = static_cast<unsigned char>(c);
      sums.S1 += b;
      if (position % 2 == 0) sums.S2 += b;
      if (position % 3 == 0) sums.S3 += b;
    }
  }
  return sums;
}

void SealClubLines(ClubLines& lines) {
  const ClubChecksums sums = ComputeClubChecksums(lines);
  std::string& seal = lines[kSealLine];
  seal = PadRight(seal, kClubLastLineLength);
  seal.replace(kChecksumColumn - 1, 3 * kChecksumDigits,
               ZeroPadded(sums.S1, kChecksumDigits) + ZeroPadded(sums.S2, kChecksumDigits) +
                   ZeroPadded(sums.S3, kChecksumDigits));
}

ClubSeal CheckClubSeal(const ClubLines& lines) {
  const std::string& seal = lines[kSealLine];
  const auto stored = [&seal](int column) { return ParseDigits(Columns(seal, column, kChecksumDigits)); };
  const std::optional<std::int64_t> s1 = stored(kChecksumColumn);
  const std::optional<std::int64_t> s2 = stored(kChecksumColumn + kChecksumDigits);
  const std::optional<std::int64_t> s3 = stored(kChecksumColumn + 2 * kChecksumDigits);
  if (!s1 || !s2 || !s3) return ClubSeal::BadField;
  return ComputeClubChecksums(lines) == ClubChecksums{*s1, *s2, *s3} ? ClubSeal::Agrees : ClubSeal::Mismatch;
}

std::string ClubFileBytes(ClubLines lines) {
  SealClubLines(lines);
  return JoinLines(std::vector<std::string>(lines.begin(), lines.end()));
}

ClubFileContents ReadClubFile(const std::filesystem::path& path) {
  ClubFileContents contents;
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    contents.Status = error ? ClubRead::Unreadable : ClubRead::Missing;
    return contents;
  }
  const std::optional<std::string> bytes = ReadFileBytes(path, kClubFileMaximumSize);
  if (!bytes) {
    contents.Status = IsLargerThan(path, kClubFileMaximumSize) ? ClubRead::WrongShape : ClubRead::Unreadable;
    return contents;
  }
  return ParseClubFile(*bytes);
}

ClubFileContents ParseClubFile(std::string_view bytes) {
  ClubFileContents contents;
  const std::vector<std::string> lines = SplitLines(bytes);
  if (!HasClubShape(lines)) {
    contents.Status = ClubRead::WrongShape;
    return contents;
  }
  for (int i = 1; i <= kClubLineCount; ++i) contents.Lines[i] = lines[static_cast<std::size_t>(i - 1)];
  contents.Status = CheckClubSeal(contents.Lines) == ClubSeal::Agrees ? ClubRead::Read : ClubRead::BadSeal;
  return contents;
}

ClubUpdate WriteClubFile(const std::filesystem::path& path, ClubLines lines, bool clubNoWrite) {
  if (clubNoWrite) return ClubUpdate::NotWritten;
  return WriteFileAtomically(path, ClubFileBytes(std::move(lines))) ? ClubUpdate::WriteFailed : ClubUpdate::Written;
}

}  // namespace tavlo
