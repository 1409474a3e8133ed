#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tavlo {

// A moment on the local clock, as the file name of a recording shows it.
struct RecordingTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};

// "2022.10.18-14.05.33": the date with dots, a hyphen, the time with dots.
std::string RecordingBaseName(const RecordingTime& time);

// The file name of the copy-th recording saved in the same second: the base name + ".gif" for the
// first, then base + "_2.gif", "_3.gif", ...
std::string RecordingFileName(const std::string& baseName, int copy);

struct SavedRecording {
  std::filesystem::path path;  // the file written; empty on failure
  std::error_code error;
};

// Writes a finished GIF into `folder` (created when missing) under the base name, never replacing
// a file that is there: a second recording in the same second gets the next free copy number.
// The bytes go to a temporary file first, so the folder never holds a half-written GIF.
SavedRecording SaveRecording(const std::filesystem::path& folder, const std::string& baseName, std::string_view gif);

}  // namespace tavlo
