#include "ui/dialogs/count_window.h"

#include <cmath>

#include "records/rating.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

DialogPictures CountPictures() {
  DialogPictures p;
  p.ConciseCaption = "CountInfo";
  p.Strip = "GCap300";
  p.Ribbon = "GLenta200x100";
  p.RibbonOverlay = "GFormCountL";
  p.CardBackground = "GFormCount";
  p.IconStrip = "GIcon48COunt";
  p.IconAt = QPoint(9, 22);
  p.IconFrames = 60;
  p.IconInterval = 50;
  p.Title = WordId::GeneralScore;
  return p;
}

QString Screen(double rating) { return QString::fromStdString(ScreenRatingText(rating)).trimmed(); }
QString Whole(double value) { return QString::number(RoundHalfEven(value)); }

constexpr int kClientWidth = 460;

}  // namespace

TCount FillCount(const GeneralScoreSource& s) {
  TCount c;
  c.Count_KonAll = QString::number(s.KonNo);
  c.Count_ScoCur = QString::number(s.SeriesResult);
  if (s.Tournament) {
    c.Count_KonCur = "-";
    c.Count_ScoBeg = QString::number(s.ParticipantScore);
    c.Count_ScoAll = QString::number(static_cast<std::int64_t>(s.ParticipantScore) + s.SeriesResult);
    c.Count_ReiBeg = Whole(s.ParticipantRating);
    c.Count_ReiCur = "?";
    return c;
  }
  if (s.RatedPlay) {
    c.Count_KonCur = QString::number(s.AccountCycleDeals + s.SeriesKon);
  } else {
    const int inCycle = s.KonNo % 40;
    c.Count_KonCur = QString::number(inCycle == 0 ? 40 : inCycle);
  }
  c.Count_ScoBeg = QString::number(s.StartScore);
  c.Count_ScoAll = QString::number(static_cast<std::int64_t>(s.StartScore) + s.SeriesResult);
  if (s.RatedPlay) {
    c.Count_ReiBeg = Whole(s.AccountRating);
    c.Count_ReiCur = "?";
  } else {
    c.Count_ReiBeg = Screen(s.MemberRating);
    c.Count_ReiCur = Screen(ComputeRating(s.KonNo, s.SeriesResult, s.MemberRating, s.KonBefore));
  }
  return c;
}

TFormCount::TFormCount(PictureRegistry& pictures, DialogLook& look, const TCount& count, const QString& memberName,
                       QWidget* parent)
    : DialogFrame(pictures, look, CountPictures(), parent) {
  setObjectName("FormCount");
  auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::PlayerCaption) + ":  " + memberName.trimmed());
  const QColor colour = CardStyle() ? look.DesignFontColour : QColor(Qt::black);
  const QString style = QString("color: %1; background: transparent;").arg(colour.name());
  const int top = CardStyle() ? 80 : HeaderHeight() + 20;
  label1_ = new QLabel(word(WordId::InformationAboutGame), this);
  label1_->setObjectName("Label1");
  label1_->setFont(look.Fonts.Font(FontRole::Serif, 22, true));
  label1_->setStyleSheet(style);
  label1_->setAlignment(Qt::AlignCenter);
  label1_->setGeometry(5, top, kClientWidth - 10, 30);
  const WordId words[7] = {WordId::GeneralNumberOfGame, WordId::RoundInCycle,      WordId::InitialScore,
                           WordId::CurrentScore,        WordId::GeneralScoreLabel, WordId::InitialRating,
                           WordId::CurrentRating};
  const QString texts[7] = {count.Count_KonAll, count.Count_KonCur, count.Count_ScoBeg, count.Count_ScoCur,
                            count.Count_ScoAll, count.Count_ReiBeg, count.Count_ReiCur};
  const QFont font = look.Fonts.Font(FontRole::Serif, 17);
  const QFont bold = look.Fonts.Font(FontRole::Serif, 17, true);
  for (int k = 0; k < 7; ++k) {
    const int y = top + 40 + 26 * k;
    auto* label = new QLabel(word(words[k]), this);
    label->setObjectName(QString("Label%1a").arg(k + 1));
    label->setFont(font);
    label->setStyleSheet(style);
    label->setGeometry(10, y, 300, 24);
    auto* value = new QLabel(texts[k], this);
    value->setFont(bold);
    value->setStyleSheet(style);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setGeometry(310, y, kClientWidth - 320, 24);
    labels_[static_cast<std::size_t>(k)] = label;
    values_[static_cast<std::size_t>(k)] = value;
  }
  OkButton().SetHeightSB(THeightSB::D45);
  const int buttonTop = top + 40 + 26 * 7 + 12;
  setFixedSize(kClientWidth, buttonTop + 45 + 8);
  OkButton().setGeometry(5, buttonTop, kClientWidth - 10, 45);
}

}  // namespace tavlo
