#include "window_fixture.h"

#include <QApplication>
#include <QTimer>

#include "window_waits.h"

namespace tavlo::testing {

void WindowTest::SetUp() { ASSERT_TRUE(home.isValid()); }

void WindowTest::TearDown() {
  if (window) {
    window->AskYesNo = [](const QString&) { return true; };
    window->close();
    window.reset();
  }
}

ProgramPaths WindowTest::Paths() const {
  const std::filesystem::path parent = home.path().toStdString();
  return ProgramPaths{parent, parent / "game"};
}

void WindowTest::StartWindow(std::optional<std::uint64_t> seed) {
  window = std::make_unique<MainWindow>(Paths(), seed);
  window->SetShippedLibraries(shippedLibraries);
  window->FirstStartFitsScreen = firstStartFitsScreen;
  window->Notice = [this](const QString& a, const QString& b, const QString& c) {
    notices << (QStringList{a, b, c}.join("|"));
  };
  window->AskYesNo = [this](const QString& question) {
    questions << question;
    return answer;
  };
  window->show();
  window->CompleteStart();
}

bool WindowTest::WaitFor(const std::function<bool()>& condition, int milliseconds) {
  return WaitUntil(condition, milliseconds);
}

void WindowTest::OnNextModal(std::function<void(QWidget*)> action) {
  auto* poll = new QTimer();
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, action] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      action(modal);
    }
  });
  poll->start();
}

}  // namespace tavlo::testing
