#include "ui/calendar/calendar_install.h"

#include <QFile>

#include "files/atomic_write.h"
#include "ui/calendar/calendar_pages.h"
#include "ui/pictures/picture_library.h"

// The resource lives in this static library; nothing else references it, so it is registered here.
static void RegisterCalendarResource() { Q_INIT_RESOURCE(calendar_library); }

namespace tavlo {

QByteArray BuiltInCalendarLibrary() {
  static const bool registered = (RegisterCalendarResource(), true);
  (void)registered;
  QFile built(":/tavlo/install/ZanCalendar01.rcc");
  return built.open(QIODevice::ReadOnly) ? built.readAll() : QByteArray();
}

bool InstallCalendarLibrary(const std::filesystem::path& programFolder) {
  if (FindLibraryBundle({programFolder}, kCalendarLibrary)) return true;
  const QByteArray library = BuiltInCalendarLibrary();
  if (library.isEmpty()) return false;
  std::error_code error;
  std::filesystem::create_directories(programFolder, error);
  if (error) return false;
  return !WriteFileAtomically(programFolder / "ZanCalendar01.rcc",
                              std::string_view(library.constData(), static_cast<std::size_t>(library.size())));
}

}  // namespace tavlo
