// The world top ten window through the real main window, against a real club.
#include "ui/world/world_top_ten_window.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include "club_window_fixture.h"
#include "ui/main_window.h"
#include "ui/widgets/zan_button.h"
#include <QTest>
#include "ui/world/world_play.h"

namespace tavlo::testing {
namespace {

class WorldTopTenWindowTest : public ClubWindowTest {
 protected:
  // The main window on the menu with a passport the world windows accept.
  void StartWindow() {
    ClubWindowTest::StartWindow();
    SetPassport();
  }

  bool WithWindow(const std::function<void(TFormServerRead&)>& steps) {
    bool ran = false;
    window_->World().WorldTopTenShown = [&](TFormServerRead& w) {
      QTimer::singleShot(0, &w, [&] {
        steps(w);
        ran = true;
        w.close();
      });
    };
    window_->World().OpenWorldTopTen();
    window_->World().WorldTopTenShown = nullptr;
    return ran;
  }

  static void Shoot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("TAVLO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(widget.grab().save(folder + "/" + name + ".png"));
  }

  void Row(int gid, const std::string& nick, const std::string& country, std::int32_t score,
           const std::string& pw = {}) {
    TZanRecord row;
    row.GID = gid;
    row.Nick = nick;
    row.City = "Riga";
    row.Country = country;
    row.Score = score;
    row.R07 = "M";
    row.R08 = "5.7f";
    row.R09 = "#";
    row.R10 = "#";
    ASSERT_TRUE(Client().SubmitWorldRow(row, pw).Ok) << nick;
  }

};

TEST_F(WorldTopTenWindowTest, EveryTabShowsItsTableAndNoConnectOnceTheClubIsGone) {
  ASSERT_TRUE(StartServer());
  CreateUser("Ann");
  TZanGame game;
  game.Kon = 40;
  game.Rating = 3.25;
  ASSERT_TRUE(Client().SaveGameRecord("Ann", "pass1", game));
  Row(kWorldTableAccounts, "Ann", "Russia", 310, "pass1");
  Row(kGameId, "Max", "1-026", 120);
  Row(kGameId, "Eve", "1-035", 95);
  Row(kGameId, "Lea", "3-034", 200);
  Row(kWorldTableAndroid, "Ole", "1-035", 50);
  StartWindow();

  const struct {
    int tab;
    const char* heading;
    std::size_t rows;
    std::vector<std::pair<const char*, const char*>> top;  // the first rows: nick, score
    std::vector<const char*> around;
    const char* count;  // nullptr: the tab has no count
  } cases[] = {
      {0, "ACCOUNT. RATING. ALL GAMES", 1, {{"Ann", "3.25"}}, {}, nullptr},
      {1, "ACCOUNT. SCORE. GAMES IN CYCLE", 1, {{"Ann", "310"}}, {}, "1"},  // signed out: no neighbourhood
      {2, "WINDOWS. SCORE. GAMES IN CYCLE", 3, {{"Lea", "200"}, {"Max", "120"}, {"Eve", "95"}}, {"Eve"}, "3"},
      {3, "ANDROID. SCORE. GAMES IN CYCLE", 1, {{"Ole", "50"}}, {}, "1"},
      {4, "WINDOWS. ONLINE TOURNAMENT", 0, {}, {}, nullptr},
      // The club files a first start installs come with a top ten of their own.
      {5, "WINDOWS. LOCAL GAMES WITH PC", 10, {{"Alexander", "412"}, {"Marina", "367"}}, {}, nullptr},
      {6, "WINDOWS. NET GAMES", 10, {}, {}, nullptr},
  };
  ASSERT_TRUE(WithWindow([&](TFormServerRead& w) {
    EXPECT_EQ(w.Tabs().currentIndex(), 2) << "the Windows table the first time";
    for (const auto& c : cases) {
      w.Tabs().setCurrentIndex(c.tab);
      Shoot(w, QString("world-tab-%1").arg(c.tab + 1));
      EXPECT_EQ(w.Heading(c.tab), c.heading);
      EXPECT_FALSE(w.NoConnectShown(c.tab)) << c.tab;
      const auto top = w.TopRows(c.tab);
      EXPECT_EQ(top.size(), c.rows) << c.tab;
      for (std::size_t i = 0; i < top.size() && i < c.top.size(); ++i) {
        EXPECT_EQ(top[i].Nick, c.top[i].first) << c.tab;
        EXPECT_EQ(top[i].Score, c.top[i].second) << c.tab;
        EXPECT_EQ(top[i].Place, QString::number(i + 1)) << c.tab;
      }
      const auto around = w.AroundRows(c.tab);
      bool found = c.around.empty();
      for (const auto& r : around) found = found || r.Nick == c.around.front();
      EXPECT_TRUE(found) << "neighbourhood of tab " << c.tab;
      if (c.count) {
        EXPECT_TRUE(w.CountText(c.tab).endsWith(QString(": ") + c.count)) << w.CountText(c.tab).toStdString();
      }
    }
    w.Tabs().setCurrentIndex(3);
    StopServer();
    for (int tab = 0; tab < TFormServerRead::kTabs; ++tab) {
      w.ReadTab(tab);
      EXPECT_EQ(w.NoConnectShown(tab), tab <= 4) << tab;  // the last two come from this computer
    }
    EXPECT_TRUE(w.TopRows(2).empty());
    EXPECT_EQ(w.CountText(2), "");
    Shoot(w, "world-no-connect");
  }));
  ASSERT_TRUE(WithWindow([&](TFormServerRead& w) {
    EXPECT_EQ(w.Tabs().currentIndex(), 3) << "opens on the cycle table last shown";
  }));
}

TEST_F(WorldTopTenWindowTest, APausedWorldTopTenDoesNotOpen) {
  ASSERT_TRUE(StartServer({"--pause-world"}));
  StartWindow();
  EXPECT_FALSE(WithWindow([](TFormServerRead&) {}));
  ASSERT_EQ(notices_.size(), 1);
  EXPECT_EQ(notices_[0], window_->W(WordId::WorldTopTenUnavailable));
}

TEST_F(WorldTopTenWindowTest, TheCycleResultIsSentOnceAndShowsItsPlace) {
  ASSERT_TRUE(StartServer());
  Row(kGameId, "Max", "1-026", 400);
  StartWindow();
  const struct {
    const char* nick;
    bool stopped;     // the club is gone before "Send"
    bool sendable;
    const char* result;
  } cases[] = {
      {"Eve", false, true, "2"},
      {"E", false, false, nullptr},  // an invalid passport cannot send
      {"Ida", true, true, "fail"},
  };
  for (const auto& c : cases) {
    window_->CurrentSettings().WorldName = c.nick;
    bool shown = false;
    window_->World().ResultShown = [&](TFormServerWrite& w) {
      QTimer::singleShot(0, &w, [&] {
        shown = true;
        EXPECT_TRUE(w.PassportText().startsWith(QString(c.nick) + ", Oslo (Norway)")) << w.PassportText().toStdString();
        EXPECT_EQ(w.SendButton().isEnabled(), c.sendable) << c.nick;
        if (c.stopped) StopServer();
        if (c.sendable) QTest::mouseClick(&w.SendButton(), Qt::LeftButton);
        if (c.result == nullptr) {
          EXPECT_EQ(w.ResultText(), "");
        } else if (QString(c.result) == "fail") {
          EXPECT_EQ(w.ResultText(), window_->W(WordId::CantWriteResult));
          EXPECT_TRUE(w.SendButton().isEnabled()) << "a failed send may be tried again";
        } else {
          EXPECT_EQ(w.ResultText(), window_->W(WordId::YourPlace) + ": " + c.result);
          EXPECT_FALSE(w.SendButton().isEnabled()) << "one cycle, one row";
        }
        Shoot(w, QString("world-result-%1").arg(c.nick));
        w.close();
      });
    };
    window_->World().ShowCycleResult(250);
    EXPECT_TRUE(shown) << c.nick;
  }
  ASSERT_TRUE(StartServer());
  // The club's data survive the restart: exactly one row was added, in its place.
  const WorldRows rows = Client().ReadWorldTable(kGameId);
  ASSERT_TRUE(rows.Ok);
  EXPECT_EQ(rows.Rows[1].Nick, "Max");
  EXPECT_EQ(rows.Rows[2].Nick, "Eve");
  EXPECT_EQ(rows.Rows[2].Score, 250);
  EXPECT_EQ(rows.Rows[2].Country, "1-035");
  EXPECT_EQ(rows.Rows[2].R07, "W");
  EXPECT_EQ(rows.Rows[3].Nick, "#");
}

TEST_F(WorldTopTenWindowTest, ALikeAsksForANickFirstAndCancellingSendsNothing) {
  ASSERT_TRUE(StartServer());
  StartWindow();
  Settings& settings = window_->CurrentSettings();
  settings.WorldName = "Incognito";
  settings.VoteSent = false;
  const struct {
    std::vector<std::optional<QString>> answers;  // the nick box's answers in turn; nothing: cancelled
    bool sent;
  } cases[] = {
      {{std::nullopt}, false},
      {{QString("A"), QString("a b"), QString("Zoe")}, true},  // asked again until the nick is valid
  };
  for (const auto& c : cases) {
    std::size_t asked = 0;
    window_->World().AskNick = [&](const QString&) -> std::optional<QString> {
      return asked < c.answers.size() ? c.answers[asked++] : std::nullopt;
    };
    bool shown = false;
    window_->World().StatisticsShown = [&](TFStat& w) {
      QTimer::singleShot(0, &w, [&] {
        shown = true;
        EXPECT_EQ(w.Label(3), window_->W(WordId::Likes));
        EXPECT_EQ(w.Value(3), "0");
        ASSERT_TRUE(w.LikeButton().isEnabled());
        QTest::mouseClick(&w.LikeButton(), Qt::LeftButton);
        EXPECT_EQ(asked, c.answers.size());
        EXPECT_EQ(w.Value(3), c.sent ? "1" : "0");
        EXPECT_EQ(w.Value(4), c.sent ? "Zoe" : "");
        EXPECT_EQ(w.LikeButton().isEnabled(), !c.sent);
        Shoot(w, QString("statistics-%1").arg(c.sent ? "liked" : "cancelled"));
        w.close();
      });
    };
    window_->World().OpenStatistics();
    EXPECT_TRUE(shown);
    const auto stats = Client().ReadGlobalStats();
    ASSERT_TRUE(stats.has_value());
    EXPECT_EQ(stats->Stat3, c.sent ? 1 : 0);
    EXPECT_EQ(settings.VoteSent, c.sent);
    EXPECT_EQ(settings.WorldName, c.sent ? "Zoe" : "Incognito");
  }

  StopServer();
  window_->World().StatisticsShown = [&](TFStat& w) {
    QTimer::singleShot(0, &w, [&] {
      EXPECT_EQ(w.Value(1), window_->W(WordId::NoConnect));
      EXPECT_FALSE(w.LikeButton().isEnabled());
      w.close();
    });
  };
  window_->World().OpenStatistics();
}

}  // namespace
}  // namespace tavlo::testing
