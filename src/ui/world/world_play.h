#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>

#include "net/club/club_background.h"
#include "net/club/club_service_configuration.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/layout/scale.h"
#include "ui/world/chat_window.h"
#include "ui/world/passport_window.h"
#include "ui/world/statistics_window.h"
#include "ui/world/world_result_window.h"
#include "ui/world/world_top_ten_window.h"

namespace tavlo {

struct Settings;

// The club's chat and news as the main window uses them: the chat window from the menu, and the
// one-second watch that lights the chat and news marks on the menu. The main window owns one.
// The figure a page of the menu's statistics display shows.
std::int64_t StatisticsFigure(const TZanStat& stat, int page);

class WorldPlay : public QObject {
  Q_OBJECT

 public:
  WorldPlay(ClubServiceConfiguration& services, Settings& settings, std::filesystem::path parentFolder,
            PictureRegistry& pictures, std::function<DialogLook&()> look, QWidget* owner);

  // What the watch asks of the main window.
  std::function<bool()> MenuShown;
  std::function<bool()> GameRunning;
  std::function<void(const char* effect)> PlayEffect;
  std::function<void(const QString&)> Notice;
  std::function<void(const QString& url)> OpenUrl;
  std::function<QString()> GameName;
  // The signed-in account's nick and city (empty when signed out), and the local club files.
  std::function<std::pair<std::string, std::string>()> AccountNickCity;
  ClubFiles Files;
  // Called with the chat or world top ten window before it is shown (tests drive them; they are modal).
  std::function<void(TFormChat&)> ChatShown;
  std::function<void(TFormServerRead&)> WorldTopTenShown;

  // "World Top Ten Tournament is temporarily unavailable!" when the club pauses it; otherwise the
  // modal window on the tab last shown of the three cycle tables.
  void OpenWorldTopTen();
  // The result window after a cycle against the computer played without an account.
  void ShowCycleResult(std::int32_t cycleScore);
  std::function<void(TFormServerWrite&)> ResultShown;
  // The statistics window of the menu's icon; a like sets the flag and saves the settings.
  void OpenStatistics();
  std::function<void(TFStat&)> StatisticsShown;
  std::function<void()> SaveSettings;
  // The question for a nick before a like (an input box titled "Nick" unless a test answers).
  std::function<std::optional<QString>(const QString& current)> AskNick;

  // The statistics of a start of the program (the first counted start of this installation also as
  // a unique one; the settings keep that it was) and of a finished game. Both are sent in the
  // background: the player never waits for the club's statistics.
  void CountStart();
  void SendGameStats(const std::array<std::int32_t, 12>& stats);
  // Requests sent in the background that have not come back yet.
  int BackgroundRunning() const { return polls_.Running(); }

  // The figure of one page of the menu's statistics display (1 starts, 2 unique starts, 3 likes,
  // 4 games and 5 cycles against the computer, 6 LAN games, 7 online games), read in the
  // background; nothing when the club does not answer.
  void ReadStatisticsFigure(int page, std::function<void(std::optional<std::int64_t>)> done);

  // "My Passport" (from the chat, the world top ten, the result window and the options): OK
  // keeps the edited passport in the settings and saves them.
  void OpenPassport();
  std::function<void(TFormServerInfo&)> PassportShown;

  // "Chat is temporarily unavailable!" when the club pauses it; otherwise the modal window.
  void OpenChat();
  // The news mark's click: the number read is stored and the news page opens.
  void OpenNews();

  // One tick of the one-second watch (the timer calls it; tests may call it directly).
  void Tick();
  // The two polls send their request and return at once; the mark lights when the answer comes.
  // A poll still waiting for its answer is not sent again.
  void CheckNews();
  void CheckChat();
  bool PollsPending() const { return newsPending_ || chatPending_; }
  QTimer& WatchTimer() { return watch_; }
  bool ChatIndicator() const { return chatIndicator_; }
  bool NewsIndicator() const { return newsIndicator_; }
  bool ChatOpen() const { return chatOpen_; }

  // Places the two marks on the menu and shows those that are lit: on the menu's shelf on large
  // screens (news left, chat right, standing on the shelf board), otherwise small beside
  // "New Player".
  void PlaceIndicators(const Layout& layout, QRect newPlayer, std::optional<QRect> shelf);
  void ShowIndicators();
  QLabel& ChatMark() { return *chatMark_; }
  QLabel& NewsMark() { return *newsMark_; }
  QLabel& Shelf() { return *shelf_; }

 private:
  void Blink();
  void NewsRead(int served);
  void ChatRead(const WorldRows& table);

  ClubServiceConfiguration& services_;
  Settings& settings_;
  std::filesystem::path parentFolder_;
  PictureRegistry& pictures_;
  std::function<DialogLook&()> look_;
  QWidget* owner_;
  QTimer watch_;
  int ticks_ = 0;
  int blink_ = 0;
  bool chatIndicator_ = false;
  bool newsIndicator_ = false;
  bool chatOpen_ = false;
  bool newsPending_ = false;
  bool chatPending_ = false;
  ClubBackground polls_;
  std::int64_t newsNumber_ = 0;
  int lastWorldTab_ = 2;  // the Windows table the first time
  QLabel* chatMark_ = nullptr;
  QLabel* newsMark_ = nullptr;
  QLabel* shelf_ = nullptr;
  bool onShelf_ = false;
};

}  // namespace tavlo
