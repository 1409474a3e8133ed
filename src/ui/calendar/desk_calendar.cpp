#include "ui/calendar/desk_calendar.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace tavlo {

namespace {

constexpr int kTurnMs = 10000;

// The part of the window background a picture at `place` covers, so the sheet looks see-through.
QImage BackgroundUnder(const QImage* background, const QRect& place) {
  QImage page(place.size(), QImage::Format_ARGB32_Premultiplied);
  page.fill(Qt::transparent);
  if (background && !background->isNull()) {
    QPainter p(&page);
    p.drawImage(QPoint(0, 0), *background, place);
  }
  return page;
}

}  // namespace

DeskCalendar::DeskCalendar(QWidget* form, std::vector<std::filesystem::path> libraryFolders)
    : QObject(form),
      form_(form),
      folders_(std::move(libraryFolders)),
      left_(new QLabel(form)),
      right_(new QLabel(form)) {
  for (QLabel* label : {left_, right_}) {
    label->setObjectName(label == left_ ? "ImCalL" : "ImCalR");
    label->hide();
  }
  timer_.setInterval(kTurnMs);
  connect(&timer_, &QTimer::timeout, this, &DeskCalendar::TimerCal);
}

bool DeskCalendar::Shown() const { return left_->isVisible() && right_->isVisible(); }

bool DeskCalendar::ShowCalendar(const Layout& layout, const QImage* background, int language) {
  layout_ = layout;
  background_ = background;
  language_ = language;
  const QRect leftPlace(layout.PlaceX(150, 60), layout.PlaceY(95, 100), kCalendarPageWidth, kCalendarPageHeight);
  const QRect rightPlace(layout.PlaceX(550, 60), layout.PlaceY(95, 100), kCalendarPageWidth, kCalendarPageHeight);
  left_->setGeometry(leftPlace);
  right_->setGeometry(rightPlace);
  info_ = TInfoCal();
  info_.TB[1] = BackgroundUnder(background, leftPlace);
  for (int page = 2; page <= kCalendarPageCount; ++page) {
    info_.TB[static_cast<std::size_t>(page)] = BackgroundUnder(background, rightPlace);
  }
  int pages = 0;
  builtFor_ = Now().date();
  if (!BuildCalendar("Comic Sans MS", 0, 0, info_, pages, language, builtFor_, folders_)) {
    pageCount_ = 0;
    Hide();
    timer_.stop();
    return false;
  }
  pageCount_ = pages;
  ShowPage(left_, 1);
  ShowPage(right_, 2);
  left_->show();
  right_->show();
  left_->raise();
  right_->raise();
  pageCounter_ = 3 > pageCount_ ? 2 : 3;
  timer_.start(kTurnMs);
  return true;
}

void DeskCalendar::Hide() {
  left_->hide();
  right_->hide();
}

void DeskCalendar::TimerCal() {
  if (pageCount_ < 2) return;
  // A new day: the pages are rebuilt on the first tick of it, and also when the first ticks after
  // midnight were missed (a suspended machine), so the sheet never shows yesterday.
  if (Now().date() != builtFor_ && MenuShown()) {
    if (!ShowCalendar(layout_, background_, language_)) return;
  }
  if (!MenuShown()) Hide();
  ShowPage(right_, pageCounter_);
  pageCounter_ = pageCounter_ + 1 > pageCount_ ? 2 : pageCounter_ + 1;
}

void DeskCalendar::ShowPage(QLabel* label, int page) {
  const std::size_t k = static_cast<std::size_t>(page);
  label->setPixmap(QPixmap::fromImage(info_.TB[k]));
  label->setToolTip(info_.Hint[k]);
}

}  // namespace tavlo
