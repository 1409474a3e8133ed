// The main of the window tests: an application object on an offscreen screen of
// 1920 x 1200, so that every window size fits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryFile>

#include <cstdio>

#include "ui/widgets/font_roles.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // ctest runs many of these processes at once: each describes its screen in a file of its own,
  // so that no process reads a description another one is just rewriting.
  QTemporaryFile config(QDir::tempPath() + "/tavlo-test-screen-XXXXXX.json");
  if (!config.open() ||
      config.write(R"({"screens":[{"name":"test","x":0,"y":0,"width":1920,"height":1200,"logicalDpiX":96,"logicalDpiY":96}]})") < 0 ||
      !config.flush()) {
    std::fprintf(stderr, "cannot write the offscreen screen description\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toUtf8());
  QApplication app(argc, argv);
  tavlo::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
