#include "media/play_list_player.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace tavlo {
namespace {

constexpr qint64 kLargestPage = 1 << 20;  // a thousand lines of song names fit many times over

}  // namespace

PlayListPlayer::PlayListPlayer(std::unique_ptr<StreamPlayer> stream, std::function<int(int)> random)
    : stream_(std::move(stream)), random_(std::move(random)) {
  timer_.setInterval(500);
  connect(&timer_, &QTimer::timeout, this, &PlayListPlayer::Tick);
}

void PlayListPlayer::Load(const QUrl& server) {
  list_ = PlayList{};
  server_ = server;
  if (!server.isValid() || server.host().isEmpty()) {
    emit Loaded();
    return;
  }
  QUrl address = server;
  address.setPath(QString::fromLatin1(kPlayListPath.data(), static_cast<qsizetype>(kPlayListPath.size())));
  QNetworkRequest request(address);
  request.setTransferTimeout(10000);
  QNetworkReply* reply = network_.get(request);
  connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
    if (received > kLargestPage) reply->abort();
  });
  connect(reply, &QNetworkReply::finished, this, [this, reply] {
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status == 200) {
      const QByteArray page = reply->readAll();
      list_ = ParsePlayList(std::string_view(page.constData(), static_cast<std::size_t>(page.size())));
    }
    play_ = false;
    volume_ = 50;
    n_ = 0;
    if (Max() > 0) {
      n_ = random_(Max());
      OpenCurrent();
    }
    if (Create()) timer_.start();
    emit Loaded();
    emit Changed();
  });
}

void PlayListPlayer::OpenCurrent() {
  QUrl song = server_;
  // The line goes to the server as it stands; blanks and other letters are escaped for the request.
  song.setPath(QString::fromStdString(Entry(n_).Path), QUrl::DecodedMode);
  stream_->Open(song);
  stream_->SetVolume(volume_);
}

QString PlayListPlayer::Hint() const {
  if (n_ == 0) return {};
  return QString::fromStdString(Entry(n_).Artist) + "  :  " + QString::fromStdString(Entry(n_).Song);
}

void PlayListPlayer::PlayOrStop() {
  if (n_ == 0) return;
  if (play_) {
    stream_->Stop();
    play_ = false;
  } else {
    stream_->Play();
    play_ = true;
  }
  emit Changed();
}

void PlayListPlayer::Next() {
  if (n_ == 0) return;
  stream_->Stop();
  n_ = random_(Max());
  OpenCurrent();
  stream_->Play();
  play_ = true;
  emit Changed();
}

void PlayListPlayer::VolumeClick(int x) {
  volume_ = PlayListVolumeAfterClick(volume_, x);
  stream_->SetVolume(volume_);
  emit Changed();
}

void PlayListPlayer::Tick() {
  if (play_ && stream_->AtEnd()) Next();
}

void PlayListPlayer::StopForGood() {
  timer_.stop();
  if (play_) stream_->Stop();
  play_ = false;
}

}  // namespace tavlo
