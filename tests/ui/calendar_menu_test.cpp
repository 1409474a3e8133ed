#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QPixmap>

#include "lang/calendar_day.h"
#include "lang/holiday_table.h"
#include "pictures/test_bundle.h"
#include "ui/calendar/calendar_install.h"
#include "ui/calendar/desk_calendar.h"
#include "ui/menu/main_menu.h"
#include "ui/pictures/picture_library.h"
#include "window_fixture.h"

namespace tavlo::testing {
namespace {

QDateTime At(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
  return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

// The menu's candlesticks stand where the calendar leaves them room: a 100 x 200 picture each.
std::vector<int> CandlestickLefts(MainWindow& window) {
  std::vector<int> lefts;
  for (QWidget* w : window.Menu().Controls()) {
    if (w->size() == QSize(100, 200) && w->y() == 30) lefts.push_back(w->x());
  }
  std::sort(lefts.begin(), lefts.end());
  return lefts;
}

// How many pixels of a page look like the given colour family.
int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixelColor(x, y)) ? 1 : 0;
  }
  return count;
}

bool IsRed(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }
bool IsReddish(QColor c) { return c.red() > 120 && c.red() > 2 * c.green() && c.red() > 2 * c.blue(); }
bool IsDark(QColor c) { return c.red() < 70 && c.green() < 70 && c.blue() < 70; }

class CalendarMenuTest : public WindowTest {
 protected:
  // Starts the window on the given day and opens the menu.
  void OpenMenuOn(const QDateTime& now) {
    StartWindow();
    ASSERT_TRUE(window->Started());
    clock = now;
    window->Calendar().Now = [this] { return clock; };
    window->LeaveTitle();
    ASSERT_TRUE(window->MenuShown());
  }
  DeskCalendar& Calendar() { return window->Calendar(); }

  QDateTime clock;
};

TEST_F(CalendarMenuTest, FirstStartInstallsTheLibraryAndAHolidayTurnsItsPages) {
  OpenMenuOn(At(2025, 5, 9));  // a Friday: Victory Day, 80 years on
  EXPECT_TRUE(std::filesystem::exists(Paths().ProgramFolder / "ZanCalendar01.rcc"));
  ASSERT_TRUE(Calendar().Shown());
  EXPECT_EQ(Calendar().ImCalL().geometry(), QRect(150, 95, 60, 100));
  EXPECT_EQ(Calendar().ImCalR().geometry(), QRect(550, 95, 60, 100));
  EXPECT_EQ(CandlestickLefts(*window), (std::vector<int>{40, 620}));
  EXPECT_TRUE(Calendar().Timer().isActive());
  EXPECT_EQ(Calendar().Timer().interval(), 10000);

  EXPECT_EQ(Calendar().PageCount(), 3);
  EXPECT_EQ(Calendar().ImCalL().toolTip(), "Taurus");
  EXPECT_EQ(Calendar().ImCalR().toolTip(), "Year Of The Snake");
  // Page 1 is the library's sheet with the red header, the day number in black (a weekday).
  const QImage day = Calendar().ImCalL().pixmap().toImage();
  ASSERT_EQ(day.size(), QSize(60, 100));
  EXPECT_GT(CountPixels(day, QRect(4, 6, 52, 10), IsReddish), 400);
  EXPECT_GT(CountPixels(day, QRect(10, 22, 40, 18), IsDark), 20);
  EXPECT_EQ(CountPixels(day, QRect(10, 22, 40, 18), IsRed), 0);

  const QImage chineseYear = Calendar().ImCalR().pixmap().toImage();
  Calendar().TimerCal();
  EXPECT_EQ(Calendar().ImCalR().toolTip(), "Victory Day (80-th anniversary, Russian Festival)");
  EXPECT_NE(Calendar().ImCalR().pixmap().toImage(), chineseYear);
  Calendar().TimerCal();
  EXPECT_EQ(Calendar().ImCalR().toolTip(), "Year Of The Snake");
  EXPECT_TRUE(notices.isEmpty()) << notices.join("\n").toStdString();
}

TEST_F(CalendarMenuTest, EveryWindowSizeKeepsTheCalendarClearOfTheMenu) {
  OpenMenuOn(At(2025, 12, 25));
  for (int mode : {1, 3, 4, 5, 2}) {
    SCOPED_TRACE(mode);
    window->CurrentSettings().WindowSizeMode = mode;
    window->ApplyWindowSize();
    ASSERT_TRUE(Calendar().Shown());
    const Layout& l = window->CurrentLayout();
    EXPECT_EQ(Calendar().ImCalL().geometry(), QRect(l.PlaceX(150, 60), l.PlaceY(95, 100), 60, 100));
    EXPECT_EQ(Calendar().ImCalR().geometry(), QRect(l.PlaceX(550, 60), l.PlaceY(95, 100), 60, 100));
    for (QLabel* page : {&Calendar().ImCalL(), &Calendar().ImCalR()}) {
      EXPECT_TRUE(window->rect().contains(page->geometry()));
      for (QWidget* w : window->Menu().Controls()) {
        const bool candlestick = w->size() == QSize(100, 200);
        if (candlestick || w->cursor().shape() == Qt::PointingHandCursor || qobject_cast<QAbstractButton*>(w)) {
          EXPECT_FALSE(page->geometry().intersects(w->geometry()))
              << w->metaObject()->className() << " at " << w->x() << "," << w->y();
        }
      }
    }
  }
}

TEST_F(CalendarMenuTest, SundayInRedAndADayWithoutHolidaysKeepsItsSecondPage) {
  OpenMenuOn(At(2023, 7, 2));  // a Sunday with nothing to celebrate
  ASSERT_TRUE(Calendar().Shown());
  EXPECT_EQ(Calendar().PageCount(), 2);
  EXPECT_GT(CountPixels(Calendar().ImCalL().pixmap().toImage(), QRect(10, 22, 40, 18), IsRed), 20);
  for (int tick = 0; tick < 3; ++tick) {
    Calendar().TimerCal();
    EXPECT_EQ(Calendar().ImCalR().toolTip(), "Year Of The Rabbit");
  }
}

TEST_F(CalendarMenuTest, LanguageChangeRebuildsThePages) {
  OpenMenuOn(At(2025, 5, 9));
  window->SetLanguage(1);
  EXPECT_EQ(Calendar().ImCalL().toolTip(), QString::fromUtf8("Телец"));
  Calendar().TimerCal();
  EXPECT_EQ(Calendar().ImCalR().toolTip(), QString::fromUtf8("День Победы (80-я годовщина, Российский праздник)"));
}

TEST_F(CalendarMenuTest, ANewDayAfterMidnightAndHiddenWhileAGameRuns) {
  OpenMenuOn(At(2026, 3, 20, 23, 59, 55));
  EXPECT_EQ(Calendar().ImCalL().toolTip(), "Pisces");
  clock = At(2026, 3, 21, 0, 0, 5);
  Calendar().TimerCal();
  EXPECT_EQ(Calendar().ImCalL().toolTip(), "Aries");
  // Later in the day the pages only turn.
  clock = At(2026, 3, 21, 0, 5, 0);
  const QImage page = Calendar().ImCalL().pixmap().toImage();
  Calendar().TimerCal();
  EXPECT_EQ(Calendar().ImCalL().pixmap().toImage(), page);
  // A machine that slept through midnight still turns to the new day on its next tick.
  clock = At(2026, 3, 22, 9, 30, 0);
  Calendar().TimerCal();
  EXPECT_NE(Calendar().ImCalL().pixmap().toImage(), page);

  window->StartSeries(PlayerSlot::NewPlayer, "Calendar");
  EXPECT_FALSE(Calendar().ImCalL().isVisible());
  EXPECT_FALSE(Calendar().ImCalR().isVisible());
  Calendar().TimerCal();
  EXPECT_FALSE(Calendar().Shown());
}

TEST_F(CalendarMenuTest, WithoutTheLibraryThereIsNoCalendarAndNoMessage) {
  StartWindow();
  ASSERT_TRUE(window->Started());
  std::filesystem::remove(Paths().ProgramFolder / "ZanCalendar01.rcc");
  window->LeaveTitle();
  EXPECT_FALSE(Calendar().ImCalL().isVisible());
  EXPECT_FALSE(Calendar().ImCalR().isVisible());
  EXPECT_FALSE(Calendar().Timer().isActive());
  EXPECT_EQ(CandlestickLefts(*window), (std::vector<int>{60, 600}));
  EXPECT_TRUE(notices.isEmpty()) << notices.join("\n").toStdString();
}

TEST_F(CalendarMenuTest, LibraryInTheParentFolderOrDamaged) {
  StartWindow();
  ASSERT_TRUE(window->Started());
  const std::filesystem::path installed = Paths().ProgramFolder / "ZanCalendar01.rcc";
  const std::filesystem::path parent = Paths().ParentFolder / "ZanCalendar01.rcc";
  std::filesystem::rename(installed, parent);
  window->LeaveTitle();
  EXPECT_TRUE(Calendar().Shown());

  // A file of that name that is no resource bundle counts as no library.
  std::filesystem::remove(parent);
  {
    QFile damaged(QString::fromStdString(installed.string()));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(BuiltInCalendarLibrary().left(300));
  }
  window->ShowMainMenu();
  EXPECT_FALSE(Calendar().ImCalL().isVisible());
  EXPECT_FALSE(Calendar().Timer().isActive());
  EXPECT_EQ(CandlestickLefts(*window), (std::vector<int>{60, 600}));
  EXPECT_TRUE(notices.isEmpty()) << notices.join("\n").toStdString();
}

TEST_F(CalendarMenuTest, ALibraryWithMissingOrOversizedPicturesStillShowsWhatItHas) {
  StartWindow();
  ASSERT_TRUE(window->Started());
  // Victory Day's picture is missing, Taurus is far larger than a page: both pages keep their sheet.
  std::filesystem::remove(Paths().ProgramFolder / "ZanCalendar01.rcc");
  ASSERT_TRUE(WriteBundle(Paths().ProgramFolder, "ZanCalendar01",
                          {{"R_BASE", Filled(QSize(60, 100), qRgb(0, 0, 255))},
                           {"R_02", Filled(QSize(2000, 2000), qRgb(0, 255, 0))},
                           {"R_VOSSNAK", Filled(QSize(54, 70), qRgb(255, 255, 0))}}));
  clock = At(2025, 5, 9);
  window->Calendar().Now = [this] { return clock; };
  window->LeaveTitle();
  ASSERT_TRUE(Calendar().Shown());
  const auto isBlue = [](QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; };
  const auto isGreen = [](QColor c) { return c.green() > 200 && c.red() < 60 && c.blue() < 60; };
  const auto isYellow = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 60; };
  const QImage day = Calendar().ImCalL().pixmap().toImage();
  EXPECT_EQ(CountPixels(day, day.rect(), isGreen), 0);
  EXPECT_GT(CountPixels(day, QRect(17, 65, 26, 30), isBlue), 700);
  EXPECT_GT(CountPixels(Calendar().ImCalR().pixmap().toImage(), QRect(3, 27, 54, 70), isYellow), 3500);
  Calendar().TimerCal();
  EXPECT_EQ(Calendar().ImCalR().toolTip(), "Victory Day (80-th anniversary, Russian Festival)");
  const QImage holiday = Calendar().ImCalR().pixmap().toImage();
  EXPECT_GT(CountPixels(holiday, QRect(3, 27, 54, 70), isBlue), 3500);
  EXPECT_TRUE(notices.isEmpty()) << notices.join("\n").toStdString();
}

TEST(CalendarInstallTest, InstallsOnceAndKeepsALibraryThatIsThere) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const std::filesystem::path folder = std::filesystem::path(home.path().toStdString()) / "game";
  ASSERT_FALSE(BuiltInCalendarLibrary().isEmpty());
  ASSERT_TRUE(InstallCalendarLibrary(folder));
  QFile installed(QString::fromStdString((folder / "ZanCalendar01.rcc").string()));
  ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
  EXPECT_EQ(installed.readAll(), BuiltInCalendarLibrary());
  installed.close();

  ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
  installed.write("somebody's own library");
  installed.close();
  EXPECT_TRUE(InstallCalendarLibrary(folder));
  ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
  EXPECT_EQ(installed.readAll(), QByteArray("somebody's own library"));
}

TEST(CalendarLibraryTest, HoldsEveryPictureTheCalendarAsksForAtItsSize) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::filesystem::path program = folder.path().toStdString();
  ASSERT_TRUE(InstallCalendarLibrary(program));
  const auto bundle = FindLibraryBundle({program}, "ZanCalendar01.dll");
  ASSERT_TRUE(bundle.has_value());

  std::map<std::string, QSize> wanted{{"R_BASE", QSize(60, 100)}};
  for (int k = 1; k <= 12; ++k) {
    wanted[ZodiacPicture(k)] = QSize(26, 30);
    wanted[ChineseYearPicture(k)] = QSize(54, 70);
  }
  for (const std::string& row : BuiltInHolidayTable()) wanted[ParseHolidayRow(row)->Res] = QSize(54, 70);
  for (const auto& [name, size] : wanted) {
    SCOPED_TRACE(name);
    const auto bytes = ReadLibraryResource(*bundle, QString::fromStdString(name));
    ASSERT_TRUE(bytes.has_value());
    QImage picture;
    ASSERT_TRUE(picture.loadFromData(*bytes, "PNG"));
    EXPECT_EQ(picture.size(), size);
    EXPECT_TRUE(picture.hasAlphaChannel());
  }
}

}  // namespace
}  // namespace tavlo::testing
