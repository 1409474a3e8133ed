#pragma once

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
  void HideHint();
  QString Title() const { return title_; }
  QString Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const FontRoles& fonts_;
  QString title_, text_;
  QPointer<QWidget> control_;
  QTimer hideTimer_;
  bool pointsUp_ = false;
};

// Attaches a hint to a control: the balloon shows while the mouse is over it.
void AttachHint(QWidget* control, HintBalloon* balloon, std::function<std::pair<QString, QString>()> content);

}  // namespace tavlo
