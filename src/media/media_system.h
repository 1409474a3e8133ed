#pragma once

#include <QObject>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "media/audio_output.h"
#include "media/click_effect.h"
#include "media/menu_media_controls.h"
#include "media/play_list_player.h"
#include "media/radio.h"
#include "media/sound_system.h"

namespace tavlo {

class MainWindow;

// What the application hands the sound subsystem: where sound goes, how streams are opened,
// where the club's web server is (empty: no play-list, no server station list) and the
// system's temporary folder.
struct MediaParts {
  std::unique_ptr<AudioOutput> Output;
  StreamPlayerFactory Streams;
  QUrl Server;
  std::filesystem::path TempFolder;
};

// Sound effects, spoken cards, music, the play-list and the radio, owned by the application
// beside the window; it hooks itself into the window and undoes nothing there when destroyed
// before it, except the hooks it set.
class MediaSystem : public QObject {
  Q_OBJECT

 public:
  MediaSystem(MainWindow& window, MediaParts parts);
  ~MediaSystem() override;

  SoundSystem& Sounds() { return *sounds_; }
  Radio& TheRadio() { return *radio_; }
  PlayListPlayer& Songs() { return *songs_; }
  ClickEffect& Clicks() { return *clicks_; }
  MenuMediaControls& Controls() { return *controls_; }

  // The menu switch: left toggles (when the radio can be used), right opens the radio window.
  void OnRadioSwitch(Qt::MouseButton button);
  // The radio window, modally; without a usable radio the missing files are reported.
  void OpenRadioWindow();
  // PrepareRadio with the window's settings and libraries.
  void PrepareRadio();

 private:
  void OnStarted();
  void InstallStationList();
  void RadioSwitchedOn();
  void ReportMissingRadio();

  MainWindow& window_;
  QUrl server_;
  std::unique_ptr<AudioOutput> output_;
  std::unique_ptr<SoundSystem> sounds_;
  std::unique_ptr<ClickEffect> clicks_;
  std::unique_ptr<Radio> radio_;
  std::unique_ptr<PlayListPlayer> songs_;
  MenuMediaControls* controls_ = nullptr;  // lives on the window
  QObject* dialogSalute_ = nullptr;        // the click effect on the dialogs' buttons
  bool firstStart_ = false;
};

}  // namespace tavlo
