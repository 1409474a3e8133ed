// LAN games through the real windows: the name dialog's network fields, the waiting window,
// the club file a LAN series uses, and two main windows playing each other.
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "net/lan/headless_table.h"
#include "records/club_file.h"
#include "records/member_line.h"
#include "records/password.h"
#include "ui/dialogs/lan_fields.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/wait_window.h"
#include "ui/menu/main_menu.h"
#include "ui/widgets/zan_button.h"
#include "window_fixture.h"

namespace tavlo::testing {
namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A port the system has just handed out and taken back.
std::uint16_t FreePort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  return probe.serverPort();
}

// Runs `action` on the first visible dialog of type T whose parent is `parent`, once it opens.
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

class LanWindowTest : public WindowTest {};

TEST_F(LanWindowTest, AMultiplayerSeriesUsesTheNetworkClubFileAndLeavesTheLocalOneAlone) {
  StartWindow();
  window->LeaveTitle();
  window->CurrentSettings().NetGame = true;
  {
    ClubFileContents net = ReadClubFile(window->Files().Network);
    ASSERT_EQ(net.Status, ClubRead::Read);
    net.Lines[1] = MakeMemberLine("Nettie", 2.0, 12, 30, EncodePassword(""));
    std::ofstream(window->Files().Network, std::ios::binary | std::ios::trunc) << ClubFileBytes(net.Lines);
  }
  window->ShowMainMenu();
  const std::string localBefore = FileBytes(window->Files().Local);
  const std::uint16_t port = FreePort();
  ASSERT_NE(port, 0);

  lan::HeadlessProgram client("Bo", 9);
  OnDialog<TFormPassword>(window.get(), [&](TFormPassword& dialog) {
    ASSERT_NE(dialog.Lan(), nullptr);
    EXPECT_TRUE(dialog.Lan()->ServerChoice().isChecked());
    EXPECT_FALSE(dialog.Lan()->AddressEdit().isEnabled());
    // A letter in the port box brings the last port back.
    dialog.Lan()->PortEdit().setText(QString::number(port));
    QTest::keyClicks(&dialog.Lan()->PortEdit(), "x");
    EXPECT_EQ(dialog.Lan()->PortEdit().text(), QString::number(port));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
  });
  window->WaitShown = [&](TFormWait& wait) {
    EXPECT_FALSE(wait.OkButton().isEnabled());
    client.Session().Connect("Bo", "127.0.0.1", port);
    auto* poll = new QTimer(&wait);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [&wait, poll] {
      if (!wait.OkButton().isEnabled()) return;
      poll->stop();
      EXPECT_TRUE(wait.Line(2).isVisible());
      QTest::mouseClick(&wait.OkButton(), Qt::LeftButton);
    });
    poll->start();
  };
  QTest::mouseClick(&window->Menu().ClubRow(1), Qt::LeftButton);
  ASSERT_TRUE(window->GameShown());
  const GameState& s = window->TheGame().State();
  // The member's running values came from the network club file.
  EXPECT_EQ(s.KonNo, 13);
  EXPECT_EQ(s.SeatNames[2], "Bo  ");
  ASSERT_TRUE(
      WaitFor([&] { return client.TheGame().State().DealPhase == 1 && !client.TheGame().Mode().AwaitingDeal; }));

  // Leaving in the middle strikes the member's line, from the network club file only.
  answer = true;
  window->Flow().OnQuit();
  EXPECT_FALSE(window->GameShown());
  EXPECT_EQ(FileBytes(window->Files().Local), localBefore);
  const ClubFileContents net = ReadClubFile(window->Files().Network);
  ASSERT_EQ(net.Status, ClubRead::Read);
  EXPECT_NE(MemberNameOf(net.Lines[1]).substr(0, 6), "Nettie");
  // The client was told.
  EXPECT_TRUE(WaitFor([&] { return client.Interruptions() == 1; }));
}

}  // namespace
}  // namespace tavlo::testing
