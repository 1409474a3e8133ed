#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QWidget;
class QGroupBox;

namespace tavlo {

class TZanCardsButton;
class DialogFrame;
namespace lan {
struct LanState;
}

// The network half of the name dialog: server or client, the server's address and port,
// the number of deals (always 4), and the computer's own addresses.
class LanFields : public QObject {
  Q_OBJECT

 public:
  // Builds the controls on `dialog` from `top` on; the values live in `state`.
  LanFields(DialogFrame& dialog, lan::LanState& state, int top, const QFont& labelFont, const QFont& editFont,
            const QString& labelStyle);
  // The height the controls take.
  int Height() const;
  // The help on router settings that "?" opens; none is configured by default.
  QUrl RouterHelp;

  // OK's network checks: the role, the address of a client and the port. A failure is
  // told through `notice` and focuses its box.
  bool Check(const std::function<void(const QString&)>& notice);

  QRadioButton& ServerChoice() { return *server_; }
  QRadioButton& ClientChoice() { return *client_; }
  QLineEdit& AddressEdit() { return *edit4_; }
  QLineEdit& PortEdit() { return *edit5_; }
  QSpinBox& Deals() { return *spin_; }
  TZanCardsButton& AddressesButton() { return *button3_; }
  QLineEdit& OwnAddress(int k) { return *own_[static_cast<std::size_t>(k - 1)]; }

 private:
  void ChooseRole(bool server);
  void AddressEdited(const QString& text);
  void PortEdited(const QString& text);
  void ShowOwnAddresses();

  DialogFrame& dialog_;
  lan::LanState& state_;
  QGroupBox* group_ = nullptr;
  QRadioButton* server_ = nullptr;
  QRadioButton* client_ = nullptr;
  QLabel* addressLabel_ = nullptr;
  QLineEdit* edit4_ = nullptr;
  QLineEdit* edit5_ = nullptr;
  QSpinBox* spin_ = nullptr;
  QLabel* spinLabel_ = nullptr;
  TZanCardsButton* button3_ = nullptr;
  TZanCardsButton* help_ = nullptr;
  std::array<QLineEdit*, 6> own_{};
  bool restoring_ = false;
};

}  // namespace tavlo
