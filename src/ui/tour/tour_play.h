#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <string_view>

#include "game/flow.h"
#include "game/game.h"
#include "lang/word_ids.h"
#include "net/club/club_background.h"
#include "net/club/tour_clock.h"
#include "net/club/tour_connection.h"
#include "ui/tour/tour_game_entry.h"

namespace tavlo {

// The window's place at a tournament table: the table's connection, the move clock and how a
// game there ends. It plays through the window's game and flow controller like a LAN client and
// reaches the screen only through the few functions the window lends it.
class TourPlay : public QObject {
  Q_OBJECT

 public:
  struct Window {
    std::function<void(int seat, int seconds)> DrawTurnTimer;  // -1 clears the square
    std::function<void(std::string_view name)> PlayEffect;
    // A message with a title ("You won!", "You lose!"), shown when the window is free again.
    std::function<void(const QString& title, const QString& text)> Message;
    std::function<void(const QString& text)> Notice;
    std::function<void(int place, const QString& line)> ChatLine;
    std::function<void(bool enabled)> ChatInput;
    std::function<bool()> MenuShown;
    std::function<QString(WordId)> Word;
    // The club's addresses: the seats and photos are read from there away from the window's thread.
    std::function<ClubAddresses()> Addresses;
    // Keeps a player's picture for the plates' hints: the photo, or the built-in one by sex.
    std::function<void(const std::string& nickUtf8, char sex, const std::optional<QImage>& photo)> StorePhoto;
    // The plates are drawn again with the names the game now has.
    std::function<void()> RedrawPlates;
  };

  TourPlay(Game& game, FlowController& flow, Window window, QObject* parent = nullptr);
  ~TourPlay() override;

  // The lobby took a seat: the game takes the tournament's rules and place, and the connection opens.
  void Start(const TourGameSeat& seat);
  // The seat is given back before the game: "disA" and the connection closes.
  void LeaveSeat();
  int Link() const { return connection_.TourLink(); }
  // `TourGame`: a tournament game is on the table and not over.
  bool Playing() const { return playing_; }
  const TourGameSeat& Seat() const { return seat_; }
  TourConnection& Connection() { return connection_; }
  const TourMoveClock& Clock() const { return clock_; }
  // The players' nicks as the screen seats show them (UTF-8), the own one at South.
  const OneBased<std::string, 4>& Names() const { return names_; }
  // Seat and photo readings still on their way.
  int ReadingsRunning() const { return polls_.Running(); }

  // The game's own frames (moves, buttons, "bnext"), from the table boundary.
  void SendFrame(std::string_view frame);
  void SendChat(const QString& text);
  // From the table boundary: a deal was dealt / its end was shown.
  void DealReady();
  void DealShown();
  // "Exit to menu" from a finished table: place 1 reports the result, the clocks stop.
  void Leave();
  // The table is closed without a result (leaving in the middle).
  void Close();
  // The result for the own side (points of the own pair less the other pair's).
  std::int32_t OwnResult() const;

  // Set by the window, from the lobby's entry callbacks.
  std::function<void()> Began;
  std::function<void()> Failed;

  // The move clock's second (the window's timer calls it; tests may call it directly).
  void OnSecond();

 private:
  void FollowClock();
  void OnFrameHandled();
  void OnGameEnded();
  void OnPlaceLeft(int place);
  void OnTimeRanOut(int place);
  void OnConnectionLost();
  void OwnTimeOut();
  void EndEarly(const QString& title, const QString& text);
  void FinishIfEnded();
  void ClearClocks();
  void ReadNames();
  struct SeatReading {
    std::optional<TZanClient> Seat;
    std::optional<QImage> Photo;
  };
  void SeatRead(int place, int reading, const SeatReading& answer);
  QString NameOfPlace(int place) const;
  QString W(WordId word) const { return window_.Word ? window_.Word(word) : QString(); }

  Game& game_;
  FlowController& flow_;
  Window window_;
  TourConnection connection_;
  TourMoveClock clock_;
  QTimer second_;
  TourGameSeat seat_;
  OneBased<std::string, 4> names_{};
  bool playing_ = false;
  bool began_ = false;
  bool ended_ = false;        // the table said the game has ended ('e')
  bool resultShown_ = false;
  int drawnSeat_ = 0;         // the square that shows a clock now
  int reading_ = 0;           // the deal's reading of the seats, counted
  OneBased<int, 4> placeReading_{};  // the newest reading each place has taken
  ClubBackground polls_;      // last: its jobs end before the rest goes
};

}  // namespace tavlo
