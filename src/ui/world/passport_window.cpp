#include "ui/world/passport_window.h"

#include <QIcon>
#include <QPixmap>
#include <QValidator>

#include "lang/cp1251.h"
#include "net/club/account_text.h"
#include "net/club/countries.h"
#include "net/club/world_passport.h"
#include "ui/account/country_flags.h"
#include "ui/widgets/zan_button.h"
#include "ui/world/world_dialog.h"

namespace tavlo {
namespace {

constexpr int kWidth = 440;
constexpr int kRowHeight = 30;

DialogPictures PassportPictures() { return WorldDialogPictures("TopTen", "GCap430", WordId::MyPassport); }

// Refuses every edit that would bring in a character a passport may not hold; deleting always
// passes, and so does a text that is still too short or empty (OK says whether it is valid).
class PassportValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (const QChar c : input) {
      if (!PassportCharacter(c)) return Invalid;
    }
    return Acceptable;
  }
};

int Judge(const QString& text, std::size_t limit) { return JudgeWorldText(Utf8ToCp1251(text.toStdString()), limit); }

}  // namespace

bool PassportCharacter(QChar c) {
  const char16_t u = c.unicode();
  if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9')) return true;
  if (u == '!' || u == '(' || u == ')' || u == ',' || u == '-' || u == '.' || u == '@' || u == '_') return true;
  // The Russian alphabet, Ё and ё included.
  return (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451;
}

TFormServerInfo::TFormServerInfo(PictureRegistry& pictures, DialogLook& look, WorldPassport passport, QWidget* parent)
    : DialogFrame(pictures, look, PassportPictures(), parent), passport_(std::move(passport)) {
  setObjectName("FormServerInfo");
  auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::MyPassport));
  const QFont font = look.Fonts.Font(FontRole::Serif, 13);
  int y = CardStyle() ? 90 : HeaderHeight() + 14;
  auto row = [&](WordId label, QWidget* control) {
    auto* caption = new QLabel(word(label), this);
    caption->setFont(font);
    caption->setStyleSheet("color: #000080");
    caption->setGeometry(16, y, 120, kRowHeight - 4);
    control->setGeometry(140, y, kWidth - 156, kRowHeight - 4);
    y += kRowHeight + 4;
  };

  nick_ = new QLineEdit(QString::fromStdString(passport_.Nick), this);
  nick_->setObjectName("EditNick");
  nick_->setMaxLength(static_cast<int>(kPassportNickLimit));
  row(WordId::Nick, nick_);
  city_ = new QLineEdit(QString::fromStdString(passport_.City), this);
  city_->setObjectName("EditCity");
  city_->setMaxLength(static_cast<int>(kPassportCityLimit));
  row(WordId::City, city_);
  for (QLineEdit* box : {nick_, city_}) box->setValidator(new PassportValidator(box));

  sex_ = new QComboBox(this);
  sex_->setObjectName("ComboSex");
  sex_->addItems({word(WordId::Man), word(WordId::Woman)});
  sex_->setCurrentIndex(passport_.Sex == "W" ? 1 : 0);
  row(WordId::Sex, sex_);

  region_ = new QComboBox(this);
  region_->setObjectName("ComboRegion");
  for (WordId r :
       {WordId::Europe, WordId::Asia, WordId::NorthAmerica, WordId::SouthAmerica, WordId::Oceania, WordId::Africa}) {
    region_->addItem(word(r));
  }
  auto* regionRow = region_;
  row(WordId::Country, regionRow);
  country_ = new QComboBox(this);
  country_->setObjectName("ComboCountry");
  country_->setIconSize(QSize(14, 12));
  country_->setMaxVisibleItems(16);
  y -= 4;
  country_->setGeometry(140, y, kWidth - 156, kRowHeight - 4);
  y += kRowHeight + 8;
  FillCountries();

  OkButton().SetHeightSB(THeightSB::D30);
  OkButton().setGeometry(kWidth - 170, y, 150, 30);
  setFixedSize(kWidth, y + 40);

  connect(nick_, &QLineEdit::textChanged, this, [this](const QString& text) {
    passport_.Nick = text.toStdString();
    UpdateOk();
  });
  connect(city_, &QLineEdit::textChanged, this, [this](const QString& text) {
    passport_.City = text.toStdString();
    UpdateOk();
  });
  connect(sex_, &QComboBox::activated, this,
          [this](int index) { passport_.Sex = std::string(index == 1 ? "W" : "M"); });
  connect(region_, &QComboBox::activated, this, [this](int index) {
    passport_.Country = CountryCodeWithRegion(passport_.Country, index + 1);
    FillCountries();
  });
  connect(country_, &QComboBox::activated, this,
          [this](int index) { passport_.Country = CountryCodeWithCountry(passport_.Country, index); });
  UpdateOk();
}

void TFormServerInfo::FillCountries() {
  const auto code = ParseCountryCode(passport_.Country);
  const int region = code ? code->first : 1;
  const int index = code ? code->second : 0;
  if (!code) passport_.Country = CountryCode(1, 0);
  region_->setCurrentIndex(region - 1);
  country_->clear();
  for (const Country& c : CountriesOf(region)) {
    const QImage flag = CountryFlag(QString::fromLatin1(c.Iso));
    country_->addItem(flag.isNull() ? QIcon() : QIcon(QPixmap::fromImage(flag)),
                      QString::fromUtf8(ShownCountryName(c, Look().LanguageIndex)));
  }
  country_->setCurrentIndex(index);
}

QLineEdit* TFormServerInfo::FirstInvalidBox() {
  if (Judge(nick_->text(), kPassportNickLimit) < 2) return nick_;
  if (Judge(city_->text(), kPassportCityLimit) < 2) return city_;
  return nullptr;
}

void TFormServerInfo::UpdateOk() { OkButton().setEnabled(FirstInvalidBox() == nullptr); }

void TFormServerInfo::done(int result) {
  // A passport the tables would refuse is never taken away from here.
  if (QLineEdit* invalid = FirstInvalidBox()) {
    invalid->setFocus();
    return;
  }
  DialogFrame::done(result);
}

}  // namespace tavlo
