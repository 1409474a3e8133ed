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
      cycleScore, nullptr, owner_);
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
  if (newsIndicator_ || (MenuShown && !MenuShown())) return;
  if (services_.Client().Addresses().News.empty()) return;
  const std::int64_t served = services_.Client().ReadNewsNumber();
  if (served > LoadNewsNumber(parentFolder_)) {
    newsNumber_ = served;
    newsIndicator_ = true;
    ShowIndicators();
  }
}

void WorldPlay::CheckChat() {
  if (chatIndicator_ || !services_.ChatAvailable()) return;
  const ChatState state = LoadChatState(parentFolder_);
  const WorldRows table = services_.Client().ReadWorldTable(kChatTable);
  if (!table.Ok || NewestChatNumber(table.Rows) <= state.LastSeen) return;
  chatIndicator_ = true;
  ShowIndicators();
  if (PlayEffect) PlayEffect("WToMenK");
  if (GameRunning && GameRunning() && state.OpenOnNew && !chatOpen_) OpenChat();
}

void WorldPlay::PlaceIndicators(const Layout& layout) {
  const int size = layout.ScaleLen(kMarkSize);
  newsMark_->setGeometry(layout.PlaceX(726, kMarkSize), layout.PlaceY(420, kMarkSize), size, size);
  chatMark_->setGeometry(layout.PlaceX(726, kMarkSize), layout.PlaceY(458, kMarkSize), size, size);
  ShowIndicators();
}

void WorldPlay::ShowIndicators() {
  const bool menu = !MenuShown || MenuShown();
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
