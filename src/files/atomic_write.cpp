#include "files/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace tavlo {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

std::error_code WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

// The rename is only durable once the folder entry itself is on disk; failing here loses nothing.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::error_code WriteFileAtomically(const std::filesystem::path& target, std::string_view contents) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return LastError();
  const std::filesystem::path temporary = pattern;

  mode_t mode = 0644;
  if (struct stat old{}; ::stat(target.c_str(), &old) == 0) mode = old.st_mode & 07777;

  std::error_code error = WriteAll(fd, contents);
  if (!error && ::fchmod(fd, mode) != 0) error = LastError();
  if (!error && ::fsync(fd) != 0) error = LastError();
  if (::close(fd) != 0 && !error) error = LastError();
  if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = LastError();
  if (error) {
    ::unlink(temporary.c_str());
    return error;
  }
  SyncFolder(folder);
  return {};
}

}  // namespace tavlo
