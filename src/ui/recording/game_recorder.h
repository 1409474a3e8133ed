#pragma once

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "lang/word_ids.h"
#include "settings/settings.h"

class QWidget;

namespace tavlo {

class GifAnimation;
class PictureRegistry;
class RecordingBanner;
struct FontRoles;

// Records the deals of a game as animated GIFs when the settings ask for it: from the deal's
// start the window is captured ten times a second (TimerGIF), repeated pictures are dropped, at
// most 250 frames are kept, and at the end of the deal, when the game is left or the program
// closes the frames go to the folder "GIFGame" of the program folder. The window owns one; it
// tells it when a deal starts and ends and learns of saves through the signals.
class GameRecorder : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxFrames = 250;
  static constexpr int kCaptureIntervalMs = 100;
  static constexpr int kLastFrameMs = 5000;
  static constexpr int kBannerWidth = 175;
  static constexpr int kBannerHeight = 40;

  // `background` is the window's background picture, which a recorded deal replaces by a plain
  // one; `programFolder` holds the "GIFGame" folder.
  GameRecorder(QWidget& window, QImage& background, PictureRegistry& pictures, const FontRoles& fonts,
               std::filesystem::path programFolder);
  ~GameRecorder() override;

  // The picture of one tick. By default the window's client area (GifArea 1) or the screen inside
  // the window's outer rectangle (GifArea 2); tests and tools give their own.
  std::function<QImage()> Grab;
  // True while the window's thread would be held up (a card flight, the computer thinking): the
  // tick takes no picture, as the window could not have answered it.
  std::function<bool()> Held;
  // The clock that names the files.
  std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };
  // The texts of the current language.
  std::function<QString(WordId)> Word;

  // Whether a deal started now would be recorded: the setting is on and the window is small.
  static bool Wanted(const Settings& settings);

  // Before a recorded deal is laid out: the table gets the plain background "GIFBackGr".
  void UsePlainBackground(const Settings& settings);
  // The game is left: the background the table had before comes back.
  void RestoreBackground();
  bool PlainBackground() const { return !savedBackground_.isNull(); }

  // The deal lies ready: a new recording begins with its first frame.
  void Start(const Settings& settings);
  // One tick of TimerGIF.
  void Capture();
  // The end of a deal is on the screen: one last frame, then the file is saved.
  void FinishDeal();
  // Writes the frames recorded so far and ends the recording; nothing when none is running.
  void Save();

  bool Recording() const { return animation_ != nullptr; }
  int FrameCount() const;
  QTimer& TimerGIF() { return timerGif_; }
  // The file the newest save wrote (empty when it failed), its frames, and what the save and the
  // frames cost on the window's thread.
  const QString& LastFile() const { return lastFile_; }
  int LastFrames() const { return lastFrames_; }
  qint64 LastSaveMs() const { return lastSaveMs_; }
  qint64 CaptureMs() const { return captureMs_; }

 signals:
  void Saved(const QString& path);
  // The file could not be written: the notice's two lines.
  void SaveFailed(const QString& line1, const QString& line2);

 private:
  QImage DefaultGrab() const;
  void AddPicture(QImage picture);
  void ShowBanner();
  void Reset();

  QWidget& window_;
  QImage& background_;
  PictureRegistry& pictures_;
  const FontRoles& fonts_;
  std::filesystem::path folder_;
  QTimer timerGif_;
  std::unique_ptr<GifAnimation> animation_;
  QImage savedBackground_;
  QPointer<RecordingBanner> banner_;
  int area_ = 1;
  int delayMs_ = 1000;
  QString lastFile_;
  int lastFrames_ = 0;
  qint64 lastSaveMs_ = 0;
  qint64 captureMs_ = 0;
};

}  // namespace tavlo
