#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace tavlo {

// Replaces the file at `target` with `contents` so that a reader sees either the whole old file or
// the whole new one: the bytes go to a temporary file in the same folder, are flushed to disk and
// the temporary file is renamed over the target. On any failure the target is untouched, the
// temporary file is removed and the error is returned; an empty error code means success.
// An existing target keeps its permission bits.
std::error_code WriteFileAtomically(const std::filesystem::path& target, std::string_view contents);

// The same for a file only its owner may read (permissions 0600 whatever the old file had); the
// contents are never readable by others, not even for a moment.
std::error_code WritePrivateFileAtomically(const std::filesystem::path& target, std::string_view contents);

// The same for a file that must not replace anything: when `target` already exists nothing is
// written and the error is std::errc::file_exists.
std::error_code WriteNewFileAtomically(const std::filesystem::path& target, std::string_view contents);

// True for the name of a temporary file `WriteFileAtomically` or `WriteNewFileAtomically` makes: "." + the target's name + "."
// + six letters or digits.
bool IsAtomicWriteTemporaryName(std::string_view fileName);

// Removes the temporary files a write interrupted by a crash left in `folder` (not in its
// subfolders) and returns how many it removed. Only call it while no other process may be
// writing there (the program lock is held). A missing folder has none.
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

}  // namespace tavlo
