// The recorder on a stand-in window: what it keeps of the ticks, its limit, its files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QWidget>
#include <filesystem>
#include <fstream>

#include "ui/pictures/picture_registry.h"
#include "ui/recording/game_recorder.h"
#include "ui/recording/recording_banner.h"
#include "ui/widgets/font_roles.h"
#include "window_waits.h"

namespace tavlo::testing {
namespace {

namespace fs = std::filesystem;

struct GifInfo {
  int frames = 0;
  QSize size;
  std::vector<int> delays;
};

GifInfo ReadGif(const QString& path) {
  QImageReader reader(path, "gif");
  GifInfo info;
  info.frames = reader.imageCount();
  info.size = reader.size();
  for (int i = 0; i < info.frames && !reader.read().isNull(); ++i) info.delays.push_back(reader.nextImageDelay());
  return info;
}

class RecorderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    window.setFixedSize(760, 500);
    background = QImage(760, 500, QImage::Format_RGB32);
    background.fill(QColor(30, 90, 200));
    settings.SaveGamesAsGif = true;
    settings.GifDelay = 300;
    recorder = std::make_unique<GameRecorder>(window, background, pictures, fonts, Folder());
    // Each picture is the one the test last painted.
    recorder->Grab = [this] { return picture; };
    recorder->Now = [] { return QDateTime(QDate(2022, 10, 18), QTime(14, 5, 33)); };
    QObject::connect(recorder.get(), &GameRecorder::SaveFailed,
                     [this](const QString& a, const QString& b) { failures << a + "|" + b; });
    picture = Picture(0);
  }
  void TearDown() override { recorder.reset(); }

  fs::path Folder() const { return fs::path(home.path().toStdString()); }
  QString GifFolder() const { return home.path() + "/GIFGame"; }
  QStringList Files() const { return QDir(GifFolder()).entryList(QDir::Files, QDir::Name); }

  // A different picture for every n.
  static QImage Picture(int n) {
    QImage image(760, 500, QImage::Format_RGB32);
    image.fill(QColor(0, 100, 50));
    image.setPixel(n % 760, (n / 760) % 500, qRgb(255, 255, 255));
    return image;
  }

  QTemporaryDir home;
  QWidget window;
  QImage background;
  PictureRegistry pictures{{}};
  FontRoles fonts;
  Settings settings;
  std::unique_ptr<GameRecorder> recorder;
  QImage picture;
  QStringList failures;
};

TEST_F(RecorderTest, RecordsOnlyWhenAskedAndOnlyInTheSmallWindow) {
  const struct {
    bool on;
    int mode;
    bool records;
  } cases[] = {{true, 1, true}, {false, 1, false}, {true, 2, false}, {true, 3, false}, {true, 5, false}};
  for (const auto& c : cases) {
    settings.SaveGamesAsGif = c.on;
    settings.WindowSizeMode = c.mode;
    recorder->Start(settings);
    EXPECT_EQ(recorder->Recording(), c.records) << c.on << " " << c.mode;
    EXPECT_EQ(recorder->TimerGIF().isActive(), c.records);
    recorder->UsePlainBackground(settings);
    EXPECT_EQ(recorder->PlainBackground(), c.records);
    recorder->RestoreBackground();
    recorder->Save();
  }
  EXPECT_EQ(Files().size(), 1u);
}

// The deal is drawn on the plain background while it is recorded; leaving the game brings the
// table's own background back.
TEST_F(RecorderTest, ARecordedDealUsesThePlainBackground) {
  const QImage own = background;
  recorder->UsePlainBackground(settings);
  EXPECT_EQ(background, pictures.Picture("GIFBackGr", QSize(760, 500)));
  recorder->UsePlainBackground(settings);  // the next deal of the game
  recorder->RestoreBackground();
  EXPECT_EQ(background, own);
}

TEST_F(RecorderTest, IdenticalTicksAddNoFrame) {
  recorder->Start(settings);
  ASSERT_EQ(recorder->FrameCount(), 1);
  for (int tick = 0; tick < 5; ++tick) recorder->Capture();
  EXPECT_EQ(recorder->FrameCount(), 1);
  picture = Picture(1);
  recorder->Capture();
  recorder->Capture();
  EXPECT_EQ(recorder->FrameCount(), 2);
  picture = Picture(0);
  recorder->Capture();
  EXPECT_EQ(recorder->FrameCount(), 3);  // back to an earlier picture is a change all the same
}

// Ticks are taken by TimerGIF every 100 ms, but not while the window's thread is held.
TEST_F(RecorderTest, TheTimerCapturesExceptWhileTheWindowIsHeld) {
  bool held = true;
  int ticks = 0;
  int n = 0;
  recorder->Held = [&held] { return held; };
  recorder->Grab = [&n] { return Picture(n++); };
  QObject::connect(&recorder->TimerGIF(), &QTimer::timeout, [&ticks] { ++ticks; });
  recorder->Start(settings);
  EXPECT_EQ(recorder->TimerGIF().interval(), 100);
  ASSERT_TRUE(WaitUntil([&] { return ticks >= 3; }));
  EXPECT_EQ(recorder->FrameCount(), 1);
  held = false;
  ASSERT_TRUE(WaitUntil([&] { return recorder->FrameCount() >= 3; }));
}

// From the 250th frame on nothing is added, not even the deal's final frame; the file is written.
TEST_F(RecorderTest, KeepsTheFirst250Frames) {
  settings.GifDelay = 10;
  int n = 0;
  recorder->Grab = [&n] { return Picture(n++); };
  recorder->Start(settings);
  for (int tick = 0; tick < 300; ++tick) recorder->Capture();
  EXPECT_EQ(recorder->FrameCount(), GameRecorder::kMaxFrames);
  EXPECT_EQ(n, GameRecorder::kMaxFrames);  // a full recording takes no more pictures at all
  recorder->FinishDeal();
  EXPECT_FALSE(recorder->Recording());
  ASSERT_EQ(Files(), QStringList{"2022.10.18-14.05.33.gif"});

  const GifInfo gif = ReadGif(GifFolder() + "/" + Files().front());
  EXPECT_EQ(gif.frames, 250);
  EXPECT_EQ(gif.size, QSize(760, 500));
  ASSERT_EQ(gif.delays.size(), 250u);
  // 10 ms is written as the shortest delay players honour.
  EXPECT_EQ(gif.delays.front(), 20);
  EXPECT_EQ(gif.delays[248], 20);
  EXPECT_EQ(gif.delays.back(), 5000);
}

// The end of a deal adds its final picture and saves; a second deal saved within the same second
// keeps the first file.
TEST_F(RecorderTest, TwoDealsSavedInOneSecondAreBothKept) {
  QStringList saved;
  QObject::connect(recorder.get(), &GameRecorder::Saved, [&saved](const QString& path) { saved << path; });
  recorder->Start(settings);
  picture = Picture(1);
  recorder->Capture();
  picture = Picture(2);
  recorder->FinishDeal();  // the final picture is frame 3

  picture = Picture(5);
  recorder->Start(settings);
  recorder->Save();  // leaving the game with one frame

  ASSERT_EQ(Files(), (QStringList{"2022.10.18-14.05.33.gif", "2022.10.18-14.05.33_2.gif"}));
  EXPECT_EQ(saved, (QStringList{GifFolder() + "/2022.10.18-14.05.33.gif", GifFolder() + "/2022.10.18-14.05.33_2.gif"}));
  const GifInfo first = ReadGif(saved[0]);
  EXPECT_EQ(first.frames, 3);
  EXPECT_EQ(first.delays, (std::vector<int>{300, 300, 5000}));
  const GifInfo second = ReadGif(saved[1]);
  EXPECT_EQ(second.frames, 1);
  EXPECT_EQ(second.delays, std::vector<int>{5000});
  EXPECT_TRUE(failures.isEmpty());
}

// The folder cannot be made: the notice says so, what was there stays, the recording ends.
TEST_F(RecorderTest, AFailedWriteKeepsWhatWasThereAndSaysSo) {
  { std::ofstream(Folder() / "GIFGame") << "someone's file"; }
  recorder->Word = [](WordId word) {
    return word == WordId::DiskWriteError ? QString("Error of disk writing!") : QString();
  };
  recorder->Start(settings);
  recorder->Save();
  ASSERT_EQ(failures.size(), 1);
  EXPECT_TRUE(failures[0].startsWith("Error of disk writing!|" + GifFolder())) << failures[0].toStdString();
  EXPECT_TRUE(recorder->LastFile().isEmpty());
  EXPECT_FALSE(recorder->Recording());
  EXPECT_FALSE(recorder->TimerGIF().isActive());
  QFile kept(GifFolder());
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "someone's file");
}

// "Save screen contents": the frames are the screen inside the window's outer rectangle, so
// whatever lies over the window is recorded too.
TEST_F(RecorderTest, ScreenContentsIncludeWhatLiesOverTheWindow) {
  window.move(40, 30);
  window.show();
  ASSERT_TRUE(WaitUntil([&] { return window.isVisible(); }));
  QWidget over;
  over.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  over.setGeometry(window.geometry().left() + 10, window.geometry().top() + 10, 60, 40);
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(250, 0, 250));
  over.setPalette(palette);
  over.setAutoFillBackground(true);
  over.show();
  QApplication::processEvents();

  recorder->Grab = nullptr;
  settings.GifArea = 2;
  recorder->Start(settings);
  recorder->Save();
  ASSERT_EQ(Files().size(), 1u);
  QImageReader reader(GifFolder() + "/" + Files().front(), "gif");
  EXPECT_EQ(reader.size(), window.frameGeometry().size());
  const QImage frame = reader.read();
  const QPoint inside = window.geometry().topLeft() - window.frameGeometry().topLeft() + QPoint(30, 25);
  EXPECT_EQ(frame.pixelColor(inside), QColor(250, 0, 250));
}

// While the file is written the banner stands centred over the window; afterwards it is gone.
TEST_F(RecorderTest, TheBannerShowsWhileTheFileIsWritten) {
  window.show();
  QRect shownAt;
  recorder->Now = [&] {
    if (auto* banner = window.findChild<RecordingBanner*>(); banner && banner->isVisible())
      shownAt = banner->geometry();
    return QDateTime(QDate(2022, 10, 18), QTime(14, 5, 33));
  };
  recorder->Start(settings);
  recorder->Save();
  EXPECT_EQ(shownAt, QRect(292, 230, 175, 40));
  EXPECT_EQ(window.findChild<RecordingBanner*>(), nullptr);
}

}  // namespace
}  // namespace tavlo::testing
