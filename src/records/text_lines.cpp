#include "records/text_lines.h"

#include <fstream>

namespace tavlo {

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(bytes.substr(start, i - start));
    i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maximumSize) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > maximumSize) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  // One byte more than allowed shows a file that grew since its size was asked.
  std::string bytes(maximumSize + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return std::nullopt;
  const auto read = static_cast<std::size_t>(in.gcount());
  if (read > maximumSize) return std::nullopt;
  bytes.resize(read);
  return bytes;
}

bool IsLargerThan(const std::filesystem::path& path, std::size_t maximumSize) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return !error && size > maximumSize;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

}  // namespace tavlo
