#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <map>

namespace tavlo::testing {

// Builds a resource bundle "<folder>/<libraryBase>.rcc" holding the given pictures as PNG files
// (name + ".png"), with Qt's resource compiler, as the picture libraries are packaged.
// Returns false (with a test failure) when the compiler fails.
bool WriteBundle(const std::filesystem::path& folder, const QString& libraryBase,
                 const std::map<QString, QImage>& pictures);

// A plain picture of one colour.
QImage Filled(QSize size, QRgb colour);

}  // namespace tavlo::testing
