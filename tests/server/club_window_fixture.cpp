#include "club_window_fixture.h"

#include <filesystem>

#include "files/program_paths.h"
#include "settings/settings.h"
#include "ui/world/world_play.h"

namespace tavlo::testing {

void ClubWindowTest::TearDown() {
  CloseWindow();
  ClubServerTest::TearDown();
}

void ClubWindowTest::StartWindow() {
  qputenv("TAVLO_CLUB", QByteArray::fromStdString(Base()));
  const std::filesystem::path parent = home_.path().toStdString();
  window_ = std::make_unique<MainWindow>(ProgramPaths{parent, parent / "game"}, 7);
  window_->SetShippedLibraries(std::nullopt);
  window_->Notice = [this](const QString& a, const QString&, const QString&) { notices_ << a; };
  window_->AskYesNo = [](const QString&) { return true; };
  window_->show();
  window_->CompleteStart();
  window_->LeaveTitle();
  ASSERT_TRUE(window_->MenuShown());
  window_->World().WatchTimer().stop();
}

void ClubWindowTest::CloseWindow() {
  if (!window_) return;
  window_->AskYesNo = [](const QString&) { return true; };
  window_->close();
  window_.reset();
}

void ClubWindowTest::SetPassport(const std::string& nick) {
  Settings& s = window_->CurrentSettings();
  s.WorldName = nick;
  s.WorldCity = "Oslo";
  s.WorldCountry = "1-035";
  s.WorldSex = "W";
}

}  // namespace tavlo::testing
