#include "ui/tour/tour_lobby.h"

namespace tavlo {

TourSeatLink::TourSeatLink(QObject* parent) : QObject(parent) {
  connect(&connection_, &TourConnection::ConnectionFailed, this, [this] {
    if (TournamentConnectionFailed) TournamentConnectionFailed();
  });
}

void TourSeatLink::StartTournamentGame(const TourGameSeat& seat) {
  seat_ = seat;
  if (seat.Host.isEmpty() || seat.Port == 0) {
    // The lobby named no address for the table: the same as a table that cannot be reached.
    if (TournamentConnectionFailed) TournamentConnectionFailed();
    return;
  }
  connection_.Open(seat.Host, seat.Port, seat.Place);
}

void TourSeatLink::LeaveTournamentSeat() { connection_.LeaveSeat(); }

TourLobby::TourLobby(ClubClient& client, PictureRegistry& pictures, std::function<DialogLook&()> look, QWidget* owner)
    : QObject(nullptr), client_(client), pictures_(pictures), look_(std::move(look)), owner_(owner) {
  SetEntry(nullptr);
}

void TourLobby::SetEntry(TourGameEntry* entry) {
  entry_ = entry;
  Entry().OpenTournamentLobby = [this] { Open(); };
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
