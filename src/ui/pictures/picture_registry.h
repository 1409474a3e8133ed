#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <unordered_map>
#include <vector>

#include "game/card.h"

namespace tavlo {

// The one source of pictures: built-in pictures painted by our own code at the size asked
// for, and named pictures from the library bundles beside the program. Painted pictures
// are cached per name and size, so a layout change paints each picture once.
class PictureRegistry {
 public:
  // Library bundles are searched in these folders in order (program folder, then parent folder).
  explicit PictureRegistry(std::vector<std::filesystem::path> libraryFolders);

  // A built-in picture at its design size (the size the layout gives it), painted once and cached.
  // A null image for a name that is not built in.
  QImage Picture(const QString& name);
  // The same painted for a requested pixel size (sharp at every scale), cached per size.
  QImage Picture(const QString& name, QSize size);
  bool HasPicture(const QString& name) const;  // built in; names are case-insensitive
  QSize DesignSize(const QString& name) const;
  // Every built-in picture name, in catalogue order (for contact sheets and checks).
  QStringList PictureNames() const;

  // Animated built-in pictures ("GifMenu1", "GifMenu2", "GEndBest", "GSirenaB", ...): the
  // number of frames (1 for a still picture, 0 for an unknown name) and one frame at a size.
  int FrameCount(const QString& name) const;
  QImage Frame(const QString& name, int frame, QSize size);
  // Milliseconds each frame of an animation stays up.
  int FrameDelay(const QString& name) const;

  // Library look-up: "ZanCards06A.dll", "ZanCGraph1.dll", ... are Qt resource bundles (.rcc) with
  // the same base name (e.g. ZanCGraph1.rcc) in the library folders; picture names are
  // case-insensitive.
  bool HasLibrary(const QString& libraryFile) const;
  std::optional<QImage> LibraryPicture(const QString& libraryFile, const QString& name);

  // The built-in deck: face of a card and back number (1..7), at a pixel size. At 69 x 94 the
  // picture fills the whole rectangle (the table draws the outline around it); at every other size
  // it is a whole card with rounded, transparent corners.
  QImage CardFace(TCardCode card, QSize size);
  QImage CardBack(int backNumber, QSize size);
  // Suit symbols: suit is a suit character of TCardCode (kHearts, ...).
  QImage SuitSymbol(char suit, QSize size);

 private:
  std::vector<std::filesystem::path> libraryFolders_;
  std::unordered_map<QString, QImage> cache_;
};

QImage Recolour(const QImage& picture, int variant);  // caption variants 1..7
// Bilinear resampling; returns the picture unchanged unless both sizes are larger than 1.
// Throws std::invalid_argument("Only COLOR_RGBALPHA and COLOR_RGB formats are supported") for
// pictures that are neither RGB nor RGB with alpha (indexed, grey, mono).
QImage ResizePng(const QImage& picture, int width, int height);

}  // namespace tavlo
