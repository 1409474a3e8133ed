#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <unordered_map>
#include <vector>

namespace tavlo::art {

// Paints a picture in its design coordinates; the painter is already scaled to the pixel size.
using DesignPainter = std::function<void(QPainter& painter, int frame)>;
// Paints a picture straight at a pixel size (for pictures that lay themselves out per size).
using Renderer = std::function<QImage(QSize size, int frame)>;

struct PictureEntry {
  QString name;
  QSize designSize;
  int frames = 1;
  int frameDelay = 100;  // milliseconds per frame of an animation
  Renderer render;
};

// The table of every built-in picture by name. Names are matched case-insensitively, as the
// program's resource look-up does.
class Catalog {
 public:
  void Add(const QString& name, QSize designSize, DesignPainter paint, int frames = 1, int frameDelay = 100);
  void AddRendered(const QString& name, QSize designSize, Renderer render, int frames = 1, int frameDelay = 100);
  const PictureEntry* Find(const QString& name) const;
  const std::vector<PictureEntry>& Entries() const { return entries_; }

 private:
  std::vector<PictureEntry> entries_;
  std::unordered_map<QString, std::size_t> index_;
};

const Catalog& BuiltInCatalog();

// A transparent ARGB canvas of the pixel size with a painter scaled from the design size.
QImage PaintScaled(QSize designSize, QSize size, const DesignPainter& paint, int frame);

// The families of built-in pictures, each in its own file.
void AddDeckPictures(Catalog& catalog);
void AddButtonPictures(Catalog& catalog);
void AddHeaderPictures(Catalog& catalog);
void AddMenuPictures(Catalog& catalog);
void AddClockPictures(Catalog& catalog);
void AddTablePictures(Catalog& catalog);
void AddIconPictures(Catalog& catalog);
void AddAwardPictures(Catalog& catalog);
void AddPopupPictures(Catalog& catalog);

}  // namespace tavlo::art
