// The main of the window tests: an application object on an offscreen screen of
// 1920 x 1200, so that every window size fits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "ui/widgets/font_roles.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const QString config = QDir::tempPath() + "/tavlo-test-screen.json";
  QFile file(config);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(R"({"screens":[{"name":"test","x":0,"y":0,"width":1920,"height":1200,"logicalDpiX":96,"logicalDpiY":96}]})");
    file.close();
  }
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
  QApplication app(argc, argv);
  tavlo::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
