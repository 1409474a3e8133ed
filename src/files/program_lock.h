#pragma once

#include <filesystem>

namespace tavlo {

// One running copy of the program per set of files. Club and history updates read, change and
// rewrite whole files; two copies doing that at once would lose one copy's update, so the second
// copy is told and stops. The lock is an advisory lock on a file in the parent folder: the system
// drops it when the process ends, however it ends, so a crash never leaves the files locked.
class ProgramLock {
 public:
  ProgramLock() = default;
  ProgramLock(const ProgramLock&) = delete;
  ProgramLock& operator=(const ProgramLock&) = delete;
  ~ProgramLock();

  enum class Result {
    Acquired,
    HeldByAnother,  // another running copy uses these files
    Failed,         // the lock file cannot be created (the folder is not writable, for one)
  };
  // Takes the lock in `folder` (created when missing). Taking it again while held does nothing.
  Result Acquire(const std::filesystem::path& folder);
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// The name of the lock file inside the folder given to `Acquire`.
inline constexpr const char* kProgramLockName = ".tavlo.lock";

}  // namespace tavlo
