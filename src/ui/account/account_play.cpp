#include "ui/account/account_play.h"

#include "records/rating.h"
#include "ui/dialogs/account_window.h"

namespace tavlo {

AccountPlay::AccountPlay(ClubClient& client, std::filesystem::path parentFolder, PictureRegistry& pictures,
                         std::function<DialogLook&()> look, QWidget* owner)
    : session_(client, std::move(parentFolder)), pictures_(pictures), look_(std::move(look)), owner_(owner) {}

AccountPlay::~AccountPlay() = default;

bool AccountPlay::Show(bool fromClubList) {
  const int state = session_.AccountState();
  const std::string nick = session_.User().Nick;
  TFAcc1 window(pictures_, look_(), session_, fromClubList, owner_);
  if (WindowShown) WindowShown(window);
  window.exec();
  return session_.AccountState() != state || session_.User().Nick != nick;
}

bool AccountPlay::OpenFromLamp() { return Show(false); }

bool AccountPlay::OpenForRatedGame(bool* redraw) {
  session_.ForgetOpenRatedGame();
  *redraw = Show(true);
  if (session_.AccountState() != AccountSession::RatedPlay) return false;
  const bool started = session_.RegisterRatedGame();
  // A failed registration signs the account out; the lamp and the menu follow.
  if (!started) *redraw = true;
  return started;
}

PlayerValues AccountPlay::LoadPlayer(PlayerSlot slot, bool) {
  PlayerValues values;
  if (slot != PlayerSlot::ClubAccount) return values;
  values.Name = session_.User().Nick;
  values.Name.resize(std::max<std::size_t>(values.Name.size(), 20), ' ');
  const TZanGame& game = session_.Game();
  if (game.Kon > 0) {
    values.Rating = game.Rating;
    values.Kon = game.Kon;
    values.Score = game.Score;
  }
  return values;
}

QString AccountPlay::ClubRow(int clubListMode) const {
  const TZanGame& g = session_.Game();
  const QString name = QString::fromStdString(session_.User().Nick).leftJustified(20, ' ', true);
  if (!session_.GameRead()) return name;
  if (clubListMode == 2) {
    return name + "  " + QString::number(g.Kon).rightJustified(7) + "  " +
           QString::fromStdString(ScreenRatingText(g.Rating));
  }
  return name + "    " + QString::number(g.Kon % 40).rightJustified(3) + "    " +
         QString::number(g.Score).rightJustified(6);
}

}  // namespace tavlo
