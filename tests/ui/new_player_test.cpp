// What a new player meets in the first minutes: the boards at a new deal, the full-screen
// window, the score sheet's figures and the questions in the player's language.
#include <QAbstractButton>
#include <QCheckBox>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <set>
#include <QFontMetrics>
#include <QMessageBox>
#include <QAction>
#include <QTest>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include "game/seats.h"
#include "game/trick.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/menu/main_menu.h"
#include "ui/menu/title_screen.h"
#include "ui/widgets/program_cursors.h"
#include "lang/word_table.h"
#include "ui/table/info_board_hint.h"
#include "ui/table/player_aids.h"
#include "ui/table/table_cues.h"
#include "ui/table/table_screen.h"
#include "ui/widgets/zan_button.h"
#include "game_steps.h"
#include "window_fixture.h"

namespace tavlo::testing {
namespace {

// Plays the running deal until its score sheet has been shown and closed.
void PlayToTheEndOfTheDeal(MainWindow& window) {
  const GameState& s = window.TheGame().State();
  while (s.Turn != turn::kDealScored) PlayOneStep(window);
}

TEST_F(WindowTest, ScoreBoardsShowNoDealPointsAtTheStartOfADealOrASeries) {
  StartWindow(4242);
  window->CurrentSettings().FlyCardsOn = false;
  window->ScoreSheetShown = [](TFormDiscard& sheet) { QTimer::singleShot(0, &sheet, &QDialog::accept); };
  window->LeaveTitle();
  window->StartSeries(PlayerSlot::NewPlayer, "Ann");
  TableScreen& table = window->Table();
  PlayToTheEndOfTheDeal(*window);
  // The scored deal is on both boards...
  ASSERT_NE(table.ShownDealPoints(1), kBoardClear);
  ASSERT_NE(table.ShownDealPoints(2), kBoardClear);

  // ...and gone when the next deal is dealt,
  window->Flow().OnStartOrOk();
  ASSERT_EQ(window->TheGame().State().DealPhase, 1);
  EXPECT_EQ(table.ShownDealPoints(1), kBoardClear);
  EXPECT_EQ(table.ShownDealPoints(2), kBoardClear);

  // and when another player starts a new series from the menu after a scored deal.
  PlayToTheEndOfTheDeal(*window);
  ASSERT_NE(table.ShownDealPoints(2), kBoardClear);
  QTest::mouseClick(&table.ExitButton(), Qt::LeftButton);
  ASSERT_TRUE(window->MenuShown());
  window->StartSeries(PlayerSlot::NewPlayer, "Bob");
  EXPECT_EQ(table.ShownDealPoints(1), kBoardClear);
  EXPECT_EQ(table.ShownDealPoints(2), kBoardClear);
}

// In every language the five figure lines of both blocks stay apart: "Slams" never runs onto
// the red band of "All", a caption never runs into its value, and the side labels fit.
TEST_F(WindowTest, ScoreSheetFiguresAndSideLabelsAreReadableInEveryLanguage) {
  StartWindow(77);
  window->CurrentSettings().FlyCardsOn = false;
  window->LeaveTitle();
  window->StartSeries(PlayerSlot::NewPlayer, "Ann");
  // A few tricks in, so the values are not all single zeros.
  const GameState& s = window->TheGame().State();
  while (s.TrickNo < 8) PlayOneStep(*window);
  for (int language = 0; language < 10; ++language) {
    SCOPED_TRACE(language);
    window->SetLanguage(language);
    int sheets = 0;
    window->ScoreSheetShown = [&](TFormDiscard& sheet) {
      ++sheets;
      const QRect block(0, 0, kFigureBlockWidth, kFigureBlockHeight);
      for (int side = 1; side <= 2; ++side) {
        SCOPED_TRACE(side);
        const FigureBlockLayout layout = sheet.BlockLayout(side);
        EXPECT_TRUE(block.contains(layout.Band));
        for (int line = 0; line < 4; ++line) {
          EXPECT_FALSE(layout.Ink[static_cast<std::size_t>(line)].intersects(layout.Band))
              << "line " << line << " runs onto the band of the total";
        }
        EXPECT_TRUE(layout.Band.contains(layout.Ink[4])) << "the total leaves its band";
        const QStringList values = sheet.FigureTexts(side);
        for (int line = 0; line < 5; ++line) {
          EXPECT_TRUE(block.contains(layout.Ink[static_cast<std::size_t>(line)])) << "line " << line;
          // The caption ends before its value begins.
          const QFontMetrics figures(sheet.BlockFont());
          const int captionRight = kFigureCaptionLeft + figures.horizontalAdvance(sheet.Caption(line));
          const int valueLeft = kFigureValueRight - figures.horizontalAdvance(values[line]);
          EXPECT_LT(captionRight, valueLeft) << sheet.Caption(line).toStdString();
        }
        const QFontMetrics label(sheet.SideLabelFont());
        // Room between the two compass pictures at the label's ends.
        EXPECT_LE(label.horizontalAdvance(sheet.SideName(side)), sheet.SideLabelRect(side).width() - 2 * 26)
            << sheet.SideName(side).toStdString();
      }
      EXPECT_NE(sheet.SideName(1), sheet.SideName(2));
      QTimer::singleShot(0, &sheet, &QDialog::accept);
    };
    window->ShowScoreSheet(false, {});
    EXPECT_EQ(sheets, 1);
  }
}

// The question boxes answer in the player's language, not the desktop's.
TEST_F(WindowTest, QuestionButtonsSpeakThePlayersLanguage) {
  StartWindow();
  struct Case {
    int language;
    const char* yes;
    const char* no;
    bool clickYes;
  };
  for (const Case& c : {Case{0, "Yes", "No", true}, Case{1, "Да", "Нет", false}, Case{2, "Ja", "Nein", true},
                        Case{5, "是", "否", false}}) {
    SCOPED_TRACE(c.language);
    window->SetLanguage(c.language);
    QStringList buttons;
    OnNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      QAbstractButton* chosen = nullptr;
      for (QAbstractButton* b : box->buttons()) {
        buttons << b->text();
        if (b->text() == QString::fromUtf8(c.clickYes ? c.yes : c.no)) chosen = b;
      }
      ASSERT_NE(chosen, nullptr);
      chosen->click();
    });
    EXPECT_EQ(window->AskInLanguage("?"), c.clickYes);
    EXPECT_TRUE(buttons.contains(QString::fromUtf8(c.yes))) << buttons.join(",").toStdString();
    EXPECT_TRUE(buttons.contains(QString::fromUtf8(c.no))) << buttons.join(",").toStdString();
  }
}

// "Red mouse cursor" puts the program's own pointers on the window, its buttons and its dialogs,
// and taking the tick off gives the desktop's back, while the options are still open.
TEST_F(WindowTest, RedMouseCursorGivesTheProgramsOwnPointers) {
  StartWindow();
  window->LeaveTitle();
  ASSERT_TRUE(window->CurrentSettings().OwnCursor);  // on by default
  const QImage ownArrow = OwnPointerPicture(PointerKind::Arrow);
  const QImage ownHand = OwnPointerPicture(PointerKind::Hand);
  const auto wears = [](const QWidget& w, const QImage& picture) {
    return w.cursor().shape() == Qt::BitmapCursor && w.cursor().pixmap().toImage().convertToFormat(picture.format()) == picture;
  };
  EXPECT_TRUE(wears(*window, ownArrow));
  EXPECT_TRUE(wears(window->Menu().NewPlayerButton(), ownHand));
  EXPECT_FALSE(ownArrow == ownHand);

  bool checked = false;
  OnNextModal([&](QWidget* modal) {
    auto* options = qobject_cast<TFormOptions*>(modal);
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(wears(*options, ownArrow));
    EXPECT_TRUE(wears(options->CursorBox(), ownHand));
    options->CursorBox().click();
    EXPECT_EQ(options->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(options->CursorBox().cursor().shape(), Qt::PointingHandCursor);
    checked = true;
    options->accept();
  });
  QTest::mouseClick(&window->Menu().OptionsButton(), Qt::LeftButton);
  ASSERT_TRUE(checked);
  EXPECT_FALSE(window->CurrentSettings().OwnCursor);
  EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(window->Menu().NewPlayerButton().cursor().shape(), Qt::PointingHandCursor);

  // Over the player's playable card the hand is the program's again once the choice is back on.
  window->CurrentSettings().OwnCursor = true;
  window->CurrentSettings().FlyCardsOn = false;
  window->StartSeries(PlayerSlot::NewPlayer, "Ann");
  const GameState& s = window->TheGame().State();
  while (!(SeatToPlay(s) != 0 && window->Flow().PlayerControls(SeatToPlay(s)))) PlayOneStep(*window);
  const int seat = SeatToPlay(s);
  int legal = 1;
  while (!IsLegalPlay(s, seat, legal)) ++legal;
  PictureBox& hand = window->Table().Hand(seat);
  QTest::mouseMove(&hand, QPoint(window->Table().CardLeft(seat)[static_cast<std::size_t>(legal - 1)] + 3, 10));
  EXPECT_TRUE(WaitFor([&] { return wears(hand, ownHand); }, 2000));
}

// Waits until it is the player's move (stepping the game), or the deal is over.
bool StepToPlayersMove(MainWindow& window) {
  const GameState& s = window.TheGame().State();
  while (s.Turn != turn::kDealScored) {
    const int seat = SeatToPlay(s);
    if (seat != 0 && window.Flow().PlayerControls(seat)) return true;
    PlayOneStep(window);
  }
  return false;
}

int Luminance(QRgb c) { return qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11; }

// Through a whole deal the mark stands on the plate of the seat to play, green when the player
// plays it (North's too, while North is the dummy), and exactly the cards that would be a
// revoke are dimmed, visibly darker on the screen than in the hand's own picture.
TEST_F(WindowTest, TurnMarkAndDimmedCardsFollowTheDeal) {
  StartWindow(2025);
  window->CurrentSettings().FlyCardsOn = false;
  window->ScoreSheetShown = [](TFormDiscard& sheet) { QTimer::singleShot(0, &sheet, &QDialog::accept); };
  window->LeaveTitle();
  window->StartSeries(PlayerSlot::NewPlayer, "Ann");  // deal 1: North is the dummy
  TableCues& cues = window->Aids().Cues();
  const GameState& s = window->TheGame().State();
  cues.Refresh();
  EXPECT_EQ(cues.MarkedSeat(), 0) << "no seat plays before \"To Begin\"";

  bool sawNorthForThePlayer = false, sawDimmedOnScreen = false, sawComputersMark = false;
  while (s.Turn != turn::kDealScored) {
    cues.Refresh();
    const int seat = SeatToPlay(s);
    ASSERT_EQ(cues.MarkedSeat(), seat);
    if (seat != 0) {
      const bool players = window->Flow().PlayerControls(seat);
      ASSERT_EQ(cues.MarkIsPlayers(), players);
      sawComputersMark = sawComputersMark || !players;
      sawNorthForThePlayer = sawNorthForThePlayer || (players && seat == kNorth);
      for (int slot = 1; slot <= s.CardsLeft[seat]; ++slot) {
        ASSERT_EQ(cues.Dimmed(seat, slot), players && !IsLegalPlay(s, seat, slot)) << "slot " << slot;
        if (players && cues.Dimmed(seat, slot) && !sawDimmedOnScreen) {
          const QRect strip = cues.CardRect(seat, slot);
          const QPoint inHand = strip.center() - window->Table().Hand(seat).geometry().topLeft();
          const QImage screen = window->grab().toImage();
          const QRgb before = window->Table().Hand(seat).Canvas().pixel(inHand);
          EXPECT_LT(Luminance(screen.pixel(strip.center())), Luminance(before) * 3 / 4);
          sawDimmedOnScreen = true;
        }
      }
    }
    PlayOneStep(*window);
  }
  EXPECT_TRUE(sawNorthForThePlayer);
  EXPECT_TRUE(sawComputersMark);
  EXPECT_TRUE(sawDimmedOnScreen);
}

// Both cues are choices of the table's context menu, on by default; taken off, they are gone.
TEST_F(WindowTest, TheCuesCanBeTakenOffInTheContextMenu) {
  StartWindow(2025);
  window->CurrentSettings().FlyCardsOn = false;
  window->LeaveTitle();
  window->StartSeries(PlayerSlot::NewPlayer, "Ann");
  TableCues& cues = window->Aids().Cues();
  const GameState& s = window->TheGame().State();
  // The player's move in the middle of a trick with a card to dim.
  bool found = false;
  while (!found && s.Turn != turn::kDealScored) {
    PlayOneStep(*window);
    cues.Refresh();
    const int seat = SeatToPlay(s);
    if (seat == 0 || !window->Flow().PlayerControls(seat)) continue;
    for (int slot = 1; slot <= s.CardsLeft[seat]; ++slot) found = found || cues.Dimmed(seat, slot);
  }
  ASSERT_TRUE(found);
  const int seat = SeatToPlay(s);
  const auto item = [this](WordId w) {
    for (QAction* a : window->ContextMenu().actions()) {
      if (a->text() == window->W(w)) return a;
    }
    return static_cast<QAction*>(nullptr);
  };
  QAction* mark = item(WordId::TurnMarkOption);
  QAction* dim = item(WordId::DimUnplayableOption);
  ASSERT_NE(mark, nullptr);
  ASSERT_NE(dim, nullptr);
  EXPECT_TRUE(mark->isChecked() && dim->isChecked());
  EXPECT_EQ(cues.MarkedSeat(), seat);

  mark->trigger();
  dim->trigger();
  EXPECT_EQ(cues.MarkedSeat(), 0);
  for (int slot = 1; slot <= s.CardsLeft[seat]; ++slot) EXPECT_FALSE(cues.Dimmed(seat, slot));
  mark->trigger();
  dim->trigger();
  EXPECT_EQ(cues.MarkedSeat(), seat);
  bool dimmed = false;
  for (int slot = 1; slot <= s.CardsLeft[seat]; ++slot) dimmed = dimmed || cues.Dimmed(seat, slot);
  EXPECT_TRUE(dimmed);
}

// The cue switches are kept with the settings: what the player took off stays off at the
// next start, and each switch is kept on its own.
TEST_F(WindowTest, TheCueSwitchesAreKeptBetweenRuns) {
  const auto item = [this](WordId w) {
    for (QAction* a : window->ContextMenu().actions()) {
      if (a->text() == window->W(w)) return a;
    }
    return static_cast<QAction*>(nullptr);
  };
  struct Case {
    bool mark, dim;
  };
  for (const Case c : {Case{false, true}, Case{true, false}, Case{false, false}, Case{true, true}}) {
    SCOPED_TRACE(std::to_string(c.mark) + std::to_string(c.dim));
    StartWindow();
    QAction* mark = item(WordId::TurnMarkOption);
    QAction* dim = item(WordId::DimUnplayableOption);
    ASSERT_NE(mark, nullptr);
    ASSERT_NE(dim, nullptr);
    mark->setChecked(c.mark);
    dim->setChecked(c.dim);
    ASSERT_TRUE(window->SaveSettingsNow());
    window->close();
    window.reset();

    StartWindow();
    EXPECT_EQ(item(WordId::TurnMarkOption)->isChecked(), c.mark);
    EXPECT_EQ(item(WordId::DimUnplayableOption)->isChecked(), c.dim);
    EXPECT_EQ(window->Aids().Cues().Choices().TurnMark, c.mark);
    EXPECT_EQ(window->Aids().Cues().Choices().DimUnplayable, c.dim);
    window->close();
    window.reset();
  }
}

// The keyboard alone plays a deal: Enter presses "To Begin" and "Ok", the arrows move the focus
// over playable cards only, Enter plays the focused card; Escape opens the context menu.
TEST_F(WindowTest, KeyboardPlaysADeal) {
  StartWindow(31);
  window->CurrentSettings().FlyCardsOn = false;
  int sheets = 0;
  window->ScoreSheetShown = [&sheets](TFormDiscard& sheet) {
    ++sheets;
    QTimer::singleShot(0, &sheet, &QDialog::accept);
  };
  window->LeaveTitle();
  window->StartSeries(PlayerSlot::NewPlayer, "Ann");
  window->activateWindow();
  TableCues& cues = window->Aids().Cues();
  const GameState& s = window->TheGame().State();
  TZanCardsButton& start = window->Table().StartButton();

  QTest::keyClick(window.get(), Qt::Key_Return);
  ASSERT_EQ(s.DealPhase, 2) << "Enter did not press \"To Begin\"";
  int played = 0;
  while (s.Turn != turn::kDealScored) {
    const int seat = SeatToPlay(s);
    if (s.Turn == turn::kTrickComplete) {
      ASSERT_TRUE(WaitFor([&] { return start.isEnabled(); }));
      QTest::keyClick(window.get(), Qt::Key_Space);
      ASSERT_NE(s.Turn, turn::kTrickComplete) << "Space did not press \"Ok\"";
    } else if (seat != 0 && window->Flow().PlayerControls(seat)) {
      // The first Enter only shows the focus, on a playable card.
      QTest::keyClick(window.get(), Qt::Key_Return);
      ASSERT_NE(cues.FocusSlot(), 0);
      std::set<int> visited;
      for (int k = 0; k < 14; ++k) {
        ASSERT_TRUE(IsLegalPlay(s, seat, cues.FocusSlot())) << "the focus rests on a revoke";
        visited.insert(cues.FocusSlot());
        QTest::keyClick(window.get(), Qt::Key_Right);
      }
      int legal = 0;
      for (int slot = 1; slot <= s.CardsLeft[seat]; ++slot) legal += IsLegalPlay(s, seat, slot) ? 1 : 0;
      EXPECT_EQ(static_cast<int>(visited.size()), legal) << "Right does not reach every playable card";
      const TCardCode card = s.Hands[seat][cues.FocusSlot()];
      const int before = s.CardsLeft[seat];
      QTest::keyClick(window.get(), Qt::Key_Enter);
      ASSERT_EQ(s.CardsLeft[seat], before - 1);
      bool onTable = false;
      for (const TCardCode& c : s.Table) onTable = onTable || c == card;
      EXPECT_TRUE(onTable || s.Turn != turn::kTrickComplete) << "Enter played another card than the focused one";
      ++played;
    } else {
      const std::uint8_t turnBefore = s.Turn;
      ASSERT_TRUE(WaitFor([&] { return s.Turn != turnBefore; })) << "stuck at Turn " << int(s.Turn);
    }
  }
  EXPECT_GE(played, 13);
  EXPECT_EQ(sheets, 1);

  bool menuOpened = false;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 5000));
    menuOpened = qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
    QApplication::activePopupWidget()->close();
  });
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_TRUE(menuOpened);
}

// The hint names a playable card for the player's seat and plays nothing; it is refused in
// LAN, tournament and rated games.
TEST_F(WindowTest, HintShowsTheAdvisersCardOnlyInGamesAgainstTheComputer) {
  StartWindow(58);
  window->CurrentSettings().FlyCardsOn = false;
  window->LeaveTitle();
  window->StartSeries(PlayerSlot::NewPlayer, "Ann");
  ASSERT_TRUE(StepToPlayersMove(*window));
  PlayerAids& aids = window->Aids();
  const GameState& s = window->TheGame().State();
  const int seat = SeatToPlay(s);
  const GameState before = s;
  const int slot = aids.ShowHint();
  ASSERT_GE(slot, 1);
  EXPECT_TRUE(IsLegalPlay(s, seat, slot));
  EXPECT_EQ(aids.Cues().HintSlot(), slot);
  EXPECT_EQ(s, before) << "asking for a hint changed the game";

  // The hint goes with the position: after the move it is gone.
  window->Flow().OnPlayerCard(seat, slot);
  aids.Cues().Refresh();
  EXPECT_EQ(aids.Cues().HintSlot(), 0);

  const TableMode plain = window->TheGame().Mode();
  struct Case {
    const char* name;
    TableMode mode;
  };
  TableMode lan = plain, tournament = plain, rated = plain;
  lan.NetGame = true;
  tournament.Tournament = true;
  rated.AccountState = 3;
  // At the player's next move, where the plain game gives a hint, the others give none.
  ASSERT_TRUE(StepToPlayersMove(*window));
  for (const Case& c : {Case{"LAN", lan}, Case{"tournament", tournament}, Case{"rated", rated}}) {
    SCOPED_TRACE(c.name);
    window->TheGame().SetMode(c.mode);
    EXPECT_FALSE(aids.HintAllowed());
    EXPECT_EQ(aids.ShowHint(), 0);
    EXPECT_EQ(aids.Cues().HintSlot(), 0);
  }
  window->TheGame().SetMode(plain);
  EXPECT_TRUE(aids.HintAllowed());
  EXPECT_GE(aids.ShowHint(), 1);
}

// The rules document opens inside the program from F1, the context menu's "Help" and the menu's
// "?" icon; where it is not written in the player's language the English one follows a notice.
TEST_F(WindowTest, HelpOpensFromF1TheContextMenuAndTheMenuIcon) {
  StartWindow();
  window->LeaveTitle();
  struct Case {
    int language;
    bool translated;
    const char* phrase;  // a term the document explains
    const char* dummy;   // the document's word for the dummy
  };
  for (const Case& c : {Case{0, true, "Koronki", "dummy"}, Case{1, true, "Коронки", "болван"},
                        Case{5, true, "王冠", "明手"}, Case{3, true, "Honneurs", "mort"},
                        Case{4, true, "Honores", "muerto"}, Case{6, true, "Onori", "morto"},
                        Case{9, false, "Koronki", "dummy"}}) {
    window->SetLanguage(c.language);
    const QString helpCaption = window->W(WordId::Help);
    QAction* helpItem = nullptr;
    for (QAction* a : window->ContextMenu().actions()) {
      if (a->text() == helpCaption) helpItem = a;
    }
    ASSERT_NE(helpItem, nullptr);
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"F1", [&] { QTest::keyClick(window.get(), Qt::Key_F1); }},
        {"context menu", [&] { helpItem->trigger(); }},
        {"menu icon", [&] { emit window->Menu().IconClicked(MenuIcon::Help); }},
    };
    for (const auto& [way, open] : ways) {
      SCOPED_TRACE(std::string(way) + ", language " + std::to_string(c.language));
      notices.clear();
      int shown = 0;
      window->HelpShown = [&](THelpWindow& help) {
        ++shown;
        EXPECT_EQ(help.Document().Translated, c.translated);
        const QString text = help.Browser().toPlainText();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.phrase))) << text.left(200).toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.dummy)));
        QTimer::singleShot(0, &help, &QDialog::accept);
      };
      open();
      EXPECT_EQ(shown, 1);
      if (c.translated) {
        EXPECT_TRUE(notices.isEmpty()) << notices.join("/").toStdString();
      } else {
        ASSERT_EQ(notices.size(), 1);
        EXPECT_TRUE(notices[0].contains("not translated to the Korean language")) << notices[0].toStdString();
      }
    }
  }
}

// Every translation of the help has the English document's topics (the end of a deal opens at
// one of them), each named once, and every link of its table of contents leads somewhere.
TEST(HelpDocumentsTest, EveryTranslationHasEveryTopic) {
  const auto read = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  };
  const QRegularExpression idPattern("id=\"([a-z]+)\"");
  const auto topics = [&](const QString& html) {
    QStringList ids;
    for (const QRegularExpressionMatch& m : idPattern.globalMatch(html)) ids << m.captured(1);
    return ids;
  };
  const QStringList english = topics(read(HelpDocumentFor(0).Path));
  ASSERT_GE(english.size(), 9);
  int translated = 0;
  for (int language = 0; language < kLanguageCount; ++language) {
    const HelpDocument document = HelpDocumentFor(language);
    SCOPED_TRACE(document.LanguageName.toStdString());
    const QString html = read(document.Path);
    ASSERT_FALSE(html.isEmpty());
    if (!document.Translated) continue;
    ++translated;
    EXPECT_EQ(topics(html), english);
    for (const QString& id : english) EXPECT_TRUE(html.contains("href=\"#" + id + "\"")) << id.toStdString();
    QTextDocument text;
    text.setHtml(html);
    // The worked example's total is the same everywhere.
    const QString plain = text.toPlainText();
    const qsizetype sum = plain.indexOf("6 + 3 + 5 + 0 =");
    ASSERT_GE(sum, 0);
    EXPECT_TRUE(plain.mid(sum, 40).contains("14"));
  }
  EXPECT_EQ(translated, 7) << "English, Russian, German, French, Spanish, Chinese and Italian";
}

// A newcomer's first start opens at the largest size the (1920 x 1200) screen holds; once a
// settings file exists, its size is kept.
TEST_F(WindowTest, FirstStartOpensAtTheLargestSizeThatFits) {
  firstStartFitsScreen = true;
  StartWindow();
  EXPECT_EQ(window->CurrentSettings().WindowSizeMode, static_cast<int>(WindowSizeMode::Large));
  window->LeaveTitle();
  EXPECT_EQ(window->size(), QSize(1520, 1000));
  window->CurrentSettings().WindowSizeMode = static_cast<int>(WindowSizeMode::Average1);
  ASSERT_TRUE(window->SaveSettingsNow());
  window->close();
  window.reset();

  StartWindow();
  EXPECT_EQ(window->CurrentSettings().WindowSizeMode, static_cast<int>(WindowSizeMode::Average1));
}

// The information board's hint counts the deal in its cycle of 40 and, where play goes in
// sessions of 4 (rated, LAN, tournament), in its session; a LAN client still waiting has none.
TEST(InfoBoardHintTest, CountsTheDealInItsCycleAndSession) {
  const auto word = [](WordId w) { return QString::fromUtf8(Word(w, 0).data()); };
  struct Case {
    const char* name;
    int konNo;
    TableMode mode;
    QString text;
  };
  TableMode plain, lan, rated, tournament, waiting;
  lan.NetGame = true;
  rated.AccountState = 3;
  tournament.Tournament = true;
  waiting.NetGame = true;
  waiting.AwaitingDeal = true;
  const QString general = "General number of game: ", cycle = "\nNumber of round in a current cycle: ",
                session = "\nNumber of round in a current session: ";
  const Case cases[] = {
      {"first deal", 1, plain, general + "1" + cycle + "1 / 40"},
      {"last deal of a cycle", 80, plain, general + "80" + cycle + "40 / 40"},
      {"first of the next cycle", 81, plain, general + "81" + cycle + "1 / 40"},
      {"LAN", 7, lan, general + "7" + cycle + "7 / 40" + session + "3 / 4"},
      {"rated", 44, rated, general + "44" + cycle + "4 / 40" + session + "4 / 4"},
      {"tournament", 6, tournament, general + "6" + session + "2 / 4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameState s;
    s.KonNo = c.konNo;
    const auto [title, text] = InfoBoardHint(s, c.mode, word);
    EXPECT_EQ(title, "Current game");
    EXPECT_EQ(text, c.text);
  }
  GameState s;
  s.KonNo = 3;
  EXPECT_TRUE(InfoBoardHint(s, waiting, word).first.isEmpty());
}

// Without the design library the card-style dialogs cannot be drawn: the dialog opens grey and
// the setting falls back with it, and is saved so (the player chooses again in the options).
TEST_F(WindowTest, CardStyleFallbackIsKeptInTheSettings) {
  StartWindow();
  window->LeaveTitle();
  window->CurrentSettings().DialogDesign = 3;
  int speed = 3;
  {
    TFormSpeed dialog(window->Pictures(), window->Look(), speed, window.get());
    EXPECT_EQ(dialog.Design(), DialogDesign::GrayAristocratic);
  }
  EXPECT_EQ(window->CurrentSettings().DialogDesign, 0);
  EXPECT_TRUE(notices.isEmpty()) << notices.join("/").toStdString();
  ASSERT_TRUE(window->SaveSettingsNow());
  window->close();
  window.reset();
  StartWindow();
  EXPECT_EQ(window->CurrentSettings().DialogDesign, 0);
}

// The title screen has the context menu as well (help, about and speed; the game's items, radio
// and chat are off); a right click does not leave the title, a left one does.
TEST_F(WindowTest, TitleScreenHasTheContextMenu) {
  StartWindow();
  ASSERT_TRUE(window->TitleShown());
  QStringList enabled, disabled;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 5000));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* a : menu->actions()) {
      if (a->isSeparator() || !a->isVisible()) continue;
      (a->isEnabled() ? enabled : disabled) << a->text();
    }
    menu->close();
  });
  const QPoint at(100, 100);
  QTest::mouseClick(&window->Title(), Qt::RightButton, {}, at);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, window->Title().mapToGlobal(at));
  QApplication::sendEvent(&window->Title(), &event);
  EXPECT_TRUE(window->TitleShown());
  EXPECT_TRUE(enabled.contains(window->W(WordId::Help))) << enabled.join(",").toStdString();
  EXPECT_TRUE(enabled.contains(window->W(WordId::About)));
  EXPECT_TRUE(disabled.contains(window->W(WordId::Radio))) << disabled.join(",").toStdString();
  EXPECT_TRUE(disabled.contains(window->W(WordId::ExitToMenu)));
  QTest::mouseClick(&window->Title(), Qt::LeftButton, {}, at);
  EXPECT_FALSE(window->TitleShown());
}

// At the end of a deal the help opens at the topic of the end of a deal; elsewhere at its start.
TEST_F(WindowTest, HelpAtTheEndOfADealOpensAtThatTopic) {
  StartWindow(99);
  window->CurrentSettings().FlyCardsOn = false;
  window->ScoreSheetShown = [](TFormDiscard& sheet) { QTimer::singleShot(0, &sheet, &QDialog::accept); };
  window->LeaveTitle();
  window->StartSeries(PlayerSlot::NewPlayer, "Ann");
  const auto scrolledTo = [this] {
    int value = -1;
    window->HelpShown = [&value](THelpWindow& help) {
      QTimer::singleShot(0, &help, [&help, &value] {
        value = help.Browser().verticalScrollBar()->value();
        help.accept();
      });
    };
    QTest::keyClick(window.get(), Qt::Key_F1);
    return value;
  };
  EXPECT_EQ(scrolledTo(), 0) << "at the start of a deal the help opens at its beginning";
  PlayToTheEndOfTheDeal(*window);
  EXPECT_GT(scrolledTo(), 0) << "at the end of a deal the help opens further down, at its topic";
}

}  // namespace
}  // namespace tavlo::testing
