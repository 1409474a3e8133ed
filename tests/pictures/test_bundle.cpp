#include "test_bundle.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace tavlo::testing {

bool WriteBundle(const std::filesystem::path& folder, const QString& libraryBase,
                 const std::map<QString, QImage>& pictures) {
  QTemporaryDir sources;
  if (!sources.isValid()) {
    ADD_FAILURE() << "no temporary folder";
    return false;
  }
  QString qrc = "<RCC><qresource prefix=\"/\">\n";
  for (const auto& [name, picture] : pictures) {
    const QString file = name + ".png";
    if (!picture.save(sources.filePath(file))) {
      ADD_FAILURE() << "cannot write " << file.toStdString();
      return false;
    }
    qrc += "<file>" + file + "</file>\n";
  }
  qrc += "</qresource></RCC>\n";
  QFile qrcFile(sources.filePath("bundle.qrc"));
  if (!qrcFile.open(QIODevice::WriteOnly) || qrcFile.write(qrc.toUtf8()) < 0) {
    ADD_FAILURE() << "cannot write the resource list";
    return false;
  }
  qrcFile.close();
  std::filesystem::create_directories(folder);
  const QString output = QString::fromStdString((folder / (libraryBase + ".rcc").toStdString()).string());
  QProcess rcc;
  rcc.setWorkingDirectory(sources.path());
  rcc.start(TAVLO_RCC, {"--binary", "-o", output, "bundle.qrc"});
  if (!rcc.waitForFinished(30000) || rcc.exitCode() != 0) {
    ADD_FAILURE() << "rcc failed: " << rcc.readAllStandardError().toStdString();
    return false;
  }
  return true;
}

QImage Filled(QSize size, QRgb colour) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

}  // namespace tavlo::testing
