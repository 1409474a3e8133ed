#pragma once

#include <QLabel>
#include <QTimer>
#include <array>

#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

namespace lan {
class LanSession;
}

// TFormWait: "Please, wait..." while the server waits for its players or a client for its
// seat. The server's OK starts the game once one or three clients sit; a client closes by
// itself when its seat arrives. Cancel closes the sockets and returns to the name dialog.
class TFormWait : public DialogFrame {
  Q_OBJECT

 public:
  TFormWait(PictureRegistry& pictures, DialogLook& look, lan::LanSession& session, QWidget* parent);

  QLabel& StatusLine() { return *label1_; }
  QLabel& Line(int k) { return *lines_[static_cast<std::size_t>(k - 2)]; }
  TZanCardsButton& CancelButton() { return *cancel_; }
  // A partner left while the table was being seated.
  bool WasInterrupted() const { return interrupted_; }
  // Closing the window any other way than by a seat or OK gives the table up.
  void reject() override;

 private:
  void OnSeatTaken(int lastClient);
  void OnOk();
  void OnCancel();
  void Tick();

  lan::LanSession& session_;
  QLabel* label1_ = nullptr;
  std::array<QLabel*, 3> lines_{};
  TZanCardsButton* cancel_ = nullptr;
  QTimer timer1_;
  bool interrupted_ = false;
};

}  // namespace tavlo
