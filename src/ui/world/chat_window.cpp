#include "ui/world/chat_window.h"

#include <QDateTime>
#include <QVBoxLayout>

#include "net/club/world_passport.h"
#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"
#include "ui/world/player_marks.h"
#include "ui/world/world_dialog.h"

namespace tavlo {
namespace {

constexpr int kWidth = 640;
constexpr int kSlotHeight = 40;

DialogPictures ChatPictures() { return WorldDialogPictures("Chat", "GCap550", WordId::ZanGamesChat); }

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

TFormChat::TFormChat(PictureRegistry& pictures, DialogLook& look, ChatContext context, QWidget* parent)
    : DialogFrame(pictures, look, ChatPictures(), parent), context_(std::move(context)) {
  setObjectName("FormChat");
  auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::ZanGamesChat));
  state_ = LoadChatState(context_.ParentFolder);

  const int top = CardStyle() ? 90 : HeaderHeight() + 10;
  const QFont headFont = look.Fonts.Font(FontRole::Serif, 11, true);
  const QFont textFont = look.Fonts.Font(FontRole::Serif, 13);
  for (int i = 0; i < 10; ++i) {
    Slot& s = slots_[static_cast<std::size_t>(i)];
    const int y = top + i * kSlotHeight;
    s.Flag = new QLabel(this);
    s.Flag->setGeometry(8, y + 3, 14, 12);
    s.Face = new QLabel(this);
    s.Face->setGeometry(26, y + 2, 14, 14);
    s.New = new QLabel(this);
    s.New->setGeometry(kWidth - 42, y + 2, 32, 16);
    s.New->setPixmap(QPixmap::fromImage(pictures.Picture("GNew")));
    s.Head = new QLabel(this);
    s.Head->setGeometry(44, y, kWidth - 90, 18);
    s.Head->setFont(headFont);
    s.Head->setStyleSheet("color: #000080");
    s.Text = new QLabel(this);
    s.Text->setGeometry(26, y + 18, kWidth - 34, 20);
    s.Text->setFont(textFont);
    s.Text->setTextFormat(Qt::PlainText);
    s.Head->setTextFormat(Qt::PlainText);
  }
  int y = top + 10 * kSlotHeight + 6;
  refresh_ = new QToolButton(this);
  refresh_->setObjectName("ChatRefresh");
  refresh_->setText(QString::fromUtf8("\u21BB"));
  refresh_->setToolTip(word(WordId::Chat));
  refresh_->setGeometry(8, y, 30, 26);
  connect(refresh_, &QToolButton::clicked, this, [this] {
    ShowMessages();
    refresh_->hide();
  });
  box_ = new QLineEdit(this);
  box_->setObjectName("ChatMessage");
  box_->setMaxLength(static_cast<int>(kChatMessageLimit));
  box_->setGeometry(44, y, kWidth - 52, 26);
  box_->setFont(textFont);
  connect(box_, &QLineEdit::returnPressed, this, [this] { SendMessage(); });
  y += 32;
  atBottom_ = new QCheckBox(word(WordId::LastMessageAtBottom), this);
  atBottom_->setGeometry(8, y, kWidth / 2 - 8, 22);
  atBottom_->setChecked(state_.LastAtBottom);
  openOnNew_ = new QCheckBox(word(WordId::OpenOnNewMessage), this);
  openOnNew_->setGeometry(kWidth / 2, y, kWidth / 2 - 8, 22);
  openOnNew_->setChecked(state_.OpenOnNew);
  connect(atBottom_, &QCheckBox::toggled, this, [this](bool on) {
    state_.LastAtBottom = on;
    SaveState();
    ShowMessages();
  });
  connect(openOnNew_, &QCheckBox::toggled, this, [this](bool on) {
    state_.OpenOnNew = on;
    SaveState();
  });
  y += 30;
  passport_ = new TZanCardsButton(pictures, this);
  passport_->setObjectName("ChatPassport");
  StyleButton(*passport_);
  passport_->SetHeightSB(THeightSB::D30);
  passport_->setText(word(WordId::Passport));
  passport_->setGeometry(8, y, 200, 30);
  passport_->setVisible(static_cast<bool>(context_.OpenPassport));
  connect(passport_, &QAbstractButton::clicked, this, [this] {
    if (context_.OpenPassport) context_.OpenPassport();
    EnableBoxByPassport();
  });
  OkButton().SetHeightSB(THeightSB::D30);
  OkButton().setText(word(WordId::Close));
  OkButton().setGeometry(kWidth - 208, y, 200, 30);
  setFixedSize(kWidth, y + 38);

  timer_.setInterval(15000);
  connect(&timer_, &QTimer::timeout, this, &TFormChat::OnRefreshTimer);
  timer_.start();
  EnableBoxByPassport();
  refresh_->hide();
  ShowMessages();
}

bool TFormChat::ShowMessages() {
  const WorldRows table = context_.Client ? context_.Client->ReadWorldTable(kChatTable) : WorldRows{};
  for (Slot& s : slots_) {
    for (QLabel* l : {s.Flag, s.Face, s.New, s.Head, s.Text}) l->clear();
    s.New->hide();
  }
  if (!table.Ok) {
    slots_[0].Head->setText(Look().Word ? Look().Word(WordId::NoConnect) : QString("No Connect"));
    return false;
  }
  std::vector<const TZanRecord*> rows;
  for (int i = 1; i <= 10; ++i) {
    if (table.Rows[i].Nick != "#") rows.push_back(&table.Rows[i]);
  }
  if (state_.LastAtBottom) std::reverse(rows.begin(), rows.end());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TZanRecord& r = *rows[i];
    Slot& s = slots_[i];
    s.Flag->setPixmap(PlayerFlag(r.Country));
    s.Face->setPixmap(PlayerFace(r.R07));
    s.Head->setText(QString::number(r.Score) + ".  " + FromUtf8(r.Nick) + " (" + FromUtf8(ChatShownText(r.City)) +
                    ")   " + FromUtf8(ChatShownText(r.R09)) + "   v" + FromUtf8(r.R08));
    s.Text->setText(FromUtf8(ChatShownText(r.R10)));
    s.New->setVisible(r.Score > state_.LastSeen);
    s.New->setPixmap(QPixmap::fromImage(Pictures().Picture("GNew")));
  }
  return true;
}

bool TFormChat::SendMessage() {
  const QString typed = box_->text();
  if (typed.isEmpty() || !context_.Client || !context_.Passport) return false;
  const WorldPassport passport = context_.Passport();
  if (!PassportValid(passport.Nick, passport.City)) return false;
  const WorldRows table = context_.Client->ReadWorldTable(kChatTable);
  TZanRecord row;
  row.GID = kChatTable;
  row.Nick = passport.Nick;
  row.City = passport.City;
  row.Country = passport.Country;
  row.Score = static_cast<std::int32_t>((table.Ok ? NewestChatNumber(table.Rows) : 0) + 1);
  row.R07 = passport.Sex == "W" ? "W" : "M";
  row.R08 = kWorldVersion;
  const QDateTime now = QDateTime::currentDateTime();
  row.R09 = ChatStamp(now.time().hour(), now.time().minute(), now.time().second(), now.date().day(),
                      now.date().month(), now.date().year(), context_.GameName.toStdString());
  row.R10 = ChatWireText(typed.toStdString());
  const NumberResult sent = table.Ok ? context_.Client->SubmitWorldRow(row) : NumberResult{};
  if (!sent.Ok) {
    if (context_.Notice) context_.Notice(Look().Word ? Look().Word(WordId::CantSendMessage) : QString());
    return false;
  }
  // The club numbers the messages, so two people sending at once never share a number.
  const std::int64_t number = sent.Value > 0 ? sent.Value : row.Score;
  box_->clear();
  box_->setEnabled(false);
  refresh_->hide();
  state_.LastSeen = std::max(state_.LastSeen, number);
  ShowMessages();
  SaveState();
  return true;
}

QString TFormChat::SlotText(int slot) const {
  const Slot& s = slots_.at(static_cast<std::size_t>(slot - 1));
  if (s.Head->text().isEmpty()) return {};
  return s.Head->text() + "\n" + s.Text->text();
}

bool TFormChat::SlotMarkedNew(int slot) const { return !slots_.at(static_cast<std::size_t>(slot - 1)).New->isHidden(); }

void TFormChat::OnRefreshTimer() {
  refresh_->show();
  EnableBoxByPassport();
}

void TFormChat::EnableBoxByPassport() {
  const WorldPassport passport = context_.Passport ? context_.Passport() : WorldPassport{};
  box_->setEnabled(PassportValid(passport.Nick, passport.City));
}

void TFormChat::SaveState() { SaveChatState(context_.ParentFolder, state_); }

}  // namespace tavlo
