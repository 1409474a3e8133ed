#include "media/play_list.h"

#include <algorithm>

namespace tavlo {
namespace {

bool IsCleanUtf8Line(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size()) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c < 0x20 || c == 0x7F) return false;
    int follow = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (follow < 0 || (follow == 1 && c < 0xC2)) return false;
    if (i + static_cast<std::size_t>(follow) >= line.size()) return false;  // cut off at the line's end
    for (int k = 1; k <= follow; ++k) {
      if ((static_cast<unsigned char>(line[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
    }
    i += static_cast<std::size_t>(follow) + 1;
  }
  return true;
}

std::string Blanks(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '_', ' ');
  return out;
}

}  // namespace

PlayList ParsePlayList(std::string_view page) {
  PlayList list;
  std::size_t start = 0;
  while (start < page.size() && list.Entries.size() < kMaxSongs) {
    std::size_t end = page.find('\n', start);
    if (end == std::string_view::npos) end = page.size();
    std::string_view line = page.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || !IsCleanUtf8Line(line)) continue;

    PlayListEntry entry;
    std::string_view song = line;
    if (const std::size_t tilde = line.find('~'); tilde != std::string_view::npos) {
      entry.Artist = Blanks(line.substr(0, tilde));
      song = line.substr(tilde + 1);
    }
    if (const std::size_t mp3 = song.find(".mp3"); mp3 != std::string_view::npos) song = song.substr(0, mp3);
    entry.Song = Blanks(song);
    entry.Path = "/musik/" + std::string(line);
    list.Entries.push_back(std::move(entry));
  }
  return list;
}

int PlayListVolumeAfterClick(int volume, int x) {
  if (x > 34 && volume < 100) volume += 5;
  if (x <= 25 && x > 0 && volume > 0) volume -= 5;
  return std::clamp(volume, 0, 100);
}

}  // namespace tavlo
