// The main window's side of choosing a player, renaming and recording a finished series.
#include <QGuiApplication>

#include "lang/cp1251.h"
#include "lang/word_table.h"
#include "net/lan/lan_address.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/finish_series.h"
#include "records/history_clock.h"
#include "records/member_line.h"
#include "records/records_notice.h"
#include "ui/world/world_play.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/dialogs/wait_window.h"
#include "ui/main_window.h"
#include "ui/tour/tour_play.h"
#include "ui/widgets/program_cursors.h"
#include "ui/main_window_dialogs.h"
#include "ui/table/table_screen.h"

namespace tavlo {
namespace {

// The window's steps of recording a series.
class WindowSeriesEvents : public SeriesEvents {
 public:
  WindowSeriesEvents(MainWindow& window, std::function<void(const QString&)> notice, int languageIndex)
      : window_(window), notice_(std::move(notice)), language_(languageIndex) {}

  void LeaveTable() override { window_.Table().HideGameTable(); }
  double SettleRatedGame(std::int32_t result, std::int32_t totalScore) override {
    return window_.Account().Session().SettleRatedGame(result, totalScore);
  }
  void HideWaitBar() override {}
  void SendGameStats(const HisStr&, const GameStats& stats) override { window_.World().SendGameStats(stats); }
  void PlayEffect(std::string_view name) override { window_.PlayEffect(name); }
  void ShowNotice(RecordsNotice notice, const std::filesystem::path& path) override {
    notice_(QString::fromStdString(RecordsNoticeText(notice, path, language_)));
  }
  void CloseLanConnection() override { window_.CloseConnections(); }
  void ShowEndOfCycle(const SeriesRecord& record) override { ShowEndOfCycleWindow(window_, record); }
  void ShowWorldTopTenResult(std::int32_t cycleScore) override { window_.World().ShowCycleResult(cycleScore); }
  // A completed account cycle goes to the world table first; the end-of-cycle window then shows
  // the world place and the Zans it earned.
  void SubmitRatedCycle() override {
    AccountSession& session = window_.Account().Session();
    const std::int32_t score = session.CompletedCycleScore().value_or(0);
    const auto place = session.SubmitCompletedCycle();
    if (!place) return;
    EndGameResult result;
    result.Place = static_cast<int>(*place);
    result.Score = score;
    result.AccountSignedIn = true;
    result.RatedPlay = true;
    result.Bonus = session.LastWorldBonus();
    ShowEndGameWindow(window_, result);
  }
  void ReturnToMenu(bool leaveRatedPlay) override {
    if (leaveRatedPlay) window_.Account().Session().LeaveRatedPlay();
    window_.ShowMenu();
  }

 private:
  MainWindow& window_;
  std::function<void(const QString&)> notice_;
  int language_;
};

}  // namespace

bool MainWindow::AskForPlayer(PlayerSlot slot, const std::string& renameFrom) {
  PasswordRequest request;
  request.Slot = slot;
  request.PlayerName = settings_.PlayerName;
  request.NetGame = settings_.NetGame;
  request.RenameFrom = renameFrom;
  const int row = static_cast<int>(slot);
  if (row >= 1 && row <= 5) {
    const ClubFileContents club = ReadClubFile(files_.Club(settings_.NetGame));
    if (club.Status != ClubRead::Read) return false;
    request.MemberLine = club.Lines[row];
  }
  TFormPassword* shown = nullptr;
  lan::LanState& lan = lan_->State();
  if (settings_.NetGame && renameFrom.empty()) {
    lan.NetGame = true;
    lan.ServerAddress = settings_.ServerAddress;
    lan.ServerPort = settings_.ServerPort;
    lan.StartAccepted = false;
    request.Lan = &lan;
    request.OpenLanTable = [this, &shown] { return OpenLanTable(*shown); };
  }
  TFormPassword dialog(pictures_, Look(), request, [this](const QString& text) { ShowNoticeText(text); }, this);
  shown = &dialog;
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (request.Lan != nullptr) {
    settings_.ServerAddress = lan.ServerAddress;
    settings_.ServerPort = lan.ServerPort;
  }
  if (!accepted) return false;
  settings_.PlayerName = dialog.Confirmed().PlayerName;
  memberName_ = dialog.Confirmed().MemberName;
  passwordDigits_ = dialog.Confirmed().PasswordDigits;
  return true;
}

bool MainWindow::OpenLanTable(TFormPassword& dialog) {
  lan::LanState& lan = lan_->State();
  // The first 4 characters of the player's name go to the others.
  const std::string name =
      Utf8ToCp1251(QString::fromStdString(dialog.Confirmed().MemberName).left(4).toStdString());
  const auto port = static_cast<std::uint16_t>(lan::PortNumber(lan.ServerPort));
  if (lan.NetRole == 1) {
    if (!lan_->Listen(name, port, LanListenAddress)) {
      ShowNoticeText(W(WordId::IncorrectPort));
      return false;
    }
  } else {
    lan_->Connect(name, QString::fromStdString(lan.ServerAddress), port);
  }
  TFormWait wait(pictures_, Look(), *lan_, &dialog);
  if (WaitShown) WaitShown(wait);
  wait.exec();
  if (wait.WasInterrupted()) {
    // The table broke up while it was being seated: back to the menu.
    dialog.reject();
    return false;
  }
  return lan.StartAccepted;
}

void MainWindow::ChangeName() {
  const GameState& s = game_->State();
  if (!s.GameShown) return;
  PlayEffect("WOpenFo");
  const std::string oldDigits = passwordDigits_;
  const std::string oldName = memberName_;
  if (!AskForPlayer(PlayerSlot::NewPlayer, memberName_)) {
    memberName_ = oldName;
    passwordDigits_ = oldDigits;
    return;
  }
  const int slot = static_cast<int>(game_->Mode().Player);
  if (slot >= 1 && slot <= 5) {
    const StoreResult stored = RenameMember(files_.Local, slot, records_.SeriesStartLine(), memberName_,
                                            passwordDigits_, clubNoWrite_);
    if (const auto notice = NoticeFor(stored.Update)) {
      ShowNoticeText(QString::fromStdString(RecordsNoticeText(*notice, files_.Local, settings_.LanguageIndex)));
    }
    // The member's line may now stand elsewhere; the series follows it there.
    if (stored.MemberLine >= 1) {
      TableMode mode = game_->Mode();
      mode.Player = static_cast<PlayerSlot>(stored.MemberLine);
      game_->SetMode(mode);
    }
  }
  ShowNoticeText(W(WordId::NameChanged) + QString::fromStdString(memberName_).trimmed());
  OneBased<std::string, 4> names = s.SeatNames;
  names[4] = QString::fromStdString(memberName_).trimmed().toStdString();
  game_->SetSeatNames(names);
  table_->RedrawPlateName(4);
}

void MainWindow::ShowScoreSheet(bool final, const std::function<void()>& closed) {
  TFormDiscard sheet(pictures_, fonts_, *game_, background_, settings_.WindowSizeMode == 1,
                     [this](WordId w) { return W(w); }, this);
  // The server's "hclos" closes a LAN client's final sheet. The sheet counts as open until
  // exec() returns, so no game message is acted on before the end of the deal is done here.
  if (final) openSheet_ = &sheet;
  ApplyProgramCursors(sheet, settings_.OwnCursor);
  bool told = false;
  const auto tell = [&told, &closed] {
    if (told || !closed) return;
    told = true;
    closed();
  };
  connect(&sheet, &QDialog::finished, this, tell);
  if (ScoreSheetShown) ScoreSheetShown(sheet);
  sheet.exec();
  openSheet_ = nullptr;
  tell();
}

void MainWindow::FinishSeries(std::int32_t seriesResult, int seriesKon) {
  SeriesFinish series = SeriesFinishOf(game_->State(), game_->Mode());
  series.Result = seriesResult;
  series.Deals = seriesKon;
  series.MemberName = memberName_;
  series.PasswordDigits = passwordDigits_;
  series.ClubNoWrite = clubNoWrite_;
  if (series.Tournament) {
    series.TournamentPlace = tour_->Seat().Place;
    series.TournamentResult = seriesResult;
    series.TournamentRating = tour_->Seat().Own.Rating;
  }
  WindowSeriesEvents events(*this, [this](const QString& text) { ShowNoticeText(text); }, settings_.LanguageIndex);
  SystemHistoryClock clock;
  game_->LeaveTable();
  lastSeries_ = tavlo::FinishSeries(series, files_, clock, events);
  changeName_->setEnabled(false);
  quit_->setEnabled(false);
  genCount_->setEnabled(false);
  conv_->setEnabled(false);
}

}  // namespace tavlo
