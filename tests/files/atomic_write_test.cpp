#include "files/atomic_write.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <fstream>
#include <sstream>

namespace tavlo {
namespace {

namespace fs = std::filesystem;

class AtomicWriteTest : public testing::Test {
 protected:
  void SetUp() override {
    // A folder of its own: other runs of the suite may use the same temporary folder at once.
    std::string pattern = (fs::temp_directory_path() / "tavlo_atomic_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Only the named entries are in the folder: no temporary file is left behind.
  void ExpectOnlyEntries(std::size_t count) const {
    EXPECT_EQ(static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator())),
              count);
  }

  fs::path folder_;
};

TEST_F(AtomicWriteTest, CreatesAndReplacesKeepingPermissions) {
  const fs::path file = folder_ / "Tavlo.ini";
  ASSERT_FALSE(WriteFileAtomically(file, std::string("first\r\n\0binary", 14)));
  EXPECT_EQ(Read(file), std::string("first\r\n\0binary", 14));

  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_FALSE(WriteFileAtomically(file, "second"));
  EXPECT_EQ(Read(file), "second");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ExpectOnlyEntries(1);
}

TEST_F(AtomicWriteTest, MissingFolderFailsAndCreatesNothing) {
  const std::error_code error = WriteFileAtomically(folder_ / "absent" / "Tavlo.ini", "x");
  EXPECT_TRUE(error);
  ExpectOnlyEntries(0);
}

TEST_F(AtomicWriteTest, FailedRenameLeavesOldTargetAndNoTemporaryFile) {
  // A folder in the target's place cannot be replaced by a file: the rename fails after the write.
  const fs::path target = folder_ / "Tavlo.ini";
  fs::create_directory(target);
  std::ofstream(target / "inside") << "old";

  EXPECT_TRUE(WriteFileAtomically(target, "new"));
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(Read(target / "inside"), "old");
  ExpectOnlyEntries(1);
}

// A full disk, imitated by a file size limit: the write fails half way.
TEST_F(AtomicWriteTest, FailedWriteLeavesOldFileAndNoTemporaryFile) {
  const fs::path file = folder_ / "Tavlo.ini";
  ASSERT_FALSE(WriteFileAtomically(file, "old contents"));

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 16;
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::error_code error = WriteFileAtomically(file, std::string(4096, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_TRUE(error);
  EXPECT_EQ(Read(file), "old contents");
  ExpectOnlyEntries(1);
}

}  // namespace
}  // namespace tavlo
