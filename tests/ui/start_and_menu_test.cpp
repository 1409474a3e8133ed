#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "lang/languages.h"
#include "lang/word_table.h"
#include "settings/settings_file.h"
#include "ui/dialogs/account_window.h"
#include "ui/menu/main_menu.h"
#include "ui/menu/title_screen.h"
#include "ui/widgets/zan_button.h"
#include "ui/widgets/program_cursors.h"
#include "window_fixture.h"

namespace tavlo::testing {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

TEST_F(WindowTest, FirstStartInstallsTheClubsShowsTheTitleAndAnyKeyLeavesIt) {
  StartWindow();
  ASSERT_TRUE(window->Started());
  EXPECT_TRUE(std::filesystem::exists(Paths().ProgramFolder / "Tavlo.clb"));
  EXPECT_TRUE(std::filesystem::exists(Paths().ProgramFolder / "Tavlo.net"));
  EXPECT_TRUE(window->TitleShown());
  EXPECT_FALSE(window->MenuShown());

  // The four cards circle the panels clockwise, one pixel a tick.
  const auto before = window->Title().CardPositions();
  window->Title().Tick();
  const auto after = window->Title().CardPositions();
  EXPECT_EQ(after[0], before[0] + QPoint(1, 0));    // top edge: to the right
  EXPECT_EQ(after[1], before[1] + QPoint(0, 1));    // right edge: down
  EXPECT_EQ(after[3], before[3] - QPoint(1, 0));    // bottom edge: to the left
  EXPECT_EQ(after[2], before[2] - QPoint(0, 1));    // left edge: up

  QTest::keyClick(&window->Title(), Qt::Key_Space);
  EXPECT_FALSE(window->TitleShown());
  EXPECT_TRUE(window->MenuShown());
  EXPECT_TRUE(window->Menu().NewPlayerButton().isVisible());
  EXPECT_TRUE(notices.isEmpty()) << notices.join("\n").toStdString();
}

TEST_F(WindowTest, EveryWindowSizeLaysOutTheMenuInsideTheWindow) {
  StartWindow();
  window->LeaveTitle();
  struct Case {
    int mode, width, height;
    bool clocks;
  };
  for (const Case& c : {Case{1, 760, 500, false}, Case{3, 990, 650, false}, Case{4, 1290, 850, true},
                        Case{5, 1520, 1000, true}, Case{2, 1920, 1200, true}}) {
    SCOPED_TRACE(c.mode);
    window->CurrentSettings().WindowSizeMode = c.mode;
    window->ApplyWindowSize();
    if (c.mode == 2) {
      // Full screen: the frame, not the client, fills the work area, so nothing is off-screen.
      EXPECT_EQ(window->frameGeometry(), window->screen()->availableGeometry());
      const QMargins frame(window->geometry().left() - window->frameGeometry().left(),
                           window->geometry().top() - window->frameGeometry().top(),
                           window->frameGeometry().right() - window->geometry().right(),
                           window->frameGeometry().bottom() - window->geometry().bottom());
      EXPECT_EQ(window->width(), c.width - frame.left() - frame.right());
      EXPECT_EQ(window->height(), c.height - frame.top() - frame.bottom());
    } else {
      EXPECT_EQ(window->width(), c.width);
      EXPECT_EQ(window->height(), c.height);
    }
    EXPECT_EQ(window->Menu().ClocksShown(), c.clocks);
    const QRect client = window->rect();
    std::vector<QWidget*> clickable;
    for (QWidget* w : window->Menu().Controls()) {
      ASSERT_TRUE(w->isVisible());
      EXPECT_TRUE(client.contains(w->geometry())) << w->metaObject()->className() << " at "
                                                  << w->geometry().x() << "," << w->geometry().y();
      if (qobject_cast<TZanCardsButton*>(w) != nullptr || ShowsHand(*w)) {
        clickable.push_back(w);
      }
    }
    // Nothing a player clicks covers anything else a player clicks.
    for (std::size_t i = 0; i < clickable.size(); ++i) {
      for (std::size_t j = i + 1; j < clickable.size(); ++j) {
        EXPECT_FALSE(clickable[i]->geometry().intersects(clickable[j]->geometry()))
            << clickable[i]->geometry().x() << "," << clickable[i]->geometry().y() << " and "
            << clickable[j]->geometry().x() << "," << clickable[j]->geometry().y();
      }
    }
    // Buttons grow with the window: one design height of 30 scaled.
    EXPECT_EQ(window->Menu().ExitButton().height(), window->CurrentLayout().ScaleLen(30));
  }
}

TEST_F(WindowTest, LanguageSwitchRenamesEveryCaptionAtOnce) {
  StartWindow();
  window->LeaveTitle();
  for (int language = 0; language < kLanguageCount; ++language) {
    SCOPED_TRACE(language);
    window->SetLanguage(language);
    EXPECT_EQ(window->windowTitle(), Utf8(Language(language).ProductName));
    MainMenu& menu = window->Menu();
    EXPECT_EQ(menu.NewPlayerButton().text(), Utf8(Word(WordId::NewPlayer, language)));
    EXPECT_EQ(menu.TopTenButton().text(), Utf8(Word(WordId::TopTen, language)));
    EXPECT_EQ(menu.OptionsButton().text(), Utf8(Word(WordId::Options, language)));
    EXPECT_EQ(menu.ExitButton().text(), Utf8(Word(WordId::Exit, language)));
    EXPECT_EQ(menu.HistoryButton().text(), Utf8(Word(WordId::History, language)));
    EXPECT_EQ(menu.ModeButton().text(), Utf8(Word(WordId::Mode, language)));
    EXPECT_EQ(menu.HeaderPanel().text(), Utf8(Word(WordId::ClubHeaderScore, language)));
    QStringList items;
    for (QAction* a : window->ContextMenu().actions()) {
      if (!a->isSeparator()) items << a->text();
    }
    EXPECT_TRUE(items.contains(Utf8(Word(WordId::GeneralScore, language))));
    EXPECT_TRUE(items.contains(Utf8(Word(WordId::Discard, language)) + " (F2)"));
    EXPECT_TRUE(items.contains(Utf8(Word(WordId::Speed, language))));
  }
  // The mode button switches the list header between scores and ratings.
  window->SetLanguage(0);
  window->Menu().ModeButton().click();
  EXPECT_EQ(window->Menu().HeaderPanel().text(), Utf8(Word(WordId::ClubHeaderRating, 0)));
}

TEST_F(WindowTest, ClosingSavesTheSettings) {
  StartWindow();
  window->LeaveTitle();
  window->CurrentSettings().FlySpeed = 2;
  window->CurrentSettings().LanguageIndex = 3;
  window->CurrentSettings().WindowSizeMode = 4;
  window->close();
  window.reset();
  NoServiceConfiguration services;
  const SettingsLoad load = LoadSettings(SettingsPath(Paths()), services);
  EXPECT_EQ(load.Status, SettingsLoadStatus::Complete) << "stopped at line " << load.Line;
  EXPECT_EQ(load.Values.FlySpeed, 2);
  EXPECT_EQ(load.Values.LanguageIndex, 3);
  EXPECT_EQ(load.Values.WindowSizeMode, 4);
}

TEST_F(WindowTest, AMissingOrDamagedClubFileStopsTheStart) {
  StartWindow();  // installs both files
  window->close();
  window.reset();

  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> damage;
    QString message;
  };
  const Case cases[] = {
      {"one changed character",
       [](const std::filesystem::path& folder) {
         QFile f(QString::fromStdString((folder / "Tavlo.clb").string()));
         ASSERT_TRUE(f.open(QIODevice::ReadWrite));
         QByteArray bytes = f.readAll();
         bytes[3] = bytes[3] == 'x' ? 'y' : 'x';
         f.seek(0);
         f.write(bytes);
       },
       "The incorrect file"},
      {"missing network club", [](const std::filesystem::path& folder) { std::filesystem::remove(folder / "Tavlo.net"); },
       "Can`t find the file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A fresh installation each time, then the damage.
    std::filesystem::remove_all(Paths().ProgramFolder);
    StartWindow();
    window.reset();
    c.damage(Paths().ProgramFolder);
    notices.clear();
    StartWindow();
    EXPECT_FALSE(window->Started());
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith(c.message)) << notices[0].toStdString();
    window.reset();
  }
}

TEST_F(WindowTest, MenuIconsWithoutTheirServicesSaySo) {
  StartWindow();
  window->LeaveTitle();
  struct Case {
    MenuIcon icon;
    WordId message;
  };
  for (const Case& c : {Case{MenuIcon::WorldTopTen, WordId::WorldTopTenUnavailable},
                        Case{MenuIcon::Tournament, WordId::LogInToAccount},
                        Case{MenuIcon::Statistics, WordId::CouldNotConnect}}) {
    notices.clear();
    emit window->Menu().IconClicked(c.icon);
    ASSERT_EQ(notices.size(), 1) << static_cast<int>(c.icon);
    EXPECT_TRUE(notices[0].startsWith(Utf8(Word(c.message, 0))));
  }

  // The account window opens without a club too; what it could not read says "No Connect".
  bool opened = false;
  window->Account().WindowShown = [&opened](TFAcc1& w) {
    QTimer::singleShot(0, &w, [&w, &opened] {
      opened = true;
      EXPECT_EQ(w.TopTenCell(1, 1), Utf8(Word(WordId::NoConnect, 0)));
      EXPECT_EQ(w.MembersLabel().text(), "");
      w.accept();
    });
  };
  notices.clear();
  emit window->Menu().IconClicked(MenuIcon::Account);
  EXPECT_TRUE(opened);
  EXPECT_TRUE(notices.isEmpty());
  EXPECT_EQ(window->Account().Session().AccountState(), 1);
}

TEST_F(WindowTest, ASecondCopyOnTheSameFilesStopsAndWritesNothing) {
  StartWindow();
  ASSERT_TRUE(window->Started());
  window->LeaveTitle();
  // A crash during an earlier save left a temporary file; the first copy removed it at its start.
  const std::filesystem::path leftover = Paths().ProgramFolder / ".Tavlo.clb.q1W2e3";
  std::ofstream(leftover) << "half a file";

  auto second = std::make_unique<MainWindow>(Paths(), 12);
  QStringList secondNotices;
  second->Notice = [&secondNotices](const QString& a, const QString& b, const QString& c) {
    secondNotices << (QStringList{a, b, c}.join("|"));
  };
  bool failed = false;
  QObject::connect(second.get(), &MainWindow::StartFailed, [&failed] { failed = true; });
  second->show();
  second->CompleteStart();
  EXPECT_TRUE(failed);
  EXPECT_FALSE(second->Started());
  ASSERT_EQ(secondNotices.size(), 1);
  EXPECT_TRUE(secondNotices[0].startsWith(Utf8(Word(WordId::AlreadyRunning, 0)))) << secondNotices[0].toStdString();
  // The refused copy neither cleans up nor saves: the running copy owns the folder.
  EXPECT_TRUE(std::filesystem::exists(leftover));
  const auto settingsBytes = [this] {
    std::ifstream in(SettingsPath(Paths()), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return in ? bytes.str() : std::string("(none)");
  };
  const std::string before = settingsBytes();
  second->CurrentSettings().FlySpeed = 1;
  second->close();
  second.reset();
  EXPECT_EQ(settingsBytes(), before);

  // Once the first copy ends, the next start is allowed and clears what a crash left.
  window->close();
  window.reset();
  StartWindow();
  EXPECT_TRUE(window->Started());
  EXPECT_FALSE(std::filesystem::exists(leftover));
}

}  // namespace
}  // namespace tavlo::testing
