#include "ui/pictures/picture_registry.h"

#include "ui/pictures/card_art.h"
#include "ui/pictures/deck_names.h"
#include "ui/pictures/picture_catalog.h"
#include "ui/pictures/picture_library.h"

namespace tavlo {

namespace {

QString CacheKey(const QString& name, QSize size, int frame) {
  return QStringLiteral("%1@%2x%3#%4").arg(name.toLower()).arg(size.width()).arg(size.height()).arg(frame);
}

}  // namespace

PictureRegistry::PictureRegistry(std::vector<std::filesystem::path> libraryFolders)
    : libraryFolders_(std::move(libraryFolders)) {}

QImage PictureRegistry::Picture(const QString& name) { return Frame(name, 0, DesignSize(name)); }

QImage PictureRegistry::Picture(const QString& name, QSize size) { return Frame(name, 0, size); }

bool PictureRegistry::HasPicture(const QString& name) const { return art::BuiltInCatalog().Find(name) != nullptr; }

QSize PictureRegistry::DesignSize(const QString& name) const {
  const art::PictureEntry* entry = art::BuiltInCatalog().Find(name);
  return entry ? entry->designSize : QSize();
}

QStringList PictureRegistry::PictureNames() const {
  QStringList names;
  for (const auto& entry : art::BuiltInCatalog().Entries()) names << entry.name;
  return names;
}

int PictureRegistry::FrameCount(const QString& name) const {
  const art::PictureEntry* entry = art::BuiltInCatalog().Find(name);
  return entry ? entry->frames : 0;
}

int PictureRegistry::FrameDelay(const QString& name) const {
  const art::PictureEntry* entry = art::BuiltInCatalog().Find(name);
  return entry ? entry->frameDelay : 0;
}

QImage PictureRegistry::Frame(const QString& name, int frame, QSize size) {
  const art::PictureEntry* entry = art::BuiltInCatalog().Find(name);
  if (!entry || size.isEmpty() || frame < 0 || frame >= entry->frames) return {};
  const QString key = CacheKey(name, size, frame);
  if (const auto it = cache_.find(key); it != cache_.end()) return it->second;
  QImage image = entry->render(size, frame);
  cache_.emplace(key, image);
  return image;
}

bool PictureRegistry::HasLibrary(const QString& libraryFile) const {
  // A damaged bundle cannot be opened, so it counts as missing and gets the missing-file notice.
  const auto bundle = FindLibraryBundle(libraryFolders_, libraryFile);
  return bundle && ReadSoundBundle(*bundle).has_value();
}

std::optional<QImage> PictureRegistry::LibraryPicture(const QString& libraryFile, const QString& name) {
  const auto bundle = FindLibraryBundle(libraryFolders_, libraryFile);
  if (!bundle) return std::nullopt;
  const auto data = ReadLibraryResource(*bundle, name);
  if (!data) return std::nullopt;
  QImage image = QImage::fromData(*data);
  if (image.isNull()) return std::nullopt;
  return image;
}

QImage PictureRegistry::CardFace(TCardCode card, QSize size) {
  if (!IsValidCard(card)) return {};
  return Picture(FacePictureName(SuitIndexOf(card.suit), RankValueOf(card), QString()), size);
}

QImage PictureRegistry::CardBack(int backNumber, QSize size) {
  if (backNumber < 1 || backNumber > 7) return {};
  return Picture(BackPictureName(backNumber), size);
}

QImage PictureRegistry::SuitSymbol(char suit, QSize size) {
  const int index = SuitIndexOf(suit);
  if (index < 0) return {};
  return Picture(SuitPictureName(index), size);
}

}  // namespace tavlo
