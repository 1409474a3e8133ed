// "My Passport" through the real main window: typing, the OK rules, region and country, and the
// windows that open it.
#include "ui/world/passport_window.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "club_window_fixture.h"
#include "ui/main_window.h"
#include "ui/widgets/zan_button.h"
#include "ui/window_waits.h"
#include "ui/world/world_play.h"

namespace tavlo::testing {
namespace {

// Types the text key by key, as a keyboard of any layout would.
void Type(QLineEdit& box, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(&box, &press);
    QApplication::sendEvent(&box, &release);
  }
}

class PassportWindowTest : public ClubWindowTest {
 protected:
  // The main window on the menu with a passport the world windows accept.
  void StartWindow() {
    ClubWindowTest::StartWindow();
    SetPassport();
  }

  // Opens the passport window from the main window and runs `steps` in it.
  bool WithPassport(const std::function<void(TFormServerInfo&)>& steps) {
    bool ran = false;
    window_->World().PassportShown = [&](TFormServerInfo& w) {
      QTimer::singleShot(0, &w, [&] {
        steps(w);
        ran = true;
        if (w.isVisible()) w.reject();
      });
    };
    window_->World().OpenPassport();
    window_->World().PassportShown = nullptr;
    return ran;
  }

};

TEST_F(PassportWindowTest, TypingKeepsOnlyPassportCharactersAndOkFollowsBothBoxes) {
  ASSERT_TRUE(StartServer());
  StartWindow();
  struct Case {
    const char* nickKeys;
    const char* cityKeys;
    QString nick, city;
    bool ok;
  };
  const Case cases[] = {
      {"Ab", "Riga", "Ab", "Riga", true},
      {"A", "Riga", "A", "Riga", false},                              // one character
      {"a b#c", "Riga", "abc", "Riga", true},                         // space and '#' refused
      {"Иван", "Москва", "Иван", "Москва", true},                     // Russian letters
      {"Zoe!(1).@_-,x", "Riga", "Zoe!(1).@_-,", "Riga", true},        // the signs, cut at 12
      {"Max", "Riga-Sud-Nord-West", "Max", "Riga-Sud-Nord-W", true},  // the city stops at 15
      {"Max", "R", "Max", "R", false},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(WithPassport([&](TFormServerInfo& w) {
      w.NickBox().clear();
      w.CityBox().clear();
      Type(w.NickBox(), QString::fromUtf8(c.nickKeys));
      Type(w.CityBox(), QString::fromUtf8(c.cityKeys));
      EXPECT_EQ(w.NickBox().text(), c.nick) << c.nickKeys;
      EXPECT_EQ(w.CityBox().text(), c.city) << c.cityKeys;
      EXPECT_EQ(w.OkButton().isEnabled(), c.ok) << c.nickKeys << " / " << c.cityKeys;
      if (!c.ok) {
        w.reject();
        EXPECT_TRUE(w.isVisible()) << "an invalid passport keeps the window open";
        QLineEdit* invalid = w.NickBox().text().size() < 2 ? &w.NickBox() : &w.CityBox();
        EXPECT_EQ(w.focusWidget(), invalid) << "the first invalid box takes the focus";
        // Fixing the box lets it close.
        invalid->setText("Ok");
        EXPECT_TRUE(w.OkButton().isEnabled());
      }
    }));
  }
  // Backspace always passes.
  EXPECT_TRUE(WithPassport([&](TFormServerInfo& w) {
    w.NickBox().setText("Eve");
    w.NickBox().setCursorPosition(3);
    QTest::keyClick(&w.NickBox(), Qt::Key_Backspace);
    QTest::keyClick(&w.NickBox(), Qt::Key_Backspace);
    EXPECT_EQ(w.NickBox().text(), "E");
    EXPECT_FALSE(w.OkButton().isEnabled());
    w.NickBox().setText("Eve");  // valid again, so that the window may close
  }));
  EXPECT_EQ(window_->CurrentSettings().WorldName, "Eve") << "a window left without OK changes nothing";
}

TEST_F(PassportWindowTest, RegionResetsTheCountryAndOkKeepsThePassport) {
  ASSERT_TRUE(StartServer());
  StartWindow();
  EXPECT_TRUE(WithPassport([&](TFormServerInfo& w) {
    EXPECT_EQ(w.RegionChoice().currentIndex(), 0);
    EXPECT_EQ(w.CountryChoice().currentIndex(), 35);
    EXPECT_EQ(w.CountryChoice().currentText(), "Norway");
    EXPECT_EQ(w.SexChoice().currentIndex(), 1);
    EXPECT_EQ(w.CountryChoice().count(), 49);

    w.RegionChoice().setCurrentIndex(2);
    emit w.RegionChoice().activated(2);
    EXPECT_EQ(w.Passport().Country, "3-000") << "a new region starts at Unknown";
    EXPECT_EQ(w.CountryChoice().count(), 36);
    EXPECT_EQ(w.CountryChoice().currentIndex(), 0);
    w.CountryChoice().setCurrentIndex(34);
    emit w.CountryChoice().activated(34);
    EXPECT_EQ(w.Passport().Country, "3-034");
    EXPECT_EQ(w.CountryChoice().currentText(), "USA");

    w.SexChoice().setCurrentIndex(0);
    emit w.SexChoice().activated(0);
    w.NickBox().setText("Sam");
    w.CityBox().setText("Boston");
    QTest::mouseClick(&w.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
  }));
  const Settings& s = window_->CurrentSettings();
  EXPECT_EQ(s.WorldName, "Sam");
  EXPECT_EQ(s.WorldCity, "Boston");
  EXPECT_EQ(s.WorldCountry, "3-034");
  EXPECT_EQ(s.WorldSex, "M");
}

// The country list speaks the interface's language (Russian names in Russian, English elsewhere),
// every name fits its box, and what is stored stays the language-free code.
TEST_F(PassportWindowTest, CountryNamesFollowTheLanguageAndTheCodeStaysTheSame) {
  ASSERT_TRUE(StartServer());
  StartWindow();
  for (const auto& [language, norway] : {std::pair{0, "Norway"}, std::pair{1, "Норвегия"}, std::pair{2, "Norway"}}) {
    window_->CurrentSettings().LanguageIndex = language;
    EXPECT_TRUE(WithPassport([&](TFormServerInfo& w) {
      QComboBox& countries = w.CountryChoice();
      EXPECT_EQ(countries.currentText(), QString::fromUtf8(norway)) << language;
      for (int region = 0; region < 6; ++region) {
        w.RegionChoice().setCurrentIndex(region);
        emit w.RegionChoice().activated(region);
        for (int k = 1; k < countries.count(); ++k) {
          const int need = countries.fontMetrics().horizontalAdvance(countries.itemText(k)) + 14 + 36;
          EXPECT_LE(need, countries.width()) << countries.itemText(k).toStdString() << " in language " << language;
        }
      }
      w.RegionChoice().setCurrentIndex(0);
      emit w.RegionChoice().activated(0);
      countries.setCurrentIndex(35);
      emit countries.activated(35);
      EXPECT_EQ(w.Passport().Country, "1-035") << language;
    }));
  }
}

TEST_F(PassportWindowTest, TheWorldWindowsOpenItFromTheirPassportButtons) {
  ASSERT_TRUE(StartServer());
  StartWindow();
  int opened = 0;
  window_->World().PassportShown = [&](TFormServerInfo& w) {
    QTimer::singleShot(0, &w, [&] {
      ++opened;
      w.NickBox().setText("Ida");
      QTest::mouseClick(&w.OkButton(), Qt::LeftButton);
    });
  };
  bool chat = false;
  window_->World().ChatShown = [&](TFormChat& w) {
    QTimer::singleShot(0, &w, [&] {
      chat = true;
      EXPECT_TRUE(w.PassportButton().isVisible());
      window_->CurrentSettings().WorldName = "A";  // invalid: the box is shut
      w.PassportButton().click();
      EXPECT_EQ(window_->CurrentSettings().WorldName, "Ida");
      EXPECT_TRUE(w.MessageBox().isEnabled()) << "a valid passport opens the message box";
      w.close();
    });
  };
  window_->World().OpenChat();
  EXPECT_TRUE(chat);
  bool top = false;
  window_->World().WorldTopTenShown = [&](TFormServerRead& w) {
    QTimer::singleShot(0, &w, [&] {
      top = true;
      EXPECT_TRUE(w.PassportButton().isVisible());
      w.PassportButton().click();
      w.close();
    });
  };
  window_->World().OpenWorldTopTen();
  EXPECT_TRUE(top);
  bool result = false;
  window_->World().ResultShown = [&](TFormServerWrite& w) {
    QTimer::singleShot(0, &w, [&] {
      result = true;
      window_->CurrentSettings().WorldName = "B";
      w.PassportButton().click();
      EXPECT_TRUE(w.PassportText().startsWith("Ida, Oslo")) << w.PassportText().toStdString();
      EXPECT_TRUE(w.SendButton().isEnabled());
      w.close();
    });
  };
  window_->World().ShowCycleResult(250);
  EXPECT_TRUE(result);
  EXPECT_EQ(opened, 3);
  window_->World().PassportShown = nullptr;
}

}  // namespace
}  // namespace tavlo::testing
