#pragma once

#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <string>

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

  // Reads the tab's tables again (the ten-second timer reads the tab shown).
  void ReadTab(int tab);

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
  void ReadWorld(Page& page, int gid, const std::pair<std::string, std::string>& nickCity);

  WorldTopTenContext context_;
  QTabWidget* tabs_ = nullptr;
  QComboBox* measure_ = nullptr;
  TZanCardsButton* passport_ = nullptr;
  std::array<Page, kTabs> pages_;
  QTimer timer_;
};

}  // namespace tavlo
