// Tavlo: the program's entry point.
#include <QApplication>
#include <QDir>

#include "files/program_paths.h"
#include "media/media_system.h"
#include "ui/main_window.h"
#include "ui/widgets/font_roles.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tavlo");
  tavlo::InstallFontSubstitutes();
  tavlo::MainWindow window(tavlo::ResolveProgramPaths());
  // Installed, the picture libraries stand in the data folder beside bin/ (share/tavlo).
  const QDir installed(QApplication::applicationDirPath() + "/../share/tavlo/libraries");
  if (installed.exists()) window.SetShippedLibraries(std::filesystem::path(installed.absolutePath().toStdString()));
  // The club's web server is not configured yet: no play-list and no server station list.
  tavlo::MediaSystem media(window, {tavlo::MakeSystemAudioOutput(), tavlo::StreamPlayerFactory(), QUrl(),
                                    QDir::tempPath().toStdString()});
  bool failed = false;
  QObject::connect(&window, &tavlo::MainWindow::StartFailed, [&failed] { failed = true; });
  window.show();
  const int code = QApplication::exec();
  return failed ? 1 : code;
}
