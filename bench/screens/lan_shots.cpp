#include "lan_shots.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "game/seats.h"
#include "game/trick.h"
#include "ui/dialogs/lan_fields.h"
#include "ui/dialogs/notice.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/wait_window.h"
#include "ui/main_window.h"
#include "ui/menu/main_menu.h"
#include "ui/table/chat_panel.h"
#include "ui/table/table_screen.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 20000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

// Runs `action` once on the first visible dialog of type T with the given parent.
template <typename T>
void OnDialog(QWidget* parent, std::function<void(T&)> action) {
  auto* poll = new QTimer();
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, parent, action] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<T*>(w);
      if (dialog && dialog->isVisible() && dialog->parentWidget() == parent) {
        poll->stop();
        poll->deleteLater();
        action(*dialog);
        return;
      }
    }
  });
  poll->start();
}

std::uint16_t FreeLoopbackPort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  return probe.serverPort();
}

class LanShots {
 public:
  explicit LanShots(QString folder) : folder_(std::move(folder)) {}

  void Save(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    if (widget.grab().save(folder_ + "/" + name + ".png")) {
      ++written_;
    } else {
      std::fprintf(stderr, "lan shots: cannot save %s\n", qPrintable(name));
    }
  }
  int Written() const { return written_; }

  std::unique_ptr<MainWindow> Window(const QTemporaryDir& home, std::uint64_t seed, int sizeMode) {
    const std::filesystem::path parent = home.path().toStdString();
    auto window = std::make_unique<MainWindow>(ProgramPaths{parent, parent / "game"}, seed);
    window->AskYesNo = [](const QString&) { return true; };
    window->show();
    window->CompleteStart();
    window->LeaveTitle();
    window->CurrentSettings().NetGame = true;
    window->CurrentSettings().FlyCardsOn = false;
    window->CurrentSettings().WindowSizeMode = sizeMode;
    window->ApplyWindowSize();
    window->PauseOverride = [](int) {};
    window->ShowMainMenu();
    return window;
  }

 private:
  QString folder_;
  int written_ = 0;
};

// One LAN game of a server and a client, pictured from the name dialog to the interruption.
void PlayAndShoot(LanShots& shots, int sizeMode, const QString& scale) {
  QTemporaryDir serverHome;
  QTemporaryDir clientHome;
  if (!serverHome.isValid() || !clientHome.isValid()) return;
  std::unique_ptr<MainWindow> server = shots.Window(serverHome, 31, sizeMode);
  std::unique_ptr<MainWindow> client = shots.Window(clientHome, 12, sizeMode);
  const std::uint16_t port = FreeLoopbackPort();
  if (port == 0) return;

  OnDialog<TFormPassword>(server.get(), [&](TFormPassword& dialog) {
    dialog.NameEdit().setText("Anna");
    dialog.Lan()->PortEdit().setText(QString::number(port));
    shots.Save(dialog, "lan-name-dialog-server-" + scale);
    dialog.Lan()->AddressesButton().click();
    shots.Save(dialog, "lan-name-dialog-own-addresses-" + scale);
    dialog.OkButton().click();
  });
  server->WaitShown = [&](TFormWait& wait) {
    QTimer::singleShot(0, &wait, [&] {
      shots.Save(wait, "lan-wait-server-alone-" + scale);
      OnDialog<TFormPassword>(client.get(), [&](TFormPassword& dialog) {
        dialog.NameEdit().setText("Bo");
        dialog.Lan()->ClientChoice().click();
        dialog.Lan()->AddressEdit().setText("127.0.0.1");
        dialog.Lan()->PortEdit().setText(QString::number(port));
        shots.Save(dialog, "lan-name-dialog-client-" + scale);
        dialog.OkButton().click();
      });
      client->WaitShown = [&](TFormWait& clientWait) { shots.Save(clientWait, "lan-wait-client-" + scale); };
      client->Menu().NewPlayerButton().click();
      if (!WaitUntil([&] { return wait.OkButton().isEnabled(); })) {
        std::fprintf(stderr, "lan shots: the client was not seated\n");
        wait.CancelButton().click();
        return;
      }
      shots.Save(wait, "lan-wait-server-one-client-" + scale);
      wait.OkButton().click();
    });
  };
  server->Menu().NewPlayerButton().click();
  const GameState& s = server->TheGame().State();
  const GameState& c = client->TheGame().State();
  if (!server->GameShown() || !client->GameShown() ||
      !WaitUntil([&] { return c.DealPhase == 1 && !client->TheGame().Mode().AwaitingDeal; })) {
    std::fprintf(stderr, "lan shots: the deal did not reach the client\n");
    return;
  }
  shots.Save(*server, "lan-table-server-dealt-" + scale);
  shots.Save(*client, "lan-table-client-dealt-" + scale);

  // A chat line each way, then the first trick and a half.
  server->Chat().Input().setText("Hi Bo!");
  server->Chat().SendButton().click();
  WaitUntil([&] { return client->Chat().Lines().size() == 1; });
  client->Chat().Input().setText("Hello, Anna");
  client->Chat().SendButton().click();
  WaitUntil([&] { return server->Chat().Lines().size() == 2; });
  client->Chat().Input().setText("good luck");
  server->Flow().OnStartOrOk();
  WaitUntil(
      [&] {
        const int seat = SeatToPlay(s);
        if (s.Turn == turn::kTrickComplete && s.TrickNo == 1) server->Flow().OnStartOrOk();
        if (seat != 0 && server->Flow().PlayerControls(seat)) {
          for (int slot = 1; slot <= s.CardsLeft[seat]; ++slot) {
            if (IsLegalPlay(s, seat, slot)) {
              server->Flow().OnPlayerCard(seat, slot);
              break;
            }
          }
        }
        const int clientSeat = SeatToPlay(c);
        if (clientSeat != 0 && client->Flow().PlayerControls(clientSeat)) {
          for (int slot = 1; slot <= c.CardsLeft[clientSeat]; ++slot) {
            if (IsLegalPlay(c, clientSeat, slot)) {
              client->Flow().OnPlayerCard(clientSeat, slot);
              break;
            }
          }
        }
        return s.TrickNo == 2 && s.TrickPos == 3 && c.TrickNo == 2 && c.TrickPos == 3;
      },
      60000);
  shots.Save(*server, "lan-table-server-chat-" + scale);
  shots.Save(*client, "lan-table-client-chat-" + scale);

  // The client leaves: the server's player is told.
  bool told = false;
  server->Notice = [&](const QString& line1, const QString& line2, const QString& link) {
    TFormLink notice(server->Pictures(), line1, line2, link, server.get());
    notice.show();
    shots.Save(notice, "lan-notice-interrupted-" + scale);
    told = true;
  };
  client->Flow().OnQuit();
  if (!WaitUntil([&] { return told; })) std::fprintf(stderr, "lan shots: the server was not told\n");
  server->close();
  client->close();
}

}  // namespace

int WriteLanShots(const QString& folder) {
  LanShots shots(folder);
  PlayAndShoot(shots, 1, "1.0");
  PlayAndShoot(shots, 5, "2.0");
  return shots.Written();
}

}  // namespace tavlo
