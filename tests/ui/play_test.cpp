#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "game/trick.h"
#include "records/club_file.h"
#include "records/member_line.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/menu/main_menu.h"
#include "ui/table/table_screen.h"
#include "ui/widgets/zan_button.h"
#include "window_fixture.h"

namespace tavlo::testing {
namespace {

// Clicks the visible strip of a card of a hand on the table.
void ClickCard(MainWindow& window, int seat, int slot) {
  PictureBox& hand = window.Table().Hand(seat);
  const int x = window.Table().CardLeft(seat)[static_cast<std::size_t>(slot - 1)] + 3;
  QTest::mouseClick(&hand, Qt::LeftButton, {}, QPoint(x, 10));
}

// Types a name and the password twice into the name dialog and confirms it.
void FillNewPlayer(QWidget* modal, const QString& name, const QString& password, const QString& repeat) {
  auto* dialog = qobject_cast<TFormPassword*>(modal);
  ASSERT_NE(dialog, nullptr);
  dialog->NameEdit().clear();
  QTest::keyClicks(&dialog->NameEdit(), name);
  QTest::keyClicks(&dialog->PasswordEdit(), password);
  QTest::keyClicks(&dialog->RepeatEdit(), repeat);
  QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
}

TEST_F(WindowTest, ANewPlayerPlaysAWholeDealWithTheMouseAndIsRecorded) {
  StartWindow(2025);
  window->CurrentSettings().FlyCardsOn = false;
  window->LeaveTitle();
  int sheets = 0;
  window->ScoreSheetShown = [&sheets](TFormDiscard& sheet) {
    ++sheets;
    QTimer::singleShot(0, &sheet, &QDialog::accept);
  };

  // Two different passwords are refused with a notice and the dialog stays open; then the
  // player gets them right.
  OnNextModal([this](QWidget* modal) {
    FillNewPlayer(modal, "Tester", "abc", "abd");
    EXPECT_TRUE(modal->isVisible());
    auto* dialog = qobject_cast<TFormPassword*>(modal);
    dialog->PasswordEdit().clear();
    dialog->RepeatEdit().clear();
    FillNewPlayer(modal, "Tester", "abc", "abc");
  });
  QTest::mouseClick(&window->Menu().NewPlayerButton(), Qt::LeftButton);
  ASSERT_EQ(notices.size(), 1);
  ASSERT_TRUE(window->GameShown());
  const GameState& s = window->TheGame().State();
  EXPECT_EQ(s.SeatNames[4], "Tester");
  EXPECT_EQ(s.KonNo, 1);

  TZanCardsButton& start = window->Table().StartButton();
  ASSERT_TRUE(start.isEnabled());
  QTest::mouseClick(&start, Qt::LeftButton);

  bool revokeTried = false;
  int playerCards = 0;
  while (s.Turn != turn::kDealScored) {
    const int seat = SeatToPlay(s);
    if (s.Turn == turn::kTrickComplete) {
      ASSERT_TRUE(WaitFor([&] { return start.isEnabled(); }));
      QTest::mouseClick(&start, Qt::LeftButton);
    } else if (seat != 0 && window->Flow().PlayerControls(seat)) {
      int revoke = 0, legal = 0;
      for (int slot = 1; slot <= s.CardsLeft[seat]; ++slot) {
        if (IsLegalPlay(s, seat, slot)) {
          if (legal == 0) legal = slot;
        } else if (revoke == 0) {
          revoke = slot;
        }
      }
      if (revoke != 0 && !revokeTried) {
        const GameState before = s;
        ClickCard(*window, seat, revoke);
        EXPECT_EQ(s, before) << "a revoke was played";
        revokeTried = true;
      }
      ASSERT_NE(legal, 0);
      const int cardsBefore = s.CardsLeft[seat];
      ClickCard(*window, seat, legal);
      ASSERT_EQ(s.CardsLeft[seat], cardsBefore - 1) << "the click did not play the card";
      ++playerCards;
    } else {
      // The computer's seats move on the window's timer.
      const std::uint8_t turnBefore = s.Turn;
      ASSERT_TRUE(WaitFor([&] { return s.Turn != turnBefore; })) << "stuck at Turn " << int(s.Turn);
    }
  }
  EXPECT_TRUE(revokeTried);
  EXPECT_GE(playerCards, 13);  // South's own cards, and North's while North is the dummy
  EXPECT_EQ(sheets, 1);

  // The series may end after a deal against the computer.
  TZanCardsButton& exit = window->Table().ExitButton();
  ASSERT_TRUE(exit.isEnabled());
  const std::int32_t result = s.SeriesResult;
  QTest::mouseClick(&exit, Qt::LeftButton);
  EXPECT_TRUE(window->MenuShown());
  EXPECT_FALSE(window->GameShown());

  const ClubFileContents club = ReadClubFile(window->Files().Local);
  ASSERT_EQ(club.Status, ClubRead::Read);
  EXPECT_EQ(QString::fromStdString(MemberNameOf(club.Lines[1])).trimmed(), "Tester");
  EXPECT_EQ(MemberKonOf(club.Lines[1]), 1);
  EXPECT_EQ(MemberScoreOf(club.Lines[1]), result);
  bool history = false;
  for (const auto& entry : std::filesystem::directory_iterator(window->Files().History)) history = history || entry.is_regular_file();
  EXPECT_TRUE(history);
}

}  // namespace
}  // namespace tavlo::testing
