#include "ui/menu/main_menu.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/pictures/picture_registry.h"
#include "ui/table/picture_box.h"
#include "ui/widgets/hint_balloon.h"
#include "ui/widgets/text_helpers.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

// Flame frames per tick counter: left candle's three flames, then the right one's.
constexpr int kFlameFrames[6][6] = {{0, 1, 2, 2, 0, 3}, {1, 2, 3, 1, 5, 0}, {2, 3, 4, 0, 1, 4},
                                    {3, 4, 5, 5, 4, 1}, {4, 5, 0, 4, 2, 5}, {5, 0, 1, 3, 3, 2}};
constexpr QPoint kFlameOffsets[3] = {QPoint(16, 15), QPoint(41, 1), QPoint(66, 15)};

// Clicks on a picture of the menu.
class ClickFilter : public QObject {
 public:
  ClickFilter(QObject* parent, std::function<void(Qt::MouseButton)> onClick) : QObject(parent), onClick_(std::move(onClick)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) onClick_(static_cast<QMouseEvent*>(event)->button());
    return false;
  }

 private:
  std::function<void(Qt::MouseButton)> onClick_;
};

int R(double v) { return RoundHalfEven(v); }

}  // namespace

MainMenu::MainMenu(QWidget* form, PictureRegistry& pictures, const FontRoles& fonts, WordFn word)
    : QObject(form), form_(form), pictures_(pictures), fonts_(fonts), word_(std::move(word)) {
  title_ = MakePicture();
  caption_ = MakePicture();
  elite_ = MakePicture();
  for (auto& c : candles_) c = MakePicture();
  for (auto& g : gifs_) g = MakePicture();
  for (auto& c : clocks_) c = MakePicture();
  for (auto& i : icons_) i = MakePicture();
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    rows_[k] = MakeButton();
    connect(rows_[k], &QAbstractButton::clicked, this, [this, k] { emit ClubRowClicked(static_cast<int>(k) + 1); });
  }
  newPlayer_ = MakeButton();
  topTen_ = MakeButton();
  options_ = MakeButton();
  exit_ = MakeButton();
  mode_ = MakeButton();
  history_ = MakeButton();
  header_ = MakeButton();
  header_->setEnabled(false);
  header_->SetGrayDis(false);
  connect(newPlayer_, &QAbstractButton::clicked, this, &MainMenu::NewPlayerClicked);
  connect(topTen_, &QAbstractButton::clicked, this, &MainMenu::TopTenClicked);
  connect(options_, &QAbstractButton::clicked, this, &MainMenu::OptionsClicked);
  connect(exit_, &QAbstractButton::clicked, this, &MainMenu::ExitClicked);
  connect(mode_, &QAbstractButton::clicked, this, &MainMenu::ModeClicked);
  connect(history_, &QAbstractButton::clicked, this, &MainMenu::HistoryClicked);
  caption_->installEventFilter(new ClickFilter(caption_, [this](Qt::MouseButton) { emit CaptionClicked(); }));
  const MenuIcon icons[5] = {MenuIcon::Help, MenuIcon::Tournament, MenuIcon::Account, MenuIcon::WorldTopTen,
                             MenuIcon::Statistics};
  for (std::size_t k = 0; k < icons_.size(); ++k) {
    const MenuIcon icon = icons[k];
    icons_[k]->setCursor(Qt::PointingHandCursor);
    icons_[k]->installEventFilter(new ClickFilter(icons_[k], [this, icon](Qt::MouseButton b) {
      if (b == Qt::LeftButton) emit IconClicked(icon);
    }));
  }

  hint_ = new HintBalloon(fonts_, form);
  AttachHint(topTen_, hint_, [this] { return std::pair{word_(WordId::GamesInCycle) + ":", QString("40")}; });
  AttachHint(icons_[0], hint_, [this] { return std::pair{word_(WordId::Help), "Online-" + word_(WordId::Help)}; });
  AttachHint(icons_[1], hint_,
             [this] { return std::pair{word_(WordId::OnlineTournament), word_(WordId::TakeThePlace)}; });
  AttachHint(icons_[2], hint_, [this] {
    if (view_.accountState >= 2) {
      return std::pair{word_(view_.accountState == 3 ? WordId::RatedGameRunning : WordId::LoggedIn), view_.accountNick};
    }
    return std::pair{word_(WordId::NotLoggedIn), word_(WordId::LoginToAccount) + " / " + word_(WordId::CreateAccount)};
  });
  AttachHint(icons_[3], hint_, [] { return std::pair{QString("World Top 10"), QString("Windows / Android / Account")}; });
  AttachHint(icons_[4], hint_,
             [this] { return std::pair{word_(WordId::Statistics), "World-" + word_(WordId::Statistics)}; });
  AttachHint(clocks_[1], hint_, [this] { return StatisticsHint(); });
}

TZanCardsButton* MainMenu::MakeButton() {
  auto* b = new TZanCardsButton(pictures_, form_);
  b->hide();
  return b;
}

PictureBox* MainMenu::MakePicture() { return new PictureBox(form_); }

std::vector<QWidget*> MainMenu::Controls() const {
  std::vector<QWidget*> all;
  for (TZanCardsButton* b : rows_) all.push_back(b);
  for (QWidget* w : std::initializer_list<QWidget*>{newPlayer_, topTen_, options_, exit_, mode_, history_, header_,
                                                     title_, caption_, elite_}) {
    all.push_back(w);
  }
  for (PictureBox* b : candles_) all.push_back(b);
  for (PictureBox* b : gifs_) all.push_back(b);
  for (PictureBox* b : icons_) all.push_back(b);
  for (PictureBox* b : clocks_) {
    if (b->isVisible()) all.push_back(b);
  }
  return all;
}

bool MainMenu::ClocksShown() const { return clocks_[0]->isVisible(); }

void MainMenu::DrawSeeThrough(PictureBox* box, const QImage& picture) {
  box->PaintBackground(view_.background ? *view_.background : QImage());
  QPainter p(&box->Canvas());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRect(QPoint(0, 0), box->size()), picture);
  p.end();
  box->Refresh();
}

void MainMenu::DrawCaptionPictures() {
  const Layout& l = view_.layout;
  caption_->Place(QRect(l.PlaceX(180, 400), l.PlaceY(12, 70), l.ScaleLen(400), l.ScaleLen(70)));
  elite_->Place(QRect(l.PlaceX(205, 350), l.PlaceY(183, 40), l.ScaleLen(350), l.ScaleLen(40)));
  DrawSeeThrough(caption_, Recolour(pictures_.Picture("Cap" + view_.languageSuffix, caption_->size()), view_.captionVariant));
  const QString club = (view_.networkClub ? "Net__" : "Elite") + view_.languageSuffix;
  DrawSeeThrough(elite_, Recolour(pictures_.Picture(club, elite_->size()), view_.captionVariant));
}

void MainMenu::Show(const MenuView& view) {
  view_ = view;
  const Layout& l = view_.layout;
  const double sx = l.ScaleX, sy = l.ScaleY;
  const int H = R(l.Scale * 30);

  // Button colours by menu design.
  const bool cardStyle = view_.menuDesign == 1;
  const QColor yellow(255, 255, 0);
  const auto style = [&](TZanCardsButton* b, TColorSB set, const QColor& font) {
    b->SetColorSB(cardStyle ? TColorSB::DCards : set);
    b->SetFontColor(cardStyle ? view_.designFontColour : font);
    b->SetColorMouse(yellow);
  };
  for (TZanCardsButton* b : rows_) style(b, TColorSB::DNavy, QColor(0, 255, 255));
  style(newPlayer_, TColorSB::DNavy, QColor(0, 255, 255));
  for (TZanCardsButton* b : {topTen_, options_, exit_, history_, mode_}) style(b, TColorSB::DRed, Qt::white);
  header_->SetColorSB(cardStyle ? TColorSB::DCards : TColorSB::DBlue);
  header_->SetKLightSB(cardStyle ? 50 : 0);
  header_->SetFontColor(cardStyle ? FromBgrColour(0x323280) : QColor(Qt::white));
  if (!cardStyle && view_.accountSignedIn && !view_.networkClub) {
    rows_[4]->SetColorSB(view_.accountRecordRead ? TColorSB::DRed : TColorSB::DNavy);
  }

  // Fonts: the big buttons in the decor role, the club rows in a fixed-pitch role.
  const double f = view_.mode == WindowSizeMode::Small ? 1.0 : 0.9;
  const QFont big = fonts_.FontAt(FontRole::Decor, R(fonts_.Size(FontRole::Decor, 20) * l.Scale * f), true);
  const QFont rowFont = view_.mode == WindowSizeMode::Small ? fonts_.Font(FontRole::Fixed, 11)
                                                           : fonts_.Font(FontRole::Conew, R(l.Scale * 16));
  for (TZanCardsButton* b : {newPlayer_, topTen_, options_, exit_, history_, mode_}) b->setFont(big);
  for (TZanCardsButton* b : rows_) b->setFont(rowFont);
  header_->setFont(rowFont);

  title_->Place(QRect(R(sx * 230), R(sy * 90) - l.ScaleLen(5), R(sx * 300), 3 * H));
  DrawSeeThrough(title_, pictures_.Picture("GTitle", title_->size()));

  for (int k = 0; k < 5; ++k) {
    rows_[static_cast<std::size_t>(k)]->setGeometry(R(sx * 180), R(sy * 265) + k * H, R(sx * 400), H);
  }
  newPlayer_->setGeometry(R(sx * 280), R(sy * 265) + 5 * H + l.ScaleLen(10), R(sx * 200), H);
  header_->setGeometry(R(sx * 180), R(sy * 265) - H - l.ScaleLen(10), R(sx * 400), H);
  topTen_->setGeometry(R(sx * 40), R(sy * 225), R(sx * 100), H);
  history_->setGeometry(R(sx * 40), R(sy * 255), R(sx * 100), H);
  options_->setGeometry(R(sx * 620), R(sy * 225), R(sx * 100), H);
  mode_->setGeometry(R(sx * 620), R(sy * 255), R(sx * 100), H);
  exit_->setGeometry(R(sx * 330), R(sy * 465), R(sx * 100), H);

  DrawCaptionPictures();

  const int gifTop = R(sy * 290) + R((sy - 1) * 100);
  gifs_[0]->Place(QRect(R(sx * 7) + R((sx - 1) * 80), gifTop, 160, 200));
  gifs_[1]->Place(QRect(R(sx * 592) + R((sx - 1) * 80), gifTop, 160, 200));
  gifFrame_ = {0, 0};
  gifNextAt_ = {0, 0};
  DrawGif(0);
  DrawGif(1);

  const int p = view_.calendarShown ? 20 : 0;  // the candlesticks make room for the calendar
  const int candleTop = R(sy * 30) + R((sy - 1) * 100);
  candles_[0]->Place(QRect(R(sx * (60 - p)) + R((sx - 1) * 50), candleTop, 100, 200));
  candles_[1]->Place(QRect(R(sx * (600 + p)) + R((sx - 1) * 50), candleTop, 100, 200));
  for (PictureBox* c : candles_) DrawSeeThrough(c, pictures_.Picture("Candlestick", QSize(100, 200)));

  const bool clocks = view_.mode == WindowSizeMode::Average2 || view_.mode == WindowSizeMode::Large ||
                      (view_.mode == WindowSizeMode::FullScreen && l.Width > 1290 && l.Height > 850);
  for (int k = 0; k < 2; ++k) {
    PictureBox* clock = clocks_[static_cast<std::size_t>(k)];
    PictureBox* candle = candles_[static_cast<std::size_t>(k)];
    TZanCardsButton* below = k == 0 ? topTen_ : options_;
    const int g = below->y() - candle->y() - 200;
    clock->Place(QRect(candle->x() - 7, candle->y() + 200 + R(g / 2.0) - 36, 115, 64));
    clock->setVisible(clocks);
  }

  const int right = l.Width - 53;
  icons_[0]->Place(QRect(5, 111, 48, 48));
  icons_[1]->Place(QRect(5, 164, 48, 48));
  icons_[2]->Place(QRect(right, 164, 48, 48));
  icons_[3]->Place(QRect(right, 58, 48, 48));
  icons_[4]->Place(QRect(right, 111, 48, 48));
  const char* const iconPictures[5] = {"GHelp48", "GTour48", "Account48", "Earth48", "Stats"};
  for (std::size_t k = 0; k < icons_.size(); ++k) DrawSeeThrough(icons_[k], pictures_.Picture(iconPictures[k], QSize(48, 48)));
  SetAccount(view_.accountState, view_.accountNick, view_.accountRecordRead);

  ApplyCaptions();
  for (QWidget* w : Controls()) w->show();
  for (PictureBox* c : clocks_) c->setVisible(clocks);
  shown_ = true;
  DrawFlames();
  if (clocks) {
    const QDateTime now = QDateTime::currentDateTime();
    DrawClock(now);
    ShowStatisticsPage(now.time().minute() % 7 + 1);
  }
  emit ShownChanged(true);
}

void MainMenu::ApplyCaptions() {
  newPlayer_->setText(word_(WordId::NewPlayer));
  topTen_->setText(word_(WordId::TopTen));
  options_->setText(word_(WordId::Options));
  exit_->setText(word_(WordId::Exit));
  history_->setText(word_(WordId::History));
  mode_->setText(word_(WordId::Mode));
  header_->setText(word_(view_.clubListMode == 2 ? WordId::ClubHeaderRating : WordId::ClubHeaderScore));
  for (TZanCardsButton* b : rows_) b->update();
}

void MainMenu::SetClubListMode(int mode) {
  view_.clubListMode = mode;
  ApplyCaptions();
}

void MainMenu::SetClubRows(const std::array<QString, 5>& rows, const std::array<bool, 5>& empty) {
  view_.clubRows = rows;
  view_.emptyRows = empty;
  for (std::size_t k = 0; k < rows_.size(); ++k) rows_[k]->setText(rows[k]);
}

void MainMenu::SetAccount(int state, const QString& nick, bool recordRead) {
  view_.accountState = state;
  view_.accountNick = nick;
  view_.accountRecordRead = recordRead;
  view_.accountSignedIn = state >= 2;
  // The lamp in the lower right corner and the star in the upper left say the account's state.
  const char* lamp = state == 3 ? "LampG24" : state == 2 ? "LampY24" : "LampR24";
  const char* star = state == 3 ? "StarG0" : state == 2 ? "StarY0" : "StarR0";
  accountIcon_ = pictures_.Picture("Account48", QSize(48, 48)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    QPainter p(&accountIcon_);
    p.drawImage(QRect(30, 30, 18, 18), pictures_.Picture(lamp, QSize(24, 24)));
    p.drawImage(QRect(0, 0, 16, 16), pictures_.Picture(star, QSize(16, 16)));
  }
  if (view_.background != nullptr) DrawSeeThrough(icons_[2], accountIcon_);
  if (view_.menuDesign != 1 && !view_.networkClub) {
    rows_[4]->SetColorSB(state >= 2 ? (recordRead ? TColorSB::DRed : TColorSB::DNavy) : TColorSB::DNavy);
  }
}

void MainMenu::Hide() {
  for (QWidget* w : Controls()) w->hide();
  for (PictureBox* c : clocks_) c->hide();
  hint_->HideHint();
  shown_ = false;
  emit ShownChanged(false);
}

void MainMenu::DrawGif(int index) {
  const QString name = index == 0 ? "GifMenu1" : "GifMenu2";
  const int frames = std::max(1, pictures_.FrameCount(name));
  PictureBox* box = gifs_[static_cast<std::size_t>(index)];
  const int frame = gifFrame_[static_cast<std::size_t>(index)] % frames;
  DrawSeeThrough(box, pictures_.Frame(name, frame, QSize(160, 200)));
}

void MainMenu::DrawFlames() {
  for (int candle = 0; candle < 2; ++candle) {
    PictureBox* box = candles_[static_cast<std::size_t>(candle)];
    QPainter p(&box->Canvas());
    for (int k = 0; k < 3; ++k) {
      const QRect spot(kFlameOffsets[k], QSize(20, 30));
      // The flame is composed over the background under its spot, then drawn.
      p.save();
      p.setClipRect(spot);
      if (view_.background) p.drawImage(-box->x(), -box->y(), *view_.background);
      p.drawImage(QPoint(0, 0), pictures_.Picture("Candlestick", QSize(100, 200)));
      p.restore();
      const int frame = kFlameFrames[flameCounter_][candle * 3 + k];
      p.drawImage(spot.topLeft(), pictures_.Frame("CandleFlame", frame, QSize(20, 30)));
    }
    p.end();
    box->update(QRect(0, 0, 100, 50));
  }
  flameCounter_ = (flameCounter_ + 1) % 6;
}

void MainMenu::DrawClock(const QDateTime& now) {
  PictureBox* box = clocks_[0];
  box->PaintBackground(view_.background ? *view_.background : QImage());
  QPainter p(&box->Canvas());
  p.drawImage(0, 0, pictures_.Picture("GClockBG", QSize(115, 64)));
  const QString hhmm = now.toString("hhmm");
  const QPoint places[4] = {QPoint(14, 15), QPoint(34, 15), QPoint(61, 15), QPoint(81, 15)};
  for (int i = 0; i < 4; ++i) {
    if (i == 0 && hhmm[0] == '0') continue;
    p.drawImage(places[i], pictures_.Picture("GBClock" + QString(hhmm[i])));
  }
  if (now.time().msec() > 500) p.drawImage(55, 24, pictures_.Picture("GBClockP"));
  p.end();
  box->Refresh();
}

std::optional<QRect> MainMenu::IndicatorShelf() const {
  if (view_.layout.Scale < 1.6) return std::nullopt;
  const double a = newPlayer_->geometry().right() + 1;
  const double b = gifs_[1]->geometry().left();
  const double c = rows_[4]->geometry().bottom() + 1;
  const double d = view_.layout.Height;
  return QRect(static_cast<int>(std::lround((a + b) / 2 - 110)), static_cast<int>(std::lround((c + d) / 2 - 62.5)), 220,
               125);
}

WordId MainMenu::StatisticsPageWord(int page) {
  static constexpr WordId kWords[kStatisticsPages] = {
      WordId::NumberOfStarts, WordId::NumberOfUniqueStarts, WordId::Likes, WordId::GamesWithPc, WordId::CyclesWithPc,
      WordId::GamesNet,       WordId::GamesOnline};
  return kWords[(std::clamp(page, 1, kStatisticsPages) - 1)];
}

std::pair<QString, QString> MainMenu::StatisticsHint() const {
  if (statisticsPage_ == 0) return {word_(WordId::Statistics), QString()};
  QString title = word_(StatisticsPageWord(statisticsPage_));
  if (statisticsNoConnect_) title += ": NO CONNECT";
  return {title, statisticsFigure_};
}

void MainMenu::ShowStatisticsPage(int page) {
  statisticsPage_ = std::clamp(page, 1, kStatisticsPages);
  statisticsFigure_.clear();
  statisticsNoConnect_ = false;
  ShowStatisticsFigure(statisticsPage_, std::nullopt);
  statisticsNoConnect_ = false;
  if (StatisticsFigureWanted) StatisticsFigureWanted(statisticsPage_);
}

void MainMenu::ShowStatisticsFigure(int page, std::optional<std::int64_t> figure) {
  // An answer for a page that is no longer shown is of no use.
  if (page != statisticsPage_) return;
  static const char* const kSets[kStatisticsPages] = {"GRClock", "GAClock", "GGClock", "GYClock",
                                                      "GVClock", "GLClock", "GNClock"};
  const QString set = kSets[page - 1];
  statisticsFigure_ = figure ? QString::number(*figure) : QString();
  statisticsNoConnect_ = !figure;
  PictureBox* box = clocks_[1];
  box->PaintBackground(view_.background ? *view_.background : QImage());
  QPainter p(&box->Canvas());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(0, 0, pictures_.Picture("GClockBG", QSize(115, 64)));
  p.drawImage(8, 20, pictures_.Picture(set + "M"));
  // The figure's digits in the page's colour, right-aligned; long figures are drawn narrower so
  // that every digit stays on the display.
  if (figure) {
    const QString digits = QString::number(std::max<std::int64_t>(*figure, 0));
    constexpr int kRight = 104;
    constexpr int kRoom = 70;
    const int step = std::min(20, kRoom / static_cast<int>(digits.size()));
    for (int i = 0; i < digits.size(); ++i) {
      const QImage digit = pictures_.Picture(set + digits[i]);
      const int x = kRight - step * static_cast<int>(digits.size() - i);
      if (step >= 20) {
        p.drawImage(x, 15, digit);
      } else {
        p.drawImage(QRect(x, 15, step, digit.height()), digit);
      }
    }
  }
  p.end();
  box->Refresh();
}

void MainMenu::Animate(const QDateTime& now) {
  if (!shown_) return;
  DrawFlames();
  if (view_.animate) {
    const qint64 ms = now.toMSecsSinceEpoch();
    for (int k = 0; k < 2; ++k) {
      const QString name = k == 0 ? "GifMenu1" : "GifMenu2";
      if (ms < gifNextAt_[static_cast<std::size_t>(k)]) continue;
      gifNextAt_[static_cast<std::size_t>(k)] = ms + std::max(20, pictures_.FrameDelay(name));
      ++gifFrame_[static_cast<std::size_t>(k)];
      DrawGif(k);
    }
  }
  if (ClocksShown()) {
    DrawClock(now);
    const int second = now.time().second();
    const int minute = now.time().minute();
    if (second == 1 && statisticsMinuteShown_ != minute) {
      ShowStatisticsPage(minute % 7 + 1);
      statisticsMinuteShown_ = minute;
    } else if (second != 1) {
      statisticsMinuteShown_ = -1;
    }
  }
}

}  // namespace tavlo
