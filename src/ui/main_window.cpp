#include "ui/main_window.h"
#include "ui/widgets/program_cursors.h"
#include "ui/table/player_aids.h"
#include "ui/table/info_board_hint.h"
#include "ui/widgets/hint_balloon.h"
#include "ui/dialogs/help_window.h"
#include "ui/table/table_cues.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDate>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QPainter>
#include <QScreen>
#include <QUrl>

#include "files/atomic_write.h"
#include "net/club/club_addresses.h"
#include "lang/languages.h"
#include "lang/word_table.h"
#include "records/club_check.h"
#include "records/club_file.h"
#include "records/club_install.h"
#include "records/club_members.h"
#include "records/records_notice.h"
#include "settings/settings_file.h"
#include "ui/calendar/calendar_install.h"
#include "ui/calendar/desk_calendar.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/notice.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/downloads/library_download.h"
#include "ui/layout/text_fit.h"
#include "ui/menu/club_list.h"
#include "ui/menu/main_menu.h"
#include "ui/menu/title_screen.h"
#include "ui/recording/game_recorder.h"
#include "ui/table/chat_panel.h"
#include "ui/tour/tour_lobby.h"
#include "ui/world/world_play.h"
#include "ui/pictures/library_files.h"
#include "ui/table/table_screen.h"
#include "ui/tour/tour_play.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Texts made of words join their lines with "\n\r"; on screen that is one line break.
QString ScreenText(QString text) { return text.replace("\n\r", "\n"); }

std::vector<std::filesystem::path> LibraryFolders(const ProgramPaths& paths) {
  return {paths.ProgramFolder, paths.ParentFolder};
}

}  // namespace

MainWindow::MainWindow(ProgramPaths paths, std::optional<std::uint64_t> seed)
    : paths_(std::move(paths)),
      files_(ClubFilesIn(paths_.ProgramFolder)),
      settings_(DefaultSettings()),
      pictures_(LibraryFolders(paths_)),
      records_(files_),
      playerRecords_(records_, memberName_) {
  downloads_ = new LibraryDownloader(paths_.ProgramFolder, paths_.ParentFolder, this);
  downloads_->Sound = [this](std::string_view name) { PlayEffect(name); };
  // Libraries come from the club's own server; without a club address the buttons say they failed.
  if (const std::string club = ClubBaseFromEnvironment(); !ClubAddressesFor(club).Account.empty()) {
    downloads_->SetServer(QUrl(QString::fromStdString(club)));
  }
  shippedLibraries_ = ShippedLibraryFolder();
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kDesignWidth, kDesignHeight);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  fonts_ = Fonts();
  look_.Word = [this](WordId w) { return W(w); };
  account_ = std::make_unique<AccountPlay>(services_.Client(), paths_.ParentFolder, pictures_,
                                           [this]() -> DialogLook& { return Look(); }, this);
  playerRecords_.SetAccount(account_.get());
  world_ = std::make_unique<WorldPlay>(services_, settings_, paths_.ParentFolder, pictures_,
                                       [this]() -> DialogLook& { return Look(); }, this);
  world_->MenuShown = [this] { return menuShown_; };
  world_->GameRunning = [this] { return GameShown(); };
  world_->PlayEffect = [this](const char* effect) { PlayEffect(effect); };
  world_->Notice = [this](const QString& line) { ShowNoticeText(line); };
  world_->OpenUrl = [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); };
  OpenHelpPage = [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); };
  world_->GameName = [this] { return windowTitle(); };
  world_->Files = files_;
  world_->SaveSettings = [this] { SaveSettingsNow(); };
  world_->AccountNickCity = [this]() -> std::pair<std::string, std::string> {
    const AccountSession& session = account_->Session();
    if (!session.SignedInNow()) return {};
    return {session.User().Nick, session.User().City};
  };
  tourLobby_ = std::make_unique<TourLobby>(services_.Client(), pictures_, [this]() -> DialogLook& { return Look(); }, *this, this);
  tourLobby_->SignedIn = [this] { return account_->Session().SignedInNow(); };
  tourLobby_->Account = [this] { return account_->Session().User(); };
  tourLobby_->PlayEffect = [this](const char* effect) { PlayEffect(effect); };
  tourLobby_->Notice = [this](const QString& line) { ShowNoticeText(line); };

  const std::uint64_t gameSeed = seed.value_or(Random::ClockSeed());
  game_ = std::make_unique<Game>(*this, playerRecords_, gameSeed);
  thinker_ = std::make_unique<BackgroundThinker>(*this);
  computer_ = std::make_unique<ComputerPlayer>(settings_.Rules, *thinker_,
                                                seed ? std::optional<std::uint64_t>(*seed + 1) : std::nullopt);
  computer_->SetStopFlag(&thinker_->StopFlag());
  thinker_->SetChooser(computer_.get());
  connect(thinker_.get(), &BackgroundThinker::Chosen, this, &MainWindow::OnComputerChosen);
  flow_ = std::make_unique<FlowController>(*game_, *this, *thinker_);

  title_ = new TitleScreen(pictures_, this);
  connect(title_, &TitleScreen::Leave, this, &MainWindow::LeaveTitle);
  menu_ = new MainMenu(this, pictures_, fonts_, [this](WordId w) { return W(w); });
  // The menu's statistics display reads its figures from the club in the background.
  menu_->StatisticsFigureWanted = [this](int page) {
    world_->ReadStatisticsFigure(page, [this, page](std::optional<std::int64_t> figure) {
      menu_->ShowStatisticsFigure(page, figure);
    });
  };
  calendar_ = new DeskCalendar(this, LibraryFolders(paths_));
  calendar_->MenuShown = [this] { return menuShown_; };
  table_ = new TableScreen(this, pictures_, game_->State(), fonts_, [this](WordId w) { return W(w); });
  table_->SetDeck(&deck_, &backs_);
  ConnectLan();
  ConnectTournament();
  connect(menu_, &MainMenu::ClubRowClicked, this, &MainWindow::OnClubRow);
  connect(menu_, &MainMenu::NewPlayerClicked, this, &MainWindow::OnNewPlayer);
  connect(menu_, &MainMenu::ExitClicked, this, &QWidget::close);
  connect(menu_, &MainMenu::ModeClicked, this, [this] {
    PlayEffect("WOpenFo");
    settings_.ClubListMode = settings_.ClubListMode == 1 ? 2 : 1;
    menu_->SetClubListMode(settings_.ClubListMode);
    FillClubList();
  });
  connect(menu_, &MainMenu::CaptionClicked, this, [this] {
    PlayEffect("WOpenFo");
    settings_.CaptionVariant = settings_.CaptionVariant % 7 + 1;
    ShowMainMenu();
  });
  connect(menu_, &MainMenu::IconClicked, this, [this](MenuIcon icon) { OnMenuIcon(static_cast<int>(icon)); });
  connect(&table_->StartButton(), &QAbstractButton::clicked, this, [this] {
    if (!busy_ && !table_->FlightRunning()) flow_->OnStartOrOk();
  });
  connect(&table_->ExitButton(), &QAbstractButton::clicked, this, [this] {
    if (!busy_ && !table_->FlightRunning()) flow_->OnExitToMenu();
  });
  // The click effect of the window's own buttons starts as the button goes down, before
  // whatever the click opens.
  for (TZanCardsButton* b : {&table_->StartButton(), &table_->ExitButton(), &menu_->NewPlayerButton(),
                             &menu_->TopTenButton(), &menu_->OptionsButton(), &menu_->ExitButton(),
                             &menu_->ModeButton(), &menu_->HistoryButton(), &menu_->ClubRow(1), &menu_->ClubRow(2),
                             &menu_->ClubRow(3), &menu_->ClubRow(4), &menu_->ClubRow(5)}) {
    connect(b, &QAbstractButton::pressed, this, [this] { SaluteAt(QCursor::pos(), false); });
  }
  connect(table_, &TableScreen::HandReleased, this, &MainWindow::OnHandReleased);
  recorder_ = new GameRecorder(*this, background_, pictures_, fonts_, paths_.ProgramFolder);
  recorder_->Held = [this] { return busy_ || table_->FlightRunning(); };
  recorder_->Word = [this](WordId w) { return W(w); };
  connect(recorder_, &GameRecorder::SaveFailed, this, [this](const QString& a, const QString& b) { ShowNoticeText(a, b); });
  connect(table_, &TableScreen::HandHovered, this, &MainWindow::OnHandHovered);
  connect(table_, &TableScreen::CentreReleased, this, &MainWindow::OnCentreReleased);
  for (int seat = 1; seat <= 4; ++seat) table_->Hand(seat).setContextMenuPolicy(Qt::PreventContextMenu);
  table_->Centre().setContextMenuPolicy(Qt::PreventContextMenu);

  BuildContextMenu();
  aids_ = new PlayerAids(this, *game_, *flow_, *table_, *this, seed,
                         {[this] { return busy_ || table_->FlightRunning(); },
                          [this] { popup_->exec(mapToGlobal(rect().center())); }});
  // The information board's hover hint: the deal counters of the series.
  AttachHint(&table_->InfoBoard(), new HintBalloon(fonts_, this), [this] {
    return InfoBoardHint(game_->State(), game_->Mode(), [this](WordId w) { return W(w); });
  });
  hint_ = new QAction(popup_);
  popup_->insertAction(speed_, hint_);
  connect(hint_, &QAction::triggered, this, [this] { aids_->ShowHint(); });
  turnMark_ = new QAction(popup_);
  dimCards_ = new QAction(popup_);
  for (QAction* choice : {turnMark_, dimCards_}) {
    choice->setCheckable(true);
    choice->setChecked(true);
    popup_->insertAction(speed_, choice);
  }
  connect(turnMark_, &QAction::toggled, this, [this](bool on) {
    settings_.TurnMark = on;
    aids_->Cues().Choices().TurnMark = on;
    aids_->Cues().ChoicesChanged();
  });
  connect(dimCards_, &QAction::toggled, this, [this](bool on) {
    settings_.DimUnplayable = on;
    aids_->Cues().Choices().DimUnplayable = on;
    aids_->Cues().ChoicesChanged();
  });
  connect(popup_, &QMenu::aboutToShow, this, [this] {
    hint_->setVisible(aids_->HintAllowed());
    hint_->setEnabled(aids_->HintAllowed() && aids_->Cues().PlayerSeat() != 0);
  });
  ApplyCaptions();
  timer1_.setInterval(20);
  connect(&timer1_, &QTimer::timeout, this, &MainWindow::OnTimer1);

  AskYesNo = [this](const QString& question) { return AskInLanguage(question); };
  Notice = [this](const QString& a, const QString& b, const QString& c) {
    ShowNotice(pictures_, NoticeParent(), ScreenText(a), ScreenText(b), c);
  };
  setWindowTitle(FromUtf8(Language(settings_.LanguageIndex).ProductName));
  ConnectDialogs();
  AccountSession& account = account_->Session();
  account.Word = [this](WordId w) { return W(w); };
  account.Notice = [this](const QString& a, const QString& b) { ShowNoticeText(a, b); };
  account.AskYesNo = [this](const QString& q) { return AskYesNo && AskYesNo(q); };
  account.SaveFailedSound = [this] { PlayEffect("WWrongs"); };
  account.OpenPayment = [](const QString& clipboard, const QString& page) {
    QGuiApplication::clipboard()->setText(clipboard);
    if (!page.isEmpty()) QDesktopServices::openUrl(QUrl(page));
  };
}

MainWindow::~MainWindow() = default;

QString MainWindow::W(WordId word) const { return FromUtf8(Word(word, settings_.LanguageIndex)); }

FontRoles MainWindow::Fonts() const {
  FontRoles roles;
  for (std::size_t k = 0; k < 4; ++k) {
    roles.Face[k] = QString::fromStdString(settings_.FontFace[k]);
    roles.Percent[k] = settings_.FontScale[k];
  }
  return roles;
}

DialogLook& MainWindow::Look() {
  look_.Design = static_cast<DialogDesign>(std::clamp(settings_.DialogDesign, 0, 3));
  look_.NewButtons = settings_.NewButtons;
  look_.OwnCursor = settings_.OwnCursor;
  look_.Fonts = fonts_;
  look_.LanguageSuffix = FromUtf8(Language(settings_.LanguageIndex).PictureSuffix);
  look_.LanguageIndex = settings_.LanguageIndex;
  look_.CardStyleUnavailable = [this] { settings_.DialogDesign = 0; };
  look_.DesignLibraryMissing = [this] {
    settings_.DialogDesign = 0;
    ShowNoticeText(W(WordId::CantFindFile) + " " + kDesignLibrary);
  };
  return look_;
}

QWidget* MainWindow::NoticeParent() {
  // A notice or question raised while a modal window of ours is open (the account window, say)
  // belongs to that window: made for the main window it may be stacked under the modal one,
  // where it can neither be seen nor be answered.
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : this;
}

void MainWindow::ShowNoticeText(const QString& line1, const QString& line2, const QString& link) {
  if (Notice) Notice(line1, line2, link);
}

void MainWindow::ShowMissingFile(const std::optional<MissingFileNotice>& notice) {
  if (!notice) return;
  ShowNoticeText(W(WordId::CantFindFile) + notice->tail);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!firstPaintDone_) {
    firstPaintDone_ = true;
    // The first paint completes the start, once the window is on the screen.
    QTimer::singleShot(0, this, &MainWindow::CompleteStart);
  }
}

void MainWindow::CompleteStart() {
  // Fetching the club's configuration waits in an event loop, where the first paint's own call
  // of this function would otherwise run the whole start a second time.
  if (started_ || clubCheckFailed_ || property("startBegun").toBool()) return;
  setProperty("startBegun", true);
  firstPaintDone_ = true;
  const bool noSettingsYet = !std::filesystem::exists(SettingsPath(paths_));
  const SettingsLoad load = LoadSettings(SettingsPath(paths_), services_);
  settings_ = load.Values;
  // The table's cues as they were left at the last exit.
  turnMark_->setChecked(settings_.TurnMark);
  dimCards_->setChecked(settings_.DimUnplayable);
  aids_->Cues().Choices() = {settings_.TurnMark, settings_.DimUnplayable};
  // A missing or partly read settings file never reaches the club's configuration text; without
  // it the world top ten and the chat would stay unavailable until the next start.
  if (load.Status != SettingsLoadStatus::Complete) services_.FetchServiceConfiguration(settings_);
  if (noSettingsYet && FirstStartFitsScreen) {
    // A newcomer sees the table as large as the screen allows, not the small window.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
      const QSize available = screen->availableGeometry().size();
      settings_.WindowSizeMode = static_cast<int>(LargestFittingMode(available.width(), available.height()));
    }
  }

  // One running copy per set of files: a second one would overwrite the first one's updates.
  if (lock_.Acquire(paths_.ParentFolder) == ProgramLock::Result::HeldByAnother) {
    ShowNoticeText(W(WordId::AlreadyRunning), FromUtf8(paths_.ProgramFolder.string()));
    clubCheckFailed_ = true;
    emit StartFailed();
    QTimer::singleShot(0, this, &QWidget::close);
    return;
  }
  // What a crash in the middle of a save left behind; nobody else is writing now.
  for (const std::filesystem::path& folder :
       {paths_.ParentFolder, paths_.ProgramFolder, files_.History, paths_.ProgramFolder / "GIFGame"}) {
    RemoveStaleTemporaryFiles(folder);
  }

  // Club files and picture libraries: installed on the very first start, checked on every start.
  const bool firstStart = IsFirstStart(paths_.ProgramFolder);
  if (firstStart && !InstallClubFiles(paths_.ProgramFolder)) {
    ShowNoticeText(W(WordId::DiskWriteError), FromUtf8(paths_.ProgramFolder.string()));
  }
  if (firstStart && shippedLibraries_) {
    if (!InstallPictureLibraries(paths_.ProgramFolder, *shippedLibraries_)) {
      ShowNoticeText(W(WordId::DiskWriteError), FromUtf8(paths_.ProgramFolder.string()));
    }
  }
  // The calendar library is optional: if it cannot be written the menu simply shows no calendar.
  if (firstStart) InstallCalendarLibrary(paths_.ProgramFolder);
  clubNoWrite_ = false;
  for (const std::filesystem::path& path : {files_.Local, files_.Network}) {
    const ClubCheck check = CheckClubFile(path);
    const std::string message = ClubCheckMessage(check, path, settings_.LanguageIndex);
    if (!message.empty()) ShowNoticeText(FromUtf8(message));
    if (!check.Passed()) {
      clubCheckFailed_ = true;
      emit StartFailed();
      QTimer::singleShot(0, this, &QWidget::close);
      return;
    }
    if (path == files_.Local) {
      installationLabel_ = check.InstallationLabel;
      if (check.RussianFlag) settings_.LanguageIndex = kRussian;
    }
    // One flag guards both files: a file this program may not write is never written.
    clubNoWrite_ = clubNoWrite_ || check.ClubNoWrite;
  }

  // The maker's own test installations are not counted.
  if (installationLabel_ != "idd") world_->CountStart();

  // The club account signs in from the user file, once the club's addresses are settled.
  account_->Session().PaymentPage = QString::fromStdString(services_.PaymentPage());
  account_->Session().AutoSignIn();

  fonts_ = Fonts();
  ApplyCaptions();
  ApplyProgramCursors(*this, settings_.OwnCursor);
  title_->Prepare(settings_.LanguageIndex);
  title_->show();
  title_->setFocus();
  started_ = true;
  world_->WatchTimer().start();
  timer1_.start(20);
  emit StartCompleted();
}

void MainWindow::LeaveTitle() {
  if (!titleShown_ || !started_) return;
  timer1_.stop();
  titleShown_ = false;
  title_->hide();
  ApplyWindowSize();
  radio_->setEnabled(true);
  chat_->setEnabled(true);
  timer1_.start(20);
  emit TitleLeft();
}

void MainWindow::LoadPictures() {
  const LoadedBackground bg =
      LoadBackground(pictures_, settings_.MenuDesign == 1, settings_.BackgroundNumber, settings_.BackgroundColour,
                     settings_.WindowSizeMode == 1 ? 1 : settings_.WindowSizeMode, QSize(layout_.Width, layout_.Height));
  ShowMissingFile(bg.notice);
  settings_.BackgroundNumber = bg.backgroundNumber;
  settings_.BackgroundColour = bg.backgroundColour;
  if (bg.designsOff) {
    settings_.MenuDesign = settings_.TableDesign = 0;
    if (settings_.DialogDesign == 3) settings_.DialogDesign = 0;
  }
  background_ = bg.picture.isNull() ? pictures_.Picture("FonG", QSize(layout_.Width, layout_.Height))
                                    : bg.picture.scaled(layout_.Width, layout_.Height);
  if (background_.size() != QSize(layout_.Width, layout_.Height)) {
    background_ = background_.scaled(layout_.Width, layout_.Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }

  cards_ = CardSizeFor(layout_, HasNarrowCards(settings_.DeckNumber));
  deck_ = LoadDeck(pictures_, settings_.DeckNumber, cards_.SizeClass, QSize(cards_.Width, cards_.Height));
  ShowMissingFile(deck_.notice);
  settings_.DeckNumber = deck_.deckNumber;
  cards_ = CardSizeFor(layout_, deck_.narrowCards);
  backs_ = LoadBacks(pictures_, settings_.BackSet, settings_.DeckNumber, cards_.SizeClass,
                     QSize(cards_.Width, cards_.Height));
  ShowMissingFile(backs_.notice);
  settings_.BackSet = backs_.backSet;
  if (backs_.reloadBuiltInDeck) {
    settings_.DeckNumber = 0;
    cards_ = CardSizeFor(layout_, false);
    deck_ = LoadDeck(pictures_, 0, cards_.SizeClass, QSize(cards_.Width, cards_.Height));
  }
  TableLook& look = table_->Look();
  look.NarrowCards = deck_.narrowCards;
  look.FlyCards = settings_.FlyCardsOn;
  look.FlySpeed = settings_.FlySpeed;
  look.TableDesign = settings_.TableDesign;
  table_->SetLayout(layout_, cards_, static_cast<WindowSizeMode>(settings_.WindowSizeMode), &background_);
  chatPanel_->Place(layout_, settings_.WindowSizeMode == 1, &background_);
}

void MainWindow::ApplyWindowSize() {
  auto mode = static_cast<WindowSizeMode>(std::clamp(settings_.WindowSizeMode, 1, 5));
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
  if (!ModeFitsScreen(mode, available.width(), available.height())) mode = WindowSizeMode::Small;
  settings_.WindowSizeMode = static_cast<int>(mode);
  if (mode == WindowSizeMode::FullScreen) {
    // The frame the window manager adds is known once the window is up; the client is what
    // is left of the work area, and the layout is read back from it.
    const QRect frame = frameGeometry(), inner = geometry();
    const FrameMargins margins{inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                               frame.bottom() - inner.bottom()};
    const ScreenRect client = FullScreenClient({available.x(), available.y(), available.width(), available.height()}, margins);
    layout_ = LayoutFor(mode, client.Width, client.Height);
    setFixedSize(layout_.Width, layout_.Height);
    move(available.topLeft());
  } else {
    layout_ = LayoutFor(mode);
    setFixedSize(layout_.Width, layout_.Height);
  }
  // Recording a game is possible only in the small window.
  if (mode != WindowSizeMode::Small) settings_.SaveGamesAsGif = false;
  LoadPictures();
  if (!GameShown()) {
    ShowMainMenu();
  } else {
    table_->ShowGameTable();
  }
  update();
}

QColor MainWindow::FormColour() const {
  if (settings_.MenuDesign == 1) return FromBgrColour(0xC80078);
  constexpr std::uint32_t kColours[7] = {0x008000, 0x000080, 0x004080, 0x008080, 0x808000, 0x800000, 0x800080};
  return FromBgrColour(kColours[std::clamp(settings_.BackgroundColour, 0, 6)]);
}

void MainWindow::ShowMainMenu() {
  if (const QScreen* screen = this->screen(); screen && settings_.WindowSizeMode != 2) {
    const QRect s = screen->availableGeometry();
    move(s.left() + RoundHalfEven((s.width() - width()) / 2.0), s.top() + RoundHalfEven((s.height() - height()) / 2.0));
  }
  timer1_.setInterval(20);
  genCount_->setEnabled(false);
  quit_->setEnabled(false);
  changeName_->setEnabled(false);
  conv_->setEnabled(false);
  table_->HideGameTable();
  chatPanel_->SetVisible(false);
  title_->hide();
  MenuView view;
  view.layout = layout_;
  view.mode = static_cast<WindowSizeMode>(settings_.WindowSizeMode);
  view.background = &background_;
  view.menuDesign = settings_.MenuDesign;
  view.captionVariant = settings_.CaptionVariant;
  view.clubListMode = settings_.ClubListMode;
  view.networkClub = settings_.NetGame;
  view.animate = settings_.GifAnimationOn;
  view.languageSuffix = FromUtf8(Language(settings_.LanguageIndex).PictureSuffix);
  view.calendarShown = calendar_->ShowCalendar(layout_, &background_, settings_.LanguageIndex);
  const AccountSession& account = account_->Session();
  view.accountState = account.AccountState();
  view.accountSignedIn = account.SignedInNow();
  view.accountNick = QString::fromStdString(account.User().Nick);
  view.accountRecordRead = account.GameRead();
  menu_->Show(view);
  FillClubList();
  menuShown_ = true;
  world_->PlaceIndicators(layout_, menu_->NewPlayerButton().geometry(), menu_->IndicatorShelf());
  update();
}

void MainWindow::FillClubList() {
  const ClubFileContents club = ReadClubFile(files_.Club(settings_.NetGame));
  std::array<QString, 5> rows;
  std::array<bool, 5> empty{};
  const QFont font = menu_->ClubRow(1).font();
  const QFontMetrics metrics(font);
  const int limit = layout_.ScaleLen(361);
  for (int k = 1; k <= 5; ++k) {
    const std::string line = club.Status == ClubRead::Read ? club.Lines[k] : std::string();
    empty[static_cast<std::size_t>(k - 1)] = IsEmptyClubRow(line);
    const std::string row = ShortenRow(ClubListRow(line, settings_.ClubListMode), limit, [&](const std::string& text) {
      return metrics.horizontalAdvance(QString::fromStdString(text));
    });
    rows[static_cast<std::size_t>(k - 1)] = QString::fromStdString(row);
  }
  // While an account is signed in the fifth row is the account's (not in LAN games).
  if (account_->Session().SignedInNow() && !settings_.NetGame) {
    rows[4] = account_->ClubRow(settings_.ClubListMode);
    empty[4] = false;
  }
  menu_->SetClubRows(rows, empty);
}

bool MainWindow::AskInLanguage(const QString& question) {
  // The buttons speak the player's language, whatever the desktop's is.
  QMessageBox box(QMessageBox::Question, windowTitle(), ScreenText(question), QMessageBox::NoButton, NoticeParent());
  QPushButton* yes = box.addButton(W(WordId::QuestionYes), QMessageBox::YesRole);
  QPushButton* no = box.addButton(W(WordId::MenuNo), QMessageBox::NoRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  ApplyProgramCursors(box, settings_.OwnCursor);
  box.exec();
  return box.clickedButton() == yes;
}

void MainWindow::SetLanguage(int languageIndex) {
  settings_.LanguageIndex = languageIndex;
  ApplyCaptions();
  if (menuShown_) ShowMainMenu();
}

void MainWindow::ApplyCaptions() {
  setWindowTitle(FromUtf8(Language(settings_.LanguageIndex).ProductName));
  genCount_->setText(W(WordId::GeneralScore));
  quit_->setText(W(WordId::ExitToMenu));
  changeName_->setText(W(WordId::ChangeName));
  speed_->setText(W(WordId::Speed));
  conv_->setText(W(WordId::Discard) + " (F2)");
  if (hint_) hint_->setText(W(WordId::Hint) + " (H)");
  if (turnMark_) turnMark_->setText(W(WordId::TurnMarkOption));
  if (dimCards_) dimCards_->setText(W(WordId::DimUnplayableOption));
  help_->setText(W(WordId::Help));
  about_->setText(W(WordId::About));
  radio_->setText(W(WordId::Radio));
  chat_->setText(W(WordId::Chat));
  menu_->ApplyCaptions();
  if (table_->Shown()) table_->ExitButton().setText(W(WordId::ExitToMenu));
}

void MainWindow::ApplyLooks() {
  fonts_ = Fonts();
  if (!titleShown_) ApplyWindowSize();
  ApplyCaptions();
}

void MainWindow::BuildContextMenu() {
  popup_ = new QMenu(this);
  genCount_ = popup_->addAction(QString());
  quit_ = popup_->addAction(QString());
  changeName_ = popup_->addAction(QString());
  conv_ = popup_->addAction(QString());
  speed_ = popup_->addAction(QString());
  popup_->addSeparator();
  help_ = popup_->addAction(QString());
  about_ = popup_->addAction(QString());
  popup_->addSeparator();
  radio_ = popup_->addAction(QString());
  chat_ = popup_->addAction(QString());
  for (QAction* a : {genCount_, quit_, changeName_, conv_, radio_, chat_}) a->setEnabled(false);
  connect(quit_, &QAction::triggered, this, [this] { flow_->OnQuit(); });
  connect(changeName_, &QAction::triggered, this, &MainWindow::ChangeName);
  connect(speed_, &QAction::triggered, this, &MainWindow::OpenSpeedDialog);
  connect(help_, &QAction::triggered, this, &MainWindow::OpenHelp);
  connect(about_, &QAction::triggered, this, &MainWindow::OpenAbout);
  connect(conv_, &QAction::triggered, this, [this] { ShowScoreSheet(false, {}); });
  connect(genCount_, &QAction::triggered, this, [this] {
    const GameState& s = game_->State();
    ShowNoticeText(W(WordId::GeneralScore) + ": " + QString::number(s.TotalScore),
                   W(WordId::GeneralNumberOfGame) + " " + QString::number(s.KonNo));
  });
  connect(radio_, &QAction::triggered, this, [this] {
    if (OpenRadio) {
      OpenRadio();
    } else {
      ShowNoticeText(W(WordId::CantFindFile) + " \"" + FromUtf8((paths_.ProgramFolder / "ZanRadio.rad").string()) + "\"!");
    }
  });
  connect(chat_, &QAction::triggered, this, [this] { world_->OpenChat(); });
  ApplyCaptions();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  // On the title screen too: the game's items are off there, and radio and chat until the menu.
  popup_->exec(event->globalPos());
}

void MainWindow::OpenSpeedDialog() {
  TFormSpeed dialog(pictures_, Look(), settings_.FlySpeed, this);
  dialog.exec();
  table_->Look().FlySpeed = settings_.FlySpeed;
}

void MainWindow::OpenHelp() {
  // The program carries its own document; where it is not written in the player's language
  // the English one is shown after saying so.
  const HelpDocument document = HelpDocumentFor(settings_.LanguageIndex);
  if (!document.Translated) {
    ShowNoticeText("Excuse!", "The file of the help is not translated to the " +
                                  document.LanguageName + " language.");
  }
  THelpWindow dialog(pictures_, Look(), settings_.LanguageIndex, this);
  // Asked for at the end of a deal, the help opens where the end of a deal is explained.
  if (GameShown() && game_->State().Turn == turn::kDealScored) dialog.OpenAtTopic("end");
  if (HelpShown) HelpShown(dialog);
  dialog.exec();
}

void MainWindow::OpenAbout() {
  TFormAbout dialog(pictures_, Look(), FromUtf8(Language(settings_.LanguageIndex).ProductName), this);
  dialog.exec();
}

void MainWindow::OnMenuIcon(int icon) {
  PlayEffect("WOpenFo");
  switch (static_cast<MenuIcon>(icon)) {
    case MenuIcon::Help:
      // The club's online help page when there is one; the program's own document otherwise.
      if (!services_.HelpPage().empty() && OpenHelpPage) {
        OpenHelpPage(QString::fromStdString(services_.HelpPage()));
      } else {
        OpenHelp();
      }
      break;
    case MenuIcon::Tournament: tourLobby_->Open(); break;
    case MenuIcon::Account:
      if (account_->OpenFromLamp()) {
        ShowMainMenu();
      } else {
        ShowAccountOnMenu();
      }
      break;
    case MenuIcon::Statistics: world_->OpenStatistics(); break;
    case MenuIcon::WorldTopTen: world_->OpenWorldTopTen(); break;
  }
}

void MainWindow::OnClubRow(int row) {
  if (row == 5 && account_->Session().SignedInNow() && !settings_.NetGame) {
    PlayEffect("WOpenFo");
    bool redraw = false;
    if (account_->OpenForRatedGame(&redraw)) {
      memberName_ = account_->LoadPlayer(PlayerSlot::ClubAccount, false).Name;
      StartSeries(PlayerSlot::ClubAccount);
    } else if (redraw) {
      ShowMainMenu();
    } else {
      ShowAccountOnMenu();
    }
    return;
  }
  const ClubFileContents club = ReadClubFile(files_.Club(settings_.NetGame));
  if (club.Status != ClubRead::Read || IsEmptyClubRow(club.Lines[row])) return;
  PlayEffect("WOpenFo");
  if (AskForPlayer(static_cast<PlayerSlot>(row))) StartSeries(static_cast<PlayerSlot>(row));
}

void MainWindow::ShowAccountOnMenu() {
  const AccountSession& account = account_->Session();
  menu_->SetAccount(account.AccountState(), QString::fromStdString(account.User().Nick), account.GameRead());
}

void MainWindow::OnNewPlayer() {
  PlayEffect("WOpenFo");
  if (AskForPlayer(PlayerSlot::NewPlayer)) StartSeries(PlayerSlot::NewPlayer);
}

void MainWindow::StartSeries(PlayerSlot slot, const std::string& newPlayerName) {
  if (!newPlayerName.empty()) memberName_ = newPlayerName;
  TableMode mode;
  mode.Player = slot;
  mode.AccountState = account_->Session().AccountState();
  // In network mode every read and write of the series goes to the network club file.
  mode.NetGame = settings_.NetGame;
  if (mode.NetGame) {
    const lan::LanState& lan = lan_->State();
    mode.NetRole = lan.NetRole;
    mode.LastClient = lan.LastClient;
    mode.AwaitingDeal = lan.NetRole >= 2;
    game_->SetSeatNames(lan_->ScreenSeatNames());
    chatPanel_->Clear();
    chatPanel_->SetVisible(true);
    chatPanel_->SetInputEnabled(!mode.AwaitingDeal);
  }
  game_->SetMode(mode);
  game_->SetOptions(GameRules(settings_));
  thinker_->Exclusive([this, &mode] {
    computer_->SetOptions(GameRules(settings_));
    computer_->SetLevel(LevelForTable(mode, settings_.ExpertComputer));
  });
  ++thinkSerial_;
  pendingCard_.reset();
  menu_->Hide();
  calendar_->Hide();
  menuShown_ = false;
  world_->ShowIndicators();
  timer1_.stop();
  flow_->StartSeries();
}

bool MainWindow::SaveSettingsNow() {
  const SettingsSaveResult result = SaveSettings(settings_, SettingsPath(paths_), services_, clubCheckFailed_);
  if (result == SettingsSaveResult::Failed) {
    ShowNoticeText(W(WordId::CantSaveOptions));
    return false;
  }
  return true;
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), FormColour());
  if (!titleShown_ && !background_.isNull()) p.drawImage(event->rect(), background_, event->rect());
}

void MainWindow::OnTimer1() {
  if (busy_ || table_->FlightRunning()) return;
  if (titleShown_) {
    title_->Tick();
    return;
  }
  if (menuShown_) menu_->Animate(QDateTime::currentDateTime());
  if (!game_->State().GameShown) return;
  if (pendingCard_) {
    const auto [seat, slot] = *pendingCard_;
    pendingCard_.reset();
    flow_->OnComputerCard(seat, slot);
    return;
  }
  // The computer thinks on the worker; the card comes back through OnComputerChosen.
  if (const int seat = flow_->OnTimer1Deferred(); seat != 0) {
    BeginThinking();
    if (!thinker_->Start(game_->State(), seat, thinkSerial_)) EndThinking();
  }
}

void MainWindow::OnComputerChosen(std::uint64_t serial, int seat, int slot) {
  EndThinking();
  if (serial != thinkSerial_) return;
  // A question or the score sheet is on the screen: the card waits for the next tick.
  if (QApplication::activeModalWidget() != nullptr) {
    pendingCard_ = std::make_pair(seat, slot);
    return;
  }
  flow_->OnComputerCard(seat, slot);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  if (titleShown_ && started_) {
    LeaveTitle();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && !titleShown_) {
    OpenHelp();
    return;
  }
  if (event->key() == Qt::Key_F2 && GameShown()) {
    ShowScoreSheet(false, {});
    return;
  }
  QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (clubCheckFailed_ || !started_) {
    event->accept();
    return;
  }
  if (GameShown()) {
    PlayEffect("WOpenFo");
    if (!AskYesNo(W(WordId::LeaveGameQuestion) + " " + W(WordId::DataWillBeLost))) {
      event->ignore();
      return;
    }
  }
  timer1_.stop();
  recorder_->Save();
  SaveSettingsNow();
  if (GameShown()) {
    const TableMode& mode = game_->Mode();
    const int slot = static_cast<int>(mode.Player);
    if (!mode.Tournament && slot >= 1 && slot <= 5) RemovePlayerFromClub(slot, settings_.NetGame);
  }
  lan_->Close();
  event->accept();
}

}  // namespace tavlo
