// The tournament lobby and its top ten through the real main window, against a real club with
// its tournament tables running.
#include "ui/tour/tour_lobby_window.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTest>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "club_window_fixture.h"
#include "game/seats.h"
#include "lang/languages.h"
#include "net/club/headless_tour.h"
#include "net/club/tour_clock.h"
#include "ui/account/account_play.h"
#include "ui/main_window.h"
#include "ui/menu/main_menu.h"
#include "ui/pictures/picture_registry.h"
#include "ui/tour/tour_lobby.h"
#include "ui/tour/tour_play.h"
#include "ui/widgets/zan_button.h"
#include "ui/world/world_play.h"

namespace tavlo::testing {
namespace {

const QStringList kTables = {"--tour-tables", "--tour-host", "127.0.0.1", "--tour-base-port", "0"};

class TourLobbyWindowTest : public ClubWindowTest {
 protected:
  // The main window on the menu with "Ann" signed in to her account.
  void StartWindow(int language = 0) {
    CreateUser("Ann");
    ClubWindowTest::StartWindow();
    if (HasFatalFailure()) return;
    window_->SetLanguage(language);
    AccountSession& session = window_->Account().Session();
    session.User().Nick = "Ann";
    session.User().Pw = "pass1";
    ASSERT_TRUE(session.SignIn());
    ASSERT_TRUE(session.SignedInNow());
    notices_.clear();
  }

  // Opens the lobby from the menu's tournament icon and runs `steps` in it; the steps close it.
  bool WithLobby(const std::function<void(TFTour4&)>& steps) {
    bool ran = false;
    window_->Lobby().LobbyShown = [&](TFTour4& w) {
      w.RefreshTimer().stop();  // the tests refresh when they mean to
      QTimer::singleShot(0, &w, [&] {
        steps(w);
        ran = true;
        w.close();
      });
    };
    emit window_->Menu().IconClicked(MenuIcon::Tournament);
    window_->Lobby().LobbyShown = nullptr;
    return ran;
  }

  // Another player's seat, taken straight through the club.
  void Seat(int table, int seat, const std::string& nick, const std::string& ip) {
    TZanClient c;
    c.Nick = nick;
    c.Country = "Norway";
    c.City = "Oslo";
    c.IP = ip;
    ASSERT_EQ(Client().SetSeat(table, seat, 1, c), 0) << nick;
  }
  std::string NickAt(int table, int seat) {
    const auto c = Client().ReadSeat(table, seat);
    return c ? c->Nick : "(no answer)";
  }

  static void Click(QAbstractButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }
  static bool WaitFor(const std::function<bool()>& done, int ms = 10000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
  }
  static void Shoot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("TAVLO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(widget.grab().save(folder + "/" + name + ".png"));
  }
  QString W(WordId w) const { return window_->W(w); }

};

// Captions that do not fit their boxes, measured in the fonts they are drawn with.
QStringList Overflows(QWidget& root) {
  QStringList found;
  for (QWidget* w : root.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&root)) continue;
    if (auto* b = qobject_cast<TZanCardsButton*>(w)) {
      const int need = QFontMetrics(b->CaptionFont()).horizontalAdvance(b->text());
      if (need > b->CaptionRect().width()) found << b->text();
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
      if (l->wordWrap() || l->text().isEmpty() || Qt::mightBeRichText(l->text())) continue;
      int need = 0;
      for (const QString& line : l->text().split('\n')) need = std::max(need, l->fontMetrics().horizontalAdvance(line));
      if (need > l->contentsRect().width()) found << l->text();
    } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
      if (r->sizeHint().width() > r->width()) found << r->text();
    }
  }
  if (auto* frame = qobject_cast<DialogFrame*>(&root); frame && frame->Design() == DialogDesign::GrayAristocratic) {
    const int need = QFontMetrics(frame->TitleFont()).horizontalAdvance(frame->TitleText());
    if (need > frame->TitleBox().width()) found << frame->TitleText();
  }
  return found;
}

TEST_F(TourLobbyWindowTest, WithoutAnAccountTheIconAsksToLogIn) {
  ASSERT_TRUE(StartServer(kTables));
  StartWindow();
  window_->Account().Session().SignOut();
  notices_.clear();
  bool shown = false;
  window_->Lobby().LobbyShown = [&](TFTour4& w) {
    shown = true;
    QTimer::singleShot(0, &w, [&w] { w.close(); });
  };
  emit window_->Menu().IconClicked(MenuIcon::Tournament);
  EXPECT_FALSE(shown);
  EXPECT_EQ(notices_, QStringList{"Log in to your account!"});
}

TEST_F(TourLobbyWindowTest, TheGameSideOpensTheLobbyAgainAfterAGame) {
  ASSERT_TRUE(StartServer(kTables));
  StartWindow();
  TourGameEntry& entry = window_->Lobby().Entry();
  ASSERT_TRUE(entry.OpenTournamentLobby);
  bool shown = false;
  window_->Lobby().LobbyShown = [&](TFTour4& w) {
    shown = true;
    EXPECT_EQ(w.TourTable(), 0);
    QTimer::singleShot(0, &w, [&w] { w.close(); });
  };
  entry.OpenTournamentLobby();
  EXPECT_TRUE(shown);
}

TEST_F(TourLobbyWindowTest, ShowsTheTablesTheSeatsAndThePlayersFigures) {
  ASSERT_TRUE(StartServer(kTables));
  Seat(2, 1, "Bob", "10.0.0.2");
  Seat(2, 2, "Cid", "10.0.0.3");
  StartWindow();
  ASSERT_TRUE(WithLobby([&](TFTour4& w) {
    EXPECT_EQ(w.WelcomeText(), "Welcome to the World Online Tournament!");
    EXPECT_TRUE(w.ServerOn());
    EXPECT_EQ(w.ServerHint(), "Server On");
    EXPECT_EQ(w.TourTable(), 0);
    EXPECT_EQ(w.OwnTourPlayer().Nick, "Ann");
    EXPECT_FALSE(w.OwnTourPlayer().IP.empty());
    const struct {
      int table, seat;
      const char* caption;
      bool enabled;
    } seats[] = {
        {1, 1, "Take the place of", true}, {1, 2, "Free", false}, {1, 4, "Free", false},
        {2, 1, "Bob : 0", false},          {2, 2, "Cid : 0", false}, {2, 3, "Take the place of", true},
        {2, 4, "Free", false},             {10, 1, "Take the place of", true},
    };
    for (const auto& s : seats) {
      SCOPED_TRACE(std::to_string(s.table) + "/" + std::to_string(s.seat));
      EXPECT_EQ(w.SeatButton(s.table, s.seat).text(), s.caption);
      EXPECT_EQ(w.SeatButton(s.table, s.seat).isEnabled(), s.enabled);
    }
    // Nick, score, place, rating, games, city: a player new to the tournament.
    EXPECT_EQ(w.PanelValue(0), "Ann");
    EXPECT_EQ(w.PanelValue(1), "0");
    bool placeIsNumber = false;
    w.PanelValue(2).toInt(&placeIsNumber);
    EXPECT_TRUE(placeIsNumber) << w.PanelValue(2).toStdString();
    EXPECT_EQ(w.PanelValue(4), "0");
    EXPECT_TRUE(w.RefreshButton().isEnabled());
    EXPECT_TRUE(w.OkButton().isEnabled());
    Shoot(w, "tour_lobby_en");
  }));
}

TEST_F(TourLobbyWindowTest, TakingAndLeavingASeatThroughClicks) {
  ASSERT_TRUE(StartServer(kTables));
  StartWindow();
  const TourTables tables = Client().ReadTables();
  ASSERT_TRUE(tables.Ok);
  const TourPlay& link = window_->Tour();
  ASSERT_TRUE(WithLobby([&](TFTour4& w) {
    Click(w.SeatButton(3, 1));
    EXPECT_EQ(w.TourTable(), 3);
    EXPECT_EQ(w.TourSeat(), 1);
    EXPECT_EQ(NickAt(3, 1), "Ann");
    EXPECT_EQ(w.SeatButton(3, 1).text(), "Log off");
    EXPECT_TRUE(w.SeatButton(3, 1).isEnabled());
    EXPECT_EQ(w.SeatButton(3, 2).text(), "Take the place of");
    EXPECT_FALSE(w.SeatButton(3, 2).isEnabled()) << "one seat at a time";
    EXPECT_FALSE(w.SeatButton(1, 1).isEnabled());
    EXPECT_FALSE(w.RefreshButton().isEnabled());
    EXPECT_FALSE(w.TopTenButton().isEnabled());
    EXPECT_FALSE(w.OkButton().isEnabled());
    // The seat was handed to the table's connection with the table's address.
    EXPECT_EQ(link.Seat().Table, 3);
    EXPECT_EQ(link.Seat().Place, 1);
    EXPECT_EQ(link.Seat().Host.toStdString(), tables.Rows[3].IP);
    EXPECT_EQ(link.Seat().Port, tables.Rows[3].Port);
    EXPECT_EQ(link.Seat().Own.Nick, "Ann");
    EXPECT_TRUE(WaitFor([&] { return link.Link() == TourConnection::Joined; }));
    // Escape does not close the lobby while the seat is held.
    w.reject();
    EXPECT_TRUE(w.isVisible());
    Shoot(w, "tour_lobby_seated_en");

    Click(w.SeatButton(3, 1));
    EXPECT_EQ(w.TourTable(), 0);
    EXPECT_EQ(NickAt(3, 1), "X");
    EXPECT_EQ(link.Link(), TourConnection::Idle);
    EXPECT_EQ(w.SeatButton(3, 1).text(), "Take the place of");
    EXPECT_TRUE(w.SeatButton(3, 1).isEnabled());
    EXPECT_TRUE(w.OkButton().isEnabled());
  }));
  EXPECT_TRUE(notices_.isEmpty()) << notices_.join("|").toStdString();
}

TEST_F(TourLobbyWindowTest, LeavingASeatFreesTheSeatsAfterIt) {
  ASSERT_TRUE(StartServer(kTables));
  StartWindow();
  const struct {
    int table, ownSeat;
    std::vector<std::string> after;  // seats 1..3 once the player has logged off
  } cases[] = {
      {4, 1, {"X", "X", "X"}},
      {5, 2, {"Bob", "X", "X"}},
      {6, 3, {"Bob", "Cid", "X"}},
  };
  ASSERT_TRUE(WithLobby([&](TFTour4& w) {
    for (const auto& c : cases) {
      SCOPED_TRACE("leaving seat " + std::to_string(c.ownSeat));
      // A nick sits at one table at a time, so each case has players of its own.
      const std::string n = std::to_string(c.table);
      const std::string others[3] = {"Bob" + n, "Cid" + n, "Dan" + n};
      for (int s = 1; s <= 3; ++s) {
        if (s != c.ownSeat && s < c.ownSeat) Seat(c.table, s, others[s - 1], "10.0.0." + std::to_string(s));
      }
      w.RefreshTables();
      Click(w.SeatButton(c.table, c.ownSeat));
      ASSERT_EQ(w.TourSeat(), c.ownSeat);
      for (int s = c.ownSeat + 1; s <= 3; ++s) Seat(c.table, s, others[s - 1], "10.0.0." + std::to_string(s));
      w.RefreshTables();
      EXPECT_EQ(w.SeatButton(c.table, c.ownSeat).text(), "Log off");
      if (c.ownSeat == 1) Shoot(w, "tour_lobby_three_seated_en");
      Click(w.SeatButton(c.table, c.ownSeat));
      EXPECT_EQ(w.TourTable(), 0);
      for (int s = 1; s <= 3; ++s) {
        const std::string& expected = c.after[static_cast<std::size_t>(s - 1)];
        EXPECT_EQ(NickAt(c.table, s), expected == "X" ? expected : expected + n) << s;
      }
    }
  }));
}

TEST_F(TourLobbyWindowTest, SeatFourCannotLogOffAndTheGameTakesThePlayer) {
  ASSERT_TRUE(StartServer(kTables));
  StartWindow();
  Seat(8, 1, "Bob", "10.0.0.1");
  Seat(8, 2, "Cid", "10.0.0.2");
  Seat(8, 3, "Dan", "10.0.0.3");
  bool closedByGame = false;
  ASSERT_TRUE(WithLobby([&](TFTour4& w) {
    w.RefreshTables();
    Click(w.SeatButton(8, 4));
    ASSERT_EQ(w.TourSeat(), 4);
    EXPECT_EQ(w.SeatButton(8, 4).text(), "Ann : 0");
    EXPECT_FALSE(w.SeatButton(8, 4).isEnabled());
    w.ClickSeat(8, 4);  // even a click that got through does not give the seat back
    EXPECT_EQ(NickAt(8, 4), "Ann");
    EXPECT_EQ(w.TourSeat(), 4);
    // The first deal hands the player to the table; the lobby closes.
    TourGameEntry& entry = window_->Lobby().Entry();
    ASSERT_TRUE(entry.TournamentGameBegan);
    entry.TournamentGameBegan();
    closedByGame = WaitFor([&] { return !w.isVisible(); });
  }));
  EXPECT_TRUE(closedByGame);
}

TEST_F(TourLobbyWindowTest, OneAddressHoldsOneSeatOfATable) {
  ASSERT_TRUE(StartServer(kTables));
  StartWindow();
  ASSERT_TRUE(WithLobby([&](TFTour4& w) {
    // Bob plays from the same address as Ann; Cid from another one at the next table.
    Seat(5, 1, "Bob", w.OwnTourPlayer().IP);
    Seat(6, 1, "Cid", "10.0.0.9");
    w.RefreshTables();
    Click(w.SeatButton(5, 2));
    EXPECT_EQ(notices_, QStringList{"This table is already occupied by a player with your IP!"});
    EXPECT_EQ(w.TourTable(), 0);
    EXPECT_EQ(NickAt(5, 2), "X");
    notices_.clear();
    Click(w.SeatButton(6, 2));
    EXPECT_TRUE(notices_.isEmpty());
    EXPECT_EQ(w.TourTable(), 6);
    EXPECT_EQ(NickAt(6, 2), "Ann");
    Click(w.SeatButton(6, 2));
    EXPECT_EQ(w.TourTable(), 0);
  }));
}

TEST_F(TourLobbyWindowTest, ATableThatCannotBeReachedGivesTheSeatBack) {
  ASSERT_TRUE(StartServer(kTables));
  StartWindow();
  Seat(9, 1, "Bob", "10.0.0.1");
  ASSERT_TRUE(WithLobby([&](TFTour4& w) {
    w.RefreshTables();
    Click(w.SeatButton(9, 2));
    ASSERT_EQ(w.TourSeat(), 2);
    Seat(9, 3, "Cid", "10.0.0.3");
    // The connection reports what a refused table reports; the watch acts on its next tick.
    window_->Lobby().Entry().TournamentConnectionFailed();
    EXPECT_EQ(NickAt(9, 2), "Ann") << "nothing happens before the watch's tick";
    w.WatchTick();
    EXPECT_EQ(notices_, QStringList{"Server connection error!"});
    EXPECT_EQ(w.TourTable(), 0);
    EXPECT_EQ(NickAt(9, 1), "Bob");
    EXPECT_EQ(NickAt(9, 2), "X");
    EXPECT_EQ(NickAt(9, 3), "X");
    EXPECT_TRUE(w.SeatButton(9, 2).isEnabled());
    EXPECT_EQ(window_->Tour().Link(), TourConnection::Idle) << "the table's connection went with the seat";
    w.WatchTick();
    // The end of a connection already given up is not a second failure.
    window_->Lobby().Entry().TournamentConnectionFailed();
    w.WatchTick();
    EXPECT_EQ(notices_.size(), 1) << "told once";
  }));
}

TEST_F(TourLobbyWindowTest, ServerOffAndAClubThatIsGone) {
  ASSERT_TRUE(StartServer());  // the club without its tournament tables
  StartWindow();
  ASSERT_TRUE(WithLobby([&](TFTour4& w) {
    EXPECT_FALSE(w.ServerOn());
    EXPECT_EQ(w.ServerHint(), "Server Off");
    EXPECT_EQ(w.WelcomeText(), "The tournament game server is not running");
    for (int t = 1; t <= TFTour4::kTables; ++t) {
      EXPECT_EQ(w.SeatButton(t, 1).text(), "Server Off");
      EXPECT_FALSE(w.SeatButton(t, 1).isEnabled());
    }
    StopServer();
    w.RefreshPlayer();
    w.RefreshTables();
    EXPECT_EQ(w.WelcomeText(), "No Connect");
    EXPECT_EQ(w.PanelValue(2), "No Connect");
    EXPECT_EQ(w.SeatButton(4, 4).text(), "Server Off");
    EXPECT_TRUE(w.OkButton().isEnabled());
  }));
}

// The whole way in: a seat taken in the lobby, three more players sit down at the table, the table
// deals, and the lobby gives way to the main window's game with the four players' names.
TEST_F(TourLobbyWindowTest, ASeatTakenInTheLobbyBecomesTheWindowsGameWhenTheTableFills) {
  ASSERT_TRUE(StartServer(kTables));
  StartWindow();
  const char* const others[] = {"Bob", "Cid", "Dora"};
  std::vector<std::unique_ptr<HeadlessTourPlayer>> players;
  bool lobbyGaveWay = false;
  window_->Lobby().LobbyShown = [&](TFTour4& w) {
    w.RefreshTimer().stop();
    QTimer::singleShot(0, &w, [&] {
      Click(w.SeatButton(5, 1));
      EXPECT_EQ(w.TourTable(), 5);
      EXPECT_TRUE(WaitFor([&] { return window_->Tour().Link() == TourConnection::Joined; }));
      for (int place = 2; place <= 4; ++place) {
        players.push_back(std::make_unique<HeadlessTourPlayer>(others[place - 2], place, 40 + place));
        EXPECT_TRUE(players.back()->TakeSeat(Client(), 5, place)) << others[place - 2];
      }
      // The others play their part; the window only waits for its deal.
      QDeadlineTimer deadline(60000);
      while (w.isVisible() && !deadline.hasExpired()) {
        bool acted = false;
        for (auto& p : players) acted = p->Step() || acted;
        QCoreApplication::processEvents(acted ? QEventLoop::AllEvents : QEventLoop::WaitForMoreEvents, 20);
      }
      lobbyGaveWay = !w.isVisible();
      if (w.isVisible()) w.close();
    });
  };
  emit window_->Menu().IconClicked(MenuIcon::Tournament);
  window_->Lobby().LobbyShown = nullptr;
  ASSERT_TRUE(lobbyGaveWay) << "the table never dealt to the window";
  EXPECT_TRUE(window_->GameShown());
  EXPECT_TRUE(window_->Tour().Playing());
  EXPECT_EQ(window_->Tour().Seat().Table, 5);
  EXPECT_EQ(window_->Tour().Seat().Place, 1);
  // The others' names are read from the club in the background and reach the plates a moment later.
  const auto& names = window_->TheGame().State().SeatNames;
  EXPECT_TRUE(WaitFor([&] {
    return !names[TourSeatOfPlace(2, 1)].empty() && !names[TourSeatOfPlace(3, 1)].empty() &&
           !names[TourSeatOfPlace(4, 1)].empty();
  }));
  EXPECT_EQ(names[kSouth], "Ann");
  EXPECT_EQ(names[TourSeatOfPlace(2, 1)], "Bob");
  EXPECT_EQ(names[TourSeatOfPlace(3, 1)], "Cid");
  EXPECT_EQ(names[TourSeatOfPlace(4, 1)], "Dora");
}

TEST_F(TourLobbyWindowTest, ASeatHeldWhenTheClubGoesAwayIsGivenUp) {
  ASSERT_TRUE(StartServer(kTables));
  StartWindow();
  ASSERT_TRUE(WithLobby([&](TFTour4& w) {
    Click(w.SeatButton(1, 1));
    ASSERT_EQ(w.TourTable(), 1);
    StopServer();
    w.RefreshTables();
    EXPECT_EQ(w.TourTable(), 0);
    EXPECT_NE(window_->Tour().Link(), TourConnection::Joined);
    EXPECT_TRUE(w.OkButton().isEnabled()) << "the lobby can be closed again";
  }));
}

// Four players finish a game at table 7, then Ann (one of them) opens the top ten.
TEST_F(TourLobbyWindowTest, TheTopTenShowsTheClubsTableAndNoConnectWhenTheClubIsGone) {
  ASSERT_TRUE(StartServer(kTables));
  const char* const nicks[4] = {"Ann", "Bob", "Cid", "Dora"};
  {
    std::vector<std::unique_ptr<HeadlessTourPlayer>> players;
    for (int k = 0; k < 4; ++k) {
      players.push_back(std::make_unique<HeadlessTourPlayer>(nicks[k], 0, 80 + static_cast<std::uint64_t>(k)));
      ASSERT_TRUE(players.back()->TakeSeat(Client(), 7, k + 1)) << nicks[k];
    }
    QDeadlineTimer deadline(120000);
    const auto ended = [&] {
      for (auto& p : players) {
        if (!p->Ended()) return false;
      }
      return true;
    };
    while (!ended() && !deadline.hasExpired()) {
      bool acted = false;
      for (auto& p : players) acted = p->Step() || acted;
      QCoreApplication::processEvents(acted ? QEventLoop::AllEvents : QEventLoop::WaitForMoreEvents, 20);
    }
    ASSERT_TRUE(ended());
    ASSERT_EQ(Client().ReadTourRating("Ann").Kon, 1);
  }
  const TourRating ann = Client().ReadTourRating("Ann");
  const TourRating cid = Client().ReadTourRating("Cid");
  const bool annWon = ann.Score >= cid.Score;
  const std::vector<QString> order =
      annWon ? std::vector<QString>{"Ann", "Bob", "Cid", "Dora"} : std::vector<QString>{"Cid", "Dora", "Ann", "Bob"};
  StartWindow();
  bool ran = false;
  window_->Lobby().TopTenShown = [&](TFormTourTop10& top) {
    QTimer::singleShot(0, &top, [&] {
      ran = true;
      EXPECT_EQ(top.Measure(), 0) << "score first";
      EXPECT_FALSE(top.NoConnectShown());
      std::vector<QString> nicks;
      for (const auto& row : top.Rows()) nicks.push_back(row.Nick);
      EXPECT_EQ(nicks, order);
      ASSERT_EQ(top.Rows().size(), 4u);
      EXPECT_EQ(top.Rows()[0].Place, "1");
      EXPECT_EQ(top.Rows()[0].Value, QString::number(annWon ? ann.Score : cid.Score));
      EXPECT_EQ(top.MedalPlace(), annWon ? 1 : 3) << "the own place by score";
      top.Choose(2);  // games
      ASSERT_EQ(top.Rows().size(), 4u);
      for (const auto& row : top.Rows()) EXPECT_EQ(row.Value, "1") << row.Nick.toStdString();
      Shoot(top, "tour_top_ten_en");
      StopServer();
      top.Choose(1);
      EXPECT_TRUE(top.NoConnectShown());
      EXPECT_TRUE(top.Rows().empty());
      EXPECT_EQ(top.MedalPlace(), 0);
      EXPECT_TRUE(top.PlaceText().isEmpty());
      Shoot(top, "tour_top_ten_no_connect_en");
      top.close();
    });
  };
  ASSERT_TRUE(WithLobby([&](TFTour4& lobby) {
    EXPECT_EQ(lobby.PanelValue(4), "1") << "one game played";
    Click(lobby.TopTenButton());
  }));
  EXPECT_TRUE(ran);
  // The choice stays for the next opening.
  window_->Lobby().TopTenShown = [&](TFormTourTop10& top) {
    QTimer::singleShot(0, &top, [&] {
      EXPECT_EQ(top.Measure(), 1);
      top.close();
    });
  };
  ASSERT_TRUE(WithLobby([&](TFTour4& lobby) { Click(lobby.TopTenButton()); }));
}

// Every caption of the lobby and of the top ten fits its box in all ten languages, with a seat
// taken and another player's name on a button.
TEST_F(TourLobbyWindowTest, CaptionsFitInEveryLanguage) {
  ASSERT_TRUE(StartServer(kTables));
  Seat(2, 1, "Bartholomew", "10.0.0.2");
  StartWindow();
  for (int language = 0; language < kLanguageCount; ++language) {
    SCOPED_TRACE("language " + std::to_string(language));
    window_->SetLanguage(language);
    window_->Lobby().TopTenShown = [&](TFormTourTop10& top) {
      QTimer::singleShot(0, &top, [&, language] {
        EXPECT_TRUE(Overflows(top).isEmpty()) << Overflows(top).join("|").toStdString();
        if (language == 1) Shoot(top, "tour_top_ten_ru");
        if (language == 2) Shoot(top, "tour_top_ten_de");
        top.close();
      });
    };
    ASSERT_TRUE(WithLobby([&](TFTour4& w) {
      EXPECT_TRUE(Overflows(w).isEmpty()) << Overflows(w).join("|").toStdString();
      if (language == 1) Shoot(w, "tour_lobby_ru");
      if (language == 2) Shoot(w, "tour_lobby_de");
      Click(w.TopTenButton());
      Click(w.SeatButton(1, 1));
      ASSERT_EQ(w.TourTable(), 1);
      EXPECT_TRUE(Overflows(w).isEmpty()) << Overflows(w).join("|").toStdString();
      if (language == 1) Shoot(w, "tour_lobby_seated_ru");
      if (language == 2) Shoot(w, "tour_lobby_seated_de");
      Click(w.SeatButton(1, 1));
      ASSERT_EQ(w.TourTable(), 0);
    }));
  }
}


// A club that takes the connection and never answers: every poll ends at its deadline, the
// window's events keep running meanwhile, and the timers never start a second poll inside one.
TEST(TourLobbySilentClubTest, PollsEndAtTheirDeadlineWithoutStallingOrPilingUp) {
  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
  std::vector<QTcpSocket*> held;
  int accepted = 0;
  QObject::connect(&silent, &QTcpServer::newConnection, [&] {
    while (QTcpSocket* socket = silent.nextPendingConnection()) {
      held.push_back(socket);
      ++accepted;
    }
  });
  ClubClient client(ClubAddressesFor("http://127.0.0.1:" + std::to_string(silent.serverPort())), 1000);
  PictureRegistry pictures({});
  DialogLook look;
  look.Word = [](WordId w) {
    const std::string_view text = Word(w, 0);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  };
  TourLobbyContext context;
  context.Client = &client;
  context.Account = [] {
    TZanUser user;
    user.Nick = "Ann";
    return user;
  };
  int ticks = 0;
  QTimer beat;
  QObject::connect(&beat, &QTimer::timeout, [&] { ++ticks; });
  beat.start(20);
  TFTour4 lobby(pictures, look, context, nullptr);
  lobby.show();
  EXPECT_GT(ticks, 0) << "the window's events ran while it waited";
  lobby.RefreshTimer().setInterval(10);
  lobby.RefreshTimer().start();
  lobby.WatchTimer().setInterval(10);
  const int before = accepted;
  lobby.RefreshTables();
  // The tables and the server's state: two requests, however often the timers fired meanwhile.
  EXPECT_GE(accepted - before, 1);
  EXPECT_LE(accepted - before, 2) << "a timer started another poll inside the one running";
  EXPECT_EQ(lobby.WelcomeText(), "No Connect");
  EXPECT_EQ(lobby.PanelValue(2), "No Connect");
  EXPECT_EQ(lobby.SeatButton(1, 1).text(), "Server Off");
  EXPECT_FALSE(lobby.ServerOn());
  lobby.RefreshTimer().stop();
  for (QTcpSocket* socket : held) socket->abort();
}

}  // namespace
}  // namespace tavlo::testing
