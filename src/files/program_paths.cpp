#include "files/program_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace tavlo {
namespace {

std::optional<std::string> NonEmpty(const EnvironmentReader& environment, const std::string& name) {
  auto value = environment(name);
  if (!value || value->empty()) return std::nullopt;
  return value;
}

std::filesystem::path HomeFolder(const EnvironmentReader& environment) {
  if (auto home = NonEmpty(environment, "HOME")) return *home;
  // A session without HOME (a service, a bare container) still has a password entry.
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) return entry->pw_dir;
  return std::filesystem::current_path();
}

std::filesystem::path DataHome(const EnvironmentReader& environment) {
  if (auto xdg = NonEmpty(environment, "XDG_DATA_HOME")) {
    std::filesystem::path path = *xdg;
    if (path.is_absolute()) return path;
  }
  return HomeFolder(environment) / ".local" / "share";
}

}  // namespace

ProgramPaths ResolveProgramPaths(const EnvironmentReader& environment) {
  ProgramPaths paths;
  if (auto home = NonEmpty(environment, "TAVLO_HOME")) {
    paths.ParentFolder = *home;
  } else {
    paths.ParentFolder = DataHome(environment) / "tavlo";
  }
  paths.ProgramFolder = paths.ParentFolder / "game";
  return paths;
}

ProgramPaths ResolveProgramPaths() {
  return ResolveProgramPaths([](const std::string& name) -> std::optional<std::string> {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  });
}

}  // namespace tavlo
