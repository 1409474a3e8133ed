// Recording whole deals through the window: the three moments of saving and the files they leave.
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTimer>

#include "game_steps.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/pictures/picture_registry.h"
#include "ui/recording/game_recorder.h"
#include "window_fixture.h"

namespace tavlo::testing {
namespace {

class RecordingTest : public WindowTest {
 protected:
  void StartRecordedSeries() {
    StartWindow(2026);
    Settings& settings = window->CurrentSettings();
    settings.SaveGamesAsGif = true;
    settings.GifDelay = 400;
    settings.FlyCardsOn = false;
    window->LeaveTitle();
    window->ScoreSheetShown = [](TFormDiscard& sheet) { QTimer::singleShot(0, &sheet, &QDialog::accept); };
    window->StartSeries(PlayerSlot::NewPlayer, "Tester");
    ASSERT_TRUE(window->GameShown());
  }

  // One step of the game, then a tick of the recorder.
  void Step() {
    PlayOneStep(*window);
    window->Recorder().Capture();
  }

  QString GifFolder() const { return home.path() + "/game/GIFGame"; }
  QStringList Files() const { return QDir(GifFolder()).entryList({"*.gif"}, QDir::Files, QDir::Name); }
};

// A whole deal recorded headless: Qt reads the file back with every frame the recorder kept, the
// window's size, the chosen delay and the long last frame, which shows the end of the deal.
TEST_F(RecordingTest, ADealIsRecordedAndSavedAtItsEnd) {
  StartRecordedSeries();
  GameRecorder& recorder = window->Recorder();
  const QImage plain = window->Pictures().Picture("GIFBackGr", QSize(760, 500));
  EXPECT_EQ(window->Background(), plain);
  ASSERT_TRUE(recorder.Recording());
  EXPECT_EQ(recorder.FrameCount(), 1);
  recorder.Capture();
  EXPECT_EQ(recorder.FrameCount(), 1) << "nothing changed, yet a frame was added";

  const GameState& s = window->TheGame().State();
  for (int steps = 0; s.Turn != turn::kDealScored && steps < 400; ++steps) Step();
  ASSERT_EQ(s.Turn, turn::kDealScored);
  EXPECT_FALSE(recorder.Recording());
  ASSERT_EQ(Files().size(), 1u);
  EXPECT_TRUE(notices.isEmpty()) << notices.join("\n").toStdString();
  const QImage endOfDeal = window->grab().toImage().convertToFormat(QImage::Format_RGB32);

  QImageReader reader(GifFolder() + "/" + Files().front(), "gif");
  const int frames = reader.imageCount();
  EXPECT_EQ(frames, recorder.LastFrames());
  EXPECT_GE(frames, 30);  // at least every trick, gathered or not, looks different
  EXPECT_LE(frames, GameRecorder::kMaxFrames);
  EXPECT_EQ(reader.size(), QSize(760, 500));
  QImage last;
  for (int i = 0; i < frames; ++i) {
    last = reader.read();
    ASSERT_FALSE(last.isNull()) << "frame " << i << ": " << reader.errorString().toStdString();
    EXPECT_EQ(reader.nextImageDelay(), i + 1 < frames ? 400 : 5000) << "frame " << i;
  }
  last.convertTo(QImage::Format_RGB32);
  ASSERT_EQ(last.size(), endOfDeal.size());
  double difference = 0;
  for (int y = 0; y < last.height(); ++y) {
    for (int x = 0; x < last.width(); ++x) {
      const QRgb a = last.pixel(x, y), b = endOfDeal.pixel(x, y);
      difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
  }
  EXPECT_LT(difference / (3.0 * last.width() * last.height()), 2.0) << "the last frame is not the end of the deal";

  // The series ends: nothing more is written and the menu has its own background again.
  window->Flow().OnExitToMenu();
  ASSERT_TRUE(window->MenuShown());
  EXPECT_NE(window->Background(), plain);
  EXPECT_EQ(Files().size(), 1u);
}

// Leaving the game to the menu and closing the program in the middle of a deal keep what was
// recorded so far.
TEST_F(RecordingTest, LeavingOrClosingMidDealSavesTheDealSoFar) {
  StartRecordedSeries();
  for (int steps = 0; steps < 12; ++steps) Step();
  const int sofar = window->Recorder().FrameCount();
  ASSERT_GT(sofar, 1);
  ASSERT_TRUE(window->Flow().OnQuit());
  ASSERT_EQ(Files().size(), 1u);
  EXPECT_EQ(window->Recorder().LastFrames(), sofar);
  EXPECT_EQ(QImageReader(GifFolder() + "/" + Files().front(), "gif").imageCount(), sofar);

  window->StartSeries(PlayerSlot::NewPlayer, "Tester");
  ASSERT_TRUE(window->Recorder().Recording());
  Step();
  window->close();
  EXPECT_FALSE(window->Recorder().Recording());
  EXPECT_EQ(Files().size(), 2u);
  for (const QString& file : Files()) EXPECT_GE(QImageReader(GifFolder() + "/" + file, "gif").imageCount(), 1);
  EXPECT_TRUE(notices.isEmpty()) << notices.join("\n").toStdString();
}

// A save cut short by a crash leaves only its temporary file; the next start clears it away and
// keeps the recordings.
TEST_F(RecordingTest, TheStartRemovesWhatAnInterruptedSaveLeft) {
  ASSERT_TRUE(QDir().mkpath(GifFolder()));
  const auto write = [this](const QString& name) {
    QFile file(GifFolder() + "/" + name);
    return file.open(QIODevice::WriteOnly) && file.write("GIF89a") == 6;
  };
  ASSERT_TRUE(write(".2022.10.18-14.05.33.gif.a1B2c3"));
  ASSERT_TRUE(write("2022.10.18-14.05.33.gif"));
  StartWindow();
  EXPECT_EQ(QDir(GifFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"2022.10.18-14.05.33.gif"});
}

}  // namespace
}  // namespace tavlo::testing
