#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tavlo {

// The two folders every record file lives in. The program folder holds the settings, the club files
// and the histories; the parent folder holds what the game family shares (user file, chat and news state).
struct ProgramPaths {
  std::filesystem::path ParentFolder;   // $TAVLO_HOME, else $XDG_DATA_HOME/tavlo, else ~/.local/share/tavlo
  std::filesystem::path ProgramFolder;  // ParentFolder/game
};

// Reads one environment variable; nullopt when it is unset.
using EnvironmentReader = std::function<std::optional<std::string>(const std::string& name)>;

// The one place that decides where the program's files are. An empty or relative XDG_DATA_HOME is
// ignored, as the XDG rules ask; TAVLO_HOME is taken as given (tests and portable use).
ProgramPaths ResolveProgramPaths(const EnvironmentReader& environment);

// The same, reading the process environment.
ProgramPaths ResolveProgramPaths();

}  // namespace tavlo
