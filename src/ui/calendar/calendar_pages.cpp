#include "ui/calendar/calendar_pages.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <optional>

#include "lang/calendar_day.h"
#include "ui/pictures/picture_library.h"

namespace tavlo {

namespace {

// Points as the calendar's original screen drew them: 96 pixels an inch.
int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

// A picture of the library, or a null image when it is missing, not a PNG or larger than a page:
// the library is a file from outside, and a page never shows more than 60 x 100 pixels of it.
QImage LibraryPicture(const std::filesystem::path& bundle, const QString& name) {
  std::optional<QByteArray> bytes = ReadLibraryResource(bundle, name);
  if (!bytes) return {};
  QBuffer buffer(&*bytes);
  QImageReader reader(&buffer, "PNG");
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kCalendarPageWidth || size.height() > kCalendarPageHeight) return {};
  return reader.read();
}

// Text centred between x 0 and the page width, its top at `top`.
void TextCentredOnPage(QPainter& p, const QString& text, int top) {
  const QFontMetrics metrics(p.font());
  const int left = (kCalendarPageWidth - metrics.horizontalAdvance(text)) / 2;
  p.drawText(left, top + metrics.ascent(), text);
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool BuildCalendar(const QString& face, int daySize, int monthSize, TInfoCal& info, int& pageCount, int language,
                   const QDate& today, const std::vector<std::filesystem::path>& libraryFolders) {
  const std::optional<std::filesystem::path> bundle = FindLibraryBundle(libraryFolders, kCalendarLibrary);
  // A bundle that Qt cannot open counts as no library at all.
  if (!bundle || !QResource::registerResource(QString::fromStdString(bundle->string()), "/tavlo-calendar-check")) {
    return false;
  }
  QResource::unregisterResource(QString::fromStdString(bundle->string()), "/tavlo-calendar-check");

  const CalendarDayPlan plan = PlanCalendarDay({today.year(), today.month(), today.day()}, language);
  const QImage base = LibraryPicture(*bundle, "R_BASE");
  const auto startPage = [&](int page) {
    QImage& sheet = info.TB[static_cast<std::size_t>(page)];
    if (sheet.isNull()) {
      sheet = QImage(kCalendarPageWidth, kCalendarPageHeight, QImage::Format_ARGB32_Premultiplied);
      sheet.fill(Qt::transparent);
    }
    return &sheet;
  };

  // Page 1: the day, the month and the sign.
  {
    QPainter p(startPage(1));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawImage(0, 0, base);
    QFont dayFont(face);
    dayFont.setPixelSize(PointsToPixels(daySize > 0 ? daySize : 12));
    dayFont.setBold(true);
    p.setFont(dayFont);
    p.setPen(plan.Sunday ? QColor(0xFF, 0x00, 0x00) : QColor(Qt::black));
    TextCentredOnPage(p, QString::number(plan.Day), 22);
    const QString month = FromUtf8(plan.MonthName);
    QFont monthFont(face);
    const int monthPoints = monthSize > 0 ? monthSize : 8;
    monthFont.setPixelSize(PointsToPixels(month.size() > 8 ? monthPoints - 1 : monthPoints));
    // A long name in a wide face still has to stay on the sheet.
    while (QFontMetrics(monthFont).horizontalAdvance(month) > kCalendarPageWidth - 4 && monthFont.pixelSize() > 6) {
      monthFont.setPixelSize(monthFont.pixelSize() - 1);
    }
    p.setFont(monthFont);
    p.setPen(Qt::black);
    TextCentredOnPage(p, month, 42);
    p.drawImage(17, 65, LibraryPicture(*bundle, FromUtf8(plan.ZodiacPicture)));
    info.Hint[1] = FromUtf8(plan.ZodiacHint);
  }

  // Page 2, the Chinese year, then one page a holiday.
  int page = 2;
  for (const CalendarPagePlan& plannedPage : plan.Pages) {
    if (page > kCalendarPageCount) break;
    QPainter p(startPage(page));
    p.drawImage(0, 0, base);
    p.drawImage(3, 27, LibraryPicture(*bundle, FromUtf8(plannedPage.Picture)));
    info.Hint[static_cast<std::size_t>(page)] = FromUtf8(plannedPage.Hint);
    ++page;
  }
  pageCount = page - 1;
  return true;
}

}  // namespace tavlo
