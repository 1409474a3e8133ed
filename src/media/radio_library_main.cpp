// Writes the radio library's pictures and their resource list into a folder, for the build to
// pack into ZanRadio02.rcc with Qt's resource compiler.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "media/radio_art.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(".")) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  QString list = "<RCC><qresource>\n";
  for (const auto& [name, picture] : tavlo::PaintRadioLibrary()) {
    if (!picture.save(folder.filePath(name + ".png"))) {
      std::fprintf(stderr, "cannot write %s.png\n", qPrintable(name));
      return 1;
    }
    list += "  <file>" + name + ".png</file>\n";
  }
  list += "</qresource></RCC>\n";
  QFile qrc(folder.filePath("ZanRadio02.qrc"));
  if (!qrc.open(QIODevice::WriteOnly) || qrc.write(list.toUtf8()) < 0) {
    std::fprintf(stderr, "cannot write the resource list\n");
    return 1;
  }
  return 0;
}
