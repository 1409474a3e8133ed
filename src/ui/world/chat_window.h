#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "net/club/chat_news_files.h"
#include "net/club/club_client.h"
#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

class TZanCardsButton;

// The passport the chat signs its messages with (the settings' world values).
struct WorldPassport {
  std::string Nick, City, Country, Sex;
};

// What the chat window works with; the main window fills it.
struct ChatContext {
  ClubClient* Client = nullptr;
  std::filesystem::path ParentFolder;
  std::function<WorldPassport()> Passport;
  QString GameName;                   // the name of this game in the current language
  std::function<void()> OpenPassport;  // the "Passport" button; hidden when unset
  std::function<void(const QString&)> Notice;
};

// "Zan Games Chat": the ten newest messages of the club's chat table, a box to send one, and the
// two choices kept in the chat file.
class TFormChat : public DialogFrame {
  Q_OBJECT

 public:
  TFormChat(PictureRegistry& pictures, DialogLook& look, ChatContext context, QWidget* parent);

  // Reads the table again and shows it; false when the club did not answer.
  bool ShowMessages();
  // Sends the box's text (Enter does the same); false when nothing was sent.
  bool SendMessage();

  QLineEdit& MessageBox() { return *box_; }
  QToolButton& RefreshPicture() { return *refresh_; }
  QCheckBox& LastAtBottomBox() { return *atBottom_; }
  QCheckBox& OpenOnNewBox() { return *openOnNew_; }
  TZanCardsButton& PassportButton() { return *passport_; }
  // The slot's text as shown ("" for an empty slot) and whether it carries the new-message mark.
  QString SlotText(int slot) const;
  bool SlotMarkedNew(int slot) const;
  const ChatState& State() const { return state_; }
  // The 15-second timer: shows the refresh picture again.
  QTimer& RefreshTimer() { return timer_; }

 private:
  void OnRefreshTimer();
  void EnableBoxByPassport();
  void SaveState();

  struct Slot {
    QLabel* Flag = nullptr;
    QLabel* Face = nullptr;
    QLabel* New = nullptr;
    QLabel* Head = nullptr;
    QLabel* Text = nullptr;
  };

  ChatContext context_;
  ChatState state_;
  std::array<Slot, 10> slots_;
  QLineEdit* box_ = nullptr;
  QToolButton* refresh_ = nullptr;
  QCheckBox* atBottom_ = nullptr;
  QCheckBox* openOnNew_ = nullptr;
  TZanCardsButton* passport_ = nullptr;
  QTimer timer_;
};

}  // namespace tavlo
