// Every world window in every language: each caption fits its control. With TAVLO_SCREENSHOTS set
// the English and Russian windows are also saved there for review.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "club_window_fixture.h"
#include "lang/languages.h"
#include "ui/main_window.h"
#include "ui/widgets/zan_button.h"
#include "ui/world/world_play.h"

namespace tavlo::testing {
namespace {

// Captions that do not fit their control: "window/control: text".
QStringList CutCaptions(QWidget& window) {
  QStringList cut;
  auto check = [&](QWidget* w, const QString& text) {
    if (text.isEmpty() || !w->isVisible() || text.contains('\n')) return;
    const int need = w->fontMetrics().horizontalAdvance(text);
    const int room = qobject_cast<QAbstractButton*>(w) ? w->width() - 8 : w->width();
    if (need > room) cut << window.objectName() + "/" + w->objectName() + ": " + text;
  };
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->wordWrap() && label->pixmap().isNull()) check(label, label->text());
  }
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) check(button, button->text());
  for (QComboBox* box : window.findChildren<QComboBox*>()) {
    // The closed box shows the current item beside the arrow.
    for (int i = 0; i < box->count() && box->isVisible(); ++i) {
      const int need = box->fontMetrics().horizontalAdvance(box->itemText(i)) + (box->itemIcon(i).isNull() ? 0 : 20);
      if (need > box->width() - 24) cut << window.objectName() + "/" + box->objectName() + ": " + box->itemText(i);
    }
  }
  return cut;
}

class WorldScreensTest : public ClubWindowTest {
 protected:
  void Row(int gid, const std::string& nick, const std::string& country, std::int64_t score, const char* sex,
           const std::string& text = "#") {
    TZanRecord row;
    row.GID = gid;
    row.Nick = nick;
    row.City = "Riga";
    row.Country = country;
    row.Score = score;
    row.R07 = sex;
    row.R08 = "5.7f";
    row.R09 = gid == kChatTable ? "10:00:00_11.12.2026_Tavlo" : "#";
    row.R10 = text;
    // Account rows come from a proved account.
    if (gid == kWorldTableAccounts) CreateUser(nick);
    ASSERT_TRUE(Client().SubmitWorldRow(row, gid == kWorldTableAccounts ? "pass1" : "").Ok);
  }

  void Shoot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("TAVLO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(widget.grab().save(folder + "/" + name + ".png"));
  }

};

TEST_F(WorldScreensTest, EveryCaptionOfTheWorldWindowsFitsInEveryLanguage) {
  ASSERT_TRUE(StartServer());
  Row(kGameId, "Max", "1-026", 420, "M");
  Row(kGameId, "Eve", "1-035", 250, "W");
  Row(kWorldTableAndroid, "Lea", "3-034", 300, "W");
  Row(kWorldTableAccounts, "Ida", "Russia", 510, "W");
  Row(kChatTable, "Cid", "1-026", 1, "M", "hello_all");
  Row(kChatTable, "Eve", "1-035", 2, "W", "good_game!");
  ASSERT_TRUE(Client().SendLike("Zoe"));

  StartWindow();
  SetPassport();
  WorldPlay& world = window_->World();

  for (int language = 0; language < kLanguageCount; ++language) {
    SCOPED_TRACE(language);
    window_->SetLanguage(language);
    const bool shots = language == 0 || language == kRussian;
    const QString suffix = language == 0 ? "-en" : "-ru";
    QStringList cut;

    world.ChatShown = [&](TFormChat& w) {
      QTimer::singleShot(0, &w, [&] {
        EXPECT_TRUE(w.SlotText(1).contains("Eve"));
        cut << CutCaptions(w);
        if (shots) Shoot(w, "chat" + suffix);
        w.close();
      });
    };
    world.OpenChat();

    world.WorldTopTenShown = [&](TFormServerRead& w) {
      QTimer::singleShot(0, &w, [&] {
        for (int tab = 0; tab < TFormServerRead::kTabs; ++tab) {
          w.Tabs().setCurrentIndex(tab);
          cut << CutCaptions(w);
          if (shots) Shoot(w, QString("world-tab-%1").arg(tab + 1) + suffix);
        }
        EXPECT_EQ(w.TopRows(2).size(), 2u);
        EXPECT_EQ(w.TopRows(3).size(), 1u);
        EXPECT_EQ(w.TopRows(1).size(), 1u);
        w.close();
      });
    };
    world.OpenWorldTopTen();

    world.ResultShown = [&](TFormServerWrite& w) {
      QTimer::singleShot(0, &w, [&] {
        cut << CutCaptions(w);
        if (shots) Shoot(w, "result" + suffix);
        w.close();
      });
    };
    world.ShowCycleResult(330);

    world.StatisticsShown = [&](TFStat& w) {
      QTimer::singleShot(0, &w, [&] {
        cut << CutCaptions(w);
        if (shots) Shoot(w, "statistics" + suffix);
        w.close();
      });
    };
    world.OpenStatistics();

    world.PassportShown = [&](TFormServerInfo& w) {
      QTimer::singleShot(0, &w, [&] {
        cut << CutCaptions(w);
        if (shots) Shoot(w, "passport" + suffix);
        w.reject();
      });
    };
    world.OpenPassport();

    EXPECT_TRUE(cut.isEmpty()) << cut.join("\n").toStdString();
  }
  world.ChatShown = nullptr;
  world.WorldTopTenShown = nullptr;
  world.ResultShown = nullptr;
  world.StatisticsShown = nullptr;
  world.PassportShown = nullptr;
  EXPECT_TRUE(notices_.isEmpty()) << notices_.join(";").toStdString();
}

}  // namespace
}  // namespace tavlo::testing
