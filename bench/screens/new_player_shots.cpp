#include "new_player_shots.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "game/trick.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/main_window.h"
#include "ui/table/player_aids.h"
#include "ui/table/table_cues.h"

namespace tavlo {
namespace {

const char* const kLanguageNames[10] = {"en", "ru", "de", "fr", "es", "zh", "it", "cs", "ja", "ko"};
const char* const kSizeNames[6] = {"", "small", "full-screen", "average-1", "average-2", "large"};

bool Save(QWidget& widget, const QString& path) {
  QApplication::processEvents();
  return widget.grab().save(path);
}

// Plays the first legal card for the player and lets the computer move, until the player is to
// move in the middle of a trick with a card they may not play, or the deal is over.
bool PlayToADimmedMove(MainWindow& window) {
  const GameState& s = window.TheGame().State();
  FlowController& flow = window.Flow();
  TableCues& cues = window.Aids().Cues();
  for (int guard = 0; guard < 400 && s.Turn != turn::kDealScored; ++guard) {
    const int seat = SeatToPlay(s);
    if (seat != 0 && flow.PlayerControls(seat)) {
      cues.Refresh();
      for (int slot = 1; slot <= s.CardsLeft[seat]; ++slot) {
        if (cues.Dimmed(seat, slot)) return true;
      }
      int slot = 1;
      while (!IsLegalPlay(s, seat, slot)) ++slot;
      flow.OnPlayerCard(seat, slot);
    } else if (s.DealPhase == 1 || s.Turn == turn::kTrickComplete) {
      flow.OnStartOrOk();
    } else {
      flow.OnTimer1();
    }
  }
  return false;
}

// Plays the deal to its end (first legal card for the player), which shows the score sheet.
void PlayToTheEnd(MainWindow& window) {
  const GameState& s = window.TheGame().State();
  for (int guard = 0; guard < 400 && s.Turn != turn::kDealScored; ++guard) {
    const int seat = SeatToPlay(s);
    if (seat != 0 && window.Flow().PlayerControls(seat)) {
      int slot = 1;
      while (!IsLegalPlay(s, seat, slot)) ++slot;
      window.Flow().OnPlayerCard(seat, slot);
    } else if (s.DealPhase == 1 || s.Turn == turn::kTrickComplete) {
      window.Flow().OnStartOrOk();
    } else {
      window.Flow().OnTimer1();
    }
  }
}

}  // namespace

int WriteAppStreamShots(const QString& folder) {
  constexpr int kAverage1 = 3;
  int written = 0;
  QTemporaryDir home;
  if (!home.isValid()) return written;
  const std::filesystem::path parent = home.path().toStdString();
  MainWindow window(ProgramPaths{parent, parent / "game"}, 63);
  window.Notice = [](const QString&, const QString&, const QString&) {};
  window.AskYesNo = [](const QString&) { return true; };
  window.show();
  window.CompleteStart();
  window.LeaveTitle();
  window.CurrentSettings().FlyCardsOn = false;
  window.CurrentSettings().WindowSizeMode = kAverage1;
  window.ApplyWindowSize();
  if (window.CurrentSettings().WindowSizeMode != kAverage1) {
    std::fprintf(stderr, "tavlo-screens: window size %d does not fit the screen\n", kAverage1);
    std::exit(1);
  }
  window.SetLanguage(0);
  window.ShowMainMenu();
  if (Save(window, folder + "/menu.png")) ++written;
  // From the menu the help opens at its beginning, with the table of contents.
  window.HelpShown = [&](THelpWindow& help) {
    QTimer::singleShot(0, &help, [&help, &written, folder] {
      if (Save(help, folder + "/help.png")) ++written;
      help.accept();
    });
  };
  window.OpenHelp();
  window.ScoreSheetShown = [&](TFormDiscard& sheet) {
    QTimer::singleShot(0, &sheet, [&sheet, &written, folder] {
      if (Save(sheet, folder + "/score-sheet.png")) ++written;
      sheet.accept();
    });
  };
  window.StartSeries(PlayerSlot::NewPlayer, "Anna");
  if (PlayToADimmedMove(window)) {
    window.Aids().ShowHint();
    if (Save(window, folder + "/table.png")) ++written;
  }
  PlayToTheEnd(window);
  window.close();
  return written;
}

int WriteNewPlayerShots(const QString& folder) {
  int written = 0;
  for (int language : {0, 1, 2, 5}) {
    const QString lang = kLanguageNames[language];
    for (int mode : {1, 3, 4, 5, 2}) {
      QTemporaryDir home;
      if (!home.isValid()) return written;
      const std::filesystem::path parent = home.path().toStdString();
      MainWindow window(ProgramPaths{parent, parent / "game"}, 60 + static_cast<std::uint64_t>(mode));
      window.Notice = [](const QString&, const QString&, const QString&) {};
      window.AskYesNo = [](const QString&) { return true; };
      window.show();
      window.CompleteStart();
      window.LeaveTitle();
      window.CurrentSettings().FlyCardsOn = false;
      window.CurrentSettings().WindowSizeMode = mode;
      window.ApplyWindowSize();
      if (window.CurrentSettings().WindowSizeMode != mode) {
        std::fprintf(stderr, "tavlo-screens: window size %d does not fit the screen\n", mode);
        std::exit(1);
      }
      window.SetLanguage(language);
      window.ScoreSheetShown = [&](TFormDiscard& sheet) {
        QTimer::singleShot(0, &sheet, [&sheet, &written, folder, lang, mode] {
          if (mode == 1 && Save(sheet, folder + "/newplayer-score-sheet-" + lang + ".png")) ++written;
          sheet.accept();
        });
      };
      window.StartSeries(PlayerSlot::NewPlayer, language == 1 ? "Анна" : "Anna");
      if (Save(window, folder + "/newplayer-table-start-" + lang + "-" + kSizeNames[mode] + ".png")) ++written;
      if (PlayToADimmedMove(window)) {
        window.Aids().ShowHint();
        window.Aids().Cues().MoveFocus(1);
        if (Save(window, folder + "/newplayer-table-turn-" + lang + "-" + kSizeNames[mode] + ".png")) ++written;
      }
      if (mode == 1) {
        // On to the end of the deal for the score sheet.
        PlayToTheEnd(window);
        window.HelpShown = [&](THelpWindow& help) {
          QTimer::singleShot(0, &help, [&help, &written, folder, lang] {
            if (Save(help, folder + "/newplayer-help-" + lang + ".png")) ++written;
            help.accept();
          });
        };
        window.OpenHelp();
      }
      window.AskYesNo = [](const QString&) { return true; };
      window.close();
    }
  }
  // The help in the languages that have it beyond the four above.
  for (int language : {3, 4, 6}) {
    QTemporaryDir home;
    if (!home.isValid()) return written;
    const std::filesystem::path parent = home.path().toStdString();
    MainWindow window(ProgramPaths{parent, parent / "game"}, 70);
    window.Notice = [](const QString&, const QString&, const QString&) {};
    window.AskYesNo = [](const QString&) { return true; };
    window.show();
    window.CompleteStart();
    window.LeaveTitle();
    window.SetLanguage(language);
    const QString lang = kLanguageNames[language];
    window.HelpShown = [&](THelpWindow& help) {
      QTimer::singleShot(0, &help, [&help, &written, folder, lang] {
        if (Save(help, folder + "/newplayer-help-" + lang + ".png")) ++written;
        help.accept();
      });
    };
    window.OpenHelp();
    window.close();
  }
  return written;
}

}  // namespace tavlo
