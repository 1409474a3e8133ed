#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "files/program_paths.h"
#include "settings/service_configuration.h"
#include "settings/settings.h"

namespace tavlo {

inline constexpr int kSettingsLineCount = 35;

// How far a settings file was read.
enum class SettingsLoadStatus {
  Defaults,         // no file, unreadable, or fewer than 35 lines: nothing of it is used
  Stopped,          // a line the chain needs was missing or malformed; later lines keep their values
  ConversionError,  // a number did not convert; values read before it stay in effect
  Complete,         // every line was read and the service configuration was fetched
};

struct SettingsLoad {
  Settings Values;
  SettingsLoadStatus Status = SettingsLoadStatus::Defaults;
  int Line = 0;  // 1-based line at which reading stopped; 0 for Defaults and Complete
};

enum class SettingsSaveResult {
  Saved,
  NotWritten,  // a club file failed its check since the start: the settings are never written then
  Failed,      // the file could not be written; the old one is intact. The caller shows "Can`t save options!"
};

// "Tavlo.ini" in the program folder.
std::filesystem::path SettingsPath(const ProgramPaths& paths);

// Every setting at its default, the world top ten values still empty, as before the file is read.
Settings DefaultSettings();

// Gives the world top ten values their defaults.
void ApplyWorldDefaults(Settings& settings, const ServiceConfiguration& services);

// The 35 lines of the file in Windows-1251, each ended by CR LF.
std::string FormatSettings(const Settings& settings, const ServiceConfiguration& services);

// Reads the contents of a settings file.
SettingsLoad ParseSettings(std::string_view bytes, ServiceConfiguration& services);

SettingsLoad LoadSettings(const std::filesystem::path& path, ServiceConfiguration& services);

SettingsSaveResult SaveSettings(const Settings& settings, const std::filesystem::path& path,
                                const ServiceConfiguration& services, bool clubCheckFailed);

}  // namespace tavlo
