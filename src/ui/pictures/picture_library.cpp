#include "ui/pictures/picture_library.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <atomic>

#include "files/resource_bundle_check.h"

namespace tavlo {

namespace {

QString BundleFileName(const QString& libraryFile) {
  const QFileInfo info(libraryFile);
  return info.completeBaseName() + QStringLiteral(".rcc");
}

// Far larger than any picture library; a bigger file is not read at all.
constexpr qint64 kMaximumBundleSize = qint64{256} << 20;

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

std::optional<QByteArray> ReadSoundBundle(const std::filesystem::path& bundle) {
  QFile file(QString::fromStdString(bundle.string()));
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaximumBundleSize) return std::nullopt;
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  const std::span<const std::uint8_t> view(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                           static_cast<std::size_t>(bytes.size()));
  if (!CheckResourceBundle(view).Sound()) return std::nullopt;
  return bytes;
}

std::optional<QByteArray> ReadLibraryResource(const std::filesystem::path& bundle, const QString& name) {
  // Qt trusts every offset in a bundle, so only the checked bytes are registered, from memory:
  // the file may change on disk between the check and the read.
  const std::optional<QByteArray> bytes = ReadSoundBundle(bundle);
  if (!bytes) return std::nullopt;
  static std::atomic<int> counter{0};
  const QString root = QStringLiteral("/tavlo-library-%1").arg(++counter);
  const auto* file = reinterpret_cast<const uchar*>(bytes->constData());
  if (!QResource::registerResource(file, root)) return std::nullopt;
  std::optional<QByteArray> data;
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
