#include "ui/dialogs/password_dialog.h"

#include <QLabel>

#include "records/member_line.h"
#include "ui/dialogs/lan_fields.h"
#include "records/password.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

DialogPictures PasswordPictures() {
  DialogPictures p;
  p.ConciseCaption = "Pw";
  p.Strip = "GCap300";
  p.Ribbon = "GLenta280x090";
  p.RibbonOverlay = "GFormPwL";
  p.CardBackground = "GFormPw";
  p.Title = WordId::Welcome;
  return p;
}

QString Trimmed(const std::string& text) { return QString::fromStdString(text).trimmed(); }

std::string PadTo(std::string_view utf8, int characters) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).left(characters);
  while (text.size() < characters) text += ' ';
  return text.toStdString();
}

}  // namespace

TFormPassword::TFormPassword(PictureRegistry& pictures, DialogLook& look, PasswordRequest request,
                             std::function<void(const QString&)> notice, QWidget* parent)
    : DialogFrame(pictures, look, PasswordPictures(), parent), request_(std::move(request)), notice_(std::move(notice)) {
  const auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::Welcome));
  const int top = CardStyle() ? 60 : RedLine().bottom() + 12;
  const QFont labelFont = look.Fonts.Font(FontRole::Decor, 18, true);
  const QFont editFont = look.Fonts.Font(FontRole::Serif, 18);
  const QString labelStyle =
      QString("color: %1; background: transparent;").arg(CardStyle() ? look.DesignFontColour.name() : "black");
  const auto makeLabel = [&](WordId w, int y) {
    auto* label = new QLabel(word(w), this);
    label->setFont(labelFont);
    label->setStyleSheet(labelStyle);
    label->setGeometry(15, y, 280, 22);
    return label;
  };
  const auto makeEdit = [&](int y, int maxLength, bool password) {
    auto* edit = new QLineEdit(this);
    edit->setFont(editFont);
    edit->setMaxLength(maxLength);
    edit->setGeometry(15, y, 280, 28);
    if (password) {
      edit->setEchoMode(QLineEdit::Password);
      edit->setStyleSheet("lineedit-password-character: 35;");  // echoed as "#"
    }
    if (CardStyle()) {
      edit->setStyleSheet(edit->styleSheet() +
                          QString("background: %1; color: yellow;").arg(look.DesignEditColour.name()));
    }
    return edit;
  };
  QLabel* nameLabel = makeLabel(WordId::EnterName, top);
  edit1_ = makeEdit(top + 24, 20, false);
  edit1_->setObjectName("Edit1");
  makeLabel(WordId::EnterPassword, top + 60);
  edit2_ = makeEdit(top + 84, 5, true);
  edit2_->setObjectName("Edit2");
  QLabel* repeatLabel = makeLabel(WordId::RepeatPassword, top + 120);
  edit3_ = makeEdit(top + 144, 5, true);
  edit3_->setObjectName("Edit3");

  const int slot = static_cast<int>(request_.Slot);
  const bool member = slot >= 1 && slot <= 5;
  if (member) {
    edit1_->setText(QString::fromStdString(MemberNameOf(request_.MemberLine)).trimmed());
    for (QWidget* w : std::initializer_list<QWidget*>{edit1_, edit3_, nameLabel, repeatLabel}) w->setEnabled(false);
    edit2_->setFocus();
  } else if (!request_.RenameFrom.empty()) {
    edit1_->setText(Trimmed(request_.RenameFrom));
    edit1_->setFocus();
  } else {
    const QString typed = QString::fromStdString(request_.PlayerName);
    const int limit = request_.NetGame ? 4 : 20;
    edit1_->setText((typed.size() <= limit ? typed : word(WordId::MrX)).left(20).trimmed());
    edit1_->setFocus();
    edit1_->selectAll();
  }

  int buttonsTop = top + 186;
  if (request_.NetGame && request_.Lan != nullptr) {
    lanFields_ = new LanFields(*this, *request_.Lan, buttonsTop, labelFont, editFont, labelStyle);
    buttonsTop += lanFields_->Height() + 8;
    if (!member) edit1_->setMaxLength(4);
  }
  OkButton().setGeometry(15, buttonsTop, 135, 35);
  cancel_ = new TZanCardsButton(pictures, this);
  cancel_->setObjectName("Cancel");
  cancel_->setText(word(WordId::Cancel));
  StyleButton(*cancel_);
  cancel_->setGeometry(160, buttonsTop, 135, 35);
  OkButton().disconnect(this);
  connect(&OkButton(), &QAbstractButton::clicked, this, &TFormPassword::ConfirmPlayer);
  connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
  connect(edit1_, &QLineEdit::returnPressed, this, &TFormPassword::ConfirmPlayer);
  connect(edit2_, &QLineEdit::returnPressed, this, &TFormPassword::ConfirmPlayer);
  connect(edit3_, &QLineEdit::returnPressed, this, &TFormPassword::ConfirmPlayer);
  setFixedSize(310, buttonsTop + 35 + 12);
}

bool TFormPassword::ConfirmPlayer() {
  const auto word = [this](WordId w) { return Look().Word ? Look().Word(w) : QString(); };
  const QString name = edit1_->text().trimmed();
  if (name.isEmpty()) {
    notice_(word(WordId::IncorrectName));
    edit1_->setFocus();
    return false;
  }
  confirmed_.PlayerName = name.toStdString();
  const int slot = static_cast<int>(request_.Slot);
  const bool member = slot >= 1 && slot <= 5;
  const std::string typed = edit2_->text().toStdString();
  if (!member && edit2_->text() != edit3_->text()) {
    notice_(word(WordId::PasswordsDiffer));
    edit2_->setFocus();
    return false;
  }
  if (member) {
    if (!PasswordMatches(PasswordDigitsOf(request_.MemberLine), typed)) {
      notice_(word(WordId::IncorrectPassword));
      edit2_->setFocus();
      edit2_->selectAll();
      return false;
    }
    confirmed_.PasswordDigits = std::string(PasswordDigitsOf(request_.MemberLine));
    confirmed_.MemberName = MemberNameOf(request_.MemberLine);
  } else {
    confirmed_.MemberName = PadTo(confirmed_.PlayerName, kMemberNameLength);
    confirmed_.PasswordDigits = EncodePassword(PaddedPassword(typed));
  }
  if (lanFields_ != nullptr) {
    if (!lanFields_->Check(notice_)) return false;
    // The waiting window; the dialog stays open when it is cancelled.
    if (!request_.OpenLanTable || !request_.OpenLanTable()) return false;
  }
  accept();
  return true;
}

}  // namespace tavlo
