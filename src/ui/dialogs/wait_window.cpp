#include "ui/dialogs/wait_window.h"

#include <QPainter>

#include "net/lan/lan_session.h"
#include "ui/pictures/art_common.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

// The waiting animation: four suits in a row, lit one after the other.
class SuitsAnimation : public QWidget {
 public:
  explicit SuitsAnimation(QWidget* parent) : QWidget(parent) {
    setObjectName("Animate1");
    step_.setInterval(300);
    QObject::connect(&step_, &QTimer::timeout, this, [this] {
      lit_ = (lit_ + 1) % 4;
      update();
    });
    step_.start();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = height() * 0.8;
    const double gap = side * 0.5;
    const double left = (width() - 4 * side - 3 * gap) / 2 + side / 2;
    for (int suit = 0; suit < 4; ++suit) {
      // Hearts and diamonds red, clubs and spades black; the suits not lit now are pale.
      QColor colour = suit < 2 ? QColor(0xC0, 0x10, 0x20) : QColor(0x10, 0x10, 0x10);
      if (suit != lit_) colour.setAlpha(50);
      art::DrawSuit(p, suit, QPointF(left + suit * (side + gap), height() / 2.0), side, colour);
    }
  }

 private:
  QTimer step_;
  int lit_ = 0;
};

DialogPictures WaitPictures() {
  DialogPictures p;
  p.ConciseCaption = "Pw";
  p.Strip = "GCap300";
  p.Ribbon = "GLenta280x090";
  p.RibbonOverlay = "GFormPwL";
  p.CardBackground = "GFormPw";
  p.Title = WordId::PleaseWaitNet;
  return p;
}

}  // namespace

TFormWait::TFormWait(PictureRegistry& pictures, DialogLook& look, lan::LanSession& session, QWidget* parent)
    : DialogFrame(pictures, look, WaitPictures(), parent), session_(session) {
  const auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::PleaseWaitNet));
  const int top = CardStyle() ? 60 : RedLine().bottom() + 12;
  const QString style =
      QString("color: %1; background: transparent;").arg(CardStyle() ? look.DesignFontColour.name() : "black");
  const auto makeLabel = [&](int y, bool bold) {
    auto* label = new QLabel(this);
    label->setFont(look.Fonts.Font(FontRole::Decor, 16, bold));
    label->setStyleSheet(style);
    label->setGeometry(15, y, 330, 24);
    return label;
  };
  label1_ = makeLabel(top, true);
  label1_->setObjectName("Label1");
  const bool server = session_.State().NetRole == 1;
  label1_->setText(word(server ? WordId::WaitingForPlayers : WordId::WaitingForGame));
  const WordId lineWords[3] = {WordId::SecondPlayerConnected, WordId::ThirdPlayerConnected,
                               WordId::FourthPlayerConnected};
  for (int k = 0; k < 3; ++k) {
    lines_[static_cast<std::size_t>(k)] = makeLabel(top + 30 + 26 * k, false);
    lines_[static_cast<std::size_t>(k)]->setText(word(lineWords[k]));
    lines_[static_cast<std::size_t>(k)]->setObjectName(QString("Label%1").arg(k + 2));
    lines_[static_cast<std::size_t>(k)]->hide();
  }
  auto* animation = new SuitsAnimation(this);
  animation->setGeometry(15, top + 30 + 26 * 3 + 4, 330, 36);
  const int buttonsTop = top + 30 + 26 * 3 + 4 + 36 + 10;
  OkButton().setGeometry(15, buttonsTop, 160, 35);
  OkButton().setEnabled(false);
  cancel_ = new TZanCardsButton(pictures, this);
  cancel_->setObjectName("Cancel");
  cancel_->setText(word(WordId::Cancel));
  StyleButton(*cancel_);
  cancel_->setGeometry(185, buttonsTop, 160, 35);
  OkButton().disconnect(this);
  connect(&OkButton(), &QAbstractButton::clicked, this, &TFormWait::OnOk);
  connect(cancel_, &QAbstractButton::clicked, this, &TFormWait::OnCancel);
  connect(&session_, &lan::LanSession::SeatTaken, this, &TFormWait::OnSeatTaken);
  connect(&session_, &lan::LanSession::Seated, this, [this] { accept(); });
  connect(&session_, &lan::LanSession::Interrupted, this, [this] {
    interrupted_ = true;
    reject();
  });
  timer1_.setInterval(1000);
  connect(&timer1_, &QTimer::timeout, this, &TFormWait::Tick);
  timer1_.start();
  setFixedSize(360, buttonsTop + 35 + 12);
}

void TFormWait::OnSeatTaken(int lastClient) {
  OkButton().setEnabled(true);
  cancel_->setEnabled(false);
  Line(2).show();
  if (lastClient == 1) {
    // Three humans cannot play: the server waits for the fourth.
    Line(3).show();
    OkButton().setEnabled(false);
    cancel_->setEnabled(true);
  } else if (lastClient == 2) {
    Line(3).show();
    Line(4).show();
    OkButton().setEnabled(true);
    cancel_->setEnabled(false);
  }
}

void TFormWait::OnOk() {
  if (!OkButton().isEnabled()) return;
  session_.State().StartAccepted = true;
  accept();
}

void TFormWait::OnCancel() {
  if (!cancel_->isEnabled()) return;
  reject();
}

void TFormWait::reject() {
  if (!interrupted_) session_.Cancel();
  DialogFrame::reject();
}

void TFormWait::Tick() {
  if (session_.State().NoGameFound) label1_->setText(Look().Word ? Look().Word(WordId::NoAccessibleGames) : QString());
}

}  // namespace tavlo
