#include "ui/dialogs/dialog_frame.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>
#include <QPainter>

#include "ui/pictures/art_common.h"
#include "ui/pictures/picture_registry.h"
#include "ui/pictures/picture_sources.h"
#include "ui/widgets/caption_fit.h"
#include "ui/widgets/program_cursors.h"
#include "ui/widgets/text_helpers.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

// "GLenta280x090" is 90 high: the number after the "x".
int RibbonHeight(const QString& ribbon) {
  const int x = static_cast<int>(ribbon.lastIndexOf('x'));
  return x < 0 ? 90 : ribbon.mid(x + 1).toInt();
}

}  // namespace

DialogFrame::DialogFrame(PictureRegistry& pictures, DialogLook& look, DialogPictures frame, QWidget* parent)
    : QDialog(parent), pictures_(pictures), look_(look), frame_(std::move(frame)), design_(look.Design) {
  setModal(true);
  if (design_ == DialogDesign::Purple) {
    const auto background = pictures_.LibraryPicture(kDesignLibrary, frame_.CardBackground);
    if (background) {
      cardBackground_ = *background;
      if (!frame_.CardOverlay.isEmpty()) cardOverlay_ = pictures_.LibraryPicture(kDesignLibrary, frame_.CardOverlay);
    } else {
      // Without its background the card style cannot be drawn: the program goes grey.
      look_.Design = DialogDesign::GrayAristocratic;
      design_ = DialogDesign::GrayAristocratic;
      if (look_.CardStyleUnavailable) look_.CardStyleUnavailable();
    }
  }
  // A dialog without a caption picture of its own (the help) writes its title instead.
  if (design_ == DialogDesign::GrayConcise && !frame_.ConciseCaption.isEmpty()) {
    conciseCaption_ = pictures_.LibraryPicture(kDesignLibrary, frame_.ConciseCaption);
    if (!conciseCaption_) {
      look_.Design = DialogDesign::GrayAristocratic;
      if (look_.DesignLibraryMissing) look_.DesignLibraryMissing();
    }
  }
  if (design_ == DialogDesign::GrayRibbons && !frame_.RibbonOverlay.isEmpty()) {
    ribbonOverlay_ = pictures_.LibraryPicture(kDesignLibrary, frame_.RibbonOverlay);
  }

  button1_ = new TZanCardsButton(pictures_, this);
  button1_->setText("Ok");
  StyleButton(*button1_);
  connect(button1_, &QAbstractButton::clicked, this, &QDialog::accept);

  if (CardStyle()) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, look_.DesignFontColour);
    setPalette(pal);
  }
  iconFrame_ = IconCounters()[frame_.IconStrip];
  timer48_.setInterval(frame_.IconInterval);
  connect(&timer48_, &QTimer::timeout, this, &DialogFrame::StepIcon);
  if (CardStyle() && !frame_.IconStrip.isEmpty() && frame_.IconFrames > 0) timer48_.start();
}

void DialogFrame::StyleButton(TZanCardsButton& button) const {
  button.SetColorSB(CardStyle() ? TColorSB::DCards : TColorSB::DRed);
  button.SetFontColor(CardStyle() ? look_.DesignFontColour : QColor(Qt::white));
  button.SetColorMouse(QColor(255, 255, 0));
  button.SetNata(look_.NewButtons);
  button.setFont(look_.Fonts.Font(FontRole::Decor, 20, true));
  SetPointer(button, PointerKind::Hand, look_.OwnCursor);
}

void DialogFrame::showEvent(QShowEvent* event) {
  ApplyProgramCursors(*this, look_.OwnCursor);
  FitCaptions(*this);
  QDialog::showEvent(event);
}

QString DialogFrame::TitleText() const { return look_.Word ? look_.Word(frame_.Title).toUpper() : QString(); }

QRect DialogFrame::TitleBox() const {
  if (design_ != DialogDesign::GrayAristocratic) return {};
  const QRect band(5, 5, width() - 10, HeaderHeight());
  // The strip is stretched over the band, its ornaments with it.
  const double native = std::max(1, pictures_.Picture(frame_.Strip).width());
  const int reach = static_cast<int>(art::CapStripSuitsReach(native) * band.width() / native);
  return band.adjusted(reach, 0, -reach, 0);
}

QFont DialogFrame::TitleFont() const {
  // The header's letters are large: a long translation may take them down further than a
  // caption's before the narrow strips' ornaments would have to go.
  constexpr double kSmallestTitleShare = 0.4;
  return FittedFont(look_.Fonts.Font(FontRole::Serif, 40, true), TitleText(), TitleBox().width(), kSmallestTitleShare);
}

int DialogFrame::HeaderHeight() const {
  switch (design_) {
    case DialogDesign::GrayConcise: return 48;
    case DialogDesign::GrayAristocratic: return 64;
    case DialogDesign::GrayRibbons: return RibbonHeight(frame_.Ribbon.isEmpty() ? "GLenta280x090" : frame_.Ribbon);
    case DialogDesign::Purple: return 0;
  }
  return 64;
}

QRect DialogFrame::RedLine() const {
  if (CardStyle()) return QRect();
  return QRect(5, HeaderHeight() + 6, width() - 10, 6);
}

void DialogFrame::SetIconInterval(int ms) { timer48_.setInterval(ms); }

void DialogFrame::ReloadLanguagePictures(const DialogPictures& frame) {
  // Only the pictures named by language change; a missing one simply is not drawn.
  frame_.ConciseCaption = frame.ConciseCaption;
  frame_.RibbonOverlay = frame.RibbonOverlay;
  frame_.CardOverlay = frame.CardOverlay;
  if (design_ == DialogDesign::GrayConcise) conciseCaption_ = pictures_.LibraryPicture(kDesignLibrary, frame_.ConciseCaption);
  if (design_ == DialogDesign::GrayRibbons && !frame_.RibbonOverlay.isEmpty()) {
    ribbonOverlay_ = pictures_.LibraryPicture(kDesignLibrary, frame_.RibbonOverlay);
  }
  if (CardStyle() && !frame_.CardOverlay.isEmpty()) cardOverlay_ = pictures_.LibraryPicture(kDesignLibrary, frame_.CardOverlay);
  update();
}

void DialogFrame::DrawIllustration(const QImage& picture, QPoint at) {
  illustration_ = picture;
  illustrationAt_ = at;
  update();
}

std::map<QString, int>& DialogFrame::IconCounters() {
  // An icon goes on where it stopped when its dialog opens again: the counters live as long
  // as the program, one per icon strip.
  static std::map<QString, int> counters;
  return counters;
}

void DialogFrame::StepIcon() {
  iconFrame_ = iconFrame_ + 1 > frame_.IconFrames ? 1 : iconFrame_ + 1;
  IconCounters()[frame_.IconStrip] = iconFrame_;
  update(QRect(frame_.IconAt, QSize(48, 48)));
}

void DialogFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (CardStyle()) {
    p.fillRect(rect(), Qt::black);
    p.drawImage(0, 0, cardBackground_);
    if (cardOverlay_) p.drawImage(0, 0, *cardOverlay_);
    if (!frame_.IconStrip.isEmpty() && iconFrame_ > 0) {
      const auto strip = pictures_.LibraryPicture(kDesignLibrary, frame_.IconStrip);
      if (strip) p.drawImage(frame_.IconAt, *strip, QRect((iconFrame_ - 1) * 48, 0, 48, 48));
    }
    return;
  }
  p.fillRect(rect(), palette().color(QPalette::Button));
  const int header = HeaderHeight();
  const QRect band(5, 5, width() - 10, header);
  switch (design_) {
    case DialogDesign::GrayConcise:
      if (conciseCaption_) {
        p.drawImage(band.topLeft(), *conciseCaption_);
      } else if (frame_.ConciseCaption.isEmpty()) {
        p.setFont(FittedFont(look_.Fonts.Font(FontRole::Serif, 30, true), TitleText(), band.width()));
        DrawShadowText(p, TitleText(), band.left(), band.right() + 1, 'c', QColor(255, 255, 0),
                       band.top() + (header - QFontMetrics(p.font()).height()) / 2);
      }
      break;
    case DialogDesign::GrayAristocratic: {
      p.drawImage(band, pictures_.Picture(frame_.Strip, band.size()));
      const QRect box = TitleBox();
      const int fullHeight = QFontMetrics(look_.Fonts.Font(FontRole::Serif, 40, true)).height();
      p.setFont(TitleFont());
      // A long title is written smaller, so that it keeps clear of the suits at the strip's ends
      // and stays centred in the strip's height.
      DrawShadowText(p, TitleText(), box.left(), box.right() + 1, 'c', QColor(255, 255, 0),
                     band.top() + 10 + (fullHeight - QFontMetrics(p.font()).height()) / 2);
      break;
    }
    case DialogDesign::GrayRibbons: {
      const QString ribbon = frame_.Ribbon.isEmpty() ? "GLenta280x090" : frame_.Ribbon;
      p.drawImage(10, 0, pictures_.Picture(ribbon));
      if (ribbonOverlay_) p.drawImage(-20, -5, *ribbonOverlay_);
      break;
    }
    case DialogDesign::Purple: break;
  }
  p.fillRect(RedLine(), QColor(0xD0, 0x10, 0x10));
  if (!illustration_.isNull()) p.drawImage(illustrationAt_, illustration_);
}

void DialogFrame::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tavlo
