// Paints the pictures of the calendar library into a folder, with the resource list that Qt's
// resource compiler packs into "ZanCalendar01.rcc". Run by the build:
//   tavlo-calendar-library FOLDER [--sheet PICTURE.png]
// --sheet also writes every picture side by side at twice its size, for looking the library over.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "ui/calendar/art/calendar_art.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: tavlo-calendar-library FOLDER [--sheet PICTURE.png]\n");
    return 2;
  }
  const QDir folder(args[1]);
  if (!QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
    return 1;
  }
  using namespace tavlo::calendar_art;
  QString qrc = "<RCC><qresource prefix=\"/\">\n";
  QImage sheet;
  QPainter sheetPainter;
  const int columns = 12;
  const QStringList names = PictureNames();
  if (args.size() >= 4 && args[2] == "--sheet") {
    // Twice the size, pixel for pixel, so that the details can be judged.
    sheet =
        QImage(columns * 128, static_cast<int>((names.size() + columns - 1) / columns) * 208, QImage::Format_ARGB32);
    sheet.fill(QColor(0x1E, 0x6B, 0x3A));
    sheetPainter.begin(&sheet);
    sheetPainter.scale(2, 2);
  }
  for (int k = 0; k < names.size(); ++k) {
    const QImage picture = PaintPicture(names[k]);
    const QString file = names[k] + ".png";
    if (picture.isNull() || !picture.save(folder.filePath(file))) {
      std::fprintf(stderr, "cannot paint or write %s\n", qPrintable(file));
      return 1;
    }
    qrc += "<file>" + file + "</file>\n";
    if (sheetPainter.isActive()) sheetPainter.drawImage((k % columns) * 64 + 2, (k / columns) * 104 + 2, picture);
  }
  qrc += "</qresource></RCC>\n";
  QFile list(folder.filePath("calendar.qrc"));
  if (!list.open(QIODevice::WriteOnly) || list.write(qrc.toUtf8()) < 0) {
    std::fprintf(stderr, "cannot write the resource list\n");
    return 1;
  }
  if (sheetPainter.isActive()) {
    sheetPainter.end();
    if (!sheet.save(args[3])) return 1;
  }
  return 0;
}
