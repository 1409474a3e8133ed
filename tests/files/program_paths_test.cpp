#include "files/program_paths.h"

#include <gtest/gtest.h>

#include <map>

namespace tavlo {
namespace {

struct PathCase {
  const char* name;
  std::map<std::string, std::string> environment;
  const char* parent;
  friend void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }
};

class ProgramPathsTest : public testing::TestWithParam<PathCase> {};

TEST_P(ProgramPathsTest, ResolvesParentAndProgramFolder) {
  const PathCase& c = GetParam();
  const ProgramPaths paths = ResolveProgramPaths([&](const std::string& name) -> std::optional<std::string> {
    auto it = c.environment.find(name);
    if (it == c.environment.end()) return std::nullopt;
    return it->second;
  });
  EXPECT_EQ(paths.ParentFolder, std::filesystem::path(c.parent));
  EXPECT_EQ(paths.ProgramFolder, std::filesystem::path(c.parent) / "game");
}

INSTANTIATE_TEST_SUITE_P(
    Environments, ProgramPathsTest,
    testing::Values(
        PathCase{"XdgDataHome", {{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "/data"}}, "/data/tavlo"},
        PathCase{"HomeWithoutXdg", {{"HOME", "/home/ann"}}, "/home/ann/.local/share/tavlo"},
        PathCase{"EmptyXdgIsUnset", {{"HOME", "/home/ann"}, {"XDG_DATA_HOME", ""}}, "/home/ann/.local/share/tavlo"},
        PathCase{
            "RelativeXdgIgnored", {{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "data"}}, "/home/ann/.local/share/tavlo"},
        PathCase{"TavloHomeWins",
                 {{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "/data"}, {"TAVLO_HOME", "/portable"}},
                 "/portable"},
        PathCase{"EmptyTavloHomeIsUnset", {{"HOME", "/home/ann"}, {"TAVLO_HOME", ""}}, "/home/ann/.local/share/tavlo"}),
    [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
