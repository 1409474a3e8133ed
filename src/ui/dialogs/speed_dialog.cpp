#include "ui/dialogs/speed_dialog.h"

#include <QLabel>

#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

DialogPictures SpeedPictures(const QString& suffix) {
  DialogPictures p;
  p.ConciseCaption = "Speed" + suffix;
  p.Strip = "GCap300";
  p.Ribbon = "GLenta280x090";
  p.RibbonOverlay = "GFormSpeed" + suffix;
  p.CardBackground = "GFormSpeed";
  p.CardOverlay = "GFormSpeed" + suffix;
  p.IconStrip = "GIcon48Speed";
  p.IconAt = QPoint(55, 138);
  p.IconFrames = 10;
  p.Title = WordId::Speed;
  return p;
}

// Vertical positions per grey design: client height, Image1 top, Label0 top, track bar top,
// number labels top, Button1 top.
struct GreyRows {
  int client, image1, label0, track, labels, button;
};
GreyRows RowsFor(DialogDesign design) {
  switch (design) {
    case DialogDesign::GrayConcise: return {260, 70, 80, 120, 160, 205};
    case DialogDesign::GrayRibbons: return {295, 105, 115, 155, 195, 240};
    default: return {275, 85, 95, 135, 175, 220};
  }
}

}  // namespace

int SpeedIconInterval(int flySpeed) {
  constexpr int kIntervals[6] = {110, 95, 80, 65, 40, 25};
  return kIntervals[std::clamp(flySpeed, 1, 6) - 1];
}

TFormSpeed::TFormSpeed(PictureRegistry& pictures, DialogLook& look, int& flySpeed, QWidget* parent)
    : DialogFrame(pictures, look, SpeedPictures(look.LanguageSuffix), parent), flySpeed_(flySpeed) {
  setWindowTitle(look.Word ? look.Word(WordId::ChoiceOfSpeed) : QString());
  const QColor textColour = CardStyle() ? look.DesignFontColour : QColor(Qt::black);
  const QFont textFont = look.Fonts.FontAt(FontRole::Decor, look.Fonts.Size(FontRole::Serif, 20), true);
  auto* label0 = new QLabel(look.Word ? look.Word(WordId::SelectFlightSpeed) : QString(), this);
  label0->setObjectName("Label0");
  label0->setFont(textFont);
  label0->setStyleSheet(QString("color: %1; background: transparent;").arg(textColour.name()));
  label0->setWordWrap(true);
  label0_ = label0;
  trackBar_ = new QSlider(Qt::Horizontal, this);
  trackBar_->setObjectName("TrackBar1");
  trackBar_->setRange(1, 6);
  trackBar_->setPageStep(1);
  trackBar_->setTickPosition(QSlider::TicksBelow);
  trackBar_->setValue(std::clamp(flySpeed_, 1, 6));
  trackBar_->setFixedWidth(150);
  for (int k = 0; k < 6; ++k) {
    auto* mark = new QLabel(QString::number(k + 1), this);
    mark->setFont(textFont);
    mark->setStyleSheet(label0->styleSheet());
    mark->adjustSize();
    marks_[k] = mark;
  }
  OkButton().SetHeightSB(THeightSB::D45);
  connect(trackBar_, &QSlider::valueChanged, this, [this](int value) {
    flySpeed_ = value;
    SetIconInterval(SpeedIconInterval(value));
  });
  SetIconInterval(SpeedIconInterval(flySpeed_));
  Relayout();
}

void TFormSpeed::Relayout() {
  if (CardStyle()) {
    setFixedSize(340, 280);
    label0_->setGeometry(159, 120 - 24, 340 - 159 - 5, 48);
    trackBar_->move(158, 164);
    const int xs[6] = {162, 187, 212, 236, 260, 285};
    for (int k = 0; k < 6; ++k) marks_[k]->move(xs[k], 195);
    OkButton().setGeometry(10, 225, 320, 45);
    return;
  }
  const GreyRows rows = RowsFor(Design());
  setFixedSize(310, rows.client);
  DrawIllustration(Pictures().Picture("GSpeed128", QSize(128, 128)), QPoint(10, rows.image1));
  label0_->setGeometry(140, rows.label0 - 10, 310 - 140 - 5, rows.track - rows.label0 + 8);
  trackBar_->move(140, rows.track);
  for (int k = 0; k < 6; ++k) marks_[k]->move(145 + 25 * k, rows.labels);
  OkButton().setGeometry(5, rows.button, 300, 45);
}

}  // namespace tavlo
