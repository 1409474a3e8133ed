#include "ui/widgets/hint_balloon.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "ui/widgets/font_roles.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

constexpr int kPad = 8;
constexpr int kArrow = 8;

class HintFilter : public QObject {
 public:
  HintFilter(QWidget* control, HintBalloon* balloon, std::function<std::pair<QString, QString>()> content)
      : QObject(control), control_(control), balloon_(balloon), content_(std::move(content)) {}
  HintFilter(QWidget* control, HintBalloon* balloon, std::function<QImage()> picture)
      : QObject(control), control_(control), balloon_(balloon), picture_(std::move(picture)) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Enter) {
      if (picture_) {
        balloon_->ShowPictureFor(control_, picture_());
      } else {
        const auto [title, text] = content_();
        balloon_->ShowFor(control_, title, text);
      }
    } else if (event->type() == QEvent::Leave || event->type() == QEvent::Hide ||
               event->type() == QEvent::MouseButtonPress) {
      balloon_->HideHint();
    }
    return false;
  }

 private:
  QWidget* control_;
  HintBalloon* balloon_;
  std::function<std::pair<QString, QString>()> content_;
  std::function<QImage()> picture_;
};

}  // namespace

HintBalloon::HintBalloon(const FontRoles& fonts, QWidget* parent) : QWidget(parent), fonts_(fonts) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
  hideTimer_.setSingleShot(true);
  connect(&hideTimer_, &QTimer::timeout, this, &HintBalloon::HideHint);
}

void HintBalloon::ShowFor(QWidget* control, const QString& title, const QString& text) {
  if (title.isEmpty() && text.isEmpty()) {
    HideHint();
    return;
  }
  title_ = title;
  text_ = text;
  picture_ = QImage();
  control_ = control;
  QFont titleFont = fonts_.Font(FontRole::Decor, 12, true);
  QFont textFont = fonts_.Font(FontRole::Decor, 12);
  const QFontMetrics tm(titleFont), xm(textFont);
  Place(control, std::max(tm.horizontalAdvance(title), xm.horizontalAdvance(text)) + 2 * kPad,
        tm.height() + xm.height() + 2 * kPad + kArrow);
}

void HintBalloon::ShowPictureFor(QWidget* control, const QImage& picture) {
  if (picture.isNull()) {
    HideHint();
    return;
  }
  title_.clear();
  text_.clear();
  picture_ = picture;
  control_ = control;
  Place(control, picture.width() + 2 * kPad, picture.height() + 2 * kPad + kArrow);
}

void HintBalloon::Place(QWidget* control, int width, int height) {
  // Point at the control from below it, or from above when there is no room below.
  const QRect target = control->geometry();
  pointsUp_ = target.bottom() + height < parentWidget()->height();
  const int x = std::clamp(target.center().x() - width / 2, 0, std::max(0, parentWidget()->width() - width));
  const int y = pointsUp_ ? target.bottom() + 2 : target.top() - height - 2;
  setGeometry(x, std::max(0, y), width, height);
  raise();
  show();
  update();
  hideTimer_.start(5000);
}

void HintBalloon::HideHint() {
  hideTimer_.stop();
  hide();
}

void HintBalloon::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = pointsUp_ ? QRectF(0.5, kArrow + 0.5, width() - 1, height() - kArrow - 1)
                                : QRectF(0.5, 0.5, width() - 1, height() - kArrow - 1);
  QPainterPath path;
  path.addRoundedRect(body, 6, 6);
  const double cx = control_ ? std::clamp<double>(control_->geometry().center().x() - x(), 12, width() - 12) : width() / 2.0;
  QPainterPath arrow;
  if (pointsUp_) {
    arrow.moveTo(cx - kArrow, body.top() + 1);
    arrow.lineTo(cx, 0.5);
    arrow.lineTo(cx + kArrow, body.top() + 1);
  } else {
    arrow.moveTo(cx - kArrow, body.bottom() - 1);
    arrow.lineTo(cx, height() - 0.5);
    arrow.lineTo(cx + kArrow, body.bottom() - 1);
  }
  path = path.united(arrow);
  p.setPen(QPen(FromBgrColour(0x0000FF), 1.5));
  p.setBrush(FromBgrColour(0xE1FFFF));
  p.drawPath(path);
  const QFont titleFont = fonts_.Font(FontRole::Decor, 12, true);
  const QFont textFont = fonts_.Font(FontRole::Decor, 12);
  if (!picture_.isNull()) {
    p.drawImage(QPoint((width() - picture_.width()) / 2, static_cast<int>(body.top()) + kPad), picture_);
    return;
  }
  p.setFont(titleFont);
  p.setPen(FromBgrColour(0x000080));
  const int top = static_cast<int>(body.top()) + kPad / 2;
  p.drawText(QRect(0, top, width(), QFontMetrics(titleFont).height()), Qt::AlignHCenter, title_);
  p.setFont(textFont);
  p.setPen(FromBgrColour(0x0000FF));
  p.drawText(QRect(0, top + QFontMetrics(titleFont).height() + 2, width(), QFontMetrics(textFont).height()),
             Qt::AlignHCenter, text_);
}

void AttachHint(QWidget* control, HintBalloon* balloon, std::function<std::pair<QString, QString>()> content) {
  control->installEventFilter(new HintFilter(control, balloon, std::move(content)));
}

}  // namespace tavlo

namespace tavlo {

void AttachPictureHint(QWidget* control, HintBalloon* balloon, std::function<QImage()> picture) {
  control->installEventFilter(new HintFilter(control, balloon, std::move(picture)));
}

}  // namespace tavlo
