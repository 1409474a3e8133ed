// The main window's side of the options, the top ten, the end of a cycle, the general score
// and the history.
#include "ui/main_window_dialogs.h"
#include "ui/widgets/program_cursors.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QVariant>

#include "lang/languages.h"
#include "records/club_file.h"
#include "records/history_clock.h"
#include "records/member_line.h"
#include "ui/downloads/library_download.h"
#include "ui/widgets/click_effect.h"
#include "ui/dialogs/count_window.h"
#include "ui/dialogs/end_game_window.h"
#include "ui/dialogs/history_window.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/dialogs/top_ten_window.h"
#include "ui/world/world_play.h"
#include "ui/main_window.h"
#include "ui/widgets/program_cursors.h"
#include "ui/menu/main_menu.h"
#include "ui/table/table_screen.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {

void ShowEndOfCycleWindow(MainWindow& window, const SeriesRecord& record) {
  const TableMode& mode = window.TheGame().Mode();
  EndGameResult result;
  result.Place = record.TopTenPlace;
  result.Score = record.PlacedScore;
  result.NetworkClub = mode.NetGame;
  result.AccountSignedIn = mode.AccountState >= 2;
  result.RatedPlay = mode.AccountState == 3;
  ShowEndGameWindow(window, result);
}

void ShowEndGameWindow(MainWindow& window, const EndGameResult& result) {
  TFormEndGame dialog(
      window.Pictures(), window.Look(), result, [&window](std::string_view name) { window.PlayEffect(name); }, &window);
  dialog.exec();
}

void MainWindow::ConnectDialogs() {
  connect(menu_, &MainMenu::TopTenClicked, this, [this] {
    PlayEffect("WOpenFo");
    const ClubFileContents club = ReadClubFile(files_.Club(settings_.NetGame));
    TFormTopTen dialog(pictures_, Look(), club, settings_.NetGame, this);
    dialog.exec();
  });

  connect(menu_, &MainMenu::HistoryClicked, this, [this] {
    PlayEffect("WOpenFo");
    SystemHistoryClock clock;
    TFHistory dialog(pictures_, Look(), files_.History, historyFileNo_, clock, this);
    dialog.exec();
  });

  connect(menu_, &MainMenu::OptionsClicked, this, [this] {
    PlayEffect("WOpenFo");
    if (settings_.SaluteButtons) TouchOverlay::Show(pictures_, this, mapFromGlobal(QCursor::pos()));
    OptionsEffects effects;
    effects.Salute = [this] {
      QWidget* over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
      TouchOverlay::Show(pictures_, over, over->mapFromGlobal(QCursor::pos()));
    };
    effects.LanguageChanged = [this](int language) { SetLanguage(language); };
    effects.WindowSizeChanged = [this] { ApplyWindowSize(); };
    effects.LooksChanged = [this] { ApplyLooks(); };
    effects.NetGameChanged = [this] {
      if (menuShown_) ShowMainMenu();
    };
    effects.GifAnimationChanged = [this] {
      if (menuShown_) ShowMainMenu();
    };
    effects.ButtonsChanged = [this] {
      for (TZanCardsButton* button : findChildren<TZanCardsButton*>()) button->SetNata(settings_.NewButtons);
    };
    effects.CursorChanged = [this] {
      ApplyProgramCursors(*this, settings_.OwnCursor);
      if (QWidget* options = QApplication::activeModalWidget()) ApplyProgramCursors(*options, settings_.OwnCursor);
    };
    effects.OpenSpeed = [this] { OpenSpeedDialog(); };
    effects.RadioListChanged = [this] { emit RadioListChanged(); };
    effects.Salute = [this] {
      if (Salute) Salute(QCursor::pos());
    };
    effects.OpenPassport = [this] {
      PlayEffect("WOpenFo");
      world_->OpenPassport();
    };
    effects.Notice = [this](const QString& text) { ShowNoticeText(text); };
    effects.MenuShown = [this] { return menuShown_; };
    effects.FilePresent = [this](int n) { return DownloadedFilePresent(n, paths_.ProgramFolder, paths_.ParentFolder); };
    effects.Download = [this](int n, std::function<void(bool)> done) {
      auto connection = std::make_shared<QMetaObject::Connection>();
      *connection = connect(downloads_, &LibraryDownloader::Finished, this, [connection, done](int, bool ok, const QString&) {
        disconnect(*connection);
        done(ok);
      });
      if (!downloads_->Start(n)) {
        disconnect(*connection);
        done(false);
      }
    };
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) effects.Screen = screen->availableGeometry().size();
    TFormOptions dialog(pictures_, Look(), settings_, std::move(effects), this);
    dialog.exec();
  });

  // The general score replaces the plain notice the context menu had.
  disconnect(genCount_, &QAction::triggered, nullptr, nullptr);
  connect(genCount_, &QAction::triggered, this, [this] {
    const GameState& s = game_->State();
    GeneralScoreSource source;
    source.KonNo = s.KonNo;
    source.SeriesKon = s.SeriesKon;
    source.StartScore = s.StartScore;
    source.SeriesResult = s.SeriesResult;
    source.MemberRating = s.PlayerRating;
    const std::string& startLine = records_.SeriesStartLine();
    source.KonBefore = static_cast<std::int32_t>(startLine.empty() ? 0 : MemberKonOf(startLine).value_or(0));
    source.RatedPlay = game_->Mode().AccountState == 3;
    source.Tournament = game_->Mode().Tournament;
    TFormCount dialog(pictures_, Look(), FillCount(source), QString::fromStdString(memberName_), this);
    dialog.exec();
  });
}

}  // namespace tavlo
