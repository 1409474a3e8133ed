// tavlo-screens DIR: renders review pictures of the program into DIR.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "picture_sheets.h"
#include "ui/pictures/picture_registry.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tavlo-screens DIR\n");
    return 2;
  }
  // A review tool: it never needs a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  tavlo::PictureRegistry registry({});
  const int written = tavlo::WritePictureSheets(registry, folder);
  std::printf("%d files written to %s\n", written, argv[1]);
  return written > 0 ? 0 : 1;
}
