#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTimer>
#include <cstdint>
#include <functional>

// Driving windows from outside their modal loops: the window tests and the review pictures.
namespace tavlo::testing {

// Processes events until the condition holds or the deadline passes.
inline bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 20000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

// Runs `action` once on the first visible dialog of type T whose parent is `parent`, as soon as
// it opens: the dialog runs its own modal loop, so the action comes from a timer inside it.
template <typename T>
void OnDialog(QWidget* parent, std::function<void(T&)> action) {
  auto* poll = new QTimer();
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, parent, action] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<T*>(w);
      if (dialog && dialog->isVisible() && dialog->parentWidget() == parent) {
        poll->stop();
        poll->deleteLater();
        action(*dialog);
        return;
      }
    }
  });
  poll->start();
}

// A loopback port the system has just handed out and taken back; 0 when none was free.
inline std::uint16_t FreeLoopbackPort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  return probe.serverPort();
}

}  // namespace tavlo::testing
