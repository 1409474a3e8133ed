#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

void Catalog::Add(const QString& name, QSize designSize, DesignPainter paint, int frames, int frameDelay) {
  AddRendered(
      name, designSize,
      [designSize, paint = std::move(paint)](QSize size, int frame) {
        return PaintScaled(designSize, size, paint, frame);
      },
      frames, frameDelay);
}

void Catalog::AddRendered(const QString& name, QSize designSize, Renderer render, int frames, int frameDelay) {
  index_[name.toLower()] = entries_.size();
  entries_.push_back(PictureEntry{name, designSize, frames, frameDelay, std::move(render)});
}

const PictureEntry* Catalog::Find(const QString& name) const {
  const auto it = index_.find(name.toLower());
  return it == index_.end() ? nullptr : &entries_[it->second];
}

QImage PaintScaled(QSize designSize, QSize size, const DesignPainter& paint, int frame) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.scale(static_cast<double>(size.width()) / designSize.width(),
                static_cast<double>(size.height()) / designSize.height());
  paint(painter, frame);
  return image;
}

const Catalog& BuiltInCatalog() {
  static const Catalog catalog = [] {
    Catalog c;
    AddDeckPictures(c);
    AddButtonPictures(c);
    AddHeaderPictures(c);
    AddMenuPictures(c);
    AddClockPictures(c);
    AddTablePictures(c);
    AddIconPictures(c);
    AddAwardPictures(c);
    AddPopupPictures(c);
    return c;
  }();
  return catalog;
}

}  // namespace tavlo::art
