#include "ui/dialogs/profile_editor.h"

#include <QFile>
#include <QFileDialog>
#include <QMouseEvent>

#include "ui/dialogs/account_window.h"
#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

DialogPictures ProfilePictures() {
  DialogPictures p;
  p.Strip = "GCap300";
  p.Ribbon = "GLenta280x090";
  p.CardBackground = "GFormSpeed";
  p.Title = WordId::MyAccount;
  return p;
}

constexpr std::array<WordId, 14> kLabels = {
    WordId::YourFirstName, WordId::YourLastName, WordId::BriefInformation, WordId::YourPhone,  WordId::YourEmail,
    WordId::YourWebSite,   WordId::YourSkype,    WordId::YourOk,           WordId::YourVk,     WordId::YourTelegram,
    WordId::YourFacebook,  WordId::YourTwitter,  WordId::YourInstagram,    WordId::YourYouTube};
// The editor's maximum lengths, in the order of the labels.
constexpr std::array<int, 14> kLengths = {20, 20, 50, 20, 50, 50, 50, 50, 50, 50, 60, 50, 50, 50};

}  // namespace

// The labels list the web site before skype; the record keeps them the other way round.
TInfo14 TFAcc2::InfoOf(const std::array<QString, 14>& v) {
  const auto s = [&](int k) { return v[static_cast<std::size_t>(k)].toStdString(); };
  TInfo14 i;
  i.Name1 = s(0);
  i.Name2 = s(1);
  i.About = s(2);
  i.Telephone = s(3);
  i.EMailO = s(4);
  i.WebSite = s(5);
  i.Skype = s(6);
  i.OK = s(7);
  i.VK = s(8);
  i.Telegram = s(9);
  i.FaceBook = s(10);
  i.Twitter = s(11);
  i.Instagramm = s(12);
  i.YouTube = s(13);
  return i;
}

std::array<QString, 14> TFAcc2::ValuesOf(const TInfo14& i) {
  std::array<QString, 14> v;
  const std::string* fields[14] = {&i.Name1,    &i.Name2,   &i.About,      &i.Telephone, &i.EMailO,
                                   &i.WebSite,  &i.Skype,   &i.OK,         &i.VK,        &i.Telegram,
                                   &i.FaceBook, &i.Twitter, &i.Instagramm, &i.YouTube};
  for (std::size_t k = 0; k < v.size(); ++k) v[k] = QString::fromStdString(*fields[k]);
  return v;
}

TFAcc2::TFAcc2(PictureRegistry& pictures, DialogLook& look, AccountSession& session, QWidget* parent)
    : DialogFrame(pictures, look, ProfilePictures(), parent), session_(session) {
  setObjectName("FAcc2");
  setWindowTitle(look.Word ? look.Word(WordId::MyAccount) : QString());
  const int top = CardStyle() ? 20 : RedLine().bottom() + 12;
  setFixedSize(700, top + 14 * 30 + 110);
  const QFont font = look.Fonts.FontAt(FontRole::Decor, 13, false);
  const std::array<QString, 14> values = ValuesOf(session_.User().Info);
  for (std::size_t k = 0; k < boxes_.size(); ++k) {
    auto* label = new QLabel(look.Word ? look.Word(kLabels[k]) : QString(), this);
    label->setFont(font);
    label->setGeometry(10, top + static_cast<int>(k) * 30, 200, 24);
    auto* box = new QLineEdit(values[k], this);
    box->setObjectName(QString("EditI%1").arg(k + 1));
    box->setMaxLength(kLengths[k]);
    box->setGeometry(215, top + static_cast<int>(k) * 30, 250, 24);
    connect(box, &QLineEdit::textEdited, this, [this] { update_->setEnabled(true); });
    boxes_[k] = box;
  }
  auto* note = new QLabel(look.Word ? look.Word(WordId::InfoVisibleToMembers) : QString(), this);
  note->setFont(font);
  note->setWordWrap(true);
  note->setGeometry(10, top + 14 * 30, 455, 36);

  photo_ = new QLabel(this);
  photo_->setObjectName("ImagePhoto");
  photo_->setGeometry(480, top, 200, 250);
  photo_->setCursor(Qt::PointingHandCursor);
  photo_->installEventFilter(this);
  ShowPhoto(session_.OwnPhoto()
                ? *session_.OwnPhoto()
                : Pictures().Picture(session_.User().Sex == 'W' ? "GAcNoF" : "GAcNoM", QSize(200, 250)));

  update_ = new TZanCardsButton(Pictures(), this);
  update_->setText(look.Word ? look.Word(WordId::UpdateInfo) : QString());
  photoButton_ = new TZanCardsButton(Pictures(), this);
  photoButton_->setText(look.Word ? look.Word(WordId::RefreshPhoto) : QString());
  for (TZanCardsButton* b : {update_, photoButton_}) {
    StyleButton(*b);
    b->setEnabled(false);
  }
  const int buttons = top + 14 * 30 + 50;
  update_->setGeometry(10, buttons, 220, 45);
  photoButton_->setGeometry(240, buttons, 220, 45);
  OkButton().setText(look.Word ? look.Word(WordId::CloseAccount) : QString("Close"));
  OkButton().setGeometry(470, buttons, 220, 45);

  connect(update_, &QAbstractButton::clicked, this, [this] {
    std::array<QString, 14> now;
    for (std::size_t k = 0; k < now.size(); ++k) now[k] = boxes_[k]->text();
    if (!session_.SaveProfile(InfoOf(now))) return;
    update_->setEnabled(false);
    const std::array<QString, 14> back = ValuesOf(session_.User().Info);
    for (std::size_t k = 0; k < back.size(); ++k) boxes_[k]->setText(back[k]);
  });
  connect(photoButton_, &QAbstractButton::clicked, this, [this] {
    if (chosen_.isEmpty() || !session_.UploadPhoto(chosen_)) return;
    if (session_.OwnPhoto()) ShowPhoto(*session_.OwnPhoto());
    photoButton_->setEnabled(false);
  });
}

void TFAcc2::paintEvent(QPaintEvent* event) {
  DialogFrame::paintEvent(event);
  PaintRibbonTitle(*this, Look().Word ? Look().Word(WordId::MyAccount) : QString());
}

void TFAcc2::ShowPhoto(const QImage& image) {
  photo_->setPixmap(QPixmap::fromImage(image.scaled(200, 250, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

bool TFAcc2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == photo_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    ChoosePhoto();
    return true;
  }
  return DialogFrame::eventFilter(watched, event);
}

void TFAcc2::ChoosePhoto() {
  const QString path = ChoosePhotoFile
                           ? ChoosePhotoFile()
                           : QFileDialog::getOpenFileName(this, QString(), QString(), "JPEG (*.jpg *.jpeg)");
  if (path.isEmpty()) return;
  QFile file(path);
  // A photo is a few dozen kilobytes; a huge file is not one.
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly) && file.size() <= 512 * 1024) bytes = file.readAll();
  if (!IsAccountPhoto(bytes)) {
    if (session_.Notice) session_.Notice(Look().Word ? Look().Word(WordId::PhotoFormat) : QString(), {});
    return;
  }
  chosen_ = bytes;
  ShowPhoto(QImage::fromData(bytes, "JPG"));
  photoButton_->setEnabled(true);
}

}  // namespace tavlo
