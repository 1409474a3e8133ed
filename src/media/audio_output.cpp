#include "media/audio_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <array>

namespace tavlo {
namespace {

class SinkChannel {
 public:
  bool Play(const QAudioDevice& device, std::shared_ptr<const Pcm> sound, bool loop) {
    Stop();
    QAudioFormat format;
    format.setSampleRate(sound->SampleRate);
    format.setChannelCount(sound->Channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format) || sound->Samples.empty()) return false;
    sound_ = std::move(sound);
    loop_ = loop;
    // The buffer reads the samples where they lie: the sound stays in memory while it plays.
    bytes_ = QByteArray::fromRawData(reinterpret_cast<const char*>(sound_->Samples.data()),
                                     static_cast<qsizetype>(sound_->Samples.size() * sizeof(std::int16_t)));
    buffer_ = std::make_unique<QBuffer>(&bytes_);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, sink_.get(), [this](QAudio::State state) {
      if (state != QAudio::IdleState || !sink_) return;
      if (loop_) {
        buffer_->seek(0);
        return;
      }
      sink_->stop();
    });
    sink_->start(buffer_.get());
    return sink_->error() == QAudio::NoError;
  }

  void Stop() {
    if (sink_) {
      sink_->disconnect();
      sink_->stop();
    }
    sink_.reset();
    buffer_.reset();
    sound_.reset();
  }

  bool Playing() const {
    return sink_ && sink_->error() == QAudio::NoError &&
           (sink_->state() == QAudio::ActiveState || (loop_ && sink_->state() == QAudio::IdleState));
  }

 private:
  std::shared_ptr<const Pcm> sound_;
  QByteArray bytes_;
  std::unique_ptr<QBuffer> buffer_;
  std::unique_ptr<QAudioSink> sink_;
  bool loop_ = false;
};

class SystemAudioOutput : public AudioOutput {
 public:
  bool Play(AudioChannel channel, std::shared_ptr<const Pcm> sound, bool loop) override {
    if (!sound) return false;
    return At(channel).Play(QMediaDevices::defaultAudioOutput(), std::move(sound), loop);
  }
  void Stop(AudioChannel channel) override { At(channel).Stop(); }
  bool Playing(AudioChannel channel) const override { return channels_[static_cast<std::size_t>(channel)].Playing(); }

 private:
  SinkChannel& At(AudioChannel channel) { return channels_[static_cast<std::size_t>(channel)]; }
  std::array<SinkChannel, kAudioChannelCount> channels_;
};

}  // namespace

std::unique_ptr<AudioOutput> MakeSystemAudioOutput() { return std::make_unique<SystemAudioOutput>(); }

}  // namespace tavlo
