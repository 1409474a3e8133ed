#include "ui/libraries/library_writer.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace tavlo::libraries {

LibraryWriter::LibraryWriter(const QString& folder, const QString& base) : folder_(folder), base_(base) {
  folder_.mkpath(base_);
}

void LibraryWriter::AddPng(const QString& name, const QImage& picture) { Add(name + ".png", picture, "PNG", -1); }

void LibraryWriter::AddJpeg(const QString& name, const QImage& picture, int quality) {
  Add(name + ".jpg", picture.convertToFormat(QImage::Format_RGB32), "JPG", quality);
}

void LibraryWriter::Add(const QString& file, const QImage& picture, const char* format, int quality) {
  if (files_.contains(file, Qt::CaseInsensitive)) {
    std::fprintf(stderr, "%s: %s is listed twice\n", qPrintable(base_), qPrintable(file));
    failed_ = true;
    return;
  }
  if (picture.isNull() || !picture.save(folder_.filePath(base_ + "/" + file), format, quality)) {
    std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(base_), qPrintable(file));
    failed_ = true;
    return;
  }
  files_ << file;
}

bool LibraryWriter::Finish() {
  if (failed_) return false;
  QString qrc = "<RCC>\n<qresource prefix=\"/\">\n";
  for (const QString& file : files_) {
    qrc += QStringLiteral("<file alias=\"%1\">%2/%1</file>\n").arg(file, base_);
  }
  qrc += "</qresource>\n</RCC>\n";
  // The list is written last and whole, so a broken run never leaves a list of missing files.
  QSaveFile list(folder_.filePath(base_ + ".qrc"));
  if (!list.open(QIODevice::WriteOnly) || list.write(qrc.toUtf8()) < 0 || !list.commit()) {
    std::fprintf(stderr, "%s: cannot write the resource list\n", qPrintable(base_));
    return false;
  }
  return true;
}

}  // namespace tavlo::libraries
