#include <gtest/gtest.h>

#include <filesystem>

#include "records/club_check.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/history_file.h"
#include "records_fixture.h"

namespace tavlo {
namespace {

using testing_support::DefaultClub;
using testing_support::FixedClock;
using testing_support::ReadAll;
using testing_support::TempFolder;
using testing_support::WriteAll;

namespace fs = std::filesystem;

// A multi-gigabyte file once made the program abort at start with std::bad_alloc. The test's files
// are sparse: the disk holds a few bytes, the size says gigabytes.
void MakeHuge(const fs::path& path, const std::string& start, std::uintmax_t size) {
  WriteAll(path, start);
  fs::resize_file(path, size);
  ASSERT_EQ(fs::file_size(path), size);
}

TEST(RecordFileSizeTest, AHugeClubFileIsDamagedAndIsNotRead) {
  const TempFolder folder;
  const fs::path path = folder.Path() / "Tavlo.clb";
  MakeHuge(path, ClubFileBytes(DefaultClub()), std::uintmax_t{6} << 30);

  const ClubCheck check = CheckClubFile(path);
  EXPECT_EQ(check.Outcome, ClubCheckOutcome::Incorrect);
  EXPECT_EQ(check.Fault, ClubFault::WrongShape);
  EXPECT_FALSE(ClubCheckMessage(check, path, 0).empty());
  EXPECT_EQ(ReadClubFile(path).Status, ClubRead::WrongShape);
  // Changes to such a club are refused, and the file is left as it was.
  EXPECT_EQ(RemoveMember(path, 1, false), ClubUpdate::FileIncorrect);
  EXPECT_EQ(fs::file_size(path), std::uintmax_t{6} << 30);
}

TEST(RecordFileSizeTest, AClubFileIsReadUpToTheLargestSizeOfItsShape) {
  const TempFolder folder;
  const fs::path path = folder.Path() / "Tavlo.clb";
  const std::string sound = ClubFileBytes(DefaultClub());
  ASSERT_EQ(sound.size(), kClubFileMaximumSize);
  WriteAll(path, sound);
  EXPECT_EQ(CheckClubFile(path).Outcome, ClubCheckOutcome::Correct);
  WriteAll(path, sound + "\r\n");
  EXPECT_EQ(CheckClubFile(path).Outcome, ClubCheckOutcome::Incorrect);
}

TEST(RecordFileSizeTest, AHugeHistoryFileIsDamagedAndIsWrittenAfresh) {
  const TempFolder folder;
  const fs::path history = HistoryFolder(folder.Path());
  fs::create_directories(history);
  const FixedClock clock;
  ASSERT_TRUE(WriteHistory(history, {{"Anna", 40, 12, 3.25, 0}}, clock).Saved);
  MakeHuge(HistoryFilePath(history, 1), ReadAll(HistoryFilePath(history, 1)), std::uintmax_t{3} << 30);

  EXPECT_FALSE(CheckHistoryFile(history, 1, clock).Valid);
  EXPECT_TRUE(HistoryRecordLines(HistoryFilePath(history, 1)).empty());
  const HistoryWrite write = WriteHistory(history, {{"Boris", 4, -7, -0.5, 0}}, clock);
  EXPECT_TRUE(write.Saved);
  EXPECT_EQ(write.FileNo, 1);
  EXPECT_EQ(CheckHistoryFile(history, 1, clock).Records, 1);
}

}  // namespace
}  // namespace tavlo
