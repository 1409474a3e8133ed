#include "records/club_install.h"

#include <algorithm>

#include "records/club_paths.h"
#include "records/fixed_fields.h"
#include "records/member_line.h"
#include "records/text_lines.h"

namespace tavlo {

extern const char kDefaultClubText[];

namespace {

constexpr int kTopTenPlaces = 10;

}  // namespace

std::optional<ClubLines> ParseDefaultClub(std::string_view text) {
  std::string label;
  char language = '0';
  std::vector<std::string> topTen;
  for (const std::string& raw : SplitLines(text)) {
    const std::string_view line = raw;
    if (line.empty() || line.front() == '#') continue;
    const auto blank = line.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    const std::string_view key = line.substr(0, blank);
    const std::string_view value = line.substr(blank + 1);
    if (key == "label") {
      if (value.size() != 3) return std::nullopt;
      label = value;
    } else if (key == "language") {
      if (value.size() != 1) return std::nullopt;
      language = value.front();
    } else if (key == "top") {
      const auto nameStart = value.find(' ');
      if (nameStart == std::string_view::npos) return std::nullopt;
      const auto score = ParseWholeNumber(value.substr(0, nameStart));
      if (!score) return std::nullopt;
      topTen.push_back(MakeTopTenLine(value.substr(nameStart + 1), *score));
    } else {
      return std::nullopt;
    }
  }
  if (label.empty() || topTen.size() != static_cast<std::size_t>(kTopTenPlaces)) return std::nullopt;

  ClubLines lines;
  for (int i = 1; i <= 5; ++i) lines[i] = EmptyMemberLine();
  for (int p = 0; p < kTopTenPlaces; ++p) lines[kFirstTopTenLine + p] = topTen[static_cast<std::size_t>(p)];
  std::string marker(1, static_cast<char>(kGameMarker));
  marker += '}';
  lines[kMarkerLine] = PadRight(marker, kClubLastLineLength);
  std::replace(lines[kMarkerLine].begin() + 2, lines[kMarkerLine].end(), ' ', '#');
  lines[kSealLine] = std::string(1, language) + "#####" + label + "#" + std::string(18, '0');
  SealClubLines(lines);
  return lines;
}

std::string_view BuiltInDefaultClub() { return kDefaultClubText; }

bool IsFirstStart(const std::filesystem::path& programFolder) {
  std::error_code error;
  return !std::filesystem::exists(programFolder, error) && !error;
}

bool InstallClubFiles(const std::filesystem::path& programFolder) {
  const std::optional<ClubLines> lines = ParseDefaultClub(BuiltInDefaultClub());
  if (!lines) return false;
  std::error_code error;
  std::filesystem::create_directories(programFolder, error);
  if (error) return false;
  const ClubFiles files = ClubFilesIn(programFolder);
  return WriteClubFile(files.Local, *lines, false) == ClubUpdate::Written &&
         WriteClubFile(files.Network, *lines, false) == ClubUpdate::Written;
}

}  // namespace tavlo
