#include "media/radio_state.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "files/atomic_write.h"
#include "lang/cp1251.h"

namespace tavlo {
namespace {

std::optional<int> Number(std::string_view text, int low, int high) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

RadioState ParseRadioState(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size() && lines.size() < 7) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(Cp1251ToUtf8(line));
    start = end + 1;
  }
  RadioState s;
  // Each value replaces its default only when it is there; an empty station field is kept empty
  // here and refused as a whole when the state is written back.
  if (lines.size() > 0) s.Name = lines[0];
  if (lines.size() > 1) s.Url = lines[1];
  if (lines.size() > 2) s.Country = lines[2];
  if (lines.size() > 3) s.Resurs = lines[3];
  if (lines.size() > 4) s.Enabled = lines[4] == "1";
  if (lines.size() > 5) s.Volume = Number(lines[5], 0, 100).value_or(s.Volume);
  if (lines.size() > 6) s.KakStations = Number(lines[6], 0, 27).value_or(s.KakStations);
  return s;
}

std::string FormatRadioState(const RadioState& state) {
  RadioState s = state;
  if (s.Name.empty() || s.Url.empty() || s.Country.empty() || s.Resurs.empty()) s = RadioState{};
  std::ostringstream out;
  out << Utf8ToCp1251(s.Name) << "\r\n"
      << Utf8ToCp1251(s.Url) << "\r\n"
      << Utf8ToCp1251(s.Country) << "\r\n"
      << Utf8ToCp1251(s.Resurs) << "\r\n"
      << (s.Enabled ? "1" : "0") << "\r\n"
      << std::clamp(s.Volume, 0, 100) << "\r\n"
      << std::clamp(s.KakStations, 0, 27) << "\r\n";
  return out.str();
}

RadioState ReadRadioState(const std::filesystem::path& folder) {
  std::ifstream in(folder / kRadioStateFile, std::ios::binary);
  if (!in) return RadioState{};
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return RadioState{};
  return ParseRadioState(text.substr(0, 64 * 1024));  // seven short lines; anything longer is not ours
}

std::error_code WriteRadioState(const std::filesystem::path& folder, const RadioState& state) {
  return WriteFileAtomically(folder / kRadioStateFile, FormatRadioState(state));
}

int RadioVolumeStep(int volume, bool up) {
  if (up && volume < 100) volume += 10;
  if (!up && volume > 0) volume -= 10;
  return std::clamp(volume, 0, 100);
}

std::string RadioVolumePicture(int volume) {
  const int step = (std::clamp(volume, 0, 100) + 9) / 10;
  return std::string("RRADIO_VOLUME") + static_cast<char>('0' + step / 10) + static_cast<char>('0' + step % 10);
}

}  // namespace tavlo
