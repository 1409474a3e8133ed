// LAN games through the real windows: the name dialog's network fields, the waiting window,
// the club file a LAN series uses, and two main windows playing each other.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "game/seats.h"
#include "game/trick.h"
#include "lang/word_table.h"
#include "net/lan/lan_state.h"
#include "ui/pictures/picture_registry.h"
#include "net/lan/headless_table.h"
#include "records/club_file.h"
#include "records/member_line.h"
#include "records/password.h"
#include "ui/dialogs/lan_fields.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/dialogs/wait_window.h"
#include "ui/menu/main_menu.h"
#include "ui/table/chat_panel.h"
#include "ui/table/table_screen.h"
#include "ui/widgets/zan_button.h"
#include "window_fixture.h"
#include "window_waits.h"

namespace tavlo::testing {
namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class LanWindowTest : public WindowTest {};

// The network half of the name dialog in every language, its own addresses shown: no control
// covers another and every caption fits its control.
TEST(LanFieldsTest, ControlsNeitherOverlapNorCutTheirCaptionsInAnyLanguage) {
  PictureRegistry pictures({});
  for (int language = 0; language < 10; ++language) {
    SCOPED_TRACE("language " + std::to_string(language));
    DialogLook look;
    look.Word = [language](WordId w) { return QString::fromStdString(std::string(Word(w, language))); };
    lan::LanState state;
    state.ServerPort = "25666";
    PasswordRequest request;
    request.NetGame = true;
    request.Lan = &state;
    TFormPassword dialog(pictures, look, request, [](const QString&) {}, nullptr);
    dialog.show();
    ASSERT_NE(dialog.Lan(), nullptr);
    QTest::mouseClick(&dialog.Lan()->AddressesButton(), Qt::LeftButton);
    ASSERT_TRUE(dialog.Lan()->OwnAddress(1).isVisible());

    QList<QWidget*> shown;
    for (QWidget* w : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (w->isVisible() && !w->geometry().isEmpty()) shown << w;
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
      for (qsizetype j = i + 1; j < shown.size(); ++j) {
        EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
            << shown[i]->metaObject()->className() << " " << shown[i]->objectName().toStdString() << " and "
            << shown[j]->metaObject()->className() << " " << shown[j]->objectName().toStdString();
      }
      if (auto* label = qobject_cast<QLabel*>(shown[i])) {
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
      }
    }
    TZanCardsButton& addresses = dialog.Lan()->AddressesButton();
    EXPECT_LE(QFontMetrics(addresses.font()).horizontalAdvance(addresses.text()), addresses.width() - 8)
        << addresses.text().toStdString();
  }
}

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
  window->LanListenAddress = QHostAddress::LocalHost;
  window->ShowMainMenu();
  const std::string localBefore = FileBytes(window->Files().Local);
  const std::uint16_t port = FreeLoopbackPort();
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

  // The open-hands number typed while the send button has focus turns the other hands face up;
  // typed into the chat line, after other keys, or across a loss of focus, it does nothing.
  {
    ChatPanel& chat = window->Chat();
    // Focus moves only inside the active window.
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(WaitFor([&] { return window->isActiveWindow(); }));
    const QImage westClosed = window->Table().Hand(kWest).Canvas().copy();
    const QString number = QString::number(kShowAllCardsNumber);
    QTest::keyClicks(&chat.Input(), number);
    EXPECT_FALSE(s.ShowAllCards);
    chat.Input().clear();
    chat.SendButton().setFocus();
    ASSERT_TRUE(WaitFor([&] { return chat.SendButton().hasFocus(); }));
    QTest::keyClicks(&chat.SendButton(), "1" + number);
    EXPECT_FALSE(s.ShowAllCards);
    chat.Input().setFocus();
    chat.SendButton().setFocus();
    ASSERT_TRUE(WaitFor([&] { return chat.SendButton().hasFocus(); }));
    QTest::keyClicks(&chat.SendButton(), number.left(3));
    chat.Input().setFocus();
    chat.SendButton().setFocus();
    ASSERT_TRUE(WaitFor([&] { return chat.SendButton().hasFocus(); }));
    QTest::keyClicks(&chat.SendButton(), number.mid(3));
    EXPECT_FALSE(s.ShowAllCards);
    QTest::keyClicks(&chat.SendButton(), number);
    EXPECT_FALSE(s.ShowAllCards) << "the text was not cleared by the focus change";
    chat.Input().setFocus();
    chat.SendButton().setFocus();
    ASSERT_TRUE(WaitFor([&] { return chat.SendButton().hasFocus(); }));
    QTest::keyClicks(&chat.SendButton(), number);
    EXPECT_TRUE(s.ShowAllCards);
    EXPECT_NE(window->Table().Hand(kWest).Canvas(), westClosed);
    QTest::keyClicks(&chat.SendButton(), number);
    EXPECT_FALSE(s.ShowAllCards);
    EXPECT_EQ(window->Table().Hand(kWest).Canvas(), westClosed);
  }

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

namespace tavlo::testing {
namespace {

// Clicks the visible strip of a card of a hand on the table.
void ClickCard(MainWindow& window, int seat, int slot) {
  PictureBox& hand = window.Table().Hand(seat);
  const int x = window.Table().CardLeft(seat)[static_cast<std::size_t>(slot - 1)] + 3;
  QTest::mouseClick(&hand, Qt::LeftButton, {}, QPoint(x, 10));
}

// A server window and a client window in one process play a deal of a two-human game.
class TwoWindowsTest : public WindowTest {
 protected:
  void StartClientWindow() {
    ASSERT_TRUE(home2.isValid());
    const std::filesystem::path parent = home2.path().toStdString();
    client = std::make_unique<MainWindow>(ProgramPaths{parent, parent / "game"}, 12);
    client->Notice = [this](const QString& a, const QString& b, const QString& c) {
      clientNotices << (QStringList{a, b, c}.join("|"));
    };
    client->AskYesNo = [](const QString&) { return true; };
    client->show();
    client->CompleteStart();
    client->LeaveTitle();
  }
  void TearDown() override {
    if (client) {
      client->close();
      client.reset();
    }
    WindowTest::TearDown();
  }

  QTemporaryDir home2;
  std::unique_ptr<MainWindow> client;
  QStringList clientNotices;
};

TEST_F(TwoWindowsTest, SeatsADealChatAndAClientWhoQuits) {
  StartWindow(31);
  window->LeaveTitle();
  StartClientWindow();
  for (MainWindow* w : {window.get(), client.get()}) {
    w->CurrentSettings().NetGame = true;
    w->CurrentSettings().FlyCardsOn = false;
    w->PauseOverride = [](int) {};
    w->LanListenAddress = QHostAddress::LocalHost;
    w->ShowMainMenu();
  }
  // The client's sheet is left open: the server's closing closes it. The server's player closes
  // the sheet only once the client's is shown too, whichever of the two opened first.
  bool clientSheetShown = false;
  client->ScoreSheetShown = [&clientSheetShown](TFormDiscard&) { clientSheetShown = true; };
  window->ScoreSheetShown = [&clientSheetShown](TFormDiscard& sheet) {
    auto* poll = new QTimer(&sheet);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, &sheet, [&sheet, &clientSheetShown, poll] {
      if (!clientSheetShown) return;
      poll->stop();
      sheet.accept();
    });
    poll->start();
  };
  const std::uint16_t port = FreeLoopbackPort();
  ASSERT_NE(port, 0);

  const auto fill = [](TFormPassword& dialog, const QString& name) {
    dialog.NameEdit().clear();
    QTest::keyClicks(&dialog.NameEdit(), name);
  };
  OnDialog<TFormPassword>(window.get(), [&](TFormPassword& dialog) {
    fill(dialog, "Anna");
    dialog.Lan()->PortEdit().setText(QString::number(port));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
  });
  window->WaitShown = [&](TFormWait& wait) {
    QTimer::singleShot(0, &wait, [&] {
      // The client joins while the server waits.
      OnDialog<TFormPassword>(client.get(), [&](TFormPassword& dialog) {
        fill(dialog, "Bo");
        EXPECT_EQ(dialog.NameEdit().text(), "Bo");
        QTest::mouseClick(&dialog.Lan()->ClientChoice(), Qt::LeftButton);
        EXPECT_TRUE(dialog.Lan()->AddressEdit().isEnabled());
        dialog.Lan()->AddressEdit().setText("127.0.0.1");
        dialog.Lan()->PortEdit().setText(QString::number(port));
        QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
      });
      QTest::mouseClick(&client->Menu().NewPlayerButton(), Qt::LeftButton);
      EXPECT_TRUE(client->GameShown());
      ASSERT_TRUE(WaitFor([&] { return wait.OkButton().isEnabled(); }));
      QTest::mouseClick(&wait.OkButton(), Qt::LeftButton);
    });
  };
  QTest::mouseClick(&window->Menu().NewPlayerButton(), Qt::LeftButton);
  ASSERT_TRUE(window->GameShown());
  ASSERT_TRUE(client->GameShown());
  const GameState& s = window->TheGame().State();
  const GameState& c = client->TheGame().State();
  ASSERT_TRUE(WaitFor([&] { return c.DealPhase == 1 && !client->TheGame().Mode().AwaitingDeal; }));
  // Each program draws itself South and the other North; the computer sits West and East.
  EXPECT_EQ(s.SeatNames[2], "Bo  ");
  EXPECT_EQ(c.SeatNames[2], "Anna");
  EXPECT_EQ(c.SeatNames[1], "PC  ");
  EXPECT_EQ(c.Hands[2], s.Hands[4]);
  EXPECT_FALSE(client->Table().StartButton().isEnabled());

  // A chat line each way: Enter on the server, the send button on the client.
  QTest::keyClicks(&window->Chat().Input(), "hello");
  QTest::keyClick(&window->Chat().Input(), Qt::Key_Return);
  ASSERT_TRUE(WaitFor([&] { return client->Chat().Lines() == QStringList{"hello"}; }));
  QTest::keyClicks(&client->Chat().Input(), "hi there");
  QTest::mouseClick(&client->Chat().SendButton(), Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return window->Chat().Lines() == QStringList({"hello", "hi there"}); }));
  EXPECT_EQ(client->Chat().Lines(), QStringList({"hello", "hi there"}));

  // The deal, by clicks on the server (its own cards and the dummy North's) while the client follows.
  TZanCardsButton& start = window->Table().StartButton();
  const auto startDue = [&] { return start.isEnabled() && (s.DealPhase == 1 || s.Turn == turn::kTrickComplete); };
  // Every click moves the game on, and every wait ends with a change or a click due; a deal has
  // 52 cards, 13 gatherings and a start, so the bound is generous.
  for (int step = 0; s.Turn != turn::kDealScored; ++step) {
    ASSERT_LT(step, 1000) << "the deal does not end; Turn " << s.Turn;
    const GameState before = s;
    const int seat = SeatToPlay(s);
    if (startDue()) {
      QTest::mouseClick(&start, Qt::LeftButton);
      ASSERT_FALSE(s == before) << "the start button did nothing at Turn " << s.Turn;
    } else if (seat != 0 && window->Flow().PlayerControls(seat)) {
      int legal = 0;
      for (int slot = 1; slot <= s.CardsLeft[seat] && legal == 0; ++slot) {
        if (IsLegalPlay(s, seat, slot)) legal = slot;
      }
      ClickCard(*window, seat, legal);
      ASSERT_FALSE(s == before) << "the click on slot " << legal << " of seat " << seat << " did nothing";
    } else {
      ASSERT_TRUE(WaitFor([&] { return !(s == before) || startDue(); })) << "the deal stopped at Turn " << s.Turn;
    }
  }
  // The client scored the same deal; its score sheet closed when the server's did.
  ASSERT_TRUE(WaitFor([&] { return c.Turn == turn::kDealScored && clientSheetShown; }));
  EXPECT_EQ(c.GameScore, s.GameScore);
  EXPECT_EQ(c.SideTricks, s.SideTricks);

  // The client quits: the server shows the notice and returns to the menu.
  client->Flow().OnQuit();
  EXPECT_FALSE(client->GameShown());
  ASSERT_TRUE(WaitFor([&] { return !window->GameShown(); }));
  EXPECT_TRUE(window->MenuShown());
  ASSERT_FALSE(notices.isEmpty());
  EXPECT_TRUE(notices.last().startsWith(window->W(WordId::OneOfPlayers) + " " + window->W(WordId::HasInterruptedGame)))
      << notices.last().toStdString();
  EXPECT_TRUE(clientNotices.isEmpty()) << "the one who leaves is not told";
}

}  // namespace
}  // namespace tavlo::testing
