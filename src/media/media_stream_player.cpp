#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <algorithm>

#include "media/stream_player.h"

namespace tavlo {
namespace {

class MediaStreamPlayer : public StreamPlayer {
 public:
  MediaStreamPlayer() { player_.setAudioOutput(&output_); }

  void Open(const QUrl& address) override {
    player_.stop();
    player_.setSource(address);
  }
  void Play() override {
    if (!player_.source().isEmpty()) player_.play();
  }
  void Stop() override { player_.pause(); }
  void SetVolume(int percent) override { output_.setVolume(static_cast<float>(std::clamp(percent, 0, 100)) / 100.0f); }
  bool AtEnd() const override { return player_.mediaStatus() == QMediaPlayer::EndOfMedia; }
  QUrl Address() const override { return player_.source(); }

 private:
  QAudioOutput output_;
  QMediaPlayer player_;
};

// Without a sound device the media backends of this platform either abort or hang while they
// look for one; the stream then stays silent: it remembers its address and plays nothing.
class SilentStreamPlayer : public StreamPlayer {
 public:
  void Open(const QUrl& address) override { address_ = address; }
  void Play() override {}
  void Stop() override {}
  void SetVolume(int) override {}
  bool AtEnd() const override { return false; }
  QUrl Address() const override { return address_; }

 private:
  QUrl address_;
};

}  // namespace

std::unique_ptr<StreamPlayer> MakeMediaStreamPlayer() {
  if (QMediaDevices::defaultAudioOutput().isNull()) return std::make_unique<SilentStreamPlayer>();
  return std::make_unique<MediaStreamPlayer>();
}

}  // namespace tavlo
