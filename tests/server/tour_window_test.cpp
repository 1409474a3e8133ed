// The main window at a tournament table of a real tavlo-club, with three players without a window
// at the other places.
#include <QDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ai/computer_player.h"
#include "club_server_fixture.h"
#include "game/seats.h"
#include "media/sound_effects.h"
#include "net/club/headless_tour.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/main_window.h"
#include "ui/table/table_screen.h"
#include "ui/tour/tour_play.h"
#include "ui/widgets/hint_balloon.h"
#include "ui/widgets/zan_button.h"

namespace tavlo::testing {
namespace {

const char* const kNicks[5] = {"", "Ann", "Bob", "Cid", "Dora"};

class RecordedSounds : public SoundEffects {
 public:
  void Play(std::string_view name) override { Played.emplace_back(name); }
  std::vector<std::string> Played;
};

class TourWindowTest : public ClubServerTest {
 protected:
  void SetUp() override {
    ClubServerTest::SetUp();
    ASSERT_TRUE(home_.isValid());
  }
  void TearDown() override {
    if (window) {
      window->AskYesNo = [](const QString&) { return true; };
      window->close();
      window.reset();
    }
    players_.clear();
    ClubServerTest::TearDown();
  }

  bool StartClub(const QStringList& extra = {}) {
    return StartServer(QStringList{"--tour-tables", "--tour-host", "127.0.0.1", "--tour-base-port", "0"} + extra);
  }

  // A main window pointed at the test's club, on the menu, that closes its score sheets as a
  // player would and writes down each deal and every message.
  void StartWindow() {
    qputenv("TAVLO_CLUB", QByteArray::fromStdString(Base()));
    const std::filesystem::path parent = home_.path().toStdString();
    window = std::make_unique<MainWindow>(ProgramPaths{parent, parent / "game"}, 11);
    window->SetShippedLibraries(std::nullopt);
    window->FirstStartFitsScreen = false;
    window->Notice = [this](const QString& a, const QString& b, const QString&) {
      notices << (b.isEmpty() ? a : a + "|" + b);
    };
    window->AskYesNo = [](const QString&) { return true; };
    window->TitledMessage = [this](const QString& title, const QString& text) { messages << title + "|" + text; };
    window->PauseOverride = [](int) {};
    window->ScoreSheetShown = [this](TFormDiscard& sheet) {
      const GameState& s = window->TheGame().State();
      dealLines_.push_back(TourDealLine(s, place_, scoreBefore_));
      scoreBefore_ = s.GameScore;
      QTimer::singleShot(0, &sheet, [&sheet] { sheet.accept(); });
    };
    window->OpenTournamentLobby = [this] { ++lobbyOpened_; };
    window->TournamentGameBegan = [this] { began_ = true; };
    window->SetSoundEffects(&sounds_);
    window->show();
    window->CompleteStart();
    window->CurrentSettings().FlyCardsOn = false;
    window->CurrentSettings().SoundOn = true;
    window->LeaveTitle();
    ASSERT_TRUE(window->MenuShown());
  }

  // Seats the four places of `table` in order; the window takes `windowPlace` as its lobby would.
  void SeatTable(int table, int windowPlace) {
    place_ = windowPlace;
    const TourTables tables = Client().ReadTables();
    ASSERT_TRUE(tables.Ok);
    for (int place = 1; place <= 4; ++place) {
      if (place == windowPlace) {
        const TZanClient own{kNicks[place], 0, 3, 0, "Russia", "Moscow", 'M', "127.0.0.1"};
        ASSERT_EQ(Client().SetSeat(table, place, 1, own), 0);
        window->StartTournamentGame(
            {table, place, "127.0.0.1", static_cast<quint16>(tables.Rows[table].Port), own});
        players_.push_back(nullptr);
        continue;
      }
      players_.push_back(
          std::make_unique<HeadlessTourPlayer>(kNicks[place], place * 3, 70 + static_cast<std::uint64_t>(place)));
      players_.back()->Sex = sexes_[place];
      ASSERT_TRUE(players_.back()->TakeSeat(Client(), table, place)) << kNicks[place];
    }
  }

  HeadlessTourPlayer& Player(int place) { return *players_[static_cast<std::size_t>(place - 1)]; }

  // The window's move, through its own buttons and hands: the start / continue / next deal
  // button when it is enabled, else a card the computer chooses for the player, clicked.
  bool WindowStep() {
    const GameState& s = window->TheGame().State();
    if (!s.GameShown || window->Tour().Link() != TourConnection::Joined) return false;
    TZanCardsButton& start = window->Table().StartButton();
    if (start.isVisible() && start.isEnabled()) {
      QTest::mouseClick(&start, Qt::LeftButton);
      return true;
    }
    for (int seat : {kSouth, kNorth}) {
      if (!window->Flow().PlayerControls(seat)) continue;
      if (!chooser_) chooser_ = std::make_unique<ComputerPlayer>(window->TheGame().Options(), quiet_, 5);
      const int slot = chooser_->ChooseCard(s, seat);
      const std::vector<int>& left = window->Table().CardLeft(seat);
      if (slot < 1 || slot > static_cast<int>(left.size())) return false;
      QTest::mouseClick(&window->Table().Hand(seat), Qt::LeftButton, {},
                        QPoint(left[static_cast<std::size_t>(slot - 1)] + 3, 10));
      return true;
    }
    return false;
  }

  // Runs the table until `done`; the window moves only when `windowMoves`, and `beforeStep` may
  // act on a player first. False when the deadline passed.
  bool Run(const std::function<bool()>& done, bool windowMoves, int limitMs = 120000,
           const std::function<void()>& beforeStep = {}) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
      if (clock.elapsed() > limitMs) return false;
      bool acted = false;
      if (beforeStep) beforeStep();
      for (int place = 1; place <= 4; ++place) {
        if (place != place_ && !left_[place]) acted = Player(place).Step() || acted;
      }
      if (windowMoves) acted = WindowStep() || acted;
      QCoreApplication::processEvents(acted ? QEventLoop::AllEvents : QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
  }

  bool OthersEnded() {
    for (int place = 1; place <= 4; ++place) {
      if (place != place_ && !left_[place] && !Player(place).Ended()) return false;
    }
    return true;
  }

  QString W(WordId w) const { return window->W(w); }

  // Screenshots for review go to TAVLO_SCREENSHOTS when it is set.
  static void Shoot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("TAVLO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(widget.grab().save(folder + "/" + name + ".png"));
  }

  int Count(const std::string& sound) const {
    return static_cast<int>(std::count(sounds_.Played.begin(), sounds_.Played.end(), sound));
  }

  QTemporaryDir home_;
  std::unique_ptr<MainWindow> window;
  QStringList notices;
  QStringList messages;
  std::vector<std::unique_ptr<HeadlessTourPlayer>> players_;
  bool left_[5] = {};
  char sexes_[5] = {'M', 'M', 'M', 'M', 'M'};
  int place_ = 0;
  std::vector<std::string> dealLines_;
  OneBased<std::int32_t, 2> scoreBefore_{};
  int lobbyOpened_ = 0;
  bool began_ = false;
  RecordedSounds sounds_;
  ThinkingView quiet_;
  std::unique_ptr<ComputerPlayer> chooser_;
};

class TourWindowGame : public TourWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(TourWindowGame, TheWindowPlaysAWholeGameAndEndsWithTheScoresVerdict) {
  ASSERT_TRUE(StartClub());
  StartWindow();
  const int table = 4;
  SeatTable(table, GetParam());
  // The others have the 'e' and have scored the last deal themselves.
  const auto othersDone = [&] {
    for (int place = 1; place <= 4; ++place) {
      if (place != place_ && !(Player(place).Ended() && Player(place).Flow().GameOver())) return false;
    }
    return true;
  };
  ASSERT_TRUE(Run([&] { return othersDone() && !messages.isEmpty(); }, true)) << "the table stopped progressing";
  EXPECT_TRUE(began_) << "the lobby was told the game began";

  // Every program saw the same four deals and the same result.
  ASSERT_EQ(dealLines_.size(), 4u);
  const std::int32_t placeOne = window->Tour().OwnResult() * (place_ <= 2 ? 1 : -1);
  for (int place = 1; place <= 4; ++place) {
    if (place == place_) continue;
    EXPECT_TRUE(Player(place).Flow().GameOver()) << kNicks[place];
    EXPECT_EQ(Player(place).LeftPlace(), 0) << kNicks[place];
    EXPECT_EQ(Player(place).DealLines(), dealLines_) << kNicks[place];
    EXPECT_EQ(Player(place).PlaceOneResult(), placeOne) << kNicks[place];
  }
  // The verdict follows the own pair's result.
  const std::int32_t own = window->Tour().OwnResult();
  const WordId verdict = own > 0 ? WordId::YouWon : own < 0 ? WordId::YouLose : WordId::TourDraw;
  ASSERT_EQ(messages.size(), 1) << messages.join("\n").toStdString();
  EXPECT_EQ(messages[0], W(verdict) + "|" + W(WordId::ResultLabel) + (own > 0 ? "+" : "") + QString::number(own));
  EXPECT_EQ(window->Tour().Link(), TourConnection::Finished);
  EXPECT_FALSE(window->Tour().Clock().Running());
  // The plates name whoever sits at each place.
  for (int place = 1; place <= 4; ++place) {
    EXPECT_EQ(window->TheGame().State().SeatNames[TourSeatOfPlace(place, place_)], kNicks[place]) << "place " << place;
  }
  Shoot(*window, QString("tour-end-place%1").arg(place_));

  // The club counted the game for all four.
  for (int place = 1; place <= 4; ++place) {
    const TourRating rating = Client().ReadTourRating(kNicks[place]);
    ASSERT_TRUE(rating.Ok);
    EXPECT_EQ(rating.Kon, 1) << kNicks[place];
    EXPECT_EQ(rating.Score, place <= 2 ? placeOne : -placeOne) << kNicks[place];
  }

  // "Exit to menu" leaves the table for the lobby.
  TZanCardsButton& exit = window->Table().ExitButton();
  ASSERT_TRUE(exit.isEnabled());
  EXPECT_EQ(exit.text(), W(WordId::ExitToMenu));
  EXPECT_FALSE(window->Table().StartButton().isEnabled());
  QTest::mouseClick(&exit, Qt::LeftButton);
  EXPECT_TRUE(window->MenuShown());
  EXPECT_FALSE(window->GameShown());
  EXPECT_EQ(lobbyOpened_, 1);
}

INSTANTIATE_TEST_SUITE_P(Places, TourWindowGame, ::testing::Values(1, 3),
                         [](const ::testing::TestParamInfo<int>& info) { return "Place" + std::to_string(info.param); });

TEST_F(TourWindowTest, APlayerLeavingMidGameGivesTheWindowTheWin) {
  ASSERT_TRUE(StartClub());
  StartWindow();
  SeatTable(2, 1);
  // Place 3 quits in the second trick of the first deal.
  const auto leave = [&] {
    const GameState& s = Player(3).TheGame().State();
    if (!left_[3] && s.GameShown && s.TrickNo == 2) {
      Player(3).Connection().Close();
      left_[3] = true;
    }
  };
  ASSERT_TRUE(Run([&] { return left_[3] && OthersEnded() && !messages.isEmpty(); }, true, 60000, leave));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], W(WordId::YouWon) + "|" + W(WordId::TournamentPlayer) + " Cid " + W(WordId::InterruptedTheGame));
  EXPECT_GE(Count("WWrongs"), 1);
  for (int place : {2, 4}) EXPECT_EQ(Player(place).LeftPlace(), 3) << kNicks[place];
  // Nothing more is played; only "Exit to menu" is left, and the clocks are gone.
  const GameState& s = window->TheGame().State();
  EXPECT_EQ(s.Turn, turn::kDealScored);
  EXPECT_FALSE(window->Table().StartButton().isEnabled());
  EXPECT_TRUE(window->Table().ExitButton().isEnabled());
  EXPECT_FALSE(window->Tour().Clock().Running());
  EXPECT_FALSE(window->Table().Hand(kSouth).isHidden());
  EXPECT_FALSE(WindowStep()) << "no card or button is offered any more";
  QTest::mouseClick(&window->Table().ExitButton(), Qt::LeftButton);
  EXPECT_TRUE(window->MenuShown());
  EXPECT_EQ(lobbyOpened_, 1);
  EXPECT_EQ(Client().ReadTourRating("Ann").Kon, 0) << "an interrupted game is not counted";
}

TEST_F(TourWindowTest, TheTablesClockEndsTheGameOfAWindowThatDoesNotMove) {
  ASSERT_TRUE(StartClub({"--tour-move-seconds", "2"}));
  StartWindow();
  SeatTable(5, 1);
  // Place 1 owes "To Begin" and never presses it.
  ASSERT_TRUE(Run([&] { return OthersEnded() && !messages.isEmpty(); }, false, 30000));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], W(WordId::YouLose) + "|" + W(WordId::YourTimeIsUp));
  for (int place = 2; place <= 4; ++place) EXPECT_EQ(Player(place).LeftPlace(), 1) << kNicks[place];
  EXPECT_EQ(window->Tour().Link(), TourConnection::Finished);
  EXPECT_TRUE(notices.isEmpty()) << "not a lost connection: " << notices.join("\n").toStdString();
  EXPECT_TRUE(window->Table().ExitButton().isEnabled());
}

TEST_F(TourWindowTest, TheOwnClockWarnsRunsOutAndTellsTheOthers) {
  ASSERT_TRUE(StartClub());
  StartWindow();
  SeatTable(6, 2);
  // The others play until the window owes a card; then its clock is driven second by second.
  ASSERT_TRUE(Run(
      [&] {
        const TourMoveClock& clock = window->Tour().Clock();
        return clock.Running() && clock.ClockSeat() == kSouth;
      },
      false, 60000));
  EXPECT_FALSE(window->Table().TurnTimer(kSouth).isHidden()) << "the own clock is drawn";
  Shoot(*window, "tour-clock");
  for (int k = 0; k < 40 && window->Tour().Playing(); ++k) {
    window->Tour().OnSecond();
    if (window->Tour().Clock().MoveClock() == 5) Shoot(*window, "tour-clock-last-seconds");
  }
  EXPECT_FALSE(window->Tour().Playing());
  // 25 down to 8 warn with one sound, 7 down to 1 with the other; the 26th second ends it
  // (the window's own timer may have taken the first seconds).
  EXPECT_EQ(Count("STimerA"), 18);
  EXPECT_EQ(Count("STimerB"), 7);
  EXPECT_GE(Count("WWrongs"), 1);
  QCoreApplication::processEvents();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], W(WordId::YouLose) + "|" + W(WordId::YourTimeIsUp));
  ASSERT_TRUE(Run([&] { return OthersEnded(); }, false, 20000));
  for (int place : {1, 3, 4}) EXPECT_EQ(Player(place).LeftPlace(), 2) << kNicks[place];
  EXPECT_TRUE(window->Table().ExitButton().isEnabled());
}

}  // namespace
}  // namespace tavlo::testing

namespace tavlo::testing {
namespace {

// The pictures of the players kept in the history folder at the first deal, and the plates' hint.
TEST_F(TourWindowTest, TheFirstDealKeepsEveryPlayersPictureAndThePlatesShowIt) {
  ASSERT_TRUE(StartClub());
  CreateUser("Bob");
  const QByteArray jpeg = TestJpeg(200, 250);
  ASSERT_TRUE(Client().UploadPhoto("Bob", "pass1", std::string(jpeg.constData(), static_cast<std::size_t>(jpeg.size()))));
  StartWindow();
  sexes_[3] = 'W';
  SeatTable(7, 1);
  const std::filesystem::path history = window->Files().History;
  const auto file = [&](int place) { return history / (std::string(kNicks[place]) + ".bmp"); };
  const auto allKept = [&] {
    for (int place = 1; place <= 4; ++place) {
      if (!std::filesystem::exists(file(place))) return false;
    }
    return window->Tour().ReadingsRunning() == 0;
  };
  ASSERT_TRUE(Run([&] { return began_ && allKept(); }, true, 60000)) << "the pictures were not kept";

  // The names came with the readings.
  for (int place = 2; place <= 4; ++place) {
    EXPECT_EQ(window->Tour().Names()[TourSeatOfPlace(place, 1)], kNicks[place]);
  }
  const auto load = [](const std::filesystem::path& path) {
    QImage image;
    EXPECT_TRUE(image.load(QString::fromStdString(path.string()), "BMP")) << path;
    return image.convertToFormat(QImage::Format_RGB32);
  };
  const QImage bob = load(file(2));
  ASSERT_EQ(bob.size(), QSize(200, 250)) << "Bob's uploaded photo";
  const QColor middle(bob.pixel(100, 125));
  EXPECT_LT(std::abs(middle.red() - QColor(Qt::darkCyan).red()) + std::abs(middle.green() - QColor(Qt::darkCyan).green()) +
                std::abs(middle.blue() - QColor(Qt::darkCyan).blue()),
            24);
  const QImage male = window->Pictures().Picture("GAcNoM").convertToFormat(QImage::Format_RGB32);
  const QImage female = window->Pictures().Picture("GAcNoF").convertToFormat(QImage::Format_RGB32);
  ASSERT_NE(male, female);
  EXPECT_EQ(load(file(1)), male) << "the own picture, no photo";
  EXPECT_EQ(load(file(3)), female) << "Cid has no photo";
  EXPECT_EQ(load(file(4)), male) << "Dora has no photo and sits as 'M'";

  // Pointing at Bob's plate shows his picture at size 100; leaving hides it.
  QWidget& plate = window->Table().Plate(TourSeatOfPlace(2, 1));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), plate.mapToGlobal(QPointF(5, 5)));
  QCoreApplication::sendEvent(&plate, &enter);
  HintBalloon* shown = nullptr;
  for (HintBalloon* balloon : window->findChildren<HintBalloon*>()) {
    if (balloon->isVisible() && !balloon->Picture().isNull()) shown = balloon;
  }
  ASSERT_NE(shown, nullptr) << "no picture balloon over the plate";
  EXPECT_EQ(shown->Picture().size(), QSize(80, 100));
  const QColor hinted(shown->Picture().pixel(40, 50));
  EXPECT_LT(std::abs(hinted.green() - middle.green()) + std::abs(hinted.blue() - middle.blue()), 24);
  Shoot(*window, "tour_photo_hint");
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&plate, &leave);
  EXPECT_FALSE(shown->isVisible());
  // Cid's plate shows the built-in picture she was given.
  QWidget& cidPlate = window->Table().Plate(TourSeatOfPlace(3, 1));
  QCoreApplication::sendEvent(&cidPlate, &enter);
  ASSERT_TRUE(shown->isVisible());
  EXPECT_EQ(shown->Picture(), female.scaled(100, 100, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  Shoot(*window, "tour_photo_hint_default");
  QCoreApplication::sendEvent(&cidPlate, &leave);

  // Once the table is left, the plates have no pictures to show.
  window->Tour().Close();
  window->TheGame().SetMode(TableMode{});
  QCoreApplication::sendEvent(&plate, &enter);
  EXPECT_FALSE(shown->isVisible());
}

}  // namespace
}  // namespace tavlo::testing
