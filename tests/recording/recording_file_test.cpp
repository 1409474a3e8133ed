#include "ui/recording/recording_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <sstream>

namespace tavlo {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class RecordingFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("tavlo_recording_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
};

TEST(RecordingNameTest, DateAndTimeWithDots) {
  const struct {
    RecordingTime time;
    const char* base;
  } cases[] = {
      {{2022, 10, 18, 14, 5, 33}, "2022.10.18-14.05.33"},
      {{2026, 1, 2, 0, 0, 0}, "2026.01.02-00.00.00"},
      {{1999, 12, 31, 23, 59, 59}, "1999.12.31-23.59.59"},
  };
  for (const auto& c : cases) EXPECT_EQ(RecordingBaseName(c.time), c.base);
  EXPECT_EQ(RecordingFileName("2022.10.18-14.05.33", 1), "2022.10.18-14.05.33.gif");
  EXPECT_EQ(RecordingFileName("2022.10.18-14.05.33", 2), "2022.10.18-14.05.33_2.gif");
  EXPECT_EQ(RecordingFileName("2022.10.18-14.05.33", 12), "2022.10.18-14.05.33_12.gif");
}

// Two saves in one second keep both recordings; the folder is made on the first save.
TEST_F(RecordingFileTest, SavesInTheSameSecondAreAllKept) {
  const fs::path folder = root_ / "GIFGame";
  const std::string base = "2022.10.18-14.05.33";
  const SavedRecording first = SaveRecording(folder, base, "first");
  const SavedRecording second = SaveRecording(folder, base, "second");
  const SavedRecording third = SaveRecording(folder, base, "third");
  ASSERT_FALSE(first.error);
  ASSERT_FALSE(second.error);
  ASSERT_FALSE(third.error);
  EXPECT_EQ(first.path, folder / "2022.10.18-14.05.33.gif");
  EXPECT_EQ(second.path, folder / "2022.10.18-14.05.33_2.gif");
  EXPECT_EQ(third.path, folder / "2022.10.18-14.05.33_3.gif");
  EXPECT_EQ(Read(first.path), "first");
  EXPECT_EQ(Read(second.path), "second");
  EXPECT_EQ(Entries(folder).size(), 3u);
}

TEST_F(RecordingFileTest, AFileWhereTheFolderShouldBeFailsAndStaysAsItWas) {
  std::ofstream(root_ / "GIFGame") << "not a folder";
  const SavedRecording saved = SaveRecording(root_ / "GIFGame", "2022.10.18-14.05.33", "gif");
  EXPECT_TRUE(saved.error);
  EXPECT_TRUE(saved.path.empty());
  EXPECT_EQ(Read(root_ / "GIFGame"), "not a folder");
}

// A full disk, imitated by a file size limit: the new recording fails, the old ones stay whole
// and no half-written file is left.
TEST_F(RecordingFileTest, AFullDiskKeepsEarlierRecordingsAndLeavesNoPart) {
  const fs::path folder = root_ / "GIFGame";
  ASSERT_FALSE(SaveRecording(folder, "2022.10.18-14.05.33", "earlier").error);

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 16;
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const SavedRecording failed = SaveRecording(folder, "2022.10.18-14.05.33", std::string(4096, 'g'));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_TRUE(failed.error);
  EXPECT_TRUE(failed.path.empty());
  EXPECT_EQ(Entries(folder), std::vector<std::string>{"2022.10.18-14.05.33.gif"});
  EXPECT_EQ(Read(folder / "2022.10.18-14.05.33.gif"), "earlier");
}

}  // namespace
}  // namespace tavlo
