// The club's background traffic through the real main window: the polls that must not hold the
// window up, the start and game statistics, and a cycle of 40 deals ending in the world table.
#include <QApplication>
#include <QHostAddress>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "club_window_fixture.h"
#include "records/club_file.h"
#include "records/club_install.h"
#include "records/club_paths.h"
#include "records/member_line.h"
#include "records/password.h"
#include "ui/dialogs/end_game_window.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/layout/scale.h"
#include "ui/main_window.h"
#include "ui/menu/main_menu.h"
#include "ui/widgets/zan_button.h"
#include "ui/window_waits.h"
#include "ui/world/world_play.h"
#include "ui/world/world_result_window.h"
#include "ui/world/world_top_ten_window.h"

namespace tavlo::testing {
namespace {

// A club that takes every connection and never answers.
class SilentClub {
 public:
  SilentClub() {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        sockets_.push_back(socket);
        QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { received_ += socket->readAll(); });
      }
    });
  }
  std::string Address(const char* script) const {
    return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/" + script;
  }
  // What the requests sent so far hold.
  const QByteArray& Received() const { return received_; }
  // Connections the client has not given up.
  int Open() const {
    int open = 0;
    for (const QTcpSocket* s : sockets_) open += s->state() == QAbstractSocket::ConnectedState ? 1 : 0;
    return open;
  }

 private:
  QTcpServer server_;
  std::vector<QTcpSocket*> sockets_;
  QByteArray received_;
};

// True when a key typed into a box of `parent` reaches it while the club has still not answered.
bool TypingGetsThrough(QWidget* parent, const std::function<bool()>& stillWaiting) {
  auto* box = new QLineEdit(parent);
  box->show();
  QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z"));
  const bool typed = WaitUntil([box] { return box->text() == "z"; });
  const bool waiting = stillWaiting();
  delete box;
  return typed && waiting;
}

class WorldBackgroundTest : public ClubWindowTest {
 protected:
  bool BackgroundDone() {
    return WaitUntil([this] { return window_->World().BackgroundRunning() == 0; });
  }
};

TEST_F(WorldBackgroundTest, PollsOfAClubThatNeverAnswersLeaveTheWindowWorking) {
  ASSERT_TRUE(StartServer());
  StartWindow();
  SetPassport("Eve");
  ASSERT_TRUE(BackgroundDone());
  SilentClub silent;
  WorldPlay& world = window_->World();
  ClubClient& client = window_->Services().Client();
  const std::string real = client.Addresses().WorldTopTen;
  client.SetWorldTopTenAddress(silent.Address("world.php"));

  // The chat poll returns at once and waits for its answer in the background.
  world.CheckChat();
  EXPECT_TRUE(world.PollsPending());
  ASSERT_TRUE(WaitUntil([&] { return silent.Received().contains("gid=100"); }));
  EXPECT_TRUE(TypingGetsThrough(window_.get(), [&] { return world.PollsPending() && silent.Open() == 1; }));
  world.CheckChat();
  EXPECT_EQ(world.BackgroundRunning(), 1) << "a poll still waiting is not sent twice";
  EXPECT_FALSE(world.ChatIndicator());

  // The world top ten's ten-second refresh: the rows read on opening stay while the club is silent.
  client.SetWorldTopTenAddress(real);
  TZanRecord row;
  row.GID = kGameId;
  row.Nick = "Max";
  row.City = "Riga";
  row.Country = "1-026";
  row.Score = 300;
  row.R07 = "M";
  row.R08 = "5.7f";
  row.R09 = row.R10 = "#";
  ASSERT_TRUE(Client().SubmitWorldRow(row).Ok);
  bool ran = false;
  world.WorldTopTenShown = [&](TFormServerRead& w) {
    QTimer::singleShot(0, &w, [&] {
      ran = true;
      ASSERT_EQ(w.Tabs().currentIndex(), 2);
      ASSERT_EQ(w.TopRows(2).size(), 1u);
      client.SetWorldTopTenAddress(silent.Address("world.php"));
      const int before = silent.Received().count("gid=59");
      w.RefreshShownTab();
      EXPECT_TRUE(w.RefreshPending());
      EXPECT_TRUE(WaitUntil([&] { return silent.Received().count("gid=59") > before; }));
      EXPECT_TRUE(TypingGetsThrough(&w, [&] { return w.RefreshPending(); }));
      EXPECT_EQ(w.TopRows(2).size(), 1u) << "the rows shown stay until the club answers";
      EXPECT_FALSE(w.NoConnectShown(2));
      w.close();  // closing does not wait for the silent club
    });
  };
  world.OpenWorldTopTen();
  world.WorldTopTenShown = nullptr;
  EXPECT_TRUE(ran);
  client.SetWorldTopTenAddress(real);
}

TEST_F(WorldBackgroundTest, TheRefreshShowsWhatTheClubHoldsNow) {
  ASSERT_TRUE(StartServer());
  StartWindow();
  SetPassport("Eve");
  bool ran = false;
  window_->World().WorldTopTenShown = [&](TFormServerRead& w) {
    QTimer::singleShot(0, &w, [&] {
      ran = true;
      EXPECT_TRUE(w.TopRows(2).empty());
      TZanRecord row;
      row.GID = kGameId;
      row.Nick = "Lea";
      row.City = "Kiev";
      row.Country = "1-046";
      row.Score = 120;
      row.R07 = "W";
      row.R08 = "5.7f";
      row.R09 = row.R10 = "#";
      EXPECT_TRUE(Client().SubmitWorldRow(row).Ok);
      w.RefreshShownTab();
      EXPECT_TRUE(WaitUntil([&] { return !w.RefreshPending(); }));
      ASSERT_EQ(w.TopRows(2).size(), 1u);
      EXPECT_EQ(w.TopRows(2)[0].Nick, "Lea");
      EXPECT_EQ(w.CountText(2), window_->W(WordId::NumberOfGames) + ": 1");
      w.close();
    });
  };
  window_->World().OpenWorldTopTen();
  EXPECT_TRUE(ran);
}

TEST_F(WorldBackgroundTest, AFreshInstallationCountsOneUniqueStartAndMayLike) {
  ASSERT_TRUE(StartServer());
  StartWindow();
  ASSERT_TRUE(BackgroundDone());
  EXPECT_TRUE(window_->CurrentSettings().StartCounted) << "the club counted the first start";
  EXPECT_FALSE(window_->CurrentSettings().VoteSent);
  auto stat = Client().ReadGlobalStats();
  ASSERT_TRUE(stat.has_value());
  EXPECT_EQ(stat->Stat1, 1);
  EXPECT_EQ(stat->Stat2, 1);

  bool likeOpen = false;
  window_->World().StatisticsShown = [&](TFStat& w) {
    QTimer::singleShot(0, &w, [&] {
      likeOpen = w.LikeButton().isEnabled();
      w.close();
    });
  };
  window_->World().OpenStatistics();
  EXPECT_TRUE(likeOpen) << "a fresh installation has not liked the game yet";

  // The next start of the same installation is a start, not a unique one; the flag was saved.
  CloseWindow();
  StartWindow();
  ASSERT_TRUE(BackgroundDone());
  stat = Client().ReadGlobalStats();
  ASSERT_TRUE(stat.has_value());
  EXPECT_EQ(stat->Stat1, 2);
  EXPECT_EQ(stat->Stat2, 1);

  // A start the club cannot count leaves the installation's first count still to come.
  CloseWindow();
  const std::filesystem::path other = home_.path().toStdString() + "/other";
  StopServer();
  qputenv("TAVLO_CLUB", QByteArray::fromStdString(Base()));
  window_ = std::make_unique<MainWindow>(ProgramPaths{other, other / "game"}, 7);
  window_->SetShippedLibraries(std::nullopt);
  window_->Notice = [this](const QString& a, const QString&, const QString&) { notices_ << a; };
  window_->show();
  window_->CompleteStart();
  ASSERT_TRUE(BackgroundDone());
  EXPECT_FALSE(window_->CurrentSettings().StartCounted);
}

TEST_F(WorldBackgroundTest, TheMakersOwnInstallationIsNotCounted) {
  ASSERT_TRUE(StartServer());
  // An installation whose club files carry the label "idd".
  const std::filesystem::path program = std::filesystem::path(home_.path().toStdString()) / "game";
  ASSERT_TRUE(InstallClubFiles(program));
  const ClubFiles files = ClubFilesIn(program);
  for (const std::filesystem::path& path : {files.Local, files.Network}) {
    ClubFileContents club = ReadClubFile(path);
    ASSERT_EQ(club.Status, ClubRead::Read);
    club.Lines[kSealLine].replace(6, 3, "idd");
    SealClubLines(club.Lines);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << ClubFileBytes(club.Lines);
  }
  StartWindow();
  // Whatever the start sent (the menu may read the club's figures) has been answered.
  ASSERT_TRUE(BackgroundDone());
  const auto stat = Client().ReadGlobalStats();
  ASSERT_TRUE(stat.has_value());
  EXPECT_EQ(stat->Stat1, 0);
  EXPECT_FALSE(window_->CurrentSettings().StartCounted);
}

TEST_F(WorldBackgroundTest, TheMenuShowsTheClubsFiguresAndPutsTheMarksOnItsShelf) {
  ASSERT_TRUE(StartServer());
  StartWindow();
  ASSERT_TRUE(BackgroundDone());  // this start: one start, one unique
  ASSERT_TRUE(Client().CountStart(false));
  ASSERT_TRUE(Client().CountStart(false));
  ASSERT_TRUE(Client().SendLike("Zoe"));
  ASSERT_TRUE(Client().SendLike("Ann"));
  ASSERT_TRUE(Client().SendGameStats({5, 1, 30, 0, 4, 1, 0, 0, 0, 0, 0, 0}));
  ASSERT_TRUE(Client().SendGameStats({4, 1, 0, 12, 4, 1, 0, 0, 0, 0, 0, 0}));

  window_->CurrentSettings().WindowSizeMode = static_cast<int>(WindowSizeMode::Large);
  window_->ApplyWindowSize();
  MainMenu& menu = window_->Menu();
  ASSERT_TRUE(menu.ClocksShown());
  // Starts, unique starts, likes, games and cycles against the computer, LAN games, online games.
  const std::int64_t expected[MainMenu::kStatisticsPages] = {3, 1, 2, 9, 2, 8, 2};
  for (int page = 1; page <= MainMenu::kStatisticsPages; ++page) {
    menu.ShowStatisticsPage(page);
    ASSERT_TRUE(WaitUntil([&] { return !menu.StatisticsFigureText().isEmpty(); })) << page;
    EXPECT_EQ(menu.StatisticsFigureText(), QString::number(expected[page - 1])) << page;
    EXPECT_EQ(menu.StatisticsHint().first, window_->W(MainMenu::StatisticsPageWord(page))) << page;
  }

  // On a large screen the marks stand on the shelf between "New Player" and the right animation.
  const auto shelf = menu.IndicatorShelf();
  ASSERT_TRUE(shelf.has_value());
  WorldPlay& world = window_->World();
  EXPECT_TRUE(world.Shelf().isVisible());
  for (QLabel* mark : {&world.NewsMark(), &world.ChatMark()}) {
    EXPECT_TRUE(shelf->contains(mark->geometry().center())) << mark->objectName().toStdString();
    EXPECT_GT(mark->x(), menu.NewPlayerButton().geometry().right());
  }
  EXPECT_LT(world.NewsMark().x(), world.ChatMark().x());

  // A page shown while the club is gone says so in its hint.
  StopServer();
  menu.ShowStatisticsPage(3);
  ASSERT_TRUE(WaitUntil([&] { return menu.StatisticsHint().first.endsWith(": NO CONNECT"); }));
  EXPECT_TRUE(menu.StatisticsFigureText().isEmpty());

  // Below scale 1.6 there is no shelf: the marks stand beside "New Player".
  window_->CurrentSettings().WindowSizeMode = static_cast<int>(WindowSizeMode::Average1);
  window_->ApplyWindowSize();
  EXPECT_FALSE(menu.IndicatorShelf().has_value());
  EXPECT_FALSE(world.Shelf().isVisible());
  const QRect button = menu.NewPlayerButton().geometry();
  EXPECT_GT(world.NewsMark().x(), button.right());
  EXPECT_NEAR(world.NewsMark().geometry().center().y(), button.center().y(), 1);
}

// Alice, a local club member, has played 39 deals of her cycle with 300 points.
void WriteAlice(const std::filesystem::path& club) {
  ClubFileContents contents = ReadClubFile(club);
  ASSERT_EQ(contents.Status, ClubRead::Read);
  contents.Lines[1] = MakeMemberLine("Alice", 1.5, 39, 300, EncodePassword(""));
  std::ofstream out(club, std::ios::binary | std::ios::trunc);
  out << ClubFileBytes(contents.Lines);
}

TEST_F(WorldBackgroundTest, ACycleEndedWithoutAnAccountGoesToTheWorldTableAndTheStatistics) {
  ASSERT_TRUE(StartServer());
  TZanRecord best;
  best.GID = kGameId;
  best.Nick = "Max";
  best.City = "Riga";
  best.Country = "1-026";
  best.Score = 100000;
  best.R07 = "M";
  best.R08 = "5.7f";
  best.R09 = best.R10 = "#";
  ASSERT_TRUE(Client().SubmitWorldRow(best).Ok);
  StartWindow();
  SetPassport("Eve");
  ASSERT_TRUE(BackgroundDone());
  WriteAlice(window_->Files().Local);

  // Alice sits down for the last deal of her cycle.
  OnDialog<TFormPassword>(window_.get(),
                          [](TFormPassword& dialog) { QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton); });
  window_->Menu().ClubRowClicked(1);
  ASSERT_TRUE(window_->GameShown());
  ASSERT_TRUE(WaitUntil([this] { return window_->TheGame().State().KonNo == 40; }));
  window_->TheGame().SettleSeriesResult();
  const std::int32_t total = window_->TheGame().State().TotalScore;
  const std::int32_t result = window_->TheGame().State().SeriesResult;

  bool endShown = false;
  OnDialog<TFormEndGame>(window_.get(), [&](TFormEndGame& dialog) {
    endShown = true;
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
  });
  bool resultShown = false;
  window_->World().ResultShown = [&](TFormServerWrite& w) {
    QTimer::singleShot(0, &w, [&] {
      resultShown = true;
      EXPECT_TRUE(endShown) << "the end-of-cycle window comes first";
      EXPECT_TRUE(w.SendButton().isEnabled());
      QTest::mouseClick(&w.SendButton(), Qt::LeftButton);
      EXPECT_EQ(w.ResultText(), window_->W(WordId::YourPlace) + ": 2");
      EXPECT_FALSE(w.SendButton().isEnabled());
      w.close();
    });
  };
  window_->FinishSeries(result, window_->TheGame().State().SeriesKon);
  window_->World().ResultShown = nullptr;
  EXPECT_TRUE(resultShown);

  const WorldRows rows = Client().ReadWorldTable(kGameId);
  ASSERT_TRUE(rows.Ok);
  EXPECT_EQ(rows.Rows[2].Nick, "Eve");
  EXPECT_EQ(rows.Rows[2].Score, total);
  EXPECT_EQ(rows.Rows[3].Nick, "#") << "one cycle, one row";

  // The finished game's figures reach the club's statistics.
  ASSERT_TRUE(BackgroundDone());
  const auto stat = Client().ReadGlobalStats();
  ASSERT_TRUE(stat.has_value());
  EXPECT_EQ(stat->StatX[1], 1) << "one deal against the computer";
  EXPECT_EQ(stat->StatX[2], 1) << "one completed cycle";
  EXPECT_EQ(stat->StatX[3] + stat->StatX[4], result < 0 ? -result : result);
}

}  // namespace
}  // namespace tavlo::testing
