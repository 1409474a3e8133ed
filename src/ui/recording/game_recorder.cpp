#include "ui/recording/game_recorder.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include "ui/pictures/picture_registry.h"
#include "ui/recording/gif_animation.h"
#include "ui/recording/recording_banner.h"
#include "ui/recording/recording_file.h"

namespace tavlo {
namespace {

RecordingTime TimeOf(const QDateTime& moment) {
  const QDate d = moment.date();
  const QTime t = moment.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

QString FromPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

GameRecorder::GameRecorder(QWidget& window, QImage& background, PictureRegistry& pictures, const FontRoles& fonts,
                           std::filesystem::path programFolder)
    : QObject(&window),
      window_(window),
      background_(background),
      pictures_(pictures),
      fonts_(fonts),
      folder_(std::move(programFolder) / "GIFGame") {
  timerGif_.setInterval(kCaptureIntervalMs);
  connect(&timerGif_, &QTimer::timeout, this, [this] {
    if (!Held || !Held()) Capture();
  });
}

GameRecorder::~GameRecorder() = default;

bool GameRecorder::Wanted(const Settings& settings) { return settings.SaveGamesAsGif && settings.WindowSizeMode == 1; }

int GameRecorder::FrameCount() const { return animation_ ? animation_->FrameCount() : 0; }

void GameRecorder::UsePlainBackground(const Settings& settings) {
  if (!Wanted(settings) || PlainBackground()) return;
  savedBackground_ = background_;
  background_ = pictures_.Picture("GIFBackGr", window_.size());
}

void GameRecorder::RestoreBackground() {
  if (!PlainBackground()) return;
  // A window size changed meanwhile has loaded its own background already.
  if (savedBackground_.size() == background_.size()) background_ = savedBackground_;
  savedBackground_ = QImage();
}

QImage GameRecorder::DefaultGrab() const {
  if (area_ == 2) {
    // The screen inside the window's outer rectangle: the frame and whatever lies over the window.
    if (QScreen* screen = window_.screen()) {
      const QRect outer = window_.frameGeometry();
      const QPoint at = outer.topLeft() - screen->geometry().topLeft();
      const QImage shot = screen->grabWindow(0, at.x(), at.y(), outer.width(), outer.height()).toImage();
      if (!shot.isNull()) return shot.size() == outer.size() ? shot : shot.scaled(outer.size());
    }
    // A platform that cannot read the screen (Wayland, offscreen) records the window itself.
  }
  QImage shot = window_.grab().toImage();
  if (shot.size() != window_.size())
    shot = shot.scaled(window_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return shot;
}

void GameRecorder::Start(const Settings& settings) {
  if (Recording()) Save();
  if (!Wanted(settings)) return;
  area_ = settings.GifArea;
  delayMs_ = std::clamp(settings.GifDelay, 10, 5000);
  QImage first = Grab ? Grab() : DefaultGrab();
  if (first.isNull()) return;
  animation_ = std::make_unique<GifAnimation>(first.width(), first.height());
  captureMs_ = 0;
  AddPicture(std::move(first));
  timerGif_.start();
}

void GameRecorder::Capture() {
  if (!Recording() || FrameCount() >= kMaxFrames) return;
  QImage picture = Grab ? Grab() : DefaultGrab();
  if (!picture.isNull()) AddPicture(std::move(picture));
}

void GameRecorder::AddPicture(QImage picture) {
  QElapsedTimer clock;
  clock.start();
  const QSize size(animation_->Width(), animation_->Height());
  if (picture.size() != size) {
    // Every frame has the first one's size (the screen's part may change when the window moves
    // to a screen edge): what is missing stays black, what is beyond is cut off.
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(Qt::black);
    QPainter(&fitted).drawImage(QPoint(0, 0), picture);
    picture = std::move(fitted);
  } else if (picture.format() != QImage::Format_RGB32) {
    picture.convertTo(QImage::Format_RGB32);
  }
  const PixelView view{reinterpret_cast<const std::uint32_t*>(picture.constBits()), picture.width(), picture.height(),
                       static_cast<int>(picture.bytesPerLine() / 4)};
  animation_->AddFrame(view, delayMs_);
  captureMs_ += clock.elapsed();
}

void GameRecorder::FinishDeal() {
  if (!Recording()) return;
  Capture();
  Save();
}

void GameRecorder::ShowBanner() {
  const QString text = Word ? Word(WordId::CreatingGif) : QStringLiteral("Creating a GIF...");
  banner_ = new RecordingBanner(window_, background_, pictures_, fonts_, text);
  banner_->show();
  banner_->raise();
  banner_->repaint();
}

void GameRecorder::Save() {
  if (!Recording()) return;
  QElapsedTimer clock;
  clock.start();
  timerGif_.stop();
  ShowBanner();
  lastFrames_ = animation_->FrameCount();
  animation_->SetLastDelay(kLastFrameMs);
  const std::string gif = animation_->Finish();
  const QString failed = Word ? Word(WordId::DiskWriteError) : QStringLiteral("Error of disk writing!");
  lastFile_.clear();
  if (gif.empty()) {
    const QString why = QString::fromStdString(animation_->Error());
    Reset();
    emit SaveFailed(failed, FromPath(folder_) + (why.isEmpty() ? QString() : ": " + why));
    return;
  }
  const SavedRecording saved = SaveRecording(folder_, RecordingBaseName(TimeOf(Now())), gif);
  lastSaveMs_ = clock.elapsed();
  Reset();
  if (saved.error) {
    emit SaveFailed(failed, FromPath(folder_) + ": " + QString::fromStdString(saved.error.message()));
    return;
  }
  lastFile_ = FromPath(saved.path);
  emit Saved(lastFile_);
}

void GameRecorder::Reset() {
  timerGif_.stop();
  animation_.reset();
  if (banner_) {
    banner_->hide();
    delete banner_;
  }
}

}  // namespace tavlo
