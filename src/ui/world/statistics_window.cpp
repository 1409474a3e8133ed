#include "ui/world/statistics_window.h"

#include "lang/cp1251.h"
#include "net/club/account_text.h"
#include "net/club/world_passport.h"
#include "settings/settings.h"
#include "ui/widgets/zan_button.h"
#include "ui/world/world_dialog.h"

namespace tavlo {
namespace {

constexpr int kWidth = 460;
constexpr int kRowHeight = 26;

DialogPictures StatisticsPictures() { return WorldDialogPictures("Statistics", "GCap430", WordId::Statistics); }

constexpr WordId kLabels[TFStat::kRows] = {
    WordId::NumberOfStarts, WordId::NumberOfUniqueStarts, WordId::Likes,        WordId::LastLike,
    WordId::GamesWithPc,    WordId::CyclesWithPc,         WordId::PeopleWins,   WordId::PeopleLosses,
    WordId::GamesNet,       WordId::GamesOnline,
};

bool ValidNick(const QString& nick) { return JudgeWorldText(Utf8ToCp1251(nick.toStdString()), kPassportNickLimit) >= 2; }

}  // namespace

TFStat::TFStat(PictureRegistry& pictures, DialogLook& look, StatisticsContext context, QWidget* parent)
    : DialogFrame(pictures, look, StatisticsPictures(), parent), context_(std::move(context)) {
  setObjectName("FStat");
  auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::Statistics));
  int y = CardStyle() ? 90 : HeaderHeight() + 12;
  const QFont font = look.Fonts.Font(FontRole::Serif, 14);
  for (int r = 0; r < kRows; ++r) {
    auto* label = new QLabel(word(kLabels[r]), this);
    auto* value = new QLabel(this);
    label->setGeometry(16, y, 300, kRowHeight);
    value->setGeometry(320, y, kWidth - 336, kRowHeight);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setTextFormat(Qt::PlainText);
    for (QLabel* l : {label, value}) {
      l->setFont(font);
      l->setStyleSheet(r % 2 ? "color: #000080; background: #E8E8F4" : "color: #000080");
    }
    labels_[static_cast<std::size_t>(r)] = label;
    values_[static_cast<std::size_t>(r)] = value;
    y += kRowHeight;
  }
  auto* note = new QLabel(word(WordId::StatisticsSinceVersion), this);
  note->setGeometry(16, y + 4, kWidth - 32, 22);
  note->setStyleSheet("color: #606060");
  y += 34;
  like_ = new TZanCardsButton(pictures, this);
  like_->setObjectName("StatLike");
  StyleButton(*like_);
  like_->SetHeightSB(THeightSB::D30);
  like_->setText(word(WordId::ILikeThisGame));
  // The like's caption is the longer one in most languages.
  like_->setGeometry(10, y, kWidth - 150, 30);
  OkButton().SetHeightSB(THeightSB::D30);
  OkButton().setGeometry(kWidth - 130, y, 120, 30);
  setFixedSize(kWidth, y + 40);
  connect(like_, &QAbstractButton::clicked, this, [this] { Like(); });
  stats_ = context_.Client ? context_.Client->ReadGlobalStats() : std::nullopt;
  ShowStats();
  like_->setEnabled(!context_.LikeSent && stats_.has_value());
}

void TFStat::ShowStats() {
  for (QLabel* v : values_) v->clear();
  if (!stats_) {
    values_[0]->setText(Look().Word ? Look().Word(WordId::NoConnect) : QString("No Connect"));
    return;
  }
  const TZanStat& s = *stats_;
  const std::int64_t numbers[kRows] = {s.Stat1, s.Stat2, s.Stat3, 0, s.StatX[1], s.StatX[2],
                                       s.StatX[3], s.StatX[4], s.StatX[5], s.StatX[6]};
  for (int r = 0; r < kRows; ++r) values_[static_cast<std::size_t>(r)]->setText(QString::number(numbers[r]));
  values_[3]->setText(s.Stat4 == "#" ? QString() : QString::fromStdString(s.Stat4));  // "#": no like yet
}

bool TFStat::Like() {
  if (!context_.Client || !stats_) return false;
  QString nick = QString::fromStdString(context_.Nick ? context_.Nick() : std::string(kDefaultWorldName));
  if (nick == kDefaultWorldName) {
    // A like carries a name: the default one is replaced first, or nothing is sent.
    for (;;) {
      const std::optional<QString> typed = context_.AskNick ? context_.AskNick(nick) : std::nullopt;
      if (!typed) return false;
      if (ValidNick(*typed)) {
        nick = *typed;
        break;
      }
    }
    if (context_.SetNick) context_.SetNick(nick.toStdString());
  }
  if (!context_.Client->SendLike(nick.toStdString())) return false;
  like_->setEnabled(false);
  stats_->Stat3 += 1;
  stats_->Stat4 = nick.toStdString();
  ShowStats();
  if (context_.Liked) context_.Liked();
  return true;
}

}  // namespace tavlo
