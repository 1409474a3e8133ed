#pragma once

#include <QLabel>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "net/club/club_client.h"
#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

class TZanCardsButton;

// What the statistics window reads and changes; the main window fills it.
struct StatisticsContext {
  ClubClient* Client = nullptr;
  std::function<std::string()> Nick;             // the passport nick
  std::function<void(const std::string&)> SetNick;
  // Asks for a nick in a box titled "Nick"; nothing when cancelled.
  std::function<std::optional<QString>(const QString& current)> AskNick;
  bool LikeSent = false;
  std::function<void()> Liked;  // the like went through: the flag is set and the settings saved
};

// "Statistics": the club's counts of this game and the button "I like this game!".
class TFStat : public DialogFrame {
  Q_OBJECT

 public:
  static constexpr int kRows = 10;

  TFStat(PictureRegistry& pictures, DialogLook& look, StatisticsContext context, QWidget* parent);

  // Sends the like (asking for a nick first while the passport's is the default one).
  bool Like();

  QString Label(int row) const { return labels_.at(static_cast<std::size_t>(row - 1))->text(); }
  QString Value(int row) const { return values_.at(static_cast<std::size_t>(row - 1))->text(); }
  TZanCardsButton& LikeButton() { return *like_; }

 private:
  void ShowStats();

  StatisticsContext context_;
  std::optional<TZanStat> stats_;
  std::array<QLabel*, kRows> labels_{};
  std::array<QLabel*, kRows> values_{};
  TZanCardsButton* like_ = nullptr;
};

}  // namespace tavlo
