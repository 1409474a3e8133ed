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

bool IsAtomicWriteTemporaryName(std::string_view fileName) {
  constexpr std::size_t kSuffix = 7;  // "." and the six characters mkstemp fills in
  if (fileName.size() < 1 + 1 + kSuffix || fileName.front() != '.') return false;
  const std::string_view suffix = fileName.substr(fileName.size() - kSuffix);
  if (suffix.front() != '.') return false;
  for (const char c : suffix.substr(1)) {
    const bool alphanumeric = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!alphanumeric) return false;
  }
  return true;
}

int RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
  int removed = 0;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code status;
    if (!it->is_regular_file(status) || it->is_symlink(status)) continue;
    if (!IsAtomicWriteTemporaryName(it->path().filename().string())) continue;
    std::error_code removal;
    if (std::filesystem::remove(it->path(), removal)) ++removed;
  }
  return removed;
}

}  // namespace tavlo
