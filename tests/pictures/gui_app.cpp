#include "gui_app.h"

#include <QGuiApplication>

namespace tavlo::testing {

void EnsureGuiApp() {
  static int argc = 1;
  static char name[] = "tavlo_pictures_tests";
  static char* argv[] = {name, nullptr};
  if (!QGuiApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Left alive to the end of the process: destroying it from an exit handler, after Qt's own
    // statics are gone, crashes.
    new QGuiApplication(argc, argv);
  }
}

}  // namespace tavlo::testing
