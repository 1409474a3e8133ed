#include "ui/pictures/picture_library.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <vector>

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

namespace {

// A deck asks its library for some sixty pictures in a row: the checked bytes of the last bundles
// read stay registered, so a bundle is read and checked once, not once per picture. A bundle that
// changed on disk (a download, a copy) is read again.
struct CheckedBundle {
  std::filesystem::path path;
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified;
  QByteArray bytes;
  QString root;
};

const CheckedBundle* OpenCheckedBundle(const std::filesystem::path& bundle) {
  static std::vector<CheckedBundle> open;  // the window's thread only
  static int counter = 0;
  constexpr std::size_t kKept = 2;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(bundle, error);
  if (error) return nullptr;
  const auto modified = std::filesystem::last_write_time(bundle, error);
  if (error) return nullptr;
  for (auto it = open.begin(); it != open.end(); ++it) {
    if (it->path != bundle) continue;
    if (it->size == size && it->modified == modified) return &*it;
    QResource::unregisterResource(reinterpret_cast<const uchar*>(it->bytes.constData()), it->root);
    open.erase(it);
    break;
  }
  std::optional<QByteArray> bytes = ReadSoundBundle(bundle);
  if (!bytes) return nullptr;
  if (open.size() >= kKept) {
    QResource::unregisterResource(reinterpret_cast<const uchar*>(open.front().bytes.constData()), open.front().root);
    open.erase(open.begin());
  }
  CheckedBundle entry{bundle, size, modified, std::move(*bytes), QStringLiteral("/tavlo-library-%1").arg(++counter)};
  // Qt trusts every offset in a bundle, so only the checked bytes are registered, from memory.
  if (!QResource::registerResource(reinterpret_cast<const uchar*>(entry.bytes.constData()), entry.root)) return nullptr;
  open.push_back(std::move(entry));
  return &open.back();
}

}  // namespace

std::optional<QByteArray> ReadLibraryResource(const std::filesystem::path& bundle, const QString& name) {
  const CheckedBundle* checked = OpenCheckedBundle(bundle);
  if (!checked) return std::nullopt;
  const QString& root = checked->root;
  // Our libraries store each picture at the top as its name plus extension: one look-up finds it.
  for (const char* extension : {".png", ".jpg", ".bmp", ""}) {
    QFile resource(QLatin1Char(':') + root + QLatin1Char('/') + name + QLatin1String(extension));
    if (resource.exists() && resource.open(QIODevice::ReadOnly)) return resource.readAll();
  }
  QDirIterator it(QLatin1Char(':') + root, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    if (info.fileName().compare(name, Qt::CaseInsensitive) == 0 ||
        info.completeBaseName().compare(name, Qt::CaseInsensitive) == 0) {
      QFile resource(info.filePath());
      if (resource.open(QIODevice::ReadOnly)) return resource.readAll();
      break;
    }
  }
  return std::nullopt;
}

}  // namespace tavlo
