// The main window as the game's screen, speakers and records.
#include <QCursor>
#include <QDate>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QThread>

#include "game/seats.h"
#include "game/spoken_card.h"
#include "game/trick.h"
#include "ui/menu/title_screen.h"
#include "lang/cp1251.h"
#include "lang/word_table.h"
#include "records/club_members.h"
#include "records/records_notice.h"
#include "ui/calendar/desk_calendar.h"
#include "ui/main_window.h"
#include "ui/widgets/program_cursors.h"
#include "ui/menu/main_menu.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/table/chat_panel.h"
#include "ui/world/world_play.h"
#include "ui/recording/game_recorder.h"
#include "ui/table/table_screen.h"
#include "ui/tour/tour_photos.h"
#include "ui/tour/tour_play.h"
#include "ui/widgets/hint_balloon.h"
#include "ui/widgets/click_effect.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

constexpr int kTourPhotoHintSize = 100;  // the plates' picture hint, in pixels

}  // namespace

void MainWindow::PrepareTable() {
  recorder_->UsePlainBackground(settings_);
  table_->Look().BackNumber = ChooseBack(QDate::currentDate().dayOfWeek(), settings_.BackChange, settings_.BackSet,
                                         [this](int n) { return static_cast<int>(game_->Rng().Below(static_cast<std::uint32_t>(n))); });
  quit_->setEnabled(true);
  genCount_->setEnabled(true);
  conv_->setEnabled(true);
  changeName_->setEnabled(!settings_.NetGame && !game_->Mode().Tournament && game_->Mode().AccountState != 3);
  menu_->Hide();
  calendar_->Hide();
  menuShown_ = false;
  world_->ShowIndicators();
  title_->hide();
  table_->ShowGameTable();
  table_->ExitButton().setText(W(WordId::ExitToMenu));
  table_->ClearTrickArea(0);
  for (int seat = 1; seat <= 4; ++seat) {
    table_->Hand(seat).PaintBackground(background_);
    table_->Hand(seat).Refresh();
    table_->DrawSeatPlate(seat, false, false);
  }
  update();
}

void MainWindow::ShowAwaitingServer(int serverSeat) { table_->ShowAwaitingServer(serverSeat); }
void MainWindow::DrawGameInfo(bool withTrump) { table_->DrawGameInfo(withTrump); }
void MainWindow::DrawScoreBoard(int side, std::int32_t points, bool frame, std::int32_t tricks, std::int32_t deal) {
  table_->DrawScoreBoard(side, points, frame, tricks, deal);
}
void MainWindow::RedrawHand(int seat, bool faceUp) { table_->RedrawHand(seat, faceUp); }
void MainWindow::ShowTrumpCard() { table_->ShowTrumpCard(); }
void MainWindow::DrawSeatPlate(int seat, bool isDummy, bool leadsTrick) { table_->DrawSeatPlate(seat, isDummy, leadsTrick); }
void MainWindow::CardToTable(int seat, int slot, TCardCode card, bool faceUp) {
  table_->CardToTable(seat, slot, card, faceUp);
}
void MainWindow::GatherTrickArea(int winner) { table_->GatherTrickArea(winner); }
void MainWindow::RestoreArrowCursor() { SetPointer(*this, PointerKind::Arrow, settings_.OwnCursor); }

void MainWindow::SetStartButton(StartCaption caption, bool enabled) {
  TZanCardsButton& b = table_->StartButton();
  b.setText(caption == StartCaption::Ok ? QString("Ok")
                                         : W(caption == StartCaption::ToBegin ? WordId::ToBegin : WordId::NextGame));
  b.setEnabled(enabled);
  b.show();
}

void MainWindow::SetExitButton(bool enabled) {
  TZanCardsButton& b = table_->ExitButton();
  b.setText(W(WordId::ExitToMenu));
  b.setEnabled(enabled);
  b.show();
}

void MainWindow::SetTimer1(int intervalMs, bool running) {
  if (timer1_.interval() != intervalMs) timer1_.setInterval(intervalMs);
  if (running && !timer1_.isActive()) timer1_.start();
  if (!running) timer1_.stop();
}

void MainWindow::Pause(int ms) {
  if (PauseOverride) {
    PauseOverride(ms);
    return;
  }
  // The window stays painted; input waits and the game's ticks are dropped meanwhile.
  busy_ = true;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    QThread::msleep(5);
  }
  busy_ = false;
}

void MainWindow::DealOver() {}

void MainWindow::DealReady() {
  const GameState& s = game_->State();
  if (game_->Mode().NetGame) chatPanel_->SetInputEnabled(lan_->Active());
  tour_->DealReady();
  table_->Centre().setToolTip(W(WordId::Game) + ": " + QString::number(s.KonNo) + " / " +
                              (game_->Mode().Tournament ? "4" : "40"));
  update();
  recorder_->Start(settings_);
}

void MainWindow::EndOfDealShown() {
  recorder_->FinishDeal();
  tour_->DealShown();
}

void MainWindow::PlayEffect(std::string_view name) {
  if (!sounds_ || !settings_.SoundOn) return;
  // A pacing effect keeps the window painted while it plays; the game's ticks wait for it.
  const bool wasBusy = busy_;
  busy_ = true;
  sounds_->Play(name);
  busy_ = wasBusy;
}

void MainWindow::SayCard(TCardCode card) {
  if (sounds_ && settings_.SoundOn && IsValidCard(card)) sounds_->SayCard(card, settings_.LanguageIndex);
}

void MainWindow::SaluteAt(QPoint globalPos, bool forCards) {
  if (Salute && (forCards ? settings_.SaluteCards : settings_.SaluteButtons)) Salute(globalPos);
}

void MainWindow::SendFrame(std::string_view frame) {
  if (game_->Mode().Tournament) {
    tour_->SendFrame(frame);
  } else {
    lan_->Send(frame);
  }
}

void MainWindow::CloseConnections() {
  if (game_->Mode().Tournament) {
    tour_->Close();
  } else {
    lan_->Close();
  }
  chatPanel_->SetInputEnabled(false);
}

void MainWindow::ConnectLan() {
  lan_ = std::make_unique<lan::LanSession>();
  lan_->Attach(game_.get(), flow_.get());
  lan_->Busy = [this] { return busy_ || table_->FlightRunning(); };
  lan_->SheetOpen = [this] { return openSheet_ != nullptr; };
  chatPanel_ = new ChatPanel(this, pictures_, fonts_);
  connect(chatPanel_, &ChatPanel::ShowAllCardsTyped, this, [this] {
    if (GameShown()) game_->ToggleShowAllCards();
  });
  connect(chatPanel_, &ChatPanel::Send, this, [this](const QString& text) {
    if (game_->Mode().Tournament) {
      tour_->SendChat(text);
      return;
    }
    const int seat = lan_->State().NetRole;
    if (seat < 1) return;
    lan_->SendChat(Utf8ToCp1251(text.toStdString()));
    chatPanel_->AddTableChatLine(QString::number(seat) + text);
  });
  connect(lan_.get(), &lan::LanSession::ChatReceived, this, [this](int seat, const QString& text) {
    PlayEffect("WToMenK");
    chatPanel_->AddTableChatLine(QString::number(seat) + text);
  });
  connect(lan_.get(), &lan::LanSession::CloseScoreSheet, this, [this] {
    if (openSheet_) openSheet_->done(QDialog::Accepted);
  });
  connect(lan_.get(), &lan::LanSession::Interrupted, this, [this] {
    chatPanel_->SetInputEnabled(false);
    ShowNoticeText(W(WordId::OneOfPlayers) + " " + W(WordId::HasInterruptedGame), W(WordId::PressOkForMenu));
  });
}

bool MainWindow::ConfirmLeave() { return AskYesNo(W(WordId::LeaveToMenuQuestion) + "\n\r" + W(WordId::DataWillBeLost)); }

void MainWindow::RemovePlayerFromClub(int playerSlot, bool networkClub) {
  const std::filesystem::path& path = files_.Club(networkClub);
  const ClubUpdate update = RemoveMember(path, playerSlot, clubNoWrite_);
  if (const auto notice = NoticeFor(update)) {
      ShowNoticeText(QString::fromStdString(RecordsNoticeText(*notice, path, settings_.LanguageIndex)));
  }
}

void MainWindow::LeaveRatedPlay() { account_->Session().LeaveRatedPlay(); }

void MainWindow::ShowMenu() {
  recorder_->Save();
  recorder_->RestoreBackground();
  table_->HideGameTable();
  ShowMainMenu();
  timer1_.start(20);
}

void MainWindow::ConnectTournament() {
  TourPlay::Window window;
  window.DrawTurnTimer = [this](int seat, int seconds) { table_->DrawTurnTimer(seat, seconds); };
  window.PlayEffect = [this](std::string_view name) { PlayEffect(name); };
  window.Message = [this](const QString& title, const QString& text) {
    // Shown once the frame or tick that ended the game is done with.
    QTimer::singleShot(0, this, [this, title, text] {
      if (TitledMessage) {
        TitledMessage(title, text);
      } else {
        QMessageBox::information(this, title, text);
      }
    });
  };
  window.Notice = [this](const QString& text) {
    QTimer::singleShot(0, this, [this, text] { ShowNoticeText(text); });
  };
  window.ChatLine = [this](int place, const QString& line) { chatPanel_->AddTableChatLine(QString::number(place) + line); };
  window.ChatInput = [this](bool enabled) { chatPanel_->SetInputEnabled(enabled); };
  window.MenuShown = [this] { return menuShown_; };
  window.Word = [this](WordId w) { return W(w); };
  window.Addresses = [this] { return services_.Client().Addresses(); };
  window.StorePhoto = [this](const std::string& nick, char sex, const std::optional<QImage>& photo) {
    StoreTourPhoto(files_.History, nick, photo, pictures_.Picture(sex == 'M' ? "GAcNoM" : "GAcNoF"));
  };
  window.RedrawPlates = [this] {
    const GameState& s = game_->State();
    for (int seat = 1; seat <= 4; ++seat) table_->DrawSeatPlate(seat, seat == s.Dummy, seat == s.Leader);
  };
  tour_ = std::make_unique<TourPlay>(*game_, *flow_, std::move(window));
  tour_->Began = [this] {
    chatPanel_->SetVisible(true);
    if (TournamentGameBegan) TournamentGameBegan();
  };
  tour_->Failed = [this] {
    if (TournamentConnectionFailed) TournamentConnectionFailed();
  };
  // While a tournament runs, a name plate shows the player's picture kept at this deal.
  auto* photoHint = new HintBalloon(fonts_, this);
  for (int seat = 1; seat <= 4; ++seat) {
    AttachPictureHint(&table_->Plate(seat), photoHint, [this, seat] {
      if (!game_->Mode().Tournament || !GameShown()) return QImage();
      return StoredTourPhoto(files_.History, tour_->Names()[seat], kTourPhotoHintSize);
    });
  }
  TourConnection& connection = tour_->Connection();
  connection.Busy = [this] { return busy_ || table_->FlightRunning(); };
  connection.SheetOpen = [this] { return openSheet_ != nullptr; };
  connect(&connection, &TourConnection::CloseScoreSheet, this, [this] {
    if (openSheet_) openSheet_->done(QDialog::Accepted);
  });
}

void MainWindow::StartTournamentGame(const TourGameSeat& seat) {
  if (GameShown()) return;
  playerRecords_.SetTournamentPlayer(PlayerValues{Cp1251ToUtf8(seat.Own.Nick), static_cast<double>(seat.Own.Rating),
                                                  seat.Own.Kon, seat.Own.Score, seat.Own.Score});
  memberName_ = Cp1251ToUtf8(seat.Own.Nick);
  TableMode mode = game_->Mode();
  mode.AccountState = account_->Session().AccountState();
  game_->SetMode(mode);
  tour_->Start(seat);
  chatPanel_->Clear();
  chatPanel_->SetInputEnabled(false);
}

void MainWindow::LeaveTournamentSeat() { tour_->LeaveSeat(); }

int MainWindow::TournamentLink() const { return tour_->Link(); }

void MainWindow::EndTournamentTable() { tour_->Leave(); }

void MainWindow::ShowTournamentWindow() {
  if (OpenTournamentLobby) OpenTournamentLobby();
}

void MainWindow::BeginThinking() {
  busy_ = true;
  QGuiApplication::setOverrideCursor(ProgramCursor(PointerKind::Wait, settings_.OwnCursor));
}

void MainWindow::ShowProgress(int percent) { table_->DrawProgress(percent); }

void MainWindow::EndThinking() {
  table_->DrawProgress(-1);
  QGuiApplication::restoreOverrideCursor();
  busy_ = false;
}

void MainWindow::OnHandHovered(int seat, int slot) {
  const GameState& s = game_->State();
  const bool playable = slot > 0 && flow_->PlayerControls(seat) &&
                        !(s.TrickPos > 1 && IsRevoke(s, seat, slot));
  SetPointer(table_->Hand(seat), playable ? PointerKind::Hand : PointerKind::Arrow, settings_.OwnCursor);
}

void MainWindow::OnHandReleased(int seat, int slot, Qt::MouseButton button) {
  if (busy_ || table_->FlightRunning() || slot == 0) return;
  if (button == Qt::RightButton) {
    SayCard(CardToSpeak(game_->State(), settings_.Rules.ShowCardsAtEnd, seat, slot));
    return;
  }
  if (button != Qt::LeftButton) return;
  const GameState& s = game_->State();
  if (flow_->PlayerControls(seat) && !(s.TrickPos > 1 && IsRevoke(s, seat, slot))) SaluteAt(QCursor::pos(), true);
  flow_->OnPlayerCard(seat, slot);
  OnHandHovered(seat, 0);
}

void MainWindow::OnCentreReleased(QPoint position, Qt::MouseButton button) {
  if (button != Qt::RightButton) return;
  for (int seat = 1; seat <= 4; ++seat) {
    if (QRect(table_->SpotInCentre(seat), QSize(cards_.Width, cards_.Height)).contains(position)) {
      SayCard(TrickCardOf(game_->State(), seat));
      return;
    }
  }
}

}  // namespace tavlo
