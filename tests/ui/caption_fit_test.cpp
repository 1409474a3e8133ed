// Every caption of every window fits its box, in all ten languages and at every window size:
// translations are longer or shorter than the English texts the windows were drawn for.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <functional>
#include <memory>

#include "lang/languages.h"
#include "lang/word_table.h"
#include "records/club_file.h"
#include "fixed_clock.h"
#include "records/history_clock.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/count_window.h"
#include "ui/dialogs/end_game_window.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/history_window.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/dialogs/top_ten_window.h"
#include "ui/menu/main_menu.h"
#include "ui/pictures/picture_registry.h"
#include "ui/table/table_screen.h"
#include "ui/widgets/zan_button.h"
#include "window_fixture.h"

namespace tavlo::testing {
namespace {

QString Describe(const QWidget& w, const QString& text, int need, int room) {
  return QString("%1 \"%2\": %3 px in %4 px").arg(w.metaObject()->className(), text).arg(need).arg(room);
}

// Measures every visible caption of a window against its box, independently of how the
// window made it fit.
QStringList Overflows(QWidget& root) {
  QStringList found;
  for (QWidget* w : root.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&root)) continue;
    if (auto* b = qobject_cast<TZanCardsButton*>(w)) {
      if (b->text().isEmpty()) continue;
      const int need = QFontMetrics(b->CaptionFont()).horizontalAdvance(b->text());
      if (need > b->CaptionRect().width()) found << Describe(*b, b->text(), need, b->CaptionRect().width());
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
      if (l->wordWrap() || l->text().isEmpty() || Qt::mightBeRichText(l->text())) continue;
      int need = 0;
      for (const QString& line : l->text().split('\n')) need = std::max(need, l->fontMetrics().horizontalAdvance(line));
      const int room = l->contentsRect().width() - 2 * l->margin();
      if (need > room) found << Describe(*l, l->text(), need, room);
    } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
      if (c->sizeHint().width() > c->width()) found << Describe(*c, c->text(), c->sizeHint().width(), c->width());
    } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
      if (r->sizeHint().width() > r->width()) found << Describe(*r, r->text(), r->sizeHint().width(), r->width());
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      const int need = g->fontMetrics().horizontalAdvance(g->title()) + 16;
      if (!g->title().isEmpty() && need > g->width()) found << Describe(*g, g->title(), need, g->width());
    } else if (auto* t = qobject_cast<QTabWidget*>(w)) {
      const int need = t->tabBar()->sizeHint().width();
      if (need > t->width()) found << Describe(*t, "tabs", need, t->width());
    }
  }
  if (auto* frame = qobject_cast<DialogFrame*>(&root); frame && frame->Design() == DialogDesign::GrayAristocratic) {
    const int need = QFontMetrics(frame->TitleFont()).horizontalAdvance(frame->TitleText());
    if (need > frame->TitleBox().width()) found << Describe(*frame, frame->TitleText(), need, frame->TitleBox().width());
  }
  return found;
}

struct Dialog {
  const char* name;
  std::function<std::unique_ptr<QDialog>(PictureRegistry&, DialogLook&, int language)> make;
};

TEST(CaptionFitTest, EveryDialogCaptionFitsInEveryLanguageAndDesign) {
  PictureRegistry pictures({});
  QTemporaryDir folder;
  Settings settings;
  int historyFileNo = 0, flySpeed = 3;
  static const FixedClock clock;
  const std::filesystem::path noHistory = folder.path().toStdString();
  const std::vector<Dialog> dialogs = {
      {"options", [&](PictureRegistry& p, DialogLook& l, int) { return std::make_unique<TFormOptions>(p, l, settings, OptionsEffects{}, nullptr); }},
      {"top ten", [](PictureRegistry& p, DialogLook& l, int) { return std::make_unique<TFormTopTen>(p, l, ClubFileContents{}, false, nullptr); }},
      {"end of cycle", [](PictureRegistry& p, DialogLook& l, int) { return std::make_unique<TFormEndGame>(p, l, EndGameResult{3, 120}, nullptr, nullptr); }},
      {"general score", [](PictureRegistry& p, DialogLook& l, int) { return std::make_unique<TFormCount>(p, l, TCount{}, "Alice", nullptr); }},
      {"history", [&](PictureRegistry& p, DialogLook& l, int) { return std::make_unique<TFHistory>(p, l, noHistory, historyFileNo, clock, nullptr); }},
      {"speed", [&](PictureRegistry& p, DialogLook& l, int) { return std::make_unique<TFormSpeed>(p, l, flySpeed, nullptr); }},
      {"about", [](PictureRegistry& p, DialogLook& l, int language) {
         return std::make_unique<TFormAbout>(p, l, QString::fromUtf8(Language(language).ProductName.data(), Language(language).ProductName.size()), nullptr);
       }},
      {"help", [](PictureRegistry& p, DialogLook& l, int language) { return std::make_unique<THelpWindow>(p, l, language, nullptr); }},
      {"new player", [](PictureRegistry& p, DialogLook& l, int) {
         return std::make_unique<TFormPassword>(p, l, PasswordRequest{}, [](const QString&) {}, nullptr);
       }},
  };
  for (DialogDesign design : {DialogDesign::GrayAristocratic, DialogDesign::GrayConcise, DialogDesign::GrayRibbons}) {
    for (int language = 0; language < kLanguageCount; ++language) {
      DialogLook look;
      look.Design = design;
      look.Word = [language](WordId w) { return QString::fromUtf8(Word(w, language).data()); };
      for (const Dialog& d : dialogs) {
        SCOPED_TRACE(std::string(d.name) + ", language " + std::to_string(language) + ", design " +
                     std::to_string(static_cast<int>(design)));
        std::unique_ptr<QDialog> dialog = d.make(pictures, look, language);
        dialog->show();
        const QStringList overflows = Overflows(*dialog);
        EXPECT_TRUE(overflows.isEmpty()) << overflows.join("\n").toStdString();
        dialog->close();
      }
    }
  }
}

// The main menu and the table at every window size, in every language.
TEST_F(WindowTest, MenuAndTableCaptionsFitAtEverySizeInEveryLanguage) {
  StartWindow();
  window->CurrentSettings().FlyCardsOn = false;
  window->LeaveTitle();
  for (int mode : {1, 3, 4, 5, 2}) {
    window->CurrentSettings().WindowSizeMode = mode;
    window->ApplyWindowSize();
    ASSERT_EQ(window->CurrentSettings().WindowSizeMode, mode);
    for (int language = 0; language < kLanguageCount; ++language) {
      SCOPED_TRACE("size " + std::to_string(mode) + ", language " + std::to_string(language));
      window->SetLanguage(language);
      const QStringList overflows = Overflows(*window);
      EXPECT_TRUE(overflows.isEmpty()) << overflows.join("\n").toStdString();
    }
  }
  // The table's buttons: "To Begin", and "Exit to menu" beside it.
  window->SetLanguage(0);
  window->StartSeries(PlayerSlot::NewPlayer, "Ann");
  for (int mode : {1, 3, 5}) {
    window->CurrentSettings().WindowSizeMode = mode;
    window->ApplyWindowSize();
    for (int language = 0; language < kLanguageCount; ++language) {
      SCOPED_TRACE("table, size " + std::to_string(mode) + ", language " + std::to_string(language));
      window->SetLanguage(language);
      window->TheGame().ShuffleAndDeal(true);  // the captions are set as the deal lays out the table
      const QStringList overflows = Overflows(*window);
      EXPECT_TRUE(overflows.isEmpty()) << overflows.join("\n").toStdString();
    }
  }
}

}  // namespace
}  // namespace tavlo::testing
