#pragma once

#include <QLabel>
#include <QString>
#include <array>
#include <cstdint>

#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

// The general score of the running series, seven texts.
struct TCount {
  QString Count_KonAll;  // all deals
  QString Count_KonCur;  // deal in the current cycle
  QString Count_ScoBeg;  // score at the series start
  QString Count_ScoCur;  // result of the series so far
  QString Count_ScoAll;  // their sum
  QString Count_ReiBeg;  // rating at the series start
  QString Count_ReiCur;  // rating now
};

// Where the general score is taken from.
struct GeneralScoreSource {
  std::int32_t KonNo = 0;      // the player's running deal number
  std::int32_t SeriesKon = 0;  // deals of this series
  std::int32_t StartScore = 0;
  std::int32_t SeriesResult = 0;
  double MemberRating = 0.0;           // stored rating when the series began
  std::int32_t KonBefore = 0;          // deals the member had played before the series
  bool RatedPlay = false;              // rated club-account play
  std::int32_t AccountCycleDeals = 0;  // the account's deals of the cycle at sign-in
  double AccountRating = 0.0;
  bool Tournament = false;
  std::int32_t ParticipantScore = 0;
  double ParticipantRating = 0.0;
};

TCount FillCount(const GeneralScoreSource& source);

// "Information about game": the general score of the running series, label and value rows.
class TFormCount : public DialogFrame {
  Q_OBJECT

 public:
  TFormCount(PictureRegistry& pictures, DialogLook& look, const TCount& count, const QString& memberName,
             QWidget* parent);
  // Row k (0..6): its label and its value.
  QLabel& RowLabel(int k) { return *labels_[static_cast<std::size_t>(k)]; }
  QLabel& RowValue(int k) { return *values_[static_cast<std::size_t>(k)]; }
  QLabel& Heading() { return *label1_; }

 private:
  QLabel* label1_ = nullptr;
  std::array<QLabel*, 7> labels_{};
  std::array<QLabel*, 7> values_{};
};

}  // namespace tavlo
