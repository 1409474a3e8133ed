#include "ui/dialogs/lan_fields.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QRadioButton>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

#include "net/lan/lan_address.h"
#include "net/lan/lan_state.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

constexpr int kRowHeight = 26;

// Makes the widget's font smaller until `text` fits `width` pixels (longer words of some
// languages), never below 8 pixels.
void ShrinkToFit(QWidget& widget, const QString& text, int width) {
  QFont font = widget.font();
  while (QFontMetrics(font).horizontalAdvance(text) > width) {
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    if (pixels <= 8) break;
    font.setPixelSize(pixels - 1);
  }
  widget.setFont(font);
}

}  // namespace

LanFields::LanFields(DialogFrame& dialog, lan::LanState& state, int top, const QFont& labelFont, const QFont& editFont,
                     const QString& labelStyle)
    : QObject(&dialog), dialog_(dialog), state_(state) {
  const auto word = [&dialog](WordId w) { return dialog.Look().Word ? dialog.Look().Word(w) : QString(); };
  const auto makeLabel = [&](WordId w, int x, int y, int width) {
    auto* label = new QLabel(word(w), &dialog);
    label->setFont(labelFont);
    label->setStyleSheet(labelStyle);
    label->setGeometry(x, y, width, 22);
    return label;
  };
  const auto makeEdit = [&](int x, int y, int width, int maxLength) {
    auto* edit = new QLineEdit(&dialog);
    edit->setFont(editFont);
    edit->setMaxLength(maxLength);
    edit->setGeometry(x, y, width, kRowHeight);
    return edit;
  };

  group_ = new QGroupBox(word(WordId::ServerClient), &dialog);
  group_->setObjectName("RadioGroup1");
  group_->setFont(labelFont);
  group_->setGeometry(15, top, 280, 70);
  server_ = new QRadioButton(word(WordId::ServerCreatesGame), group_);
  client_ = new QRadioButton(word(WordId::ClientEntersGame), group_);
  server_->setGeometry(10, 20, 260, 22);
  client_->setGeometry(10, 44, 260, 22);

  addressLabel_ = makeLabel(WordId::EnterServerIp, 15, top + 76, 280);
  edit4_ = makeEdit(15, top + 98, 170, 20);
  edit4_->setObjectName("Edit4");
  makeLabel(WordId::EnterServerPort, 15, top + 128, 280);
  edit5_ = makeEdit(15, top + 150, 90, 5);
  edit5_->setObjectName("Edit5");
  // The number of deals sits beside the port box, its label right before the spin box.
  spinLabel_ = makeLabel(WordId::NumberGames, 112, top + 152, 116);
  spinLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ShrinkToFit(*spinLabel_, spinLabel_->text(), spinLabel_->width());
  spin_ = new QSpinBox(&dialog);
  spin_->setObjectName("SpinEdit1");
  spin_->setRange(4, 4);
  spin_->setValue(4);
  spin_->setGeometry(235, top + 150, 60, kRowHeight);
  spin_->setEnabled(false);
  spinLabel_->setEnabled(false);

  button3_ = new TZanCardsButton(dialog.Pictures(), &dialog);
  button3_->setObjectName("Button3");
  button3_->setText(word(WordId::ReceiveIpAddresses));
  dialog.StyleButton(*button3_);
  button3_->setGeometry(15, top + 184, 244, 30);
  ShrinkToFit(*button3_, button3_->text(), button3_->width() - 16);
  help_ = new TZanCardsButton(dialog.Pictures(), &dialog);
  help_->setObjectName("Button4");
  help_->setText("?");
  dialog.StyleButton(*help_);
  help_->setGeometry(265, top + 184, 30, 30);
  for (int k = 0; k < 6; ++k) {
    QLineEdit* box = makeEdit(15 + (k % 2) * 142, top + 220 + (k / 2) * (kRowHeight + 2), 138, 40);
    box->setReadOnly(true);
    box->setObjectName(QString("EditIP%1").arg(k + 1));
    box->hide();
    own_[static_cast<std::size_t>(k)] = box;
  }

  connect(server_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ChooseRole(true);
  });
  connect(client_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ChooseRole(false);
  });
  connect(edit4_, &QLineEdit::textChanged, this, &LanFields::AddressEdited);
  connect(edit5_, &QLineEdit::textChanged, this, &LanFields::PortEdited);
  connect(button3_, &QAbstractButton::clicked, this, &LanFields::ShowOwnAddresses);
  connect(help_, &QAbstractButton::clicked, this, [this] {
    if (RouterHelp.isValid()) QDesktopServices::openUrl(RouterHelp);
  });

  // The dialog opens as the server with the last port.
  state_.NoGameFound = false;
  edit5_->setText(QString::fromStdString(state_.ServerPort));
  server_->setChecked(true);
  ChooseRole(true);
}

int LanFields::Height() const { return 220 + 3 * (kRowHeight + 2); }

void LanFields::ChooseRole(bool server) {
  state_.NetRole = server ? 1 : 2;
  addressLabel_->setEnabled(!server);
  edit4_->setEnabled(!server);
  restoring_ = true;
  edit4_->setText(server ? QString() : QString::fromStdString(state_.ServerAddress));
  restoring_ = false;
}

void LanFields::AddressEdited(const QString& text) {
  if (restoring_) return;
  if (!lan::AddressBoxAccepts(text.toStdString())) {
    restoring_ = true;
    edit4_->setText(QString::fromStdString(state_.ServerAddress));
    restoring_ = false;
    return;
  }
  if (state_.NetRole >= 2 && !text.isEmpty()) state_.ServerAddress = text.toStdString();
}

void LanFields::PortEdited(const QString& text) {
  if (restoring_) return;
  if (!lan::PortBoxAccepts(text.toStdString())) {
    restoring_ = true;
    edit5_->setText(QString::fromStdString(state_.ServerPort));
    restoring_ = false;
    return;
  }
  state_.ServerPort = text.toStdString();
}

bool LanFields::Check(const std::function<void(const QString&)>& notice) {
  const auto word = [this](WordId w) { return dialog_.Look().Word ? dialog_.Look().Word(w) : QString(); };
  if (state_.NetRole > 2) state_.NetRole = 2;
  if (state_.NetRole == 2 && !lan::IsServerAddress(edit4_->text().toStdString())) {
    notice(word(WordId::IncorrectIpAddress));
    edit4_->setFocus();
    return false;
  }
  if (edit5_->text().isEmpty() || lan::PortNumber(edit5_->text().toStdString()) == 0) {
    notice(word(WordId::IncorrectPort));
    edit5_->setFocus();
    return false;
  }
  if (state_.NetRole == 2) state_.ServerAddress = edit4_->text().toStdString();
  state_.ServerPort = edit5_->text().toStdString();
  return true;
}

void LanFields::ShowOwnAddresses() {
  // The computer's IPv4 addresses; the loopback address comes last, with its hint.
  QStringList addresses;
  for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
    if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) addresses << a.toString();
  }
  std::size_t next = 0;
  for (const QString& a : addresses) {
    if (next >= own_.size() - 1) break;
    own_[next]->setText(a);
    own_[next]->setToolTip(QString());
    own_[next++]->show();
  }
  own_[next]->setText("127.0.0.1");
  own_[next]->setToolTip("Loop");
  own_[next]->show();
}

}  // namespace tavlo
