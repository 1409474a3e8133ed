#include "ui/world/world_play.h"

#include <QInputDialog>
#include <QMouseEvent>

#include "net/club/world_passport.h"
#include "settings/settings.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo {
namespace {

constexpr int kNewsEveryTicks = 3;
constexpr int kChatEveryTicks = 90;
constexpr int kMarkSize = 32;

// A mark the player clicks.
class MarkLabel : public QLabel {
 public:
  MarkLabel(QWidget* parent, std::function<void()> clicked) : QLabel(parent), clicked_(std::move(clicked)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) clicked_();
  }

 private:
  std::function<void()> clicked_;
};

}  // namespace

WorldPlay::WorldPlay(ClubServiceConfiguration& services, Settings& settings, std::filesystem::path parentFolder,
                     PictureRegistry& pictures, std::function<DialogLook&()> look, QWidget* owner)
    : QObject(nullptr),
      services_(services),
      settings_(settings),
      parentFolder_(std::move(parentFolder)),
      pictures_(pictures),
      look_(std::move(look)),
      owner_(owner) {
  chatMark_ = new MarkLabel(owner, [this] { OpenChat(); });
  chatMark_->setObjectName("ChatMark");
  newsMark_ = new MarkLabel(owner, [this] { OpenNews(); });
  newsMark_->setObjectName("NewsMark");
  shelf_ = new QLabel(owner);
  shelf_->setObjectName("MarkShelf");
  shelf_->hide();
  for (QLabel* mark : {chatMark_, newsMark_}) {
    mark->resize(kMarkSize, kMarkSize);
    mark->setCursor(Qt::PointingHandCursor);
    mark->hide();
  }
  watch_.setInterval(1000);
  connect(&watch_, &QTimer::timeout, this, &WorldPlay::Tick);
}

void WorldPlay::OpenChat() {
  if (!services_.ChatAvailable()) {
    if (Notice) Notice(look_().Word ? look_().Word(WordId::ChatUnavailable) : QString());
    return;
  }
  if (chatOpen_) return;
  ChatContext context;
  context.Client = &services_.Client();
  context.ParentFolder = parentFolder_;
  context.Passport = [this] {
    return WorldPassport{settings_.WorldName, settings_.WorldCity, settings_.WorldCountry, settings_.WorldSex};
  };
  context.GameName = GameName ? GameName() : QString("Tavlo");
  context.OpenPassport = [this] { OpenPassport(); };
  context.Notice = Notice;
  // Opening the chat shows the newest messages, so its mark goes out.
  chatIndicator_ = false;
  ShowIndicators();
  chatOpen_ = true;
  TFormChat chat(pictures_, look_(), std::move(context), owner_);
  SaveChatState(parentFolder_, chat.State());
  if (ChatShown) ChatShown(chat);
  chat.exec();
  chatOpen_ = false;
}

void WorldPlay::OpenWorldTopTen() {
  if (!services_.WorldTopTenAvailable()) {
    if (Notice) Notice(look_().Word ? look_().Word(WordId::WorldTopTenUnavailable) : QString());
    return;
  }
  WorldTopTenContext context;
  context.Client = &services_.Client();
  context.Files = Files;
  context.Passport = [this] {
    return WorldPassport{settings_.WorldName, settings_.WorldCity, settings_.WorldCountry, settings_.WorldSex};
  };
  context.Account = AccountNickCity;
  context.OpenPassport = [this] { OpenPassport(); };
  TFormServerRead window(pictures_, look_(), std::move(context), lastWorldTab_, owner_);
  if (WorldTopTenShown) WorldTopTenShown(window);
  window.exec();
  const int tab = window.Tabs().currentIndex();
  if (tab >= 1 && tab <= 3) lastWorldTab_ = tab;
}

void WorldPlay::ShowCycleResult(std::int32_t cycleScore) {
  // Without a club that keeps the world tables there is nothing to send the score to.
  if (!services_.WorldTopTenAvailable()) return;
  TFormServerWrite window(
      pictures_, look_(), services_.Client(),
      [this] {
        return WorldPassport{settings_.WorldName, settings_.WorldCity, settings_.WorldCountry, settings_.WorldSex};
      },
      cycleScore, [this] { OpenPassport(); }, owner_);
  if (ResultShown) ResultShown(window);
  window.exec();
}

void WorldPlay::OpenStatistics() {
  // Without a club there is no statistics service to read.
  if (services_.Client().Addresses().Statistics.empty()) {
    if (Notice) Notice(look_().Word ? look_().Word(WordId::CouldNotConnect) : QString());
    return;
  }
  StatisticsContext context;
  context.Client = &services_.Client();
  context.Nick = [this] { return settings_.WorldName.empty() ? std::string(kDefaultWorldName) : settings_.WorldName; };
  context.SetNick = [this](const std::string& nick) { settings_.WorldName = nick; };
  context.AskNick = AskNick;
  if (!context.AskNick) {
    context.AskNick = [this](const QString& current) -> std::optional<QString> {
      const QString title = look_().Word ? look_().Word(WordId::Nick) : QString("Nick");
      bool ok = false;
      const QString text = QInputDialog::getText(owner_, title, title, QLineEdit::Normal, current, &ok);
      return ok ? std::optional(text) : std::nullopt;
    };
  }
  context.LikeSent = settings_.VoteSent;
  context.Liked = [this] {
    settings_.VoteSent = true;
    if (SaveSettings) SaveSettings();
  };
  TFStat window(pictures_, look_(), std::move(context), owner_);
  if (StatisticsShown) StatisticsShown(window);
  window.exec();
}

std::int64_t StatisticsFigure(const TZanStat& stat, int page) {
  switch (page) {
    case 1:
      return stat.Stat1;
    case 2:
      return stat.Stat2;
    case 3:
      return stat.Stat3;
    case 4:
      return stat.StatX[1];
    case 5:
      return stat.StatX[2];
    case 6:
      return stat.StatX[5];
    case 7:
      return stat.StatX[6];
    default:
      return 0;
  }
}

void WorldPlay::ReadStatisticsFigure(int page, std::function<void(std::optional<std::int64_t>)> done) {
  if (services_.Client().Addresses().Statistics.empty()) {
    done(std::nullopt);
    return;
  }
  polls_.Run<std::optional<TZanStat>>(
      services_.Client().Addresses(), [](ClubClient& client) { return client.ReadGlobalStats(); }, this,
      [page, done = std::move(done)](std::optional<TZanStat> stat) {
        done(stat ? std::optional(StatisticsFigure(*stat, page)) : std::nullopt);
      });
}

void WorldPlay::OpenPassport() {
  WorldPassport passport{settings_.WorldName, settings_.WorldCity, settings_.WorldCountry, settings_.WorldSex};
  if (passport.Nick.empty()) passport.Nick = kDefaultWorldName;
  if (passport.Country.empty()) passport.Country = kDefaultWorldCountry;
  if (passport.Sex.empty()) passport.Sex = kDefaultWorldSex;
  TFormServerInfo window(pictures_, look_(), passport, owner_);
  if (PassportShown) PassportShown(window);
  if (window.exec() != QDialog::Accepted) return;
  const WorldPassport edited = window.Passport();
  settings_.WorldName = edited.Nick;
  settings_.WorldCity = edited.City;
  settings_.WorldCountry = edited.Country;
  settings_.WorldSex = edited.Sex;
  if (SaveSettings) SaveSettings();
}

void WorldPlay::CountStart() {
  if (services_.Client().Addresses().Statistics.empty()) return;
  const bool first = !settings_.StartCounted;
  polls_.Run<bool>(
      services_.Client().Addresses(), [first](ClubClient& client) { return client.CountStart(first); }, this,
      [this, first](bool counted) {
        if (first) settings_.StartCounted = counted;
        if (SaveSettings) SaveSettings();
      });
}

void WorldPlay::SendGameStats(const std::array<std::int32_t, 12>& stats) {
  if (services_.Client().Addresses().Statistics.empty()) return;
  polls_.Run<bool>(
      services_.Client().Addresses(), [stats](ClubClient& client) { return client.SendGameStats(stats); }, this,
      [](bool) {});
}

void WorldPlay::OpenNews() {
  SaveNewsNumber(parentFolder_, newsNumber_);
  const std::string page = services_.Client().Addresses().News;
  if (!page.empty() && OpenUrl) OpenUrl(QString::fromStdString(page));
  newsIndicator_ = false;
  ShowIndicators();
}

void WorldPlay::Tick() {
  ++ticks_;
  Blink();
  if (ticks_ % kNewsEveryTicks == 0) CheckNews();
  if (ticks_ % kChatEveryTicks == 0) CheckChat();
}

void WorldPlay::CheckNews() {
  if (newsPending_ || newsIndicator_ || (MenuShown && !MenuShown())) return;
  if (services_.Client().Addresses().News.empty()) return;
  newsPending_ = true;
  polls_.Run<int>(
      services_.Client().Addresses(), [](ClubClient& client) { return client.ReadNewsNumber(); }, this,
      [this](int served) { NewsRead(served); });
}

void WorldPlay::NewsRead(int served) {
  newsPending_ = false;
  // The player may have left the menu while the club answered; the next poll asks again.
  if (newsIndicator_ || (MenuShown && !MenuShown())) return;
  if (served > LoadNewsNumber(parentFolder_)) {
    newsNumber_ = served;
    newsIndicator_ = true;
    ShowIndicators();
  }
}

void WorldPlay::CheckChat() {
  if (chatPending_ || chatIndicator_ || !services_.ChatAvailable()) return;
  chatPending_ = true;
  polls_.Run<WorldRows>(
      services_.Client().Addresses(), [](ClubClient& client) { return client.ReadWorldTable(kChatTable); }, this,
      [this](WorldRows table) { ChatRead(table); });
}

void WorldPlay::ChatRead(const WorldRows& table) {
  chatPending_ = false;
  if (chatIndicator_ || chatOpen_ || !table.Ok) return;
  // The file is read when the answer is there: a chat window opened meanwhile has stored what it saw.
  const ChatState state = LoadChatState(parentFolder_);
  if (NewestChatNumber(table.Rows) <= state.LastSeen) return;
  chatIndicator_ = true;
  ShowIndicators();
  if (PlayEffect) PlayEffect("WToMenK");
  if (GameRunning && GameRunning() && state.OpenOnNew && !chatOpen_) OpenChat();
}

void WorldPlay::PlaceIndicators(const Layout&, QRect newPlayer, std::optional<QRect> shelf) {
  onShelf_ = shelf.has_value();
  if (shelf) {
    // The board lies along the bottom of the shelf; the two marks stand on it.
    constexpr int kBoard = 54;
    constexpr int kLarge = 64;
    const QRect board(shelf->left(), shelf->bottom() + 1 - kBoard, shelf->width(), kBoard);
    shelf_->setGeometry(board);
    shelf_->setPixmap(QPixmap::fromImage(pictures_.Picture("GPolkaNw", board.size())));
    const int top = board.top() + 12 - kLarge;
    const int half = shelf->width() / 2;
    newsMark_->setGeometry(shelf->left() + (half - kLarge) / 2, top, kLarge, kLarge);
    chatMark_->setGeometry(shelf->left() + half + (half - kLarge) / 2, top, kLarge, kLarge);
  } else {
    const int top = newPlayer.top() + (newPlayer.height() - kMarkSize) / 2;
    newsMark_->setGeometry(newPlayer.right() + 9, top, kMarkSize, kMarkSize);
    chatMark_->setGeometry(newPlayer.right() + 9 + kMarkSize + 6, top, kMarkSize, kMarkSize);
  }
  ShowIndicators();
}

void WorldPlay::ShowIndicators() {
  const bool menu = !MenuShown || MenuShown();
  shelf_->setVisible(menu && onShelf_);
  if (menu && onShelf_) shelf_->raise();
  chatMark_->setVisible(menu && chatIndicator_);
  newsMark_->setVisible(menu && newsIndicator_);
  if (menu) {
    for (QLabel* mark : {chatMark_, newsMark_}) mark->raise();
  }
  Blink();
}

void WorldPlay::Blink() {
  blink_ = 1 - blink_;
  const QSize size = chatMark_->size();
  if (chatMark_->isVisible()) chatMark_->setPixmap(QPixmap::fromImage(pictures_.Frame("GSirenaR", blink_, size)));
  if (newsMark_->isVisible()) newsMark_->setPixmap(QPixmap::fromImage(pictures_.Frame("GSirenaB", blink_, size)));
}

}  // namespace tavlo
