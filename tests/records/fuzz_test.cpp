#include <gtest/gtest.h>

#include <random>

#include "records/club_check.h"
#include "records/club_members.h"
#include "records/history_file.h"
#include "records/member_line.h"
#include "records_fixture.h"

namespace tavlo {
namespace {

using testing_support::DefaultClub;
using testing_support::FixedClock;
using testing_support::TempFolder;
using testing_support::WriteAll;

// Bytes that matter to the readers turn up more often than in uniform noise.
char RandomByte(std::mt19937& rng) {
  static constexpr char kInteresting[] = {'\r', '\n', '#', '$', '}', ' ', '-', ',', '0', '9', '\x9F'};
  if (rng() % 3 == 0) return kInteresting[rng() % sizeof kInteresting];
  return static_cast<char>(rng() % 256);
}

std::string RandomBytes(std::mt19937& rng, std::size_t maxLength) {
  std::string bytes(rng() % (maxLength + 1), '\0');
  for (char& c : bytes) c = RandomByte(rng);
  return bytes;
}

// One random edit of a file's lines: a changed byte, a lost line, a doubled line or a cut.
std::string EditLines(std::mt19937& rng, std::vector<std::string> lines, std::size_t guardedLines,
                      std::size_t firstGuardedColumnOfLast) {
  switch (rng() % 4) {
    case 0: {
      const std::size_t i = rng() % guardedLines;
      std::string& line = lines[i];
      const std::size_t from = i + 1 == guardedLines ? firstGuardedColumnOfLast : 0;
      const std::size_t at = from + rng() % (line.size() - from);
      char replacement;
      do replacement = RandomByte(rng);
      while (replacement == line[at]);
      line[at] = replacement;
      break;
    }
    case 1:
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(rng() % lines.size()));
      break;
    case 2: {
      // A copy of the last line after it adds nothing a reader looks at.
      const std::size_t i = rng() % (lines.size() - 1);
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), lines[i]);
      break;
    }
    default: {
      std::string joined = JoinLines(lines);
      return joined.substr(0, rng() % (joined.size() - 2));  // losing only the last line end is no damage
    }
  }
  return JoinLines(lines);
}

TEST(ClubFuzzTest, RandomBytesAreIncorrect) {
  std::mt19937 rng(2026);
  for (int round = 0; round < 20000; ++round) {
    EXPECT_EQ(CheckClubContents(RandomBytes(rng, 1200)).Outcome, ClubCheckOutcome::Incorrect) << round;
  }
  // Seventeen lines of the right lengths filled with noise: the shape passes, the sums do not.
  for (int round = 0; round < 20000; ++round) {
    ClubLines club;
    for (int i = 1; i <= kClubLineCount; ++i) {
      club[i] = std::string(i <= 5 ? 59 : (i <= 15 ? 26 : 28), ' ');
      for (char& c : club[i]) {
        do c = RandomByte(rng);
        while (c == '\r' || c == '\n');
      }
    }
    std::vector<std::string> lines(club.begin(), club.end());
    EXPECT_EQ(CheckClubContents(JoinLines(lines)).Outcome, ClubCheckOutcome::Incorrect) << round;
  }
}

TEST(ClubFuzzTest, RandomEditsOfACorrectFileAreIncorrect) {
  std::mt19937 rng(17);
  const std::vector<std::string> lines = SplitLines(ClubFileBytes(DefaultClub()));
  ASSERT_EQ(CheckClubContents(JoinLines(lines)).Outcome, ClubCheckOutcome::Correct);
  for (int round = 0; round < 20000; ++round) {
    // Lines 1..16 are all guarded; of line 17 only the checksums (from column 11).
    EXPECT_EQ(CheckClubContents(EditLines(rng, lines, 17, 10)).Outcome, ClubCheckOutcome::Incorrect) << round;
  }
}

TEST(ClubFuzzTest, FilesOnDiskAreRefusedAndLeftAlone) {
  std::mt19937 rng(5);
  TempFolder folder;
  const auto path = folder.Path() / "Tavlo.clb";
  const std::vector<std::string> lines = SplitLines(ClubFileBytes(DefaultClub()));
  for (int round = 0; round < 40; ++round) {
    const std::string bytes = round % 2 == 0 ? RandomBytes(rng, 1200) : EditLines(rng, lines, 17, 10);
    WriteAll(path, bytes);
    EXPECT_EQ(CheckClubFile(path).Outcome, ClubCheckOutcome::Incorrect) << round;
    // A file that is not a club file any more is not rewritten from what could be read of it.
    const bool shaped = ParseClubFile(bytes).Status == ClubRead::Read;
    if (!shaped) {
      EXPECT_EQ(RemoveMember(path, 1 + round % 5, false), ClubUpdate::FileIncorrect);
      EXPECT_EQ(StoreMember(EmptyMemberLine(), path, true, false).Update, ClubUpdate::FileIncorrect);
      EXPECT_EQ(testing_support::ReadAll(path), bytes);
    }
  }
}

TEST(HistoryFuzzTest, RandomBytesAreInvalid) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20000; ++round) {
    EXPECT_FALSE(ParseHistoryFile(RandomBytes(rng, 800)).has_value()) << round;
  }
}

TEST(HistoryFuzzTest, RandomEditsOfAValidFileAreInvalid) {
  std::mt19937 rng(99);
  TempFolder program;
  const auto folder = HistoryFolder(program.Path());
  FixedClock clock;
  for (int i = 0; i < 4; ++i) WriteHistory(folder, {HisStr{"Player " + std::to_string(i), 4, i * 7, 0.25, 0}}, clock);
  const std::vector<std::string> lines = SplitLines(testing_support::ReadAll(HistoryFilePath(folder, 1)));
  ASSERT_EQ(lines.size(), 6u);
  ASSERT_TRUE(ParseHistoryFile(JoinLines(lines)).has_value());
  for (int round = 0; round < 20000; ++round) {
    EXPECT_FALSE(ParseHistoryFile(EditLines(rng, lines, lines.size(), 0)).has_value()) << round;
  }
  // And through the file: the check refuses it and the next write starts the file again.
  for (int round = 0; round < 20; ++round) {
    WriteAll(HistoryFilePath(folder, 1), EditLines(rng, lines, lines.size(), 0));
    EXPECT_FALSE(CheckHistoryFile(folder, 1, clock).Valid) << round;
  }
  EXPECT_EQ(WriteHistory(folder, {HisStr{"Next", 1, 1, 0, 0}}, clock).FileNo, 1);
  EXPECT_EQ(CheckHistoryFile(folder, 1, clock).Records, 1);
}

}  // namespace
}  // namespace tavlo
