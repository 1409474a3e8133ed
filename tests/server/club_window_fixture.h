#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "club_server_fixture.h"
#include "ui/main_window.h"

namespace tavlo::testing {

// The real main window (offscreen) pointed at the test's club, on the menu, with a fresh home
// folder; the club's watch timer is stopped so that the tests poll when they mean to.
class ClubWindowTest : public ClubServerTest {
 protected:
  void TearDown() override;

  void StartWindow();
  void CloseWindow();
  // A passport the world windows accept: `nick` from Oslo, Norway.
  void SetPassport(const std::string& nick = "Eve");

  QTemporaryDir home_;
  std::unique_ptr<MainWindow> window_;
  QStringList notices_;
};

}  // namespace tavlo::testing
