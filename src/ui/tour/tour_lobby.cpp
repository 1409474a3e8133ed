#include "ui/tour/tour_lobby.h"

namespace tavlo {

TourLobby::TourLobby(ClubClient& client, PictureRegistry& pictures, std::function<DialogLook&()> look,
                     TourGameEntry& entry, QWidget* owner)
    : QObject(nullptr), client_(client), pictures_(pictures), look_(std::move(look)), owner_(owner), entry_(entry) {
  entry_.OpenTournamentLobby = [this] { Open(); };
}

void TourLobby::Open() {
  DialogLook& look = look_();
  if (!SignedIn || !SignedIn()) {
    if (Notice) Notice(look.Word ? look.Word(WordId::LogInToAccount) : QString());
    return;
  }
  if (open_) return;
  open_ = true;
  TourLobbyContext context;
  context.Client = &client_;
  context.Entry = &Entry();
  context.Account = Account;
  context.PlayEffect = PlayEffect;
  context.Notice = Notice;
  context.TopTenShown = TopTenShown;
  TFTour4 lobby(pictures_, look, std::move(context), owner_);
  if (LobbyShown) LobbyShown(lobby);
  lobby.exec();
  open_ = false;
}

}  // namespace tavlo
