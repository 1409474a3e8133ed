#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "ai/computer_player.h"
#include "ui/thinking/background_thinker.h"
#include "files/program_lock.h"
#include "files/program_paths.h"
#include "game/flow.h"
#include "game/game.h"
#include "net/lan/lan_session.h"
#include "media/sound_effects.h"
#include "records/club_paths.h"
#include "records/club_player_records.h"
#include "records/finish_series.h"
#include "net/club/club_service_configuration.h"
#include "settings/service_configuration.h"
#include "settings/settings.h"
#include "ui/account/account_play.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/layout/scale.h"
#include "ui/pictures/picture_registry.h"
#include "ui/pictures/picture_sources.h"
#include "ui/tour/tour_game_entry.h"
#include "ui/widgets/font_roles.h"

class QMenu;
class QAction;

namespace tavlo {

class ChatPanel;
class DeskCalendar;
class GameRecorder;
class MainMenu;
class PlayerAids;
class TFormDiscard;
class TFormPassword;
class TFormWait;
class THelpWindow;
class TableScreen;
class TitleScreen;
class TourPlay;

// The running values of the player a series starts for: club members from the club file,
// a new player with the name the dialog was given.
class DialogPlayerRecords : public PlayerRecords {
 public:
  DialogPlayerRecords(ClubPlayerRecords& club, const std::string& newPlayerName)
      : club_(club), newPlayerName_(newPlayerName) {}
  PlayerValues LoadPlayer(PlayerSlot slot, bool networkClub) override {
    if (slot == PlayerSlot::Tournament && tournament_) return *tournament_;
    if (slot == PlayerSlot::NewPlayer) return PlayerValues{newPlayerName_, 0.0, 0, 0, 0};
    if (slot == PlayerSlot::ClubAccount && account_ != nullptr) return account_->LoadPlayer(slot, networkClub);
    return club_.LoadPlayer(slot, networkClub);
  }
  void SetAccount(PlayerRecords* account) { account_ = account; }
  // The tournament player the lobby seated: nick and tournament values.
  void SetTournamentPlayer(std::optional<PlayerValues> values) { tournament_ = std::move(values); }

 private:
  std::optional<PlayerValues> tournament_;
  ClubPlayerRecords& club_;
  PlayerRecords* account_ = nullptr;
  const std::string& newPlayerName_;
};

// The program's one window, TForm1: the title screen, the main menu and the game table
// are its three screens. It owns the settings, the pictures, the game and its flow, and
// is the game's screen, speakers and records (the boundary the game core talks to).
class LibraryDownloader;
class WorldPlay;
class TourLobby;

class MainWindow : public QWidget, public TableBoundary, public ThinkingView, public TourGameEntry {
  Q_OBJECT

 public:
  // The downloads of missing libraries (the options dialog's buttons).
  LibraryDownloader& Downloads() { return *downloads_; }
  // Where the first start copies the picture libraries from (the build's own by default);
  // nothing installs none, as when the program runs without them.
  void SetShippedLibraries(std::optional<std::filesystem::path> folder) { shippedLibraries_ = std::move(folder); }
  // With a seed the deals and the computer player are reproducible (tests, tools).
  MainWindow(ProgramPaths paths, std::optional<std::uint64_t> seed = std::nullopt);
  ~MainWindow() override;

  // With no settings file yet the window opens at the largest size the screen holds; tests
  // written for the small window turn this off.
  bool FirstStartFitsScreen = true;
  // Questions (Yes / No) and notices go through these; tests answer them.
  std::function<bool(const QString& question)> AskYesNo;
  std::function<void(const QString& line1, const QString& line2, const QString& link)> Notice;
  // The program's own Yes / No question box, in the current language (AskYesNo's default).
  bool AskInLanguage(const QString& question);
  // The window that notices and questions are shown over: the open modal window, else this one.
  QWidget* NoticeParent();
  // The sound subsystem, when there is one.
  void SetSoundEffects(SoundEffects* sounds) { sounds_ = sounds; }
  SoundEffects* Sounds() const { return sounds_; }
  const ProgramPaths& Paths() const { return paths_; }
  // Speaks a card's name when sound is on.
  void SayCard(TCardCode card);
  // The click effect at a point of the screen (the media subsystem sets it); SaluteAt plays it
  // when the setting for buttons or for cards is on.
  std::function<void(QPoint globalPos)> Salute;
  void SaluteAt(QPoint globalPos, bool forCards);
  // The context menu's "Radio" (the media subsystem sets it; without it the missing station
  // list is reported).
  std::function<void()> OpenRadio;

  bool TitleShown() const { return titleShown_; }
  bool MenuShown() const { return menuShown_; }
  bool GameShown() const { return game_->State().GameShown; }
  // False when the start found a club file missing or damaged: the window closes.
  bool Started() const { return started_; }

  Settings& CurrentSettings() { return settings_; }
  const Layout& CurrentLayout() const { return layout_; }
  const CardSize& Cards() const { return cards_; }
  const QImage& Background() const { return background_; }
  TitleScreen& Title() { return *title_; }
  MainMenu& Menu() { return *menu_; }
  DeskCalendar& Calendar() { return *calendar_; }
  TableScreen& Table() { return *table_; }
  GameRecorder& Recorder() { return *recorder_; }
  Game& TheGame() { return *game_; }
  FlowController& Flow() { return *flow_; }
  // The computer's choices on the worker thread (the timer's ticks use it).
  BackgroundThinker& Thinker() { return *thinker_; }
  PictureRegistry& Pictures() { return pictures_; }
  QMenu& ContextMenu() { return *popup_; }
  const ClubFiles& Files() const { return files_; }
  ClubServiceConfiguration& Services() { return services_; }
  QTimer& Timer1() { return timer1_; }
  lan::LanSession& Lan() { return *lan_; }
  // The tournament table this window plays at.
  TourPlay& Tour() { return *tour_; }
  // Messages with a title of their own ("You won!"); tests read them.
  std::function<void(const QString& title, const QString& text)> TitledMessage;
  ChatPanel& Chat() { return *chatPanel_; }
  // Whose-turn cues, keyboard play and the hint at the table.
  PlayerAids& Aids() { return *aids_; }
  // The club account: signing in, the account window, rated games.
  AccountPlay& Account() { return *account_; }
  // The club's chat and news: the chat window and the marks on the menu.
  WorldPlay& World() { return *world_; }
  TourLobby& Lobby() { return *tourLobby_; }

  QString W(WordId word) const;
  // The look every dialog of the program wears now (design, fonts, buttons, language).
  DialogLook& Look();
  // The start that the first paint completes: settings, club files, title.
  void CompleteStart();
  void LeaveTitle();
  void ApplyWindowSize();
  void ShowMainMenu();
  void SetLanguage(int languageIndex);
  void ApplyCaptions();
  // The options changed the looks: fonts, designs, deck, backgrounds are applied again.
  void ApplyLooks();
  // The name dialog for a club row, a new player or a rename; false when cancelled.
  bool AskForPlayer(PlayerSlot slot, const std::string& renameFrom = {});
  // A new series against the computer for the player in `slot` (the name dialog is done,
  // or a new player's name is given here).
  void StartSeries(PlayerSlot slot, const std::string& newPlayerName = {});
  // "To change a name" during a series.
  void ChangeName();
  // The record the last finished series left.
  const std::optional<SeriesRecord>& LastSeries() const { return lastSeries_; }
  // Called with every score sheet before it is shown (tests close it).
  std::function<void(TFormDiscard&)> ScoreSheetShown;
  // Called with the help window before it is shown (tests read and close it).
  std::function<void(THelpWindow&)> HelpShown;
  // F1, the context menu's "Help", and the menu's "?" icon when the club names no help page.
  void OpenHelp();
  // Opens the club's online help page in the system browser (tests catch the address).
  std::function<void(const QString& url)> OpenHelpPage;
  // Called with the LAN waiting window before it is shown (tests drive it).
  std::function<void(TFormWait&)> WaitShown;
  // When set, takes the place of the blocking pauses of network play (tests skip them).
  std::function<void(int ms)> PauseOverride;
  // Where a LAN server listens: every interface, so that the others can join; tests and review
  // tools keep to the loopback address.
  QHostAddress LanListenAddress = QHostAddress::Any;
  // The settings are written back; false (after the notice) when that failed.
  bool SaveSettingsNow();

  // --- TableBoundary ---
  void PrepareTable() override;
  void ShowAwaitingServer(int serverSeat) override;
  void DrawGameInfo(bool withTrump) override;
  void DrawScoreBoard(int side, std::int32_t seriesPoints, bool redrawFrame, std::int32_t tricks,
                      std::int32_t dealPoints) override;
  void RedrawHand(int seat, bool faceUp) override;
  void ShowTrumpCard() override;
  void DrawSeatPlate(int seat, bool isDummy, bool leadsTrick) override;
  void CardToTable(int seat, int slot, TCardCode card, bool faceUp) override;
  void GatherTrickArea(int winner) override;
  void RestoreArrowCursor() override;
  void SetStartButton(StartCaption caption, bool enabled) override;
  void SetExitButton(bool enabled) override;
  void SetTimer1(int intervalMs, bool running) override;
  void Pause(int ms) override;
  void DealOver() override;
  void DealReady() override;
  void ShowScoreSheet(bool final, const std::function<void()>& closed) override;
  void EndOfDealShown() override;
  void PlayEffect(std::string_view name) override;
  void SendFrame(std::string_view frame) override;
  void CloseConnections() override;
  void FinishSeries(std::int32_t seriesResult, int seriesKon) override;
  bool ConfirmLeave() override;
  void RemovePlayerFromClub(int playerSlot, bool networkClub) override;
  void LeaveRatedPlay() override;
  void ShowMenu() override;
  void EndTournamentTable() override;
  void ShowTournamentWindow() override;

  // --- TourGameEntry ---
  void StartTournamentGame(const TourGameSeat& seat) override;
  void LeaveTournamentSeat() override;
  int TournamentLink() const override;

  // --- ThinkingView ---
  void BeginThinking() override;
  void ShowProgress(int percent) override;
  void EndThinking() override;

 signals:
  // The start could not be completed (a club file is missing or damaged).
  void StartFailed();
  // The first paint completed the start: settings read, club files checked.
  void StartCompleted();
  // The title screen gave way to the menu.
  void TitleLeft();
  // The options changed where the station list is read from.
  void RadioListChanged();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void OnTimer1();
  void OnComputerChosen(std::uint64_t serial, int seat, int slot);
  void BuildContextMenu();
  void ShowNoticeText(const QString& line1, const QString& line2 = {}, const QString& link = {});
  void ShowMissingFile(const std::optional<MissingFileNotice>& notice);
  void LoadPictures();
  void FillClubList();
  void OnClubRow(int row);
  void OnNewPlayer();
  void OnMenuIcon(int icon);
  // The menu's account lamp and the fifth club row follow the account.
  void ShowAccountOnMenu();
  void OpenSpeedDialog();
  void ConnectDialogs();
  void OpenAbout();
  void OnHandReleased(int seat, int slot, Qt::MouseButton button);
  void OnHandHovered(int seat, int slot);
  // OK of the name dialog in network mode: the sockets and the waiting window.
  bool OpenLanTable(TFormPassword& dialog);
  // The LAN session's few signals: chat, the closing score sheet, an interruption.
  void ConnectLan();
  // The tournament table's few needs of the window: clocks, sounds, messages, chat, names.
  void ConnectTournament();
  void OnCentreReleased(QPoint position, Qt::MouseButton button);
  FontRoles Fonts() const;
  QColor FormColour() const;

  ProgramPaths paths_;
  // Fetches missing libraries for the options dialog; its server is set with the club's.
  LibraryDownloader* downloads_ = nullptr;
  std::optional<std::filesystem::path> shippedLibraries_;
  ClubFiles files_;
  ProgramLock lock_;  // held from the start to the end of the window
  Settings settings_;
  ClubServiceConfiguration services_;  // the club: TAVLO_CLUB, or none
  std::unique_ptr<AccountPlay> account_;
  std::unique_ptr<WorldPlay> world_;
  std::unique_ptr<TourLobby> tourLobby_;
  PictureRegistry pictures_;
  FontRoles fonts_;
  DialogLook look_;
  Layout layout_;
  CardSize cards_;
  QImage background_;
  LoadedDeck deck_;
  LoadedBacks backs_;
  bool clubNoWrite_ = false;
  bool clubCheckFailed_ = false;
  std::string installationLabel_;

  std::string memberName_;  // the player of the running series, as stored (20 characters)
  std::string passwordDigits_;
  ClubPlayerRecords records_;
  DialogPlayerRecords playerRecords_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<ComputerPlayer> computer_;
  PlayerAids* aids_ = nullptr;
  QAction* hint_ = nullptr;
  QAction* turnMark_ = nullptr;  // the table's cues, on by default, for this run
  QAction* dimCards_ = nullptr;
  // Declared after the player it runs and before the flow that asks it: destroyed first,
  // it stops and joins its worker while the player still exists.
  std::unique_ptr<BackgroundThinker> thinker_;
  std::uint64_t thinkSerial_ = 0;  // answers of choices started before the series changed are dropped
  std::optional<std::pair<int, int>> pendingCard_;  // seat and slot that came while a modal window was up
  std::unique_ptr<FlowController> flow_;
  std::unique_ptr<lan::LanSession> lan_;
  std::unique_ptr<TourPlay> tour_;
  ChatPanel* chatPanel_ = nullptr;
  TFormDiscard* openSheet_ = nullptr;  // the score sheet while it is on the screen

  TitleScreen* title_ = nullptr;
  MainMenu* menu_ = nullptr;
  DeskCalendar* calendar_ = nullptr;
  TableScreen* table_ = nullptr;
  GameRecorder* recorder_ = nullptr;
  QMenu* popup_ = nullptr;
  QAction* genCount_ = nullptr;
  QAction* quit_ = nullptr;
  QAction* changeName_ = nullptr;
  QAction* conv_ = nullptr;
  QAction* speed_ = nullptr;
  QAction* help_ = nullptr;
  QAction* about_ = nullptr;
  QAction* radio_ = nullptr;
  QAction* chat_ = nullptr;
  SoundEffects* sounds_ = nullptr;

  QTimer timer1_;
  bool titleShown_ = true;
  bool menuShown_ = false;
  bool firstPaintDone_ = false;
  bool started_ = false;
  bool busy_ = false;      // a blocking pause or the computer's thinking: ticks are dropped
  std::optional<SeriesRecord> lastSeries_;
  int historyFileNo_ = 0;  // the history file the history window showed last
};

}  // namespace tavlo
