#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>

namespace tavlo {

// The file name under the history folder that keeps a tournament player's picture. An ordinary
// nick keeps its own name ("Ann" -> "Ann.bmp"); a nick the club may hand over that would leave the
// folder or cannot be a file name (empty, "." or "..", a path separator, control characters,
// very long) gets a fixed-length name made from a digest of its bytes instead.
QString TourPhotoFileName(const std::string& nickUtf8);

// A fetched photo fit to keep: decoded and of a size a player photo has; anything else is nothing.
std::optional<QImage> SensiblePhoto(const std::optional<QImage>& photo);

// Writes the player's picture (the photo when it is fit to keep, else `fallback`) as a bitmap into
// `folder`, creating the folder when needed. Returns the written file, or nothing on failure.
std::optional<std::filesystem::path> StoreTourPhoto(const std::filesystem::path& folder, const std::string& nickUtf8,
                                                    const std::optional<QImage>& photo, const QImage& fallback);

// The stored picture of a player, fitted into a square of `size` (empty when there is none).
QImage StoredTourPhoto(const std::filesystem::path& folder, const std::string& nickUtf8, int size);

}  // namespace tavlo
