#include "files/program_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace tavlo {

ProgramLock::~ProgramLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the descriptor releases the lock
}

ProgramLock::Result ProgramLock::Acquire(const std::filesystem::path& folder) {
  if (fd_ >= 0) return Result::Acquired;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::filesystem::path path = folder / kProgramLockName;
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return Result::Failed;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? Result::HeldByAnother : Result::Failed;
  }
  fd_ = fd;
  return Result::Acquired;
}

}  // namespace tavlo
