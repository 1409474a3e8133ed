// Without libFuzzer, a fuzz target is a replay program: it runs every file named on the command
// line, or held in a folder named there, through the target once. Options (libFuzzer's "-runs=0")
// are ignored, so CTest calls both kinds of program the same way.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool Replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", file.c_str());
    return false;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A copy of exactly the input's size, so that the sanitizers see any read past its end.
  std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
  LLVMFuzzerTestOneInput(input.empty() ? nullptr : input.data(), input.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument.starts_with("-")) continue;
    std::error_code error;
    if (fs::is_directory(argument, error)) {
      for (const auto& entry : fs::directory_iterator(argument, error)) {
        if (entry.is_regular_file(error)) files.push_back(entry.path());
      }
    } else {
      files.emplace_back(argument);
    }
  }
  std::sort(files.begin(), files.end());
  int failures = 0;
  for (const fs::path& file : files) {
    if (!Replay(file)) ++failures;
  }
  std::printf("replayed %zu inputs\n", files.size() - static_cast<std::size_t>(failures));
  return failures == 0 && !files.empty() ? 0 : 1;
}
