// The account window and rated games through the real main window, against a real club.
#include "ui/dialogs/account_window.h"

#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "club_server_fixture.h"
#include "net/club/account_rating.h"
#include "net/club/user_file.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/profile_editor.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/game_steps.h"
#include "ui/main_window.h"
#include "ui/menu/main_menu.h"
#include "ui/table/picture_box.h"
#include "ui/table/table_screen.h"
#include "ui/widgets/zan_button.h"

namespace tavlo::testing {
namespace {

class AccountWindowTest : public ClubServerTest {
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
    ClubServerTest::TearDown();
  }

  // A main window pointed at the test's club, started and on the menu.
  void StartWindow() {
    if (window) {
      window->AskYesNo = [](const QString&) { return true; };
      window->close();
      window.reset();
    }
    qputenv("TAVLO_CLUB", QByteArray::fromStdString(Base()));
    const std::filesystem::path parent = home_.path().toStdString();
    window = std::make_unique<MainWindow>(ProgramPaths{parent, parent / "game"}, 7);
    window->SetShippedLibraries(std::nullopt);
    window->Notice = [this](const QString& a, const QString& b, const QString&) {
      notices << (b.isEmpty() ? a : a + "|" + b);
    };
    window->AskYesNo = [this](const QString& question) {
      questions << question;
      return answer;
    };
    window->show();
    window->CompleteStart();
    window->CurrentSettings().FlyCardsOn = false;
    window->LeaveTitle();
    ASSERT_TRUE(window->MenuShown());
  }

  // Opens the account window from the menu's lamp and runs `steps` in it; the window is closed with
  // its Ok button afterwards unless the steps closed it.
  void WithAccountWindow(const std::function<void(TFAcc1&)>& steps, bool fromClubList = false) {
    bool ran = false;
    window->Account().WindowShown = [&](TFAcc1& w) {
      QTimer::singleShot(0, &w, [&] {
        steps(w);
        ran = true;
        if (w.isVisible()) QTest::mouseClick(&w.OkButton(), Qt::LeftButton);
      });
    };
    if (fromClubList) {
      QTest::mouseClick(&window->Menu().ClubRow(5), Qt::LeftButton);
    } else {
      QTest::mouseClick(&window->Menu().AccountIcon(), Qt::LeftButton);
    }
    window->Account().WindowShown = nullptr;
    EXPECT_TRUE(ran) << "the account window did not open";
  }

  // Key presses of each character, also those no key of a Latin keyboard gives.
  static void Keys(QWidget& box, const QString& text) {
    for (const QChar c : text) {
      if (c.unicode() < 0x80) {
        QTest::keyClick(&box, c.toLatin1());
      } else {
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
  }
  static void Type(QLineEdit& box, const QString& text) {
    box.clear();
    Keys(box, text);
  }
  static void Click(QAbstractButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }
  // A check box answers clicks on its mark and caption.
  static void Click(QCheckBox& box) { QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2)); }

  QString W(WordId w) const { return window->W(w); }
  AccountSession& Session() { return window->Account().Session(); }

  // Screenshots for review go to TAVLO_SCREENSHOTS when it is set.
  static void Shoot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("TAVLO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(widget.grab().save(folder + "/" + name + ".png"));
  }

  QTemporaryDir home_;
  std::unique_ptr<MainWindow> window;
  QStringList notices;
  QStringList questions;
  bool answer = true;
};

TEST_F(AccountWindowTest, CreateSignOutSignInAndTheUserFile) {
  CreateUser("Bob");
  StartWindow();
  EXPECT_EQ(Session().AccountState(), 1);

  WithAccountWindow([&](TFAcc1& w) {
    EXPECT_EQ(w.MembersLabel().text(), W(WordId::ClubMembers) + "1");
    EXPECT_FALSE(w.CreateButton().isEnabled());
    EXPECT_FALSE(w.RatedPlay().isEnabled()) << "not from the lamp";
    EXPECT_TRUE(w.HidePassword().isChecked());
    EXPECT_EQ(w.PasswordBox().echoMode(), QLineEdit::Password);

    // Typing: characters the rules refuse never enter the boxes.
    Keys(w.NickBox(), "B o$b");
    EXPECT_EQ(w.NickBox().text(), "Bob");
    Keys(w.CityBox(), "Мо");
    EXPECT_EQ(w.CityBox().text(), "Мо") << "a city may hold Cyrillic letters";
    Keys(w.PasswordBox(), "paЖss1");
    EXPECT_EQ(w.PasswordBox().text(), "pass1");
    Keys(w.EMailBox(), "b@");
    EXPECT_EQ(w.Judgements(), (std::array<int, 4>{3, 2, 3, 1}));
    EXPECT_FALSE(w.CreateButton().isEnabled()) << "the e-mail ends with its '@'";
    Keys(w.EMailBox(), "c");
    EXPECT_EQ(w.Judgements()[3], 3);
    EXPECT_TRUE(w.CreateButton().isEnabled());
    EXPECT_TRUE(w.LoginButton().isEnabled());

    // The nick is taken: the account stays signed out.
    Click(w.CreateButton());
    EXPECT_EQ(notices.back(), W(WordId::NickTaken));
    EXPECT_EQ(Session().AccountState(), 1);
    EXPECT_EQ(w.RegistrationBox().text(), "00.00.0000");

    Type(w.NickBox(), "Ann");
    w.RegionChoice().setCurrentIndex(1);
    emit w.RegionChoice().activated(1);
    w.CountryChoice().setCurrentIndex(10);
    emit w.CountryChoice().activated(10);
    EXPECT_EQ(w.CountryBox().text(), "China");
    emit w.SexChoice().activated(1);
    Click(w.CreateButton());
    EXPECT_EQ(notices.back(), W(WordId::AccountCreated));
    EXPECT_EQ(Session().AccountState(), 2);
    EXPECT_FALSE(w.NickBox().isEnabled());
    EXPECT_EQ(w.LoginButton().text(), W(WordId::SignOut));
    EXPECT_EQ(w.RegistrationBox().text(), QDate::currentDate().toString("dd.MM.yyyy"));
    EXPECT_EQ(w.MembersLabel().text(), W(WordId::ClubMembers) + "2");
  });
  TZanUser ann;
  ann.Nick = "Ann";
  ann.Pw = "pass1";
  ASSERT_TRUE(Client().ReadAccount(ann));
  EXPECT_EQ(ann.Country2, "2-010");
  EXPECT_EQ(ann.Country1, "China");
  EXPECT_EQ(ann.Sex, 'W');
  EXPECT_EQ(ann.City, "Мо");
  EXPECT_EQ(window->Menu().ClubRow(5).text().left(3), "Ann") << "the fifth row is the account's";
  Shoot(*window, "menu-signed-in");

  // Save the user file, sign out (the file stays), then a wrong password and the right one.
  WithAccountWindow([&](TFAcc1& w) {
    ASSERT_TRUE(w.SaveButton().isEnabled());
    Click(w.SaveButton());
    EXPECT_FALSE(w.SaveButton().isEnabled());
    EXPECT_TRUE(w.DeleteButton().isEnabled());
    Click(w.LoginButton());
    EXPECT_EQ(Session().AccountState(), 1);
    EXPECT_TRUE(w.NickBox().isEnabled());
    Type(w.PasswordBox(), "wrong1");
    Click(w.LoginButton());
    EXPECT_EQ(notices.back(), W(WordId::LoginFailed));
    EXPECT_EQ(Session().AccountState(), 1);
    Type(w.PasswordBox(), "pass1");
    Click(w.LoginButton());
    EXPECT_EQ(Session().AccountState(), 2);
    EXPECT_EQ(w.ResultValue(1), "Ann");
    EXPECT_EQ(w.ResultValue(2), "0,000");
  });
  struct stat info {};
  ASSERT_EQ(::stat(Session().UserFile().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  // A new start signs in from the file.
  StartWindow();
  EXPECT_EQ(Session().AccountState(), 2);
  EXPECT_EQ(Session().User().Nick, "Ann");
  EXPECT_EQ(window->Menu().ClubRow(5).text().left(3), "Ann");

  WithAccountWindow([&](TFAcc1& w) {
    EXPECT_FALSE(w.SaveButton().isEnabled());
    ASSERT_TRUE(w.DeleteButton().isEnabled());
    Click(w.DeleteButton());
    EXPECT_TRUE(w.SaveButton().isEnabled());
  });
  EXPECT_FALSE(std::filesystem::exists(Session().UserFile()));
  StartWindow();
  EXPECT_EQ(Session().AccountState(), 1);
}

// Plays the running series to its end through the flow's entry points, with the score sheets closed.
void PlayRatedGame(MainWindow& window, int* sheets) {
  window.ScoreSheetShown = [sheets](TFormDiscard& sheet) {
    ++*sheets;
    QTimer::singleShot(0, &sheet, &QDialog::accept);
  };
  const GameState& s = window.TheGame().State();
  for (int step = 0; step < 20000 && window.GameShown(); ++step) {
    if (s.Turn == turn::kDealScored && window.Table().ExitButton().isEnabled()) {
      QTest::mouseClick(&window.Table().ExitButton(), Qt::LeftButton);
      break;
    }
    PlayOneStep(window);
  }
}

TEST_F(AccountWindowTest, ARatedGameOfFourDealsIsPledgedAndSettled) {
  CreateUser("Ann");
  {
    TZanGame before;  // the ninth game of a cycle was the last
    before.Kon = 32;
    before.Rating = 1.5;
    before.KonL = 32;
    before.Score = 70;
    before.Best = 40;
    ASSERT_TRUE(Client().SaveGameRecord("Ann", "pass1", before));
  }
  const TZanGame before = *Client().ReadGameRecord("Ann", "pass1");
  ASSERT_TRUE(SaveUserFile(UserFilePath(home_.path().toStdString()), {"Ann", ScramblePassword("pass1")}));
  StartWindow();
  ASSERT_EQ(Session().AccountState(), 2);

  WithAccountWindow(
      [&](TFAcc1& w) {
        ASSERT_TRUE(w.RatedPlay().isEnabled());
        Click(w.RatedPlay());
        EXPECT_EQ(Session().AccountState(), 3);
        EXPECT_EQ(w.ResultValue(4), "32");
        Shoot(w, "account-tab1-rated");
      },
      true);
  ASSERT_TRUE(window->GameShown()) << notices.join("; ").toStdString();
  const TZanGame pledged = *Client().ReadGameRecord("Ann", "pass1");
  EXPECT_EQ(pledged, PledgedGameRecord(before));
  const GameState& s = window->TheGame().State();
  EXPECT_EQ(s.KonNo, 33) << "the first deal continues the account's deals";
  EXPECT_EQ(s.StartScore, 70);
  EXPECT_EQ(window->Menu().AccountIconPicture().isNull(), false);

  int sheets = 0;
  PlayRatedGame(*window, &sheets);
  EXPECT_EQ(sheets, 4);
  ASSERT_TRUE(window->MenuShown());
  EXPECT_EQ(s.KonNo, 36);
  const TZanGame settled = *Client().ReadGameRecord("Ann", "pass1");
  EXPECT_EQ(settled, SettledGameRecord(pledged, 32, s.SeriesResult, 70 + s.SeriesResult));
  EXPECT_EQ(settled.KonL, 36);
  EXPECT_NEAR(settled.Rating, AccountRating(SummedResult(before) + s.SeriesResult, 36), 1e-6);
  EXPECT_EQ(Session().AccountState(), 2) << "the end of the series ends rated play";
  EXPECT_FALSE(Session().RatedGameOpen());
  EXPECT_TRUE(notices.empty()) << notices.join("; ").toStdString();
}

TEST_F(AccountWindowTest, ARatedGameLeftWithQuitStaysPledged) {
  CreateUser("Ann");
  ASSERT_TRUE(SaveUserFile(UserFilePath(home_.path().toStdString()), {"Ann", ScramblePassword("pass1")}));
  StartWindow();
  WithAccountWindow([&](TFAcc1& w) { Click(w.RatedPlay()); }, true);
  ASSERT_TRUE(window->GameShown());
  PlayOneStep(*window);
  window->ContextMenu().actions()[1]->trigger();  // "Exit to menu" during the game
  EXPECT_TRUE(window->MenuShown());
  EXPECT_EQ(Session().AccountState(), 2);
  const auto stored = Client().ReadGameRecord("Ann", "pass1");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->Kon, 4);
  EXPECT_NEAR(stored->Rating, -24.9, 1e-9);

  // From the lamp, the open rated game keeps the account's controls locked.
  WithAccountWindow([&](TFAcc1& w) {
    EXPECT_FALSE(w.LoginButton().isEnabled());
    EXPECT_FALSE(w.RatedPlay().isEnabled());
  });
}

TEST_F(AccountWindowTest, TheClubStoppingBeforeTheSettlementKeepsThePledge) {
  CreateUser("Ann");
  ASSERT_TRUE(SaveUserFile(UserFilePath(home_.path().toStdString()), {"Ann", ScramblePassword("pass1")}));
  StartWindow();
  WithAccountWindow([&](TFAcc1& w) { Click(w.RatedPlay()); }, true);
  ASSERT_TRUE(window->GameShown());
  window->ScoreSheetShown = [](TFormDiscard& sheet) { QTimer::singleShot(0, &sheet, &QDialog::accept); };
  const GameState& s = window->TheGame().State();
  for (int step = 0; step < 20000 && !(s.Turn == turn::kDealScored && window->Table().ExitButton().isEnabled());
       ++step) {
    PlayOneStep(*window);
  }
  ASSERT_TRUE(window->Table().ExitButton().isEnabled());
  StopServer();
  answer = true;
  int asked = 0;
  window->AskYesNo = [&](const QString& q) {
    questions << q;
    return ++asked < 2;  // once more, then give up
  };
  QTest::mouseClick(&window->Table().ExitButton(), Qt::LeftButton);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(questions.back(), W(WordId::CouldNotConnect) + "\n\r" + W(WordId::Repeat));
  EXPECT_TRUE(window->MenuShown());
  EXPECT_EQ(Session().AccountState(), 2);
  EXPECT_FALSE(Session().RatedGameOpen());

  // The club kept the pledged game: the unfinished settlement counts as a game lost by the pledge.
  int port = 0;
  const auto again = LaunchServer({}, &port);
  ASSERT_TRUE(again);
  ClubClient club(ClubAddressesFor("http://127.0.0.1:" + std::to_string(port)));
  const auto stored = club.ReadGameRecord("Ann", "pass1");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->Kon, 4);
  EXPECT_NEAR(stored->Rating, -24.9, 1e-9);
  Stop(*again);
}

TEST_F(AccountWindowTest, RegisteringWithoutTheClubSignsOut) {
  CreateUser("Ann");
  ASSERT_TRUE(SaveUserFile(UserFilePath(home_.path().toStdString()), {"Ann", ScramblePassword("pass1")}));
  StartWindow();
  WithAccountWindow(
      [&](TFAcc1& w) {
        Click(w.RatedPlay());
        StopServer();
      },
      true);
  EXPECT_FALSE(window->GameShown());
  EXPECT_EQ(notices.back(), W(WordId::CouldNotConnect));
  EXPECT_EQ(Session().AccountState(), 1);
  EXPECT_TRUE(std::filesystem::exists(Session().UserFile()));
}

TEST_F(AccountWindowTest, TransfersProfileAndEveryTab) {
  CreateUser("Bob");
  CreateUser("Ann");
  ASSERT_EQ(Operator({"--credit", "Ann", "30"}), 0);
  ASSERT_TRUE(SaveUserFile(UserFilePath(home_.path().toStdString()), {"Ann", ScramblePassword("pass1")}));
  TZanGame leader;
  leader.Kon = 4;
  leader.Rating = 9.25;
  ASSERT_TRUE(Client().SaveGameRecord("Bob", "pass1", leader));
  TInfo14 bobInfo;
  bobInfo.Name1 = "Robert";
  bobInfo.Telephone = "+7 123";
  bobInfo.WebSite = "http://bob.example";
  ASSERT_TRUE(Client().SaveProfile("Bob", "pass1", bobInfo));
  const QByteArray jpeg = TestJpeg(200, 250);
  ASSERT_TRUE(
      Client().UploadPhoto("Bob", "pass1", std::string(jpeg.constData(), static_cast<std::size_t>(jpeg.size()))));
  StartWindow();

  WithAccountWindow([&](TFAcc1& w) {
    // Zans: the balance, the refusals and a transfer.
    w.Tabs().setCurrentIndex(3);
    EXPECT_EQ(w.BalanceLabel().text(), "30");
    EXPECT_EQ(w.AmountBox().maximum(), 30);
    EXPECT_EQ(w.RecipientBox().text(), "User");
    w.AmountBox().setValue(10);
    Type(w.RecipientBox(), "Ann");
    EXPECT_FALSE(w.TransferButton().isEnabled()) << "not to the own nick";
    Type(w.RecipientBox(), "Nobody");
    ASSERT_TRUE(w.TransferButton().isEnabled());
    Click(w.TransferButton());
    EXPECT_EQ(notices.back(), W(WordId::NoSuchMember));
    Type(w.RecipientBox(), "Bob");
    answer = false;
    Click(w.TransferButton());
    EXPECT_EQ(questions.back(), W(WordId::ConfirmTransfer) + " \"Bob\" 10 " + W(WordId::Zans) + "?");
    EXPECT_EQ(w.BalanceLabel().text(), "30");
    answer = true;
    Click(w.TransferButton());
    EXPECT_EQ(notices.back(), W(WordId::TransferSuccessful));
    EXPECT_EQ(w.BalanceLabel().text(), "20");
    EXPECT_EQ(w.AmountBox().maximum(), 20);
    Shoot(w, "account-tab4-zans");

    // The top ten and the leader.
    w.Tabs().setCurrentIndex(2);
    EXPECT_EQ(w.TopTenCell(1, 1), "Bob");
    EXPECT_EQ(w.TopTenCell(1, 5), "9,250");
    EXPECT_EQ(w.TopTenCell(2, 1), "") << "Ann has played no rated game";
    Shoot(w, "account-tab3-top10");
    w.Tabs().setCurrentIndex(5);
    EXPECT_EQ(w.PresidentTitle().text(), W(WordId::PresidentOfOrder) + " \"Tavlo\"");
    EXPECT_EQ(w.PresidentValue(1), "+7 123");
    QTest::mouseClick(&w.PresidentPage(), Qt::LeftButton, {}, QPoint(300, 40 + 31 + 10));
    EXPECT_EQ(notices.back(), W(WordId::CopiedToClipboard));
    QString opened;
    w.OpenAddress = [&](const QString& a) { opened = a; };
    QTest::mouseClick(&w.PresidentPage(), Qt::LeftButton, {}, QPoint(300, 40 + 3 * 31 + 10));
    EXPECT_EQ(opened, "http://bob.example");
    Shoot(w, "account-tab6-president");

    w.Tabs().setCurrentIndex(1);
    Shoot(w, "account-tab2-results");
    w.Tabs().setCurrentIndex(0);
    Shoot(w, "account-tab1");

    // The profile editor: all fourteen fields, '$' and '~' become blanks.
    w.Tabs().setCurrentIndex(4);
    w.ProfileEditorShown = [&](TFAcc2& editor) {
      QTimer::singleShot(0, &editor, [&] {
        EXPECT_FALSE(editor.UpdateButton().isEnabled());
        EXPECT_FALSE(editor.PhotoButton().isEnabled());
        for (int k = 0; k < 14; ++k) Type(editor.Box(k), QString("v%1$x~y").arg(k));
        EXPECT_TRUE(editor.UpdateButton().isEnabled());
        Click(editor.UpdateButton());
        EXPECT_FALSE(editor.UpdateButton().isEnabled());
        EXPECT_EQ(editor.Box(13).text(), "v13 x y");

        // A picture of the wrong size is refused; a 200 x 250 JPEG goes up.
        QTemporaryDir pictures;
        const QString small = pictures.filePath("small.jpg");
        const QString good = pictures.filePath("good.jpg");
        {
          QFile f(small);
          ASSERT_TRUE(f.open(QIODevice::WriteOnly));
          f.write(TestJpeg(100, 125));
        }
        {
          QFile f(good);
          ASSERT_TRUE(f.open(QIODevice::WriteOnly));
          f.write(TestJpeg(200, 250));
        }
        editor.ChoosePhotoFile = [&] { return small; };
        editor.ChoosePhoto();
        EXPECT_EQ(notices.back(), W(WordId::PhotoFormat));
        EXPECT_FALSE(editor.PhotoButton().isEnabled());
        editor.ChoosePhotoFile = [&] { return good; };
        editor.ChoosePhoto();
        ASSERT_TRUE(editor.PhotoButton().isEnabled());
        Shoot(editor, "profile-editor");
        Click(editor.PhotoButton());
        EXPECT_FALSE(editor.PhotoButton().isEnabled());
        Click(editor.CloseButton());
      });
    };
    Click(w.ProfileButton());
    EXPECT_EQ(w.ProfileValue(0), "v0 x y");
    EXPECT_EQ(w.ProfileValue(6), "v6 x y");
    Shoot(w, "account-tab5-about");
  });
  const auto profile = Client().ReadProfile("Ann");
  ASSERT_TRUE(profile);
  const std::array<QString, 14> back = TFAcc2::ValuesOf(*profile);
  for (int k = 0; k < 14; ++k) EXPECT_EQ(back[static_cast<std::size_t>(k)], QString("v%1 x y").arg(k)) << k;
  EXPECT_EQ(Client().ReadBalance("Bob"), 10);
  EXPECT_TRUE(Client().FetchPhoto("Ann").has_value());
}

TEST_F(AccountWindowTest, RefillCopiesTheCommentAndOpensTheClubsPaymentPage) {
  ASSERT_TRUE(StartServer({"--payment-page", "https://pay.example/zans?sum="}));
  CreateUser("Ann");
  ASSERT_TRUE(SaveUserFile(UserFilePath(home_.path().toStdString()), {"Ann", ScramblePassword("pass1")}));
  // The club's configuration is read with the settings file, which the first start writes.
  StartWindow();
  StartWindow();
  QString clipboard, page;
  Session().OpenPayment = [&](const QString& c, const QString& p) {
    clipboard = c;
    page = p;
  };
  WithAccountWindow([&](TFAcc1& w) {
    w.Tabs().setCurrentIndex(3);
    ASSERT_TRUE(w.AddZansButton().isEnabled());
    Click(w.AddZansButton());
  });
  EXPECT_EQ(clipboard, "Ann#Refill");
  EXPECT_EQ(page, "https://pay.example/zans?sum=100");
  EXPECT_EQ(notices.back(), W(WordId::PaymentCommentHint) + "|" + W(WordId::ZansCreditedNote));
  EXPECT_EQ(Operator({"--credit", "Ann", "100"}), 0) << "the operator credits the payment";
  WithAccountWindow([&](TFAcc1& w) {
    w.Tabs().setCurrentIndex(3);
    Click(w.ZansRefresh());
    EXPECT_EQ(w.BalanceLabel().text(), "100");
  });
}

// The menu's "?" icon opens the help page the club names in the system browser; F1 keeps the
// program's own document, and so does the icon of a club that names no page.
TEST_F(AccountWindowTest, HelpIconOpensTheClubsHelpPage) {
  for (const QString& page : {QString("https://help.example/tavlo/"), QString()}) {
    SCOPED_TRACE(page.toStdString());
    StopServer();
    ASSERT_TRUE(StartServer(page.isEmpty() ? QStringList{} : QStringList{"--help-page", page}));
    StartWindow();
    StartWindow();
    QStringList opened;
    int shown = 0;
    window->OpenHelpPage = [&](const QString& url) { opened << url; };
    window->HelpShown = [&](THelpWindow& help) {
      ++shown;
      QTimer::singleShot(0, &help, &QDialog::accept);
    };
    emit window->Menu().IconClicked(MenuIcon::Help);
    EXPECT_EQ(opened, page.isEmpty() ? QStringList{} : QStringList{page});
    EXPECT_EQ(shown, page.isEmpty() ? 1 : 0);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(shown, page.isEmpty() ? 2 : 1);
  }
}

TEST_F(AccountWindowTest, AStoppedClubShowsNoConnect) {
  CreateUser("Ann");
  ASSERT_TRUE(SaveUserFile(UserFilePath(home_.path().toStdString()), {"Ann", ScramblePassword("pass1")}));
  StartWindow();
  ASSERT_EQ(Session().AccountState(), 2);
  StopServer();
  WithAccountWindow([&](TFAcc1& w) {
    EXPECT_EQ(Session().AccountState(), 2) << "the program keeps its state";
    EXPECT_EQ(w.ResultValue(0), "Tavlo");
    for (int row = 1; row <= 8; ++row) EXPECT_EQ(w.ResultValue(row), W(WordId::NoConnect)) << row;
    EXPECT_EQ(w.TopTenCell(1, 1), W(WordId::NoConnect));
    EXPECT_EQ(w.TopTenCell(10, 1), W(WordId::NoConnect));
    EXPECT_EQ(w.MembersLabel().text(), "");
    Click(w.ResultsRefresh());
    EXPECT_EQ(w.ResultValue(8), W(WordId::NoConnect));
    Shoot(w, "account-no-connect");
  });
}

// In every language: the country lists speak Russian only in the Russian interface (the record keeps
// the English short name), every country shows its flag and fits the choice, and the profile rows
// carry their icons with captions that fit.
TEST_F(AccountWindowTest, CountryListsAndProfileRowsInEveryLanguage) {
  StartWindow();
  for (int language = 0; language < 10; ++language) {
    window->CurrentSettings().LanguageIndex = language;
    WithAccountWindow([&](TFAcc1& w) {
      const bool russian = language == 1;
      QComboBox& countries = w.CountryChoice();
      EXPECT_EQ(countries.itemText(1), russian ? QString("Россия") : QString("Russia")) << language;
      EXPECT_EQ(countries.itemText(25), russian ? QString("Джерси") : QString("Jersey")) << language;
      for (int region = 0; region < 6; ++region) {
        w.RegionChoice().setCurrentIndex(region);
        emit w.RegionChoice().activated(region);
        for (int k = 1; k < countries.count(); ++k) {
          EXPECT_FALSE(countries.itemIcon(k).isNull()) << region + 1 << "-" << k;
          const int need = countries.fontMetrics().horizontalAdvance(countries.itemText(k)) + 14 + 36;
          EXPECT_LE(need, countries.width()) << countries.itemText(k).toStdString() << " in language " << language;
        }
      }
      if (russian) {
        w.RegionChoice().setCurrentIndex(0);
        emit w.RegionChoice().activated(0);
        countries.setCurrentIndex(23);
        emit countries.activated(23);
        EXPECT_EQ(w.CountryBox().text(), "Isle_of_Man");
        EXPECT_EQ(Session().User().Country1, "Isle_of_Man");
        EXPECT_EQ(Session().User().Country2, "1-023");
      }
      w.Tabs().setCurrentIndex(4);
      for (int k = 0; k < 14; ++k) {
        const auto* icon = w.findChild<QLabel*>(QString("ProfileIcon%1").arg(k));
        ASSERT_NE(icon, nullptr) << k;
        EXPECT_FALSE(icon->pixmap().isNull()) << k;
        const auto* caption = w.findChild<QLabel*>(QString("ProfileCaption%1").arg(k));
        ASSERT_NE(caption, nullptr) << k;
        EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), caption->width())
            << caption->text().toStdString() << " in language " << language;
      }
      if (language == 1) Shoot(w, "account-about-russian");
      w.Tabs().setCurrentIndex(0);
      if (language == 1) Shoot(w, "account-russian");
    });
  }
}

// A question or notice raised while the account window is open stands over the account window
// (made for the main window, a window manager may stack it under the modal window, unseen and
// unanswerable); with no window open it belongs to the main window.
TEST_F(AccountWindowTest, QuestionsAndNoticesStandOverTheOpenAccountWindow) {
  StartWindow();
  EXPECT_EQ(window->NoticeParent(), window.get());
  WithAccountWindow([&](TFAcc1& w) {
    EXPECT_EQ(window->NoticeParent(), &w);
    QWidget* questionParent = nullptr;
    QTimer::singleShot(0, &w, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      questionParent = box->parentWidget();
      box->reject();
    });
    EXPECT_FALSE(window->AskInLanguage("Repeat?"));
    EXPECT_EQ(questionParent, &w);
  });
  EXPECT_EQ(window->NoticeParent(), window.get());
}

// Every dialog design: the tabs stand below the header and everything lies inside the window.
TEST_F(AccountWindowTest, TheWindowFitsEveryDialogDesign) {
  StartWindow();
  for (int design = 0; design <= 3; ++design) {
    window->CurrentSettings().DialogDesign = design;
    WithAccountWindow([&](TFAcc1& w) {
      const QRect inside = w.rect();
      EXPECT_TRUE(inside.contains(w.Tabs().geometry())) << design;
      EXPECT_TRUE(inside.contains(w.OkButton().geometry())) << design;
      EXPECT_LE(w.Tabs().geometry().bottom(), w.OkButton().geometry().top()) << design;
      if (!w.CardStyle()) {
        EXPECT_GT(w.Tabs().geometry().top(), w.RedLine().bottom()) << design;
      }
      Shoot(w, QString("account-design%1").arg(design));
    });
  }
}

}  // namespace
}  // namespace tavlo::testing
