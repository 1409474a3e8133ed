#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

#include "media/play_list.h"
#include "media/stream_player.h"

namespace tavlo {

// The internet play-list of the main menu (TMyMediaPL): songs from the club's web server, played
// at random through a stream player, driven by the three player buttons.
class PlayListPlayer : public QObject {
  Q_OBJECT

 public:
  // `random(n)` gives 1..n; the window's generator in the program, a fixed one in tests.
  PlayListPlayer(std::unique_ptr<StreamPlayer> stream, std::function<int(int)> random);

  // Fetches "/musik/_playlist.html" from the server (an empty address: no play-list). Any failure
  // leaves the play-list empty and the player hidden. Loaded is emitted either way.
  void Load(const QUrl& server);

  bool Create() const { return list_.Create(); }
  bool Playing() const { return play_; }
  int Volume() const { return volume_; }
  int Current() const { return n_; }  // 1..Max, 0 before the list is read
  int Max() const { return static_cast<int>(list_.Entries.size()); }
  const PlayListEntry& Entry(int n) const { return list_.Entries[static_cast<std::size_t>(n - 1)]; }
  // "artist  :  song" of the current song.
  QString Hint() const;

  // Button 1: stop, or play from where it stopped (a failed stream retries the same song).
  void PlayOrStop();
  // Button 2: another song at random, played at once.
  void Next();
  // Button 3, released at x (0..60) on the 61-pixel button.
  void VolumeClick(int x);
  // Every 500 ms: a song that has ended is followed by another.
  void Tick();
  void StopForGood();

 signals:
  void Loaded();
  void Changed();

 private:
  void OpenCurrent();

  std::unique_ptr<StreamPlayer> stream_;
  std::function<int(int)> random_;
  QNetworkAccessManager network_;
  QUrl server_;
  PlayList list_;
  bool play_ = false;
  int volume_ = 50;
  int n_ = 0;
  QTimer timer_;
};

}  // namespace tavlo
