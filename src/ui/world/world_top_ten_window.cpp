#include "ui/world/world_top_ten_window.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "records/club_file.h"
#include "records/member_line.h"
#include "ui/widgets/zan_button.h"
#include "ui/world/player_marks.h"
#include "ui/world/world_dialog.h"

namespace tavlo {
namespace {

constexpr int kWidth = 620;
constexpr int kPageHeight = 470;

// The table titles as the club's pages name them.
constexpr const char* kHeadings[TFormServerRead::kTabs] = {
    "ACCOUNT. RATING. ALL GAMES",     "ACCOUNT. SCORE. GAMES IN CYCLE", "WINDOWS. SCORE. GAMES IN CYCLE",
    "ANDROID. SCORE. GAMES IN CYCLE", "WINDOWS. ONLINE TOURNAMENT",     "WINDOWS. LOCAL GAMES WITH PC",
    "WINDOWS. NET GAMES",
};
constexpr char kMeasures[3] = {'s', 'r', 'k'};

DialogPictures WorldPictures() { return WorldDialogPictures("TopTen", "GCap550", WordId::WorldTopTen); }

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Shown(const std::string& text) { return text == "#" ? QString() : FromUtf8(text).replace('_', ' '); }

WorldTopTenRow RowOf(const TZanRecord& r) {
  return {QString::number(r.Place), Shown(r.Nick), Shown(r.City), QString::number(r.Score), r.Country, r.R07};
}

QTableWidget* NewTable(QWidget* parent, int rows) {
  auto* table = new QTableWidget(rows, 6, parent);
  table->horizontalHeader()->hide();
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->setShowGrid(false);
  const int widths[6] = {44, 22, 22, 170, 170, 90};
  for (int c = 0; c < 6; ++c) table->setColumnWidth(c, widths[c]);
  for (int r = 0; r < rows; ++r) table->setRowHeight(r, 22);
  table->setFixedHeight(rows * 22 + 4);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return table;
}

}  // namespace

TFormServerRead::TFormServerRead(PictureRegistry& pictures, DialogLook& look, WorldTopTenContext context, int firstTab,
                                 QWidget* parent)
    : DialogFrame(pictures, look, WorldPictures(), parent), context_(std::move(context)) {
  setObjectName("FormServerRead");
  auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::WorldTopTen));
  const int top = CardStyle() ? 90 : HeaderHeight() + 8;
  tabs_ = new QTabWidget(this);
  tabs_->setGeometry(6, top, kWidth - 12, kPageHeight);
  const QFont headingFont = look.Fonts.Font(FontRole::Serif, 15, true);
  for (int t = 0; t < kTabs; ++t) {
    Page& page = pages_[static_cast<std::size_t>(t)];
    auto* widget = new QWidget;
    auto* box = new QVBoxLayout(widget);
    box->setContentsMargins(6, 6, 6, 6);
    box->setSpacing(4);
    page.Heading = new QLabel(FromUtf8(kHeadings[t]), widget);
    page.Heading->setFont(headingFont);
    page.Heading->setAlignment(Qt::AlignCenter);
    page.Heading->setStyleSheet("color: #000080");
    box->addWidget(page.Heading);
    if (t == 4) {
      measure_ = new QComboBox(widget);
      measure_->addItems({word(WordId::TournamentScore), word(WordId::TournamentRating), word(WordId::TournamentGames)});
      connect(measure_, &QComboBox::currentIndexChanged, this, [this] { ReadTab(4); });
      box->addWidget(measure_);
    }
    page.NoConnect = new QLabel(word(WordId::NoConnect), widget);
    page.NoConnect->setStyleSheet("color: #C00000");
    page.NoConnect->setAlignment(Qt::AlignCenter);
    page.NoConnect->hide();
    box->addWidget(page.NoConnect);
    page.Top = NewTable(widget, 10);
    box->addWidget(page.Top);
    if (t >= 1 && t <= 4) {
      page.Around = NewTable(widget, t == 4 ? 1 : 5);
      box->addWidget(page.Around);
    }
    if (t >= 1 && t <= 3) {
      page.Count = new QLabel(widget);
      box->addWidget(page.Count);
    }
    box->addStretch(1);
    tabs_->addTab(widget, QString::number(t + 1));
    tabs_->setTabToolTip(t, FromUtf8(kHeadings[t]));
  }
  const int y = top + kPageHeight + 8;
  passport_ = new TZanCardsButton(pictures, this);
  passport_->setObjectName("WorldPassport");
  StyleButton(*passport_);
  passport_->SetHeightSB(THeightSB::D30);
  passport_->setText(word(WordId::Passport));
  passport_->setGeometry(8, y, 200, 30);
  passport_->setVisible(static_cast<bool>(context_.OpenPassport));
  connect(passport_, &QAbstractButton::clicked, this, [this] {
    if (context_.OpenPassport) context_.OpenPassport();
    ReadTab(tabs_->currentIndex());
  });
  OkButton().SetHeightSB(THeightSB::D30);
  OkButton().setGeometry(kWidth - 208, y, 200, 30);
  setFixedSize(kWidth, y + 38);

  tabs_->setCurrentIndex(std::clamp(firstTab, 0, kTabs - 1));
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) { ReadTab(tab); });
  ReadTab(tabs_->currentIndex());
  timer_.setInterval(10000);
  connect(&timer_, &QTimer::timeout, this, &TFormServerRead::RefreshShownTab);
  timer_.start();
}

namespace {

// Tabs 1 to 5 as the club sends them. Runs on the window's thread or on a poll's thread: it
// touches nothing but the client and its arguments.
WorldTopTenTab FetchClubTab(ClubClient& client, int tab, char measure, const WorldPassport& passport,
                            const std::pair<std::string, std::string>& account) {
  WorldTopTenTab data;
  auto world = [&](int gid, const std::pair<std::string, std::string>& nickCity) {
    const WorldRows top = client.ReadWorldTable(gid);
    data.Ok = top.Ok;
    if (!top.Ok) return;
    for (int i = 1; i <= 10; ++i) {
      if (top.Rows[i].Nick != "#") data.Top.push_back(RowOf(top.Rows[i]));
    }
    if (!nickCity.first.empty()) {
      const WorldRows around = client.ReadWorldAround(gid, nickCity.first, nickCity.second);
      for (int i = 1; around.Ok && i <= 10 && data.Around.size() < 5; ++i) {
        if (around.Rows[i].Nick != "#") data.Around.push_back(RowOf(around.Rows[i]));
      }
    }
    const NumberResult count = client.ReadWorldCount(gid);
    if (count.Ok) data.Count = count.Value;
  };
  switch (tab) {
    case 0: {
      const ClubTopTen top = client.ReadClubTopTen();
      data.Ok = top.Ok;
      for (int i = 1; data.Ok && i <= 10; ++i) {
        const TZanTop10& r = top.Rows[i];
        if (r.Nick.empty() || r.Nick == "#") continue;
        data.Top.push_back({QString::number(i), Shown(r.Nick), Shown(r.City), QString::number(r.Rating, 'f', 2),
                            r.Country, std::string(1, r.Sex)});
      }
      break;
    }
    case 1:
      world(kWorldTableAccounts, account);
      break;
    case 2:
      world(kGameId, {passport.Nick, passport.City});
      break;
    case 3:
      world(kWorldTableAndroid, {passport.Nick, passport.City});
      break;
    case 4: {
      const TourTopTen top = client.ReadTourTopTen(measure);
      data.Ok = top.Ok;
      for (int i = 1; data.Ok && i <= 10; ++i) {
        const TourTopRow& r = top.Rows[i];
        if (r.Nick == "#") continue;
        data.Top.push_back({QString::number(r.Place > 0 ? r.Place : i), Shown(r.Nick), Shown(r.City),
                            QString::number(r.Score), r.Country, r.R07});
      }
      if (data.Ok && !account.first.empty()) {
        const TourRating mine = client.ReadTourRating(account.first);
        if (mine.Ok && mine.Score >= 0) {
          const std::int32_t value = measure == 'r' ? mine.Rating : measure == 'k' ? mine.Kon : mine.Score;
          const NumberResult place = client.ReadTourPlace(measure, value);
          if (place.Ok) {
            data.Around.push_back({QString::number(place.Value), FromUtf8(account.first), FromUtf8(account.second),
                                   QString::number(value), {}, {}});
          }
        }
      }
      break;
    }
    default:
      break;
  }
  return data;
}

}  // namespace

char TFormServerRead::Measure() const { return kMeasures[std::clamp(measure_->currentIndex(), 0, 2)]; }

void TFormServerRead::ReadTab(int tab) {
  if (tab < 0 || tab >= kTabs) return;
  if (tab >= kFirstLocalTab) {
    WorldTopTenTab data;
    const ClubFileContents club = ReadClubFile(tab == 5 ? context_.Files.Local : context_.Files.Network);
    data.Ok = club.Status == ClubRead::Read;
    for (int n = 1; data.Ok && n <= 10; ++n) {
      const std::string& line = club.Lines[n + 5];
      const QString name = QString::fromStdString(line.empty() ? std::string() : TopTenNameOf(line)).trimmed();
      if (name.isEmpty() || name.startsWith('#')) continue;
      const QString score = line.size() >= kTopTenLineLength
                                ? QString::fromLatin1(line.substr(20, 6).c_str()).trimmed()
                                : QString();
      data.Top.push_back({QString::number(n), name, {}, score, {}, {}});
    }
    Show(tab, data);
    return;
  }
  if (context_.Client == nullptr) {
    Show(tab, {});
    return;
  }
  const WorldPassport passport = context_.Passport ? context_.Passport() : WorldPassport{};
  const auto account = context_.Account ? context_.Account() : std::pair<std::string, std::string>{};
  Show(tab, FetchClubTab(*context_.Client, tab, Measure(), passport, account));
}

void TFormServerRead::RefreshShownTab() {
  const int tab = tabs_->currentIndex();
  if (tab >= kFirstLocalTab || context_.Client == nullptr) {
    ReadTab(tab);
    return;
  }
  // A club that is slow or gone must not hold the window up: the refresh waits on its own thread,
  // and the next one is not sent before it is back.
  if (refreshPending_) return;
  refreshPending_ = true;
  const WorldPassport passport = context_.Passport ? context_.Passport() : WorldPassport{};
  const auto account = context_.Account ? context_.Account() : std::pair<std::string, std::string>{};
  const char measure = Measure();
  refresh_.Run<WorldTopTenTab>(
      context_.Client->Addresses(),
      [tab, measure, passport, account](ClubClient& client) {
        return FetchClubTab(client, tab, measure, passport, account);
      },
      this,
      [this, tab](WorldTopTenTab data) {
        refreshPending_ = false;
        Show(tab, data);
      });
}

void TFormServerRead::Show(int tab, const WorldTopTenTab& data) {
  Page& page = pages_[static_cast<std::size_t>(tab)];
  page.TopRows = data.Top;
  page.AroundRows = data.Around;
  if (page.Count) {
    const QString label = Look().Word ? Look().Word(WordId::NumberOfGames) : QString("Number of games");
    page.Count->setText(data.Count ? label + ": " + QString::number(*data.Count) : QString());
  }
  ShowNoConnect(page, !data.Ok);
  Fill(*page.Top, page.TopRows);
  if (page.Around) Fill(*page.Around, page.AroundRows);
}

void TFormServerRead::Fill(QTableWidget& table, const std::vector<WorldTopTenRow>& rows) {
  table.clearContents();
  for (std::size_t i = 0; i < rows.size() && static_cast<int>(i) < table.rowCount(); ++i) {
    const WorldTopTenRow& r = rows[i];
    const int row = static_cast<int>(i);
    const QColor colour = r.Place.toInt() >= 1 && r.Place.toInt() <= 3 ? QColor(0xFF, 0, 0) : QColor(0, 0, 0x80);
    auto text = [&](int column, const QString& s, Qt::Alignment align) {
      auto* item = new QTableWidgetItem(s);
      item->setForeground(colour);
      item->setTextAlignment(align | Qt::AlignVCenter);
      table.setItem(row, column, item);
    };
    text(0, r.Place + ".", Qt::AlignRight);
    auto* flag = new QTableWidgetItem;
    flag->setData(Qt::DecorationRole, PlayerFlag(r.Country));
    table.setItem(row, 1, flag);
    auto* face = new QTableWidgetItem;
    face->setData(Qt::DecorationRole, PlayerFace(r.Sex));
    table.setItem(row, 2, face);
    text(3, r.Nick, Qt::AlignLeft);
    text(4, r.City, Qt::AlignLeft);
    text(5, r.Score, Qt::AlignRight);
  }
}

void TFormServerRead::ShowNoConnect(Page& page, bool shown) {
  page.NoConnect->setVisible(shown);
  if (shown && page.Count) page.Count->clear();
}

QString TFormServerRead::Heading(int tab) const { return pages_.at(static_cast<std::size_t>(tab)).Heading->text(); }
std::vector<WorldTopTenRow> TFormServerRead::TopRows(int tab) const {
  return pages_.at(static_cast<std::size_t>(tab)).TopRows;
}
std::vector<WorldTopTenRow> TFormServerRead::AroundRows(int tab) const {
  return pages_.at(static_cast<std::size_t>(tab)).AroundRows;
}
QString TFormServerRead::CountText(int tab) const {
  const Page& page = pages_.at(static_cast<std::size_t>(tab));
  return page.Count ? page.Count->text() : QString();
}
bool TFormServerRead::NoConnectShown(int tab) const {
  return !pages_.at(static_cast<std::size_t>(tab)).NoConnect->isHidden();
}

}  // namespace tavlo
