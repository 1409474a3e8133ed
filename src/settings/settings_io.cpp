#include <fstream>
#include <sstream>

#include "files/atomic_write.h"
#include "settings/settings_file.h"

namespace tavlo {
namespace {

// Far more than 35 lines of settings; a larger file is not a settings file and is read only this far.
constexpr std::streamsize kMaximumSize = 1 << 20;

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(kMaximumSize, '\0');
  in.read(bytes.data(), kMaximumSize);
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

}  // namespace

std::filesystem::path SettingsPath(const ProgramPaths& paths) { return paths.ProgramFolder / "Tavlo.ini"; }

SettingsLoad LoadSettings(const std::filesystem::path& path, ServiceConfiguration& services) {
  // A file held open by another program may open on the second try.
  std::optional<std::string> bytes = ReadFile(path);
  if (!bytes) bytes = ReadFile(path);
  if (!bytes) return SettingsLoad{DefaultSettings(), SettingsLoadStatus::Defaults, 0};
  return ParseSettings(*bytes, services);
}

SettingsSaveResult SaveSettings(const Settings& settings, const std::filesystem::path& path,
                                const ServiceConfiguration& services, bool clubCheckFailed) {
  // A damaged club must not become permanent together with new settings.
  if (clubCheckFailed) return SettingsSaveResult::NotWritten;
  const std::string text = FormatSettings(settings, services);
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (!WriteFileAtomically(path, text)) return SettingsSaveResult::Saved;
  }
  return SettingsSaveResult::Failed;
}

}  // namespace tavlo
