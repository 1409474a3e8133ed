#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace tavlo {

class FontRoles;

// The menu's balloon hint: a title and a text in a rounded box with a red border that
// points at its control, shown while the mouse is over the control (at most 5 s).
class HintBalloon : public QWidget {
  Q_OBJECT

 public:
  HintBalloon(const FontRoles& fonts, QWidget* parent);

  // Shows the hint for `control`; an empty title and text hide it.
  void ShowFor(QWidget* control, const QString& title, const QString& text);
  // Shows a picture for `control` instead of a text; a null picture hides the hint.
  void ShowPictureFor(QWidget* control, const QImage& picture);
  void HideHint();
  QString Title() const { return title_; }
  QString Text() const { return text_; }
  QImage Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Place(QWidget* control, int width, int height);

  const FontRoles& fonts_;
  QString title_, text_;
  QImage picture_;
  QPointer<QWidget> control_;
  QTimer hideTimer_;
  bool pointsUp_ = false;
};

// Attaches a hint to a control: the balloon shows while the mouse is over it.
void AttachHint(QWidget* control, HintBalloon* balloon, std::function<std::pair<QString, QString>()> content);
// Attaches a picture hint: the balloon shows the picture while the mouse is over the control.
void AttachPictureHint(QWidget* control, HintBalloon* balloon, std::function<QImage()> picture);

}  // namespace tavlo
