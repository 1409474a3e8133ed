#include "ui/tour/tour_play.h"

#include "game/seats.h"
#include "lang/cp1251.h"
#include "net/club/tour_frames.h"

namespace tavlo {
namespace {

constexpr int kSecondMs = 1000;

QString SignedPoints(std::int32_t points) { return (points > 0 ? "+" : "") + QString::number(points); }

}  // namespace

TourPlay::TourPlay(Game& game, FlowController& flow, Window window, QObject* parent)
    : QObject(parent), game_(game), flow_(flow), window_(std::move(window)) {
  connection_.Attach(&game_, &flow_);
  second_.setInterval(kSecondMs);
  connect(&second_, &QTimer::timeout, this, &TourPlay::OnSecond);
  connect(&connection_, &TourConnection::FrameHandled, this, &TourPlay::OnFrameHandled);
  connect(&connection_, &TourConnection::GameEnded, this, &TourPlay::OnGameEnded);
  connect(&connection_, &TourConnection::PlaceLeft, this, &TourPlay::OnPlaceLeft);
  connect(&connection_, &TourConnection::TimeRanOut, this, &TourPlay::OnTimeRanOut);
  connect(&connection_, &TourConnection::ConnectionLost, this, &TourPlay::OnConnectionLost);
  connect(&connection_, &TourConnection::ConnectionFailed, this, [this] {
    if (Failed) Failed();
  });
  connect(&connection_, &TourConnection::ChatReceived, this, [this](int place, const QString& line) {
    if (window_.PlayEffect) window_.PlayEffect("WToMenK");
    if (window_.ChatLine) window_.ChatLine(place, line);
  });
}

TourPlay::~TourPlay() {
  // The connection closes as it goes; nothing of that is news any more.
  disconnect(&connection_, nullptr, this, nullptr);
}

void TourPlay::Start(const TourGameSeat& seat) {
  seat_ = seat;
  if (seat.Host.isEmpty() || seat.Port == 0) {
    // The lobby named no address for the table: the same as a table that cannot be reached.
    if (Failed) Failed();
    return;
  }
  TableMode mode;
  mode.Tournament = true;
  mode.TournamentFirstPlace = seat.Place == 1;
  mode.NetRole = seat.Place;
  mode.Player = PlayerSlot::Tournament;
  mode.AccountState = game_.Mode().AccountState;
  game_.SetMode(mode);
  game_.SetOptions(TournamentRules());
  names_ = {};
  names_[kSouth] = Cp1251ToUtf8(seat.Own.Nick);
  playing_ = false;
  began_ = false;
  ended_ = false;
  resultShown_ = false;
  clock_ = TourMoveClock();
  drawnSeat_ = 0;
  // Answers to the readings of an earlier table are no longer wanted.
  for (int place = 1; place <= 4; ++place) placeReading_[place] = reading_ + 1;
  connection_.Open(seat.Host, seat.Port, seat.Place);
}

void TourPlay::LeaveSeat() {
  if (connection_.TourLink() == TourConnection::Idle && !connection_.Connected()) return;
  connection_.LeaveSeat();
}

void TourPlay::SendFrame(std::string_view frame) {
  connection_.SendTourFrame(frame);
  // The move that went out moves the clock on once the game has taken it.
  QTimer::singleShot(0, this, &TourPlay::FollowClock);
}

void TourPlay::SendChat(const QString& text) {
  if (connection_.TourLink() != TourConnection::Joined) return;
  const std::string bytes = tour::ChatFrame(seat_.Place, Utf8ToCp1251(text.toStdString()));
  connection_.SendTourFrame(bytes.substr(0, bytes.find(tour::kTourPad)));
  // The line shown here is the one the others receive.
  const std::string line = bytes.substr(1, bytes.find(tour::kTourPad) - 1);
  if (window_.ChatLine) window_.ChatLine(seat_.Place, QString::fromStdString(Cp1251ToUtf8(line)));
}

void TourPlay::DealReady() {
  if (!game_.Mode().Tournament) return;
  ReadNames();
  if (window_.ChatInput) window_.ChatInput(connection_.TourLink() == TourConnection::Joined);
}

void TourPlay::ReadNames() {
  // Whoever sits at the table now, and their photos, read away from the window's thread; the
  // plates show the names as they come. A place the lobby does not answer for keeps its name.
  game_.SetSeatNames(names_);
  if (window_.RedrawPlates) window_.RedrawPlates();
  if (!window_.Addresses) return;
  const int reading = ++reading_;
  const ClubAddresses addresses = window_.Addresses();
  for (int place = 1; place <= 4; ++place) {
    std::function<SeatReading(ClubClient&)> work;
    if (place == seat_.Place) {
      work = [own = seat_.Own](ClubClient& club) { return SeatReading{own, club.FetchPhoto(own.Nick)}; };
    } else {
      work = [table = seat_.Table, place](ClubClient& club) {
        SeatReading answer{club.ReadSeat(table, place), std::nullopt};
        if (answer.Seat && answer.Seat->Nick != "X") answer.Photo = club.FetchPhoto(answer.Seat->Nick);
        return answer;
      };
    }
    polls_.Run<SeatReading>(addresses, std::move(work), this,
                            [this, place, reading](SeatReading answer) { SeatRead(place, reading, answer); });
  }
}

void TourPlay::SeatRead(int place, int reading, const SeatReading& answer) {
  // An answer from an earlier deal that comes after a later one changes nothing.
  if (reading < placeReading_[place] || !game_.Mode().Tournament) return;
  placeReading_[place] = reading;
  if (!answer.Seat || answer.Seat->Nick == "X" || answer.Seat->Nick.empty()) return;
  const std::string nick = Cp1251ToUtf8(answer.Seat->Nick);
  const int seat = TourSeatOfPlace(place, seat_.Place);
  if (seat != 0 && place != seat_.Place && names_[seat] != nick) {
    names_[seat] = nick;
    game_.SetSeatNames(names_);
    if (window_.RedrawPlates) window_.RedrawPlates();
  }
  if (window_.StorePhoto) window_.StorePhoto(nick, answer.Seat->Sex, answer.Photo);
}

QString TourPlay::NameOfPlace(int place) const {
  const int seat = TourSeatOfPlace(place, seat_.Place);
  return seat == 0 ? QString() : QString::fromStdString(names_[seat]);
}

void TourPlay::OnFrameHandled() {
  const GameState& s = game_.State();
  if (!began_ && s.GameShown && game_.Mode().Tournament) {
    // The first deal: the game is on, the lobby gives way to the table.
    began_ = true;
    playing_ = true;
    second_.start();
    if (Began) Began();
  }
  FollowClock();
}

void TourPlay::FollowClock() {
  if (!playing_) return;
  if (!clock_.Follow(game_.State(), seat_.Place, flow_.GameOver())) return;
  ClearClocks();
  if (clock_.Running() && window_.DrawTurnTimer) {
    drawnSeat_ = clock_.ClockSeat();
    window_.DrawTurnTimer(drawnSeat_, clock_.MoveClock());
  }
}

void TourPlay::ClearClocks() {
  if (!window_.DrawTurnTimer) return;
  for (int seat = 1; seat <= 4; ++seat) window_.DrawTurnTimer(seat, -1);
  drawnSeat_ = 0;
}

void TourPlay::OnSecond() {
  if (!playing_) return;
  FollowClock();
  const TourMoveClock::Tick tick = clock_.OnSecond();
  if (tick.Seat == 0) return;
  if (window_.DrawTurnTimer) {
    if (drawnSeat_ != 0 && drawnSeat_ != tick.Seat) window_.DrawTurnTimer(drawnSeat_, -1);
    drawnSeat_ = tick.Seat;
    window_.DrawTurnTimer(tick.Seat, tick.Seconds);
  }
  if (!tick.Sound.empty() && window_.PlayEffect) window_.PlayEffect(tick.Sound);
  if (tick.OwnTimeOut) OwnTimeOut();
}

void TourPlay::OwnTimeOut() {
  connection_.MarkFinished();
  connection_.SendTourFrame("TOut");
  if (window_.PlayEffect) window_.PlayEffect("WWrongs");
  EndEarly(W(WordId::YouLose), W(WordId::YourTimeIsUp));
}

void TourPlay::OnGameEnded() {
  ended_ = true;
  if (window_.ChatInput) window_.ChatInput(false);
  FinishIfEnded();
}

void TourPlay::DealShown() {
  if (game_.Mode().Tournament) FinishIfEnded();
}

void TourPlay::FinishIfEnded() {
  // The end is shown once the last deal's score is: the game may have ended while its last
  // trick was still to be gathered or its score sheet was open.
  if (!ended_ || resultShown_ || !flow_.GameOver()) return;
  resultShown_ = true;
  playing_ = false;
  second_.stop();
  clock_.Stop();
  ClearClocks();
  // The connection stays open for place 1's result on the way out.
  game_.SetCanExit(true);
  game_.SetExitButton(true);
  const std::int32_t result = OwnResult();
  const QString title = W(result > 0 ? WordId::YouWon : result < 0 ? WordId::YouLose : WordId::TourDraw);
  if (window_.Message) window_.Message(title, W(WordId::ResultLabel) + SignedPoints(result));
}

void TourPlay::OnPlaceLeft(int place) {
  if (window_.PlayEffect) window_.PlayEffect("WWrongs");
  EndEarly(W(WordId::YouWon),
           W(WordId::TournamentPlayer) + " " + NameOfPlace(place) + " " + W(WordId::InterruptedTheGame));
}

void TourPlay::OnTimeRanOut(int place) {
  if (place == seat_.Place) {
    // The table's clock ran out on this program before its own did.
    if (window_.PlayEffect) window_.PlayEffect("WWrongs");
    EndEarly(W(WordId::YouLose), W(WordId::YourTimeIsUp));
    return;
  }
  if (window_.PlayEffect) window_.PlayEffect("WKoGutX");
  EndEarly(W(WordId::YouWon), W(WordId::TimeUpPlayer) + " " + NameOfPlace(place) + " " + W(WordId::TimeIsUp));
}

void TourPlay::OnConnectionLost() {
  if (window_.ChatInput) window_.ChatInput(false);
  if (!began_) {
    // Still in the lobby: the seat is lost as if the table could not be reached.
    if (Failed) Failed();
    return;
  }
  if ((window_.MenuShown && window_.MenuShown()) || !game_.State().GameShown) return;
  EndEarly(QString(), W(WordId::LostConnection));
}

void TourPlay::EndEarly(const QString& title, const QString& text) {
  resultShown_ = true;
  playing_ = false;
  second_.stop();
  clock_.Stop();
  ClearClocks();
  if (window_.ChatInput) window_.ChatInput(false);
  connection_.Close();
  game_.EndTableEarly();
  if (title.isEmpty()) {
    if (window_.Notice) window_.Notice(text);
  } else if (window_.Message) {
    window_.Message(title, text);
  }
}

void TourPlay::Leave() {
  if (seat_.Place == 1) connection_.SendResult(OwnResult());
  playing_ = false;
  second_.stop();
  clock_.Stop();
  ClearClocks();
  if (window_.ChatInput) window_.ChatInput(false);
  connection_.Close();
}

void TourPlay::Close() {
  playing_ = false;
  second_.stop();
  clock_.Stop();
  ClearClocks();
  connection_.Close();
}

std::int32_t TourPlay::OwnResult() const {
  const GameState& s = game_.State();
  return s.GameScore[2] - s.GameScore[1];
}

}  // namespace tavlo
