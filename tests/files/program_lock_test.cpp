#include "files/program_lock.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>

#include "files/atomic_write.h"

namespace tavlo {
namespace {

namespace fs = std::filesystem;

class FolderTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tavlo_lock_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

using ProgramLockTest = FolderTest;

TEST_F(ProgramLockTest, ASecondCopyIsRefusedUntilTheFirstEnds) {
  auto first = std::make_unique<ProgramLock>();
  EXPECT_EQ(first->Acquire(folder_ / "new"), ProgramLock::Result::Acquired);  // the folder is made
  EXPECT_EQ(first->Acquire(folder_ / "new"), ProgramLock::Result::Acquired);  // taking it again is harmless

  ProgramLock second;
  EXPECT_EQ(second.Acquire(folder_ / "new"), ProgramLock::Result::HeldByAnother);
  EXPECT_FALSE(second.Held());
  ProgramLock elsewhere;  // another set of files is another program's business
  EXPECT_EQ(elsewhere.Acquire(folder_ / "other"), ProgramLock::Result::Acquired);

  first.reset();
  EXPECT_EQ(second.Acquire(folder_ / "new"), ProgramLock::Result::Acquired);
}

TEST_F(ProgramLockTest, ACrashedCopyLeavesNoLockBehind) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ProgramLock lock;
    if (lock.Acquire(folder_) != ProgramLock::Result::Acquired) ::_exit(3);
    ::raise(SIGKILL);  // dies holding the lock, without any cleanup
    ::_exit(4);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the child could not take the lock";
  EXPECT_TRUE(fs::exists(folder_ / kProgramLockName));
  ProgramLock lock;
  EXPECT_EQ(lock.Acquire(folder_), ProgramLock::Result::Acquired);
}

TEST_F(ProgramLockTest, AnUnwritableFolderFails) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any folder";
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  ProgramLock lock;
  EXPECT_EQ(lock.Acquire(folder_), ProgramLock::Result::Failed);
  fs::permissions(folder_, fs::perms::owner_all);
}

TEST(AtomicWriteTemporaryNameTest, RecognisesOnlyTheWritersOwnNames) {
  struct Case {
    const char* name;
    bool temporary;
  };
  for (const Case& c : {Case{".Tavlo.clb.a1B2c3", true}, Case{".Tavlo.ini.XXXXXX", true},
                        Case{".Hist0001.txt.000000", true}, Case{"Tavlo.clb.a1B2c3", false},
                        Case{".Tavlo.clb.a1B2c", false}, Case{".Tavlo.clb.a1-2c3", false}, Case{"..abcdef", false},
                        Case{".tavlo.lock", false}, Case{".a1B2c3", false}, Case{"", false}}) {
    EXPECT_EQ(IsAtomicWriteTemporaryName(c.name), c.temporary) << c.name;
  }
}

using StaleTemporaryFilesTest = FolderTest;

TEST_F(StaleTemporaryFilesTest, AWriteKilledMidwayLeavesAFileTheNextStartRemoves) {
  const fs::path target = folder_ / "Tavlo.clb";
  std::ofstream(target, std::ios::binary) << "old contents";
  // A child writes a large file under a small file size limit and is killed by the limit's signal
  // in the middle of the write, as a crash would stop it.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit small{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &small);
    WriteFileAtomically(target, std::string(1 << 20, 'x'));
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));

  int leftovers = 0;
  for (const auto& entry : fs::directory_iterator(folder_)) {
    leftovers += IsAtomicWriteTemporaryName(entry.path().filename().string()) ? 1 : 0;
  }
  ASSERT_EQ(leftovers, 1);

  // Things that only look alike stay: a folder of that shape, other hidden files, the target.
  fs::create_directory(folder_ / ".History.abcdef");
  std::ofstream(folder_ / ".keep.me") << "x";
  EXPECT_EQ(RemoveStaleTemporaryFiles(folder_), 1);
  EXPECT_EQ(RemoveStaleTemporaryFiles(folder_), 0);
  EXPECT_TRUE(fs::is_directory(folder_ / ".History.abcdef"));
  EXPECT_TRUE(fs::exists(folder_ / ".keep.me"));
  std::ifstream in(target, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old contents");
  EXPECT_EQ(RemoveStaleTemporaryFiles(folder_ / "missing"), 0);
}

}  // namespace
}  // namespace tavlo
