#pragma once

#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <array>
#include <functional>
#include <string>

#include "net/club/club_client.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/tour/tour_game_entry.h"

namespace tavlo {

class TZanCardsButton;
class TFormTourTop10;

// What the tournament lobby uses; the opener fills it.
struct TourLobbyContext {
  ClubClient* Client = nullptr;
  TourGameEntry* Entry = nullptr;  // the table's connection and the game behind it
  std::function<TZanUser()> Account;  // the signed-in account
  std::function<void(const char* effect)> PlayEffect;
  std::function<void(const QString&)> Notice;
  // Called with the top ten window before it is shown (tests drive it; it is modal).
  std::function<void(TFormTourTop10&)> TopTenShown;
};

// "World Online Tournament": ten tables of four seats read from the club every ten seconds, the
// player's own tournament figures, and the seat buttons that take and give back a place.
class TFTour4 : public DialogFrame {
  Q_OBJECT

 public:
  static constexpr int kTables = 10;
  static constexpr int kSeats = 4;

  TFTour4(PictureRegistry& pictures, DialogLook& look, TourLobbyContext context, QWidget* parent);
  ~TFTour4() override;

  // The tables with the server's state, and the player panel; both run on the ten-second timer.
  void RefreshTables();
  void RefreshPlayer();
  // A seat button's click: takes a free seat or logs off from the own one.
  void ClickSeat(int table, int seat);
  // One tick of the one-second watch: a table that could not be reached gives the seat back.
  void WatchTick();
  void OpenTopTen();

  int TourTable() const { return tourTable_; }
  int TourSeat() const { return tourSeat_; }
  const TZanClient& OwnTourPlayer() const { return own_; }
  bool ServerOn() const { return serverOn_; }
  TZanCardsButton& SeatButton(int table, int seat);
  TZanCardsButton& RefreshButton() { return *refresh_; }
  TZanCardsButton& TopTenButton() { return *topTen_; }
  QString WelcomeText() const { return welcome_->text(); }
  int WelcomePixelSize() const { return welcome_->font().pixelSize(); }
  QString ServerHint() const { return server_->toolTip(); }
  // The player panel's values: nick, score, place, rating, games, city.
  QString PanelValue(int row) const { return values_.at(static_cast<std::size_t>(row))->text(); }
  QTimer& RefreshTimer() { return refreshTimer_; }
  QTimer& WatchTimer() { return watchTimer_; }

 protected:
  // The lobby stays open while the player holds a seat and the server runs.
  void done(int result) override;

 private:
  void Build();
  void ShowSeats(int table, const TZanTable_4& row);
  void SeatsOff(int table);
  void TakeSeat(int table, int seat);
  void LeaveSeat();
  // Clears seat `from` and every later seat up to `to` (action 0).
  void ClearSeats(int table, int from, int to);
  void Unseat();
  void UpdateButtons();
  QString W(WordId w) const;
  void Effect(const char* name) const;

  TourLobbyContext context_;
  DialogLook& look_;
  TZanClient own_;
  int tourTable_ = 0;
  int tourSeat_ = 0;
  bool serverOn_ = false;
  bool noGameFound_ = false;
  bool gameBegan_ = false;
  int busy_ = 0;  // a club request is waiting (its local loop may run timers)
  std::string serverAddress_;
  int basePort_ = 0;
  QLabel* welcome_ = nullptr;
  QLabel* server_ = nullptr;
  std::array<QLabel*, 6> values_{};
  std::array<std::array<TZanCardsButton*, kSeats>, kTables> seats_{};
  TZanCardsButton* refresh_ = nullptr;
  TZanCardsButton* topTen_ = nullptr;
  QTimer refreshTimer_;
  QTimer watchTimer_;
};

// "Online Top Ten": the tournament's best ten by score, rating or games, and the player's place.
class TFormTourTop10 : public DialogFrame {
  Q_OBJECT

 public:
  struct Row {
    QString Place, Nick, City, Value;
    std::string Country, Sex;
  };

  TFormTourTop10(PictureRegistry& pictures, DialogLook& look, ClubClient* client, const TZanClient& own,
                 QWidget* parent);

  // 0 score, 1 rating, 2 games; the choice stays while the program runs.
  void Choose(int measure);
  int Measure() const;
  const std::vector<Row>& Rows() const { return rows_; }
  bool NoConnectShown() const { return !noConnect_->isHidden(); }
  // The place picture shown (1..10), or 0; the "Your place" text shown otherwise.
  int MedalPlace() const { return medalPlace_; }
  QString PlaceText() const { return placeText_->isHidden() ? QString() : placeText_->text(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Read();

  ClubClient* client_;
  TZanClient own_;
  std::array<QRadioButton*, 3> choice_{};
  std::array<std::array<QLabel*, 6>, 10> cells_{};
  QLabel* noConnect_ = nullptr;
  QLabel* placeText_ = nullptr;
  std::vector<Row> rows_;
  int medalPlace_ = 0;
  QPoint medalAt_;
};

}  // namespace tavlo
