#include "ui/tour/tour_lobby_window.h"

#include <QPainter>

#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"
#include "ui/world/player_marks.h"

namespace tavlo {
namespace {

constexpr int kLobbyWidth = 800;
constexpr int kSeatLeft = 95;
constexpr int kSeatWidth = 132;
constexpr int kSeatPitch = 136;
constexpr int kRowPitch = 31;
constexpr int kPanelLeft = kSeatLeft + 4 * kSeatPitch + 6;
constexpr char kMeasures[3] = {'s', 'r', 'k'};

// A club request runs a local event loop; the timers must not start another one inside it.
class Busy {
 public:
  explicit Busy(int& counter) : counter_(counter) { ++counter_; }
  ~Busy() { --counter_; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  int& counter_;
};

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Shown(const std::string& text) {
  return text == "#" || text == "X" ? QString() : FromUtf8(text).replace('_', ' ');
}

DialogPictures LobbyPictures() {
  DialogPictures p;
  p.ConciseCaption = "WorldOnlineTournament";
  p.Strip = "GCap610";
  p.Ribbon = "GLenta590x116";
  p.RibbonOverlay = "GFormTourL";
  p.CardBackground = "GFormTour";
  p.IconStrip = "GIcon48Tour";
  p.IconAt = QPoint(63, 39);
  p.IconFrames = 20;
  p.IconInterval = 100;
  p.Title = WordId::WorldOnlineTournament;
  return p;
}

DialogPictures TopTenPictures() {
  DialogPictures p;
  p.ConciseCaption = "OnlineTopTen";
  p.Strip = "GCap550";
  p.Ribbon = "GLenta590x116";
  p.RibbonOverlay = "GFormTopTenL";
  p.Title = WordId::OnlineTopTen;
  return p;
}

// The measure chosen last in the top ten window, for as long as the program runs.
int& LastMeasure() {
  static int measure = 0;
  return measure;
}

}  // namespace

TFTour4::TFTour4(PictureRegistry& pictures, DialogLook& look, TourLobbyContext context, QWidget* parent)
    : DialogFrame(pictures, look, LobbyPictures(), parent), context_(std::move(context)), look_(look) {
  setObjectName("FTour4");
  setWindowTitle(W(WordId::WorldOnlineTournament));
  Build();

  // Opening: no seat, no connection; the own figures and the tables are read at once.
  if (context_.Entry) {
    // Only a seat still held can be lost; a connection given up already has nothing more to say.
    context_.Entry->TournamentConnectionFailed = [this] {
      if (tourTable_ != 0) noGameFound_ = true;
    };
    context_.Entry->TournamentGameBegan = [this] {
      gameBegan_ = true;
      refreshTimer_.stop();
      watchTimer_.stop();
      QMetaObject::invokeMethod(this, [this] { accept(); }, Qt::QueuedConnection);
    };
  }
  const TZanUser account = context_.Account ? context_.Account() : TZanUser{};
  own_.Nick = account.Nick;
  own_.Country = account.Country1.empty() ? "X" : account.Country1;
  own_.City = account.City.empty() ? "X" : account.City;
  own_.Sex = account.Sex == 'W' ? 'W' : 'M';
  if (context_.Client) {
    Busy busy(busy_);
    const std::string ip = context_.Client->GetOwnAddress();
    // An address the club could not tell is sent as unknown and never matches another seat.
    const bool plain = !ip.empty() && ip.size() <= 45 && ip.find_first_of(" \t\r\n&=#$*") == std::string::npos;
    own_.IP = plain ? ip : "X";
  }
  values_[0]->setText(FromUtf8(own_.Nick));
  values_[5]->setText(Shown(own_.City));
  RefreshPlayer();
  RefreshTables();

  refreshTimer_.setInterval(10000);
  connect(&refreshTimer_, &QTimer::timeout, this, [this] {
    RefreshPlayer();
    RefreshTables();
  });
  refreshTimer_.start();
  watchTimer_.setInterval(1000);
  connect(&watchTimer_, &QTimer::timeout, this, &TFTour4::WatchTick);
  watchTimer_.start();
}

TFTour4::~TFTour4() {
  if (context_.Entry) {
    context_.Entry->TournamentConnectionFailed = nullptr;
    context_.Entry->TournamentGameBegan = nullptr;
  }
}

QString TFTour4::W(WordId w) const { return Look().Word ? Look().Word(w) : QString(); }

void TFTour4::Effect(const char* name) const {
  if (context_.PlayEffect) context_.PlayEffect(name);
}

void TFTour4::Build() {
  const int top = CardStyle() ? 100 : HeaderHeight() + 8;
  const QColor text = CardStyle() ? Look().DesignFontColour : QColor(0, 0, 0x80);
  const QString colour = QString("color: %1").arg(text.name());

  welcome_ = new QLabel(this);
  welcome_->setObjectName("TourWelcome");
  welcome_->setAlignment(Qt::AlignCenter);
  welcome_->setStyleSheet(colour);
  welcome_->setGeometry(8, top, kLobbyWidth - 70, 40);
  server_ = new QLabel(this);
  server_->setObjectName("TourServer");
  server_->setGeometry(kLobbyWidth - 56, top - 4, 48, 48);

  const int tablesTop = top + 50;
  const QFont seatFont = Look().Fonts.Font(FontRole::Decor, 13, true);
  const QFont labelFont = Look().Fonts.Font(FontRole::Serif, 15, true);
  for (int t = 0; t < kTables; ++t) {
    const int y = tablesTop + t * kRowPitch;
    auto* name = new QLabel(W(WordId::Table) + " " + QString::number(t + 1), this);
    name->setFont(labelFont);
    name->setStyleSheet(colour);
    name->setGeometry(8, y, kSeatLeft - 12, 28);
    for (int s = 0; s < kSeats; ++s) {
      auto* button = new TZanCardsButton(Pictures(), this);
      button->setObjectName(QString("TourSeat%1_%2").arg(t + 1).arg(s + 1));
      StyleButton(*button);
      button->setFont(seatFont);
      button->SetHeightSB(THeightSB::D30);
      button->setGeometry(kSeatLeft + s * kSeatPitch, y, kSeatWidth, 28);
      // Every seat's hint names the tournament's rules.
      button->setToolTip(W(WordId::TourRules) + ": " + W(WordId::KoronkiOption) + " - " + W(WordId::Cheap) + "; " +
                         W(WordId::IgnoreFirstSix) + " - " + W(WordId::TournamentNo));
      connect(button, &QAbstractButton::clicked, this, [this, t, s] { ClickSeat(t + 1, s + 1); });
      seats_[static_cast<std::size_t>(t)][static_cast<std::size_t>(s)] = button;
    }
  }

  // The player panel and the rules panel on the right.
  const int panelWidth = kLobbyWidth - kPanelLeft - 8;
  const WordId captions[6] = {WordId::Nick,    WordId::TournamentScore, WordId::AccountPlace,
                              WordId::TournamentRating, WordId::TournamentGames, WordId::City};
  const QFont smallFont = Look().Fonts.Font(FontRole::Serif, 13, false);
  const QFont valueFont = Look().Fonts.Font(FontRole::Serif, 13, true);
  for (int i = 0; i < 6; ++i) {
    const int y = tablesTop + i * 40;
    auto* caption = new QLabel(W(captions[i]) + ":", this);
    caption->setFont(smallFont);
    caption->setStyleSheet(colour);
    caption->setGeometry(kPanelLeft, y, panelWidth, 18);
    values_[static_cast<std::size_t>(i)] = new QLabel(this);
    values_[static_cast<std::size_t>(i)]->setObjectName(QString("TourPanel%1").arg(i));
    values_[static_cast<std::size_t>(i)]->setFont(valueFont);
    values_[static_cast<std::size_t>(i)]->setStyleSheet(CardStyle() ? QString("color: #FFFF00") : QString("color: #C00000"));
    values_[static_cast<std::size_t>(i)]->setGeometry(kPanelLeft + 6, y + 17, panelWidth - 6, 20);
  }
  auto* rules = new QLabel(this);
  rules->setObjectName("TourRules");
  rules->setFont(smallFont);
  rules->setStyleSheet(colour);
  rules->setWordWrap(true);
  rules->setText("<b>" + W(WordId::TourRules).toHtmlEscaped() + "</b><br>" + W(WordId::KoronkiOption).toHtmlEscaped() +
                 ": " + W(WordId::Cheap).toHtmlEscaped() + "<br>" + W(WordId::IgnoreFirstSix).toHtmlEscaped() + ": " +
                 W(WordId::TournamentNo).toHtmlEscaped());
  rules->setGeometry(kPanelLeft, tablesTop + 6 * 40 + 4, panelWidth, kTables * kRowPitch - 6 * 40 - 4);
  rules->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  const int y = tablesTop + kTables * kRowPitch + 10;
  refresh_ = new TZanCardsButton(Pictures(), this);
  refresh_->setObjectName("TourRefresh");
  topTen_ = new TZanCardsButton(Pictures(), this);
  topTen_->setObjectName("TourTopTen");
  refresh_->setText(W(WordId::Refresh));
  topTen_->setText(W(WordId::TopTenTab));
  OkButton().setText(W(WordId::Close));
  TZanCardsButton* row[3] = {refresh_, topTen_, &OkButton()};
  for (int i = 0; i < 3; ++i) {
    if (i < 2) StyleButton(*row[i]);
    row[i]->SetHeightSB(THeightSB::D30);
    row[i]->setGeometry(8 + i * 264, y, 256, 30);
  }
  connect(refresh_, &QAbstractButton::clicked, this, [this] {
    RefreshPlayer();
    RefreshTables();
  });
  connect(topTen_, &QAbstractButton::clicked, this, &TFTour4::OpenTopTen);
  setFixedSize(kLobbyWidth, y + 38);
}

TZanCardsButton& TFTour4::SeatButton(int table, int seat) {
  return *seats_.at(static_cast<std::size_t>(table - 1)).at(static_cast<std::size_t>(seat - 1));
}

void TFTour4::RefreshPlayer() {
  if (busy_ || !context_.Client || own_.Nick.empty()) return;
  Busy busy(busy_);
  const TourRating rating = context_.Client->ReadTourRating(own_.Nick);
  if (rating.Ok) {
    // A player new to the tournament has no score yet and starts from nothing.
    own_.Score = std::max<std::int32_t>(rating.Score, 0);
    own_.Kon = rating.Kon;
    own_.Rating = rating.Rating;
  }
  const NumberResult place = rating.Ok ? context_.Client->ReadTourPlace('s', own_.Score) : NumberResult{};
  values_[1]->setText(QString::number(own_.Score));
  values_[2]->setText(place.Ok ? QString::number(place.Value) : W(WordId::NoConnect));
  values_[3]->setText(QString::number(own_.Rating));
  values_[4]->setText(QString::number(own_.Kon));
}

void TFTour4::RefreshTables() {
  if (busy_ || !context_.Client) return;
  Busy busy(busy_);
  const TourTables tables = context_.Client->ReadTables();
  const TourServerInfo info = context_.Client->ReadServerInfo();

  const QString message = info.Ok ? FromUtf8(info.Message).replace('_', ' ') : W(WordId::NoConnect);
  const int size = message.size() > 54 ? 20 : message.size() > 39 ? 24 : 28;
  welcome_->setFont(Look().Fonts.FontAt(FontRole::Serif, size, true));
  welcome_->setText(message);

  if (tables.Ok) {
    serverAddress_ = tables.Rows[1].IP;
    basePort_ = tables.Rows[1].Port - 1;
  }
  serverOn_ = tables.Ok && info.Ok && info.State == 'Y';
  const bool wasSeated = tourTable_ != 0;
  if (!serverOn_ && wasSeated) {
    ClearSeats(tourTable_, tourSeat_, tourSeat_);
    Unseat();
  }
  for (int t = 1; t <= kTables; ++t) {
    if (serverOn_) {
      ShowSeats(t, tables.Rows[t]);
    } else {
      SeatsOff(t);
    }
  }
  // A seat lost meanwhile (seat 1 of the table left) closes the table's connection too.
  if (wasSeated && tourTable_ == 0 && context_.Entry) {
    const int link = context_.Entry->TournamentLink();
    if (link == 1 || link == 2) context_.Entry->LeaveTournamentSeat();
  }
  server_->setPixmap(QPixmap::fromImage(Pictures().Picture(serverOn_ ? "GTourOn" : "GTourOff")));
  server_->setToolTip(W(serverOn_ ? WordId::ServerOn : WordId::ServerOff));
  UpdateButtons();
}

void TFTour4::ShowSeats(int table, const TZanTable_4& row) {
  // Seat 1 of the own table empty: the table was given up, and the player sits nowhere.
  if (table == tourTable_ && row.Seats[1].Nick == "X") {
    tourTable_ = 0;
    tourSeat_ = 0;
  }
  const bool seated = tourTable_ != 0;
  for (int s = 1; s <= kSeats; ++s) {
    TZanCardsButton& button = SeatButton(table, s);
    const TZanTableSeat& seat = row.Seats[s];
    if (seat.Nick != "X") {
      const bool own = table == tourTable_ && s == tourSeat_ && seat.Nick == own_.Nick;
      if (own && s < kSeats) {
        button.setText(W(WordId::LogOff));
        button.setEnabled(true);
      } else {
        button.setText(FromUtf8(seat.Nick) + " : " + QString::number(seat.Rating));
        button.setEnabled(false);
      }
      continue;
    }
    const bool previousTaken = s == 1 || row.Seats[s - 1].Nick != "X";
    button.setText(W(previousTaken ? WordId::TakeThePlace : WordId::Free));
    button.setEnabled(previousTaken && !seated);
  }
}

void TFTour4::SeatsOff(int table) {
  for (int s = 1; s <= kSeats; ++s) {
    SeatButton(table, s).setText(W(WordId::ServerOff));
    SeatButton(table, s).setEnabled(false);
  }
}

void TFTour4::UpdateButtons() {
  const bool locked = tourTable_ != 0 && serverOn_;
  refresh_->setEnabled(!locked);
  topTen_->setEnabled(!locked);
  OkButton().setEnabled(!locked);
}

void TFTour4::ClickSeat(int table, int seat) {
  if (busy_ || table < 1 || table > kTables || seat < 1 || seat > kSeats) return;
  if (tourTable_ == table && tourSeat_ == seat) {
    if (seat < kSeats) LeaveSeat();
    return;
  }
  if (tourTable_ == 0) TakeSeat(table, seat);
}

void TFTour4::TakeSeat(int table, int seat) {
  if (!context_.Client) return;
  {
    Busy busy(busy_);
    // One address may hold only one seat of a table.
    for (int s = 1; s < seat; ++s) {
      const auto other = context_.Client->ReadSeat(table, s);
      if (other && own_.IP != "X" && other->IP == own_.IP) {
        if (context_.Notice) context_.Notice(W(WordId::TableOccupiedByYourIp));
        return;
      }
    }
    if (context_.Client->SetSeat(table, seat, 1, own_) != 0) {
      Effect("WWrongs");
    } else {
      tourTable_ = table;
      tourSeat_ = seat;
      if (context_.Entry) {
        TourGameSeat where;
        where.Table = table;
        where.Place = seat;
        where.Host = QString::fromStdString(serverAddress_);
        const int port = basePort_ + table;
        where.Port = port > 0 && port <= 65535 ? static_cast<quint16>(port) : 0;
        where.Own = own_;
        context_.Entry->StartTournamentGame(where);
      }
    }
  }
  RefreshTables();
}

void TFTour4::LeaveSeat() {
  {
    Busy busy(busy_);
    const int table = tourTable_;
    const int seat = tourSeat_;
    if (context_.Client->SetSeat(table, seat, 2, own_) != 0) {
      Effect("WWrongs");
      return;
    }
    // The players after the one who leaves lose their seats with it; seat 4 is never reached,
    // because a fourth player starts the game.
    if (seat < 3) ClearSeats(table, seat + 1, 3);
    Unseat();
    if (context_.Entry) context_.Entry->LeaveTournamentSeat();
  }
  RefreshTables();
}

void TFTour4::ClearSeats(int table, int from, int to) {
  TZanClient empty;
  empty.Sex = 'X';
  for (int s = from; s <= to; ++s) context_.Client->SetSeat(table, s, 0, empty);
}

void TFTour4::Unseat() {
  tourTable_ = 0;
  tourSeat_ = 0;
}

void TFTour4::WatchTick() {
  if (busy_ || !noGameFound_) return;
  noGameFound_ = false;
  if (context_.Notice) context_.Notice(W(WordId::ServerConnectionError));
  if (tourTable_ != 0 && context_.Client) {
    Busy busy(busy_);
    ClearSeats(tourTable_, tourSeat_, kSeats);
  }
  Unseat();
  // A connection that got through after all is closed with the seat, so that its end cannot
  // come back later as a second failure.
  if (context_.Entry) {
    const int link = context_.Entry->TournamentLink();
    if (link == 1 || link == 2) context_.Entry->LeaveTournamentSeat();
  }
  RefreshTables();
}

void TFTour4::OpenTopTen() {
  if (busy_) return;
  // The top ten has no card-style pictures: it shows in the aristocratic grey for itself, without
  // the fallback that would switch every dialog of the program to grey.
  DialogLook look = look_;
  if (look.Design == DialogDesign::Purple) look.Design = DialogDesign::GrayAristocratic;
  TFormTourTop10 window(Pictures(), look, context_.Client, own_, this);
  if (context_.TopTenShown) context_.TopTenShown(window);
  window.exec();
}

void TFTour4::done(int result) {
  if (!gameBegan_ && tourTable_ != 0 && serverOn_) return;
  refreshTimer_.stop();
  watchTimer_.stop();
  DialogFrame::done(result);
}

// --- the tournament's top ten ---

TFormTourTop10::TFormTourTop10(PictureRegistry& pictures, DialogLook& look, ClubClient* client, const TZanClient& own,
                               QWidget* parent)
    : DialogFrame(pictures, look, TopTenPictures(), parent), client_(client), own_(own) {
  setObjectName("FormTourTop10");
  auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::OnlineTopTen));
  const int width = 680;
  const int top = HeaderHeight() + 8;
  const QFont font = look.Fonts.Font(FontRole::Serif, 14, true);
  const WordId names[3] = {WordId::TournamentScore, WordId::TournamentRating, WordId::TournamentGames};
  for (int i = 0; i < 3; ++i) {
    choice_[static_cast<std::size_t>(i)] = new QRadioButton(word(names[i]), this);
    choice_[static_cast<std::size_t>(i)]->setObjectName(QString("TourMeasure%1").arg(i));
    choice_[static_cast<std::size_t>(i)]->setFont(font);
    choice_[static_cast<std::size_t>(i)]->setGeometry(12 + i * 130, top, 126, 24);
    connect(choice_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { Choose(i); });
  }
  const int rowsTop = top + 32;
  const int columns[6][2] = {{8, 40}, {52, 24}, {80, 18}, {102, 170}, {276, 150}, {430, 100}};
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 6; ++c) {
      auto* cell = new QLabel(this);
      cell->setFont(font);
      cell->setGeometry(columns[c][0], rowsTop + r * 24, columns[c][1], 22);
      cell->setAlignment((c == 0 || c == 5 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      cell->setStyleSheet(r < 3 ? "color: #FF0000" : "color: #000080");
      cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = cell;
    }
  }
  noConnect_ = new QLabel(word(WordId::NoConnect), this);
  noConnect_->setObjectName("TourTopTenNoConnect");
  noConnect_->setFont(look.Fonts.Font(FontRole::Serif, 20, true));
  noConnect_->setStyleSheet("color: #C00000");
  noConnect_->setAlignment(Qt::AlignCenter);
  noConnect_->setGeometry(8, rowsTop + 100, 420, 40);
  noConnect_->hide();
  medalAt_ = QPoint(width - 114, rowsTop + 4);
  placeText_ = new QLabel(this);
  placeText_->setObjectName("TourYourPlace");
  placeText_->setFont(look.Fonts.Font(FontRole::Serif, 16, true));
  placeText_->setStyleSheet("color: #000080");
  placeText_->setAlignment(Qt::AlignCenter);
  placeText_->setWordWrap(true);
  placeText_->setGeometry(width - 124, rowsTop + 24, 116, 64);
  placeText_->hide();
  const int y = rowsTop + 10 * 24 + 10;
  OkButton().SetHeightSB(THeightSB::D30);
  OkButton().setGeometry(8, y, width - 16, 30);
  setFixedSize(width, y + 38);
  Choose(LastMeasure());
}

int TFormTourTop10::Measure() const { return LastMeasure(); }

void TFormTourTop10::Choose(int measure) {
  LastMeasure() = std::clamp(measure, 0, 2);
  choice_[static_cast<std::size_t>(LastMeasure())]->setChecked(true);
  Read();
}

void TFormTourTop10::Read() {
  const char measure = kMeasures[LastMeasure()];
  rows_.clear();
  medalPlace_ = 0;
  placeText_->hide();
  const TourTopTen top = client_ ? client_->ReadTourTopTen(measure) : TourTopTen{};
  for (int i = 1; top.Ok && i <= 10; ++i) {
    const TourTopRow& r = top.Rows[i];
    if (r.Nick == "#") continue;
    rows_.push_back({QString::number(r.Place), Shown(r.Nick), Shown(r.City), QString::number(r.Score), r.Country,
                     r.R07});
  }
  noConnect_->setVisible(!top.Ok);
  for (std::size_t r = 0; r < cells_.size(); ++r) {
    auto& cell = cells_[r];
    const Row* row = r < rows_.size() ? &rows_[r] : nullptr;
    cell[0]->setText(row ? row->Place + "." : QString());
    cell[1]->setPixmap(row ? PlayerFlag(row->Country) : QPixmap());
    cell[2]->setPixmap(row ? PlayerFace(row->Sex) : QPixmap());
    cell[3]->setText(row ? row->Nick : QString());
    cell[4]->setText(row ? row->City : QString());
    cell[5]->setText(row ? row->Value : QString());
  }
  if (client_) {
    const std::int32_t value = measure == 'r' ? own_.Rating : measure == 'k' ? own_.Kon : own_.Score;
    const NumberResult place = client_->ReadTourPlace(measure, value);
    if (place.Ok && place.Value >= 1 && place.Value <= 10) {
      medalPlace_ = static_cast<int>(place.Value);
    } else if (place.Ok) {
      const QString label = Look().Word ? Look().Word(WordId::YourPlace) : QString("Your place");
      placeText_->setText(label + ":\n" + QString::number(place.Value));
      placeText_->show();
    }
  }
  update();
}

void TFormTourTop10::paintEvent(QPaintEvent* event) {
  DialogFrame::paintEvent(event);
  if (medalPlace_ < 1) return;
  QPainter p(this);
  const QRect box(medalAt_, QSize(104, 104));
  p.drawImage(box, Pictures().Picture("GMedal"));
  p.drawImage(box, Pictures().Picture(QString("GPlace%1").arg(medalPlace_, 2, 10, QLatin1Char('0'))));
}

}  // namespace tavlo
