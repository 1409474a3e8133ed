#include "ui/world/world_result_window.h"

#include "net/club/countries.h"
#include "net/club/world_passport.h"
#include "ui/account/country_flags.h"
#include "ui/widgets/zan_button.h"
#include "ui/world/world_dialog.h"

namespace tavlo {
namespace {

constexpr int kWidth = 460;

DialogPictures ResultPictures() { return WorldDialogPictures("TopTen", "GCap430", WordId::WorldTopTen); }

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TFormServerWrite::TFormServerWrite(PictureRegistry& pictures, DialogLook& look, ClubClient& client,
                                   std::function<WorldPassport()> passport, std::int32_t cycleScore,
                                   std::function<void()> openPassport, QWidget* parent)
    : DialogFrame(pictures, look, ResultPictures(), parent),
      client_(client),
      passport_fn_(std::move(passport)),
      score_(cycleScore),
      openPassport_(std::move(openPassport)) {
  setObjectName("FormServerWrite");
  auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::WorldTopTen));
  int y = CardStyle() ? 90 : HeaderHeight() + 16;
  const QFont font = look.Fonts.Font(FontRole::Serif, 18);
  flag_ = new QLabel(this);
  flag_->setGeometry(20, y + 8, 14, 12);
  passportText_ = new QLabel(this);
  passportText_->setGeometry(42, y, kWidth - 62, 30);
  passportText_->setFont(font);
  passportText_->setTextFormat(Qt::PlainText);
  passportText_->setStyleSheet("color: #000080");
  y += 40;
  scoreText_ = new QLabel(word(WordId::YourScore) + ": " + QString::number(score_), this);
  scoreText_->setGeometry(20, y, kWidth - 40, 30);
  scoreText_->setFont(font);
  scoreText_->setStyleSheet("color: #008000");
  y += 40;
  result_ = new QLabel(this);
  result_->setGeometry(20, y, kWidth - 40, 30);
  result_->setFont(font);
  result_->setStyleSheet("color: #800080");
  y += 46;
  const int buttonWidth = (kWidth - 40) / 3;
  send_ = new TZanCardsButton(pictures, this);
  send_->setObjectName("WorldSend");
  passport_ = new TZanCardsButton(pictures, this);
  passport_->setObjectName("WorldResultPassport");
  for (TZanCardsButton* b : {send_, passport_}) {
    StyleButton(*b);
    b->SetHeightSB(THeightSB::D30);
  }
  send_->setText(word(WordId::Send));
  send_->setGeometry(10, y, buttonWidth, 30);
  passport_->setText(word(WordId::Passport));
  passport_->setGeometry(20 + buttonWidth, y, buttonWidth, 30);
  passport_->setVisible(static_cast<bool>(openPassport_));
  OkButton().SetHeightSB(THeightSB::D30);
  OkButton().setText(word(WordId::Close));
  OkButton().setGeometry(kWidth - 10 - buttonWidth, y, buttonWidth, 30);
  setFixedSize(kWidth, y + 40);
  connect(send_, &QAbstractButton::clicked, this, [this] { Send(); });
  connect(passport_, &QAbstractButton::clicked, this, [this] {
    if (openPassport_) openPassport_();
    ShowPassport();
  });
  ShowPassport();
}

void TFormServerWrite::ShowPassport() {
  const WorldPassport p = passport_fn_();
  QString country;
  flag_->clear();
  if (const auto code = ParseCountryCode(p.Country)) {
    const Country& c = CountriesOf(code->first)[static_cast<std::size_t>(code->second)];
    country = QString::fromUtf8(ShownCountryName(c, Look().LanguageIndex));
    const QImage flag = CountryFlag(QString::fromLatin1(c.Iso));
    if (!flag.isNull()) flag_->setPixmap(QPixmap::fromImage(flag));
  }
  passportText_->setText(FromUtf8(p.Nick) + ", " + FromUtf8(p.City) + (country.isEmpty() ? "" : " (" + country + ")"));
  send_->setEnabled(!sent_ && PassportValid(p.Nick, p.City));
}

std::optional<std::int64_t> TFormServerWrite::Send() {
  const WorldPassport p = passport_fn_();
  if (sent_ || !PassportValid(p.Nick, p.City)) return std::nullopt;
  TZanRecord row;
  row.GID = kGameId;
  row.Nick = p.Nick;
  row.City = p.City;
  row.Country = p.Country;
  row.Score = score_;
  row.R07 = p.Sex == "W" ? "W" : "M";
  row.R08 = kWorldVersion;
  row.R09 = "#";
  row.R10 = "#";
  const NumberResult place = client_.SubmitWorldRow(row);
  auto word = [this](WordId w) { return Look().Word ? Look().Word(w) : QString(); };
  if (!place.Ok || place.Value < 1) {
    result_->setText(word(WordId::CantWriteResult));
    return std::nullopt;
  }
  sent_ = true;
  send_->setEnabled(false);
  result_->setText(word(WordId::YourPlace) + ": " + QString::number(place.Value));
  return place.Value;
}

}  // namespace tavlo
