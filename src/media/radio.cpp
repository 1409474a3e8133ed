#include "media/radio.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>
#include <fstream>

#include "files/atomic_write.h"

namespace tavlo {
namespace {

constexpr qint64 kLargestList = 4 << 20;

bool Exists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

Radio::Radio(std::unique_ptr<StreamPlayer> stream, Folders folders)
    : stream_(std::move(stream)), folders_(std::move(folders)) {}

std::filesystem::path Radio::StationFile() const { return folders_.Parent / (fromServer_ ? kServerList : kDiskList); }

void Radio::Prepare(bool libraryPresent, bool listFromServer, const QUrl& server) {
  fromServer_ = listFromServer;
  canUse_ = false;
  if (!listFromServer) {
    Finish(Exists(folders_.Program / kDiskList) || Exists(folders_.Parent / kDiskList), libraryPresent);
    return;
  }
  if (!server.isValid() || server.host().isEmpty()) {
    Finish(false, libraryPresent);
    return;
  }
  QUrl address = server;
  address.setPath("/downloads/progr/cards/ZanRadio.rad");
  QNetworkRequest request(address);
  request.setTransferTimeout(15000);
  QNetworkReply* reply = network_.get(request);
  connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
    if (received > kLargestList) reply->abort();
  });
  connect(reply, &QNetworkReply::finished, this, [this, reply, libraryPresent] {
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    bool saved = false;
    if (reply->error() == QNetworkReply::NoError && status == 200) {
      const QByteArray bytes = reply->readAll();
      // Only a list with at least one station replaces the last one downloaded.
      const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
      saved = !ParseStationList(text).empty() && !WriteFileAtomically(folders_.Parent / kServerList, text);
    }
    Finish(saved, libraryPresent);
  });
}

void Radio::Finish(bool listPresent, bool libraryPresent) {
  canUse_ = listPresent && libraryPresent;
  if (canUse_) {
    state_ = ReadRadioState(folders_.Parent);
    stateRead_ = true;
  } else {
    if (state_.Enabled) stream_->Stop();
    state_.Enabled = false;
  }
  emit Prepared();
  emit Changed();
}

void Radio::StartStream() {
  stream_->Open(QUrl(QString::fromStdString(state_.Url)));
  stream_->SetVolume(state_.Volume);
  stream_->Play();
}

void Radio::Toggle() {
  state_.Enabled = !state_.Enabled;
  if (state_.Enabled) {
    StartStream();
  } else {
    stream_->Stop();
  }
  emit Changed();
}

void Radio::Resume() {
  if (canUse_ && state_.Enabled) {
    StartStream();
    emit Changed();
  }
}

std::optional<std::vector<Station>> Radio::Stations(int filter) const {
  std::ifstream in(StationFile(), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(kLargestList));
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return StationsOfCountry(ParseStationList(bytes), filter);
}

void Radio::Tune(const Station& station) {
  state_.Name = station.Name;
  state_.Country = station.Country;
  state_.Url = station.Url;
  state_.Resurs = station.Logo;
  stream_->Stop();
  if (state_.Enabled) StartStream();
  emit Changed();
}

void Radio::SetFilter(int kakStations) { state_.KakStations = std::clamp(kakStations, 0, kRadioCountryCount - 1); }

void Radio::StepVolume(bool up) {
  state_.Volume = RadioVolumeStep(state_.Volume, up);
  stream_->SetVolume(state_.Volume);
  emit Changed();
}

std::error_code Radio::Save() const {
  // A radio that could not be prepared never read the file: writing its defaults would wipe the
  // player's station.
  if (!stateRead_) return {};
  return WriteRadioState(folders_.Parent, state_);
}

void Radio::StopForGood() { stream_->Stop(); }

}  // namespace tavlo
