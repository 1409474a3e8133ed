// Code outside the word table reaches words only through named WordId values, which all have rows
// (see WordTable.EveryWordOfTheProgramExistsInAllTenLanguages). A number turned into a WordId, or a
// lookup that bypasses WordId, would escape that check; this test refuses both anywhere in src/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace tavlo {
namespace {

namespace fs = std::filesystem;

TEST(WordUse, NoWordIsReachedByNumberOutsideTheWordTable) {
  const fs::path sources = fs::path(TAVLO_SOURCE_DIR) / "src";
  const std::regex bypass(R"(static_cast\s*<\s*(tavlo::)?WordId\s*>|WordId\s*[({]\s*[0-9]|BuiltInWordTable\s*\(|)"
                          R"(WordTableLines\s*\()");
  int scanned = 0;
  for (const auto& entry : fs::recursive_directory_iterator(sources)) {
    const fs::path& path = entry.path();
    if (!entry.is_regular_file() || (path.extension() != ".h" && path.extension() != ".cpp")) continue;
    if (fs::relative(path, sources).begin()->string() == "lang") continue;
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    const std::string contents = text.str();
    EXPECT_FALSE(std::regex_search(contents, bypass)) << path << " picks a word by number";
    ++scanned;
  }
  EXPECT_GT(scanned, 0) << "no sources found under " << sources;
}

}  // namespace
}  // namespace tavlo
