#include <gtest/gtest.h>

#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "lang/word_table.h"
#include "pictures/test_bundle.h"
#include "records/club_file.h"
#include "fixed_clock.h"
#include "records/history_clock.h"
#include "ui/dialogs/count_window.h"
#include "ui/dialogs/end_game_window.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/history_window.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/top_ten_window.h"
#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"

namespace tavlo::testing {
namespace {

struct Window {
  const char* name;
  QString cardBackground;  // the design library's background of the card style
  QString conciseCaption;  // the design library's caption of "Gray concise"
  std::function<std::unique_ptr<DialogFrame>(PictureRegistry&, DialogLook&)> make;
};

std::vector<Window> Windows(Settings& settings, int& historyFileNo, const std::filesystem::path& noHistory) {
  static const FixedClock clock;
  return {
      {"options", "GFormOpt", "OptionsEng",
       [&settings](PictureRegistry& p, DialogLook& l) {
         return std::make_unique<TFormOptions>(p, l, settings, OptionsEffects{}, nullptr);
       }},
      {"top ten", "GFormTopTen", "TopTen",
       [](PictureRegistry& p, DialogLook& l) {
         return std::make_unique<TFormTopTen>(p, l, ClubFileContents{}, false, nullptr);
       }},
      {"end of cycle", "GFormEndG", "EndGameEng",
       [](PictureRegistry& p, DialogLook& l) {
         return std::make_unique<TFormEndGame>(p, l, EndGameResult{3, 120}, nullptr, nullptr);
       }},
      {"general score", "GFormCount", "CountInfo",
       [](PictureRegistry& p, DialogLook& l) {
         return std::make_unique<TFormCount>(p, l, TCount{}, "Alice", nullptr);
       }},
      {"history", "GFormHistory", "HistoryEng",
       [&historyFileNo, noHistory](PictureRegistry& p, DialogLook& l) {
         return std::make_unique<TFHistory>(p, l, noHistory, historyFileNo, clock, nullptr);
       }},
  };
}

class DialogDesignsTest : public ::testing::Test {
 protected:
  DialogLook Look(DialogDesign design) {
    DialogLook look;
    look.Design = design;
    look.Word = [](WordId w) { return QString::fromUtf8(Word(w, 0).data()); };
    look.DesignLibraryMissing = [this] { ++missing; };
    return look;
  }
  QTemporaryDir folder;
  Settings settings;
  int historyFileNo = 0;
  int missing = 0;
};

// Without the design library the card style and "Gray concise" fall back to "Gray aristocratic";
// the ribbons need only built-in pictures.
TEST_F(DialogDesignsTest, WithoutTheDesignLibraryEveryWindowFallsBackToGrey) {
  PictureRegistry pictures({folder.path().toStdString()});
  for (const Window& w : Windows(settings, historyFileNo, folder.path().toStdString())) {
    struct Case {
      DialogDesign chosen;
      DialogDesign shown;
      DialogDesign afterwards;
      int notices;
    };
    for (const Case& c :
         {Case{DialogDesign::GrayAristocratic, DialogDesign::GrayAristocratic, DialogDesign::GrayAristocratic, 0},
          Case{DialogDesign::GrayConcise, DialogDesign::GrayConcise, DialogDesign::GrayAristocratic, 1},
          Case{DialogDesign::GrayRibbons, DialogDesign::GrayRibbons, DialogDesign::GrayRibbons, 0},
          Case{DialogDesign::Purple, DialogDesign::GrayAristocratic, DialogDesign::GrayAristocratic, 0}}) {
      SCOPED_TRACE(std::string(w.name) + " design " + std::to_string(static_cast<int>(c.chosen)));
      missing = 0;
      DialogLook look = Look(c.chosen);
      const std::unique_ptr<DialogFrame> dialog = w.make(pictures, look);
      EXPECT_EQ(dialog->Design(), c.shown);
      EXPECT_EQ(look.Design, c.afterwards);
      EXPECT_EQ(missing, c.notices);
      // The dialog's own controls stand below the red line and inside the window.
      const QRect ok = dialog->OkButton().geometry();
      EXPECT_GT(ok.top(), dialog->RedLine().bottom());
      EXPECT_TRUE(dialog->rect().contains(ok)) << ok.bottom() << " in " << dialog->height();
      EXPECT_FALSE(dialog->windowTitle().isEmpty());
    }
  }
}

TEST_F(DialogDesignsTest, WithTheDesignLibraryTheCardStyleIsWorn) {
  std::map<QString, QImage> library;
  int historyNo = 0;
  const std::vector<Window> windows = Windows(settings, historyNo, folder.path().toStdString());
  for (const Window& w : windows) {
    library[w.cardBackground] = Filled(QSize(800, 600), qRgb(40, 0, 60));
    library[w.conciseCaption] = Filled(QSize(300, 48), qRgb(200, 200, 200));
  }
  library["GFormOpt"] = Filled(QSize(800, 600), qRgb(40, 0, 60));
  const QRgb iconColour = qRgb(250, 180, 20);
  library["GIcon48History"] = Filled(QSize(48 * 12, 48), iconColour);
  ASSERT_TRUE(WriteBundle(folder.path().toStdString(), "ZanCGraph1", library));
  PictureRegistry pictures({folder.path().toStdString()});
  for (const Window& w : windows) {
    SCOPED_TRACE(w.name);
    DialogLook purple = Look(DialogDesign::Purple);
    const std::unique_ptr<DialogFrame> card = w.make(pictures, purple);
    EXPECT_TRUE(card->CardStyle());
    EXPECT_EQ(card->OkButton().ColorSB(), TColorSB::DCards);
    EXPECT_TRUE(card->rect().contains(card->OkButton().geometry()));
    DialogLook concise = Look(DialogDesign::GrayConcise);
    const std::unique_ptr<DialogFrame> grey = w.make(pictures, concise);
    EXPECT_EQ(grey->Design(), DialogDesign::GrayConcise);
    EXPECT_EQ(concise.Design, DialogDesign::GrayConcise);
    EXPECT_EQ(missing, 0);
  }

  // The history's icon animates at both ends of its header.
  {
    DialogLook purple = Look(DialogDesign::Purple);
    int fileNo = 0;
    const FixedClock clock;
    TFHistory history(pictures, purple, folder.path().toStdString(), fileNo, clock, nullptr);
    history.show();
    ASSERT_TRUE(QTest::qWaitFor([&history] { return history.IconFrame() >= 1; }, 10000));
    const QImage shot = history.grab().toImage();
    EXPECT_EQ(shot.pixel(25 + 24, 23 + 24), iconColour);
    EXPECT_EQ(shot.pixel(697 + 24, 23 + 24), iconColour);
    EXPECT_NE(shot.pixel(400, 30), iconColour);

    // Opened again, the icon goes on from the frame it had reached.
    ASSERT_TRUE(QTest::qWaitFor([&history] { return history.IconFrame() >= 3; }, 10000));
    history.close();
    const int reached = history.IconFrame();
    TFHistory again(pictures, purple, folder.path().toStdString(), fileNo, clock, nullptr);
    EXPECT_EQ(again.IconFrame(), reached);
  }

  // With the library the options accept the card-style designs.
  DialogLook look = Look(DialogDesign::GrayAristocratic);
  OptionsEffects effects;
  TFormOptions options(pictures, look, settings, effects, nullptr);
  options.DialogDesignList().setCurrentIndex(3);
  options.MenuDesignList().setCurrentIndex(1);
  EXPECT_EQ(settings.DialogDesign, 3);
  EXPECT_EQ(settings.MenuDesign, 1);
  EXPECT_EQ(settings.TableDesign, 0);
  EXPECT_TRUE(options.BackgroundList().isEnabled());
  options.TableDesignList().setCurrentIndex(1);
  EXPECT_FALSE(options.BackgroundList().isEnabled());
}

// A language change in the options redraws the header in the new language's picture, and the
// language list shows each language beside its own flag (Japanese and Korean too).
TEST_F(DialogDesignsTest, TheOptionsHeaderAndTheLanguageFlagsFollowTheLanguage) {
  const QRgb english = qRgb(200, 30, 30), russian = qRgb(30, 30, 200);
  std::map<QString, QImage> library;
  library["OptionsEng"] = Filled(QSize(300, 48), english);
  library["OptionsRus"] = Filled(QSize(300, 48), russian);
  ASSERT_TRUE(WriteBundle(folder.path().toStdString(), "ZanCGraph1", library));
  PictureRegistry pictures({folder.path().toStdString()});
  DialogLook look = Look(DialogDesign::GrayConcise);
  TFormOptions options(pictures, look, settings, OptionsEffects{}, nullptr);
  ASSERT_EQ(options.Design(), DialogDesign::GrayConcise);
  options.show();
  EXPECT_EQ(options.grab().toImage().pixel(20, 20), english);
  options.LanguageList().setCurrentIndex(1);
  EXPECT_EQ(options.grab().toImage().pixel(20, 20), russian);

  const auto flag = [&options](int language) {
    return options.LanguageList().itemIcon(language).pixmap(QSize(14, 12)).toImage();
  };
  for (int language = 0; language < 10; ++language) {
    SCOPED_TRACE(language);
    EXPECT_FALSE(flag(language).isNull());
  }
  EXPECT_NE(flag(1), flag(0));
  EXPECT_NE(flag(8), flag(0)) << "Japanese shows the English pictures but its own flag";
  EXPECT_NE(flag(9), flag(8));
}

// The help has no caption picture of its own: in "Gray concise" it writes its title and stays in
// that design, with no missing-file notice.
TEST_F(DialogDesignsTest, TheHelpKeepsTheConciseDesignWithoutACaptionPicture) {
  std::map<QString, QImage> library;
  library["OptionsEng"] = Filled(QSize(300, 48), qRgb(200, 200, 200));
  ASSERT_TRUE(WriteBundle(folder.path().toStdString(), "ZanCGraph1", library));
  PictureRegistry pictures({folder.path().toStdString()});
  DialogLook look = Look(DialogDesign::GrayConcise);
  THelpWindow help(pictures, look, 0, nullptr);
  EXPECT_EQ(help.Design(), DialogDesign::GrayConcise);
  EXPECT_EQ(look.Design, DialogDesign::GrayConcise);
  EXPECT_EQ(missing, 0);
}

}  // namespace
}  // namespace tavlo::testing
