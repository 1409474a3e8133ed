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
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "files/atomic_write.h"
#include "ui/pictures/deck_names.h"
#include "ui/pictures/picture_library.h"
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
    std::ifstream in(from, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) {
      ok = false;
      continue;
    }
    // A copy cut short by a crash is a temporary the next start removes, never a half library.
    const std::error_code written = WriteNewFileAtomically(to, bytes);
    if (written && written != std::errc::file_exists) ok = false;
  }
  return ok;
}

QString CheckLibraryBundle(const fs::path& bundle, const QString& libraryFile) {
  static std::atomic<int> counter{0};
  const QString root = QStringLiteral("/tavlo-check-%1").arg(++counter);
  // Qt is given only bytes the shared bundle check has walked (offsets, names, sizes).
  const std::optional<QByteArray> bytes = ReadSoundBundle(bundle);
  if (!bytes) return QStringLiteral("not a sound resource bundle");
  const auto* data = reinterpret_cast<const uchar*>(bytes->constData());
  if (!QResource::registerResource(data, root)) return QStringLiteral("not a resource bundle");
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
  QResource::unregisterResource(data, root);
  return problem;
}

}  // namespace tavlo
