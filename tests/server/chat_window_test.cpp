// The club chat and the news mark through real main windows, against a real club.
#include "ui/world/chat_window.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "club_server_fixture.h"
#include "net/club/chat_news_files.h"
#include "ui/main_window.h"
#include "ui/window_waits.h"
#include "ui/world/world_play.h"

namespace tavlo::testing {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// One installation of the program: its own folders, its own main window.
struct Player {
  QTemporaryDir Home;
  std::unique_ptr<MainWindow> Window;
  QStringList Notices;
  std::filesystem::path Parent() const { return Home.path().toStdString(); }
};

class ChatWindowTest : public ClubServerTest {
 protected:
  void TearDown() override {
    for (Player* p : {&ann_, &bob_}) {
      if (!p->Window) continue;
      p->Window->AskYesNo = [](const QString&) { return true; };
      p->Window->close();
      p->Window.reset();
    }
    ClubServerTest::TearDown();
  }

  // Starts the player's main window once, on the menu, with the passport given.
  void Start(Player& p, const std::string& nick, const std::string& city, const std::string& sex) {
    qputenv("TAVLO_CLUB", QByteArray::fromStdString(Base()));
    p.Window = std::make_unique<MainWindow>(ProgramPaths{p.Parent(), p.Parent() / "game"}, 7);
    p.Window->SetShippedLibraries(std::nullopt);
    p.Window->Notice = [&p](const QString& a, const QString&, const QString&) { p.Notices << a; };
    p.Window->AskYesNo = [](const QString&) { return true; };
    p.Window->show();
    p.Window->CompleteStart();
    p.Window->LeaveTitle();
    ASSERT_TRUE(p.Window->MenuShown());
    p.Window->World().WatchTimer().stop();  // the tests tick the watch themselves
    Settings& s = p.Window->CurrentSettings();
    s.WorldName = nick;
    s.WorldCity = city;
    s.WorldCountry = "1-035";
    s.WorldSex = sex;
  }

  // Opens the player's chat window and runs `steps` in it, then closes it.
  bool WithChat(Player& p, const std::function<void(TFormChat&)>& steps) {
    bool ran = false;
    p.Window->World().ChatShown = [&](TFormChat& w) {
      QTimer::singleShot(0, &w, [&] {
        steps(w);
        ran = true;
        Shoot(w, "chat-" + QString::fromStdString(p.Window->CurrentSettings().WorldName));
        w.close();
      });
    };
    p.Window->World().OpenChat();
    p.Window->World().ChatShown = nullptr;
    return ran;
  }

  static void Shoot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("TAVLO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(widget.grab().save(folder + "/" + name + ".png"));
  }

  // A message from a third program, straight through the club's requests.
  void Submit(const std::string& nick, const std::string& text) {
    TZanRecord row;
    row.GID = kChatTable;
    row.Nick = nick;
    row.City = "Riga";
    row.Country = "1-026";
    row.Score = 1;
    row.R07 = "M";
    row.R08 = "5.7f";
    row.R09 = "10:00:00_11.12.2026_Tavlo";
    row.R10 = text;
    ASSERT_TRUE(Client().SubmitWorldRow(row).Ok);
  }

  // One poll of the watch, waited for: it answers in the background.
  static void Poll(WorldPlay& world, void (WorldPlay::*check)()) {
    (world.*check)();
    EXPECT_TRUE(WaitUntil([&] { return !world.PollsPending(); }));
  }

  Player ann_, bob_;
};

TEST_F(ChatWindowTest, TwoWindowsChatThroughTheClubAndTheOtherOneIsTold) {
  ASSERT_TRUE(StartServer());
  Submit("Cid", "first_one");
  // One start each: the club's configuration must be read although no settings file exists yet.
  Start(ann_, "Ann", "Oslo", "W");
  Start(bob_, "Bob", "Kiev", "M");
  const auto annChat = ann_.Parent() / kChatFileName;
  ASSERT_FALSE(std::filesystem::exists(annChat));

  ASSERT_TRUE(WithChat(ann_, [&](TFormChat& w) {
    EXPECT_EQ(ReadAll(annChat), "1\r\n0\r\n0\r\n") << "a missing chat file is created at once";
    EXPECT_TRUE(w.SlotText(1).contains("Cid")) << w.SlotText(1).toStdString();
    ASSERT_TRUE(w.MessageBox().isEnabled());
    QTest::keyClicks(&w.MessageBox(), "hello  big world");
    QTest::keyClick(&w.MessageBox(), Qt::Key_Return);
    EXPECT_TRUE(w.MessageBox().text().isEmpty());
    EXPECT_FALSE(w.MessageBox().isEnabled()) << "one message, then the refresh period";
    EXPECT_TRUE(w.SlotText(1).startsWith("2.  Ann (Oslo)")) << w.SlotText(1).toStdString();
    EXPECT_TRUE(w.SlotText(1).endsWith("\nhello  big world")) << w.SlotText(1).toStdString();
    EXPECT_FALSE(w.SlotMarkedNew(1)) << "the sender has seen it";
  }));
  EXPECT_TRUE(ann_.Notices.isEmpty()) << ann_.Notices.join(";").toStdString();
  EXPECT_EQ(ReadAll(annChat), "2\r\n0\r\n0\r\n");

  // The sender's own watch stays dark; the other window's lights up on its menu.
  Poll(ann_.Window->World(), &WorldPlay::CheckChat);
  EXPECT_FALSE(ann_.Window->World().ChatIndicator());
  Poll(bob_.Window->World(), &WorldPlay::CheckChat);
  EXPECT_TRUE(bob_.Window->World().ChatIndicator());
  EXPECT_TRUE(bob_.Window->World().ChatMark().isVisible());

  ASSERT_TRUE(WithChat(bob_, [&](TFormChat& w) {
    EXPECT_FALSE(bob_.Window->World().ChatIndicator()) << "opening the chat clears the mark";
    EXPECT_TRUE(w.SlotText(1).endsWith("\nhello  big world")) << "the spaces arrive as spaces";
    EXPECT_TRUE(w.SlotMarkedNew(1));
    EXPECT_TRUE(w.SlotText(2).endsWith("\nfirst one"));
    EXPECT_FALSE(w.SlotMarkedNew(2)) << "number 1 counts as seen in a new chat file";
    EXPECT_EQ(w.SlotText(3), "");
    w.LastAtBottomBox().setChecked(true);
    EXPECT_TRUE(w.SlotText(1).endsWith("\nfirst one")) << "newest at the bottom";
    EXPECT_TRUE(w.SlotText(2).endsWith("\nhello  big world"));
  }));
  EXPECT_FALSE(bob_.Window->World().ChatMark().isVisible());
  EXPECT_EQ(ReadAll(bob_.Parent() / kChatFileName), "1\r\n1\r\n0\r\n") << "the box's state is kept at once";
}

TEST_F(ChatWindowTest, AnInvalidPassportKeepsTheBoxShutAndNothingIsSent) {
  ASSERT_TRUE(StartServer());
  Start(ann_, "A", "Oslo", "W");
  ASSERT_TRUE(WithChat(ann_, [&](TFormChat& w) {
    EXPECT_FALSE(w.MessageBox().isEnabled());
    w.MessageBox().setText("sneaked in");
    EXPECT_FALSE(w.SendMessage());
    EXPECT_EQ(w.SlotText(1), "");
  }));
  const WorldRows rows = Client().ReadWorldTable(kChatTable);
  ASSERT_TRUE(rows.Ok);
  EXPECT_EQ(rows.Rows[1].Nick, "#");
}

TEST_F(ChatWindowTest, APausedChatDoesNotOpenAndAStoppedClubShowsNoConnect) {
  ASSERT_TRUE(StartServer({"--pause-chat"}));
  Start(ann_, "Ann", "Oslo", "W");
  EXPECT_FALSE(WithChat(ann_, [](TFormChat&) {}));
  ASSERT_EQ(ann_.Notices.size(), 1);
  EXPECT_EQ(ann_.Notices[0], ann_.Window->W(WordId::ChatUnavailable));

  StopServer();
  ASSERT_TRUE(StartServer());
  Start(bob_, "Bob", "Kiev", "M");
  StopServer();
  ASSERT_TRUE(WithChat(bob_, [&](TFormChat& w) {
    EXPECT_TRUE(w.SlotText(1).startsWith(bob_.Window->W(WordId::NoConnect)));
    QTest::keyClicks(&w.MessageBox(), "anyone?");
    QTest::keyClick(&w.MessageBox(), Qt::Key_Return);
    EXPECT_EQ(w.MessageBox().text(), "anyone?") << "an unsent message stays in the box";
  }));
  EXPECT_EQ(bob_.Notices.value(0), bob_.Window->W(WordId::CantSendMessage));
  Poll(bob_.Window->World(), &WorldPlay::CheckChat);
  EXPECT_FALSE(bob_.Window->World().ChatIndicator());
}

TEST_F(ChatWindowTest, TheNewsMarkLightsOnlyForAHigherNumber) {
  ASSERT_TRUE(QDir().mkpath(DataFolder() + "/files"));
  QFile page(DataFolder() + "/files/news.html");
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<html><body><!-- ZanNews00007 --> New deck!</body></html>");
  page.close();
  ASSERT_TRUE(StartServer());
  Start(ann_, "Ann", "Oslo", "W");
  WorldPlay& world = ann_.Window->World();
  QString opened;
  world.OpenUrl = [&](const QString& url) { opened = url; };

  ASSERT_FALSE(SaveNewsNumber(ann_.Parent(), 7));
  Poll(world, &WorldPlay::CheckNews);
  EXPECT_FALSE(world.NewsIndicator()) << "the number read already";

  ASSERT_FALSE(SaveNewsNumber(ann_.Parent(), 6));
  Poll(world, &WorldPlay::CheckNews);
  EXPECT_TRUE(world.NewsIndicator());
  EXPECT_TRUE(world.NewsMark().isVisible());
  Shoot(*ann_.Window, "menu-news-mark");
  QTest::mouseClick(&world.NewsMark(), Qt::LeftButton);
  EXPECT_FALSE(world.NewsIndicator());
  EXPECT_FALSE(world.NewsMark().isVisible());
  EXPECT_EQ(LoadNewsNumber(ann_.Parent()), 7);
  EXPECT_EQ(opened, QString::fromStdString(Base() + "/news.html"));
}

}  // namespace
}  // namespace tavlo::testing
