// tavlo-screens DIR: renders review pictures of the program into DIR.
// tavlo-screens --appstream DIR: only the pictures the AppStream description names.
#include <QDir>
#include <QTemporaryFile>
#include <QApplication>
#include <cstdio>
#include <string_view>

#include "library_sheets.h"
#include "picture_sheets.h"
#include "ui/widgets/font_roles.h"
#include "window_shots.h"
#include "dialog_shots.h"
#include "lan_shots.h"
#include "new_player_shots.h"
#include "ui/pictures/picture_registry.h"

int main(int argc, char** argv) {
  const bool appStream = argc == 3 && std::string_view(argv[1]) == "--appstream";
  if (argc != 2 && !appStream) {
    std::fprintf(stderr, "usage: tavlo-screens DIR | tavlo-screens --appstream DIR\n");
    return 2;
  }
  QTemporaryFile config;
  // A review tool: it never needs a display. Its screen is large enough for every window size.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    // A file of its own, so that two runs at once never read each other's half-written file.
    config.setFileTemplate(QDir::tempPath() + "/tavlo-screens-screen-XXXXXX.json");
    if (!config.open() ||
        config.write(R"({"screens":[{"name":"review","x":0,"y":0,"width":1920,"height":1200,"logicalDpiX":96,"logicalDpiY":96}]})") < 0 ||
        !config.flush()) {
      std::fprintf(stderr, "cannot write the offscreen screen description\n");
      return 1;
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toUtf8());
  }
  QApplication app(argc, argv);
  tavlo::InstallFontSubstitutes();
  const QString folder = QString::fromLocal8Bit(argv[argc - 1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", argv[argc - 1]);
    return 1;
  }
  if (appStream) {
    constexpr int kAppStreamPictures = 4;
    const int written = tavlo::WriteAppStreamShots(folder);
    std::printf("%d files written to %s\n", written, argv[argc - 1]);
    return written == kAppStreamPictures ? 0 : 1;
  }
  tavlo::PictureRegistry registry({});
  const int written = tavlo::WritePictureSheets(registry, folder) + tavlo::WriteWindowShots(folder) +
                      tavlo::WriteDialogShots(folder) + tavlo::WriteLibrarySheets(folder) +
                      tavlo::WriteLanShots(folder) +
                      tavlo::WriteNewPlayerShots(folder);
  std::printf("%d files written to %s\n", written, argv[1]);
  return written > 0 ? 0 : 1;
}
