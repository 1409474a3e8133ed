#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "ui/main_window.h"

namespace tavlo::testing {

// A main window started in a fresh program folder, with its notices and questions
// answered by the test instead of modal boxes.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates and shows the window and completes its start (the first paint).
  void StartWindow(std::optional<std::uint64_t> seed = 11);
  // Processes events until the condition holds or the deadline passes.
  static bool WaitFor(const std::function<bool()>& condition, int milliseconds = 20000);
  // Runs `action` on the next modal dialog that opens while `trigger` runs.
  static void OnNextModal(std::function<void(QWidget*)> action);

  ProgramPaths Paths() const;

  QTemporaryDir home;
  std::unique_ptr<MainWindow> window;
  QStringList notices;
  bool answer = true;
  // The picture libraries the first start installs: none unless a test asks for the build's.
  std::optional<std::filesystem::path> shippedLibraries;
  QStringList questions;
  // The tests are written for the small window; a first start normally takes the largest size.
  bool firstStartFitsScreen = false;
};

}  // namespace tavlo::testing
