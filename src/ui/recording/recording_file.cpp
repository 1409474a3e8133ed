#include "ui/recording/recording_file.h"

#include <cstdio>

#include "files/atomic_write.h"

namespace tavlo {
namespace {

// Enough for any burst of saves in one second; beyond it something else is wrong with the folder.
constexpr int kMaxCopies = 1000;

}  // namespace

std::string RecordingBaseName(const RecordingTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d.%02d.%02d-%02d.%02d.%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return text;
}

std::string RecordingFileName(const std::string& baseName, int copy) {
  return copy <= 1 ? baseName + ".gif" : baseName + "_" + std::to_string(copy) + ".gif";
}

SavedRecording SaveRecording(const std::filesystem::path& folder, const std::string& baseName, std::string_view gif) {
  SavedRecording saved;
  std::filesystem::create_directories(folder, saved.error);
  if (saved.error) return saved;
  for (int copy = 1; copy <= kMaxCopies; ++copy) {
    const std::filesystem::path target = folder / RecordingFileName(baseName, copy);
    saved.error = WriteNewFileAtomically(target, gif);
    if (saved.error == std::errc::file_exists) continue;
    if (!saved.error) saved.path = target;
    return saved;
  }
  saved.error = std::make_error_code(std::errc::file_exists);
  return saved;
}

}  // namespace tavlo
