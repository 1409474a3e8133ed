#include "media/media_system.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRandomGenerator>

#include "files/atomic_write.h"
#include "lang/cp1251.h"
#include "media/radio_window.h"
#include "records/club_install.h"
#include "ui/main_window.h"

namespace tavlo {
namespace {

// The buttons of the program's dialogs show the click effect as they go down when "Salute:
// Buttons" is on. The main window's own buttons and the options dialog call it themselves.
class DialogButtonSalute : public QObject {
 public:
  DialogButtonSalute(MainWindow& window, QObject* parent) : QObject(parent), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress && watched->inherits("tavlo::TZanCardsButton")) {
      auto* button = static_cast<QWidget*>(watched);
      const QWidget* dialog = button->window();
      if (dialog != &window_ && button->isEnabled() && !dialog->inherits("tavlo::TFormOptions")) {
        window_.SaluteAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint(), false);
      }
    }
    return false;
  }

 private:
  MainWindow& window_;
};

}  // namespace

MediaSystem::MediaSystem(MainWindow& window, MediaParts parts)
    : window_(window), server_(std::move(parts.Server)), output_(std::move(parts.Output)) {
  firstStart_ = IsFirstStart(window.Paths().ProgramFolder);
  const StreamPlayerFactory streams = parts.Streams ? parts.Streams : StreamPlayerFactory(MakeMediaStreamPlayer);
  sounds_ = std::make_unique<SoundSystem>(*output_, parts.TempFolder, [this] {
    const Settings& s = window_.CurrentSettings();
    return window_.Started() && s.MusicOn && (window_.TitleShown() || window_.MenuShown());
  });
  clicks_ = std::make_unique<ClickEffect>(window.Pictures());
  radio_ =
      std::make_unique<Radio>(streams(), Radio::Folders{window.Paths().ProgramFolder, window.Paths().ParentFolder});
  songs_ =
      std::make_unique<PlayListPlayer>(streams(), [](int n) { return QRandomGenerator::global()->bounded(n) + 1; });
  controls_ = new MenuMediaControls(window, *radio_, *songs_);

  window.SetSoundEffects(sounds_.get());
  window.Salute = [this](QPoint globalPos) {
    // Over the dialog that is open, else over the window.
    QWidget* target = QApplication::activeModalWidget();
    clicks_->Play(target ? target : &window_, globalPos);
  };
  window.OpenRadio = [this] { OpenRadioWindow(); };
  dialogSalute_ = new DialogButtonSalute(window, this);
  qApp->installEventFilter(dialogSalute_);
  connect(&window, &MainWindow::StartCompleted, this, &MediaSystem::OnStarted);
  connect(&window, &MainWindow::TitleLeft, this, [this] {
    // A radio left on at the last exit starts again, and the tune gives way to it.
    if (radio_->CanUse() && radio_->Enabled()) {
      radio_->Resume();
      RadioSwitchedOn();
    }
  });
  connect(&window, &MainWindow::RadioListChanged, this, &MediaSystem::PrepareRadio);
  connect(controls_, &MenuMediaControls::RadioSwitchReleased, this, &MediaSystem::OnRadioSwitch);
  if (window.Started()) OnStarted();
}

MediaSystem::~MediaSystem() {
  qApp->removeEventFilter(dialogSalute_);
  radio_->Save();
  radio_->StopForGood();
  songs_->StopForGood();
  sounds_->StopMusic();
  if (window_.Sounds() == sounds_.get()) window_.SetSoundEffects(nullptr);
  window_.Salute = nullptr;
  window_.OpenRadio = nullptr;
}

void MediaSystem::InstallStationList() {
  // The installation step: the station list goes beside the club files' folder, once.
  const std::filesystem::path list = window_.Paths().ParentFolder / Radio::kDiskList;
  std::error_code error;
  if (!firstStart_ || std::filesystem::exists(list, error)) return;
  if (WriteFileAtomically(list, Utf8ToCp1251(DefaultStationList())) && window_.Notice) {
    window_.Notice(window_.W(WordId::DiskWriteError), QString::fromStdString(list.string()), {});
  }
}

void MediaSystem::OnStarted() {
  InstallStationList();
  if (!sounds_->PrepareMidi() && window_.Notice) window_.Notice(window_.W(WordId::CantCreateMusicFile), {}, {});
  songs_->Load(server_);
  PrepareRadio();
}

void MediaSystem::PrepareRadio() {
  radio_->Prepare(window_.Pictures().HasLibrary(Radio::kLibrary), window_.CurrentSettings().RadioListFromServer,
                  server_);
}

void MediaSystem::RadioSwitchedOn() {
  sounds_->StopMusic();
  window_.CurrentSettings().MusicOn = false;
}

void MediaSystem::ReportMissingRadio() {
  window_.PlayEffect("WOpenFo");
  if (window_.Notice) {
    window_.Notice(window_.W(WordId::CantFind) + QString::fromLatin1(Radio::kDiskList) + " + " +
                       QString::fromLatin1(Radio::kLibrary),
                   {}, {});
  }
}

void MediaSystem::OnRadioSwitch(Qt::MouseButton button) {
  if (button == Qt::RightButton) {
    OpenRadioWindow();
    return;
  }
  if (button != Qt::LeftButton) return;
  if (!radio_->CanUse()) {
    ReportMissingRadio();
    return;
  }
  window_.PlayEffect("WOpenFo");
  radio_->Toggle();
  if (radio_->Enabled()) RadioSwitchedOn();
}

void MediaSystem::OpenRadioWindow() {
  if (!radio_->CanUse()) {
    ReportMissingRadio();
    return;
  }
  window_.PlayEffect("WOpenFo");
  TFormRadio dialog(window_.Pictures(), window_.Look(), *radio_, &window_);
  connect(&dialog, &TFormRadio::Toggled, this, [this] {
    if (radio_->Enabled()) RadioSwitchedOn();
  });
  dialog.exec();
}

}  // namespace tavlo
