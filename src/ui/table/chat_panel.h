#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "ui/layout/scale.h"
#include "ui/widgets/font_roles.h"

class QImage;
class QLineEdit;
class QPushButton;

namespace tavlo {

class PictureBox;
class PictureRegistry;

// The chat under the table of a network game: the last four lines, each in the colour of
// the seat that wrote it (ImageMemo), the one-line input (ChatInput) and its send button.
// The number that, typed while the send button has focus, turns the other hands face up
// (or down again).
inline constexpr int kShowAllCardsNumber = 73519;

class ChatPanel : public QObject {
  Q_OBJECT

 public:
  ChatPanel(QWidget* form, PictureRegistry& pictures, const FontRoles& fonts);

  // `background` is the window's table background, which shows at the frame's round corners.
  void Place(const Layout& layout, bool smallWindow, const QImage* background);
  void SetVisible(bool visible);
  bool Visible() const;
  void Clear();
  void SetInputEnabled(bool enabled);
  // A line whose first character is the colour code "1".."4" (the writer's LAN seat).
  void AddTableChatLine(const QString& codedText);

  QLineEdit& Input() { return *input_; }
  QPushButton& SendButton() { return *send_; }
  // The rows as shown, without their colour codes.
  QStringList Lines() const;

 signals:
  // Enter or the send button with text: the line to send (the box is emptied).
  void Send(const QString& text);
  // The send button had focus while the open-hands number was typed.
  void ShowAllCardsTyped();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Redraw();
  void OnSend();

  PictureRegistry& pictures_;
  const FontRoles& fonts_;
  Layout layout_;
  bool smallWindow_ = true;
  const QImage* background_ = nullptr;
  PictureBox* memo_ = nullptr;
  QLineEdit* input_ = nullptr;
  QPushButton* send_ = nullptr;
  std::array<QString, 4> rows_;  // with colour code
  QString typed_;                // keys typed while the send button has focus
};

}  // namespace tavlo
