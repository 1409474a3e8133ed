#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>
#include <map>
#include <vector>

#include "media/audio_output.h"
#include "media/sound_effects.h"
#include "media/stream_player.h"

namespace tavlo::testing {

// An output that notes every sound it is given and plays nothing.
class RecordingOutput : public AudioOutput {
 public:
  struct Played {
    AudioChannel Channel;
    std::shared_ptr<const Pcm> Sound;
    bool Loop;
  };
  bool Play(AudioChannel channel, std::shared_ptr<const Pcm> sound, bool loop) override {
    played.push_back({channel, std::move(sound), loop});
    return true;
  }
  void Stop(AudioChannel channel) override { stopped.push_back(channel); }
  bool Playing(AudioChannel) const override { return false; }

  std::vector<Played> played;
  std::vector<AudioChannel> stopped;
};

// A stream player that notes what is asked of it: "open <url>", "play", "stop", "volume <n>".
class RecordingStream : public StreamPlayer {
 public:
  explicit RecordingStream(QStringList& log) : log_(log) {}
  void Open(const QUrl& address) override {
    address_ = address;
    log_ << "open " + address.toString();
  }
  void Play() override { log_ << "play"; }
  void Stop() override { log_ << "stop"; }
  void SetVolume(int percent) override { log_ << "volume " + QString::number(percent); }
  bool AtEnd() const override { return atEnd; }
  QUrl Address() const override { return address_; }

  bool atEnd = false;

 private:
  QStringList& log_;
  QUrl address_;
};

// What the window asked of the sound subsystem.
class RecordingSounds : public SoundEffects {
 public:
  void Play(std::string_view name) override {
    effects << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  }
  bool SayCard(TCardCode card, int languageIndex) override {
    cards.push_back(card);
    languages.push_back(languageIndex);
    return true;
  }
  QStringList effects;
  std::vector<TCardCode> cards;
  std::vector<int> languages;
};

// A small HTTP server on 127.0.0.1 (port from the system) that serves fixed files by path
// and notes every path asked for.
class TestHttpServer : public QObject {
 public:
  TestHttpServer();
  QUrl Base() const;
  void Serve(const QString& path, QByteArray body, QByteArray type = "application/octet-stream");
  QStringList requests;

 private:
  void Answer(QTcpSocket* socket);

  QTcpServer server_;
  std::map<QString, std::pair<QByteArray, QByteArray>> files_;
};

// A short tone as a WAVE file: a song or a radio stream the media player can open.
QByteArray ToneWave(double seconds);

}  // namespace tavlo::testing
