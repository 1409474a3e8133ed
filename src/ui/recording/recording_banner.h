#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace tavlo {

class PictureRegistry;
struct FontRoles;

// The banner "Creating a GIF..." shown centred over the window while a recording is written:
// the window background under it, the bar picture "AdvBar3" and the text in red.
class RecordingBanner : public QWidget {
  Q_OBJECT

 public:
  RecordingBanner(QWidget& window, const QImage& background, PictureRegistry& pictures, const FontRoles& fonts,
                  QString text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage& background_;
  PictureRegistry& pictures_;
  const FontRoles& fonts_;
  QString text_;
};

}  // namespace tavlo
