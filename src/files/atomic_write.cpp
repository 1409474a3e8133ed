#include "files/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

// Writes `contents` to a new temporary file beside `target`, flushed to disk and carrying the
// target's permission bits (0644 for a new file) or `forcedMode`. Empty path on failure, with
// `error` set.
std::filesystem::path WriteTemporary(const std::filesystem::path& target, std::string_view contents,
                                     std::error_code& error, int forcedMode = -1) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    error = LastError();
    return {};
  }
  const std::filesystem::path temporary = pattern;

  mode_t mode = 0644;
  if (struct stat old{}; ::stat(target.c_str(), &old) == 0) mode = old.st_mode & 07777;
  if (forcedMode >= 0) mode = static_cast<mode_t>(forcedMode);

  error = WriteAll(fd, contents);
  if (!error && ::fchmod(fd, mode) != 0) error = LastError();
  if (!error && ::fsync(fd) != 0) error = LastError();
  if (::close(fd) != 0 && !error) error = LastError();
  if (error) {
    ::unlink(temporary.c_str());
    return {};
  }
  return temporary;
}

// Moves the temporary file to `target` only when no file of that name exists.
std::error_code RenameWithoutReplacing(const std::filesystem::path& temporary, const std::filesystem::path& target) {
  if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return LastError();
  // A file system without that rename: a hard link fails on an existing name just the same.
  if (::link(temporary.c_str(), target.c_str()) != 0) return LastError();
  ::unlink(temporary.c_str());
  return {};
}

}  // namespace

namespace {

std::error_code ReplaceAtomically(const std::filesystem::path& target, std::string_view contents, int forcedMode) {
  std::error_code error;
  const std::filesystem::path temporary = WriteTemporary(target, contents, error, forcedMode);
  if (error) return error;
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    error = LastError();
    ::unlink(temporary.c_str());
    return error;
  }
  SyncFolder(target.has_parent_path() ? target.parent_path() : ".");
  return {};
}

}  // namespace

std::error_code WriteFileAtomically(const std::filesystem::path& target, std::string_view contents) {
  return ReplaceAtomically(target, contents, -1);
}

std::error_code WritePrivateFileAtomically(const std::filesystem::path& target, std::string_view contents) {
  return ReplaceAtomically(target, contents, 0600);
}

std::error_code WriteNewFileAtomically(const std::filesystem::path& target, std::string_view contents) {
  std::error_code error;
  const std::filesystem::path temporary = WriteTemporary(target, contents, error);
  if (error) return error;
  error = RenameWithoutReplacing(temporary, target);
  if (error) {
    ::unlink(temporary.c_str());
    return error;
  }
  SyncFolder(target.has_parent_path() ? target.parent_path() : ".");
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
