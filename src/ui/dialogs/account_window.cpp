#include "ui/dialogs/account_window.h"

#include <QClipboard>
#include <QDate>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include "lang/cp1251.h"
#include "net/club/account_rating.h"
#include "net/club/account_text.h"
#include "net/club/countries.h"
#include "ui/account/country_flags.h"
#include "ui/account/profile_icons.h"
#include "ui/dialogs/profile_editor.h"
#include "ui/pictures/picture_registry.h"
#include "ui/widgets/text_helpers.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

constexpr int kWidth = 720;
constexpr int kPageHeight = 470;

DialogPictures AccountPictures() {
  DialogPictures p;
  p.Strip = "GCap300";
  p.Ribbon = "GLenta280x090";
  p.CardBackground = "GFormSpeed";
  p.Title = WordId::ClubVelmora;
  return p;
}

int Judge(const QString& text, AccountTextKind kind) {
  return JudgeAccountText(Utf8ToCp1251(text.toStdString()), kind);
}

const char* LampFor(int judged) { return judged >= 3 ? "LampG24" : judged == 2 ? "LampY24" : "LampR24"; }

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The President tab answers clicks on its twelve rows: x 260 to 700, rows 31 high from y 40.
class PresidentRows : public QWidget {
 public:
  explicit PresidentRows(std::function<void(QPoint)> clicked) : clicked_(std::move(clicked)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) clicked_(event->position().toPoint());
  }

 private:
  std::function<void(QPoint)> clicked_;
};

}  // namespace

QValidator::State AccountTextValidator::validate(QString& input, int&) const {
  for (const QChar c : input) {
    const int judged = JudgeAccountText(Utf8ToCp1251(QString(c).toStdString()), AccountTextKind::Character);
    if (judged == 1 || (latinOnly_ && judged == 2)) return Invalid;
  }
  return Acceptable;
}

TFAcc1::TFAcc1(PictureRegistry& pictures, DialogLook& look, AccountSession& session, bool fromClubList, QWidget* parent)
    : DialogFrame(pictures, look, AccountPictures(), parent), session_(session), fromClubList_(fromClubList) {
  setObjectName("FAcc1");
  setWindowTitle(W(WordId::ClubVelmora));
  const int top = CardStyle() ? 10 : RedLine().bottom() + 6;
  setFixedSize(kWidth, top + kPageHeight + 60);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("PageControl1");
  tabs_->setGeometry(5, top, kWidth - 10, kPageHeight);
  tabs_->addTab(BuildAccountTab(), W(WordId::MyAccount));
  tabs_->addTab(BuildResultsTab(), W(WordId::MyResults));
  tabs_->addTab(BuildTopTenTab(), W(WordId::TopTenTab));
  tabs_->addTab(BuildZansTab(), W(WordId::Zans));
  tabs_->addTab(BuildAboutTab(), W(WordId::AboutMe));
  tabs_->addTab(BuildPresidentTab(), W(WordId::President));
  OkButton().setText("Ok");
  OkButton().setGeometry(5, top + kPageHeight + 8, kWidth - 10, 45);
  OpenAddress = [](const QString&) {};

  // Step by step as the window opens: the club's data, then the account's.
  session_.OpenWindow();
  save_->setEnabled(session_.SignedInNow() && !session_.UserFileSaved());
  delete_->setEnabled(session_.UserFileSaved());
  ShowSession();
  tabs_->setCurrentIndex(0);
}

void PaintRibbonTitle(DialogFrame& frame, const QString& title) {
  if (frame.Design() != DialogDesign::GrayRibbons) return;
  QPainter p(&frame);
  p.setFont(frame.Look().Fonts.FontAt(FontRole::Decor, 22, true));
  DrawShadowText(p, title, 10, 290, 'c', QColor(255, 255, 0), 28);
}

void TFAcc1::paintEvent(QPaintEvent* event) {
  DialogFrame::paintEvent(event);
  PaintRibbonTitle(*this, W(WordId::ClubVelmora));
}

QString TFAcc1::W(WordId word) const { return Look().Word ? Look().Word(word) : QString(); }

TZanCardsButton* TFAcc1::MakeButton(QWidget* parent, const QString& caption) {
  auto* b = new TZanCardsButton(Pictures(), parent);
  StyleButton(*b);
  b->setText(caption);
  return b;
}

QLabel* TFAcc1::MakeLabel(QWidget* parent, const QString& text, int size, bool bold) {
  auto* label = new QLabel(text, parent);
  label->setFont(Look().Fonts.FontAt(FontRole::Decor, size + 3, bold));
  return label;
}

QWidget* TFAcc1::BuildAccountTab() {
  auto* page = new QWidget;
  page->setObjectName("TabAccount");
  MakeLabel(page, W(WordId::AccountInformation), 13, true)->setGeometry(10, 8, 500, 26);
  struct Row {
    WordId label;
    QLineEdit** box;
    int length;
  } rows[] = {{WordId::AccountNick, &nick_, 12},       {WordId::AccountPassword, &password_, 12},
              {WordId::AccountCountry, &country_, 40}, {WordId::AccountCity, &city_, 15},
              {WordId::EMailLabel, &email_, 30},       {WordId::Registration, &registration_, 10}};
  const char* names[] = {"EditNick", "EditPw", "EditCountry", "EditCity", "EditEMail", "EditDateR"};
  int y = 44;
  for (std::size_t k = 0; k < std::size(rows); ++k, y += 34) {
    const QString caption = W(rows[k].label);
    MakeLabel(page, caption.endsWith(':') ? caption : caption + ":")->setGeometry(10, y, 120, 26);
    auto* box = new QLineEdit(page);
    box->setObjectName(names[k]);
    box->setMaxLength(rows[k].length);
    box->setGeometry(135, y, 230, 26);
    *rows[k].box = box;
  }
  country_->setReadOnly(true);
  registration_->setReadOnly(true);
  nick_->setValidator(new AccountTextValidator(false, nick_));
  city_->setValidator(new AccountTextValidator(false, city_));
  password_->setValidator(new AccountTextValidator(true, password_));
  email_->setValidator(new AccountTextValidator(true, email_));
  QLineEdit* lit[4] = {nick_, city_, password_, email_};
  for (std::size_t k = 0; k < lamps_.size(); ++k) {
    lamps_[k] = new QLabel(page);
    lamps_[k]->setObjectName(QString("Lamp%1").arg(k + 1));
    lamps_[k]->setGeometry(lit[k]->x() + lit[k]->width() + 6, lit[k]->y() + 1, 24, 24);
    connect(lit[k], &QLineEdit::textEdited, this, [this, box = lit[k]] { OnTextEdited(box); });
  }

  region_ = new QComboBox(page);
  region_->setObjectName("ComboRegion");
  for (WordId r :
       {WordId::Europe, WordId::Asia, WordId::NorthAmerica, WordId::SouthAmerica, WordId::Oceania, WordId::Africa}) {
    region_->addItem(W(r));
  }
  region_->setGeometry(410, 44, 280, 26);
  countryChoice_ = new QComboBox(page);
  countryChoice_->setObjectName("ComboCountry");
  countryChoice_->setGeometry(410, 78, 280, 26);
  sex_ = new QComboBox(page);
  sex_->setObjectName("ComboSex");
  sex_->addItems({W(WordId::Male), W(WordId::Female)});
  sex_->setGeometry(410, 112, 280, 26);
  hidePassword_ = new QCheckBox(W(WordId::HidePassword), page);
  hidePassword_->setObjectName("CheckHide");
  hidePassword_->setGeometry(410, 146, 280, 26);
  hidePassword_->setChecked(true);
  ratedPlay_ = new QCheckBox(W(WordId::PlayGlobalRating), page);
  ratedPlay_->setObjectName("CheckRated");
  ratedPlay_->setGeometry(410, 180, 280, 26);

  create_ = MakeButton(page, W(WordId::CreateAccount));
  login_ = MakeButton(page, W(WordId::LoginToAccount));
  save_ = MakeButton(page, W(WordId::Save));
  delete_ = MakeButton(page, W(WordId::Delete));
  create_->setGeometry(10, 260, 340, 45);
  login_->setGeometry(360, 260, 330, 45);
  save_->setGeometry(10, 315, 340, 45);
  delete_->setGeometry(360, 315, 330, 45);
  members_ = MakeLabel(page, QString());
  members_->setObjectName("LabelMembers");
  members_->setGeometry(10, 400, 680, 26);

  connect(region_, &QComboBox::activated, this, [this](int index) {
    session_.User().Country2 = CountryCode(index + 1, 0);
    FillCountries();
  });
  connect(countryChoice_, &QComboBox::activated, this, [this](int index) {
    const int region = region_->currentIndex() + 1;
    const auto countries = CountriesOf(region);
    if (index < 0 || index >= static_cast<int>(countries.size())) return;
    session_.User().Country2 = CountryCode(region, index);
    session_.User().Country1 = countries[static_cast<std::size_t>(index)].Short;
    country_->setText(Q(session_.User().Country1));
  });
  connect(sex_, &QComboBox::activated, this, [this](int index) { session_.User().Sex = index == 1 ? 'W' : 'M'; });
  connect(hidePassword_, &QCheckBox::toggled, this,
          [this](bool hide) { password_->setEchoMode(hide ? QLineEdit::Password : QLineEdit::Normal); });
  password_->setEchoMode(QLineEdit::Password);
  connect(ratedPlay_, &QCheckBox::clicked, this, [this](bool on) {
    session_.SetRatedPlay(on);
    UpdateAccountControls();
  });
  connect(create_, &QAbstractButton::clicked, this, [this] {
    session_.CreateAccount(QLocale::c().toString(QDate::currentDate(), "dd.MM.yyyy"));
    ShowSession();
  });
  connect(login_, &QAbstractButton::clicked, this, [this] {
    if (session_.SignedInNow()) {
      session_.SignOut();
    } else {
      session_.SignIn();
    }
    ShowSession();
  });
  connect(save_, &QAbstractButton::clicked, this, [this] {
    if (!session_.SaveUser()) return;
    save_->setEnabled(false);
    delete_->setEnabled(true);
  });
  connect(delete_, &QAbstractButton::clicked, this, [this] {
    if (!session_.DeleteUser()) return;
    save_->setEnabled(true);
    delete_->setEnabled(false);
  });
  return page;
}

QWidget* TFAcc1::BuildResultsTab() {
  auto* page = new QWidget;
  MakeLabel(page, W(WordId::InformationAboutYourGames), 13, true)->setGeometry(10, 8, 500, 26);
  const WordId labels[9] = {WordId::AccountGame,  WordId::AccountPlayer, WordId::AccountRating,
                            WordId::AccountPlace, WordId::PlayedGames,   WordId::MyBestScore,
                            WordId::PlayedCycles, WordId::CurrentDeal,   WordId::CurrentScoreAccount};
  for (std::size_t k = 0; k < results_.size(); ++k) {
    const int y = 44 + static_cast<int>(k) * 34;
    MakeLabel(page, W(labels[k]) + ":", 12)->setGeometry(10, y, 250, 28);
    results_[k] = MakeLabel(page, QString(), 12, true);
    results_[k]->setObjectName(QString("LabelResult%1").arg(k + 1));
    results_[k]->setGeometry(270, y, 400, 28);
  }
  resultsRefresh_ = MakeButton(page, W(WordId::Refresh));
  resultsRefresh_->setGeometry(10, 370, 680, 45);
  connect(resultsRefresh_, &QAbstractButton::clicked, this, [this] {
    if (session_.SignedInNow()) session_.ReadGameAndPlace();
    ShowResults();
  });
  return page;
}

QWidget* TFAcc1::BuildTopTenTab() {
  auto* page = new QWidget;
  MakeLabel(page, W(WordId::TopTenRated), 13, true)->setGeometry(10, 8, 500, 26);
  const int xs[6] = {10, 50, 200, 330, 380, 580};
  const int ws[6] = {38, 148, 128, 48, 198, 100};
  const QString heads[6] = {
      "№", W(WordId::AccountNick), "C", W(WordId::AccountSex), W(WordId::AccountCity), W(WordId::AccountRating)};
  for (int c = 0; c < 6; ++c) MakeLabel(page, heads[c], 11, true)->setGeometry(xs[c], 40, ws[c], 24);
  for (std::size_t r = 0; r < topCells_.size(); ++r) {
    for (std::size_t c = 0; c < 6; ++c) {
      QLabel* cell = MakeLabel(page, QString(), 11);
      cell->setGeometry(xs[c], 68 + static_cast<int>(r) * 30, ws[c], 26);
      topCells_[r][c] = cell;
    }
  }
  topRefresh_ = MakeButton(page, W(WordId::Refresh));
  topRefresh_->setGeometry(10, 375, 680, 45);
  connect(topRefresh_, &QAbstractButton::clicked, this, [this] {
    session_.ReadTopTen();
    ShowTopTen();
  });
  return page;
}

QString TFAcc1::TopTenCell(int row, int column) const {
  return topCells_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)]->text();
}

QWidget* TFAcc1::BuildZansTab() {
  auto* page = new QWidget;
  auto* coins = new QLabel(page);
  coins->setPixmap(QPixmap::fromImage(Pictures().Picture("GZans128", QSize(128, 128))));
  coins->setGeometry(10, 10, 128, 128);
  balance_ = MakeLabel(page, QString(), 40, true);
  balance_->setObjectName("LabelBalance");
  balance_->setGeometry(160, 30, 300, 80);
  MakeLabel(page, W(WordId::Zans), 14, true)->setGeometry(470, 60, 200, 30);
  addZans_ = MakeButton(page, W(WordId::AddZans));
  addZans_->setGeometry(10, 150, 680, 45);
  MakeLabel(page, W(WordId::Transfer), 13, true)->setGeometry(10, 210, 300, 26);
  amount_ = new QSpinBox(page);
  amount_->setObjectName("EditAmount");
  amount_->setToolTip(W(WordId::TransferAmount));
  amount_->setGeometry(10, 245, 150, 28);
  recipient_ = new QLineEdit("User", page);
  recipient_->setObjectName("EditRecipient");
  recipient_->setToolTip(W(WordId::TransferRecipientNick));
  recipient_->setPlaceholderText(W(WordId::TransferRecipientNick));
  recipient_->setMaxLength(12);
  recipient_->setGeometry(170, 245, 520, 28);
  transfer_ = MakeButton(page, W(WordId::TransferZans));
  transfer_->setGeometry(10, 285, 680, 45);
  zansRefresh_ = MakeButton(page, W(WordId::Refresh));
  zansRefresh_->setGeometry(10, 375, 680, 45);
  const auto enable = [this] {
    transfer_->setEnabled(session_.TransferEnabled(amount_->value(), recipient_->text().toStdString()));
  };
  connect(amount_, &QSpinBox::valueChanged, this, enable);
  connect(recipient_, &QLineEdit::textChanged, this, enable);
  connect(transfer_, &QAbstractButton::clicked, this, [this] {
    session_.TransferZans(amount_->value(), recipient_->text().toStdString());
    ShowZans();
  });
  connect(addZans_, &QAbstractButton::clicked, this, [this] { session_.Refill(); });
  connect(zansRefresh_, &QAbstractButton::clicked, this, [this] {
    if (session_.SignedInNow() && !session_.ReadBalance() && session_.Notice) {
      session_.Notice(W(WordId::NoConnectMessage), {});
    }
    ShowZans();
  });
  return page;
}

QWidget* TFAcc1::BuildAboutTab() {
  auto* page = new QWidget;
  ownPhoto_ = new QLabel(page);
  ownPhoto_->setObjectName("ImageOwnPhoto");
  ownPhoto_->setGeometry(10, 10, 160, 200);
  const WordId labels[14] = {WordId::YourFirstName, WordId::YourLastName, WordId::BriefInformation, WordId::YourPhone,
                             WordId::YourEmail,     WordId::YourWebSite,  WordId::YourSkype,        WordId::YourOk,
                             WordId::YourVk,        WordId::YourTelegram, WordId::YourFacebook,     WordId::YourTwitter,
                             WordId::YourInstagram, WordId::YourYouTube};
  for (std::size_t k = 0; k < profileValues_.size(); ++k) {
    const int y = 10 + static_cast<int>(k) * 28;
    auto* icon = new QLabel(page);
    icon->setObjectName(QString("ProfileIcon%1").arg(k));
    icon->setPixmap(QPixmap::fromImage(ProfileIcon(static_cast<int>(k))));
    icon->setGeometry(180, y + 2, 20, 20);
    QLabel* caption = MakeLabel(page, W(labels[k]) + ":", 10);
    caption->setObjectName(QString("ProfileCaption%1").arg(k));
    caption->setGeometry(205, y, 183, 24);
    profileValues_[k] = MakeLabel(page, QString(), 10, true);
    profileValues_[k]->setGeometry(390, y, 300, 24);
  }
  profileButton_ = MakeButton(page, W(WordId::Refresh));
  profileButton_->setGeometry(10, 220, 160, 45);
  connect(profileButton_, &QAbstractButton::clicked, this, &TFAcc1::OpenProfileEditor);
  return page;
}

QWidget* TFAcc1::BuildPresidentTab() {
  presidentPage_ = new PresidentRows([this](QPoint at) { OnPresidentClick(at); });
  presidentPage_->setObjectName("TabPresident");
  presidentTitle_ = MakeLabel(presidentPage_, QString(), 12, true);
  presidentTitle_->setGeometry(10, 6, 680, 28);
  presidentPhoto_ = new QLabel(presidentPage_);
  presidentPhoto_->setGeometry(10, 40, 160, 200);
  presidentNames_ = MakeLabel(presidentPage_, QString(), 11, true);
  presidentNames_->setWordWrap(true);
  presidentNames_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  presidentNames_->setGeometry(10, 245, 240, 120);
  const WordId labels[12] = {WordId::BriefInformation, WordId::YourPhone,   WordId::YourEmail,     WordId::YourWebSite,
                             WordId::YourSkype,        WordId::YourOk,      WordId::YourVk,        WordId::YourTelegram,
                             WordId::YourFacebook,     WordId::YourTwitter, WordId::YourInstagram, WordId::YourYouTube};
  for (std::size_t k = 0; k < presidentValues_.size(); ++k) {
    const int y = 40 + static_cast<int>(k) * 31;
    QLabel* label = MakeLabel(presidentPage_, W(labels[k]) + ":", 9);
    label->setGeometry(260, y, 170, 28);
    presidentValues_[k] = MakeLabel(presidentPage_, QString(), 10, true);
    presidentValues_[k]->setGeometry(435, y, 265, 28);
    // Clicks belong to the page, whose rows decide what a click does.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    presidentValues_[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  return presidentPage_;
}

void TFAcc1::OnTextEdited(QLineEdit* box) {
  TZanUser& user = session_.User();
  if (box == nick_) user.Nick = nick_->text().toStdString();
  if (box == password_) user.Pw = password_->text().toStdString();
  if (box == city_) user.City = city_->text().toStdString();
  if (box == email_) user.EMail = email_->text().toStdString();
  if (box == nick_) save_->setEnabled(true);
  UpdateAccountControls();
}

void TFAcc1::FillCountries() {
  const auto code = ParseCountryCode(session_.User().Country2);
  const int region = code ? code->first : 1;
  const int index = code ? code->second : 0;
  region_->setCurrentIndex(region - 1);
  countryChoice_->clear();
  for (const Country& c : CountriesOf(region)) {
    countryChoice_->addItem(QPixmap::fromImage(CountryFlag(c.Iso)),
                           QString::fromUtf8(ShownCountryName(c, Look().LanguageIndex)));
  }
  countryChoice_->setCurrentIndex(index);
}

void TFAcc1::UpdateAccountControls() {
  const TZanUser& user = session_.User();
  judged_ = {Judge(nick_->text(), AccountTextKind::Nick), Judge(city_->text(), AccountTextKind::City),
             Judge(password_->text(), AccountTextKind::Password), Judge(email_->text(), AccountTextKind::EMail)};
  for (std::size_t k = 0; k < lamps_.size(); ++k) {
    lamps_[k]->setPixmap(QPixmap::fromImage(Pictures().Picture(LampFor(judged_[k]), QSize(24, 24))));
  }
  const auto [n, c, p, e] = judged_;
  const bool signedIn = session_.SignedInNow();
  for (QWidget* w : std::initializer_list<QWidget*>{nick_, password_, country_, city_, email_, registration_, region_,
                                                    countryChoice_, sex_}) {
    w->setEnabled(!signedIn);
  }
  hidePassword_->setEnabled(true);
  registration_->setText(signedIn ? Q(user.DateR) : QString("00.00.0000"));
  ratedPlay_->setEnabled(signedIn && fromClubList_);
  ratedPlay_->setChecked(session_.AccountState() == AccountSession::RatedPlay);
  create_->setEnabled(!signedIn && n >= 2 && c >= 2 && p == 3 && e == 3);
  login_->setText(W(signedIn ? WordId::SignOut : WordId::LoginToAccount));
  login_->setEnabled(signedIn || (n >= 2 && p == 3));
  if (session_.RatedGameOpen()) {
    // A rated game is being played: nothing of the account may change until it is settled.
    for (QWidget* w : std::initializer_list<QWidget*>{nick_, password_, city_, email_, region_, countryChoice_, sex_,
                                                      hidePassword_, ratedPlay_, create_, login_, save_, delete_}) {
      w->setEnabled(false);
    }
  }
}

void TFAcc1::ShowSession() {
  const TZanUser& user = session_.User();
  filling_ = true;
  nick_->setText(Q(user.Nick));
  password_->setText(Q(user.Pw));
  city_->setText(Q(user.City == "#" ? std::string() : user.City));
  email_->setText(Q(user.EMail == "#" ? std::string() : user.EMail));
  country_->setText(Q(user.Country1));
  FillCountries();
  sex_->setCurrentIndex(user.Sex == 'W' ? 1 : 0);
  filling_ = false;
  const NumberResult& count = session_.MemberCount();
  members_->setText(count.Ok ? W(WordId::ClubMembers) + QString::number(count.Value) : QString());
  UpdateAccountControls();
  ShowResults();
  ShowTopTen();
  ShowZans();
  ShowAbout();
  ShowPresident();
}

void TFAcc1::ShowResults() {
  const bool signedIn = session_.SignedInNow();
  for (QLabel* l : results_) l->clear();
  if (!signedIn) return;
  const TZanGame& g = session_.Game();
  results_[0]->setText("Tavlo");
  results_[1]->setText(Q(session_.User().Nick));
  if (!session_.GameRead()) {
    for (std::size_t k = 1; k < results_.size(); ++k) results_[k]->setText(W(WordId::NoConnect));
    return;
  }
  results_[2]->setText(Q(FormatRating(g.Rating)));
  results_[3]->setText(session_.Place().Ok ? QString::number(session_.Place().Value) : W(WordId::NoConnect));
  results_[4]->setText(QString::number(g.Kon));
  results_[5]->setText(QString::number(g.Best));
  results_[6]->setText(QString::number(g.Sessions));
  results_[7]->setText(QString::number(g.KonL));
  results_[8]->setText(QString::number(g.Score));
}

void TFAcc1::ShowTopTen() {
  const ClubTopTen& top = session_.TopTen();
  for (std::size_t r = 0; r < topCells_.size(); ++r) {
    auto& cells = topCells_[r];
    cells[0]->setText(QString("%1.").arg(r + 1));
    for (std::size_t c = 1; c < cells.size(); ++c) {
      cells[c]->clear();
      cells[c]->setPixmap(QPixmap());
    }
    if (!top.Ok) {
      cells[1]->setText(W(WordId::NoConnect));
      continue;
    }
    const TZanTop10& row = top.Rows[static_cast<int>(r) + 1];
    if (row.Nick.empty()) continue;
    cells[1]->setText(Q(row.Nick));
    const Country* country = CountryNamed(row.Country);
    const QImage flag = country ? CountryFlag(country->Iso) : QImage();
    if (flag.isNull()) {
      cells[2]->setText(Q(row.Country));
    } else {
      cells[2]->setPixmap(QPixmap::fromImage(flag));
    }
    cells[3]->setPixmap(QPixmap::fromImage(Pictures().Picture(row.Sex == 'W' ? "GAcNoF" : "GAcNoM", QSize(20, 25))));
    cells[4]->setText(Q(row.City));
    cells[5]->setText(Q(FormatRating(row.Rating)));
  }
}

void TFAcc1::ShowZans() {
  const bool signedIn = session_.SignedInNow();
  const auto balance = session_.Balance();
  balance_->setText(signedIn && balance ? QString::number(*balance) : signedIn ? W(WordId::NoConnect) : QString("0"));
  addZans_->setEnabled(signedIn);
  amount_->setRange(0, signedIn ? session_.User().R04 : 0);
  transfer_->setEnabled(session_.TransferEnabled(amount_->value(), recipient_->text().toStdString()));
  zansRefresh_->setEnabled(signedIn);
}

void TFAcc1::ShowAbout() {
  const bool signedIn = session_.SignedInNow();
  const TZanUser& user = session_.User();
  const QImage photo = signedIn && session_.OwnPhoto()
                           ? *session_.OwnPhoto()
                           : Pictures().Picture(user.Sex == 'W' ? "GAcNoF" : "GAcNoM", QSize(200, 250));
  ownPhoto_->setPixmap(QPixmap::fromImage(photo.scaled(160, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  const std::array<QString, 14> values = TFAcc2::ValuesOf(user.Info);
  for (std::size_t k = 0; k < profileValues_.size(); ++k) profileValues_[k]->setText(signedIn ? values[k] : QString());
  profileButton_->setEnabled(signedIn);
}

void TFAcc1::ShowPresident() {
  presidentTitle_->setText(W(WordId::PresidentOfOrder) + " \"Tavlo\"");
  const ClubTopTen& top = session_.TopTen();
  const TZanTop10* leader = top.Ok && !top.Rows[1].Nick.empty() ? &top.Rows[1] : nullptr;
  const QImage photo = session_.LeaderPhoto()
                           ? *session_.LeaderPhoto()
                           : Pictures().Picture(leader && leader->Sex == 'W' ? "GAcNoF" : "GAcNoM", QSize(200, 250));
  presidentPhoto_->setPixmap(
      QPixmap::fromImage(photo.scaled(160, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  const TInfo14& info = session_.LeaderInfo();
  presidentNames_->setText(
      leader ? Q(info.Name1) + "\n" + Q(info.Name2) + "\n" + Q(leader->Nick) + ", " + Q(leader->City) : QString());
  const std::string* rows[12] = {&info.About,    &info.Telephone, &info.EMailO,     &info.WebSite,
                                 &info.Skype,    &info.OK,        &info.VK,         &info.Telegram,
                                 &info.FaceBook, &info.Twitter,   &info.Instagramm, &info.YouTube};
  for (std::size_t k = 0; k < presidentValues_.size(); ++k) presidentValues_[k]->setText(Q(*rows[k]));
}

void TFAcc1::OnPresidentClick(QPoint at) {
  if (at.x() < 260 || at.x() > 700 || at.y() < 40) return;
  const int row = (at.y() - 40) / 31;
  if (row >= static_cast<int>(presidentValues_.size())) return;
  const QString value = presidentValues_[static_cast<std::size_t>(row)]->text().trimmed();
  if (value.isEmpty()) return;
  // About, telephone, e-mail, skype and telegram are copied; the others are addresses to open.
  constexpr bool kCopied[12] = {true, true, true, false, true, false, false, true, false, false, false, false};
  if (kCopied[row]) {
    QGuiApplication::clipboard()->setText(value);
    if (session_.Notice) session_.Notice(W(WordId::CopiedToClipboard), {});
  } else if (OpenAddress) {
    OpenAddress(value);
  }
}

void TFAcc1::OpenProfileEditor() {
  TFAcc2 editor(Pictures(), const_cast<DialogLook&>(Look()), session_, this);
  if (ChoosePhotoFile) editor.ChoosePhotoFile = ChoosePhotoFile;
  if (ProfileEditorShown) ProfileEditorShown(editor);
  editor.exec();
  // The player may be the club's leader.
  session_.ReadLeader();
  ShowAbout();
  ShowPresident();
}

}  // namespace tavlo
