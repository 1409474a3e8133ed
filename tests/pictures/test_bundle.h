#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QString>
#include <filesystem>
#include <map>

#include "gui_app.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo::testing {

// Builds a resource bundle "<folder>/<libraryBase>.rcc" holding the given pictures as PNG files
// (name + ".png"), with Qt's resource compiler, as the picture libraries are packaged.
// Returns false (with a test failure) when the compiler fails.
bool WriteBundle(const std::filesystem::path& folder, const QString& libraryBase,
                 const std::map<QString, QImage>& pictures);

// A program folder inside its parent folder, as the program keeps them, and a registry
// that looks for libraries in both.
class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    ASSERT_TRUE(root_.isValid());
    parent_ = std::filesystem::path(root_.path().toStdString());
    program_ = parent_ / "game";
    std::filesystem::create_directories(program_);
  }
  PictureRegistry Registry() const { return PictureRegistry({program_, parent_}); }

  QTemporaryDir root_;
  std::filesystem::path parent_;
  std::filesystem::path program_;
};

// A plain picture of one colour.
QImage Filled(QSize size, QRgb colour);

}  // namespace tavlo::testing
