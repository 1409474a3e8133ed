#pragma once

#include <QByteArray>
#include <filesystem>

namespace tavlo {

// The calendar library this build painted, as it is built into the program; empty if it is not.
QByteArray BuiltInCalendarLibrary();

// The installation step: writes the built-in calendar library into the program folder (as
// "ZanCalendar01.rcc"), whole or not at all. A library already there is kept. False when the
// file could not be written.
bool InstallCalendarLibrary(const std::filesystem::path& programFolder);

}  // namespace tavlo
