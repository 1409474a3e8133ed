#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

namespace tavlo {

// The picture libraries this program paints at build time, by library file name
// ("ZanCards06A.dll" .. "ZanCGraph1.dll"); each is the bundle "<base>.rcc".
QStringList PictureLibraryFiles();

// Where this build keeps the libraries it painted: "libraries" beside the executable when an
// installation put them there, else the build's own folder. Nothing when neither exists.
std::optional<std::filesystem::path> ShippedLibraryFolder();

// The installation step: copies each shipped library the program folder lacks (through a
// temporary file, so a full disk never leaves half a library). False when a copy failed.
bool InstallPictureLibraries(const std::filesystem::path& programFolder, const std::filesystem::path& shippedFolder);

// Checks a bundle before it may serve as `libraryFile`: it must open as a resource bundle and
// hold the pictures the program asks that library for, and a sample of them must decode.
// An empty text when it is good, otherwise what is wrong (for a log or a test).
QString CheckLibraryBundle(const std::filesystem::path& bundle, const QString& libraryFile);

}  // namespace tavlo
