#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

namespace tavlo::libraries {

// Collects the pictures of one library in a folder and lists them in a resource list (.qrc)
// for Qt's resource compiler. Each picture is stored under its own name with the extension of
// its format ("Ch02Med.png", "Fon05GrB.jpg"); the program finds it by name alone.
class LibraryWriter {
 public:
  // Writes into <folder>/<base>/ and <folder>/<base>.qrc.
  LibraryWriter(const QString& folder, const QString& base);

  void AddPng(const QString& name, const QImage& picture);
  void AddJpeg(const QString& name, const QImage& picture, int quality = 88);
  // Writes the resource list; false (with a message) when any picture could not be written.
  bool Finish();
  int Count() const { return static_cast<int>(files_.size()); }

 private:
  void Add(const QString& file, const QImage& picture, const char* format, int quality);

  QDir folder_;
  QString base_;
  QStringList files_;
  bool failed_ = false;
};

}  // namespace tavlo::libraries
