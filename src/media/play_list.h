#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// One song of the internet play-list.
struct PlayListEntry {
  std::string Path;    // "/musik/" + the line unchanged, on the program's web server
  std::string Song;    // title: the text after the first "~", cut before ".mp3", "_" as blanks
  std::string Artist;  // the text before the first "~" ("" when the line has none)
};

// The play-list page "/musik/_playlist.html": one song file name per line, "Artist~Title.mp3".
struct PlayList {
  std::vector<PlayListEntry> Entries;  // at most kMaxSongs

  // The player is offered only for a list of more than four songs.
  bool Create() const { return Entries.size() > 4; }
};

inline constexpr std::size_t kMaxSongs = 1000;
inline constexpr std::string_view kPlayListPath = "/musik/_playlist.html";

// Reads the page's bytes (UTF-8, LF or CR LF line ends). Empty lines, and lines holding control
// characters or a byte sequence that is not UTF-8, name no song and are skipped; lines past the
// thousandth are ignored.
PlayList ParsePlayList(std::string_view page);

// The volume button of the play-list player, 61 pixels wide: a release at x > 34 raises the volume
// by 5 (while below 100), at 0 < x <= 25 lowers it by 5 (while above 0); the result stays in 0..100.
int PlayListVolumeAfterClick(int volume, int x);

}  // namespace tavlo
