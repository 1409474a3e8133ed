#pragma once

#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "net/club/club_background.h"
#include "net/club/club_client.h"
#include "records/club_paths.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/world/chat_window.h"

namespace tavlo {

class TZanCardsButton;

// What the world top ten window reads; the main window fills it.
struct WorldTopTenContext {
  ClubClient* Client = nullptr;
  ClubFiles Files;
  std::function<WorldPassport()> Passport;
  // The signed-in account's nick and city; empty when signed out.
  std::function<std::pair<std::string, std::string>()> Account;
  std::function<void()> OpenPassport;  // hidden when unset
};

// One row as every tab shows it.
struct WorldTopTenRow {
  QString Place, Nick, City, Score;
  std::string Country;  // a passport code or a short country name; empty: no flag
  std::string Sex;      // "M" or "W"; empty: no face
};

// What one tab shows: its rows, and for the cycle tables the number of games.
struct WorldTopTenTab {
  bool Ok = false;
  std::vector<WorldTopTenRow> Top, Around;
  std::optional<std::int64_t> Count;
};

// "World Top Ten": seven tabs, from the account club's rating to the local club files, read again
// every ten seconds.
class TFormServerRead : public DialogFrame {
  Q_OBJECT

 public:
  static constexpr int kTabs = 7;

  TFormServerRead(PictureRegistry& pictures, DialogLook& look, WorldTopTenContext context, int firstTab,
                  QWidget* parent);

  QTabWidget& Tabs() { return *tabs_; }
  QComboBox& TourMeasure() { return *measure_; }
  TZanCardsButton& PassportButton() { return *passport_; }
  QTimer& RefreshTimer() { return timer_; }
  // The tab's heading, its top ten and neighbourhood rows, its count line and its "No Connect" line.
  QString Heading(int tab) const;
  std::vector<WorldTopTenRow> TopRows(int tab) const;
  std::vector<WorldTopTenRow> AroundRows(int tab) const;
  QString CountText(int tab) const;
  bool NoConnectShown(int tab) const;

  // Reads the tab's tables and shows them (opening the window, choosing a tab).
  void ReadTab(int tab);
  // The ten-second timer: the tab shown is read again without holding up the window; its rows
  // change when the club has answered.
  void RefreshShownTab();
  bool RefreshPending() const { return refreshPending_; }

 private:
  struct Page {
    QLabel* Heading = nullptr;
    QTableWidget* Top = nullptr;
    QTableWidget* Around = nullptr;
    QLabel* Count = nullptr;
    QLabel* NoConnect = nullptr;
    std::vector<WorldTopTenRow> TopRows, AroundRows;
  };
  void Fill(QTableWidget& table, const std::vector<WorldTopTenRow>& rows);
  void ShowNoConnect(Page& page, bool shown);
  void Show(int tab, const WorldTopTenTab& data);
  char Measure() const;
  static constexpr int kFirstLocalTab = 5;

  WorldTopTenContext context_;
  QTabWidget* tabs_ = nullptr;
  QComboBox* measure_ = nullptr;
  TZanCardsButton* passport_ = nullptr;
  std::array<Page, kTabs> pages_;
  QTimer timer_;
  bool refreshPending_ = false;
  ClubBackground refresh_;
};

}  // namespace tavlo
