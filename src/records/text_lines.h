#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// The lines of a record file. Lines end in CR LF as written; a bare LF or CR also ends a line, and
// the last line needs no line end. Lines are raw bytes.
std::vector<std::string> SplitLines(std::string_view bytes);

// The whole file; nullopt when it cannot be opened or read, or holds more than `maximumSize` bytes
// (no record file is large, and a huge one must not exhaust the memory).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maximumSize);

// Whether the file holds more than `maximumSize` bytes: damaged rather than unreadable.
bool IsLargerThan(const std::filesystem::path& path, std::size_t maximumSize);

// Lines joined, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace tavlo
