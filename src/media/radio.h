#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "media/radio_state.h"
#include "media/station_list.h"
#include "media/stream_player.h"

namespace tavlo {

// The internet radio: the station lists on disk, the state kept in "ZanRadio.ini", and the one
// stream that plays while the radio is on.
class Radio : public QObject {
  Q_OBJECT

 public:
  struct Folders {
    std::filesystem::path Program;  // "the current folder"
    std::filesystem::path Parent;   // where the station files and "ZanRadio.ini" live
  };

  Radio(std::unique_ptr<StreamPlayer> stream, Folders folders);

  // PrepareRadio: the radio can be used when its picture library is there and a station list is:
  // "ZanRadio.rad" on disk, or, with the list from the server, "ZanRadio.ser" freshly downloaded
  // from `server` (an empty address: no download, the radio cannot be used). Reads "ZanRadio.ini".
  // Prepared is emitted when the answer is known.
  void Prepare(bool libraryPresent, bool listFromServer, const QUrl& server);
  bool CanUse() const { return canUse_; }
  const RadioState& State() const { return state_; }
  bool Enabled() const { return state_.Enabled; }

  // RadioToggle: on opens a new stream for the current station (live from now), off stops it.
  void Toggle();
  // Switches on when the radio was left on at the last exit (leaving the title screen).
  void Resume();
  // ListStations: the stations of country filter 1..28 from the station list; nullopt when the
  // list cannot be read (the window's list then stays as it was).
  std::optional<std::vector<Station>> Stations(int filter) const;
  // TuneStation: makes the station current, and plays it when the radio is on.
  void Tune(const Station& station);
  void SetFilter(int kakStations);
  void StepVolume(bool up);
  // SaveRadioState (the program closes).
  std::error_code Save() const;
  void StopForGood();

  std::filesystem::path StationFile() const;
  static constexpr const char* kDiskList = "ZanRadio.rad";
  static constexpr const char* kServerList = "ZanRadio.ser";
  static constexpr const char* kLibrary = "ZanRadio02.dll";

 signals:
  void Prepared();
  void Changed();

 private:
  void Finish(bool listPresent, bool libraryPresent);
  void StartStream();

  std::unique_ptr<StreamPlayer> stream_;
  Folders folders_;
  QNetworkAccessManager network_;
  RadioState state_;
  bool canUse_ = false;
  bool stateRead_ = false;  // only a state read from the file (or changed here) is written back
  bool fromServer_ = false;
};

}  // namespace tavlo
