#pragma once

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <vector>

#include "ui/calendar/calendar_pages.h"
#include "ui/layout/scale.h"

class QLabel;
class QWidget;

namespace tavlo {

// The desk calendar of the main menu: two 60 x 100 pictures, `ImCalL` with today's date and
// sign and `ImCalR` turning every ten seconds through the Chinese year and today's holidays.
// Without the calendar library both stay hidden.
class DeskCalendar : public QObject {
  Q_OBJECT

 public:
  DeskCalendar(QWidget* form, std::vector<std::filesystem::path> libraryFolders);

  // The clock (tests choose the day) and whether the menu shows now.
  std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };
  std::function<bool()> MenuShown = [] { return true; };

  // Places both pictures, builds today's pages over the background under them and starts the
  // rotation; true when the calendar shows. The menu moves its candlesticks outwards then.
  bool ShowCalendar(const Layout& layout, const QImage* background, int language);
  void Hide();
  // One tick of `TimerCal`: the pages of a new day once the date has changed, then the next page
  // on `ImCalR`; with the menu gone both pictures hide.
  void TimerCal();

  bool Shown() const;
  int PageCount() const { return pageCount_; }
  int PageCounter() const { return pageCounter_; }
  const TInfoCal& Info() const { return info_; }
  QLabel& ImCalL() { return *left_; }
  QLabel& ImCalR() { return *right_; }
  QTimer& Timer() { return timer_; }

 private:
  void ShowPage(QLabel* label, int page);

  QWidget* form_;
  std::vector<std::filesystem::path> folders_;
  QLabel* left_;
  QLabel* right_;
  QTimer timer_;
  TInfoCal info_;
  int pageCount_ = 0;
  int pageCounter_ = 2;
  // What the last showing was given, for the new day at midnight.
  Layout layout_;
  const QImage* background_ = nullptr;
  int language_ = 0;
  QDate builtFor_;
};

}  // namespace tavlo
