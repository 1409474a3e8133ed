#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "records/club_file.h"
#include "records/club_install.h"
#include "records/history_clock.h"
#include "records/text_lines.h"

namespace tavlo::testing_support {

// A fresh folder per test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavlo-records-XXXXXX").string();
    const char* made = ::mkdtemp(pattern.data());
    if (made == nullptr) ADD_FAILURE() << "cannot create a temporary folder";
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A clock that always says the same.
class FixedClock : public HistoryClock {
 public:
  std::string Time = "09:05";
  std::string Date = "09.12.2026";
  std::string TimeText() const override { return Time; }
  std::string DateText() const override { return Date; }
  std::string DateText(std::filesystem::file_time_type) const override { return "file date"; }
};

inline std::string ReadAll(const std::filesystem::path& path) {
  return ReadFileBytes(path, std::size_t{1} << 24).value_or("");
}

inline void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// The installation's club lines.
inline ClubLines DefaultClub() { return ParseDefaultClub(BuiltInDefaultClub()).value(); }

// Writes sealed club lines as a club file.
inline void WriteClub(const std::filesystem::path& path, const ClubLines& lines) {
  WriteAll(path, ClubFileBytes(lines));
}

inline ClubLines ReadClub(const std::filesystem::path& path) {
  const ClubFileContents contents = ReadClubFile(path);
  EXPECT_EQ(contents.Status, ClubRead::Read);
  return contents.Lines;
}

}  // namespace tavlo::testing_support
