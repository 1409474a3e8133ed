#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

namespace tavlo {

// The picture libraries are Qt resource bundles named after the library file: "ZanCGraph1.dll"
// is "ZanCGraph1.rcc". The first folder that holds the bundle wins (program folder, then parent).
std::optional<std::filesystem::path> FindLibraryBundle(const std::vector<std::filesystem::path>& folders,
                                                       const QString& libraryFile);

// The whole bundle, when it passes the bounds check that makes it safe to register with Qt;
// nothing when it is missing, unreadable, too large or damaged.
std::optional<QByteArray> ReadSoundBundle(const std::filesystem::path& bundle);

// The raw bytes of a named resource in a bundle; the name matches a file's name with or without
// its extension, ignoring case. The bundle is read and checked for each call; a damaged one gives
// nothing, as a missing one does.
std::optional<QByteArray> ReadLibraryResource(const std::filesystem::path& bundle, const QString& name);

}  // namespace tavlo
