#include <gtest/gtest.h>

#include <random>

#include "records/club_check.h"
#include "records/club_members.h"
#include "records/history_file.h"
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
  TempFolder folder;
  const auto path = folder.Path() / "Tavlo.clb";
  for (int round = 0; round < 300; ++round) {
    WriteAll(path, RandomBytes(rng, 1200));
    EXPECT_EQ(CheckClubFile(path).Outcome, ClubCheckOutcome::Incorrect) << round;
    // The club operations refuse the file and leave it as it is.
    EXPECT_EQ(RemoveMember(path, 1 + static_cast<int>(round % 5), false), ClubUpdate::FileIncorrect);
  }
}

TEST(ClubFuzzTest, RandomEditsOfACorrectFileAreIncorrect) {
  std::mt19937 rng(17);
  TempFolder folder;
  const auto path = folder.Path() / "Tavlo.clb";
  const std::vector<std::string> lines = SplitLines(ClubFileBytes(DefaultClub()));
  for (int round = 0; round < 500; ++round) {
    // Lines 1..16 are all guarded; of line 17 only the checksums (from column 11).
    WriteAll(path, EditLines(rng, lines, 17, 10));
    EXPECT_EQ(CheckClubFile(path).Outcome, ClubCheckOutcome::Incorrect) << round;
  }
}

TEST(HistoryFuzzTest, RandomBytesAreInvalid) {
  std::mt19937 rng(7);
  TempFolder program;
  const auto folder = HistoryFolder(program.Path());
  std::filesystem::create_directories(folder);
  FixedClock clock;
  for (int round = 0; round < 300; ++round) {
    WriteAll(HistoryFilePath(folder, 1), RandomBytes(rng, 800));
    EXPECT_FALSE(CheckHistoryFile(folder, 1, clock).Valid) << round;
    EXPECT_TRUE(HistoryRecordLines(HistoryFilePath(folder, 1)).empty());
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
  for (int round = 0; round < 500; ++round) {
    WriteAll(HistoryFilePath(folder, 1), EditLines(rng, lines, lines.size(), 0));
    EXPECT_FALSE(CheckHistoryFile(folder, 1, clock).Valid) << round;
  }
}

}  // namespace
}  // namespace tavlo
