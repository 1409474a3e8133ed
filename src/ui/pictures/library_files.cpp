#include "ui/pictures/library_files.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QResource>
#include <QSet>
#include <atomic>
#include <cstdint>
#include <system_error>
#include <vector>

#include "ui/pictures/deck_names.h"
#include "ui/pictures/picture_sources.h"

namespace tavlo {

namespace fs = std::filesystem;

namespace {

QString BundleName(const QString& libraryFile) { return QFileInfo(libraryFile).completeBaseName() + ".rcc"; }

// Picture names the program asks each library for; a bundle missing any of them is not that library.
QStringList ExpectedPictures(const QString& libraryFile) {
  QStringList names;
  if (libraryFile == kDeckLibraryA || libraryFile == kDeckLibraryB || libraryFile == kDeckLibraryC) {
    for (int deck = 1; deck <= 47; ++deck) {
      const DeckTableEntry entry = DeckEntry(deck);
      if (entry.library != libraryFile) continue;
      for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 1; rank <= 13; ++rank) {
          const QString& code = CardCode(entry, rank);
          if (code != entry.code) continue;  // another deck's pictures
          names << FacePictureName(suit, rank, code) << FacePictureName(suit, rank, code) + "B";
        }
      }
    }
    if (libraryFile == kDeckLibraryB) {
      for (int back = 1; back <= 7; ++back) names << BackPictureName(back) + "U";
      for (int set = 1; set <= 12; ++set) {
        for (int back = 1; back <= BackCount(set); ++back) {
          for (const char* suffix : {"", "B", "U"}) names << BackPictureName(back) + BackSetCode(set) + suffix;
        }
      }
    }
  } else if (libraryFile == kBackgroundLibrary) {
    for (int number = 1; number <= 10; ++number) {
      for (int colour = 0; colour <= 6; ++colour) {
        if (number == 2 && colour == 0) continue;
        const QString name = BackgroundPictureName(number, colour);
        names << name << name + "B";
      }
    }
  } else if (libraryFile == kDesignLibrary) {
    names << "BGLilu"
          << "GTouch"
          << "GFormOpt"
          << "GFormSpeed"
          << "GIcon48Opt";
  }
  return names;
}

std::uint32_t Be32(const QByteArray& b, qint64 at) {
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

std::uint16_t Be16(const QByteArray& b, qint64 at) {
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
  return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

// Walks the whole tree of a resource bundle ("qres" header, tree, names, data) and checks that
// every offset and length stays inside the file, before Qt is given the file: a truncated or
// doctored bundle must be refused, not read past its end.
QString BundleStructureProblem(const QByteArray& b) {
  const qint64 size = b.size();
  if (size < 20 || !b.startsWith("qres")) return QStringLiteral("not a resource bundle");
  const std::uint32_t version = Be32(b, 4);
  if (version < 1 || version > 3) return QStringLiteral("unknown bundle version %1").arg(version);
  const qint64 tree = Be32(b, 8);
  const qint64 data = Be32(b, 12);
  const qint64 names = Be32(b, 16);
  if (tree >= size || data >= size || names >= size) return QStringLiteral("the bundle is cut short");
  const qint64 nodeSize = version == 1 ? 14 : 22;
  const auto nodeFits = [&](qint64 index) { return index >= 0 && tree + (index + 1) * nodeSize <= size; };
  std::vector<qint64> pending{0};
  qint64 visited = 0;
  const qint64 maxNodes = (size - tree) / nodeSize;
  while (!pending.empty()) {
    const qint64 index = pending.back();
    pending.pop_back();
    if (!nodeFits(index) || ++visited > maxNodes) return QStringLiteral("the bundle's tree is damaged");
    const qint64 node = tree + index * nodeSize;
    const qint64 name = names + Be32(b, node);
    if (index != 0 && (name + 6 > size || name + 6 + 2 * qint64(Be16(b, name)) > size)) {
      return QStringLiteral("a name lies outside the bundle");
    }
    const std::uint16_t flags = Be16(b, node + 4);
    if (flags & 0x02) {  // a directory: its children follow one another in the tree
      const qint64 count = Be32(b, node + 6);
      const qint64 first = Be32(b, node + 10);
      // Children come after their directory, so the walk cannot go round in a circle.
      if (count > maxNodes || (count > 0 && (first <= index || !nodeFits(first) || !nodeFits(first + count - 1)))) {
        return QStringLiteral("the bundle's tree is damaged");
      }
      for (qint64 k = 0; k < count; ++k) pending.push_back(first + k);
    } else {
      const qint64 blob = data + Be32(b, node + 10);
      if (blob + 4 > size || blob + 4 + qint64(Be32(b, blob)) > size)
        return QStringLiteral("a picture lies outside the bundle");
    }
  }
  return {};
}

}  // namespace

QStringList PictureLibraryFiles() {
  return {kDeckLibraryA, kDeckLibraryB, kDeckLibraryC, kBackgroundLibrary, kDesignLibrary};
}

std::optional<fs::path> ShippedLibraryFolder() {
  std::error_code error;
  if (QCoreApplication::instance()) {
    const fs::path beside = fs::path(QCoreApplication::applicationDirPath().toStdString()) / "libraries";
    if (fs::is_directory(beside, error)) return beside;
  }
#ifdef TAVLO_BUILT_LIBRARIES
  const fs::path built(TAVLO_BUILT_LIBRARIES);
  if (fs::is_directory(built, error)) return built;
#endif
  return std::nullopt;
}

bool InstallPictureLibraries(const fs::path& programFolder, const fs::path& shippedFolder) {
  bool ok = true;
  std::error_code error;
  fs::create_directories(programFolder, error);
  for (const QString& library : PictureLibraryFiles()) {
    const std::string bundle = BundleName(library).toStdString();
    const fs::path from = shippedFolder / bundle;
    const fs::path to = programFolder / bundle;
    if (!fs::is_regular_file(from, error) || fs::exists(to, error)) continue;
    const fs::path temporary = programFolder / (bundle + ".part");
    if (!fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error)) {
      fs::remove(temporary, error);
      ok = false;
      continue;
    }
    fs::rename(temporary, to, error);
    if (error) {
      fs::remove(temporary, error);
      ok = false;
    }
  }
  return ok;
}

QString CheckLibraryBundle(const fs::path& bundle, const QString& libraryFile) {
  static std::atomic<int> counter{0};
  const QString root = QStringLiteral("/tavlo-check-%1").arg(++counter);
  const QString file = QString::fromStdString(bundle.string());
  {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return QStringLiteral("cannot read the bundle");
    if (const QString problem = BundleStructureProblem(in.readAll()); !problem.isEmpty()) return problem;
  }
  if (!QResource::registerResource(file, root)) return QStringLiteral("not a resource bundle");
  QSet<QString> present;
  QString sample;
  QDirIterator it(QLatin1Char(':') + root, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    present.insert(info.completeBaseName().toLower());
    if (sample.isEmpty()) sample = info.filePath();
  }
  QString problem;
  const QStringList expected = ExpectedPictures(libraryFile);
  if (present.isEmpty()) problem = QStringLiteral("the bundle is empty");
  for (const QString& name : expected) {
    if (!problem.isEmpty()) break;
    if (!present.contains(name.toLower())) problem = QStringLiteral("%1 is missing").arg(name);
  }
  // Pictures must decode; a first one and, for the picture libraries, one the program needs.
  if (problem.isEmpty() && !expected.isEmpty()) {
    QDirIterator find(QLatin1Char(':') + root, QDir::Files, QDirIterator::Subdirectories);
    while (find.hasNext()) {
      const QFileInfo info(find.next());
      if (info.completeBaseName().compare(expected.front(), Qt::CaseInsensitive) == 0) {
        sample = info.filePath();
        break;
      }
    }
    if (QImage(sample).isNull()) problem = QStringLiteral("%1 does not decode").arg(QFileInfo(sample).fileName());
  }
  QResource::unregisterResource(file, root);
  return problem;
}

}  // namespace tavlo
