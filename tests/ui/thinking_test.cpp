// The computer thinking on its worker thread while the window goes on painting and answering.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "game/trick.h"
#include "game_steps.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/table/table_screen.h"
#include "ui/thinking/background_thinker.h"
#include "ui/widgets/zan_button.h"
#include "window_fixture.h"

namespace tavlo::testing {
namespace {

// A chooser that shows some progress and then holds the worker until the test lets it go
// (or the thinker asks it to stop), then plays the first legal card.
class HeldChooser : public CardChooser {
 public:
  explicit HeldChooser(BackgroundThinker& thinker) : thinker_(thinker) {}

  int ChooseCard(const GameState& state, int seat) override {
    thinker_.ShowProgress(40);
    entered = true;
    std::unique_lock lock(mutex_);
    while (!released_ && !thinker_.StopFlag().load()) wake_.wait_for(lock, std::chrono::milliseconds(5));
    stopped = thinker_.StopFlag().load();
    int slot = 1;
    while (slot < 13 && !IsLegalPlay(state, seat, slot)) ++slot;
    chosen = slot;
    return slot;
  }

  void Release() {
    {
      const std::lock_guard lock(mutex_);
      released_ = true;
    }
    wake_.notify_all();
  }

  std::atomic<bool> entered{false};
  std::atomic<bool> stopped{false};
  std::atomic<int> chosen{0};

 private:
  BackgroundThinker& thinker_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool released_ = false;
};

// Pixels of the progress bar's light red fill in a picture of the window.
int ProgressPixels(MainWindow& window) {
  const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) count += shot.pixel(x, y) == qRgb(255, 200, 200) ? 1 : 0;
  }
  return count;
}

class ThinkingTest : public WindowTest {
 protected:
  // A new player's series with West to lead (the first deal's dummy is North).
  void StartSeries(std::uint64_t seed) {
    StartWindow(seed);
    window->CurrentSettings().FlyCardsOn = false;
    window->LeaveTitle();
    window->ScoreSheetShown = [](TFormDiscard& sheet) { QTimer::singleShot(0, &sheet, &QDialog::accept); };
    window->StartSeries(PlayerSlot::NewPlayer, "Tester");
    ASSERT_TRUE(window->GameShown());
  }
};

TEST_F(ThinkingTest, TheWindowPaintsAndAnswersWhileTheComputerThinks) {
  StartSeries(5);
  HeldChooser held(window->Thinker());
  window->Thinker().SetChooser(&held);
  const GameState& s = window->TheGame().State();
  ASSERT_EQ(ProgressPixels(*window), 0);

  QTest::mouseClick(&window->Table().StartButton(), Qt::LeftButton);
  ASSERT_EQ(SeatToPlay(s), 1);
  ASSERT_TRUE(WaitFor([&] { return held.entered.load(); }));

  // The worker holds the choice: the progress indicator is painted, timers run, and the
  // game waits for the card.
  EXPECT_TRUE(WaitFor([&] { return ProgressPixels(*window) > 0; }));
  bool timerRan = false;
  QTimer::singleShot(0, [&timerRan] { timerRan = true; });
  EXPECT_TRUE(WaitFor([&] { return timerRan; }));
  EXPECT_TRUE(window->Thinker().Busy());
  EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  window->Flow().OnTimer1Deferred();  // a stray tick changes nothing
  for (int i = 0; i < 5; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(s.TrickPos, 1);
  EXPECT_EQ(s.CardsLeft[1], 13);

  held.Release();
  ASSERT_TRUE(WaitFor([&] { return s.TrickPos == 2; }));
  EXPECT_EQ(s.CardsLeft[1], 12);
  EXPECT_FALSE(held.stopped.load());
  EXPECT_FALSE(window->Thinker().Busy());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(ProgressPixels(*window), 0) << "the indicator's area is restored";
  window->Thinker().SetChooser(nullptr);
}

TEST_F(ThinkingTest, LeavingOrClosingWhileTheComputerThinks) {
  StartSeries(6);
  auto held = std::make_unique<HeldChooser>(window->Thinker());
  window->Thinker().SetChooser(held.get());
  const GameState& s = window->TheGame().State();
  QTest::mouseClick(&window->Table().StartButton(), Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return held->entered.load(); }));

  // Leaving for the menu: the answer that comes later is dropped.
  answer = true;
  ASSERT_TRUE(window->Flow().OnQuit());
  EXPECT_FALSE(window->GameShown());
  held->Release();
  ASSERT_TRUE(WaitFor([&] { return !window->Thinker().Busy(); }));
  for (int i = 0; i < 5; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(s.CardsLeft[1], 13);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  // A new series thinks again; closing the window stops the held choice and joins the worker.
  held = std::make_unique<HeldChooser>(window->Thinker());
  window->Thinker().SetChooser(held.get());
  window->StartSeries(PlayerSlot::NewPlayer, "Tester");
  QTest::mouseClick(&window->Table().StartButton(), Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return held->entered.load(); }));
  window->AskYesNo = [](const QString&) { return true; };
  window->close();
  window.reset();
  EXPECT_TRUE(held->stopped.load());
}

// The same seeded window plays the same cards whether the computer thinks on the worker
// (the timer's ticks) or at once on the window's thread (the flow's own tick).
TEST_F(ThinkingTest, TheWorkerChoosesTheSameCardsAsTheWindowsThread) {
  constexpr int kTricks = 3;
  const auto handsAfter = [](MainWindow& w) { return w.TheGame().State().Hands; };

  StartSeries(77);
  const GameState* s = &window->TheGame().State();
  while (s->TrickNo <= kTricks && s->Turn != turn::kDealScored) {
    if (s->TrickNo == kTricks && s->Turn == turn::kTrickComplete) break;
    PlayOneStep(*window);
  }
  ASSERT_EQ(s->Turn, turn::kTrickComplete);
  const auto direct = handsAfter(*window);
  const auto directTaken = s->Taken;
  window->AskYesNo = [](const QString&) { return true; };
  window->close();
  window.reset();

  StartSeries(77);
  s = &window->TheGame().State();
  TZanCardsButton& start = window->Table().StartButton();
  QTest::mouseClick(&start, Qt::LeftButton);
  while (!(s->TrickNo == kTricks && s->Turn == turn::kTrickComplete)) {
    const int seat = SeatToPlay(*s);
    if (s->Turn == turn::kTrickComplete) {
      ASSERT_TRUE(WaitFor([&] { return start.isEnabled(); }));
      QTest::mouseClick(&start, Qt::LeftButton);
    } else if (seat != 0 && window->Flow().PlayerControls(seat)) {
      int slot = 1;
      while (!IsLegalPlay(*s, seat, slot)) ++slot;
      ASSERT_TRUE(window->Flow().OnPlayerCard(seat, slot));
    } else {
      // The timer's tick sends the computer's choice to the worker.
      const int cardsLeft = s->CardsLeft[1] + s->CardsLeft[2] + s->CardsLeft[3] + s->CardsLeft[4];
      ASSERT_TRUE(
          WaitFor([&] { return s->CardsLeft[1] + s->CardsLeft[2] + s->CardsLeft[3] + s->CardsLeft[4] < cardsLeft; }));
    }
  }
  EXPECT_EQ(handsAfter(*window), direct);
  EXPECT_EQ(s->Taken, directTaken);
}

}  // namespace
}  // namespace tavlo::testing
