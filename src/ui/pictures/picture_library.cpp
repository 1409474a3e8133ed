#include "ui/pictures/picture_library.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <atomic>

namespace tavlo {

namespace {

QString BundleFileName(const QString& libraryFile) {
  const QFileInfo info(libraryFile);
  return info.completeBaseName() + QStringLiteral(".rcc");
}

}  // namespace

std::optional<std::filesystem::path> FindLibraryBundle(const std::vector<std::filesystem::path>& folders,
                                                       const QString& libraryFile) {
  const QString wanted = BundleFileName(libraryFile);
  for (const auto& folder : folders) {
    const std::filesystem::path exact = folder / wanted.toStdString();
    std::error_code error;
    if (std::filesystem::is_regular_file(exact, error)) return exact;
    // Library names come from a system whose file names ignore case.
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      if (entry.is_regular_file(error) &&
          QString::fromStdString(entry.path().filename().string()).compare(wanted, Qt::CaseInsensitive) == 0) {
        return entry.path();
      }
    }
  }
  return std::nullopt;
}

std::optional<QByteArray> ReadLibraryResource(const std::filesystem::path& bundle, const QString& name) {
  static std::atomic<int> counter{0};
  const QString root = QStringLiteral("/tavlo-library-%1").arg(++counter);
  const QString file = QString::fromStdString(bundle.string());
  if (!QResource::registerResource(file, root)) return std::nullopt;
  std::optional<QByteArray> data;
  // Our libraries store each picture at the top as its name plus extension: one look-up finds it.
  for (const char* extension : {".png", ".jpg", ".bmp", ""}) {
    QFile resource(QLatin1Char(':') + root + QLatin1Char('/') + name + QLatin1String(extension));
    if (resource.exists() && resource.open(QIODevice::ReadOnly)) {
      data = resource.readAll();
      QResource::unregisterResource(file, root);
      return data;
    }
  }
  QDirIterator it(QLatin1Char(':') + root, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    if (info.fileName().compare(name, Qt::CaseInsensitive) == 0 ||
        info.completeBaseName().compare(name, Qt::CaseInsensitive) == 0) {
      QFile resource(info.filePath());
      if (resource.open(QIODevice::ReadOnly)) data = resource.readAll();
      break;
    }
  }
  QResource::unregisterResource(file, root);
  return data;
}

}  // namespace tavlo
