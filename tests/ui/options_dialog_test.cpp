#include "ui/dialogs/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <fstream>

#include "lang/word_table.h"
#include "pictures/test_bundle.h"
#include "records/club_file.h"
#include "records/member_line.h"
#include "records/password.h"
#include "ui/menu/main_menu.h"
#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"
#include "window_fixture.h"

namespace tavlo::testing {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

class OptionsTest : public WindowTest {
 protected:
  void Open(const std::function<void(TFormOptions&)>& act) {
    bool opened = false;
    OnNextModal([&act, &opened](QWidget* modal) {
      auto* dialog = qobject_cast<TFormOptions*>(modal);
      ASSERT_NE(dialog, nullptr);
      opened = true;
      act(*dialog);
      if (dialog->isVisible()) QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(&window->Menu().OptionsButton(), Qt::LeftButton);
    EXPECT_TRUE(opened);
  }
};

TEST_F(OptionsTest, TheRuleVariantsAreWrittenAtOnceKeptOnEscapeAndPlayedInTheNextGame) {
  StartWindow();
  window->LeaveTitle();
  Settings& s = window->CurrentSettings();
  Open([&s](TFormOptions& o) {
    EXPECT_EQ(o.IgnoreFirstSixBox().isChecked(), s.Rules.IgnoreFirstSix);
    EXPECT_TRUE(o.KoronkiChoice(s.Rules.KoronkiMode).isChecked());
    EXPECT_EQ(o.ShowCardsAtEndBox().isChecked(), s.Rules.ShowCardsAtEnd);
    o.Tabs().setCurrentIndex(3);
    o.IgnoreFirstSixBox().click();
    o.KoronkiChoice(2).click();
    o.ShowCardsAtEndBox().click();
    EXPECT_EQ(s.Rules, (RuleOptions{false, 2, false}));
    o.KoronkiChoice(0).click();
    EXPECT_EQ(s.Rules.KoronkiMode, 0);
  });
  EXPECT_EQ(s.Rules, (RuleOptions{false, 0, false}));
  window->StartSeries(PlayerSlot::NewPlayer);
  EXPECT_EQ(window->TheGame().Options(), (RuleOptions{false, 0, false}));
}

TEST_F(OptionsTest, EachSwitchWritesItsSettingAndShowsItsEffect) {
  // The click effect can be chosen only while the design library is there.
  ASSERT_TRUE(
      WriteBundle(Paths().ParentFolder, "ZanCGraph1", {{"GTouch", Filled(QSize(3000, 100), qRgb(200, 160, 40))}}));
  StartWindow();
  window->LeaveTitle();
  {
    ClubFileContents net = ReadClubFile(window->Files().Network);
    ASSERT_EQ(net.Status, ClubRead::Read);
    net.Lines[1] = MakeMemberLine("Nettie", 2.0, 12, 30, EncodePassword(""));
    std::ofstream(window->Files().Network, std::ios::binary | std::ios::trunc) << ClubFileBytes(net.Lines);
  }
  Settings& s = window->CurrentSettings();
  Open([this, &s](TFormOptions& o) {
    EXPECT_EQ(o.SpeedButton().text(), window->W(WordId::Speed) + "=" + QString::number(s.FlySpeed));
    struct Box {
      QCheckBox* box;
      bool* setting;
    };
    for (const Box& b :
         {Box{&o.SoundBox(), &s.SoundOn}, Box{&o.MusicBox(), &s.MusicOn}, Box{&o.GifAnimationBox(), &s.GifAnimationOn},
          Box{&o.FlyCardsBox(), &s.FlyCardsOn}, Box{&o.CursorBox(), &s.OwnCursor},
          Box{&o.SaluteButtonsBox(), &s.SaluteButtons}, Box{&o.SaluteCardsBox(), &s.SaluteCards}}) {
      const bool before = *b.setting;
      EXPECT_EQ(b.box->isChecked(), before) << b.box->text().toStdString();
      b.box->click();
      EXPECT_NE(*b.setting, before) << b.box->text().toStdString();
    }
    // New buttons: the window's buttons and the dialog's own change style at once.
    ASSERT_FALSE(s.NewButtons);
    o.NewButtonsBox().click();
    EXPECT_TRUE(s.NewButtons);
    EXPECT_TRUE(window->Menu().TopTenButton().Nata());
    EXPECT_TRUE(o.OkButton().Nata());
    EXPECT_TRUE(o.FontDefaultButton().Nata());

    // Multiplayer: the menu lists the network club's members, then the local club's again.
    const QString localRow = window->Menu().ClubRow(1).text();
    o.NetBox().click();
    EXPECT_TRUE(s.NetGame);
    EXPECT_TRUE(window->Menu().ClubRow(1).text().contains("Nettie")) << window->Menu().ClubRow(1).text().toStdString();
    o.NetBox().click();
    EXPECT_FALSE(s.NetGame);
    EXPECT_EQ(window->Menu().ClubRow(1).text(), localRow);

    // A language renames the window and the dialog at once; the flag follows.
    const QString englishFlag = o.FlagPicture().property("flagName").toString();
    o.LanguageList().setCurrentIndex(1);
    EXPECT_EQ(s.LanguageIndex, 1);
    EXPECT_EQ(window->Menu().TopTenButton().text(), Utf8(Word(WordId::TopTen, 1)));
    EXPECT_EQ(o.windowTitle(), Utf8(Word(WordId::Options, 1)));
    EXPECT_EQ(o.Tabs().tabText(3), Utf8(Word(WordId::OptionsGame, 1)));
    EXPECT_EQ(o.IgnoreFirstSixBox().text(), Utf8(Word(WordId::IgnoreFirstSix, 1)));
    EXPECT_EQ(o.KoronkiChoice(2).text(), Utf8(Word(WordId::Expensive, 1)));
    EXPECT_EQ(o.DialogDesignList().itemText(3), Utf8(Word(WordId::DesignPurple, 1)));
    EXPECT_NE(o.FlagPicture().property("flagName").toString(), englishFlag);
    o.LanguageList().setCurrentIndex(0);
    EXPECT_EQ(window->Menu().TopTenButton().text(), Utf8(Word(WordId::TopTen, 0)));

    // Fonts: a role shows its face and scale; a scale is stored; "Default" restores all roles.
    o.FontRoleList().setCurrentIndex(1);
    o.FontScaleBox().setValue(120);
    EXPECT_EQ(s.FontScale[1], 120);
    EXPECT_EQ(s.FontScale[0], 100);
    o.FontRoleList().setCurrentIndex(0);
    EXPECT_EQ(o.FontScaleBox().value(), 100);
    o.FontRoleList().setCurrentIndex(1);
    EXPECT_EQ(o.FontScaleBox().value(), 120);
    o.FontDefaultButton().click();
    EXPECT_EQ(s.FontScale, (std::array<int, 4>{100, 100, 100, 100}));
    EXPECT_EQ(o.FontScaleBox().value(), 100);

    // Save games: the box needs the small window; area and delay need the box.
    EXPECT_TRUE(o.SaveGamesBox().isEnabled());
    EXPECT_FALSE(o.GifAreaList().isEnabled());
    o.SaveGamesBox().click();
    EXPECT_TRUE(s.SaveGamesAsGif);
    EXPECT_TRUE(o.GifAreaList().isEnabled());
    o.GifDelayBox().setValue(250);
    EXPECT_EQ(s.GifDelay, 250);

    o.RadioFromDisk().click();
    EXPECT_FALSE(s.RadioListFromServer);
  });
  EXPECT_EQ(s.LanguageIndex, 0);
  EXPECT_TRUE(s.NewButtons);
}

TEST_F(OptionsTest, PicturesThatCannotBeLoadedFallBackWithANotice) {
  StartWindow();
  window->LeaveTitle();
  Settings& s = window->CurrentSettings();
  Open([this, &s](TFormOptions& o) {
    // No design library beside the program: every design list returns to its first item.
    o.DialogDesignList().setCurrentIndex(3);
    EXPECT_EQ(s.DialogDesign, 0);
    EXPECT_EQ(s.MenuDesign, 0);
    EXPECT_EQ(o.DialogDesignList().currentIndex(), 0);
    ASSERT_FALSE(notices.isEmpty());
    EXPECT_EQ(notices.last(), window->W(WordId::CantFindFile) + " ZanCGraph1.dll||");
    o.MenuDesignList().setCurrentIndex(1);
    EXPECT_EQ(s.MenuDesign, 0);
    EXPECT_EQ(o.MenuDesignList().currentIndex(), 0);

    // A deck of a missing library becomes deck 0 again.
    notices.clear();
    o.DeckList().setCurrentIndex(5);
    EXPECT_EQ(s.DeckNumber, 0);
    EXPECT_EQ(o.DeckList().currentIndex(), 0);
    EXPECT_FALSE(notices.isEmpty());

    // A background of a missing library: background 2 in colour 0 again.
    notices.clear();
    o.BackgroundList().setCurrentIndex(4);
    EXPECT_EQ(s.BackgroundNumber, 2);
    EXPECT_EQ(s.BackgroundColour, 0);
    EXPECT_EQ(o.BackgroundList().currentIndex(), 1);
    ASSERT_FALSE(notices.isEmpty());
    EXPECT_TRUE(notices.last().contains("ZanBackG03.dll"));
  });
}

TEST_F(OptionsTest, WindowSizeRelaysOutTheWindow) {
  StartWindow();
  window->LeaveTitle();
  Settings& s = window->CurrentSettings();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  Open([&](TFormOptions& o) {
    const int full = o.WindowSizeList().findData(static_cast<int>(WindowSizeMode::FullScreen));
    ASSERT_GE(full, 0);
    o.WindowSizeList().setCurrentIndex(full);
    EXPECT_EQ(s.WindowSizeMode, 2);
    // The frame fills the work area; the client is what is inside it.
    EXPECT_EQ(window->frameGeometry(), screen);
    EXPECT_TRUE(screen.contains(window->geometry()));
    // Game recording needs the small window.
    EXPECT_FALSE(o.SaveGamesBox().isEnabled());
    o.WindowSizeList().setCurrentIndex(o.WindowSizeList().findData(1));
    EXPECT_EQ(s.WindowSizeMode, 1);
    EXPECT_EQ(window->size(), QSize(760, 500));
    EXPECT_TRUE(o.SaveGamesBox().isEnabled());
  });
}

TEST_F(OptionsTest, BackgroundsAndFontsChangeTheMenuAtOnce) {
  // A background library beside the program folder, with background 5 in green only.
  const QRgb green = qRgb(10, 200, 30);
  ASSERT_TRUE(WriteBundle(Paths().ParentFolder, "ZanBackG03", {{"Fon05Gr", Filled(QSize(760, 500), green)}}));
  StartWindow();
  window->LeaveTitle();
  Settings& s = window->CurrentSettings();
  const auto buttonFont = [this] { return QFontInfo(window->Menu().TopTenButton().font()).pixelSize(); };
  const int fontBefore = buttonFont();
  Open([&](TFormOptions& o) {
    o.BackgroundList().setCurrentIndex(4);
    EXPECT_EQ(s.BackgroundNumber, 5);
    EXPECT_EQ(s.BackgroundColour, 0);
    EXPECT_EQ(window->Background().pixel(100, 100), green);
    EXPECT_TRUE(notices.isEmpty()) << notices.join("; ").toStdString();

    // The library has no red version: background 2 in green again.
    o.ColourList().setCurrentIndex(1);
    EXPECT_EQ(s.BackgroundNumber, 2);
    EXPECT_EQ(s.BackgroundColour, 0);
    EXPECT_EQ(o.BackgroundList().currentIndex(), 1);
    EXPECT_EQ(o.ColourList().currentIndex(), 0);
    EXPECT_NE(window->Background().pixel(100, 100), green);

    for (int role = 0; role < 2; ++role) {
      o.FontRoleList().setCurrentIndex(role);
      o.FontScaleBox().setValue(150);
    }
    EXPECT_GT(buttonFont(), fontBefore);
    o.FontDefaultButton().click();
    EXPECT_EQ(buttonFont(), fontBefore);
  });
}

// The dialog on its own, with settings but without a window behind it.
class OptionsDialogTest : public ::testing::Test {
 protected:
  TFormOptions& Make(QSize screen = {1920, 1200}) {
    look.Word = [](WordId w) { return Utf8(Word(w, 0)); };
    OptionsEffects effects;
    effects.Screen = screen;
    effects.Notice = [this](const QString& text) { notices << text; };
    dialog = std::make_unique<TFormOptions>(pictures, look, settings, std::move(effects), nullptr);
    return *dialog;
  }
  PictureRegistry pictures{{}};
  DialogLook look;
  Settings settings;
  QStringList notices;
  std::unique_ptr<TFormOptions> dialog;
};

TEST_F(OptionsDialogTest, WindowSizesTheScreenCannotHoldAreNotOffered) {
  struct Case {
    QSize screen;
    QStringList offered;
  };
  const QString small = "Small window", full = "Full screen", a1 = "Average window 1", a2 = "Average window 2",
                large = "Large window";
  for (const Case& c : {Case{{1280, 1024}, {small, full, a1}}, Case{{1920, 1019}, {small, full, a1, a2}},
                        Case{{1520, 1020}, {small, full, a1, a2, large}}, Case{{989, 800}, {small, full}},
                        Case{{1600, 869}, {small, full, a1}}}) {
    TFormOptions& o = Make(c.screen);
    QStringList items;
    for (int k = 0; k < o.WindowSizeList().count(); ++k) items << o.WindowSizeList().itemText(k);
    EXPECT_EQ(items, c.offered) << c.screen.width() << " x " << c.screen.height();
  }
}

TEST_F(OptionsDialogTest, RandomBackSetsForceRandomAndOtherSetsTurnItBack) {
  settings.BackChange = 1;
  TFormOptions& o = Make();
  EXPECT_TRUE(o.BackChoice(1).isChecked());
  o.BackSetList().setCurrentIndex(9);
  EXPECT_EQ(settings.BackSet, 9);
  EXPECT_TRUE(o.BackChoice(2).isChecked());
  EXPECT_FALSE(o.BackChoice(0).isEnabled());
  EXPECT_FALSE(o.BackChoice(1).isEnabled());
  EXPECT_EQ(settings.BackChange, 0);
  o.BackSetList().setCurrentIndex(3);
  EXPECT_TRUE(o.BackChoice(0).isChecked());
  EXPECT_TRUE(o.BackChoice(0).isEnabled());
  EXPECT_FALSE(o.BackChoice(2).isEnabled());
  o.BackChoice(1).click();
  EXPECT_EQ(settings.BackChange, 1);
  o.BackChoice(0).click();
  EXPECT_EQ(settings.BackChange, 0);
}

TEST_F(OptionsDialogTest, BackgroundListsAreDisabledWhileMenuAndTableWearTheCardStyle) {
  settings.MenuDesign = 1;
  settings.TableDesign = 1;
  EXPECT_FALSE(Make().BackgroundList().isEnabled());
  settings.TableDesign = 0;
  EXPECT_TRUE(Make().ColourList().isEnabled());
}

}  // namespace tavlo::testing
