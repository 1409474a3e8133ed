// tavlo-render-icon SVG SIZE PNG: renders the program's icon at one size for the icon theme.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: tavlo-render-icon SVG SIZE PNG\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  const int size = QString(argv[2]).toInt();
  if (!svg.isValid() || size < 8 || size > 1024) {
    std::fprintf(stderr, "tavlo-render-icon: cannot render %s at %s\n", argv[1], argv[2]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter);
  painter.end();
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "tavlo-render-icon: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
