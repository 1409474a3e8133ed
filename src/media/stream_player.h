#pragma once

#include <QUrl>
#include <functional>
#include <memory>

namespace tavlo {

// One stream opened by address, as the radio and the play-list use it: open, play, stop, volume.
class StreamPlayer {
 public:
  virtual ~StreamPlayer() = default;
  // Replaces the stream; nothing is heard until Play. An address that cannot be opened leaves
  // the player silent (Play then does nothing audible).
  virtual void Open(const QUrl& address) = 0;
  // Starts, or resumes from where Stop left it.
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void SetVolume(int percent) = 0;  // 0..100
  // A finite stream (a song) has played to its end.
  virtual bool AtEnd() const = 0;
  virtual QUrl Address() const = 0;
};

using StreamPlayerFactory = std::function<std::unique_ptr<StreamPlayer>()>;

// Qt Multimedia's media player on the default sound device; a silent stand-in without one.
std::unique_ptr<StreamPlayer> MakeMediaStreamPlayer();

}  // namespace tavlo
